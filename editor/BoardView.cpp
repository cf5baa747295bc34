#include "BoardView.h"

#include "VoltraneU.h"

#include <QMouseEvent>
#include <QPainter>

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

}  // namespace

TBoardView::TBoardView(TfrmVoltrane& window) : TLiveImage(&window), window_(window)
{
    setMouseTracking(true);
    // The board holds the keyboard while nothing is typed into, so the shortcuts act on it.
    setFocusPolicy(Qt::ClickFocus);
}

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    window_.FormMouseDown(ButtonOf(event->button()), ShiftOf(*event), p.x(), p.y());
}

void TBoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    window_.FormMouseMove(ShiftOf(*event), p.x(), p.y());
}

void TBoardView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    window_.FormMouseUp(ButtonOf(event->button()), ShiftOf(*event), p.x(), p.y(), event->globalPosition().toPoint());
}

void TBoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    window_.FormDblClick(p.x(), p.y());
    mousePressEvent(event);
}

void TBoardView::resizeEvent(QResizeEvent* event)
{
    TLiveImage::resizeEvent(event);
    window_.FormResize();
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
    for (const QRect& r : marks_) painter.drawRect(r);
}
