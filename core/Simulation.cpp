#include "Simulation.h"

#include "Board.h"
#include "Context.h"
#include "LevelDrawing.h"
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

void RedrawBoard(TBord& board, Canvas& surface, const TRect& area)
{
    const TBoardLook& look = board.Context().Look;
    const TColourScheme& colours = look.Colours();
    surface.SetSpriteRim(colours.SpriteRim);
    surface.SetBrushStyle(TBrushStyle::Solid);
    surface.SetBrushColor(colours.Board);
    surface.FillRect(area);
    if (!board.Context().Simulating && look.GridDots) DrawGridDots(surface, area, colours.GridDot);
    board.DrawAll(area);
    // While editing, outputs joined on one net are marked; a run shows them in the conflict colour.
    if (!board.Context().Simulating) DrawSecondDrivers(surface, board.Context(), area);
}

void DrawGridDots(Canvas& surface, const TRect& area, TColor dot)
{
    // The first multiple of the step at or after v, for negative v as well.
    const auto firstDot = [](int32_t v) {
        const int64_t rest = ((int64_t{v} % GridStep) + GridStep) % GridStep;
        return rest == 0 ? int64_t{v} : int64_t{v} + GridStep - rest;
    };
    for (int64_t y = firstDot(area.Top); y < area.Bottom; y += GridStep)
        for (int64_t x = firstDot(area.Left); x < area.Right; x += GridStep)
            surface.SetPixel(static_cast<int>(x), static_cast<int>(y), dot);
}
