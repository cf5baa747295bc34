#include "BoardEditing.h"

#include "ActionManager.h"
#include "Document.h"
#include "EditCommands.h"
#include "ExMemo.h"
#include "MouseEditor.h"
#include "PartPopups.h"
#include "PopupCommands.h"

#include <QApplication>
#include <QKeyEvent>

#include <utility>

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

TBoardEditing::TBoardEditing(QWidget& window, const TActionManager& actions, QWidget& view, TEditSession& session,
                             TMouseEditor& mouse, TPartPopups& popups, TDocument& document,
                             std::function<void()> refresh)
    : QObject(&window),
      window_(window),
      actions_(actions),
      view_(view),
      session_(session),
      mouse_(mouse),
      popups_(popups),
      refresh_(std::move(refresh))
{
    const TActionManager& a = actions;
    TEditSession* s = &session;
    TDocument* d = &document;
    for (TAction* action : a.All())
        if (action->PartTool)
            connect(action, &QAction::triggered, this, [s, action] {
                s->State.ToolClass = action->PartTool->ToolClass;
                s->State.ToolPartNo = action->PartTool->ToolPartNo;
            });
    connect(a.actAuto, &QAction::triggered, this, [s] { s->State.ToolClass.clear(); });
    connect(a.actDel, &QAction::triggered, this, [s] { DeleteSelection(*s); });
    connect(a.actSelectAll, &QAction::triggered, this, [s] { SelectAll(*s); });
    connect(a.actRound, &QAction::triggered, this, [s] { RotateSelection(*s); });
    connect(a.actBoxSelection, &QAction::triggered, this, [s] { BoxSelection(*s); });
    connect(a.actUndo, &QAction::triggered, this, [s, d] {
        UndoEdit(*s);
        d->CompareWithSaved();
    });
    connect(a.actRedo, &QAction::triggered, this, [s, d] {
        RedoEdit(*s);
        d->CompareWithSaved();
    });
    ConnectPopupCommands(window, popups, session);
    for (TAction* tool : {a.actCode, a.actMove, a.actDelete, a.actAuto})
        connect(tool, &QAction::toggled, this, [this] { ShowCursor(); });
    QApplication::instance()->installEventFilter(this);
}

bool TBoardEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Delete:
        // The text box's own editor deletes characters as any editor does.
        if (dynamic_cast<TExMemo*>(QApplication::focusWidget())) return false;
        // The delete command runs whatever the enabled state of its action, also while simulating.
        emit actions_.actDel->triggered(false);
        return true;
    case Qt::Key_Escape:
        mouse_.Escape();
        refresh_();
        return true;
    default:
        return false;
    }
}

TTool TBoardEditing::CheckedTool() const
{
    const TActionManager& a = actions_;
    if (a.actAuto->isChecked()) return TTool::Select;
    if (a.actMove->isChecked()) return TTool::Move;
    if (a.actCode->isChecked()) return TTool::Wire;
    if (a.actDelete->isChecked()) return TTool::Delete;
    return TTool::Part;
}

void TBoardEditing::ShowCursor()
{
    const TCursorShape shape = session_.Context.Cursor;
    const bool wireTool = CheckedTool() == TTool::Wire && shape == TCursorShape::Arrow;
    view_.setCursor(wireTool ? Qt::CrossCursor : QtCursor(shape));
}

void TBoardEditing::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    mouse_.MouseDown(button, shift, x, y);
    ShowCursor();
}

void TBoardEditing::MouseMove(TShiftState shift, int x, int y)
{
    const bool endedHere = session_.State.WireEndsHere;
    mouse_.MouseMove(shift, x, y);
    ShowCursor();
    if (session_.State.WireEndsHere != endedHere) refresh_();
}

void TBoardEditing::MouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos)
{
    mouse_.MouseUp(button, shift, x, y);
    ShowCursor();
    if (button != TMouseButton::Right || contextMenu_ == TPopupMenu::None) return;
    QMenu* menu = popups_.Menu(std::exchange(contextMenu_, TPopupMenu::None));
    TPartsBase* part = session_.State.PopupPart;
    if (part && session_.Bord.Holds(part)) popups_.Prepare(PopupLookOf(*part, session_.Context.Simulating));
    if (menu && !menu->isEmpty()) menu->popup(globalPos);
}

void TBoardEditing::DblClick(int x, int y) { mouse_.DblClick(x, y); }

bool TBoardEditing::Running() const { return session_.Context.Simulating; }
