#include "MouseEditor.h"

#include "BoardEdits.h"
#include "EditCommands.h"
#include "Macros.h"
#include "NetMarking.h"
#include "PopupMenus.h"
#include "SubTerminal.h"
#include "TextBox.h"

#include <algorithm>
#include <string_view>

namespace {

bool IsClass(const TPartsBase* o, std::string_view name) { return o && o->ClassName() == name; }

bool IsResizeCursor(TCursorShape c) { return c == TCursorShape::SizeWE || c == TCursorShape::SizeNS; }

}  // namespace

TMouseEditor::TMouseEditor(TEditSession& session)
    : s_(session), st_(session.State), range_(session), drag_(session), multiDrag_(session), wire_(session),
      dot_(session), resize_(session)
{
}

TContainer* TMouseEditor::ContainerUnder(int x, int y) const
{
    return static_cast<TContainer*>(s_.Bord.ContainerAt(x, y).Object);
}

TPoint TMouseEditor::OnBoard(int x, int y) const
{
    const TRect shown = s_.Host.ShownArea();
    if (shown.Right <= shown.Left || shown.Bottom <= shown.Top) return {x, y};
    return {std::clamp(x, shown.Left, shown.Right - 1), std::clamp(y, shown.Top, shown.Bottom - 1)};
}

TGesture* TMouseEditor::GestureOf(TEditState state)
{
    switch (state) {
    case esRangeSelect: return &range_;
    case esSelectingPart: return &drag_;
    case esMultiSelect: return &multiDrag_;
    case esStartCode:
    case esDrawingCode: return &wire_;
    case esCreateDot: return &dot_;
    case esChangeSize: return &resize_;
    default: return nullptr;
    }
}

void TMouseEditor::ShowPreview()
{
    if (s_.Context.Simulating) return;
    if (TGesture* gesture = GestureOf(st_.EditState)) gesture->ShowPreview();
}

void TMouseEditor::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    st_.AltHeld = (shift & ssAlt) != 0;
    st_.DownX = x;
    st_.DownY = y;
    if (button == TMouseButton::Right) PopupChoice(x, y);
    else if (s_.Context.Simulating) SimulationPress(button, shift, x, y);
    else if (shift & ssShift) AddToSelection(x, y);
    else EditPress(x, y);
}

void TMouseEditor::MouseMove(TShiftState shift, int x, int y)
{
    st_.AltHeld = (shift & ssAlt) != 0;
    if (s_.Context.Simulating || (shift & ssShift)) return;
    const TPoint p = OnBoard(x, y);
    EditMove(p.x, p.y);
}

void TMouseEditor::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    st_.AltHeld = (shift & ssAlt) != 0;
    if (s_.Context.Simulating) {
        SimulationRelease(button, shift, x, y);
    } else if (!(shift & ssShift)) {
        const TPoint p = OnBoard(x, y);
        EditRelease(p.x, p.y);
    }
}

void TMouseEditor::DblClick(int x, int y)
{
    if (s_.Context.Simulating) return;
    st_.DownX = x;
    st_.DownY = y;
    st_.CurContainer = ContainerUnder(x, y);
    TPartsBase* hit = s_.Bord.PartAt(st_.CurContainer, st_.DownX, st_.DownY).Object;
    if (!IsClass(hit, "TTextBox")) return;
    st_.EditState = esNone;
    st_.Modified = true;
    static_cast<TTextBox*>(hit)->OpenEditor();
    st_.TextEditing = true;
}

void TMouseEditor::Escape()
{
    st_.EditState = esNone;
    s_.CreatedPart = nullptr;
    s_.Host.Redraw();
}

void TMouseEditor::SimulationPress(TMouseButton button, TShiftState shift, int x, int y)
{
    s_.Host.SetContextMenu(TPopupMenu::None);
    st_.CurContainer = ContainerUnder(x, y);
    TPartsList hits;
    s_.Bord.PartsAt(st_.CurContainer, x, y, hits);
    for (TPartsBase* o : hits) {
        s_.Recorder.Note(TRunAction::Press, s_.Bord, *o);
        o->MouseDown(button, shift, x, y);
    }
}

