#include "Simulation.h"

#include "Board.h"
#include "Context.h"
#include "PassEngine.h"

void RunSimulation(TBord& board, MessagePump& pump, const std::function<void()>& redraw)
{
    TCircuitContext& context = board.Context();
    TPassEngine engine(board, context.Engine);
    engine.Start();
    engine.Pass();
    pump.ProcessMessages();
    if (redraw) redraw();
    do {
        engine.Pass();
        pump.ProcessMessages();
    } while (context.Simulating);
    if (redraw) redraw();
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
