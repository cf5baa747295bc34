#include "ClassRegistry.h"
#include "Context.h"
#include "DMU.h"
#include "PartVariants.h"
#include "QImageCanvas.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <vector>

namespace {

// One data module for the whole program: drawing it takes a moment.
const TDM& Sprites()
{
    static const TDM dm;
    return dm;
}

struct TListSize {
    TSpriteList List;
    int Count, Width, Height;
};

// The sprite a part draws, found through the calls it makes on the board surface.
struct TDrawnSprite {
    bool Found = false;
    TSpriteList List{};
    int Index = 0;
};

TDrawnSprite SpriteDrawnBy(TPartsBase& part, RecordingCanvas& surface)
{
    surface.Calls.clear();
    part.Draw();
    for (const std::string& call : surface.Calls) {
        int list = 0, index = 0, x = 0, y = 0;
        if (std::sscanf(call.c_str(), "Sprite %d %d %d %d", &list, &index, &x, &y) == 4)
            return {true, static_cast<TSpriteList>(list), index};
    }
    return {};
}

constexpr TColor DarkRed{64, 0, 0};

bool Inked(const QImage& image, int x, int y)
{
    return image.valid(x, y) && qAlpha(image.pixel(x, y)) >= 128;
}

}  // namespace

TEST(Sprites, EveryListHasItsCountAndSize)
{
    const std::array<TListSize, SpriteListCount> expected{{
        {TSpriteList::Gate2In, 32, 41, 41},  {TSpriteList::Gate3In, 32, 41, 41}, {TSpriteList::Gate4In, 32, 41, 41},
        {TSpriteList::Gate5In, 32, 41, 41},  {TSpriteList::Not, 8, 41, 41},      {TSpriteList::FF, 6, 61, 81},
        {TSpriteList::PushSW, 2, 21, 21},    {TSpriteList::TglSW, 3, 21, 21},    {TSpriteList::I4141, 8, 41, 41},
        {TSpriteList::OneShot, 2, 41, 41},   {TSpriteList::LED, 6, 20, 20},      {TSpriteList::LED7SEG, 1, 41, 51},
        {TSpriteList::Matrix8X8, 1, 91, 91}, {TSpriteList::MSI1, 16, 61, 121},   {TSpriteList::Scope, 1, 41, 51},
        {TSpriteList::Dot, 1, 20, 20},       {TSpriteList::Terminal, 8, 21, 21},
    }};
    for (const TListSize& e : expected) {
        const TImageList& list = Sprites().List(e.List);
        SCOPED_TRACE(static_cast<int>(e.List));
        EXPECT_EQ(list.Count(), e.Count);
        EXPECT_EQ(list.Count(), SpriteImageCount(e.List));
        EXPECT_EQ(list.Width, e.Width);
        EXPECT_EQ(list.Height, e.Height);
        for (const QImage& image : list.Images) EXPECT_EQ(image.size(), QSize(e.Width, e.Height));
    }
    EXPECT_EQ(Sprites().ImageList1.Count(), 46);  // the 42 classic actions and four run controls
    for (const QImage& icon : Sprites().ImageList1.Images) EXPECT_EQ(icon.size(), QSize(16, 16));
}

TEST(Sprites, EveryImageShowsSomethingAndNoTwoAreAlike)
{
    const auto check = [](const TImageList& list, int from, int to, const char* name) {
        for (int i = from; i < to; ++i) {
            const QImage& image = list.Images[static_cast<size_t>(i)];
            int inked = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) inked += Inked(image, x, y);
            EXPECT_GT(inked, image.width() * image.height() / 20) << name << " " << i;
            for (int j = from; j < i; ++j)
                EXPECT_NE(image, list.Images[static_cast<size_t>(j)]) << name << " " << j << " " << i;
        }
    };
    check(Sprites().ImageList1, 0, 46, "ImageList1");
    for (const TSpriteListName& entry : SpriteListNames) {
        const TImageList& list = Sprites().List(entry.List);
        // The grey full adders repeat one picture, and the decoder list has room to spare.
        const int count = entry.List == TSpriteList::I4141 ? 6 : entry.List == TSpriteList::MSI1 ? 6 : list.Count();
        check(list, 0, count, entry.Name);
    }
}

TEST(Sprites, IndexesOutsideAListGiveNoImage)
{
    EXPECT_EQ(Sprites().Sprite(TSpriteList::Dot, 1), nullptr);
    EXPECT_EQ(Sprites().Sprite(TSpriteList::Gate2In, -1), nullptr);
    EXPECT_EQ(Sprites().Sprite(static_cast<TSpriteList>(SpriteListCount), 0), nullptr);
    EXPECT_NE(Sprites().Sprite(TSpriteList::Gate5In, 31), nullptr);
}

