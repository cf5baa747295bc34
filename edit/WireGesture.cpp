#include "BoardEdits.h"
#include "Gestures.h"

#include <cstdlib>

void TWireGesture::Begin(int, int)
{
    st_.CodeDir = TCodeDir::None;
    st_.EditState = esDrawingCode;
}

// The L from the start to the pointer: along the start row first, or along the start column first.
void TWireGesture::DrawPreview()
{
    Canvas& c = s_.Host.WindowSurface();
    c.SetPenColor(clLime);
    c.SetPenMode(TPenMode::Xor);
    const bool across = st_.CodeDir == TCodeDir::Horizontal;
    const TPoint corner = across ? TPoint{st_.CurX, st_.StartY} : TPoint{st_.StartX, st_.CurY};
    c.MoveTo(st_.StartX, st_.StartY);
    c.LineTo(corner.x, corner.y);
    c.LineTo(st_.CurX, st_.CurY);
    c.SetPenMode(TPenMode::Copy);
}

void TWireGesture::Move(int rawX, int rawY)
{
    if (st_.CodeDir == TCodeDir::None) {
        const int64_t across = std::abs(int64_t{st_.StartX} - rawX), down = std::abs(int64_t{st_.StartY} - rawY);
        if (down <= st_.GridY && across <= st_.GridX) return;
        // The bend follows the first clear move: further across than down runs along the row first.
        st_.CodeDir = across != 0 && down / across == 0 ? TCodeDir::Horizontal : TCodeDir::Vertical;
        return;
    }
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    DrawPreview();
    // Back on the start column (row) both shapes of the L coincide: the bend may switch there.
    const TCodeDir next = st_.CodeDir == TCodeDir::Horizontal
                              ? (x == st_.StartX ? TCodeDir::Vertical : TCodeDir::Horizontal)
                              : (y == st_.StartY ? TCodeDir::Horizontal : TCodeDir::Vertical);
    st_.CurX = x;
    st_.CurY = y;
    DrawPreview();
    st_.CodeDir = next;
}

void TWireGesture::ShowPreview()
{
    if (st_.CodeDir != TCodeDir::None) DrawPreview();
}

void TWireGesture::Release(int rawX, int rawY)
{
    st_.Modified = true;
    if (st_.StartX == st_.CurX && st_.StartY == st_.CurY) return;
    // A leg is the first arm of the L; when that arm has no length the preview showed only the other.
    bool across = st_.CodeDir == TCodeDir::Horizontal;
    if (across ? st_.CurX == st_.StartX : st_.CurY == st_.StartY) across = !across;
    const TPoint from{st_.StartX, st_.StartY};
    const TPoint to = across ? TPoint{st_.CurX, st_.StartY} : TPoint{st_.StartX, st_.CurY};
    (across ? st_.StartX : st_.StartY) = across ? st_.CurX : st_.CurY;
    TCode* wire = DrawWireLeg(s_.Bord, &s_.Host.WindowSurface(), st_.CurContainer, from, to, {rawX, rawY});
    s_.Host.Redraw();
    st_.CurX = st_.SnapX(rawX);
    st_.CurY = st_.SnapY(rawY);
    if (!wire || wire->HitTest(st_.CurContainer, st_.CurX, st_.CurY, nullptr) != hitNone) {
        // Released on the leg just made: the preview had no second arm, and the wire is finished.
        st_.EditState = esNone;
        st_.CodeDir = TCodeDir::None;
        s_.Host.Redraw();
        st_.SelectOnly(nullptr);
        return;
    }
    // The next leg's preview runs on from the corner.
    DrawPreview();
}
