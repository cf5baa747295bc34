#include "Context.h"
#include "QImageCanvas.h"
#include "Simulation.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct TView {
    double Scale;
    TPoint Offset;
};

std::string Name(const TView& v)
{
    return "scale " + std::to_string(v.Scale) + " offset " + std::to_string(v.Offset.x) + "," +
           std::to_string(v.Offset.y);
}

QImageCanvas Viewed(int width, int height, const TView& view)
{
    QImageCanvas canvas(width, height);
    canvas.SetView(view.Scale, view.Offset);
    return canvas;
}

// A canvas covered with noise, device pixel by device pixel, then shown through the view.
QImageCanvas Noisy(int width, int height, const TView& view, unsigned seed)
{
    QImageCanvas canvas(width, height);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, {static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                                   static_cast<uint8_t>(random())});
    canvas.SetView(view.Scale, view.Offset);
    return canvas;
}

int ChangedPixels(const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) changed += before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

// Lines of every slope, polylines, rectangles and ellipses of odd and even sizes, empty ones too.
void DrawFigures(QImageCanvas& c)
{
    for (int i = 0; i < 12; ++i) {
        c.MoveTo(3 + i, 5);
        c.LineTo(70 - 3 * i, 60 + i);
        c.MoveTo(40, 2 + i * 5);
        c.LineTo(40, 70 - i * 5);
        c.MoveTo(2, 10 + i);
        c.LineTo(30 + i, 10 + i);
        c.Rectangle(i, 2 * i, 20 + 3 * i, 10 + i);
        c.Ellipse(5 + i, 7, 6 + 2 * i, 8 + 3 * i);
    }
    c.MoveTo(45, 45);
    c.LineTo(60, 50);
    c.LineTo(52, 66);
    c.LineTo(45, 45);
    c.Ellipse(25, 25, 35, 35);
    c.Rectangle(50, 50, 50, 60);
}

bool IsColour(const QImageCanvas& c, int x, int y, TColor colour) { return c.PixelAt(x, y) == colour; }

}  // namespace

TEST(ScaledCanvas, ScaleOneWithAnOffsetIsTheUnscaledPictureMoved)
{
    const auto draw = [](QImageCanvas& c) {
        c.SetBrushColor(clLime);
        c.FillRect({5, 5, 30, 25});
        DrawFigures(c);
        c.SetPixel(33, 3, clRed);
        c.SetBrushColor(clRed);
        c.FloodFill(12, 12, clBlack);
        c.ClipTo({50, 0, 70, 30});
        c.SetBrushColor(clNavy);
        c.FillRect({0, 0, 100, 100});
        c.Unclip();
    };
    QImageCanvas plain(100, 100);
    draw(plain);
    const TPoint offset{13, -7};
    QImageCanvas moved = Viewed(100, 100, {1, offset});
    draw(moved);
    EXPECT_EQ(moved.BoardArea(), (TRect{13, -7, 113, 93}));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const int bx = x + offset.x, by = y + offset.y;
            if (bx < 100 && by >= 0) {
                ASSERT_EQ(moved.PixelAt(x, y), plain.PixelAt(bx, by)) << x << "," << y;
            }
        }
}

