#include "Code.h"

#include "Board.h"
#include "Context.h"
#include "LevelDrawing.h"

#include <cstdlib>

TCode::TCode(TBord& board, Canvas* windowSurface) : TPartsBase(board, windowSurface) { ClassFlags |= cfCode; }

void TCode::Draw()
{
    Canvas* c = BoardCanvas();
    if (!c) return;
    const TPoint end = LocalToBoard({Width, Height});
    const TCircuitContext& context = Context();
    const TColourScheme& colours = context.Look.Colours();
    if (const auto show = context.ShownLevels ? context.ShownLevels->ShowOf(*this) : std::nullopt)
        DrawWireLine(*c, {Left, Top}, end, ShowColour(colours, *show), *show == TNetShow::High);
    else if (context.Marks.Picked.contains(this)) DrawWireLine(*c, {Left, Top}, end, colours.Highlight, true);
    else DrawWireLine(*c, {Left, Top}, end, colours.Wire, false);
}

void TCode::SetTanshi()
{
    ClearTanshis();
    AddTanshi(0, 0, dirWireEnd);
    AddTanshi(Width, Height, dirWireEnd);
}

void TCode::MouseMove(TShiftState, int x, int y)
{
    auto near = [](int64_t a, int64_t b) { return std::llabs(a - b) <= 2; };
    const int64_t right = int64_t{Left} + Width, bottom = int64_t{Top} + Height;
    if (Height != 0) {
        if (near(x, Left) && (near(y, Top) || near(y, bottom))) Context().Cursor = TCursorShape::SizeNS;
    } else if (near(y, Top) && (near(x, Left) || near(x, right))) {
        Context().Cursor = TCursorShape::SizeWE;
    }
}
