#pragma once

#include "Canvas.h"

class QImage;

// Where a canvas finds the images of the sprite lists; the data module is one.
class SpriteSource {
public:
    virtual ~SpriteSource() = default;
    // Image index of the list drawn for a view of that many device pixels per board unit (1 gives
    // the images at board size), or null when the index lies outside the list. Images of scale 1 live as
    // long as the source; others at least until an image of another scale is asked for.
    virtual const QImage* Sprite(TSpriteList list, int index, double scale) const = 0;
    const QImage* Sprite(TSpriteList list, int index) const { return Sprite(list, index, 1.0); }
};
