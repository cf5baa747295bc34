#include "BoardEdits.h"
#include "Gestures.h"

#include <cstdlib>

namespace {

// Dashes and gaps of a pending leg, in board units.
constexpr int DashLength = 4;

// The line from a to b on one row or column, in dashes; like LineTo it leaves out b, so that drawn
// twice in XOR it leaves no trace.
void DashedLine(Canvas& c, TPoint a, TPoint b)
{
    const int64_t length = std::abs(int64_t{b.x} - a.x) + std::abs(int64_t{b.y} - a.y);
    const int dx = b.x > a.x ? 1 : b.x < a.x ? -1 : 0, dy = b.y > a.y ? 1 : b.y < a.y ? -1 : 0;
    for (int64_t at = 0; at < length; at += 2 * DashLength) {
        const int64_t stop = std::min<int64_t>(at + DashLength, length);
        c.MoveTo(static_cast<int>(a.x + dx * at), static_cast<int>(a.y + dy * at));
        c.LineTo(static_cast<int>(a.x + dx * stop), static_cast<int>(a.y + dy * stop));
    }
}

}  // namespace

void TWireGesture::Begin(int, int)
{
    st_.CodeDir = TCodeDir::None;
    st_.EditState = esDrawingCode;
    st_.WireEndsHere = false;
}

// The L from the start to the pointer: along the start row first, or along the start column first.
void TWireGesture::DrawPreview()
{
    Canvas& c = s_.Host.WindowSurface();
    c.SetPenColor(clLime);
    c.SetPenMode(TPenMode::Xor);
    const bool across = st_.CodeDir == TCodeDir::Horizontal;
    const TPoint start{st_.StartX, st_.StartY}, end{st_.CurX, st_.CurY};
    const TPoint corner = across ? TPoint{end.x, start.y} : TPoint{start.x, end.y};
    c.MoveTo(start.x, start.y);
    c.LineTo(corner.x, corner.y);
    // With no first arm the release lays the second.
    if (st_.WireEndsHere || corner == start) {
        c.LineTo(end.x, end.y);
    } else {
        DashedLine(c, corner, end);
    }
    c.SetPenMode(TPenMode::Copy);
}

bool TWireGesture::EndsAt(TPoint p) const
{
    if (p == TPoint{st_.StartX, st_.StartY}) return false;
    TTanshiList terminals;
    s_.Bord.TanshisAt(st_.CurContainer, p.x, p.y, terminals);
    if (!terminals.Empty()) return true;
    TPartsList wires;
    s_.Bord.PartsOfKindAt(cfCode, st_.CurContainer, p.x, p.y, wires);
    for (TPartsBase* w : wires)
        if (w->HitTest(st_.CurContainer, p.x, p.y, nullptr) == hitBody) return true;
    return false;
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
    st_.WireEndsHere = EndsAt({x, y});
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
    const TPoint from{st_.StartX, st_.StartY}, end{st_.CurX, st_.CurY};
    if (EndsAt(end)) {
        // On a terminal or a wire: the whole L as the preview showed it, and the wire is finished.
        const bool across = st_.CodeDir == TCodeDir::Horizontal;
        const TPoint corner = across ? TPoint{end.x, from.y} : TPoint{from.x, end.y};
        DrawWireRoute(s_.Bord, &s_.Host.WindowSurface(), st_.CurContainer, {from, corner, end}, {rawX, rawY});
        Finish();
        return;
    }
    // A leg is the first arm of the L; when that arm has no length the preview showed only the other.
    bool across = st_.CodeDir == TCodeDir::Horizontal;
    if (across ? end.x == from.x : end.y == from.y) across = !across;
    const TPoint to = across ? TPoint{end.x, from.y} : TPoint{from.x, end.y};
    (across ? st_.StartX : st_.StartY) = across ? st_.CurX : st_.CurY;
    TCode* wire = DrawWireRoute(s_.Bord, &s_.Host.WindowSurface(), st_.CurContainer, {from, to}, {rawX, rawY});
    s_.Host.Redraw();
    st_.CurX = st_.SnapX(rawX);
    st_.CurY = st_.SnapY(rawY);
    if (!wire || wire->HitTest(st_.CurContainer, st_.CurX, st_.CurY, nullptr) != hitNone) {
        // Released on the leg just made: the preview had no second arm, and the wire is finished.
        Finish();
        return;
    }
    // The next leg's preview runs on from the corner.
    st_.WireEndsHere = EndsAt({st_.CurX, st_.CurY});
    DrawPreview();
}

void TWireGesture::Finish()
{
    st_.EditState = esNone;
    st_.CodeDir = TCodeDir::None;
    st_.WireEndsHere = false;
    s_.Host.Redraw();
    st_.SelectOnly(nullptr);
}
