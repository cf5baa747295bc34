#pragma once

#include "PartsU.h"

#include <QObject>

class QLabel;
class QMainWindow;
class TActionManager;
class TBoardView;
class TEditorWindows;
class TMouseEditor;
struct TEditSession;

// The view of the board: zoom in steps, to 100 % and to fit, the zoom shown in the status bar, and
// the board drawn anew whenever the view moves.
class TViewCommands : public QObject {
public:
    TViewCommands(QMainWindow& window, const TActionManager& actions, TBoardView& view, TEditSession& session,
                  TMouseEditor& mouse, TEditorWindows& windows);

    // The board is seen at another zoom or scroll position: drawn anew, and the open label editor
    // placed over its box again.
    void ViewChanged();
    // Draws that part of the board, with the selection's frames.
    void RedrawArea(const TRect& area);
    // Shows the board surface where the view now is, with the gesture's preview and the label editor.
    void ViewMoved();

private:
    TBoardView& view_;
    TEditSession& session_;
    TMouseEditor& mouse_;
    TEditorWindows& windows_;
    QLabel* zoomField_;
};