TEST(ScaledCanvas, AOneUnitPenCoversTheDevicePixelsOfEachBoardPixel)
{
    QImageCanvas c = Viewed(60, 40, {2, {0, 0}});
    c.SetPenColor(clBlue);
    c.MoveTo(3, 5);
    c.LineTo(20, 5);  // a horizontal wire at 200 %: rows 10 and 11, columns 6 .. 39
    for (int x = 6; x < 40; ++x) {
        EXPECT_TRUE(IsColour(c, x, 10, clBlue) && IsColour(c, x, 11, clBlue)) << x;
        EXPECT_TRUE(IsColour(c, x, 9, clWhite) && IsColour(c, x, 12, clWhite)) << x;
    }
    EXPECT_EQ(c.PixelAt(5, 10), clWhite);
    EXPECT_EQ(c.PixelAt(40, 10), clWhite);  // the end point is left out
    c.MoveTo(25, 2);
    c.LineTo(25, 15);
    for (int y = 4; y < 30; ++y) EXPECT_TRUE(IsColour(c, 50, y, clBlue) && IsColour(c, 51, y, clBlue)) << y;
    EXPECT_EQ(c.PixelAt(49, 10), clWhite);
    EXPECT_EQ(c.PixelAt(52, 10), clWhite);

    // At 150 % board pixels alternate between one and two device pixels; a wire is as thick as its row.
    QImageCanvas odd = Viewed(60, 40, {1.5, {0, 0}});
    odd.MoveTo(0, 5);
    odd.LineTo(30, 5);  // row 5: device rows 7 and 8
    odd.MoveTo(0, 4);
    odd.LineTo(30, 4);  // row 4: device row 6 only
    EXPECT_EQ(odd.PixelAt(20, 6), clBlack);
    EXPECT_EQ(odd.PixelAt(20, 7), clBlack);
    EXPECT_EQ(odd.PixelAt(20, 8), clBlack);
    EXPECT_EQ(odd.PixelAt(20, 5), clWhite);
    EXPECT_EQ(odd.PixelAt(20, 9), clWhite);

    // Below 100 % a board pixel still covers one device pixel.
    QImageCanvas small = Viewed(20, 20, {0.25, {0, 0}});
    small.SetPixel(9, 9, clRed);
    EXPECT_EQ(small.PixelAt(2, 2), clRed);
    small.MoveTo(1, 30);
    small.LineTo(2, 30);
    EXPECT_EQ(small.PixelAt(0, 7), clBlack);
}

TEST(ScaledCanvas, XorFiguresDrawnTwiceLeaveNoTraceAtEveryScale)
{
    for (const TView& view : {TView{0.5, {0, 0}}, {1.5, {0, 0}}, {2, {0, 0}}, {2, {7, -3}}, {3, {-11, 5}},
                              {0.25, {1, 1}}, {1.0 / 3, {0, 0}}}) {
        SCOPED_TRACE(Name(view));
        for (const TBrushStyle brush : {TBrushStyle::Clear, TBrushStyle::Solid}) {
            QImageCanvas c = Noisy(160, 160, view, 7);
            const QImage before = c.Image().copy();
            c.SetPenMode(TPenMode::Xor);
            c.SetPenColor(clWhite);
            c.SetBrushStyle(brush);
            c.SetBrushColor({12, 200, 77});
            DrawFigures(c);
            EXPECT_GT(ChangedPixels(before, c.Image()), 50);
            DrawFigures(c);
            EXPECT_EQ(ChangedPixels(before, c.Image()), 0);
        }
    }
}

// Drawn in XOR on white, a figure touching a pixel twice would leave it white; drawn in copy mode the
// same figure paints it black all the same.
TEST(ScaledCanvas, EveryDevicePixelOfAFigureIsDrawnOnce)
{
    using TFigure = void (*)(QImageCanvas&);
    const TFigure figures[] = {
        [](QImageCanvas& c) {
            c.MoveTo(3, 4);
            c.LineTo(37, 21);
        },
        [](QImageCanvas& c) {
            c.MoveTo(30, 2);
            c.LineTo(9, 38);
        },
        [](QImageCanvas& c) {
            c.MoveTo(5, 5);
            c.LineTo(35, 35);
        },
        [](QImageCanvas& c) {
            c.MoveTo(38, 30);
            c.LineTo(2, 29);
        },
        [](QImageCanvas& c) { c.Rectangle(4, 6, 33, 31); },
        [](QImageCanvas& c) { c.Rectangle(10, 10, 12, 30); },
        [](QImageCanvas& c) { c.Ellipse(5, 5, 36, 27); },
        [](QImageCanvas& c) { c.Ellipse(15, 15, 25, 25); },
        [](QImageCanvas& c) { c.Ellipse(7, 3, 14, 10); },
    };
    for (const double scale : {0.5, 1.0, 1.5, 2.0, 3.0}) {
        for (const TBrushStyle brush : {TBrushStyle::Clear, TBrushStyle::Solid}) {
            int figure = 0;
            for (const TFigure draw : figures) {
                SCOPED_TRACE("scale " + std::to_string(scale) + " figure " + std::to_string(figure++));
                QImageCanvas xored = Viewed(130, 130, {scale, {0, 0}});
                xored.SetPenMode(TPenMode::Xor);
                xored.SetPenColor(clWhite);
                xored.SetBrushColor(clWhite);
                xored.SetBrushStyle(brush);
                draw(xored);
                QImageCanvas copied = Viewed(130, 130, {scale, {0, 0}});
                copied.SetPenColor(clBlack);
                copied.SetBrushColor(clBlack);
                copied.SetBrushStyle(brush);
                draw(copied);
                EXPECT_EQ(ChangedPixels(xored.Image(), copied.Image()), 0);
            }
        }
    }
}

