#include "BoardEdits.h"

#include "Boxing.h"
#include "ClassRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// Where the object's corner lands when the pointer holding it is at (x, y); wraps like SetGrab.
TPoint GrabbedCorner(const TPartsBase& o, int x, int y)
{
    return {static_cast<int32_t>(static_cast<uint32_t>(x) - static_cast<uint32_t>(o.GrabX)),
            static_cast<int32_t>(static_cast<uint32_t>(y) - static_cast<uint32_t>(o.GrabY))};
}

// The wire that takes in w, and the one that takes in that in turn, if any.
TCode* MergeWire(TBord& board, TCode* w)
{
    TCode* merged = board.LinkCode(w);
    if (!merged) return nullptr;
    TCode* again = board.LinkCode(merged);
    return again ? again : merged;
}

// The box wholly enclosing the object, judged at the four points just outside its corners;
// none when they disagree (it straddles an edge).
std::optional<TContainer*> EnclosingBox(const TBord& board, const TPartsBase& o)
{
    const int x0 = SatAdd(o.Left, -1), y0 = SatAdd(o.Top, -1);
    const int x1 = SatAdd(int64_t{o.Left} + o.Width, 1), y1 = SatAdd(int64_t{o.Top} + o.Height, 1);
    auto boxAt = [&](int x, int y) { return static_cast<TContainer*>(board.ContainerAt(x, y).Object); };
    TContainer* box = boxAt(x0, y0);
    if (boxAt(x1, y0) != box || boxAt(x1, y1) != box || boxAt(x0, y1) != box) return std::nullopt;
    return box;
}

// A box that changes its holder goes to the end of the list with the boxes inside it, in the
// order they nest, so that each is drawn after the box that holds it.
void DrawAfterHolder(TBord& board, TContainer& box)
{
    TPartsList inside;
    box.CollectDescendants(inside);
    board.Add(board.Remove(&box));
    for (TPartsBase* o : inside)
        if (o->Is(cfContainer)) board.Add(board.Remove(o));
}

// The object inside level with corners a and b; its size waits in DragWidth and DragHeight.
void Span(TPartsBase& o, TContainer* level, TPoint a, TPoint b)
{
    o.Container = level;
    o.SetLeft(std::min(a.x, b.x));
    o.SetTop(std::min(a.y, b.y));
    o.DragWidth = SaturateInt32(std::abs(int64_t{a.x} - b.x));
    o.DragHeight = SaturateInt32(std::abs(int64_t{a.y} - b.y));
}

// Terminals link only on their own level, so the links around the object change with it.
void PutInto(TBord& board, TPartsBase& o, TContainer* box)
{
    o.Container = box;
    o.SetLeft(o.Left);
    o.SetTop(o.Top);
    if (o.Is(cfContainer)) DrawAfterHolder(board, static_cast<TContainer&>(o));
    board.CheckLinksInRect(o.GetRect());
}

// One leg, merged with the collinear wires it continues, recorded into the open batch; answers the
// wire that holds it.
TCode* LayLeg(TBord& board, Canvas* windowSurface, TContainer* level, TPoint from, TPoint to, TPoint grab)
{
    auto* wire = board.Create<TCode>(windowSurface);
    wire->RecordCreate("MouseUp DrawingCode");
    Span(*wire, level, from, to);
    wire->SetTanshi();
    wire->SetGrab(grab.x, grab.y);
    wire->MoveTo(wire->Left, wire->Top, true);
    if (TCode* merged = MergeWire(board, wire)) wire = merged;
    wire->Container = level;
    wire->SetTanshi();
    wire->SetGrab(grab.x, grab.y);
    wire->MoveTo(wire->Left, wire->Top, true);
    return wire;
}

// A junction dot at the end of a leg, when the body of a wire running across the leg passes there:
// the dot cuts that wire and links the pieces with the leg, recorded into the open batch.
void JoinTee(TBord& board, Canvas* windowSurface, TContainer* level, TPoint end, bool acrossLeg)
{
    TPartsList wires;
    board.PartsOfKindAt(cfCode, level, end.x, end.y, wires);
    const bool tee = std::any_of(wires.begin(), wires.end(), [&](TPartsBase* w) {
        const bool across = w->Height == 0;
        return across != acrossLeg && w->HitTest(level, end.x, end.y, nullptr) == hitBody;
    });
    if (!tee) return;
    auto* dot = board.Create<TDot>(windowSurface);
    dot->RecordCreate("MouseUp DrawingCode");
    dot->Container = level;
    dot->MoveTo(end.x - dot->Width / 2, end.y - dot->Height / 2, true);
}

