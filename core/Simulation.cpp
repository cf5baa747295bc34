#include "Simulation.h"

#include "Board.h"
#include "Context.h"
#include "RunControl.h"

#include <thread>

void MessagePump::WaitForMessages(std::optional<Clock::time_point> until)
{
    if (until) std::this_thread::sleep_until(*until);
}

void RunSimulation(TBord& board, MessagePump& pump, const std::function<void()>& redraw)
{
    TRunControl(board).Run(pump, redraw);
}

void RedrawBoard(TBord& board, Canvas& surface, int width, int height)
{
    surface.SetBrushStyle(TBrushStyle::Solid);
    surface.SetBrushColor(clBtnFace);
    surface.FillRect({0, 0, width, height});
    board.DrawAll();
    if (board.Context().Simulating) return;
    for (int y = 0; y < height; y += GridStep)
        for (int x = 0; x < width; x += GridStep) surface.SetPixel(x, y, clOlive);
}
