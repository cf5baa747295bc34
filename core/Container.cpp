#include "Container.h"

#include "Board.h"
#include "Context.h"
#include "SubTerminal.h"
#include "TextKeys.h"

#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr const char* MacroNameKey = "MacroName";

bool Within(int64_t v, int64_t low, int64_t high) { return low <= v && v <= high; }

}  // namespace

TContainer::TContainer(TBord& board, Canvas* windowSurface) : TPartsBase(board, windowSurface)
{
    SetSize(60, 120);
    ClassFlags |= cfContainer;
}

void TContainer::Draw()
{
    Canvas* c = BoardCanvas();
    Children.Clear();
    if (c) {
        const TColourScheme& colours = Context().Look.Colours();
        const TRect box = GetRect();
        const int right = SaturateInt32(int64_t{box.Right} - 1), bottom = SaturateInt32(int64_t{box.Bottom} - 1);
        c->SetBrushStyle(TBrushStyle::Solid);
        c->SetBrushColor(colours.Box);
        c->FillRect({Left, Top, right, bottom});
        c->SetPenMode(TPenMode::Copy);
        c->SetPenColor(colours.BoxShadow);
        c->MoveTo(right, Top);
        c->LineTo(right, bottom);
        c->MoveTo(Left, bottom);
        c->LineTo(right, bottom);
        c->SetPenColor(colours.BoxLight);
        c->MoveTo(Left, Top);
        c->LineTo(right, Top);
        c->MoveTo(Left, Top);
        c->LineTo(Left, bottom);
        c->SetBrushColor(colours.BoxGrip);
        c->FillRect({SaturateInt32(int64_t{Left} + 2), SaturateInt32(int64_t{Top} + 2),
                     SaturateInt32(int64_t{Left} + 15), SaturateInt32(int64_t{Top} + 15)});
    }
    Board->ChildrenOf(this, Children);
    Region = GetRect();
    for (TPartsBase* child : Children) {
        if (child->Is(cfContainer)) continue;
        ClipTo();
        child->DrawWhole();
        Unclip();
    }
}

void TContainer::DrawDragFrame(Canvas& surface)
{
    surface.SetPenColor(clWhite);
    surface.SetPenMode(TPenMode::Xor);
    surface.SetBrushStyle(TBrushStyle::Clear);
    const int right = SaturateInt32(int64_t{DragLeft} + DragWidth);
    const int bottom = SaturateInt32(int64_t{DragTop} + DragHeight);
    surface.MoveTo(DragLeft, DragTop);
    surface.LineTo(right, DragTop);
    surface.LineTo(right, bottom);
    surface.LineTo(DragLeft, bottom);
    surface.LineTo(DragLeft, DragTop);
    Board->ChildrenOf(this, Children);
    for (const TPartsBase* child : Children) {
        if (!child->Is(cfSubTerminal)) continue;
        const TPoint p = child->GetTanshiPos(static_cast<const TSubTerminal*>(child)->OuterIndex());
        const int64_t qx = int64_t{p.x} + child->OffsetLeft + DragLeft;
        const int64_t qy = int64_t{p.y} + child->OffsetTop + DragTop;
        surface.Ellipse(SatAdd(qx, -3), SatAdd(qy, -3), SatAdd(qx, 3), SatAdd(qy, 3));
    }
    surface.SetPenMode(TPenMode::Copy);
}

int TContainer::HitTest(const TContainer* level, int x, int y, TTanshi** tanshi)
{
    if (tanshi) *tanshi = nullptr;
    if (level != this) return hitNone;
    if (Within(x, Left, int64_t{Left} + 15) && Within(y, Top, int64_t{Top} + 15)) return hitBody;
    if (Within(x, Left, int64_t{Left} + Width) && Within(y, Top, int64_t{Top} + Height)) return hitInside;
    return hitNone;
}

void TContainer::SetTanshi() { Board->Touch(*this); }

