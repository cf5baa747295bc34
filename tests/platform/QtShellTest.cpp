// The shell's real file dialogs, driven as a user would: a name typed into the name field, then OK.
#include "QtShell.h"
#include "ScratchFolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

const Shell::TFileDialog CircuitDialog{"ロジックセーブファイル(*.lgc)|*.lgc|全てのファイル(*.*)|*.*", "lgc", {}};

// Types the name into the file dialog the shell opens and accepts it. A box the dialog puts up
// over itself (a file not found) is noted and closed; the dialog still open after that, or two
// seconds after the name was typed, is cancelled, so that a test never waits on a modal window.
struct TypedName {
    explicit TypedName(const std::string& name) : Name(QString::fromStdString(name)) {}

    QString Name;
    QStringList Boxes;
    QStringList Filters;
    bool Typed = false;
    int waited = 0;

    std::optional<std::string> Into(const std::function<std::optional<std::string>()>& open)
    {
        QTimer user;
        user.setInterval(10);
        QObject::connect(&user, &QTimer::timeout, [this] { Act(); });
        user.start();
        return open();
    }

    void Act()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Boxes << box->text();
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (Typed) {
                // Still open after a box, or long after the name was typed.
                if (!Boxes.isEmpty() || ++waited > 200) dialog->reject();
                return;
            }
            Filters = dialog->nameFilters();
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!field) return dialog->reject();
            field->setText(Name);
            Typed = true;
            // As the Open button does, from the event loop: a box it opens runs a loop of its own.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    }
};

}  // namespace

TEST(QtShellFileDialogs, OpenTakesATypedNameAsItIsAndSaveAddsTheExtension)
{
    ScratchFolder folder;
    folder.Put("notes", "not a circuit\n");
    QtShell shell;

    TypedName withoutExtension(folder / "notes");
    EXPECT_EQ(withoutExtension.Into([&] { return shell.OpenFileName(CircuitDialog); }), folder / "notes");
    EXPECT_TRUE(withoutExtension.Boxes.isEmpty()) << withoutExtension.Boxes.join('\n').toStdString();
    // Each pattern is named once; every file means every name, with a dot or not.
    EXPECT_EQ(withoutExtension.Filters,
              QStringList({QString::fromUtf8("ロジックセーブファイル(*.lgc)"), QString::fromUtf8("全てのファイル (*)")}));

    // A name that is not there is reported as typed, not with the extension added.
    TypedName missing(folder / "absent");
    EXPECT_EQ(missing.Into([&] { return shell.OpenFileName(CircuitDialog); }), std::nullopt);
    ASSERT_EQ(missing.Boxes.size(), 1);
    EXPECT_TRUE(missing.Boxes[0].startsWith(QStringLiteral("absent\n"))) << missing.Boxes[0].toStdString();

    TypedName toSave(folder / "adder");
    EXPECT_EQ(toSave.Into([&] { return shell.SaveFileName(CircuitDialog); }), folder / "adder.lgc");
    TypedName withOwnExtension(folder / "adder.txt");
    EXPECT_EQ(withOwnExtension.Into([&] { return shell.SaveFileName(CircuitDialog); }), folder / "adder.txt");
}
