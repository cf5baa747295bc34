#include "BoardView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QCursor>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace {

TMouseButton ButtonOf(Qt::MouseButton button)
{
    if (button == Qt::RightButton) return TMouseButton::Right;
    if (button == Qt::MiddleButton) return TMouseButton::Middle;
    return TMouseButton::Left;
}

TShiftState ShiftOf(const QMouseEvent& event)
{
    TShiftState shift = 0;
    const Qt::KeyboardModifiers keys = event.modifiers();
    if (keys & Qt::ShiftModifier) shift |= ssShift;
    if (keys & Qt::AltModifier) shift |= ssAlt;
    if (keys & Qt::ControlModifier) shift |= ssCtrl;
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton) shift |= ssLeft;
    if (buttons & Qt::RightButton) shift |= ssRight;
    if (buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

// A wheel notch scrolls three lines of 20 pixels, as text views do.
constexpr int WheelStep = 60;
// A drag within this many pixels of an edge, or beyond it, scrolls every tick of the timer.
constexpr int EdgeZone = 12;
constexpr int AutoScrollStep = 16;

}  // namespace

TBoardView::TBoardView(QWidget* parent, const SpriteSource* sprites)
    : TLiveImage(parent), boardSurface_(0, 0, sprites), windowSurface_(0, 0, sprites, *this),
      horizontal_(new QScrollBar(Qt::Horizontal, this)), vertical_(new QScrollBar(Qt::Vertical, this))
{
    setMouseTracking(true);
    // The board holds the keyboard while nothing is typed into, so the shortcuts act on it.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_AcceptTouchEvents);
    horizontal_->hide();
    vertical_->hide();
    for (QScrollBar* bar : {horizontal_, vertical_}) {
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (placing_) return;
            ScrollBy(horizontal_->value() - viewport_.Offset().x, vertical_->value() - viewport_.Offset().y);
        });
    }
    autoScroll_.setInterval(30);
    connect(&autoScroll_, &QTimer::timeout, this, [this] { AutoScroll(); });
}

TPoint TBoardView::Board(QPointF at) const { return viewport_.ToBoard(at.x(), at.y()); }

std::optional<TPoint> TBoardView::PointerOnBoard() const
{
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (!rect().contains(at) || !underMouse()) return std::nullopt;
    return Board(at);
}

void TBoardView::SetContent(const TRect& objects)
{
    const TPoint before = viewport_.Offset();
    viewport_.SetContent(objects);
    PlaceScrollBars();
    // The range may have shrunk under the scroll position.
    if (viewport_.Offset() != before) Apply();
}

void TBoardView::ZoomAt(double zoom, QPointF at)
{
    viewport_.ZoomAt(zoom, at.x(), at.y());
    Apply();
}

void TBoardView::ZoomTo(double zoom)
{
    ZoomAt(zoom, QPointF(viewport_.ViewWidth() / 2.0, viewport_.ViewHeight() / 2.0));
}

void TBoardView::Fit(const TRect& area)
{
    viewport_.Fit(area);
    Apply();
}

void TBoardView::Reset()
{
    viewport_.ZoomAt(1, 0, 0);
    viewport_.ScrollTo({0, 0});
    Apply();
}

void TBoardView::ScrollBy(int dx, int dy)
{
    const TPoint before = viewport_.Offset();
    if (!viewport_.ScrollBy(dx, dy)) return;
    if (!painter_ || boardSurface_.Scale() != viewport_.Scale()) {
        Apply();
        return;
    }
    // What stays in view moves with the picture; only the strips that come into view are drawn.
    for (const QRect& stale : boardSurface_.Scroll(viewport_.Offset().x - before.x, viewport_.Offset().y - before.y)) {
        boardSurface_.Confine(stale);
        painter_->RedrawArea(boardSurface_.BoardRectFor(stale));
        boardSurface_.Unconfine();
    }
    windowSurface_.SetView(viewport_.Scale(), viewport_.Offset());
    PlaceScrollBars();
    painter_->ViewMoved();
    MarkDirty();
}

void TBoardView::Apply()
{
    const int width = viewport_.DeviceWidth(), height = viewport_.DeviceHeight();
    if (boardSurface_.Width() != width || boardSurface_.Height() != height) {
        boardSurface_.Resize(width, height);
        windowSurface_.Resize(width, height);
    }
    boardSurface_.SetView(viewport_.Scale(), viewport_.Offset());
    windowSurface_.SetView(viewport_.Scale(), viewport_.Offset());
    SetSourceRatio(viewport_.DevicePixelRatio());
    PlaceScrollBars();
    if (painter_) painter_->ViewChanged();
    MarkDirty();
}

