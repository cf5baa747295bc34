#pragma once

#include "PartsBase.h"

#include <QPoint>

// What the board view hands the pointer on: presses, moves, releases and double clicks in board
// coordinates.
class TBoardInput {
public:
    virtual ~TBoardInput() = default;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y) = 0;
    virtual void MouseMove(TShiftState shift, int x, int y) = 0;
    // The release of the right button opens the popup menu its press chose at the global point.
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos) = 0;
    virtual void DblClick(int x, int y) = 0;
    // While the circuit runs, the middle button presses parts as the left one does and pans nothing.
    virtual bool Running() const = 0;
};

// What the board view asks to have drawn when it zooms or scrolls.
class TViewPainter {
public:
    virtual ~TViewPainter() = default;
    // The board is seen at another zoom and is to be drawn anew.
    virtual void ViewChanged() = 0;
    // Scrolled: the board surface kept what stays in view and has this board area to redraw,
    // confined to the pixels that came into view.
    virtual void RedrawArea(const TRect& area) = 0;
    // Scrolled, the board surface up to date: the window surface is to show it.
    virtual void ViewMoved() = 0;
};
