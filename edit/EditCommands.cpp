#include "EditCommands.h"

#include "BoardEdits.h"

#include "Messages.h"
#include "Scope.h"
#include "TextBox.h"
#include "Viewport.h"

#include <string>

namespace {

// Turns the object and rebuilds its terminals where it stands. What cannot turn is not touched: a
// dot's move would cut the wires through it outside any undo step.
void Rotate(TPartsBase& o)
{
    if (o.WayCount <= 1) return;
    o.RotateClockwise();
    o.MoveTo(o.Left, o.Top, true);
}

void StepHistory(TEditSession& s, bool (TUndoQue::*can)() const, void (TUndoQue::*step)())
{
    s.FinishPendingDot();
    TUndoQue& history = s.Circuit.UndoQue();
    if (!(history.*can)()) return;
    (history.*step)();
    s.PruneSelection();
    s.Host.Redraw();
}

}  // namespace

TTextBox* EditedTextBox(const TEditorState& st)
{
    TPartsBase* only = st.SelectedParts.Count() == 1 ? st.FirstSelected() : nullptr;
    if (!st.TextEditing || !only || std::string_view(only->ClassName()) != "TTextBox") return nullptr;
    auto* box = static_cast<TTextBox*>(only);
    return box->Editor->Visible() ? box : nullptr;
}

void DeleteSelection(TEditSession& s)
{
    s.FinishPendingDot();
    s.PruneSelection();
    TEditorState& st = s.State;
    st.Modified = true;
    TPartsBase* only = st.SelectedParts.Count() == 1 ? st.FirstSelected() : nullptr;
    if (only && !only->Is(cfContainer)) {
        if (TTextBox* box = EditedTextBox(st))
            box->Editor->ClearSelection();
        else
            DeleteObject(*only);
    } else {
        DeleteObjects(s.Bord, st.SelectedParts);
    }
    s.Host.Redraw();
    st.SelectedParts.Clear();
}

void SelectAll(TEditSession& s)
{
    s.Bord.CopyParts(s.State.SelectedParts);
    s.ShowSelection();
}

void RotateSelection(TEditSession& s)
{
    s.FinishPendingDot();
    s.PruneSelection();
    s.State.Modified = true;
    for (TPartsBase* o : s.State.SelectedParts) Rotate(*o);
    s.ShowSelection();
}

void BoxSelection(TEditSession& s)
{
    s.FinishPendingDot();
    s.PruneSelection();
    if (s.State.SelectedParts.Empty()) return;
    // Room for a sub-board terminal between the edge and the pins of the parts next to it; where the
    // wires around the selection leave none there (a junction on the edge, a wire too short inside),
    // a wider margin takes them in. The first margin's reason is told when none will do.
    const TRect around = ObjectBounds(s.State.SelectedParts);
    std::string refusal;
    TContainer* box = nullptr;
    for (int margin = 30; !box && margin <= 80; margin += 10) {
        const TRect corners{s.State.SnapX(around.Left - margin), s.State.SnapY(around.Top - margin),
                            s.State.SnapX(around.Right + margin), s.State.SnapY(around.Bottom + margin)};
        std::string why;
        box = CreateSubBoard(s.Bord, &s.Host.WindowSurface(), s.State.FirstSelected()->Container, corners, why);
        if (refusal.empty()) refusal = why;
    }
    if (!box) {
        if (!refusal.empty() && s.Context.Messages)
            s.Context.Messages->ShowMessage(Tr("Cannot make a sub-board: %1", {refusal}));
        return;
    }
    s.State.Modified = true;
    s.State.SelectOnly(box);
    s.ShowSelection();
}

void UndoEdit(TEditSession& s) { StepHistory(s, &TUndoQue::CanUndo, &TUndoQue::Undo); }

void RedoEdit(TEditSession& s) { StepHistory(s, &TUndoQue::CanRedo, &TUndoQue::Redo); }

void RotatePopupPart(TEditSession& s)
{
    TPartsBase* part = s.State.PopupPart;
    if (!part || !s.Bord.Holds(part)) return;
    s.State.Modified = true;
    Rotate(*part);
    s.Host.Redraw();
}

void ShowPopupScope(TEditSession& s)
{
    TPartsBase* part = s.State.PopupPart;
    if (!part || !s.Bord.Holds(part) || std::string_view(part->ClassName()) != "TScope") return;
    if (auto& window = static_cast<TScope*>(part)->ScopeWindow) window->Show();
}
