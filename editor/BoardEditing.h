#pragma once

#include "BoardInput.h"
#include "EditorHost.h"
#include "PartsU.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;
class TActionManager;
class TDocument;
class TMouseEditor;
class TPartPopups;
struct TEditSession;

// The window's side of editing the board: the board view's pointer events handed to the mouse
// machine, the tool the tool buttons arm, the cursor the tools and the machine ask for, the popup
// menu a right press chose, the commands on the selection, and the Delete and Escape keys, which
// the window sees before any of its controls does.
class TBoardEditing : public QObject, public TBoardInput {
public:
    // refresh is called when a move or a key changes what the status line says.
    TBoardEditing(QWidget& window, const TActionManager& actions, QWidget& view, TEditSession& session,
                  TMouseEditor& mouse, TPartPopups& popups, TDocument& document, std::function<void()> refresh);

    // The armed tool, as the checked tool button says.
    TTool CheckedTool() const;
    void SetContextMenu(TPopupMenu menu) { contextMenu_ = menu; }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y, QPoint globalPos) override;
    void DblClick(int x, int y) override;
    bool Running() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The board shows the cursor the last move asked for; the wire tool has a cursor of its own.
    void ShowCursor();

    QWidget& window_;
    const TActionManager& actions_;
    QWidget& view_;
    TEditSession& session_;
    TMouseEditor& mouse_;
    TPartPopups& popups_;
    std::function<void()> refresh_;
    TPopupMenu contextMenu_ = TPopupMenu::None;
};
