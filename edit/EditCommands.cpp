#include "EditCommands.h"

#include "Scope.h"
#include "TextBox.h"

namespace {

void ShowSelection(TEditSession& s)
{
    s.Host.RedrawBoard();
    for (TPartsBase* o : s.State.SelectedParts) o->DrawSelectFrame(s.Host.BoardSurface());
    s.Host.Paint();
}

// The text box whose editor is open while it is selected alone: the delete then edits its text.
TTextBox* EditedTextBox(const TEditorState& st, TPartsBase& only)
{
    if (!st.TextEditing || std::string_view(only.ClassName()) != "TTextBox") return nullptr;
    auto& box = static_cast<TTextBox&>(only);
    return box.Editor->Visible() ? &box : nullptr;
}

void DeleteOne(TEditSession& s, TPartsBase& object)
{
    TEditBatch batch(s.Context);
    if (!batch.IsOpen()) return;
    auto* dot = object.Is(cfDot) ? static_cast<TDot*>(&object) : nullptr;
    if (dot) dot->CollectCodes();
    object.Delete("One Part");
    if (dot) dot->RelinkCodes();
    batch.Commit();
    s.Bord.CheckLinksInRect(object.GetRect());
    s.Host.Redraw();
}

void DeleteMany(TEditSession& s)
{
    TPartsList& selected = s.State.SelectedParts;
    const int chosen = selected.Count();
    for (int i = 0; i < chosen; ++i) {
        if (!selected.Items(i)->Is(cfContainer)) continue;
        TPartsList inside;
        static_cast<TContainer*>(selected.Items(i))->CollectDescendants(inside);
        for (TPartsBase* o : inside)
            if (selected.IndexOf(o) < 0) selected.Add(o);
    }
    if (!selected.Empty()) {
        TEditBatch batch(s.Context);
        if (!batch.IsOpen()) return;
        for (int i = selected.Count() - 1; i >= 0; --i) selected.Items(i)->Delete("Multi Parts");
        batch.Commit();
    }
    s.Bord.CheckAllLinks();
    s.Host.Redraw();
}

}  // namespace

void DeleteSelection(TEditSession& s)
{
    s.FinishPendingDot();
    s.PruneSelection();
    TEditorState& st = s.State;
    st.Modified = true;
    TPartsBase* only = st.SelectedParts.Count() == 1 ? st.FirstSelected() : nullptr;
    if (only && !only->Is(cfContainer)) {
        if (TTextBox* box = EditedTextBox(st, *only))
            box->Editor->ClearSelection();
        else
            DeleteOne(s, *only);
    } else {
        DeleteMany(s);
    }
    st.SelectedParts.Clear();
}

void SelectAll(TEditSession& s)
{
    s.Bord.CopyParts(s.State.SelectedParts);
    ShowSelection(s);
}

void RotateSelection(TEditSession& s)
{
    s.FinishPendingDot();
    s.PruneSelection();
    s.State.Modified = true;
    for (TPartsBase* o : s.State.SelectedParts) {
        o->RotateClockwise();
        o->MoveTo(o->Left, o->Top, true);
    }
    ShowSelection(s);
}

void UndoEdit(TEditSession& s)
{
    s.FinishPendingDot();
    if (!s.Circuit.UndoQue().CanUndo()) return;
    s.Circuit.UndoQue().Undo();
    s.PruneSelection();
    s.Host.Redraw();
}

void RedoEdit(TEditSession& s)
{
    s.FinishPendingDot();
    if (!s.Circuit.UndoQue().CanRedo()) return;
    s.Circuit.UndoQue().Redo();
    s.PruneSelection();
    s.Host.Redraw();
}

void RotatePopupPart(TEditSession& s)
{
    TPartsBase* part = s.State.PopupPart;
    if (!part || !s.Bord.Holds(part)) return;
    s.State.Modified = true;
    part->RotateClockwise();
    part->MoveTo(part->Left, part->Top, true);
    s.Host.Redraw();
}

void ShowPopupScope(TEditSession& s)
{
    TPartsBase* part = s.State.PopupPart;
    if (!part || !s.Bord.Holds(part) || std::string_view(part->ClassName()) != "TScope") return;
    if (auto& window = static_cast<TScope*>(part)->ScopeWindow) window->Show();
}
