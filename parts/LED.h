#pragma once

#include "Afterglow.h"

// A single lamp, PartNo 0 red, 1 blue, 2 green, with one input that Way moves round the body (the
// image does not turn). A Way outside 0..3 from a file leaves it without input.
class TLED : public TAfterglowPart {
public:
    TLED(TBord& board, Canvas* windowSurface);
    const char* ClassName() const override { return "TLED"; }
    // The dark lamp while editing; while simulating, lit as ShowsLit says (as AskedLevel says while
    // the indicators show their inputs), on both surfaces.
    void Draw() override;
    // While simulating, the lamp shows ShownLevel from now on.
    void ShowHeld() override;
    int OpenMarkRadius() const override { return DenseOpenMarkRadius; }
    void SetTanshi() override;
    // Takes a new input level over at once and starts its countdown; a lamp at rest whose input
    // holds the level it took over but which shows the other starts a countdown towards it too.
    void Calc() override;
    // Shows the level taken over once its countdown ends, if the input still holds it; while the
    // indicators show their inputs, draws what the input asked for in this pass's Calc.
    void Tick() override;
    TTickKind TickKind() const override { return TTickKind::Own; }
    bool AtRest() const override
    {
        return Tanshis.Empty() || (Countdown == Idle && Input() == ShownLevel &&
                                   (!Simulating() || ShowsLit == (ShownLevel != LevelLow)));
    }

    // Neither is reset by a run: a lamp left lit goes dark when its countdown runs out.
    int32_t ShownLevel = LevelLow;
    int64_t Countdown = Idle;
    // Whether the lamp shows lit: ShownLevel as it was when the lamp last showed it while
    // simulating. What a run's readers take the lamp to show, painted or not.
    bool ShowsLit = false;
    // The input level the last Calc read.
    int32_t AskedLevel = LevelLow;
    // Whether the lamp was lit the last time it was drawn, however it was drawn.
    bool DrawnLit = false;
    // The countdown under way brings a lamp that rests at the wrong level round to its input. It
    // ends on what Calc read: a Tick that reads the input before its last writer's Tick may never
    // see the level the pass settles at.
    bool Correcting = false;

private:
    int32_t Input() const { return Tanshis.Items(0)->Level; }
};
