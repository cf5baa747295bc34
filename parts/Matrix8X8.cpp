#include "Matrix8X8.h"

#include "Board.h"
#include "HeadlessWindows.h"
#include "PartDrawing.h"

namespace {

constexpr int Size = 91;
// The picture copied to the board leaves out the image's last row and column.
constexpr int ShownSize = 90;

}  // namespace

TMatrix8X8::TMatrix8X8(TBord& board, Canvas* windowSurface)
    : TAfterglowPart(board, windowSurface), DisplayImage(NewImage(board.Context(), Size, Size))
{
    SetSize(Size, Size);
    WayCount = 4;
    for (auto& row : Countdown) row.fill(Idle);
    DisplayImage->DrawSprite(TSpriteList::Matrix8X8, 0, 0, 0);
    DisplayImage->SetBrushStyle(TBrushStyle::Solid);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) FillDot(r, c, false);
    SetTanshi();
}

void TMatrix8X8::SetTanshi()
{
    ClearTanshis();
    for (int r = 0; r < 8; ++r) AddTanshi(0, 10 * r + 10, dirInput);
    for (int c = 0; c < 8; ++c) AddTanshi(10 * c + 10, 90, dirInput);
}

int32_t TMatrix8X8::Wanted(int row, int column) const
{
    const bool lit = Tanshis.Items(row)->Level == LevelLow && Tanshis.Items(8 + column)->Level == LevelLow;
    return lit ? LevelHigh : LevelLow;
}

void TMatrix8X8::Calc()
{
    for (TTanshi* t : Tanshis)
        if (!t->Linked) t->Level = LevelHigh;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const int32_t want = Wanted(r, c);
            int32_t& shown = ShownLevel[static_cast<size_t>(r)][static_cast<size_t>(c)];
            int64_t& countdown = Countdown[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (want == shown || countdown != Idle) continue;
            countdown = CountdownFor(want);
            shown = want;
        }
    }
}

bool TMatrix8X8::AtRest() const
{
    for (const TTanshi* t : Tanshis)
        if (!t->Linked && t->Level != LevelHigh) return false;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (Countdown[static_cast<size_t>(r)][static_cast<size_t>(c)] != Idle ||
                Wanted(r, c) != ShownLevel[static_cast<size_t>(r)][static_cast<size_t>(c)])
                return false;
    return true;
}

void TMatrix8X8::Tick()
{
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            int64_t& countdown = Countdown[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (countdown == Idle || --countdown != 0) continue;
            countdown = Idle;
            const int32_t shown = ShownLevel[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (Wanted(r, c) != shown) continue;
            FillDot(r, c, shown != LevelLow);
            Draw();
        }
    }
}

void TMatrix8X8::FillDot(int row, int column, bool lit)
{
    const TPoint seed = DotPoint(row, column);
    DisplayImage->SetBrushColor(lit ? clLitLamp : clDarkLamp);
    DisplayImage->FloodFill(seed.x, seed.y, clBlack);
    const uint64_t bit = uint64_t{1} << (8 * row + column);
    LitDots = lit ? LitDots | bit : LitDots & ~bit;
}

void TMatrix8X8::Draw()
{
    DrawLive(*this, [&](Canvas& c) {
        if (Simulating())
            c.CopyRect(RectAt(Left, Top, ShownSize, ShownSize), *DisplayImage, {0, 0, ShownSize, ShownSize});
        else
            c.DrawSprite(TSpriteList::Matrix8X8, 0, Left, Top);
    });
}
