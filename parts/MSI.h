#pragma once

#include "Levels.h"
#include "MirroredPart.h"

// One-bit full adder: A, B, Ci in, S, Co out. Its terminals never move; Way only turns the image.
class TFullAdder : public TPart {
public:
    TFullAdder(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TFullAdder"; }
    void Draw() override;
    void SetTanshi() override;
    void Calc() override;
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }
};

// The 60 × 120 body of the code converters: A, B, C, D carry the weights 1, 2, 4, 8. The rotate
// command leaves them in Way 0, a file may mirror them with Way 1.
class TConverter : public TMirroredPart {
protected:
    TConverter(TBord& board, Canvas* windowSurface, std::span<const TPinSpec> pins);
    int64_t SpriteIndex() const override { return int64_t{PartNo} * 2 + Way; }
};

// Binary-to-decimal decoder with ten active-low outputs. A new code is taken over only on the
// tenth pass with a code differing from the last one taken over, counted since that takeover, so
// that the codes passed through while the inputs change one by one are not shown. Until the first
// takeover all outputs keep the 0 of the reset.
class T2TO10 : public TConverter {
public:
    T2TO10(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "T2TO10"; }
    void Calc() override;
    bool AtRest() const override { return !Built() || BinaryCode(Tanshis, 0) == LastCode; }

    static constexpr int32_t SettlePasses = 10;
    // Neither is stored nor reset by a run.
    int32_t LastCode = 0;
    int32_t SettleCount = SettlePasses;
};

// Decimal-to-binary priority encoder with ten active-low inputs: the lowest input at 0 wins, and
// with none at 0 the code is 0. An open input reads 0, so input 0̄ wins when nothing is connected.
class T10TO2 : public TConverter {
public:
    T10TO2(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "T10TO2"; }
    void Calc() override;
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }
};

// Binary-to-seven-segment decoder with active-low outputs ā..ḡ and h̄ (the decimal point, always
// high), wired in order to a common-anode display it shows the hexadecimal digit of the code.
class T7SEG : public TConverter {
public:
    T7SEG(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "T7SEG"; }
    void Calc() override;
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }
};
