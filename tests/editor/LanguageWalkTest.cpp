// Every window, menu, popup and dialog walked in English and in Japanese: English shows no Japanese,
// Japanese leaves nothing in English, no caption is empty or cut off, no two items of a menu share an
// access key, and Qt's own dialogs follow.
#include "AboutU.h"
#include "AnalysisWindow.h"
#include "CountInputFormU.h"
#include "EditorFixture.h"
#include "HelpWindow.h"
#include "InputMacroNameFormU.h"
#include "MacroMtnFormU.h"
#include "Messages.h"
#include "QtTranslations.h"
#include "ScopeFormU.h"
#include "TestReportFormU.h"
#include "TimingWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::vector<std::string> Folders{VOLTRANE_CATALOGS};

// Texts that read the same in both languages: names, gates, units, channels and the scope's buttons.
const QStringList SameInBoth{"Voltrane", "English", "日本語", "Language / 表示言語", "Start", "Stop", "Clear", "OK",
                             "5V", "0V", "100%", "CSV", "VCD", "JSON", "PNG", "SVG", "NAND", "NOR", "AND", "OR", "NOT", "XOR", "XNOR", "Ch1", "Ch2", "Ch3", "Ch4"};

// The text without accelerator marks and without the shortcut a tool tip names after it.
QString Bare(QString text)
{
    text.remove('&');
    if (text.endsWith(')') && text.contains(" (")) text.truncate(text.lastIndexOf(" ("));
    return text;
}

bool HasJapanese(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// Whether the widget's caption is wider than the room it has.
bool CutOff(const QWidget& widget)
{
    const int room = widget.contentsRect().width();
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->wordWrap())
        return std::ranges::any_of(label->text().split('\n'),
                                   [&](const QString& line) { return label->fontMetrics().horizontalAdvance(line) > room; });
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return button->fontMetrics().horizontalAdvance(Bare(button->text())) + 4 > room;
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget); button && !button->text().isEmpty())
        return button->sizeHint().width() > widget.width();
    return false;
}

struct TShown {
    QString where;
    QString text;
};

struct TWalk {
    std::vector<TShown> shown;
    QStringList empty, clipped, sharedKeys;

    void Add(const QObject& owner, const char* what, const QString& text)
    {
        shown.push_back({QStringLiteral("%1 '%2' %3").arg(owner.metaObject()->className(), owner.objectName(), what),
                         text});
    }

    // Two items of one menu must not answer the same key.
    void AccessKeys(const QMenu& menu)
    {
        QSet<QChar> keys;
        for (const QAction* item : menu.actions()) {
            const qsizetype at = QString(item->text()).replace("&&", "").indexOf('&');
            if (at < 0 || item->isSeparator()) continue;
            const QChar key = QString(item->text()).replace("&&", "").at(at + 1).toLower();
            if (keys.contains(key)) sharedKeys << menu.title() + ": " + item->text();
            keys.insert(key);
        }
    }

    // The texts of a window and everything in it. Qt's own dialogs are not ours to fill or lay out:
    // only their texts are compared.
    void Window(QWidget& window, bool ours = true)
    {
        window.show();
        QApplication::processEvents();
        Add(window, "title", window.windowTitle());
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            if (label && label->pixmap().isNull()) Add(*label, "label", label->text());
            if (button) Add(*button, "button", button->text());
            if (const auto* group = qobject_cast<QGroupBox*>(widget)) Add(*group, "group", group->title());
            if (const auto* menu = qobject_cast<QMenu*>(widget)) {
                if (!menu->title().isEmpty()) Add(*menu, "menu", menu->title());
                if (ours) AccessKeys(*menu);
            }
            if (ours && widget->isVisible() && CutOff(*widget)) clipped << shown.back().where + " \"" + shown.back().text + "\"";
        }
        for (QAction* action : window.findChildren<QAction*>()) {
            // Qt's own items (qt_…) are Qt's to translate.
            if (action->isSeparator() || action->associatedObjects().isEmpty() || action->objectName().startsWith("qt_"))
                continue;
            // A menu's own action shows its title, which is walked with the menu.
            if (ours && !action->menu() && action->text().isEmpty() && action->icon().isNull())
                empty << QStringLiteral("%1 in %2 '%3'")
                             .arg(action->objectName(), action->parent()->metaObject()->className(),
                                  action->parent()->objectName());
            Add(*action, "text", action->text());
            Add(*action, "tip", action->toolTip());
            Add(*action, "status", action->statusTip());
        }
    }
};

// Everything the program shows, built in the language, Qt's own texts included.
TWalk WalkIn(const std::string& language)
{
    UseLanguage(language, Folders);
    const std::unique_ptr<QTranslator> qtTexts(InstallQtTranslations(language));
    TWalk walk;
    EditorFixture editor(900, 600);
    walk.Window(*editor.window);
    TfrmAbout about(editor.shell, editor.window.get());
    walk.Window(about);
    TCountInputForm count;
    walk.Window(count);
    TInputMacroNameForm name([](const std::string&) { return std::string(); });
    walk.Window(name);
    TMacroMtnForm macros;
    walk.Window(macros);
    TScopeForm scope(editor.shell);
    walk.Window(scope);
    TTestReportForm report;
    walk.Window(report);
    THelpWindow help(GuideFolders());
    walk.Window(help);
    TProbeHub probes;
    TTimingWindow timing(probes, editor.shell, nullptr);
    walk.Window(timing);
    TAnalysisWindow analysis(
        editor.shell, [](bool, const std::vector<std::string>&) { return std::nullopt; }, [](const TStrings&) { return false; });
    walk.Window(analysis);
    QMessageBox box(QMessageBox::Question, "Voltrane", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    walk.Window(box, false);
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    walk.Window(files, false);
    return walk;
}

TEST(Languages, EveryTextIsInTheChosenLanguageAndNoCaptionIsCutOff)
{
    const std::string before = CurrentLanguage();
    const TWalk english = WalkIn("en");
    const TWalk japanese = WalkIn("ja");
    UseLanguage(before, Folders);

    ASSERT_EQ(english.shown.size(), japanese.shown.size());
    for (size_t i = 0; i < english.shown.size(); ++i) {
        const TShown &en = english.shown[i], &ja = japanese.shown[i];
        const bool words = std::any_of(en.text.begin(), en.text.end(), [](QChar c) { return c.isLetter(); });
        if (SameInBoth.contains(Bare(en.text)) || !words) continue;
        EXPECT_FALSE(HasJapanese(en.text)) << qPrintable(en.where) << ": " << qPrintable(en.text);
        EXPECT_NE(en.text, ja.text) << "untranslated " << qPrintable(ja.where) << ": " << qPrintable(ja.text);
    }
    for (const TWalk* walk : {&english, &japanese}) {
        EXPECT_TRUE(walk->empty.isEmpty()) << qPrintable(walk->empty.join(", "));
        EXPECT_TRUE(walk->clipped.isEmpty()) << qPrintable(walk->clipped.join("\n"));
        EXPECT_TRUE(walk->sharedKeys.isEmpty()) << qPrintable(walk->sharedKeys.join("\n"));
    }
}

}  // namespace
