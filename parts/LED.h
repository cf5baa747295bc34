#pragma once

#include "Afterglow.h"

// A single lamp, PartNo 0 red, 1 blue, 2 green, with one input that Way moves round the body (the
// image does not turn). A Way outside 0..3 from a file leaves it without input.
class TLED : public TAfterglowPart {
public:
    TLED(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TLED"; }
    // The dark lamp while editing; while simulating, lit when ShownLevel is not 0 (AskedLevel while
    // the indicators show their inputs), on both surfaces.
    void Draw() override;
    int OpenMarkRadius() const override { return DenseOpenMarkRadius; }
    void SetTanshi() override;
    // Takes a new input level over at once and starts its countdown.
    void Calc() override;
    // Draws the level taken over once its countdown ends, if the input still holds it; while the
    // indicators show their inputs, draws what the input asked for in this pass's Calc.
    void Tick() override;
    TTickKind TickKind() const override { return TTickKind::Own; }
    bool AtRest() const override { return Tanshis.Empty() || (Countdown == Idle && Input() == ShownLevel); }

    // Neither is reset by a run: a lamp left lit goes dark when its countdown runs out.
    int32_t ShownLevel = LevelLow;
    int64_t Countdown = Idle;
    // Whether the afterglow showed the lamp lit the last time it was drawn while simulating; what
    // a run's readers take the lamp to show, however it was drawn.
    bool ShowsLit = false;
    // The input level the last Calc read.
    int32_t AskedLevel = LevelLow;
    // Whether the lamp was lit the last time it was drawn, however it was drawn.
    bool DrawnLit = false;

private:
    int32_t Input() const { return Tanshis.Items(0)->Level; }
    // Draws the lamp as it is to be seen now, and nothing else.
    void Paint();
};
