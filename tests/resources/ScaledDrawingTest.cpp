#include "CircuitFile.h"
#include "CircuitText.h"
#include "Context.h"
#include "DMU.h"
#include "DisplayImages.h"
#include "Gates.h"
#include "HeadlessWindows.h"
#include "LED7SEG.h"
#include "Matrix8X8.h"
#include "QImageCanvas.h"
#include "Simulation.h"
#include "TestCircuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

const TDM& Sprites()
{
    static const TDM dm;
    return dm;
}

struct TView {
    double Scale;
    TPoint Offset;
};

std::string Name(const TView& v)
{
    return "scale " + std::to_string(v.Scale) + " offset " + std::to_string(v.Offset.x) + "," +
           std::to_string(v.Offset.y);
}

bool Opaque(const QImage& image, int x, int y) { return image.valid(x, y) && qAlpha(image.pixel(x, y)) >= 128; }

QImage Enlarged(const QImage& image, int factor)
{
    return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The largest jump of the AND gate's round front between neighbouring device rows (where the
// outline runs steeper than 45°) and neighbouring columns (where it runs flatter): the front of the
// sprite facing right is the circle of radius 13 round sprite pixel (18, 20).
int LargestStep(const QImage& gate, int scale)
{
    const double cx = 18.5 * scale, cy = 20.5 * scale, r = 13 * scale;
    const int reach = static_cast<int>(r / std::sqrt(2.0));
    int largest = 0;
    const auto rightmost = [&](int y) {
        for (int x = static_cast<int>(cx + r + 2 * scale); x > cx; --x)
            if (Opaque(gate, x, y)) return x;
        return -1;
    };
    const auto topmost = [&](int x) {
        for (int y = static_cast<int>(cy - r - 2 * scale); y < cy; ++y)
            if (Opaque(gate, x, y)) return y;
        return -1;
    };
    // The output pin leaves the front at the middle row.
    const int pinTop = 20 * scale, pinBottom = 21 * scale;
    for (int y = static_cast<int>(cy) - reach; y < cy + reach; ++y) {
        if (y + 1 >= pinTop - 1 && y <= pinBottom) continue;
        largest = std::max(largest, std::abs(rightmost(y + 1) - rightmost(y)));
    }
    for (int x = static_cast<int>(cx); x < cx + reach; ++x) largest = std::max(largest, std::abs(topmost(x + 1) - topmost(x)));
    return largest;
}

// A window factory with the display images of the editor's, at a scale the test sets.
class ScaledWindows : public WindowFactory {
public:
    TDisplayImages Images{&Sprites()};
    std::unique_ptr<TextEditor> CreateTextEditor() override { return std::make_unique<TMemoryTextEditor>(); }
    std::unique_ptr<ScopeSink> CreateScopeSink() override { return std::make_unique<TMemoryScope>(); }
    std::unique_ptr<Canvas> CreateImage(int width, int height) override { return Images.Create(width, height); }
    uint64_t ImageGeneration() const override { return Images.Generation(); }
};

// Every device pixel of the board rectangle on the surface equals the image's pixel at the same
// place relative to its corner.
void ExpectShows(const QImageCanvas& surface, const TRect& board, const QImageCanvas& image)
{
    const QRect at = surface.DeviceRect(board);
    const QRect shown = at & surface.Image().rect();
    ASSERT_FALSE(shown.isEmpty());
    int differing = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (shown.contains(at.left() + x, at.top() + y))
                differing += surface.PixelAt(at.left() + x, at.top() + y) != image.PixelAt(x, y);
    EXPECT_EQ(differing, 0);
}

// Circuits that hold every kind of drawing: gates, switches, lamps, a display, labels, wires and
// dots, boxes with terminals on their edges.
void Load(TestCircuit& t, const std::string& file)
{
    TPartsList loaded;
    LoadParts(ReadCircuitFile(file), loaded, t.Bord, nullptr, nullptr);
    t.Bord.CheckAllLinks();
}

QImageCanvas Noisy(int width, int height, const TView& view)
{
    QImageCanvas canvas(width, height, &Sprites());
    std::mt19937 random(17);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, {static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                                   static_cast<uint8_t>(random())});
    canvas.SetView(view.Scale, view.Offset);
    return canvas;
}

