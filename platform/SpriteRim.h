#pragma once

#include "Canvas.h"

#include <QImage>

#include <unordered_map>

// The sprite with its dark ink along the transparent surround (a pin, the outline of a body, a name
// beside a symbol) in the rim colour, each pixel keeping its coverage; ink inside a body, and every
// lighter pixel, stays as it is. Beyond the image counts as surround, so a pin that runs
// to the image's edge is lit to its end.
QImage RimmedSprite(const QImage& sprite, TColor rim);

// Rimmed sprites made once per image and rim colour.
class TRimmedSprites {
public:
    // The sprite itself while no rim is set.
    const QImage& Of(const QImage& sprite);
    void SetRim(std::optional<TColor> rim);
    const std::optional<TColor>& Rim() const { return rim_; }

private:
    std::optional<TColor> rim_;
    std::unordered_map<qint64, QImage> made_;
};
