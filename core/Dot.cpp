#include "Dot.h"

#include "Board.h"
#include "Code.h"
#include "Context.h"
#include "LevelDrawing.h"

#include <cstdlib>

TDot::TDot(TBord& board, Canvas* windowSurface) : TPartsBase(board, windowSurface)
{
    SetSize(20, 20);
    WayCount = 1;
    ClassFlags |= cfDot;
}

void TDot::Draw()
{
    Canvas* c = BoardCanvas();
    if (!c) return;
    const TCircuitContext& context = Context();
    const TColourScheme& colours = context.Look.Colours();
    if (const auto show = context.ShownLevels ? context.ShownLevels->ShowOf(*this) : std::nullopt)
        DrawDotDisc(*c, Centre(), ShowColour(colours, *show));
    else if (context.Marks.Picked.contains(this)) DrawDotDisc(*c, Centre(), colours.Highlight);
    else if (context.Look.Scheme != TColourSchemeId::Normal) DrawDotDisc(*c, Centre(), colours.Wire);
    else c->DrawSprite(TSpriteList::Dot, 0, Left, Top);
}

void TDot::SetTanshi() { Board->Touch(*this); }

void TDot::MoveTo(int x, int y, bool relink)
{
    // Off its old centre, the dot no longer forbids merging the pieces that met there.
    const int32_t oldLeft = Left, oldTop = Top;
    SetLeft(-50);
    SetTop(-50);
    RelinkCodes();
    SetLeft(oldLeft);
    SetTop(oldTop);

    const TPoint centre{static_cast<int32_t>(int64_t{x} + Width / 2), static_cast<int32_t>(int64_t{y} + Height / 2)};
    TPartsList wires;
    Board->PartsOfKindAt(cfCode, Container, centre.x, centre.y, wires);
    for (TPartsBase* w : wires)
        if (w->HitTest(Container, centre.x, centre.y, nullptr) == hitBody) Cut(static_cast<TCode&>(*w), centre);

    SetLeft(x);
    SetTop(y);
    CollectCodes();
    for (TPartsBase* w : Codes) w->MoveTo(w->Left, w->Top, relink);
}

// The wire keeps its start and ends at the centre; a new wire runs on from the centre to its old end.
void TDot::Cut(TCode& wire, TPoint centre)
{
    auto* piece = Board->Create<TCode>(WindowSurface);
    piece->RecordCreate("TDot.Move CodeCreate");
    piece->Container = Container;
    piece->SetLeft(centre.x);
    piece->SetTop(centre.y);
    piece->Width = piece->DragWidth = SaturateInt32(std::abs(int64_t{wire.Left} + wire.Width - centre.x));
    piece->Height = piece->DragHeight = SaturateInt32(std::abs(int64_t{wire.Top} + wire.Height - centre.y));
    piece->SetTanshi();

    wire.RecordGeometry(false, "");
    wire.Width = wire.DragWidth = SaturateInt32(std::abs(int64_t{centre.x} - wire.Left));
    wire.Height = wire.DragHeight = SaturateInt32(std::abs(int64_t{centre.y} - wire.Top));
    wire.SetTanshi();
    wire.RecordGeometry(true, "TDot.Move CodeMove");
}

void TDot::CollectCodes()
{
    const TPoint centre = Centre();
    Board->PartsOfKindAt(cfCode, Container, centre.x, centre.y, Codes);
}

void TDot::RelinkCodes()
{
    // Codes is a snapshot: a wire that has left the board since (deleted, merged away, or destroyed
    // with the undo history) is passed over without being touched.
    auto first = [&](bool horizontal) -> TCode* {
        for (TPartsBase* o : Codes)
            if (Board->Holds(o) && o->Is(cfCode) && (horizontal ? o->Height == 0 : o->Width == 0))
                return static_cast<TCode*>(o);
        return nullptr;
    };
    if (TCode* h = first(true)) Board->LinkCode(h);
    if (TCode* v = first(false)) Board->LinkCode(v);
}
