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

}  // namespace

void TDragGesture::Begin(int x, int y)
{
    s_.Host.RedrawBoard();
    if (TPartsBase* first = st_.FirstSelected()) Grab(*first, x, y, s_.Host.BoardSurface());
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
}

void TDragGesture::ShowPreview()
{
    if (TPartsBase* first = st_.FirstSelected()) first->DrawDragFrame(s_.Host.WindowSurface());
}

void TDragGesture::Release(int rawX, int rawY)
{
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    if (TPartsBase* first = st_.FirstSelected()) {
        // A part placed by this press is recorded by its creation alone.
        const bool created = first == s_.CreatedPart;
        const TPoint before{first->Left, first->Top};
        TPartsBase* merged = DropObject(st_.SelectedParts, x, y, !created);
        if (merged || before != TPoint{first->Left, first->Top}) st_.Modified = true;
        if (merged) {
            st_.SelectOnly(merged);
            s_.Host.Redraw();
        } else {
            first->SetGrab(x, y);
            s_.ShowSelection();
        }
    }
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
    s_.Host.Paint();
}

void TMultiDragGesture::Move(int rawX, int rawY)
{
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    for (TPartsBase* o : st_.SelectedParts) MoveFrame(*o, x, y, s_.Host.WindowSurface());
}

void TMultiDragGesture::ShowPreview()
{
    for (TPartsBase* o : st_.SelectedParts) o->DrawDragFrame(s_.Host.WindowSurface());
}

void TMultiDragGesture::Release(int rawX, int rawY)
{
    if (!st_.SelectedParts.Empty()) {
        TPartsBase& first = *st_.SelectedParts.Items(0);
        const TPoint before{first.Left, first.Top};
        DropSelection(st_.SelectedParts, st_.SnapX(rawX), st_.SnapY(rawY));
        if (before != TPoint{first.Left, first.Top}) st_.Modified = true;
    }
    s_.ShowSelection();
    st_.EditState = esNone;
}
