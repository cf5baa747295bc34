#pragma once

#include "PartsBase.h"

class TCode;

// A junction dot, 20 × 20 without terminals. Placed with its centre inside wires, it cuts them into
// pieces ending at the centre, so that wires meeting there link; taking it away joins them again.
class TDot : public TPartsBase {
public:
    TDot(TBord& board, Canvas* windowSurface);

    const char* ClassName() const override { return "TDot"; }
    void Draw() override;
    // No terminals to build; the board's grid still hears of the change.
    void SetTanshi() override;
    // Joins the wires cut at the old place, cuts every wire running through the new centre and
    // records both into the open batch.
    void MoveTo(int x, int y, bool relink) override;
    // Where the wires it joins meet.
    TPoint Centre() const { return LocalToBoard({10, 10}); }

    // Codes := the wires answering at the centre, top-most first.
    void CollectCodes();
    // Merges back the pieces listed in Codes; run once the dot has left their meeting point.
    void RelinkCodes();

    // The wires found at the centre by the last CollectCodes: a snapshot, not owned.
    TPartsList Codes;

private:
    void Cut(TCode& wire, TPoint centre);
};
