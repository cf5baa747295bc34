#pragma once

#include "EngineMode.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBord;
class TTanshi;
class TPassProgram;
struct TCircuitContext;

// Runs the passes of one board. All passes of a run go through one engine, made at the run's start
// and dropped at its end, before any of the board's objects is destroyed. An edit between passes
// (objects added or removed, terminals rebuilt, a recorded edit, undo) compiles the board anew
// before the next pass; a press or release handed to a part makes the next pass a whole one.
class TPassEngine {
public:
    TPassEngine(TBord& board, TEngineMode mode);
    TPassEngine(const TPassEngine&) = delete;
    TPassEngine& operator=(const TPassEngine&) = delete;
    ~TPassEngine();

    // The board as a run begins: links, resolved nets, every terminal reset and settled.
    void Start();
    // Resets every terminal, then forces each input terminal high and, in a second round, low,
    // with a pass after each forcing.
    void Settle();
    // One pass: every part computes from its inputs, then drives what its outputs reach.
    void Pass();
    // Sets an input's level between passes, as the settle does.
    void Force(TTanshi& input, int32_t level);

    // Whether the last pass was computed sparsely (for tests and statistics).
    bool LastPassSparse() const { return lastSparse_; }

private:
    void Compile();
    void FullPass();
    void SparsePass();
    // Everything counts as changed: the next sparse pass computes every part.
    void MarkAll();
    // Calls the part's own Calc and notes the outputs it changed.
    void CallCalc(uint32_t part);
    void Changed(uint32_t slot);
    void Wake(uint32_t part);
    void MarkDirty(uint32_t part);
    void Regather(uint32_t gather);

    TBord& board_;
    TCircuitContext& context_;
    TEngineMode mode_;
    std::unique_ptr<TPassProgram> program_;
    uint64_t edits_ = 0, pokes_ = 0;
    bool sparse_;
    bool lastSparse_ = false;

    // The sparse passes' bookkeeping.
    bool all_ = true;
    std::vector<uint8_t> dirty_, restless_;
    std::vector<uint32_t> dirtyList_, restlessList_, ranList_, changedFrom_, regatherList_;
    std::vector<uint32_t> regatherSeen_;
    uint32_t epoch_ = 0;
    std::vector<int32_t> outputsBefore_, stepsBefore_;
    // Parts whose own Tick runs in this sparse pass: those that ran, or whose inputs changed.
    std::vector<uint32_t> ticksIn_;
    uint32_t tickEpoch_ = 0;
    // Auto: how many passes in a row were busy, and when a full run tries sparse again.
    int busyPasses_ = 0;
    int64_t wholePasses_ = 0;
};
