#pragma once

#include "ActionManager.h"

#include <QPoint>

#include <functional>
#include <utility>

// A wire dragged with the wire tool onto a terminal or a wire, along the start's row first and then
// down or up to the end; the select tool is checked again afterwards.
template <class Mouse>
void DragWire(Mouse& mouse, const TActionManager& actions, QPoint from, QPoint to)
{
    actions.actCode->trigger();
    mouse.Hover(from);
    mouse.Press(from);
    mouse.MoveTo(QPoint(to.x(), from.y()));
    mouse.MoveTo(to);
    mouse.Release(to);
    actions.actAuto->trigger();
}

// The gestures that build a half adder by mouse: two toggle switches, an exclusive-or and an and
// gate, two LEDs, and every wire one drag onto a terminal, the two branches starting on a wire.
// No dot is placed by hand. The mouse offers Hover, Press, MoveTo, Release and Wire in board
// points; put places a part with its tool, and afterFirstPart runs once the first switch stands
// (a view test scrolls there).
template <class Mouse>
void BuildHalfAdderByMouse(Mouse& mouse, const TActionManager& actions, const std::function<void(TAction*, QPoint)>& put,
                           const std::function<void()>& afterFirstPart = [] {})
{
    put(actions.actTGLSW, {100, 100});  // output (120, 110)
    afterFirstPart();
    put(actions.actTGLSW, {100, 200});  // output (120, 210)
    put(actions.actEOR2, {300, 100});   // inputs (300, 110), (300, 130); output (340, 120)
    put(actions.actAND2, {300, 200});   // inputs (300, 210), (300, 230); output (340, 220)
    put(actions.actRLED, {420, 110});   // input (420, 120)
    put(actions.actRLED, {420, 210});   // input (420, 220)
    mouse.Wire({120, 110}, {300, 110});
    mouse.Wire({120, 210}, {300, 210});
    // A press with the select tool and a release with the wire tool leave nothing behind.
    mouse.Hover({160, 210});
    mouse.Press({160, 210});
    actions.actCode->trigger();
    mouse.Release({160, 210});
    actions.actAuto->trigger();
    mouse.Wire({340, 120}, {420, 120});
    mouse.Wire({340, 220}, {420, 220});
    actions.actCode->trigger();
    // Branches from the middle of those wires, down or up first: each joins its wire with a dot
    // of its own, and the second crosses a wire without joining it.
    for (const auto& [from, to] : {std::pair{QPoint(160, 210), QPoint(300, 130)}, {QPoint(220, 110), QPoint(300, 230)}}) {
        mouse.Hover(from);
        mouse.Press(from);
        mouse.MoveTo(QPoint(from.x(), to.y()));
        mouse.MoveTo(to);
        mouse.Release(to);
    }
    actions.actAuto->trigger();
}
