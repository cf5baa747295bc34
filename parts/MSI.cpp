#include "MSI.h"

#include "DigitSegments.h"
#include "Levels.h"
#include "PartDrawing.h"

#include <array>

namespace {

template <size_t N>
using Pins = std::array<TPinSpec, N>;

constexpr Pins<5> AdderPins{{
    {{0, 10}, dirInput},    // A
    {{0, 30}, dirInput},    // B
    {{20, 0}, dirInput},    // Ci
    {{40, 20}, dirOutput},  // S
    {{20, 40}, dirOutput},  // Co
}};

// A, B, C, D on the left at 20-pixel steps, then n outputs on the right at 10-pixel steps from y.
template <size_t N>
constexpr Pins<4 + N> DecoderPins(int firstOutputY)
{
    Pins<4 + N> pins{};
    for (size_t i = 0; i < 4; ++i) pins[i] = {{0, 30 + 20 * static_cast<int>(i)}, dirInput};
    for (size_t i = 0; i < N; ++i) pins[4 + i] = {{60, firstOutputY + 10 * static_cast<int>(i)}, dirOutput};
    return pins;
}

constexpr Pins<14> TwoToTenPins = DecoderPins<10>(10);
constexpr Pins<12> SevenSegPins = DecoderPins<8>(20);

constexpr Pins<14> TenToTwoPins = [] {
    Pins<14> pins{};
    for (size_t i = 0; i < 10; ++i) pins[i] = {{0, 10 + 10 * static_cast<int>(i)}, dirInput};
    for (size_t i = 0; i < 4; ++i) pins[10 + i] = {{60, 30 + 20 * static_cast<int>(i)}, dirOutput};
    return pins;
}();

}  // namespace

TFullAdder::TFullAdder(TBord& board, Canvas* windowSurface) : TPart(board, windowSurface)
{
    SetSize(40, 40);
    WayCount = 4;
    SetTanshi();
}

void TFullAdder::SetTanshi()
{
    ClearTanshis();
    for (const TPinSpec& pin : AdderPins) AddTanshi(pin.Way0.x, pin.Way0.y, pin.Direction);
}

void TFullAdder::Calc()
{
    // The number of high inputs when every level is 0 or 5.
    int64_t highs = 0;
    for (int i = 0; i < 3; ++i) highs += Tanshis.Items(i)->Level;
    highs /= 5;
    Tanshis.Items(3)->Level = HighIf(highs % 2 != 0);
    Tanshis.Items(4)->Level = HighIf(highs / 2 % 2 != 0);
}

void TFullAdder::Draw()
{
    Canvas* c = BoardCanvas();
    if (c && Way >= 0 && Way <= 3) DrawSpriteIfAny(*c, TSpriteList::I4141, int64_t{PartNo} * 4 + Way, Left, Top);
}

TConverter::TConverter(TBord& board, Canvas* windowSurface, std::span<const TPinSpec> pins)
    : TMirroredPart(board, windowSurface, 60, 120, pins, TSpriteList::MSI1)
{
    WayCount = 1;
}

T2TO10::T2TO10(TBord& board, Canvas* windowSurface) : TConverter(board, windowSurface, TwoToTenPins) {}

void T2TO10::Calc()
{
    if (!Built()) return;
    const int code = BinaryCode(Tanshis, 0);
    if (code == LastCode || --SettleCount != 0) return;
    SettleCount = SettlePasses;
    LastCode = code;
    for (int digit = 0; digit < 10; ++digit) Pin(4 + digit).Level = HighIf(digit != code);
}

T10TO2::T10TO2(TBord& board, Canvas* windowSurface) : TConverter(board, windowSurface, TenToTwoPins) {}

void T10TO2::Calc()
{
    if (!Built()) return;
    int active = 0;
    while (active < 10 && LevelOf(active) != LevelLow) ++active;
    if (active == 10) active = 0;
    for (int bit = 0; bit < 4; ++bit) Pin(10 + bit).Level = HighIf((active >> bit & 1) != 0);
}

T7SEG::T7SEG(TBord& board, Canvas* windowSurface) : TConverter(board, windowSurface, SevenSegPins) {}

void T7SEG::Calc()
{
    if (!Built()) return;
    for (int segment = 0; segment < 8; ++segment) Pin(4 + segment).Level = LevelHigh;
    for (const char* s = DigitSegments[static_cast<size_t>(BinaryCode(Tanshis, 0))]; *s; ++s)
        Pin(4 + (*s - '0')).Level = LevelLow;
}