void Redraw(TBord& board, QImageCanvas& surface, const QRect& device)
{
    surface.Confine(device);
    RedrawBoard(board, surface, surface.BoardRectFor(device));
    surface.Unconfine();
}

const std::vector<std::string> Boards{std::string(VOLTRANE_TEST_DATA) + "/../../docs/examples/adder4.lgc",
                                      std::string(VOLTRANE_TEST_DATA) + "/box_with_terminals.lgc",
                                      std::string(VOLTRANE_TEST_DATA) + "/sim_indicators.lgc"};

const std::vector<TView> Views{{1, {0, 0}}, {2, {37, 41}}, {0.5, {-13, 3}}, {1.5, {5, 60}}, {3, {300, 200}}};

}  // namespace

TEST(ScaledSprites, ScaleOneIsTheBoardSizedListAndOtherScalesAreDrawnOnFirstUse)
{
    const TDM& dm = Sprites();
    for (const TSpriteListName& entry : SpriteListNames) {
        const TImageList& list = dm.List(entry.List);
        for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(dm.Sprite(entry.List, i, 1.0), &list.Images[static_cast<size_t>(i)]);
    }
    const QImage* gate = dm.Sprite(TSpriteList::Gate2In, 5, 2.0);
    ASSERT_NE(gate, nullptr);
    EXPECT_EQ(gate->size(), QSize(82, 82));
    EXPECT_EQ(dm.Sprite(TSpriteList::Gate2In, 5, 2.0), gate);  // kept, not drawn again
    EXPECT_EQ(dm.List(TSpriteList::FF, 1.5).Images.front().size(), QSize(92, 122));  // round(61.5) × round(121.5)
    EXPECT_EQ(dm.List(TSpriteList::FF, 1.5).Width, 92);
    EXPECT_EQ(dm.Sprite(TSpriteList::Dot, 0, 0.5)->size(), QSize(10, 10));
    // Scales come and go as a view zooms; the lists of the last few stay, any scale is served.
    for (const double scale : {1.25, 1.75, 2.5, 3.0, 4.0, 2.0, 0.25})
        EXPECT_EQ(dm.Sprite(TSpriteList::Not, 7, scale)->width(), static_cast<int>(std::lround(41 * scale))) << scale;
    EXPECT_EQ(dm.Sprite(TSpriteList::Dot, 1, 2.0), nullptr);
    EXPECT_EQ(dm.Sprite(static_cast<TSpriteList>(SpriteListCount), 0, 2.0), nullptr);
    EXPECT_EQ(dm.Sprite(TSpriteList::Dot, 0, 0.0), nullptr);
    EXPECT_EQ(dm.Sprite(TSpriteList::Dot, 0, std::nan("")), nullptr);
    EXPECT_EQ(dm.Sprite(TSpriteList::Dot, 0, 1e9), nullptr);
}

TEST(ScaledSprites, AGateOutlineAt200PercentHasNoStairStepWiderThanOneDevicePixel)
{
    constexpr int And = 4 * 4;  // kind 4 facing right
    const QImage sharp = *Sprites().Sprite(TSpriteList::Gate2In, And, 2.0);
    EXPECT_LE(LargestStep(sharp, 2), 1);
    // The measure sees the steps of the picture at 100 % merely enlarged.
    EXPECT_GE(LargestStep(Enlarged(*Sprites().Sprite(TSpriteList::Gate2In, And), 2), 2), 2);
    EXPECT_LE(LargestStep(*Sprites().Sprite(TSpriteList::Gate2In, And, 3.0), 3), 1);
}

