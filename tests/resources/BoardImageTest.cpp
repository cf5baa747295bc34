#include "BoardImage.h"
#include "CircuitFile.h"
#include "CircuitText.h"
#include "Context.h"
#include "Gates.h"
#include "QImageCanvas.h"
#include "SubTerminals.h"
#include "Wiring.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QRgb Rgb(TColor c) { return qRgb(c.R, c.G, c.B); }

// The board as the command-line simulator writes it, read back.
QImage Picture(TBord& board, double scale = 1)
{
    const QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("board.png")).toStdString();
    EXPECT_TRUE(SaveBoardPng(board, path, scale));
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(BoardImage, CoversTheObjectsPlusAMarginInTheEditingLook)
{
    TCircuit circuit;
    TGate* nand = circuit.Bord.Create<TGate>(nullptr);
    nand->MoveTo(100, 50, false);
    const QImage picture = Picture(circuit.Bord);
    ASSERT_EQ(picture.size(), QSize(160, 110));
    EXPECT_EQ(circuit.Bord.GetCanvas(), nullptr);  // the board gets its own surface back

    EXPECT_EQ(picture.pixel(0, 0), Rgb(clOlive));
    EXPECT_EQ(picture.pixel(150, 100), Rgb(clOlive));
    EXPECT_EQ(picture.pixel(100, 60), Rgb(clBlack));  // grid dots lie under the parts: the input's lead
    EXPECT_EQ(picture.pixel(155, 105), Rgb(clBtnFace));
    // Open terminals: red circles of radius 5 round (100, 60), (100, 80) and (140, 70).
    EXPECT_EQ(picture.pixel(95, 60), Rgb(clRed));
    EXPECT_EQ(picture.pixel(104, 80), Rgb(clRed));
    EXPECT_EQ(picture.pixel(141, 65), Rgb(clRed));
    EXPECT_EQ(picture.pixel(94, 60), Rgb(clBtnFace));
    EXPECT_EQ(picture.pixel(111, 65), Rgb(clBlack));  // the flat back of the NAND
}

TEST(BoardImage, WiresDotsAndBoxesShowInTheirColours)
{
    TestCircuit t;
    AddWire(t, 200, 30, 260, 30);
    PlaceDot(t, 230, 30);
    TContainer* box = AddBox(t, 20, 20, 100, 80);
    auto* in = t.Bord.Create<TInTerminal>(nullptr);
    Shape(*in, box, 20, 50, 40, 70);
    const QImage picture = Picture(t.Bord);
    ASSERT_EQ(picture.size(), QSize(280, 120));

    EXPECT_EQ(picture.pixel(215, 30), Rgb(clBlue));
    EXPECT_EQ(picture.pixel(245, 30), Rgb(clBlue));
    EXPECT_EQ(picture.pixel(228, 28), Rgb(clBlue));  // the dot
    EXPECT_EQ(picture.pixel(255, 30), Rgb(clRed));   // the open far end

    EXPECT_EQ(picture.pixel(25, 25), Rgb(clNavy));  // grab square
    EXPECT_EQ(picture.pixel(34, 34), Rgb(clNavy));
    EXPECT_EQ(picture.pixel(35, 35), Rgb(clBtnFace));
    EXPECT_EQ(picture.pixel(55, 20), Rgb(clWhite));  // raised: light top and left, dark right and bottom
    EXPECT_EQ(picture.pixel(119, 45), Rgb(clBlack));
    EXPECT_EQ(picture.pixel(65, 99), Rgb(clBlack));
    // The open outer terminal of the input terminal part lies on the box's left edge; its circle is
    // drawn whole, out beyond the box.
    EXPECT_EQ(picture.pixel(15, 60), Rgb(clRed));
    EXPECT_NE(picture.pixel(27, 60), Rgb(clBtnFace));  // the terminal part's sprite
}

TEST(BoardImage, FullyWiredCircuitsShowNoOpenTerminal)
{
    for (const char* file : {"half_adder.lgc", "box_with_terminals.lgc"}) {
        SCOPED_TRACE(file);
        TestCircuit t;
        TPartsList loaded;
        LoadParts(ReadCircuitFile(std::string(VOLTRANE_TEST_DATA "/") + file), loaded, t.Bord, nullptr, nullptr);
        t.Bord.CheckAllLinks();
        const QImage picture = Picture(t.Bord);
        int red = 0, blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                red += picture.pixel(x, y) == Rgb(clRed);
                blue += picture.pixel(x, y) == Rgb(clBlue);
            }
        EXPECT_GT(loaded.Count(), 8);
        EXPECT_EQ(red, 0);
        EXPECT_GT(blue, 60);
    }
}