TEST(ScaledCanvas, DiagonalsAndEllipsesAreAsThickAsThePen)
{
    QImageCanvas c = Viewed(100, 100, {2, {0, 0}});
    c.MoveTo(5, 5);
    c.LineTo(40, 40);
    // Every row of the 45° line holds one run of two or three pixels: the pen's square swept along it.
    for (int y = 12; y < 78; ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < 100; ++x)
            if (c.PixelAt(x, y) == clBlack) {
                if (first < 0) first = x;
                last = x;
                ++count;
            }
        ASSERT_GE(count, 2) << y;
        EXPECT_LE(count, 3) << y;
        EXPECT_EQ(last - first + 1, count) << y;
    }
    EXPECT_EQ(c.PixelAt(10, 10), clBlack);  // the start point's device pixels
    EXPECT_EQ(c.PixelAt(11, 11), clBlack);
    EXPECT_EQ(c.PixelAt(80, 80), clWhite);  // the end point's are left out
    EXPECT_EQ(c.PixelAt(81, 81), clWhite);

    // The open-terminal circle of radius 5 round (20, 20) at 200 %: a ring two pixels thick.
    QImageCanvas ring = Viewed(80, 80, {2, {0, 0}});
    ring.SetPenColor(clRed);
    ring.SetBrushStyle(TBrushStyle::Clear);
    ring.Ellipse(15, 15, 25, 25);
    EXPECT_EQ(ring.PixelAt(30, 40), clRed);
    EXPECT_EQ(ring.PixelAt(31, 40), clRed);
    EXPECT_EQ(ring.PixelAt(32, 40), clWhite);
    EXPECT_EQ(ring.PixelAt(29, 40), clWhite);
    EXPECT_EQ(ring.PixelAt(49, 40), clRed);
    EXPECT_EQ(ring.PixelAt(48, 40), clRed);
    EXPECT_EQ(ring.PixelAt(47, 40), clWhite);
    EXPECT_EQ(ring.PixelAt(50, 40), clWhite);
}

TEST(ScaledCanvas, FloodFillStopsAtScaledOutlines)
{
    for (const TView& view : {TView{0.5, {0, 0}}, {1.5, {0, 0}}, {2, {0, 0}}, {3, {5, 9}}}) {
        SCOPED_TRACE(Name(view));
        QImageCanvas c = Viewed(160, 160, view);
        c.SetBrushStyle(TBrushStyle::Clear);
        c.Rectangle(10, 10, 40, 40);
        c.Ellipse(15, 15, 35, 30);
        c.MoveTo(10, 35);
        c.LineTo(40, 5);  // a diagonal across the box, sealing off its lower right corner
        c.SetBrushStyle(TBrushStyle::Solid);
        c.SetBrushColor(clRed);
        c.FloodFill(12, 12, clBlack);
        const QRect inside = c.DeviceRect({20, 20, 21, 21});
        const QRect between = c.DeviceRect({12, 12, 13, 13});
        const QRect outside = c.DeviceRect({5, 5, 6, 6});
        const QRect corner = c.DeviceRect({36, 36, 37, 37});
        EXPECT_EQ(c.PixelAt(between.left(), between.top()), clRed);
        EXPECT_EQ(c.PixelAt(inside.left(), inside.top()), clWhite);
        EXPECT_EQ(c.PixelAt(outside.left(), outside.top()), clWhite);
        EXPECT_EQ(c.PixelAt(corner.left(), corner.top()), clWhite);
        // Nothing red lies outside the box.
        const QRect box = c.DeviceRect({10, 10, 40, 40});
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 160; ++x)
                if (!box.contains(x, y)) {
                    ASSERT_NE(c.PixelAt(x, y), clRed) << x << "," << y;
                }
    }
}

