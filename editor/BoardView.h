#pragma once

#include "BoardInput.h"
#include "LiveImage.h"
#include "PartsBase.h"
#include "QImageCanvas.h"
#include "Viewport.h"
#include "WindowSurface.h"

#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QScrollBar;

// The client area of the main window: the board seen through its viewport, with scroll bars when
// the board is larger than the view. It owns the board surface, drawn at the viewport's scale, and
// the window surface the screen shows; the painter draws the board on it whenever the view moves.
// Every pointer event reaches the input in board coordinates; the wheel scrolls (with Ctrl it zooms
// at the pointer), the middle button (while editing) or Space with the left one pans, and a drag
// held at an edge scrolls on.
class TBoardView : public TLiveImage {
public:
    TBoardView(QWidget* parent, const SpriteSource* sprites);

    void SetInput(TBoardInput* input) { input_ = input; }
    void SetPainter(TViewPainter* painter) { painter_ = painter; }
    // The tool tip of a board point; none where it gives an empty text.
    std::function<std::string(TPoint)> TipAt;
    const TViewport& Viewport() const { return viewport_; }
    QImageCanvas& BoardSurface() { return boardSurface_; }
    TWindowSurface& WindowSurface() { return windowSurface_; }

    // The bounds of the board's objects, which the scroll range follows.
    void SetContent(const TRect& objects);
    // Zooms about the centre of the view, or about a point of it.
    void ZoomTo(double zoom);
    void ZoomAt(double zoom, QPointF at);
    // Zooms and scrolls so that the board rectangle fills the view.
    void Fit(const TRect& area);
    // 100 % at the board's origin, as a document starts.
    void Reset();
    // The board point under the mouse pointer while the pointer is over the view.
    std::optional<TPoint> PointerOnBoard() const;
    // Scrolls by device pixels.
    void ScrollBy(int dx, int dy);

    // Frames these board rectangles over the picture, in a thin orange line: the parts whose
    // outputs the last pass changed. They are no part of the surfaces, so nothing has to be
    // drawn back when they go.
    void SetMarks(std::vector<QRect> marks);
    const std::vector<QRect>& Marks() const { return marks_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click, then the press it stands for.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The surfaces and the scroll bars follow the viewport, then the painter redraws the board.
    void Apply();
    void PlaceScrollBars();
    TPoint Board(QPointF at) const;
    // Scrolls towards the edge the dragging pointer has reached, and moves the drag on with it.
    void AutoScroll();

    TViewport viewport_;
    QImageCanvas boardSurface_;
    TWindowSurface windowSurface_;
    TBoardInput* input_ = nullptr;
    TViewPainter* painter_ = nullptr;
    QScrollBar* horizontal_;
    QScrollBar* vertical_;
    // In board units.
    std::vector<QRect> marks_;
    // A pan under way: where the pointer was at the last move.
    std::optional<QPointF> panFrom_;
    bool spaceHeld_ = false;
    // The last pointer position of a drag, and what was held, for the moves of the auto-scroll.
    QPointF dragAt_;
    TShiftState dragShift_ = 0;
    QTimer autoScroll_;
    // Scroll bars set by the viewport do not scroll it again.
    bool placing_ = false;
};
