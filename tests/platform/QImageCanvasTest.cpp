#include "Fonts.h"
#include "QImageCanvas.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

// A canvas covered with noise, so that any stray or missing pixel changes the picture.
QImageCanvas NoisyCanvas(int width, int height)
{
    QImageCanvas canvas(width, height);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, {static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                                   static_cast<uint8_t>(random())});
    return canvas;
}

// Pixels whose colour differs between the two pictures.
int ChangedPixels(const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) changed += before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

void DrawFigures(QImageCanvas& c)
{
    for (int i = 0; i < 12; ++i) {
        c.MoveTo(3 + i, 5);
        c.LineTo(70 - 3 * i, 60 + i);  // every slope from shallow to steep
        c.MoveTo(40, 2 + i * 5);
        c.LineTo(40, 70 - i * 5);
        c.Rectangle(i, 2 * i, 20 + 3 * i, 10 + i);
        c.Ellipse(5 + i, 7, 6 + 2 * i, 8 + 3 * i);  // sizes 1 × 1 up to 12 × 34, odd and even
    }
    c.Ellipse(25, 25, 35, 35);
    c.Rectangle(50, 50, 50, 60);  // empty
}

class SolidSprite : public SpriteSource {
public:
    QImage Image{3, 2, QImage::Format_ARGB32};
    SolidSprite() { Image.fill(Qt::blue); }
    const QImage* Sprite(TSpriteList list, int index, double) const override
    {
        return list == TSpriteList::Dot && index == 0 ? &Image : nullptr;
    }
};

}  // namespace

TEST(QImageCanvas, XorFiguresDrawnTwiceLeaveNoTrace)
{
    for (const TBrushStyle brush : {TBrushStyle::Clear, TBrushStyle::Solid}) {
        QImageCanvas c = NoisyCanvas(80, 80);
        const QImage before = c.Image().copy();
        c.SetPenMode(TPenMode::Xor);
        c.SetPenColor(clWhite);
        c.SetBrushStyle(brush);
        c.SetBrushColor({12, 200, 77});
        DrawFigures(c);
        EXPECT_GT(ChangedPixels(before, c.Image()), 500);
        DrawFigures(c);
        EXPECT_EQ(ChangedPixels(before, c.Image()), 0);
    }
}

TEST(QImageCanvas, LinesLeaveOutTheirEndPoint)
{
    QImageCanvas c(20, 20);
    c.MoveTo(2, 5);
    c.LineTo(10, 5);
    EXPECT_EQ(c.PixelAt(2, 5), clBlack);
    EXPECT_EQ(c.PixelAt(9, 5), clBlack);
    EXPECT_EQ(c.PixelAt(10, 5), clWhite);
    c.LineTo(10, 1);  // upwards from the last point
    EXPECT_EQ(c.PixelAt(10, 5), clBlack);
    EXPECT_EQ(c.PixelAt(10, 2), clBlack);
    EXPECT_EQ(c.PixelAt(10, 1), clWhite);
}

TEST(QImageCanvas, RectangleOutlinesItsBoxWithoutRightAndBottomBounds)
{
    QImageCanvas c(20, 20);
    c.SetBrushColor(clRed);
    c.Rectangle(2, 3, 8, 9);
    EXPECT_EQ(c.PixelAt(2, 3), clBlack);
    EXPECT_EQ(c.PixelAt(7, 8), clBlack);
    EXPECT_EQ(c.PixelAt(8, 8), clWhite);
    EXPECT_EQ(c.PixelAt(7, 9), clWhite);
    EXPECT_EQ(c.PixelAt(5, 5), clRed);
}

TEST(QImageCanvas, OpenTerminalCircleHasRadiusFiveAndStaysClosed)
{
    QImageCanvas c(40, 40);
    c.SetPenColor(clRed);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Ellipse(20 - 5, 20 - 5, 20 + 5, 20 + 5);
    for (const auto& [x, y] : {std::pair{15, 20}, {24, 20}, {20, 15}, {20, 24}}) EXPECT_EQ(c.PixelAt(x, y), clRed);
    for (const auto& [x, y] : {std::pair{14, 20}, {25, 20}, {20, 14}, {20, 25}, {20, 20}, {15, 15}})
        EXPECT_EQ(c.PixelAt(x, y), clWhite);
    const QImage before = c.Image().copy();
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(clLime);
    c.FloodFill(20, 20, clRed);
    EXPECT_EQ(c.PixelAt(20, 20), clLime);
    EXPECT_EQ(c.PixelAt(5, 5), clWhite);  // the fill did not leak out of the ring
    EXPECT_LT(ChangedPixels(before, c.Image()), 100);
}