TEST(ScaledSprites, PinsAndBubblesAreDrawnInWholeDevicePixels)
{
    for (const double scale : {1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        // The NAND facing right: its output bubble in the box [32, 39) × [17, 24), then its pin to x = 40.
        const QImage nand = *Sprites().Sprite(TSpriteList::Gate2In, 0, scale);
        const auto device = [scale](int v) { return static_cast<int>(std::floor(v * scale)); };
        int fullyInked = 0;
        for (int y = device(15); y < device(26); ++y)
            for (int x = device(34); x < nand.width(); ++x) {
                const int alpha = qAlpha(nand.pixel(x, y));
                ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
                fullyInked += alpha == 255;
            }
        EXPECT_GT(fullyInked, 0);
        for (int x = device(39); x < device(41); ++x) {
            for (int y = device(20); y < device(21); ++y) EXPECT_EQ(qGray(nand.pixel(x, y)), 0) << x << "," << y;
            EXPECT_EQ(qAlpha(nand.pixel(x, device(20) - 1)), 0);
            EXPECT_EQ(qAlpha(nand.pixel(x, device(21))), 0);
        }
    }
}

TEST(ScaledSprites, SegmentsAndDotsStayRegionsOfTheirOwnAtEveryScale)
{
    for (const double scale : {1.0, 1.25, 1.5, 2.0, 3.0, 4.0}) {
        SCOPED_TRACE(scale);
        TDisplayImages images(&Sprites());
        images.SetScale(scale);
        const auto fillEach = [](Canvas& image, const std::vector<TPoint>& seeds) {
            image.SetBrushStyle(TBrushStyle::Solid);
            for (size_t i = 0; i < seeds.size(); ++i) {
                image.SetBrushColor({static_cast<uint8_t>(100 + i), 255, static_cast<uint8_t>(3 * i)});
                image.FloodFill(seeds[i].x, seeds[i].y, clBlack);
            }
            // A fill that leaked into another region took that region's seed with it.
            auto& raster = dynamic_cast<QImageCanvas&>(image);
            for (size_t i = 0; i < seeds.size(); ++i) {
                const QRect at = raster.DeviceRect({seeds[i].x, seeds[i].y, seeds[i].x + 1, seeds[i].y + 1});
                EXPECT_EQ(raster.PixelAt(at.left(), at.top()),
                          (TColor{static_cast<uint8_t>(100 + i), 255, static_cast<uint8_t>(3 * i)}))
                    << i;
            }
            int dark = 0;
            for (int y = 0; y < raster.Height(); ++y)
                for (int x = 0; x < raster.Width(); ++x) dark += raster.PixelAt(x, y) == TColor{64, 0, 0};
            EXPECT_EQ(dark, 0);  // and every dark pixel belongs to some region
        };
        const std::unique_ptr<Canvas> digit = images.Create(40, 50);
        digit->DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
        fillEach(*digit, std::vector<TPoint>(TLED7SEG::SegmentPoints.begin(), TLED7SEG::SegmentPoints.end()));
        const std::unique_ptr<Canvas> matrix = images.Create(91, 91);
        matrix->DrawSprite(TSpriteList::Matrix8X8, 0, 0, 0);
        std::vector<TPoint> dots;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) dots.push_back(TMatrix8X8::DotPoint(r, c));
        fillEach(*matrix, dots);
    }
}

