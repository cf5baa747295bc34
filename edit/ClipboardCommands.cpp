#include "ClipboardCommands.h"

#include "CircuitText.h"
#include "EditCommands.h"
#include "Messages.h"
#include "Shell.h"
#include "TextBox.h"
#include "TextKeys.h"
#include "Viewport.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <new>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace {

std::string JoinCrLf(const TStrings& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TStrings SplitLines(std::string_view text)
{
    TStrings lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// Where the pasted objects go from where they were copied: their top-left corner to the snapped
// pointer over the board, otherwise 10 pixels right and down.
TPoint PasteOffset(const TEditSession& s, const TPartsList& objects)
{
    const std::optional<TPoint> pointer = s.Host.PointerOnBoard();
    if (!pointer || objects.Empty()) return {10, 10};
    int64_t left = INT32_MAX, top = INT32_MAX;
    for (const TPartsBase* o : objects) {
        left = std::min<int64_t>(left, o->Left);
        top = std::min<int64_t>(top, o->Top);
    }
    return {SaturateInt32(s.State.SnapX(pointer->x) - left), SaturateInt32(s.State.SnapY(pointer->y) - top)};
}

// The pasted objects moved by the offset; the step is not undone.
void Offset(TBord& board, const TPartsList& objects, TPoint offset)
{
    board.BeginUpdate();
    for (TPartsBase* o : objects) {
        board.UnionBefore(o->GetRect());
        o->SetLeft(SatAdd(o->Left, offset.x));
        o->SetTop(SatAdd(o->Top, offset.y));
        o->SetDragPos(o->Left, o->Top);
        board.UnionAfter(o->GetRect());
    }
    board.EndUpdate();
}

// The circuit text loaded at the level as one undo step of that name, the new objects selected; false when no
// step can begin. What LoadParts throws leaves the board as it was.
bool LoadStep(TEditSession& s, const TStrings& lines, TContainer* level, const char* step)
{
    TEditorState& st = s.State;
    s.FinishPendingDot();
    s.PruneSelection();
    TEditBatch batch(s.Context);
    if (!batch.IsOpen()) return false;
    st.Modified = true;
    st.PartsText = lines;
    LoadParts(st.PartsText, st.SelectedParts, s.Bord, level, &s.Host.WindowSurface());
    for (TPartsBase* o : st.SelectedParts) o->RecordCreate(step);
    batch.Commit();
    return true;
}

}  // namespace

TPartsList CopiedObjects(const TPartsList& selection)
{
    TPartsList work;
    std::unordered_set<const TPartsBase*> taken;
    auto take = [&](TPartsBase* o) {
        if (taken.insert(o).second) work.Add(o);
    };
    for (TPartsBase* o : selection) take(o);
    for (TPartsBase* o : selection) {
        if (!o->Is(cfContainer)) continue;
        TPartsList inside;
        static_cast<TContainer*>(o)->CollectDescendants(inside);
        for (TPartsBase* child : inside) take(child);
    }
    return work;
}

void CopySelection(TEditSession& s, Shell& shell)
{
    if (TTextBox* box = EditedTextBox(s.State)) {
        shell.SetClipboardText(box->Editor->SelText());
        return;
    }
    s.PruneSelection();
    if (s.State.SelectedParts.Empty()) return;
    SaveParts(CopiedObjects(s.State.SelectedParts), s.State.PartsText);
    shell.SetClipboardText(JoinCrLf(s.State.PartsText));
}

void CutSelection(TEditSession& s, Shell& shell)
{
    s.State.Modified = true;
    if (TTextBox* box = EditedTextBox(s.State)) {
        shell.SetClipboardText(box->Editor->SelText());
        box->Editor->ClearSelection();
        return;
    }
    CopySelection(s, shell);
    DeleteSelection(s);
}

void PasteClipboard(TEditSession& s, Shell& shell)
{
    TEditorState& st = s.State;
    if (TTextBox* box = EditedTextBox(st)) {
        if (!shell.ClipboardHasText()) return;
        st.Modified = true;
        box->Editor->ReplaceSelection(shell.ClipboardText());
        return;
    }
    const std::string text = shell.ClipboardText();
    if (!text.starts_with(CircuitTextSignature)) return;
    try {
        if (!LoadStep(s, SplitLines(text), st.CurContainer, "PasteExecute")) return;
    } catch (const TFormatError& error) {
        shell.ShowError(error.Line ? Tr("Cannot paste: %1 (line %2)", {error.what(), std::to_string(error.Line)})
                                   : Tr("Cannot paste: %1", {error.what()}));
        return;
    } catch (const std::bad_alloc&) {
        shell.ShowError(Tr("Not enough memory to paste"));
        return;
    }
    Offset(s.Bord, st.SelectedParts, PasteOffset(s, st.SelectedParts));
    s.ShowSelection();
}

bool PlaceBeside(TEditSession& s, Shell& shell, const TStrings& lines)
{
    const TRect board = ObjectBounds(s.Bord);
    try {
        if (!LoadStep(s, lines, nullptr, "BuildExecute")) return false;
    } catch (const std::exception& error) {
        shell.ShowError(Tr("Cannot place the circuit: %1", {error.what()}));
        return false;
    }
    const TRect placed = ObjectBounds(s.State.SelectedParts);
    if (board.Right > board.Left)
        Offset(s.Bord, s.State.SelectedParts,
               {SaturateInt32(s.State.SnapX(SatAdd(board.Right, 40)) - int64_t{placed.Left}),
                SaturateInt32(s.State.SnapY(board.Top) - int64_t{placed.Top})});
    s.ShowSelection();
    return true;
}
