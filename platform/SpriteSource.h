#pragma once

#include "Canvas.h"

class QImage;

// Where a canvas finds the images of the sprite lists; the data module is one.
class SpriteSource {
public:
    virtual ~SpriteSource() = default;
    // Image index of the list, or null when the index lies outside the list.
    virtual const QImage* Sprite(TSpriteList list, int index) const = 0;
};
