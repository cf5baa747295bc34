#pragma once

#include "Canvas.h"

#include <functional>

class TBord;

// The run loop calls it after every pass so that the front end can serve its pending events:
// switch presses, the stop command, repaints.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void ProcessMessages() = 0;
};

// Links, resolves the nets, resets and settles, then runs passes until the context's Simulating
// flag is cleared; redraw is called once the run is under way and once it has ended.
void RunSimulation(TBord& board, MessagePump& pump, const std::function<void()>& redraw);

// Background, every object, and the olive grid dots unless simulating.
void RedrawBoard(TBord& board, Canvas& surface, int width, int height);

inline constexpr int GridStep = 10;