TEST(QImageCanvas, FloodFillStopsAtTheBorderColour)
{
    QImageCanvas c(50, 50);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(10, 10, 40, 40);
    c.Ellipse(15, 15, 35, 30);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(clRed);
    c.FloodFill(12, 12, clBlack);  // between the box and the ellipse
    EXPECT_EQ(c.PixelAt(12, 12), clRed);
    EXPECT_EQ(c.PixelAt(38, 38), clRed);
    EXPECT_EQ(c.PixelAt(25, 22), clWhite);  // inside the ellipse
    EXPECT_EQ(c.PixelAt(5, 5), clWhite);    // outside the box
    EXPECT_EQ(c.PixelAt(10, 10), clBlack);

    const QImage before = c.Image().copy();
    c.FloodFill(10, 10, clBlack);  // a seed on the border fills nothing
    c.SetBrushStyle(TBrushStyle::Clear);
    c.FloodFill(25, 22, clBlack);  // nor does a clear brush
    EXPECT_EQ(ChangedPixels(before, c.Image()), 0);
}

TEST(QImageCanvas, FloodFillRefillsARegionOfItsOwnColour)
{
    QImageCanvas c(30, 30);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(5, 5, 25, 25);
    c.SetBrushStyle(TBrushStyle::Solid);
    for (const TColor colour : {clRed, TColor{64, 0, 0}, clRed}) {
        c.SetBrushColor(colour);
        c.FloodFill(15, 15, clBlack);
        EXPECT_EQ(c.PixelAt(6, 6), colour);
        EXPECT_EQ(c.PixelAt(23, 23), colour);
        EXPECT_EQ(c.PixelAt(2, 2), clWhite);
    }
}

TEST(QImageCanvas, ClipKeepsEveryKindOfDrawingInsideTheBox)
{
    SolidSprite sprites;
    QImageCanvas c(60, 60, &sprites);
    c.ClipTo({20, 20, 40, 40});
    c.SetBrushColor(clLime);
    c.FillRect({0, 0, 60, 60});
    c.MoveTo(0, 30);
    c.LineTo(60, 30);
    c.Ellipse(10, 10, 50, 50);
    c.SetPixel(10, 10, clRed);
    c.TextOut(30, 15, "HH");
    c.SetBrushColor(clRed);
    c.FloodFill(25, 25, clBlack);
    c.DrawSprite(TSpriteList::Dot, 0, 38, 38);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (x < 20 || x >= 40 || y < 20 || y >= 40) {
                ASSERT_EQ(c.PixelAt(x, y), clWhite) << x << "," << y;
            }
    EXPECT_EQ(c.PixelAt(39, 39), clBlue);
    EXPECT_EQ(c.PixelAt(25, 25), clRed);

    c.Unclip();
    c.SetPixel(10, 10, clRed);
    EXPECT_EQ(c.PixelAt(10, 10), clRed);
}

TEST(QImageCanvas, SpritesOutsideTheirListDrawNothing)
{
    SolidSprite sprites;
    QImageCanvas c(10, 10, &sprites);
    c.DrawSprite(TSpriteList::Dot, 1, 0, 0);
    c.DrawSprite(TSpriteList::Dot, -1, 0, 0);
    c.DrawSprite(TSpriteList::Gate2In, 0, 0, 0);
    EXPECT_EQ(c.PixelAt(0, 0), clWhite);
    c.DrawSprite(TSpriteList::Dot, 0, 2, 3);
    EXPECT_EQ(c.PixelAt(2, 3), clBlue);
    EXPECT_EQ(c.PixelAt(4, 4), clBlue);
    EXPECT_EQ(c.PixelAt(5, 4), clWhite);

    QImageCanvas blind(10, 10);
    blind.DrawSprite(TSpriteList::Dot, 0, 0, 0);
    EXPECT_EQ(blind.PixelAt(0, 0), clWhite);
}