TEST(ScaledDisplays, AfterAScaleChangeAPartShowsItsDisplayDrawnAtTheNewScale)
{
    ScaledWindows windows;
    QImageCanvas surface(300, 300, &Sprites());
    TCircuit circuit(&surface);
    circuit.Context.Windows = &windows;
    auto* digit = circuit.Bord.Create<TLED7SEG>(nullptr);
    digit->MoveTo(10, 10, false);
    auto* matrix = circuit.Bord.Create<TMatrix8X8>(nullptr);
    matrix->MoveTo(60, 10, false);
    circuit.Context.Simulating = true;
    // The middle segment lit: a low input. Linked inputs show no open-terminal mark over the display.
    for (const int lit : {-1, 3}) {
        for (int i = 0; i < 8; ++i) {
            digit->Tanshis.Items(i)->Linked = true;
            digit->Tanshis.Items(i)->Level = i == lit ? LevelLow : LevelHigh;
        }
        digit->Calc();
    }
    ASSERT_EQ(digit->LitSegments, 1 << 3);
    // Row 2 and column 5 low: that dot lit once its countdown ends.
    for (int i = 0; i < 16; ++i) {
        matrix->Tanshis.Items(i)->Linked = true;
        matrix->Tanshis.Items(i)->Level = i == 2 || i == 8 + 5 ? LevelLow : LevelHigh;
    }
    for (int pass = 0; pass < 1000 && matrix->LitDots == 0; ++pass) {
        matrix->Calc();
        matrix->Tick();
    }
    ASSERT_EQ(matrix->LitDots, uint64_t{1} << (8 * 2 + 5));

    // The displays as they should look at a scale: the sprite with the lit regions filled.
    const auto expected = [](double scale) {
        TDisplayImages fresh(&Sprites());
        fresh.SetScale(scale);
        std::unique_ptr<Canvas> d = fresh.Create(40, 50), m = fresh.Create(91, 91);
        d->DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
        d->SetBrushColor(clRed);
        d->FloodFill(TLED7SEG::SegmentPoints[3].x, TLED7SEG::SegmentPoints[3].y, clBlack);
        m->DrawSprite(TSpriteList::Matrix8X8, 0, 0, 0);
        m->SetBrushStyle(TBrushStyle::Solid);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                m->SetBrushColor(r == 2 && c == 5 ? clRed : TColor{64, 0, 0});
                m->FloodFill(TMatrix8X8::DotPoint(r, c).x, TMatrix8X8::DotPoint(r, c).y, clBlack);
            }
        return std::pair{std::move(d), std::move(m)};
    };
    for (const double scale : {1.0, 2.0, 3.0, 2.0}) {
        SCOPED_TRACE(scale);
        windows.Images.SetScale(scale);
        surface.SetView(scale, {0, 0});
        RedrawBoard(circuit.Bord, surface, surface.BoardArea());
        const auto [d, m] = expected(scale);
        {
            SCOPED_TRACE("seven segments");
            ExpectShows(surface, {10, 10, 50, 60}, dynamic_cast<const QImageCanvas&>(*d));
        }
        SCOPED_TRACE("matrix");
        ExpectShows(surface, {60, 10, 150, 100}, dynamic_cast<const QImageCanvas&>(*m));
    }
    // A display lit while the view is at another scale still shows what it lit.
    windows.Images.SetScale(1.5);
    surface.SetView(1.5, {0, 0});
    for (int i = 0; i < 8; ++i) digit->Tanshis.Items(i)->Level = LevelHigh;
    digit->Calc();
    EXPECT_EQ(digit->LitSegments, 0);
    RedrawBoard(circuit.Bord, surface, surface.BoardArea());
    const QRect middle = surface.DeviceRect({26, 34, 27, 35});
    EXPECT_EQ(surface.PixelAt(middle.left(), middle.top()), (TColor{64, 0, 0}));
}