void TMouseEditor::SimulationRelease(TMouseButton button, TShiftState shift, int x, int y)
{
    TPartsList hits;
    s_.Bord.PartsAt(st_.CurContainer, x, y, hits);
    for (TPartsBase* o : hits) {
        s_.Recorder.Note(TRunAction::Release, s_.Bord, *o);
        o->MouseUp(button, shift, x, y);
    }
}

void TMouseEditor::PopupChoice(int x, int y)
{
    st_.EditState = esNone;
    s_.CreatedPart = nullptr;
    st_.CurContainer = ContainerUnder(x, y);
    const TBord::THit hit = s_.Bord.PartAt(st_.CurContainer, st_.SnapX(x), st_.SnapY(y));
    st_.HitResult = static_cast<uint8_t>(hit.Result);
    const TPopupMenu menu = hit.Object ? PopupMenuOf(*hit.Object, s_.Context.Simulating) : TPopupMenu::None;
    if (hit.Object) st_.PopupPart = hit.Object;
    s_.Host.SetContextMenu(menu);
}

void TMouseEditor::AddToSelection(int x, int y)
{
    st_.CurContainer = ContainerUnder(x, y);
    st_.HitResult = static_cast<uint8_t>(s_.Bord.PartsAt(st_.CurContainer, x, y, st_.HitParts));
    TPartsBase* candidate = nullptr;
    if (st_.HitParts.Count() == 1) {
        candidate = st_.HitParts.Items(0);
    } else {
        for (TPartsBase* o : st_.HitParts) {
            if (!o->Is(cfDot)) continue;
            candidate = o;
            static_cast<TDot*>(o)->CollectCodes();
            break;
        }
    }
    if (candidate && st_.SelectedParts.IndexOf(candidate) < 0) st_.SelectedParts.Add(candidate);
    s_.Host.RedrawBoard();
    for (TPartsBase* o : st_.SelectedParts) {
        o->SetGrab(x, y);
        o->SetDragPos(o->Left, o->Top);
        o->DrawDragFrame(s_.Host.BoardSurface());
    }
    s_.Host.Paint();
}

void TMouseEditor::EditPress(int rawX, int rawY)
{
    if (st_.EditState == esDrawingCode) return;
    s_.FinishPendingDot();
    s_.PruneSelection();
    s_.CreatedPart = nullptr;
    const int x = st_.SnapX(rawX), y = st_.SnapY(rawY);
    ClassifyPress(x, y);
    // A click on a wire or dot with the select tool shows its whole net until the next click.
    const bool picking = s_.Host.CheckedTool() == TTool::Select && st_.EditState == esSelectingPart;
    PickNet(s_.Bord, picking ? s_.Pressed : nullptr);
    st_.StartX = st_.CurX = x;
    st_.StartY = st_.CurY = y;
    switch (st_.EditState) {
    case esNone: s_.Host.Redraw(); break;
    case esDeletePart:
        if (!st_.SelectedParts.Empty()) DeleteSelection(s_);
        break;
    case esCreatePart: CreateArmedPart(x, y); break;
    case esMacro: PlaceMacro(s_, x, y); break;
    default: GestureOf(st_.EditState)->Begin(x, y); break;
    }
}

