#include "LevelDrawing.h"

#include "Canvas.h"
#include "Context.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int TagFontSize = 7;
// How far a terminal's square and its tag reach from the terminal point.
constexpr int TerminalReach = 11;
// How far the warning triangle reaches from the point where the second output joins.
constexpr int SecondDriverReach = 14;

// The rectangle from a to b, both included, grown by grow units on every side.
TRect Around(TPoint a, TPoint b, int grow)
{
    return {SatAdd(std::min(a.x, b.x), -grow), SatAdd(std::min(a.y, b.y), -grow), SatAdd(std::max(a.x, b.x), grow + 1),
            SatAdd(std::max(a.y, b.y), grow + 1)};
}

// A tag stands above its terminal, on the side away from the part's middle.
TPoint TagPlace(const TPartsBase& part, TPoint at)
{
    const bool left = int64_t{at.x} * 2 < int64_t{part.Left} * 2 + part.Width;
    return {SatAdd(at.x, left ? -7 : 2), SatAdd(at.y, -10)};
}

}  // namespace

TColor ShowColour(const TColourScheme& colours, TNetShow show)
{
    switch (show) {
    case TNetShow::Low: return colours.Low;
    case TNetShow::High: return colours.High;
    case TNetShow::Conflict: return colours.Conflict;
    }
    return colours.Low;
}

void DrawWireLine(Canvas& c, TPoint a, TPoint b, TColor colour, bool thick)
{
    if (!thick) {
        c.SetPenColor(colour);
        c.MoveTo(a.x, a.y);
        c.LineTo(b.x, b.y);
        return;
    }
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(colour);
    c.FillRect({std::min(a.x, b.x), std::min(a.y, b.y), SatAdd(std::max(a.x, b.x), 2), SatAdd(std::max(a.y, b.y), 2)});
}

void DrawDotDisc(Canvas& c, TPoint centre, TColor colour)
{
    c.SetPenMode(TPenMode::Copy);
    c.SetPenColor(colour);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(colour);
    c.Ellipse(SatAdd(centre.x, -3), SatAdd(centre.y, -3), SatAdd(centre.x, 4), SatAdd(centre.y, 4));
}

void DrawTerminalLevels(const TPartsBase& part, Canvas& c, const TCircuitContext& context)
{
    if (!part.Is(cfPart)) return;
    const TColourScheme& colours = context.Look.Colours();
    const TNetLevels* levels = context.ShownLevels;
    if (!levels && context.Marks.PickedTerminals.empty()) return;
    c.SetBrushStyle(TBrushStyle::Solid);
    for (const TTanshi* t : part.Tanshis) {
        const TPoint at = part.LocalToBoard(t->GetPos());
        // A tag reads the terminal's net, as its wires do: the inputs on a net its outputs agree on
        // hold its level; on a net in conflict, either.
        const auto show = levels ? levels->ShowOf(*t) : std::nullopt;
        std::optional<TColor> colour;
        if (show && t->Linked) colour = ShowColour(colours, *show);
        else if (!levels && context.Marks.PickedTerminals.contains(t)) colour = colours.Highlight;
        if (colour) {
            c.SetBrushColor(*colour);
            c.FillRect(Around(at, at, 1));
        }
        if (show && context.Look.LevelTags) {
            const TPoint tag = TagPlace(part, at);
            c.SetBrushStyle(TBrushStyle::Clear);
            c.SetFont(BoardFontFace, TagFontSize);
            c.SetFontColor(colours.TagText);
            c.TextOut(tag.x, tag.y, *show == TNetShow::High ? "1" : (*show == TNetShow::Low ? "0" : "X"));
            c.SetBrushStyle(TBrushStyle::Solid);
        }
    }
}

void DrawSecondDrivers(Canvas& c, const TCircuitContext& context, const TRect& area)
{
    const TColourScheme& colours = context.Look.Colours();
    for (const TPoint p : context.Marks.SecondDrivers) {
        if (!RectsOverlap(Around(p, p, SecondDriverReach), area)) continue;
        // A small warning triangle standing on the terminal, with an exclamation mark in it.
        c.SetPenMode(TPenMode::Copy);
        c.SetPenColor(colours.Warning);
        for (int row = 0; row < 7; ++row) {
            c.MoveTo(SatAdd(p.x, -row), SatAdd(p.y, row - 13));
            c.LineTo(SatAdd(p.x, row + 1), SatAdd(p.y, row - 13));
        }
        c.SetPenColor(colours.Board);
        c.MoveTo(p.x, SatAdd(p.y, -11));
        c.LineTo(p.x, SatAdd(p.y, -8));
        c.SetPixel(p.x, SatAdd(p.y, -7), colours.Board);
    }
}

void NetAreas(const TNetMap& map, uint32_t net, std::vector<TRect>& areas)
{
    for (const TPartsBase* o : map.Conductors(net)) {
        const TRect r = o->GetRect();
        areas.push_back(Around({r.Left, r.Top}, {r.Right, r.Bottom}, o->Is(cfDot) ? 0 : 2));
        // A sub-board terminal is a part as well: squares and tags stand at its terminals.
        if (o->Is(cfPart))
            for (const TTanshi* t : o->Tanshis) {
                const TPoint at = o->LocalToBoard(t->GetPos());
                areas.push_back(Around(at, at, TerminalReach));
            }
    }
    for (const TTanshi* t : map.Terminals(net)) {
        const TPoint at = t->Owner->LocalToBoard(t->GetPos());
        areas.push_back(Around(at, at, TerminalReach));
    }
}

void MergeAreas(std::vector<TRect>& areas)
{
    // Up to this gap, one repaint across it costs less than two.
    constexpr int64_t MergeGap = 24;
    std::sort(areas.begin(), areas.end(), [](const TRect& a, const TRect& b) {
        return std::tie(a.Top, a.Bottom, a.Left) < std::tie(b.Top, b.Bottom, b.Left);
    });
    size_t kept = 0;
    for (const TRect& r : areas) {
        TRect& last = areas[kept == 0 ? 0 : kept - 1];
        if (kept > 0 && last.Top == r.Top && last.Bottom == r.Bottom && r.Left <= int64_t{last.Right} + MergeGap)
            last.Right = std::max(last.Right, r.Right);
        else areas[kept++] = r;
    }
    areas.resize(kept);
}
