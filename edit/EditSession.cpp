#include "EditSession.h"

#include "BoardEdits.h"

void TEditSession::PruneSelection()
{
    TPartsList kept;
    for (TPartsBase* o : State.SelectedParts)
        if (Bord.Holds(o)) kept.Add(o);
    State.SelectedParts.Assign(kept);
    if (CreatedPart && !Bord.Holds(CreatedPart)) CreatedPart = nullptr;
    if (State.CurContainer && !Bord.Holds(State.CurContainer)) {
        // The level being edited is gone: a wire under way there ends with it.
        State.CurContainer = nullptr;
        if (State.EditState == esDrawingCode) State.EditState = esNone;
    }
}

void TEditSession::FinishPendingDot()
{
    TDot* dot = NewDot;
    if (!dot) return;
    NewDot = nullptr;
    if (!Bord.Holds(dot)) {
        NewDotBatch->Commit();
        NewDotBatch.reset();
        return;
    }
    DropDot(*dot, SatAdd(dot->DragLeft, dot->Width / 2), SatAdd(dot->DragTop, dot->Height / 2),
            std::move(NewDotBatch));
}

void TEditSession::ShowSelection()
{
    Host.RedrawBoard();
    for (TPartsBase* o : State.SelectedParts) o->DrawSelectFrame(Host.BoardSurface());
    Host.Paint();
}
