#pragma once

#include "EditorHost.h"
#include "PartsU.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;
class TActionManager;
class TBoardView;
class TDocument;
class TMouseEditor;
class TPartPopups;
struct TEditSession;

// The window's side of editing the board: pointer events handed to the mouse machine, the cursor
// the tools and the machine ask for, the popup menu a right press chose, and the commands on the
// selection.
class TBoardEditing : public QObject {
public:
    // refresh is called when a move changes what the status line says.
    TBoardEditing(QWidget& window, const TActionManager& actions, TBoardView& view, TEditSession& session,
                  TMouseEditor& mouse, TPartPopups& popups, TDocument& document, std::function<void()> refresh);

    // The armed tool, as the checked tool button says.
    TTool CheckedTool() const;
    void SetContextMenu(TPopupMenu menu) { contextMenu_ = menu; }

    // Pointer events on the board, in board coordinates; the release of the right button opens
    // the popup menu its press chose at the global point given.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos);
    void DblClick(int x, int y);

private:
    // The board shows the cursor the last move asked for; the wire tool has a cursor of its own.
    void ShowCursor();

    const TActionManager& actions_;
    TBoardView& view_;
    TEditSession& session_;
    TMouseEditor& mouse_;
    TPartPopups& popups_;
    std::function<void()> refresh_;
    TPopupMenu contextMenu_ = TPopupMenu::None;
};
