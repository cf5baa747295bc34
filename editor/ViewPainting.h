#pragma once

#include "BoardInput.h"

#include <QObject>

class Canvas;
class QLabel;
class QMainWindow;
class QWidget;
class TEditorWindows;
class TMouseEditor;
class TViewport;
struct TEditSession;

// The board as the view shows it: drawn anew where it comes into view, with the selection's
// frames; the display images at the view's scale; the window surface with the gesture's preview
// and the open label editor over its box; and the zoom in the status bar.
class TViewPainting : public QObject, public TViewPainter {
public:
    // view is the board view, which the label editors are children of; boardSurface is its surface.
    TViewPainting(QMainWindow& window, QWidget& view, const TViewport& viewport, Canvas& boardSurface,
                  TEditSession& session, TMouseEditor& mouse, TEditorWindows& windows);

    void ViewChanged() override;
    // Draws that part of the board, with the selection's frames.
    void RedrawArea(const TRect& area) override;
    void ViewMoved() override;

private:
    QWidget& view_;
    const TViewport& viewport_;
    Canvas& boardSurface_;
    TEditSession& session_;
    TMouseEditor& mouse_;
    TEditorWindows& windows_;
    QLabel* zoomField_;
};