TEST(QImageCanvas, BoardFontIsFixedPitchWithHalfWidthGlyphsHalfAsWide)
{
    EXPECT_EQ(QFontInfo(PointSizedFont(BoardFontFace, 12)).family(), "IPAGothic");
    QImageCanvas c(10, 10);
    for (const int size : {8, 9, 10, 12, 14, 20}) {
        c.SetFont(BoardFontFace, size);
        const int half = c.TextWidth("H");
        EXPECT_GT(half, 0);
        EXPECT_EQ(c.TextWidth("漢"), 2 * half) << size;
        EXPECT_EQ(c.TextWidth("Hi 漢字"), 7 * half) << size;
    }
    c.SetFont(BoardFontFace, 12);
    EXPECT_EQ(c.TextWidth("H"), 8);
}

TEST(QImageCanvas, TextOutPaintsItsBackgroundWithTheSolidBrush)
{
    QImageCanvas c(80, 40);
    c.SetFont(BoardFontFace, 12);
    c.SetBrushColor(clBtnFace);
    c.TextOut(10, 5, "Ab");
    const int w = c.TextWidth("Ab"), h = c.TextHeight("Ab");
    EXPECT_EQ(c.PixelAt(10, 5), clBtnFace);
    EXPECT_EQ(c.PixelAt(10 + w - 1, 5 + h - 1), clBtnFace);
    EXPECT_EQ(c.PixelAt(10 + w, 5), clWhite);
    int dark = 0;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 10; x < 10 + w; ++x) dark += c.PixelAt(x, y).R < 100;
    EXPECT_GT(dark, 10);
}

TEST(QImageCanvas, CopyRectTakesPixelsFromAnotherImageCanvas)
{
    QImageCanvas source(20, 20);
    source.SetBrushColor(clRed);
    source.FillRect({5, 5, 10, 10});
    QImageCanvas target(30, 30);
    target.CopyRect({0, 0, 10, 10}, source, {0, 0, 10, 10});
    EXPECT_EQ(target.PixelAt(5, 5), clRed);
    EXPECT_EQ(target.PixelAt(9, 9), clRed);
    EXPECT_EQ(target.PixelAt(10, 10), clWhite);

    target.CopyRect({0, 0, 10, 10}, target, {5, 5, 15, 15});  // within one image
    EXPECT_EQ(target.PixelAt(0, 0), clRed);
    EXPECT_EQ(target.PixelAt(4, 4), clRed);
    EXPECT_EQ(target.PixelAt(5, 5), clWhite);

    NullCanvas other(20, 20);
    target.CopyRect({20, 20, 30, 30}, other, {0, 0, 10, 10});
    EXPECT_EQ(target.PixelAt(25, 25), clWhite);
}

TEST(QImageCanvas, AbsurdCoordinatesAndSizesAreHarmless)
{
    QImageCanvas c(30, 30);
    c.MoveTo(INT_MIN, INT_MIN);
    c.LineTo(INT_MAX, INT_MAX);  // passes through the picture
    EXPECT_EQ(c.PixelAt(15, 15), clBlack);
    c.MoveTo(INT_MIN, 3);
    c.LineTo(INT_MAX, 3);
    c.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    c.FillRect({INT_MAX, INT_MAX, INT_MIN, INT_MIN});
    c.ClipTo({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    c.FloodFill(INT_MAX, 0, clBlack);
    c.CopyRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, c, {0, 0, 30, 30});
    c.SetFont(BoardFontFace, INT_MAX);
    EXPECT_GT(c.TextHeight("H"), 0);
    c.SetFont(BoardFontFace, INT_MIN);
    EXPECT_GT(c.TextHeight("H"), 0);

    QImageCanvas empty(-5, INT_MAX);
    EXPECT_EQ(empty.Width(), 0);
    empty.Ellipse(0, 0, 10, 10);
    empty.FloodFill(0, 0, clBlack);
    empty.TextOut(0, 0, "x");
}