TEST(Sprites, EveryTerminalOfEveryVariantLiesOnItsPin)
{
    RecordingCanvas surface;
    TCircuit circuit(&surface);
    int checked = 0;
    for (const TVariants& v : PartVariants()) {
        // Classes the registry does not know yet are passed over.
        const TPartClass* partClass = FindPartClass(v.ClassName);
        if (!partClass) continue;
        std::vector<int> partNos = v.PartNos;
        if (partNos.empty())
            for (int i = 0; i < 32; ++i) partNos.push_back(i);
        for (const int partNo : partNos)
            for (int way = 0; way < v.Ways; ++way) {
                TPartsBase* part = partClass->Create(circuit.Bord, nullptr);
                part->PartNo = partNo;
                part->SetTanshi();
                part->SetWay(way);
                const TDrawnSprite drawn = SpriteDrawnBy(*part, surface);
                SCOPED_TRACE(std::string(v.ClassName) + " PartNo " + std::to_string(partNo) + " Way " +
                             std::to_string(way));
                ASSERT_TRUE(drawn.Found);
                const QImage* image = Sprites().Sprite(drawn.List, drawn.Index);
                ASSERT_NE(image, nullptr);
                for (int i = 0; i < part->Tanshis.Count(); ++i) {
                    const TPoint p = part->GetTanshiPos(i);
                    // A lamp's terminal may lie just beside its 20 × 20 image.
                    if (p.x == image->width() || p.y == image->height()) continue;
                    EXPECT_TRUE(Inked(*image, p.x, p.y)) << "terminal " << i << " at " << p.x << "," << p.y;
                    ++checked;
                }
            }
    }
    EXPECT_GT(checked, 32 * 4 * 3);
}

TEST(Sprites, EachSegmentOfTheDisplayFillsAsARegionOfItsOwn)
{
    constexpr std::array<TPoint, 8> seeds{
        {{16, 5}, {6, 15}, {29, 15}, {16, 24}, {6, 36}, {29, 36}, {16, 44}, {34, 45}}};
    QImageCanvas display(40, 50, &Sprites());
    display.DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
    const QImage dark = display.Image().copy();
    for (const TPoint seed : seeds) EXPECT_EQ(display.PixelAt(seed.x, seed.y), DarkRed);
    for (size_t i = 0; i < seeds.size(); ++i) {
        QImageCanvas lit(40, 50, &Sprites());
        lit.DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
        lit.SetBrushColor(clRed);
        lit.FloodFill(seeds[i].x, seeds[i].y, clBlack);
        int filled = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 40; ++x)
                if (lit.Image().pixel(x, y) != dark.pixel(x, y)) {
                    ++filled;
                    ASSERT_EQ(dark.pixel(x, y), qRgb(64, 0, 0)) << "segment " << i << " leaked at " << x << "," << y;
                }
        EXPECT_GT(filled, 8) << i;
        for (size_t j = 0; j < seeds.size(); ++j)
            EXPECT_EQ(lit.PixelAt(seeds[j].x, seeds[j].y), i == j ? clRed : DarkRed) << i << " " << j;
    }
}

TEST(Sprites, EachDotOfTheMatrixFillsAsARegionOfItsOwn)
{
    QImageCanvas matrix(91, 91, &Sprites());
    matrix.DrawSprite(TSpriteList::Matrix8X8, 0, 0, 0);
    const QImage dark = matrix.Image().copy();
    matrix.SetBrushColor(clRed);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
            const int x = 10 * column + 10, y = 10 * row + 10;
            ASSERT_EQ(matrix.PixelAt(x, y), DarkRed);
            const QImage before = matrix.Image().copy();
            matrix.FloodFill(x, y, clBlack);
            int filled = 0;
            for (int py = 0; py < 91; ++py)
                for (int px = 0; px < 91; ++px)
                    if (matrix.Image().pixel(px, py) != before.pixel(px, py)) {
                        ++filled;
                        ASSERT_LE(std::abs(px - x) + std::abs(py - y), 6) << "dot " << row << "," << column;
                    }
            EXPECT_GT(filled, 20);
        }
}

// Off, on and pressed read as one slide switch: the white knob left when off, right when on, half
// way while pressed; only the switched-on track is green.
TEST(Sprites, TheToggleSwitchShowsItsKnobLeftWhenOffAndRightWhenOn)
{
    const auto knobX = [](const QImage& image) {
        int sum = 0, count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) > 240 && qGreen(image.pixel(x, y)) > 240 && qBlue(image.pixel(x, y)) > 240 &&
                    x > 1 && x < 19 && y > 1 && y < 19) {
                    sum += x;
                    ++count;
                }
        return count ? sum / count : -1;
    };
    const auto green = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qGreen(p) > 120 && qRed(p) < 80 && qBlue(p) < 80) ++count;
            }
        return count;
    };
    const QImage off = Sprites().Sprite(TSpriteList::TglSW, 0)->convertToFormat(QImage::Format_ARGB32);
    const QImage on = Sprites().Sprite(TSpriteList::TglSW, 1)->convertToFormat(QImage::Format_ARGB32);
    const QImage pressed = Sprites().Sprite(TSpriteList::TglSW, 2)->convertToFormat(QImage::Format_ARGB32);
    EXPECT_LT(knobX(off), 9);
    EXPECT_GT(knobX(on), 11);
    EXPECT_GT(knobX(pressed), knobX(off));
    EXPECT_LT(knobX(pressed), knobX(on));
    EXPECT_EQ(green(off), 0);
    EXPECT_GT(green(on), 20);
}
