#include "BoardEdits.h"
#include "Gestures.h"

void TDotGesture::Begin(int x, int y)
{
    st_.Modified = true;
    s_.FinishPendingDot();
    s_.NewDotBatch = std::make_unique<TEditBatch>(s_.Context);
    if (!s_.NewDotBatch->IsOpen()) {
        s_.NewDotBatch.reset();
        st_.EditState = esNone;
        return;
    }
    s_.NewDot = CreateDot(s_.Bord, &s_.Host.WindowSurface(), st_.CurContainer, x, y);
    s_.Host.Redraw();
    st_.SelectOnly(s_.NewDot);
}

void TDotGesture::Release(int rawX, int rawY)
{
    st_.Modified = true;
    TPartsBase* first = st_.FirstSelected();
    if (st_.SelectedParts.Count() != 1 || !first->Is(cfDot)) {
        // A command changed the selection while the button was held.
        s_.FinishPendingDot();
        st_.EditState = esNone;
        s_.Host.Redraw();
        return;
    }
    auto& dot = static_cast<TDot&>(*first);
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    std::unique_ptr<TEditBatch> creation;
    if (&dot == s_.NewDot) creation = std::move(s_.NewDotBatch);
    s_.NewDot = nullptr;
    DropDot(dot, x, y, std::move(creation));
    dot.SetGrab(x, y);
    st_.HitParts.Clear();
    st_.ToolClass.clear();
    st_.EditState = esNone;
    s_.ShowSelection();
}
