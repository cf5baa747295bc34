#pragma once

#include "Geometry.h"
#include "Tanshi.h"

// A point of a square body of that size, turned a quarter clockwise per Way step.
inline TPoint TurnInSquare(TPoint p, int way, int size)
{
    switch (way) {
    case 1: return {size - p.y, p.x};
    case 2: return {size - p.x, size - p.y};
    case 3: return {p.y, size - p.x};
    default: return p;
    }
}

// A point of a body of that width, mirrored left to right.
inline TPoint MirrorInWidth(TPoint p, int width) { return {width - p.x, p.y}; }

// A terminal as a class lays it out in Way 0.
struct TPinSpec {
    TPoint Way0;
    TDirection Direction;
};