TEST(BoardImage, EmptyAndFarFlungBoardsGiveSanePictures)
{
    TCircuit circuit;
    EXPECT_EQ(Picture(circuit.Bord).size(), QSize(20, 20));
    circuit.Bord.Create<TGate>(nullptr)->MoveTo(1 << 30, 1 << 30, false);
    const std::unique_ptr<Canvas> surface = MakeBoardImage(circuit.Bord);
    EXPECT_EQ(surface->Width(), 4000);
    EXPECT_EQ(surface->Height(), 4000);
}

TEST(BoardImage, UnwritablePathsAndForeignSurfacesFail)
{
    TCircuit circuit;
    EXPECT_FALSE(SaveBoardPng(circuit.Bord, "/nonexistent-folder/board.png"));
    const NullCanvas foreign(10, 10);
    EXPECT_FALSE(SaveCanvasPng(foreign, "/tmp/never-written.png"));
}

TEST(BoardImage, PictureWindowsGiveDisplayImagesThatCopyOntoThePicture)
{
    const std::unique_ptr<WindowFactory> windows = MakePictureWindows();
    const std::unique_ptr<Canvas> display = windows->CreateImage(40, 50);
    display->DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
    display->SetBrushColor(clRed);
    display->FloodFill(16, 24, clBlack);  // the middle segment

    TCircuit circuit;
    const std::unique_ptr<Canvas> picture = MakeBoardImage(circuit.Bord);
    picture->CopyRect({0, 0, 20, 20}, *display, {10, 14, 30, 34});
    const auto* raster = dynamic_cast<const QImageCanvas*>(picture.get());
    ASSERT_NE(raster, nullptr);
    EXPECT_EQ(raster->PixelAt(6, 10), clRed);
    EXPECT_EQ(raster->PixelAt(0, 0), clBlack);
    EXPECT_NE(windows->CreateTextEditor(), nullptr);
    EXPECT_NE(windows->CreateScopeSink(), nullptr);
}

TEST(BoardImage, ScaledPicturesDrawEveryBoardUnitSharplyAsScaleTimesScalePixels)
{
    TestCircuit t;
    AddWire(t, 200, 30, 260, 30);
    t.Bord.Create<TGate>(nullptr)->MoveTo(100, 50, false);
    const QImage one = Picture(t.Bord);
    ASSERT_EQ(one.size(), QSize(280, 110));
    for (const int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const QImage picture = Picture(t.Bord, scale);
        ASSERT_EQ(picture.size(), one.size() * scale);
        // Grid dots: blocks of scale × scale pixels at the multiples of ten units.
        for (const auto& [x, y] : {std::pair{0, 0}, {10, 0}, {30, 100}, {270, 10}}) {
            EXPECT_EQ(picture.pixel(x * scale, y * scale), Rgb(clOlive));
            EXPECT_EQ(picture.pixel(x * scale + scale - 1, y * scale + scale - 1), Rgb(clOlive));
            EXPECT_EQ(picture.pixel(x * scale + scale, y * scale), Rgb(clBtnFace));
        }
        // The wire: as many rows thick as the scale.
        for (int row = 0; row < scale; ++row) EXPECT_EQ(picture.pixel(235 * scale, 30 * scale + row), Rgb(clBlue));
        EXPECT_EQ(picture.pixel(235 * scale, 30 * scale - 1), Rgb(clBtnFace));
        EXPECT_EQ(picture.pixel(235 * scale, 31 * scale), Rgb(clBtnFace));
        // The gate is drawn at the picture's size, not as enlarged pixels of the small one.
        const QImage enlarged = one.scaled(one.size() * scale);
        int finer = 0;
        for (int y = 50 * scale; y < 90 * scale; ++y)
            for (int x = 100 * scale; x < 140 * scale; ++x) finer += picture.pixel(x, y) != enlarged.pixel(x, y);
        EXPECT_GT(finer, 20 * scale);
    }
}
