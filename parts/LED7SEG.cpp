#include "LED7SEG.h"

#include "Board.h"
#include "DigitSegments.h"
#include "HeadlessWindows.h"
#include "Levels.h"
#include "PartDrawing.h"

namespace {

constexpr int ImageWidth = 40, ImageHeight = 50;

// Code bits 1, 2, 4 and 8 in terminal order, per Way; the display itself never turns.
constexpr std::array<std::array<TPoint, 4>, 4> EncoderInputs{{
    {{{0, 10}, {0, 20}, {0, 30}, {0, 40}}},
    {{{30, 0}, {20, 0}, {10, 0}, {0, 0}}},
    {{{40, 10}, {40, 20}, {40, 30}, {40, 40}}},
    {{{30, 50}, {20, 50}, {10, 50}, {0, 50}}},
}};

// One input per segment, the same for every Way.
constexpr std::array<TPoint, 8> SegmentInputs{{
    {20, 0}, {10, 0}, {0, 10}, {0, 20}, {0, 30}, {0, 40}, {10, 50}, {20, 50},
}};

}  // namespace

TLED7SEG::TLED7SEG(TBord& board, Canvas* windowSurface)
    : TPart(board, windowSurface), DisplayImage(NewImage(board.Context(), ImageWidth, ImageHeight)),
      imageGeneration_(ImageGeneration(board.Context()))
{
    SetSize(ImageWidth, ImageHeight);
    WayCount = 4;
    DisplayImage->DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
    DisplayImage->SetBrushStyle(TBrushStyle::Solid);
    SetTanshi();
}

void TLED7SEG::SetTanshi()
{
    ClearTanshis();
    if (PartNo == dtNormal) {
        for (const TPoint p : SegmentInputs) AddTanshi(p.x, p.y, dirInput);
    } else if (PartNo == dtEncoder && Way >= 0 && Way <= 3) {
        for (const TPoint p : EncoderInputs[static_cast<size_t>(Way)]) AddTanshi(p.x, p.y, dirInput);
    }
}

void TLED7SEG::Calc()
{
    if (PartNo == dtNormal && Tanshis.Count() == 8)
        CalcNormal();
    else if (PartNo == dtEncoder && Tanshis.Count() == 4)
        CalcEncoder();
}

bool TLED7SEG::AtRest() const
{
    if (PartNo == dtNormal && Tanshis.Count() == 8) {
        for (int i = 0; i < 8; ++i)
            if (Tanshis.Items(i)->Level != SegmentLevels[static_cast<size_t>(i)]) return false;
        return true;
    }
    return PartNo != dtEncoder || Tanshis.Count() != 4 || BinaryCode(Tanshis, 0) == Code;
}

void TLED7SEG::CalcNormal()
{
    bool changed = false;
    for (int i = 0; i < 8; ++i) {
        const int32_t level = Tanshis.Items(i)->Level;
        int32_t& shown = SegmentLevels[static_cast<size_t>(i)];
        if (level == shown) continue;
        shown = level;
        FillSegment(i, level != LevelHigh);
        changed = true;
    }
    if (changed) Draw();
}

void TLED7SEG::CalcEncoder()
{
    const int32_t code = BinaryCode(Tanshis, 0);
    if (code == Code) return;
    Code = code;
    for (int segment = 0; segment < 7; ++segment) FillSegment(segment, false);
    for (const char* s = DigitSegments[static_cast<size_t>(code)]; *s; ++s) FillSegment(*s - '0', true);
    Draw();
}

void TLED7SEG::FillSegment(int segment, bool lit)
{
    RefreshImage();
    FillImageSegment(segment, lit);
    const auto bit = static_cast<uint8_t>(1u << segment);
    LitSegments = static_cast<uint8_t>(lit ? LitSegments | bit : LitSegments & ~bit);
}

void TLED7SEG::FillImageSegment(int segment, bool lit)
{
    const TPoint seed = SegmentPoints[static_cast<size_t>(segment)];
    DisplayImage->SetBrushColor(lit ? clLitLamp : clDarkLamp);
    DisplayImage->FloodFill(seed.x, seed.y, clBlack);
}

void TLED7SEG::RefreshImage()
{
    const uint64_t generation = ImageGeneration(Context());
    if (generation == imageGeneration_) return;
    imageGeneration_ = generation;
    DisplayImage = NewImage(Context(), ImageWidth, ImageHeight);
    DisplayImage->DrawSprite(TSpriteList::LED7SEG, 0, 0, 0);
    DisplayImage->SetBrushStyle(TBrushStyle::Solid);
    // The sprite shows every segment dark.
    for (int segment = 0; segment < 8; ++segment)
        if (LitSegments & (1u << segment)) FillImageSegment(segment, true);
}

void TLED7SEG::Draw()
{
    RefreshImage();
    DrawLive(*this, [&](Canvas& c) {
        if (Simulating())
            c.CopyRect(RectAt(Left, Top, ImageWidth, ImageHeight), *DisplayImage, {0, 0, ImageWidth, ImageHeight});
        else
            c.DrawSprite(TSpriteList::LED7SEG, 0, Left, Top);
    });
}