TEST(ScaledRedraw, RedrawingAnAreaGivesWhatAFullRedrawGivesThere)
{
    for (const std::string& file : Boards) {
        TestCircuit t;
        Load(t, file);
        for (const TView& view : Views) {
            SCOPED_TRACE(file + " " + Name(view));
            QImageCanvas full(260, 240, &Sprites());
            full.SetView(view.Scale, view.Offset);
            t.Bord.SetCanvas(&full);
            RedrawBoard(t.Bord, full, full.BoardArea());
            QImageCanvas part = Noisy(260, 240, view);
            const QImage noise = part.Image().copy();
            t.Bord.SetCanvas(&part);
            // Narrow strips everywhere, so that some of them pass right beside every object.
            std::vector<QRect> areas{QRect(101, 57, 33, 71), QRect(0, 0, 1, 1)};
            for (int x = 0; x < 260; x += 9) areas.emplace_back(x, 0, 3, 240);
            for (int y = 0; y < 240; y += 13) areas.emplace_back(0, y, 260, 2);
            for (const QRect& area : areas) Redraw(t.Bord, part, area);
            int wrong = 0, touched = 0;
            for (int y = 0; y < 240; ++y)
                for (int x = 0; x < 260; ++x) {
                    const bool inside = std::any_of(areas.begin(), areas.end(), [&](const QRect& r) { return r.contains(x, y); });
                    if (inside) wrong += part.Image().pixel(x, y) != full.Image().pixel(x, y);
                    else touched += part.Image().pixel(x, y) != noise.pixel(x, y);
                }
            EXPECT_EQ(wrong, 0);
            EXPECT_EQ(touched, 0);
            t.Bord.SetCanvas(&t.Surface);
        }
    }
}

TEST(ScaledRedraw, ScrollingAndRedrawingTheStaleStripsGivesTheFullRedraw)
{
    for (const std::string& file : Boards) {
        TestCircuit t;
        Load(t, file);
        for (const TView& view : Views) {
            SCOPED_TRACE(file + " " + Name(view));
            QImageCanvas scrolled(250, 230, &Sprites());
            scrolled.SetView(view.Scale, view.Offset);
            t.Bord.SetCanvas(&scrolled);
            RedrawBoard(t.Bord, scrolled, scrolled.BoardArea());
            for (const auto& [dx, dy] : {std::pair{7, 0}, {0, -13}, {-21, 5}, {3, 250}, {40, 40}}) {
                for (const QRect& stale : scrolled.Scroll(dx, dy)) Redraw(t.Bord, scrolled, stale);
                QImageCanvas fresh(250, 230, &Sprites());
                fresh.SetView(scrolled.Scale(), scrolled.Offset());
                t.Bord.SetCanvas(&fresh);
                RedrawBoard(t.Bord, fresh, fresh.BoardArea());
                t.Bord.SetCanvas(&scrolled);
                int wrong = 0;
                for (int y = 0; y < 230; ++y)
                    for (int x = 0; x < 250; ++x) wrong += scrolled.Image().pixel(x, y) != fresh.Image().pixel(x, y);
                EXPECT_EQ(wrong, 0) << dx << "," << dy;
            }
            t.Bord.SetCanvas(&t.Surface);
        }
    }
}

// The board knows where objects lie by 64-unit cells; an open-terminal mark reaches five units past
// its terminal, into the next cell, where the object itself is not listed.
TEST(ScaledRedraw, MarksReachingIntoTheAreaFromBesideItAreDrawn)
{
    for (const TView& view : {TView{1, {0, 0}}, {2, {0, 0}}, {0.5, {0, 0}}}) {
        SCOPED_TRACE(Name(view));
        TestCircuit t;
        t.Place<TNot>(20, 0);  // the output terminal at (60, 20), its mark up to x = 64
        QImageCanvas full(200, 100, &Sprites());
        full.SetView(view.Scale, view.Offset);
        t.Bord.SetCanvas(&full);
        RedrawBoard(t.Bord, full, full.BoardArea());
        QImageCanvas part = Noisy(200, 100, view);
        t.Bord.SetCanvas(&part);
        const QRect strip = part.DeviceRect({64, 0, 70, 40});
        Redraw(t.Bord, part, strip);
        int wrong = 0, red = 0;
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x) {
                wrong += part.Image().pixel(x, y) != full.Image().pixel(x, y);
                red += part.PixelAt(x, y) == clRed;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(red, 0);
        t.Bord.SetCanvas(&t.Surface);
    }
}