void TBoardView::PlaceScrollBars()
{
    placing_ = true;
    const TRect range = viewport_.ScrollRange();
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const bool across = range.Right > range.Left, down = range.Bottom > range.Top;
    horizontal_->setVisible(across);
    vertical_->setVisible(down);
    horizontal_->setGeometry(0, height() - thickness, width() - (down ? thickness : 0), thickness);
    vertical_->setGeometry(width() - thickness, 0, thickness, height() - (across ? thickness : 0));
    horizontal_->setRange(range.Left, range.Right);
    vertical_->setRange(range.Top, range.Bottom);
    horizontal_->setPageStep(viewport_.DeviceWidth());
    vertical_->setPageStep(viewport_.DeviceHeight());
    horizontal_->setSingleStep(WheelStep / 3);
    vertical_->setSingleStep(WheelStep / 3);
    horizontal_->setValue(viewport_.Offset().x);
    vertical_->setValue(viewport_.Offset().y);
    placing_ = false;
}

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    const bool middlePans = event->button() == Qt::MiddleButton && input_ && !input_->Running();
    const bool pan = middlePans || (spaceHeld_ && event->button() == Qt::LeftButton);
    if (pan) {
        panFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const TPoint p = Board(event->position());
    if (input_) input_->MouseDown(ButtonOf(event->button()), ShiftOf(*event), p.x, p.y);
}

void TBoardView::mouseMoveEvent(QMouseEvent* event)
{
    if (panFrom_) {
        const QPointF moved = (event->position() - *panFrom_) * viewport_.DevicePixelRatio();
        panFrom_ = event->position();
        ScrollBy(-static_cast<int>(std::lround(moved.x())), -static_cast<int>(std::lround(moved.y())));
        return;
    }
    dragAt_ = event->position();
    dragShift_ = ShiftOf(*event);
    const bool dragging = (event->buttons() & Qt::LeftButton) != 0;
    const QRectF inside = QRectF(rect()).adjusted(EdgeZone, EdgeZone, -EdgeZone, -EdgeZone);
    if (dragging && !inside.contains(dragAt_)) autoScroll_.start();
    else autoScroll_.stop();
    const TPoint p = Board(event->position());
    if (input_) input_->MouseMove(dragShift_, p.x, p.y);
}

void TBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    autoScroll_.stop();
    if (panFrom_) {
        panFrom_.reset();
        unsetCursor();
        return;
    }
    const TPoint p = Board(event->position());
    if (input_)
        input_->MouseUp(ButtonOf(event->button()), ShiftOf(*event), p.x, p.y, event->globalPosition().toPoint());
}

void TBoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !spaceHeld_) {
        const TPoint p = Board(event->position());
        if (input_) input_->DblClick(p.x, p.y);
    }
    mousePressEvent(event);
}

void TBoardView::AutoScroll()
{
    const double density = viewport_.DevicePixelRatio();
    const auto step = [&](double at, int size) {
        if (at < EdgeZone) return -AutoScrollStep;
        if (at > size - EdgeZone) return AutoScrollStep;
        return 0;
    };
    const int dx = step(dragAt_.x(), width()), dy = step(dragAt_.y(), height());
    const TPoint before = viewport_.Offset();
    ScrollBy(static_cast<int>(dx * density), static_cast<int>(dy * density));
    if (viewport_.Offset() == before) return;
    // The pointer stands still over a board that moves under it: the drag goes on to where it now points.
    const TPoint p = Board(dragAt_);
    if (input_) input_->MouseMove(dragShift_, p.x, p.y);
}

void TBoardView::wheelEvent(QWheelEvent* event)
{
    const QPoint notches = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        if (notches.y() == 0) return;
        const double zoom = notches.y() > 0 ? viewport_.StepUp() : viewport_.StepDown();
        ZoomAt(zoom, event->position());
        return;
    }
    const double density = viewport_.DevicePixelRatio();
    int dx = -notches.x() * WheelStep / 120, dy = -notches.y() * WheelStep / 120;
    if (event->modifiers() & Qt::ShiftModifier) std::swap(dx, dy);
    ScrollBy(static_cast<int>(dx * density), static_cast<int>(dy * density));
}

void TBoardView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceHeld_ = true;
        setCursor(Qt::OpenHandCursor);
        return;
    }
    TLiveImage::keyPressEvent(event);
}

void TBoardView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceHeld_ = false;
        if (!panFrom_) unsetCursor();
        return;
    }
    TLiveImage::keyReleaseEvent(event);
}

bool TBoardView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::string tip = TipAt ? TipAt(Board(help->pos())) : std::string();
        if (tip.empty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
        return true;
    }
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            ZoomAt(viewport_.Zoom() * (1 + gesture->value()), gesture->position());
            return true;
        }
    }
    return TLiveImage::event(event);
}

void TBoardView::resizeEvent(QResizeEvent* event)
{
    TLiveImage::resizeEvent(event);
    viewport_.SetDevicePixelRatio(devicePixelRatioF());
    viewport_.SetViewSize(width(), height());
    Apply();
}

void TBoardView::SetMarks(std::vector<QRect> marks)
{
    if (marks.empty() && marks_.empty()) return;
    marks_ = std::move(marks);
    MarkDirty();
}

void TBoardView::paintEvent(QPaintEvent* event)
{
    TLiveImage::paintEvent(event);
    if (marks_.empty()) return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 128, 0), 2));
    painter.setBrush(Qt::NoBrush);
    for (const QRect& r : marks_) {
        const TRect shown = viewport_.ToView({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
        painter.drawRect(QRect(QPoint(shown.Left, shown.Top), QPoint(shown.Right - 1, shown.Bottom - 1)));
    }
}