TEST(ScaledCanvas, TextKeepsItsBoardMetricsAndGetsTheScaledBox)
{
    QImageCanvas plain(200, 100);
    QImageCanvas doubled = Viewed(200, 100, {2, {0, 0}});
    for (QImageCanvas* c : {&plain, &doubled}) {
        c->SetFont(BoardFontFace, 12);
        c->SetBrushColor(clBtnFace);
    }
    const int w = plain.TextWidth("Ab"), h = plain.TextHeight("Ab");
    EXPECT_EQ(doubled.TextWidth("Ab"), w);
    EXPECT_EQ(doubled.TextHeight("Ab"), h);
    plain.TextOut(10, 5, "Ab");
    doubled.TextOut(10, 5, "Ab");
    EXPECT_EQ(doubled.PixelAt(20, 10), clBtnFace);
    EXPECT_EQ(doubled.PixelAt(20 + 2 * w - 1, 10 + 2 * h - 1), clBtnFace);
    EXPECT_EQ(doubled.PixelAt(20 + 2 * w, 10), clWhite);
    EXPECT_EQ(doubled.PixelAt(19, 10), clWhite);
    // The glyphs are drawn at the device's size, not as enlarged pixels of the small ones.
    const auto dark = [](const QImageCanvas& c) {
        int count = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) count += c.PixelAt(x, y).R < 100;
        return count;
    };
    EXPECT_GT(dark(doubled), 3 * dark(plain));
    int partlyDark = 0;
    for (int y = 10; y < 10 + 2 * h; y += 2)
        for (int x = 20; x < 20 + 2 * w; x += 2)
            partlyDark += doubled.PixelAt(x, y) != doubled.PixelAt(x + 1, y) ||
                          doubled.PixelAt(x, y) != doubled.PixelAt(x, y + 1);
    EXPECT_GT(partlyDark, 0);
}

TEST(ScaledCanvas, ClipsMapToDevicePixelsAndTheConfinementOutlastsUnclip)
{
    QImageCanvas c = Viewed(80, 80, {2, {3, 3}});
    c.SetBrushColor(clRed);
    c.ClipTo({10, 10, 20, 20});
    c.FillRect({0, 0, 100, 100});
    const QRect clip(17, 17, 20, 20);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(c.PixelAt(x, y) == clRed, clip.contains(x, y)) << x << "," << y;

    // A box ends the clip of its children with Unclip: the confinement holds all the same.
    QImageCanvas confined = Viewed(80, 80, {2, {3, 3}});
    const QRect strip(0, 60, 80, 20);
    confined.Confine(strip);
    confined.ClipTo({0, 0, 30, 50});
    confined.Unclip();
    confined.SetBrushColor(clLime);
    confined.FillRect({0, 0, 100, 100});
    confined.MoveTo(0, 0);
    confined.LineTo(40, 40);
    confined.SetPixel(5, 5, clRed);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            if (!strip.contains(x, y)) {
                ASSERT_EQ(confined.PixelAt(x, y), clWhite) << x << "," << y;
            }
    EXPECT_EQ(confined.PixelAt(40, 70), clLime);
    confined.Unconfine();
    confined.SetPixel(5, 5, clRed);
    EXPECT_EQ(confined.PixelAt(7, 7), clRed);
}

TEST(ScaledCanvas, CopyRectMapsEachRectangleThroughItsOwnView)
{
    QImageCanvas source = Noisy(40, 40, {2, {0, 0}}, 3);
    // Equal scales: the device pixels one to one, whatever the offsets.
    QImageCanvas target = Viewed(100, 100, {2, {4, 6}});
    target.CopyRect({20, 20, 30, 30}, source, {0, 0, 10, 10});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(target.PixelAt(36 + x, 34 + y), source.PixelAt(x, y)) << x << "," << y;
    EXPECT_EQ(target.PixelAt(35, 34), clWhite);
    EXPECT_EQ(target.PixelAt(56, 34), clWhite);

    // A picture at 100 % copied onto a view at 200 % is stretched: each pixel becomes two by two.
    QImageCanvas small = Noisy(10, 10, {1, {0, 0}}, 5);
    QImageCanvas big = Viewed(40, 40, {2, {0, 0}});
    big.CopyRect({0, 0, 10, 10}, small, {0, 0, 10, 10});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(big.PixelAt(x, y), small.PixelAt(x / 2, y / 2)) << x << "," << y;
}