// The following wires reshaped for objects moved by the offset, recorded into the open batch: a
// wire keeps its first leg, a bend becomes a wire of its own, and a wire left without length goes.
void Reshape(TBord& board, const TFollowingWires& followers, TPoint offset, const std::string& label)
{
    for (const TFollowingWires::TRoute& route : followers.Routes(offset)) {
        TCode& wire = *route.Wire;
        if (!board.Holds(&wire)) continue;
        const std::vector<TPoint>& points = route.Points;
        if (points[0] == points[1]) {
            wire.Delete(label);
            continue;
        }
        wire.RecordGeometry(false, "");
        // Moved in one step, so that the links are checked where it was as well as where it is.
        wire.DragWidth = SaturateInt32(std::abs(int64_t{points[0].x} - points[1].x));
        wire.DragHeight = SaturateInt32(std::abs(int64_t{points[0].y} - points[1].y));
        wire.MoveTo(std::min(points[0].x, points[1].x), std::min(points[0].y, points[1].y), true);
        wire.RecordGeometry(true, label);
        for (size_t i = 2; i < points.size(); ++i) {
            auto* bend = board.Create<TCode>(wire.WindowSurface);
            bend->RecordCreate(label);
            Span(*bend, wire.Container, points[i - 1], points[i]);
            bend->MoveTo(bend->Left, bend->Top, true);
        }
    }
}

// Whether every object still stands on the level it had before the drop.
bool SameLevels(const TPartsList& objects, const std::vector<TContainer*>& levels)
{
    for (int i = 0; i < objects.Count(); ++i)
        if (objects.Items(i)->Container != levels[static_cast<size_t>(i)]) return false;
    return true;
}

std::vector<TContainer*> LevelsOf(const TPartsList& objects)
{
    std::vector<TContainer*> levels;
    for (const TPartsBase* o : objects) levels.push_back(o->Container);
    return levels;
}

// The crossing wire cut at the box's edge: it keeps its part outside, a sub-board terminal on the
// edge carries the signal across, and a new wire inside runs on from the terminal's inner pin.
void JoinThroughEdge(TBord& board, Canvas* windowSurface, TContainer& box, const TCrossing& crossing)
{
    TCode& wire = *crossing.Wire;
    wire.RecordGeometry(false, "");
    wire.DragWidth = SaturateInt32(std::abs(int64_t{crossing.Outer.x} - crossing.Edge.x));
    wire.DragHeight = SaturateInt32(std::abs(int64_t{crossing.Outer.y} - crossing.Edge.y));
    wire.MoveTo(std::min(crossing.Outer.x, crossing.Edge.x), std::min(crossing.Outer.y, crossing.Edge.y), true);
    wire.RecordGeometry(true, "MouseUp MouseDown");

    const TEdgeTerminal edge = EdgeTerminalFor(crossing, box.GetRect());
    TPartsBase* terminal = FindPartClass(edge.ClassName)->Create(board, windowSurface);
    terminal->RecordCreate("MouseUp MouseDown");
    terminal->Container = &box;
    terminal->Way = edge.Way;
    terminal->SetTanshi();
    terminal->MoveTo(edge.Corner.x, edge.Corner.y, true);
    if (edge.InnerPin == crossing.Inner) return;
    auto* inside = board.Create<TCode>(windowSurface);
    inside->RecordCreate("MouseUp MouseDown");
    Span(*inside, &box, edge.InnerPin, crossing.Inner);
    inside->MoveTo(inside->Left, inside->Top, true);
}

}  // namespace

TPartsBase* CreatePart(TBord& board, Canvas* windowSurface, const std::string& className, int32_t partNo,
                       TContainer* level, int x, int y)
{
    const TPartClass* partClass = FindPartClass(className);
    if (!partClass) return nullptr;
    TEditBatch batch(board.Context());
    if (!batch.IsOpen()) return nullptr;
    TPartsBase* part = partClass->Create(board, windowSurface);
    part->RecordCreate("MouseDown CreatePart");
    batch.Commit();
    part->Container = level;
    part->PartNo = partNo;
    part->SetTanshi();
    part->MoveTo(x, y, true);
    return part;
}

