#pragma once

#include "PartGeometry.h"
#include "PartsBase.h"

#include <span>

// A part whose terminals are laid out for Way 0 and mirrored left to right for Way 1 (inputs on
// the right, outputs on the left). Any other Way from a file leaves it without terminals, drawing
// and computing nothing.
class TMirroredPart : public TPart {
public:
    void Draw() override;
    void SetTanshi() override;

protected:
    TMirroredPart(TBord& board, Canvas* windowSurface, int width, int height, std::span<const TPinSpec> pins,
                  TSpriteList sprites);
    // The image of the sprite list for the current PartNo and Way; none when outside the list.
    virtual int64_t SpriteIndex() const = 0;
    bool Built() const { return !Tanshis.Empty(); }
    int32_t LevelOf(int pin) const { return Tanshis.Items(pin)->Level; }
    TTanshi& Pin(int pin) const { return *Tanshis.Items(pin); }

private:
    int bodyWidth_;
    std::span<const TPinSpec> pins_;
    TSpriteList sprites_;
};
