#pragma once

#include "PartsBase.h"

// A wire: a horizontal or vertical segment from (Left, Top) to (Left + Width, Top + Height) with a
// wire-end terminal at each end. Its ends link only where they coincide exactly with other
// terminals, so a wire ending on the middle of another one does not conduct unless a dot cut it.
class TCode : public TPartsBase {
public:
    TCode(TBord& board, Canvas* windowSurface);

    const char* ClassName() const override { return "TCode"; }
    void Draw() override;
    void SetTanshi() override;
    // Shows a resize cursor while the pointer is within 2 pixels of an end.
    void MouseMove(TShiftState shift, int x, int y) override;
};