TEST(ScaledCanvas, ScrollMovesThePictureByWholeDevicePixels)
{
    QImageCanvas c = Noisy(50, 40, {2, {10, 20}}, 11);
    const QImage before = c.Image().copy();
    const std::vector<QRect> stale = c.Scroll(5, -3);
    EXPECT_EQ(c.Offset(), (TPoint{15, 17}));
    EXPECT_EQ(c.Scale(), 2);
    EXPECT_EQ(stale, (std::vector<QRect>{QRect(0, 0, 50, 3), QRect(45, 3, 5, 37)}));
    for (int y = 3; y < 40; ++y)
        for (int x = 0; x < 45; ++x) ASSERT_EQ(c.Image().pixel(x, y), before.pixel(x + 5, y - 3)) << x << "," << y;

    // What is drawn after the scroll lands where a canvas made at the new offset draws it.
    QImageCanvas fresh = Viewed(50, 40, {2, {15, 17}});
    for (QImageCanvas* canvas : {&c, &fresh}) {
        canvas->SetBrushColor(clRed);
        canvas->FillRect({10, 10, 14, 20});
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x) EXPECT_EQ(c.PixelAt(x, y) == clRed, fresh.PixelAt(x, y) == clRed);

    EXPECT_EQ(c.Scroll(0, 0), std::vector<QRect>{});
    EXPECT_EQ(c.Scroll(-60, 0), std::vector<QRect>{QRect(0, 0, 50, 40)});
    EXPECT_EQ(c.Scroll(-7, 4), (std::vector<QRect>{QRect(0, 36, 50, 4), QRect(0, 0, 7, 36)}));
}

TEST(ScaledCanvas, BoardRectForHoldsEveryBoardPixelDrawnThere)
{
    for (const TView& view : {TView{1, {0, 0}}, {2, {7, -3}}, {1.5, {-11, 5}}, {0.5, {3, 2}}, {0.25, {-1, 0}},
                              {1.0 / 3, {4, 4}}, {3, {1, 1}}}) {
        SCOPED_TRACE(Name(view));
        const QImageCanvas c = Viewed(37, 23, view);
        const TRect area = c.BoardArea();
        const QRect image(0, 0, 37, 23);
        // Exactly the board pixels whose device pixels meet the image.
        for (int x = area.Left - 20; x < area.Right + 20; ++x)
            EXPECT_EQ(c.DeviceRect({x, area.Top, x + 1, area.Top + 1}).intersects(QRect(0, 0, 37, 1 << 20)),
                      x >= area.Left && x < area.Right)
                << x;
        for (int y = area.Top - 20; y < area.Bottom + 20; ++y)
            EXPECT_EQ(c.DeviceRect({area.Left, y, area.Left + 1, y + 1}).intersects(QRect(0, 0, 1 << 20, 23)),
                      y >= area.Top && y < area.Bottom)
                << y;
        EXPECT_TRUE(c.DeviceRect(area).contains(image));
        const QRect part(5, 3, 9, 7);
        const TRect board = c.BoardRectFor(part);
        EXPECT_TRUE(c.DeviceRect(board).contains(part));
    }
    EXPECT_EQ(QImageCanvas(37, 23).BoardArea(), (TRect{0, 0, 37, 23}));
}

TEST(ScaledRedraw, GridDotsSitAtMultiplesOfTenBoardUnits)
{
    for (const TView& view : {TView{0.5, {0, 0}}, {1, {0, 0}}, {2, {0, 0}}, {2, {7, 13}}, {1, {-25, -15}},
                              {0.5, {-3, 1}}, {1.5, {5, 0}}}) {
        SCOPED_TRACE(Name(view));
        QImageCanvas surface = Viewed(200, 120, view);
        TCircuit circuit(&surface);
        RedrawBoard(circuit.Bord, surface, surface.BoardArea());
        const TRect area = surface.BoardArea();
        QImage expected(200, 120, QImage::Format_RGB32);
        expected.fill(QColor(clBtnFace.R, clBtnFace.G, clBtnFace.B));
        int dots = 0;
        for (int y = area.Top - 10; y < area.Bottom; ++y)
            for (int x = area.Left - 10; x < area.Right; ++x)
                if (x % 10 == 0 && y % 10 == 0) {
                    const QRect block = surface.DeviceRect({x, y, x + 1, y + 1}) & expected.rect();
                    if (block.isEmpty()) continue;
                    ++dots;
                    for (int py = block.top(); py <= block.bottom(); ++py)
                        for (int px = block.left(); px <= block.right(); ++px)
                            expected.setPixel(px, py, qRgb(clOlive.R, clOlive.G, clOlive.B));
                }
        EXPECT_GT(dots, 20);
        EXPECT_EQ(ChangedPixels(expected, surface.Image()), 0);
    }
}