TDot* CreateDot(TBord& board, Canvas* windowSurface, TContainer* level, int cx, int cy)
{
    auto* dot = board.Create<TDot>(windowSurface);
    dot->RecordCreate("MouseDown CreateDot");
    dot->Container = level;
    // Shown where it was pressed until the drop cuts the wires there.
    dot->SetLeft(cx - dot->Width / 2);
    dot->SetTop(cy - dot->Height / 2);
    dot->SetDragPos(dot->Left, dot->Top);
    return dot;
}

void DropDot(TDot& dot, int cx, int cy, std::unique_ptr<TEditBatch> creation)
{
    std::optional<TEditBatch> own;
    if (!creation) {
        own.emplace(dot.Context());
        if (!own->IsOpen()) return;
        // The wires it was set on are those at its centre now: it has not moved while dragged.
        dot.CollectCodes();
        dot.RecordGeometry(false, "");
    }
    dot.MoveTo(SatAdd(cx, -dot.Width / 2), SatAdd(cy, -dot.Height / 2), true);
    TPartsList moved;
    moved.Add(&dot);
    ReparentMoved(*dot.Board, moved);
    if (own) {
        dot.RecordGeometry(true, "MouseUp CreateDot");
        own->Commit();
    } else {
        creation->Commit();
    }
}

TCode* DrawWireRoute(TBord& board, Canvas* windowSurface, TContainer* level, const std::vector<TPoint>& route,
                     TPoint grab)
{
    TEditBatch batch(board.Context());
    if (!batch.IsOpen()) return nullptr;
    TCode* last = nullptr;
    for (size_t i = 1; i < route.size(); ++i) {
        const TPoint from = route[i - 1], to = route[i];
        if (from == to) continue;
        last = LayLeg(board, windowSurface, level, from, to, grab);
        const bool across = from.y == to.y;
        JoinTee(board, windowSurface, level, from, across);
        JoinTee(board, windowSurface, level, to, across);
    }
    batch.Commit();
    return last;
}

TPartsBase* DropObject(TPartsList& selection, int x, int y, bool record, const TFollowingWires& followers)
{
    TPartsBase& first = *selection.Items(0);
    TBord& board = *first.Board;
    // Whether or not it moved, merging may record: the batch is opened either way.
    TEditBatch batch(board.Context());
    if (!batch.IsOpen()) return nullptr;
    const TPoint corner = GrabbedCorner(first, x, y);
    if (first.Left != corner.x || first.Top != corner.y) {
        const TPoint offset{SatAdd(corner.x, -int64_t{first.Left}), SatAdd(corner.y, -int64_t{first.Top})};
        const std::vector<TContainer*> levels = LevelsOf(selection);
        if (record) first.RecordGeometry(false, "");
        first.MoveTo(corner.x, corner.y, true);
        ReparentMoved(board, selection);
        if (record) first.RecordGeometry(true, "MouseUp SelectingPart");
        if (SameLevels(selection, levels)) Reshape(board, followers, offset, "MouseUp SelectingPart");
    }
    TCode* merged = first.Is(cfCode) ? MergeWire(board, static_cast<TCode*>(&first)) : nullptr;
    batch.Commit();
    return merged;
}

void DropSelection(TPartsList& selection, int x, int y, const TFollowingWires& followers)
{
    TPartsBase& first = *selection.Items(0);
    TBord& board = *first.Board;
    TEditBatch batch(board.Context());
    if (!batch.IsOpen()) return;
    const TPoint corner = GrabbedCorner(first, x, y);
    const bool changed = first.Left != corner.x || first.Top != corner.y;
    const TPoint offset{SatAdd(corner.x, -int64_t{first.Left}), SatAdd(corner.y, -int64_t{first.Top})};
    const std::vector<TContainer*> levels = LevelsOf(selection);
    if (changed)
        for (TPartsBase* o : selection) o->RecordGeometry(false, "");
    board.BeginUpdate();
    for (TPartsBase* o : selection) {
        const TPoint to = GrabbedCorner(*o, x, y);
        // A dot dragged with others moves alone: its wires are neither cut nor joined.
        if (o->Is(cfDot))
            o->SetLeftTop(to.x, to.y);
        else
            o->MoveTo(to.x, to.y, false);
    }
    board.EndUpdate();
    // Only a real move re-boxes: a click must not change levels without an undo record.
    if (changed) {
        ReparentMoved(board, selection);
        for (TPartsBase* o : selection) o->RecordGeometry(true, "MouseUp MultiSelect");
        if (SameLevels(selection, levels)) Reshape(board, followers, offset, "MouseUp MultiSelect");
    }
    batch.Commit();
}