void TContainer::MoveTo(int x, int y, bool relink)
{
    if (relink) Board->BeginUpdate();
    Board->UnionBefore(GetRect());
    // Unlike other objects, a box keeps the position it had before the move here.
    DragLeft = Left;
    DragTop = Top;
    SetLeft(x);
    SetTop(y);
    Width = DragWidth;
    Height = DragHeight;
    SetTanshi();
    ChangeCldPartsLeftTop();
    Board->UnionAfter(GetRect());
    if (relink) Board->EndUpdate();
}

void TContainer::LoadFromStrings(const TStrings& lines)
{
    TPartsBase::LoadFromStrings(lines);
    MacroName = KeyValue(lines, MacroNameKey);
}

void TContainer::SaveToStrings(TStrings& lines) const
{
    TPartsBase::SaveToStrings(lines);
    AddKey(lines, MacroNameKey, MacroName);
}

void TContainer::MouseMove(TShiftState, int x, int y)
{
    const int64_t right = int64_t{Left} + Width, bottom = int64_t{Top} + Height;
    if (std::abs(x - right) <= 2 && Within(y, Top, bottom)) Context().Cursor = TCursorShape::SizeWE;
    else if (Within(x, Left, right) && std::abs(y - bottom) <= 2) Context().Cursor = TCursorShape::SizeNS;
}

void TContainer::ChangeCldPartsLeftTop()
{
    TPartsList inside;
    CollectDescendants(inside);
    if (inside.Empty() || (Left == DragLeft && Top == DragTop)) return;
    // A nested box precedes its contents in the list, so it has moved before they are placed from it.
    for (TPartsBase* o : inside) {
        o->RecordGeometry(false, "");
        Board->UnionBefore(o->GetRect());
        // Wraps like the offsets the setters keep, so that the offsets survive absurd positions.
        o->SetLeft(
            static_cast<int32_t>(static_cast<uint32_t>(o->Container->Left) + static_cast<uint32_t>(o->OffsetLeft)));
        o->SetTop(static_cast<int32_t>(static_cast<uint32_t>(o->Container->Top) + static_cast<uint32_t>(o->OffsetTop)));
        Board->UnionAfter(o->GetRect());
        o->RecordGeometry(true, "ChangeCldPartsLeftTop");
    }
}

void TContainer::CollectDescendants(TPartsList& list)
{
    // One pass sorts the board by box, so deep nesting costs no pass per box. Each box is entered
    // once and the walk keeps its own stack, so even a corrupted cycle of boxes ends.
    std::unordered_map<const TContainer*, std::vector<TPartsBase*>> inside;
    for (int i = 0; i < Board->Count(); ++i)
        if (TPartsBase* o = Board->Items(i); o->Container) inside[o->Container].push_back(o);
    auto enter = [&](TContainer& box) {
        box.Children.Clear();
        for (TPartsBase* child : inside[&box]) box.Children.Add(child);
    };
    std::unordered_set<const TContainer*> entered{this};
    struct TFrame {
        TContainer* Box;
        int Next;
    };
    std::vector<TFrame> stack{{this, 0}};
    enter(*this);
    while (!stack.empty()) {
        TFrame& top = stack.back();
        if (top.Next >= top.Box->Children.Count()) {
            stack.pop_back();
            continue;
        }
        TPartsBase* child = top.Box->Children.Items(top.Next++);
        if (!child->Is(cfContainer)) {
            list.Add(child);
            continue;
        }
        auto* box = static_cast<TContainer*>(child);
        if (!entered.insert(box).second) continue;
        list.Add(box);
        enter(*box);
        stack.push_back({box, 0});
    }
}

bool TContainer::CanHold(const TPartsBase& object) const
{
    if (&object == this) return false;
    // Walks up from this box; bounded by the board's size, so a corrupted cycle ends as well.
    const TContainer* c = Container;
    for (int steps = Board->Count(); c && steps >= 0; --steps, c = c->Container)
        if (c == &object) return false;
    return true;
}

void TContainer::ClipTo()
{
    if (Canvas* c = BoardCanvas()) c->ClipTo(Region);
}

void TContainer::Unclip()
{
    if (Canvas* c = BoardCanvas()) c->Unclip();
}
