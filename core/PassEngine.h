#pragma once

#include <cstdint>

class TBord;

// How the passes of a run are computed. Every mode gives the same levels and states, pass for pass;
// Objects is the reference: every part's own Calc, then every part's own Tick, in list order.
enum class TEngineMode : uint8_t { Auto, Full, Sparse, Objects };

// Runs the passes of one board. All passes of a run go through one engine, made at the run's start
// and dropped at its end.
class TPassEngine {
public:
    TPassEngine(TBord& board, TEngineMode mode);
    TPassEngine(const TPassEngine&) = delete;
    TPassEngine& operator=(const TPassEngine&) = delete;
    ~TPassEngine();

    // The board as a run begins: links, resolved nets, every terminal reset and settled.
    void Start();
    // One pass: every part computes from its inputs, then drives what its outputs reach.
    void Pass();

private:
    TBord& board_;
    TEngineMode mode_;
};
