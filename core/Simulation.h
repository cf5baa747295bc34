#pragma once

#include "Canvas.h"

#include <chrono>
#include <functional>
#include <optional>

class TBord;

// The run loop calls it after every pass so that the front end can serve its pending events:
// switch presses, the stop command, repaints.
class MessagePump {
public:
    using Clock = std::chrono::steady_clock;

    virtual ~MessagePump() = default;
    virtual void ProcessMessages() = 0;
    // A paused or slowed run waits here: blocks until messages have been served, or until the
    // deadline when one is given, whichever comes first. A front end that receives no messages
    // sleeps until the deadline; without one it returns at once, since nothing could wake it.
    virtual void WaitForMessages(std::optional<Clock::time_point> until);

    // Whether a run at full speed may stop computing its passes once its circuit has come to rest,
    // counting them by the clock instead and waiting in WaitForMessages without a deadline until
    // something happens: only for a front end that schedules nothing by pass number.
    virtual bool Rests() const { return false; }
    // The clock that a resting run counts its passes by.
    virtual Clock::time_point Now() const { return Clock::now(); }
    // Whether the run is to look whether its circuit has come to rest; a resting front end asks for
    // it now and then (once a frame), so that the run pays for the look only then. Clears the ask.
    bool TakeRestCheck()
    {
        if (!restCheckDue_) return false;
        restCheckDue_ = false;
        return true;
    }

protected:
    void AskRestCheck() { restCheckDue_ = true; }

private:
    bool restCheckDue_ = false;
};

// Links, resolves the nets, resets and settles, then runs passes as fast as the machine allows
// until the context's Simulating flag is cleared; redraw is called once the run is under way and
// once it has ended.
void RunSimulation(TBord& board, MessagePump& pump, const std::function<void()>& redraw);

inline constexpr int GridStep = 10;

// Paints the board rectangle area (right and bottom excluded) of the surface, recording nothing of
// what the objects show (the board's ShowAll does that), in the colours of the context's look: the
// background over it, unless simulating or the look leaves them out the grid dots, and over them the objects that can
// draw inside it (all when the board cannot tell them cheaply), so that wires and parts are never spotted with dots.
// Objects reaching out of the area are drawn whole; a caller that must keep the rest of the surface confines the
// drawing.
void RedrawBoard(TBord& board, Canvas& surface, const TRect& area);
// One pixel of the dot colour at every multiple of GridStep inside the area.
void DrawGridDots(Canvas& surface, const TRect& area, TColor dot = clOlive);
