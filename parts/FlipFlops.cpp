#include "FlipFlops.h"

#include "Levels.h"

#include <array>

namespace {

constexpr std::array<TPinSpec, 7> JKPins{{
    {{0, 20}, dirInput},    // J
    {{0, 40}, dirInput},    // T̄
    {{0, 60}, dirInput},    // K
    {{30, 0}, dirInput},    // S̄
    {{30, 80}, dirInput},   // R̄
    {{60, 20}, dirOutput},  // Q
    {{60, 60}, dirOutput},  // Q̄
}};

constexpr std::array<TPinSpec, 4> DPins{{
    {{0, 20}, dirInput},    // D
    {{0, 60}, dirInput},    // T
    {{60, 20}, dirOutput},  // Q
    {{60, 60}, dirOutput},  // Q̄
}};

constexpr std::array<TPinSpec, 5> TPins{{
    {{0, 40}, dirInput},    // T̄
    {{30, 0}, dirInput},    // S̄
    {{30, 80}, dirInput},   // R̄
    {{60, 20}, dirOutput},  // Q
    {{60, 60}, dirOutput},  // Q̄
}};

}  // namespace

TFlipFlop::TFlipFlop(TBord& board, Canvas* windowSurface, std::span<const TPinSpec> pins)
    : TMirroredPart(board, windowSurface, 60, 80, pins, TSpriteList::FF)
{
    WayCount = 2;
}

void TMasterSlaveFF::Step(int32_t j, int32_t clock, int32_t k, TTanshi& set, TTanshi& reset, TTanshi& q,
                          TTanshi& qBar)
{
    if (!set.Linked) set.Level = LevelHigh;
    if (!reset.Linked) reset.Level = LevelHigh;
    if (set.Level == LevelLow || reset.Level == LevelLow) {
        // Both asserted give Q = Q̄ = 5 with the master low, so Q falls at the first slave pass
        // after both are released.
        q.Level = HighIf(set.Level == LevelLow);
        MasterLevel = HighIf(reset.Level != LevelLow);
        qBar.Level = HighIf(reset.Level == LevelLow);
        return;
    }
    if (clock == LevelHigh) {
        if (j == LevelLow && k == LevelHigh)
            MasterLevel = LevelLow;
        else if (j == LevelHigh && k == LevelLow)
            MasterLevel = LevelHigh;
        else if (j == LevelHigh && k == LevelHigh)
            MasterLevel = HighIf(QLevel != LevelHigh);
        return;
    }
    QLevel = HighIf(MasterLevel != LevelLow);
    q.Level = QLevel;
    qBar.Level = HighIf(MasterLevel == LevelLow);
}

TJKFF::TJKFF(TBord& board, Canvas* windowSurface) : TMasterSlaveFF(board, windowSurface, JKPins) {}

void TJKFF::Calc()
{
    if (Built()) Step(LevelOf(0), LevelOf(1), LevelOf(2), Pin(3), Pin(4), Pin(5), Pin(6));
}

TDFF::TDFF(TBord& board, Canvas* windowSurface) : TFlipFlop(board, windowSurface, DPins) {}

void TDFF::Calc()
{
    if (!Built() || LevelOf(1) != LevelHigh) return;
    Pin(2).Level = HighIf(LevelOf(0) == LevelHigh);
    Pin(3).Level = HighIf(LevelOf(0) != LevelHigh);
}

TTFF::TTFF(TBord& board, Canvas* windowSurface) : TMasterSlaveFF(board, windowSurface, TPins) {}

void TTFF::Calc()
{
    if (Built()) Step(LevelHigh, LevelOf(0), LevelHigh, Pin(1), Pin(2), Pin(3), Pin(4));
}
