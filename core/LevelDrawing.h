#pragma once

#include "BoardLook.h"
#include "NetLevels.h"

#include <vector>

class Canvas;
struct TCircuitContext;

// How far the level look draws beyond an object's rectangle: the thick line's second unit and the
// 0/1 tags beside the terminals.
inline constexpr int LevelReach = 12;

TColor ShowColour(const TColourScheme& colours, TNetShow show);
// A wire from a to b: one unit wide without its end point, or, thick, two units wide with both
// ends, the second unit to the right of a vertical line and below a horizontal one.
void DrawWireLine(Canvas& c, TPoint a, TPoint b, TColor colour, bool thick);
// A junction dot at centre in that colour.
void DrawDotDisc(Canvas& c, TPoint centre, TColor colour);
// While levels show: a square in the net's colour at each linked terminal of the part, and, when
// the look asks for them, a 0/1 tag with each terminal's own level. While editing: the terminals of
// the picked net in the highlight colour.
void DrawTerminalLevels(const TPartsBase& part, Canvas& c, const TCircuitContext& context);
// The warning marks where a second output joins a net, inside the area.
void DrawSecondDrivers(Canvas& c, const TCircuitContext& context, const TRect& area);
// The board rectangles that hold everything drawn in the net's colours.
void NetAreas(const TNetMap& map, uint32_t net, std::vector<TRect>& areas);
// Joins areas of one band (the same top and bottom) that overlap or stand a few units apart, so
// that a row of terminals is repainted at once; the result covers every area given.
void MergeAreas(std::vector<TRect>& areas);