void TMouseEditor::ClassifyPress(int x, int y)
{
    st_.CurContainer = ContainerUnder(x, y);
    st_.HitResult = static_cast<uint8_t>(s_.Bord.PartsAt(st_.CurContainer, x, y, st_.HitParts));
    s_.Pressed = nullptr;
    if (IsResizeCursor(s_.Context.Cursor)) {
        st_.EditState = esChangeSize;
        return;
    }
    const TPartsList& hits = st_.HitParts;
    if (hits.Empty()) {
        st_.TextEditing = false;
        st_.SelectedParts.Clear();
        const std::string& tool = st_.ToolClass;
        if (tool.empty() || tool == "TContainer") st_.EditState = esRangeSelect;
        else if (tool == "TInTerminal" || tool == "TOutTerminal")
            // Sub-board terminals are placed only inside a sub-board.
            st_.EditState = st_.CurContainer ? esCreatePart : esNone;
        else st_.EditState = tool == "TMacro" ? esMacro : esCreatePart;
    } else if (hits.Count() == 1) {
        TPartsBase* pressed = hits.Items(0);
        s_.Pressed = pressed;
        st_.EditState = st_.HitResult == hitTanshi ? esStartCode : esSelectingPart;
        if (pressed->Is(cfSubTerminal) && pressed->Container) {
            // A wire from the outer terminal is drawn on the level that holds the sub-board.
            TTanshi* hit = nullptr;
            pressed->HitTest(st_.CurContainer, x, y, &hit);
            const int outer = static_cast<TSubTerminal*>(pressed)->OuterIndex();
            if (hit && hit == pressed->Tanshis.Items(outer)) st_.CurContainer = pressed->Container->Container;
        }
    } else {
        int wires = 0;
        for (TPartsBase* o : hits) {
            if (o == st_.FirstSelected() || o->Is(cfDot)) s_.Pressed = o;
            if (o->Is(cfCode)) ++wires;
        }
        if (s_.Pressed) st_.EditState = esSelectingPart;
        else {
            s_.Pressed = hits.Items(0);
            st_.EditState = wires >= 2 ? esCreateDot : esSelectingPart;
        }
    }
    if (s_.Pressed) {
        if (st_.SelectedParts.Count() <= 1) st_.SelectOnly(s_.Pressed);
        else if (st_.SelectedParts.IndexOf(s_.Pressed) < 0) {
            st_.EditState = esSelectingPart;
            st_.SelectOnly(s_.Pressed);
        } else st_.EditState = esMultiSelect;
    }
    if (st_.EditState == esMultiSelect) return;
    const TTool tool = s_.Host.CheckedTool();
    if (tool == TTool::Wire) st_.EditState = esStartCode;
    else if (tool == TTool::Delete) {
        if (TPartsBase* first = st_.FirstSelected(); first && first->Is(cfDot))
            static_cast<TDot*>(first)->CollectCodes();
        st_.EditState = esDeletePart;
    } else if (tool == TTool::Move && !st_.SelectedParts.Empty()) st_.EditState = esSelectingPart;
}

void TMouseEditor::CreateArmedPart(int x, int y)
{
    st_.Modified = true;
    TPartsBase* part =
        CreatePart(s_.Bord, &s_.Host.WindowSurface(), st_.ToolClass, st_.ToolPartNo, st_.CurContainer, x, y);
    if (!part) {
        st_.EditState = esNone;
        return;
    }
    s_.CreatedPart = part;
    const bool textBox = IsClass(part, "TTextBox");
    if (textBox) st_.ToolClass.clear();
    st_.SelectOnly(part);
    s_.Host.Redraw();
    part->DrawDragFrame(s_.Host.WindowSurface());
    s_.Host.CheckSelectTool();
    st_.EditState = esSelectingPart;
    if (textBox) {
        st_.EditState = esNone;
        static_cast<TTextBox*>(part)->OpenEditor();
        st_.TextEditing = true;
    }
}

void TMouseEditor::EditMove(int rawX, int rawY)
{
    if (st_.EditState == esNone) {
        if (s_.Host.CheckedTool() == TTool::Move || s_.Host.CheckedTool() == TTool::Wire ||
            s_.Host.CheckedTool() == TTool::Delete)
            return;
        s_.Context.Cursor = TCursorShape::Arrow;
        if (st_.SelectedParts.Count() == 1) st_.FirstSelected()->MouseMove(0, rawX, rawY);
        return;
    }
    if (TGesture* gesture = GestureOf(st_.EditState); gesture && st_.EditState != esStartCode)
        gesture->Move(rawX, rawY);
}

void TMouseEditor::EditRelease(int rawX, int rawY)
{
    s_.PruneSelection();
    // Releasing any button drops a selected dot, whatever was started.
    if (st_.EditState != esDeletePart && st_.SelectedParts.Count() == 1 && st_.FirstSelected()->Is(cfDot))
        st_.EditState = esCreateDot;
    if (TGesture* gesture = GestureOf(st_.EditState); gesture && st_.EditState != esStartCode)
        gesture->Release(rawX, rawY);
    // A leg merged into the wires it continues may have taken a selected wire with it.
    s_.PruneSelection();
}
