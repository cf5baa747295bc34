#pragma once

#include "PartsBase.h"

// Every gate with two to five inputs; PartNo = 8 × (inputs − 2) + kind. A PartNo outside 0..31,
// or a Way outside 0..3 from a file, gives a gate without terminals that draws and computes nothing.
class TGate : public TPart {
public:
    TGate(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TGate"; }
    void Draw() override;
    void SetTanshi() override;
    void Calc() override;
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }
    TCalcOp CalcOp() const override;

    enum TGateKind { gkNand, gkNandNegative, gkNor, gkNorNegative, gkAnd, gkOr, gkEor, gkEnor };
    bool Valid() const { return PartNo >= 0 && PartNo < 32 && Way >= 0 && Way < 4; }
    int GateKind() const { return PartNo % 8; }
    int InputCount() const { return PartNo / 8 + 2; }
};

// The inverter, PartNo 0 (positive-logic symbol) or 1 (negative-logic symbol); other values from
// a file, like a Way outside 0..3, give an inverter without terminals.
class TNot : public TPart {
public:
    TNot(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TNot"; }
    void Draw() override;
    void SetTanshi() override;
    void Calc() override;
    TSettleKind SettleKind() const override { return TSettleKind::Combinational; }
    TCalcOp CalcOp() const override { return Valid() && Tanshis.Count() == 2 ? TCalcOp::Not : TCalcOp::None; }
    bool Valid() const { return PartNo >= 0 && PartNo < 2 && Way >= 0 && Way < 4; }
};
