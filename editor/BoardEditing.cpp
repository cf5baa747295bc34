// The main window's side of editing: pointer events handed to the mouse machine, the cursor, the
// popup menus and the commands on the selection.
#include "VoltraneU.h"

#include "BoardView.h"
#include "EditCommands.h"

namespace {

Qt::CursorShape QtCursor(TCursorShape shape)
{
    switch (shape) {
    case TCursorShape::SizeWE: return Qt::SizeHorCursor;
    case TCursorShape::SizeNS: return Qt::SizeVerCursor;
    case TCursorShape::Wait: return Qt::WaitCursor;
    case TCursorShape::Arrow: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

void TfrmVoltrane::ConnectEditCommands()
{
    const TActionManager& a = ActionManager1;
    connect(a.actDel, &QAction::triggered, this, [this] { DeleteSelection(Session); });
    connect(a.actSelectAll, &QAction::triggered, this, [this] { SelectAll(Session); });
    connect(a.actRound, &QAction::triggered, this, [this] { RotateSelection(Session); });
    connect(a.actUndo, &QAction::triggered, this, [this] {
        UndoEdit(Session);
        Document.CompareWithSaved();
    });
    connect(a.actRedo, &QAction::triggered, this, [this] {
        RedoEdit(Session);
        Document.CompareWithSaved();
    });
    ConnectPopupCommands();
    connect(Popups.pmnuMacro_Add, &QAction::triggered, this, [this] { Macros->RegisterPopupBox(); });
    for (TAction* tool : {a.actCode, a.actMove, a.actDelete, a.actAuto})
        connect(tool, &QAction::toggled, this, [this] { ShowCursor(); });
}

TTool TfrmVoltrane::CheckedTool() const
{
    const TActionManager& a = ActionManager1;
    if (a.actAuto->isChecked()) return TTool::Select;
    if (a.actMove->isChecked()) return TTool::Move;
    if (a.actCode->isChecked()) return TTool::Wire;
    if (a.actDelete->isChecked()) return TTool::Delete;
    return TTool::Part;
}

void TfrmVoltrane::CheckSelectTool() { ActionManager1.actAuto->setChecked(true); }

void TfrmVoltrane::SetContextMenu(TPopupMenu menu) { contextMenu_ = menu; }

void TfrmVoltrane::ShowCursor()
{
    const TCursorShape shape = Circuit.Context.Cursor;
    const bool wireTool = CheckedTool() == TTool::Wire && shape == TCursorShape::Arrow;
    view_->setCursor(wireTool ? Qt::CrossCursor : QtCursor(shape));
}

void TfrmVoltrane::FormMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    Mouse.MouseDown(button, shift, x, y);
    ShowCursor();
}

void TfrmVoltrane::FormMouseMove(TShiftState shift, int x, int y)
{
    Mouse.MouseMove(shift, x, y);
    ShowCursor();
}

void TfrmVoltrane::FormMouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos)
{
    Mouse.MouseUp(button, shift, x, y);
    ShowCursor();
    if (button != TMouseButton::Right || contextMenu_ == TPopupMenu::None) return;
    QMenu* menu = Popups.Menu(std::exchange(contextMenu_, TPopupMenu::None));
    if (PopupPart && Bord.Holds(PopupPart)) Popups.Prepare(PopupLookOf(*PopupPart, Simulating()));
    if (menu && !menu->isEmpty()) menu->popup(globalPos);
}

void TfrmVoltrane::FormDblClick(int x, int y) { Mouse.DblClick(x, y); }
