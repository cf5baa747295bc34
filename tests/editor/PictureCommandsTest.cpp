// The circuit as a picture from the window: exported in each format, copied, of the selection or
// of the whole circuit.
#include "EditorFixture.h"
#include "PictureCommands.h"
#include "PictureLookDialog.h"
#include "ScratchFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs work on the picture look dialog as soon as it shows.
void WhenAsked(std::function<void(TPictureLookDialog&)> work)
{
    QTimer::singleShot(0, [work] {
        auto* dialog = dynamic_cast<TPictureLookDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        work(*dialog);
    });
}

// Counts the olive grid-dot pixels of a picture.
int OlivePixels(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int olive = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) olive += image.pixel(x, y) == qRgb(128, 128, 0);
    return olive;
}

}  // namespace

TEST(PictureCommands, ExportAndCopyTakeTheSelectionOrTheWholeCircuit)
{
    EditorFixture editor;
    TfrmVoltrane& window = *editor.window;
    ASSERT_TRUE(window.Document.OpenFile(VOLTRANE_EXAMPLES "/half-adder.lgc"));
    TPictureCommands& pictures = *window.Pictures;
    // The switches stand at (100, 100) and the lowest wire runs at 240: ten units around them.
    EXPECT_EQ(pictures.PicturedArea(), (TRect{90, 90, 270, 250}));
    window.State.SelectOnly(window.Bord.Items(0));
    EXPECT_EQ(pictures.PicturedArea(), (TRect{90, 90, 130, 130}));

    const ScratchFolder folder;
    ASSERT_TRUE(pictures.Export(folder / "switch.png"));
    const QImage png(QString::fromStdString(folder / "switch.png"));
    EXPECT_EQ(png.size(), QSize(40, 40));
    ASSERT_TRUE(pictures.Export(folder / "switch.SVG"));
    EXPECT_NE(ScratchFolder::Slurp(folder / "switch.SVG").find("viewBox=\"0 0 40 40\""), std::string::npos);
    window.State.SelectOnly(nullptr);
    ASSERT_TRUE(pictures.Export(folder / "adder.pdf"));
    EXPECT_TRUE(ScratchFolder::Slurp(folder / "adder.pdf").starts_with("%PDF-"));

    pictures.CopyPicture({});
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), QSize(180, 160));
    EXPECT_TRUE(copied->data("image/svg+xml").startsWith("<?xml"));

    EXPECT_FALSE(pictures.Export(folder / "no such folder/adder.png"));
    EXPECT_EQ(editor.shell.Errors.size(), 1u);
}

TEST(PictureCommands, EachAsksTheLookStartingCleanForPaperAndAsOnScreenElseAndRemembersIt)
{
    EditorFixture editor;
    TfrmVoltrane& window = *editor.window;
    ASSERT_TRUE(window.Document.OpenFile(VOLTRANE_EXAMPLES "/half-adder.lgc"));
    TPictureCommands& pictures = *window.Pictures;
    const ScratchFolder folder;
    struct Shown {
        bool clean = false, levels = false, levelsEnabled = false;
        QString title;
    };
    // Answers the dialog: clean or not, with levels or not, or cancels; tells what it showed first.
    const auto answer = [](Shown& shown, std::optional<bool> clean, bool levels = false) {
        WhenAsked([&shown, clean, levels](TPictureLookDialog& d) {
            shown = {d.rbClean->isChecked(), d.cbLevels->isChecked(), d.cbLevels->isEnabled(), d.windowTitle()};
            if (!clean) return d.reject();
            QTest::mouseClick(*clean ? d.rbClean : d.rbScreen, Qt::LeftButton);
            EXPECT_EQ(d.cbLevels->isEnabled(), *clean);
            d.cbLevels->setChecked(levels);
            QTest::keyClick(&d, Qt::Key_Return);
        });
    };

    Shown shown;
    editor.shell.SaveAnswers = {folder / "page.pdf"};
    answer(shown, true);
    window.ActionManager1.actExportPicture->trigger();
    EXPECT_TRUE(shown.clean && !shown.levels && shown.levelsEnabled);
    EXPECT_EQ(shown.title.toStdString(), "画像として書き出し");
    EXPECT_TRUE(ScratchFolder::Slurp(folder / "page.pdf").starts_with("%PDF-"));

    editor.shell.SaveAnswers = {folder / "screen.png"};
    answer(shown, false);
    window.ActionManager1.actExportPicture->trigger();
    EXPECT_FALSE(shown.clean || shown.levelsEnabled);
    EXPECT_GT(OlivePixels(QImage(QString::fromStdString(folder / "screen.png"))), 50);

    editor.shell.SaveAnswers = {folder / "clean.png"};
    answer(shown, true, true);
    window.ActionManager1.actExportPicture->trigger();
    EXPECT_FALSE(shown.clean);
    const QImage clean(QString::fromStdString(folder / "clean.png"));
    ASSERT_FALSE(clean.isNull());
    EXPECT_EQ(OlivePixels(clean), 0);
    EXPECT_EQ(pictures.LastLook(TPictureUse::Screen), (TPictureLook{TPictureStyle::Clean, true}));
    EXPECT_EQ(pictures.LastLook(TPictureUse::Paper), (TPictureLook{TPictureStyle::Clean, false}));

    // The last choice for pictures on screen is where the copy starts; a cancelled one neither
    // copies nor changes what is remembered.
    QApplication::clipboard()->clear();
    answer(shown, std::nullopt);
    window.ActionManager1.actCopyPicture->trigger();
    EXPECT_TRUE(shown.clean && shown.levels);
    EXPECT_EQ(shown.title.toStdString(), "画像としてコピー");
    // A clipboard cleared may hold no data at all.
    const QMimeData* none = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(!none || !none->hasImage());
    EXPECT_EQ(pictures.LastLook(TPictureUse::Screen), (TPictureLook{TPictureStyle::Clean, true}));
    answer(shown, true);
    window.ActionManager1.actCopyPicture->trigger();
    EXPECT_EQ(OlivePixels(qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData())), 0);

    // A file named and a look cancelled writes nothing.
    editor.shell.SaveAnswers = {folder / "never.svg"};
    answer(shown, std::nullopt);
    window.ActionManager1.actExportPicture->trigger();
    EXPECT_FALSE(std::filesystem::exists(folder / "never.svg"));
    EXPECT_TRUE(editor.shell.Errors.empty());
}
