#include "Matrix8X8.h"

#include "Board.h"
#include "HeadlessWindows.h"
#include "PartDrawing.h"

namespace {

constexpr int Size = 91;
// The picture copied to the board leaves out the image's last row and column.
constexpr int ShownSize = 90;

// Fills the dot of the picture lit or dark.
void FillImageDot(Canvas& image, int row, int column, bool lit)
{
    const TPoint seed = TMatrix8X8::DotPoint(row, column);
    image.SetBrushColor(lit ? clLitLamp : clDarkLamp);
    image.FloodFill(seed.x, seed.y, clBlack);
}

// A picture of the matrix with every dot dark.
void DrawDark(Canvas& image)
{
    image.DrawSprite(TSpriteList::Matrix8X8, 0, 0, 0);
    image.SetBrushStyle(TBrushStyle::Solid);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) FillImageDot(image, r, c, false);
}

}  // namespace

TMatrix8X8::TMatrix8X8(TBord& board, Canvas* windowSurface)
    : TAfterglowPart(board, windowSurface), DisplayImage(NewImage(board.Context(), Size, Size)),
      imageGeneration_(ImageGeneration(board.Context()))
{
    SetSize(Size, Size);
    WayCount = 4;
    for (auto& row : Countdown) row.fill(Idle);
    DrawDark(*DisplayImage);
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
    uint64_t asked = 0;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const int32_t want = Wanted(r, c);
            if (want != LevelLow) asked |= uint64_t{1} << (8 * r + c);
            int32_t& shown = ShownLevel[static_cast<size_t>(r)][static_cast<size_t>(c)];
            int64_t& countdown = Countdown[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (countdown != Idle) continue;
            if (want != shown) {
                countdown = CountdownFor(want);
                shown = want;
            } else if (Lit(r, c) != (want != LevelLow)) {
                // A countdown that ended while the lines were away for a pass left the dot showing
                // the other level; it comes round to them as if they had just changed.
                countdown = CountdownFor(want);
                CorrectingDots |= uint64_t{1} << (8 * r + c);
            }
        }
    }
    AskedDots = asked;
}

bool TMatrix8X8::AtRest() const
{
    for (const TTanshi* t : Tanshis)
        if (!t->Linked && t->Level != LevelHigh) return false;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (Countdown[static_cast<size_t>(r)][static_cast<size_t>(c)] != Idle ||
                Wanted(r, c) != ShownLevel[static_cast<size_t>(r)][static_cast<size_t>(c)] ||
                Lit(r, c) != (Wanted(r, c) != LevelLow))
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
            const uint64_t bit = uint64_t{1} << (8 * r + c);
            const bool correcting = CorrectingDots & bit;
            CorrectingDots &= ~bit;
            const int32_t wanted = correcting ? ((AskedDots & bit) ? LevelHigh : LevelLow) : Wanted(r, c);
            if (wanted != shown) continue;
            FillDot(r, c, shown != LevelLow);
            Draw();
        }
    }
    if (AskedDots != DrawnDots && ShowsInputs()) Draw();
}

void TMatrix8X8::RefreshImages()
{
    const uint64_t generation = ImageGeneration(Context());
    if (generation == imageGeneration_) return;
    imageGeneration_ = generation;
    DisplayImage = NewImage(Context(), Size, Size);
    DrawDark(*DisplayImage);
    for (int dot = 0; dot < 64; ++dot)
        if (LitDots & (uint64_t{1} << dot)) FillImageDot(*DisplayImage, dot / 8, dot % 8, true);
    InputImage.reset();
}

void TMatrix8X8::FillDot(int row, int column, bool lit)
{
    RefreshImages();
    FillImageDot(*DisplayImage, row, column, lit);
    const uint64_t bit = uint64_t{1} << (8 * row + column);
    LitDots = lit ? LitDots | bit : LitDots & ~bit;
}

void TMatrix8X8::UpdateInputImage()
{
    if (!InputImage) {
        InputImage = NewImage(Context(), Size, Size);
        DrawDark(*InputImage);
        InputImageDots = 0;
    }
    for (int dot = 0; dot < 64; ++dot) {
        const uint64_t bit = uint64_t{1} << dot;
        if ((InputImageDots & bit) != (AskedDots & bit)) FillImageDot(*InputImage, dot / 8, dot % 8, AskedDots & bit);
    }
    InputImageDots = AskedDots;
}

void TMatrix8X8::Draw()
{
    RefreshImages();
    const Canvas* picture = DisplayImage.get();
    if (Simulating()) DrawnDots = LitDots;
    if (ShowsInputs()) {
        UpdateInputImage();
        picture = InputImage.get();
        DrawnDots = InputImageDots;
    }
    DrawLive(*this, [&](Canvas& c) {
        if (Simulating())
            c.CopyRect(RectAt(Left, Top, ShownSize, ShownSize), *picture, {0, 0, ShownSize, ShownSize});
        else
            c.DrawSprite(TSpriteList::Matrix8X8, 0, Left, Top);
    });
}
