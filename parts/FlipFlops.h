#pragma once

#include "PartGeometry.h"
#include "PartsBase.h"

#include <span>

// The 60 × 80 body shared by the flip-flops: Way 0 has the inputs on the left and the outputs on
// the right, Way 1 is its mirror image; any other Way from a file leaves the part without
// terminals, drawing and computing nothing. PartNo only picks the sprite.
class TFlipFlop : public TPart {
public:
    void Draw() override;
    void SetTanshi() override;

protected:
    TFlipFlop(TBord& board, Canvas* windowSurface, std::span<const TPinSpec> pins);
    bool Built() const { return !Tanshis.Empty(); }
    int32_t LevelOf(int pin) const { return Tanshis.Items(pin)->Level; }
    TTanshi& Pin(int pin) const { return *Tanshis.Items(pin); }

private:
    std::span<const TPinSpec> pins_;
};

// A master–slave pair: while the clock is high the master takes its next value, while it is not
// the slave copies the master to the outputs, so the outputs change when the clock falls.
class TMasterSlaveFF : public TFlipFlop {
public:
    // Neither is stored nor reset by a run: a new run goes on from the last state.
    int32_t QLevel = LevelLow;
    int32_t MasterLevel = LevelLow;

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
};

// Toggle flip-flop with active-low set and reset: T̄ (clock), S̄, R̄ in, Q, Q̄ out; a JK flip-flop
// with J and K high.
class TTFF : public TMasterSlaveFF {
public:
    TTFF(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TTFF"; }
    void Calc() override;
};
