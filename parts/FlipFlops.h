#pragma once

#include "MirroredPart.h"

// The 60 × 80 body shared by the flip-flops, Way 0 with the inputs on the left, Way 1 mirrored;
// set and reset stay on the top and bottom edges. PartNo only picks the sprite.
class TFlipFlop : public TMirroredPart {
protected:
    TFlipFlop(TBord& board, Canvas* windowSurface, std::span<const TPinSpec> pins);
    int64_t SpriteIndex() const override { return int64_t{PartNo} * WayCount + Way; }
};

// A master–slave pair: while the clock is high the master takes its next value, while it is not
// the slave copies the master to the outputs, so the outputs change when the clock falls.
class TMasterSlaveFF : public TFlipFlop {
public:
    // Neither is stored nor reset by a run: a new run goes on from the last state.
    int32_t QLevel = LevelLow;
    int32_t MasterLevel = LevelLow;
    // A second Step on the levels of the last one changes nothing.
    bool AtRest() const override { return true; }

protected:
    using TFlipFlop::TFlipFlop;
    // One pass with these J, clock and K levels; open set and reset inputs read inactive (high).
    void Step(int32_t j, int32_t clock, int32_t k, TTanshi& set, TTanshi& reset, TTanshi& q, TTanshi& qBar);
};

// JK flip-flop with active-low set and reset: J, T̄ (clock), K, S̄, R̄ in, Q, Q̄ out.
class TJKFF : public TMasterSlaveFF {
public:
    TJKFF(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TJKFF"; }
    void Calc() override;
};

// D latch, transparent while its clock is high: D, T (clock) in, Q, Q̄ out. No state of its own:
// the outputs hold their levels.
class TDFF : public TFlipFlop {
public:
    TDFF(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TDFF"; }
    void Calc() override;
    // A second Calc on the same inputs writes what the first did, or nothing.
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }
};

// Toggle flip-flop with active-low set and reset: T̄ (clock), S̄, R̄ in, Q, Q̄ out; a JK flip-flop
// with J and K high.
class TTFF : public TMasterSlaveFF {
public:
    TTFF(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TTFF"; }
    void Calc() override;
};
