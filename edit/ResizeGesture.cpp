#include "BoardEdits.h"
#include "Gestures.h"

TPartsBase* TResizeGesture::Target() const
{
    TPartsBase* first = st_.FirstSelected();
    return first && (first->Is(cfCode) || first->Is(cfContainer)) ? first : nullptr;
}

void TResizeGesture::Begin(int x, int y)
{
    s_.Host.RedrawBoard();
    if (TPartsBase* target = Target()) {
        target->SetGrab(x, y);
        target->SetDragPos(target->Left, target->Top);
        target->DrawDragFrame(s_.Host.BoardSurface());
        st_.SizeFromStart = target->Is(cfCode) && x == target->Left && y == target->Top;
    }
    s_.Host.Paint();
}

void TResizeGesture::ShowPreview()
{
    if (TPartsBase* target = Target()) target->DrawDragFrame(s_.Host.WindowSurface());
}

void TResizeGesture::Move(int rawX, int rawY)
{
    TPartsBase* target = Target();
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    if (!target || (x == st_.LastDragX && y == st_.LastDragY)) return;
    st_.LastDragX = x;
    st_.LastDragY = y;
    target->DrawDragFrame(s_.Host.WindowSurface());
    const bool acrossCursor = s_.Context.Cursor == TCursorShape::SizeWE;
    if (target->Is(cfCode)) {
        // A wire keeps at least one grid step, and the end not grabbed stays where it is.
        const int step = acrossCursor ? st_.GridX : st_.GridY;
        const int pointer = acrossCursor ? x : y;
        const int64_t start = acrossCursor ? target->Left : target->Top;
        const int64_t length = acrossCursor ? target->Width : target->Height;
        int32_t& dragStart = acrossCursor ? target->DragLeft : target->DragTop;
        int32_t& dragLength = acrossCursor ? target->DragWidth : target->DragHeight;
        if (st_.SizeFromStart && start + length - pointer >= step) {
            dragLength = SaturateInt32(int64_t{dragStart} + dragLength - pointer);
            dragStart = pointer;
        } else if (!st_.SizeFromStart && pointer - start >= step) {
            dragLength = SaturateInt32(pointer - start);
        }
    } else if (acrossCursor && int64_t{x} - target->Left >= 2 * st_.GridX) {
        // A sub-board moves only its right and bottom edges and keeps two grid steps each way.
        target->DragWidth = SaturateInt32(int64_t{x} - target->Left);
    } else if (!acrossCursor && int64_t{y} - target->Top >= 2 * st_.GridY) {
        target->DragHeight = SaturateInt32(int64_t{y} - target->Top);
    }
    target->DrawDragFrame(s_.Host.WindowSurface());
}

void TResizeGesture::Release(int, int)
{
    if (TPartsBase* target = Target()) {
        if (target->Width != target->DragWidth || target->Height != target->DragHeight) st_.Modified = true;
        st_.SelectOnly(ResizeObject(*target));
        s_.ShowSelection();
    }
    s_.Context.Cursor = TCursorShape::Arrow;
    st_.EditState = esNone;
}
