// The circuit as a picture from the window: exported in each format, copied, of the selection or
// of the whole circuit.
#include "EditorFixture.h"
#include "PictureCommands.h"
#include "ScratchFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

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

    pictures.CopyPicture();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), QSize(180, 160));
    EXPECT_TRUE(copied->data("image/svg+xml").startsWith("<?xml"));

    EXPECT_FALSE(pictures.Export(folder / "no such folder/adder.png"));
    EXPECT_EQ(editor.shell.Errors.size(), 1u);
}
