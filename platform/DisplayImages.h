#pragma once

#include "Canvas.h"
#include "SpriteSource.h"

#include <cstdint>
#include <memory>

// The display images a window factory hands to the parts (the seven-segment display, the dot
// matrix): raster canvases at the scale of the surfaces they are copied to, so that they copy one
// to one and stay sharp. The parts flood-fill their segments and dots, whose black outlines must be
// whole pixels apart, so below 100 % the images stay at 100 % and are shrunk when copied.
class TDisplayImages {
public:
    explicit TDisplayImages(const SpriteSource* sprites) : sprites_(sprites) {}

    // The scale of the view that shows the board. A change makes the images made before stale:
    // Generation changes, and each part makes and draws its images afresh before it shows them.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    uint64_t Generation() const { return generation_; }
    // An image of that many board units at the current scale, white, from the board's origin.
    std::unique_ptr<Canvas> Create(int width, int height) const;

private:
    const SpriteSource* sprites_;
    double scale_ = 1;
    uint64_t generation_ = 0;
};