void ReparentMoved(TBord& board, const TPartsList& moved)
{
    if (moved.Empty()) return;
    const std::optional<TContainer*> common = EnclosingBox(board, *moved.Items(0));
    if (!common) return;
    TContainer* box = *common;
    for (const TPartsBase* o : moved) {
        if (EnclosingBox(board, *o) != common) return;
        if (!box && o->Is(cfSubTerminal)) return;
        if (box && !box->CanHold(*o)) return;
    }
    for (TPartsBase* o : moved)
        if (o->Container != box) PutInto(board, *o, box);
}

TContainer* CreateSubBoard(TBord& board, Canvas* windowSurface, TContainer* level, TRect corners, std::string& refusal)
{
    const TRect r{std::min(corners.Left, corners.Right), std::min(corners.Top, corners.Bottom),
                  std::max(corners.Left, corners.Right), std::max(corners.Top, corners.Bottom)};
    // What the new box is drawn around goes into it, as if dragged in.
    TPartsList around;
    board.PartsInRect(level, r.Left, r.Top, r.Right, r.Bottom, around);
    const TBoxingPlan plan = PlanBoxing(board, level, r, around);
    refusal = plan.Refusal;
    if (!refusal.empty()) return nullptr;
    TEditBatch batch(board.Context());
    if (!batch.IsOpen()) return nullptr;
    auto* box = board.Create<TContainer>(windowSurface);
    box->RecordCreate("MouseUp MouseDown");
    Span(*box, level, {corners.Left, corners.Top}, {corners.Right, corners.Bottom});
    box->MoveTo(box->Left, box->Top, true);
    for (TPartsBase* o : around) {
        o->RecordGeometry(false, "");
        PutInto(board, *o, box);
        o->RecordGeometry(true, "MouseUp MouseDown");
    }
    for (const TCrossing& crossing : plan.Crossings) JoinThroughEdge(board, windowSurface, *box, crossing);
    batch.Commit();
    return box;
}

TPartsBase* ResizeObject(TPartsBase& object)
{
    TEditBatch batch(object.Context());
    if (!batch.IsOpen()) return nullptr;
    const bool changed = object.Width != object.DragWidth || object.Height != object.DragHeight;
    const bool wire = object.Is(cfCode);
    if (changed) object.RecordGeometry(false, "");
    if (wire)
        object.MoveTo(object.DragLeft, object.DragTop, true);
    else
        object.MoveTo(object.Left, object.Top, true);
    if (changed) object.RecordGeometry(true, wire ? "MouseUp ChangeSize:Code" : "MouseUp ChangeSize:Container");
    TPartsBase* result = &object;
    if (wire)
        if (TCode* merged = MergeWire(*object.Board, static_cast<TCode*>(&object))) result = merged;
    batch.Commit();
    return result;
}

void DeleteObject(TPartsBase& object)
{
    TEditBatch batch(object.Context());
    if (!batch.IsOpen()) return;
    auto* dot = object.Is(cfDot) ? static_cast<TDot*>(&object) : nullptr;
    if (dot) dot->CollectCodes();
    object.Delete("One Part");
    if (dot) dot->RelinkCodes();
    batch.Commit();
    object.Board->CheckLinksInRect(object.GetRect());
}

void DeleteObjects(TBord& board, TPartsList& objects)
{
    const int chosen = objects.Count();
    for (int i = 0; i < chosen; ++i) {
        if (!objects.Items(i)->Is(cfContainer)) continue;
        TPartsList inside;
        static_cast<TContainer*>(objects.Items(i))->CollectDescendants(inside);
        for (TPartsBase* o : inside)
            if (objects.IndexOf(o) < 0) objects.Add(o);
    }
    if (!objects.Empty()) {
        TEditBatch batch(board.Context());
        if (!batch.IsOpen()) return;
        for (int i = objects.Count() - 1; i >= 0; --i) objects.Items(i)->Delete("Multi Parts");
        batch.Commit();
    }
    board.CheckAllLinks();
}
