#pragma once

#include <QPainterPath>

// The outlines of the distinctive gate shapes, facing right, in pixel coordinates: the sprites
// draw them at full size and the action icons at a small one.
struct TGateFrame {
    double Back = 0;    // x of the input side
    double Top = 0;
    double Bottom = 0;
    double Tip = 0;     // x of the output point
    double Bulge = 4;   // how far the curved back of the OR shapes reaches into the body
};

// Flat back, straight sides, a half round front.
QPainterPath AndBody(const TGateFrame& f);
// Curved back, sides sweeping to a point.
QPainterPath OrBody(const TGateFrame& f);
// The curve of the OR back at x = back, open, for the second back line of the exclusive OR.
QPainterPath OrBackCurve(double back, double top, double bottom, double bulge);
// The x where the curved back at x = back crosses row y.
double OrBackX(double back, double top, double bottom, double bulge, double y);
QPainterPath Triangle(const TGateFrame& f);
