#include "BoardEdits.h"
#include "Gestures.h"

namespace {

// The object's outline starts where it stands, held at (x, y).
void Grab(TPartsBase& o, int x, int y, Canvas& surface)
{
    o.SetGrab(x, y);
    o.SetDragPos(o.Left, o.Top);
    o.DrawDragFrame(surface);
    if (o.Is(cfDot)) static_cast<TDot&>(o).CollectCodes();
}

// The outline taken off where it was and drawn where the pointer at (x, y) now holds the object.
void MoveFrame(TPartsBase& o, int x, int y, Canvas& surface)
{
    o.DrawDragFrame(surface);
    o.SetDragPos(static_cast<int32_t>(static_cast<uint32_t>(x) - static_cast<uint32_t>(o.GrabX)),
                 static_cast<int32_t>(static_cast<uint32_t>(y) - static_cast<uint32_t>(o.GrabY)));
    o.DrawDragFrame(surface);
}

// How far the outline of the object stands from the object.
TPoint Dragged(const TPartsBase& o)
{
    return {SatAdd(o.DragLeft, -int64_t{o.Left}), SatAdd(o.DragTop, -int64_t{o.Top})};
}

}  // namespace

void TMoveGesture::Follow(const TPartsList& moved)
{
    followers_.Collect(s_.Bord, moved);
    shown_.reset();
}

void TMoveGesture::ShowFollowers(TPoint offset)
{
    DrawFollowers();
    shown_.reset();
    if (!st_.AltHeld) shown_ = offset;
    DrawFollowers();
}

void TMoveGesture::RedrawFollowers() { DrawFollowers(); }

void TMoveGesture::DrawFollowers()
{
    if (!shown_ || followers_.Empty()) return;
    Canvas& surface = s_.Host.WindowSurface();
    surface.SetPenColor(clWhite);
    surface.SetPenMode(TPenMode::Xor);
    followers_.Draw(surface, *shown_);
    surface.SetPenMode(TPenMode::Copy);
}

const TFollowingWires& TMoveGesture::Followers() const { return st_.AltHeld ? none_ : followers_; }

void TMoveGesture::StopFollowing()
{
    followers_.Clear();
    shown_.reset();
}

void TDragGesture::Begin(int x, int y)
{
    s_.Host.RedrawBoard();
    StopFollowing();
    if (TPartsBase* first = st_.FirstSelected()) {
        Grab(*first, x, y, s_.Host.BoardSurface());
        // A part placed by this very press brings no wires along.
        if (first != s_.CreatedPart) Follow(st_.SelectedParts);
    }
    s_.Host.Paint();
}

void TDragGesture::Move(int rawX, int rawY)
{
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    TPartsBase* first = st_.FirstSelected();
    if (!first || (x == st_.LastDragX && y == st_.LastDragY)) return;
    st_.LastDragX = x;
    st_.LastDragY = y;
    MoveFrame(*first, x, y, s_.Host.WindowSurface());
    ShowFollowers(Dragged(*first));
}

void TDragGesture::ShowPreview()
{
    if (TPartsBase* first = st_.FirstSelected()) first->DrawDragFrame(s_.Host.WindowSurface());
    RedrawFollowers();
}

void TDragGesture::Release(int rawX, int rawY)
{
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    if (TPartsBase* first = st_.FirstSelected()) {
        // A part placed by this press is recorded by its creation alone.
        const bool created = first == s_.CreatedPart;
        const TPoint before{first->Left, first->Top};
        TPartsBase* merged = DropObject(st_.SelectedParts, x, y, !created, Followers());
        if (merged || before != TPoint{first->Left, first->Top}) st_.Modified = true;
        if (merged) {
            st_.SelectOnly(merged);
            s_.Host.Redraw();
        } else {
            first->SetGrab(x, y);
            s_.ShowSelection();
        }
    }
    StopFollowing();
    s_.CreatedPart = nullptr;
    st_.ToolClass.clear();
    st_.EditState = esNone;
}

void TMultiDragGesture::Begin(int x, int y)
{
    s_.Host.RedrawBoard();
    // Only the selected objects of the pressed object's level are dragged.
    const TContainer* level = s_.Pressed ? s_.Pressed->Container : st_.CurContainer;
    TPartsList kept;
    for (TPartsBase* o : st_.SelectedParts)
        if (o->Container == level) kept.Add(o);
    st_.SelectedParts.Assign(kept);
    for (TPartsBase* o : st_.SelectedParts) Grab(*o, x, y, s_.Host.BoardSurface());
    Follow(st_.SelectedParts);
    s_.Host.Paint();
}

void TMultiDragGesture::Move(int rawX, int rawY)
{
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    for (TPartsBase* o : st_.SelectedParts) MoveFrame(*o, x, y, s_.Host.WindowSurface());
    if (!st_.SelectedParts.Empty()) ShowFollowers(Dragged(*st_.SelectedParts.Items(0)));
}

void TMultiDragGesture::ShowPreview()
{
    for (TPartsBase* o : st_.SelectedParts) o->DrawDragFrame(s_.Host.WindowSurface());
    RedrawFollowers();
}

void TMultiDragGesture::Release(int rawX, int rawY)
{
    if (!st_.SelectedParts.Empty()) {
        TPartsBase& first = *st_.SelectedParts.Items(0);
        const TPoint before{first.Left, first.Top};
        DropSelection(st_.SelectedParts, st_.SnapX(rawX), st_.SnapY(rawY), Followers());
        if (before != TPoint{first.Left, first.Top}) st_.Modified = true;
    }
    StopFollowing();
    s_.ShowSelection();
    st_.EditState = esNone;
}
