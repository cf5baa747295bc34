#include "BoardEdits.h"
#include "Gestures.h"
#include "Messages.h"

#include <cstdlib>
#include <string>

namespace {

// A click gives a 160 × 160 box; a drag shorter than 20 pixels gives 20 pixels right or down of
// the start, whatever its direction; a longer one ends on the grid line nearest the pointer.
int32_t BoxEdge(int32_t start, int32_t cur, int32_t snappedRelease)
{
    if (cur == start) return SatAdd(start, 160);
    if (std::abs(int64_t{start} - cur) < 20) return SatAdd(start, 20);
    return snappedRelease;
}

}  // namespace

void TRangeGesture::Begin(int, int)
{
    s_.Host.Redraw();
    DrawBand();
}

void TRangeGesture::DrawBand()
{
    Canvas& c = s_.Host.WindowSurface();
    c.SetPenColor(clWhite);
    c.SetPenMode(TPenMode::Xor);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(st_.StartX, st_.StartY, st_.CurX, st_.CurY);
    c.SetPenMode(TPenMode::Copy);
}

void TRangeGesture::ShowPreview() { DrawBand(); }

void TRangeGesture::Move(int rawX, int rawY)
{
    DrawBand();
    st_.CurX = rawX;
    st_.CurY = rawY;
    DrawBand();
}

void TRangeGesture::Release(int rawX, int rawY)
{
    if (st_.ToolClass == "TContainer")
        CreateBox(rawX, rawY);
    else
        SelectRange();
    st_.EditState = esNone;
}

void TRangeGesture::SelectRange()
{
    DrawBand();
    s_.Bord.PartsInRect(st_.CurContainer, st_.StartX, st_.StartY, st_.CurX, st_.CurY, st_.SelectedParts);
    s_.ShowSelection();
}

void TRangeGesture::CreateBox(int rawX, int rawY)
{
    st_.Modified = true;
    st_.CurX = BoxEdge(st_.StartX, st_.CurX, st_.SnapX(rawX));
    st_.CurY = BoxEdge(st_.StartY, st_.CurY, st_.SnapY(rawY));
    std::string refusal;
    TContainer* box = CreateSubBoard(s_.Bord, &s_.Host.WindowSurface(), st_.CurContainer,
                                     {st_.StartX, st_.StartY, st_.CurX, st_.CurY}, refusal);
    s_.Host.Redraw();
    if (!refusal.empty() && s_.Context.Messages)
        s_.Context.Messages->ShowMessage(Tr("Cannot make a sub-board: %1", {refusal}));
    st_.SelectOnly(box);
    if (box) {
        box->SetGrab(rawX, rawY);
        box->DrawSelectFrame(s_.Host.WindowSurface());
    }
    st_.ToolClass.clear();
    s_.Host.CheckSelectTool();
}
