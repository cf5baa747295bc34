// The board seen zoomed and scrolled: the same gestures build the same circuit at every zoom and
// scroll position, the wheel and the keys zoom and scroll, and a drag held at an edge scrolls on.
#include "BoardView.h"
#include "EditorFixture.h"
#include "MouseScripts.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QScrollBar>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

namespace {

struct ViewSetting {
    double zoom;
    TPoint scroll;
};

class ViewWindow : public ::testing::Test, public EditorFixture {
public:
    ViewWindow() : EditorFixture(1200, 800) {}

    TBoardView& View() const { return *static_cast<TBoardView*>(window->centralWidget()); }
    // The pixel of the view that shows the board point: the middle of its block, or the block's
    // own pixel where several board units share one.
    // Scrolled into view first, as a user scrolls to where the next part goes.
    QPoint At(QPoint board) const
    {
        const auto shown = [&] {
            const TRect r = View().Viewport().ToView({board.x(), board.y(), board.x() + 1, board.y() + 1});
            return QPoint((r.Left + r.Right - 1) / 2, (r.Top + r.Bottom - 1) / 2);
        };
        const QRect inside = View().rect().adjusted(30, 30, -30, -30);
        if (!inside.contains(shown())) {
            const QPoint away = shown() - View().rect().center();
            View().ScrollBy(away.x(), away.y());
        }
        return shown();
    }
    void Hover(QPoint board) { QTest::mouseMove(&View(), At(board)); }
    void Press(QPoint board) { QTest::mousePress(&View(), Qt::LeftButton, {}, At(board)); }
    void Release(QPoint board) { QTest::mouseRelease(&View(), Qt::LeftButton, {}, At(board)); }
    void MoveTo(QPoint board) { QTest::mouseMove(&View(), At(board)); }
    void Click(QPoint board)
    {
        Hover(board);
        Press(board);
        Release(board);
    }
    void Put(TAction* tool, QPoint board)
    {
        tool->trigger();
        Click(board);
    }
    void Wire(QPoint from, QPoint to) { DragWire(*this, *actions, from, to); }

    // The half adder of the mouse editing tests, by the same gestures, seen as the setting says;
    // the scroll comes after the first part, once there is board to scroll over.
    TStrings BuildHalfAdder(const ViewSetting& setting)
    {
        View().ZoomTo(setting.zoom);
        BuildHalfAdderByMouse(
            *this, *actions, [this](TAction* tool, QPoint at) { Put(tool, at); },
            [&] { View().ScrollBy(setting.scroll.x, setting.scroll.y); });
        TStrings text;
        window->Document.Text(text);
        return text;
    }
};

TEST_F(ViewWindow, TheSameGesturesBuildTheSameCircuitAtEveryZoomAndScroll)
{
    const TStrings plain = BuildHalfAdder({1, {0, 0}});
    ASSERT_GT(plain.size(), 100u);
    for (const ViewSetting setting : {ViewSetting{0.5, {0, 0}}, ViewSetting{2, {0, 0}}, ViewSetting{1, {37, 23}},
                                      ViewSetting{2, {61, 17}}, ViewSetting{1.5, {9, 3}}}) {
        SCOPED_TRACE("zoom " + std::to_string(setting.zoom) + " scrolled " + std::to_string(setting.scroll.x));
        shell.Answers = {Shell::TAnswer::No};
        actions->actNew->trigger();
        ASSERT_EQ(window->Bord.Count(), 0);
        EXPECT_EQ(BuildHalfAdder(setting), plain);
        if (setting.scroll != TPoint{}) {
            EXPECT_NE(View().Viewport().Offset(), TPoint{});
        }
    }
}

TEST_F(ViewWindow, TheWheelScrollsCtrlWheelZoomsAtThePointerAndTheKeysZoomInSteps)
{
    Put(actions->actNOT, {100, 100});
    QApplication::setActiveWindow(window.get());
    const QPoint pointer = At({110, 110});
    QWheelEvent zoomIn(pointer, View().mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(&View(), &zoomIn);
    EXPECT_DOUBLE_EQ(View().Viewport().Zoom(), 1.25);
    EXPECT_EQ(View().Viewport().ToBoard(pointer.x(), pointer.y()), (TPoint{110, 110}));
    EXPECT_EQ(window->statusBar()->findChildren<QLabel*>().last()->text(), QStringLiteral("125%"));

    QWheelEvent down(pointer, View().mapToGlobal(pointer), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&View(), &down);
    EXPECT_GT(View().Viewport().Offset().y, 0);
    QWheelEvent right(pointer, View().mapToGlobal(pointer), {}, {0, -120}, Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&View(), &right);
    EXPECT_GT(View().Viewport().Offset().x, 0);

    actions->actZoom100->trigger();
    EXPECT_DOUBLE_EQ(View().Viewport().Zoom(), 1);
    actions->actZoomOut->trigger();
    EXPECT_DOUBLE_EQ(View().Viewport().Zoom(), 0.75);
    actions->actZoomFit->trigger();
    EXPECT_DOUBLE_EQ(View().Viewport().Zoom(), TViewport::MaxZoom);  // one inverter fills the view
    const TRect shown = View().Viewport().ToView({100, 100, 140, 140});
    EXPECT_TRUE(QRect(QPoint(), View().size()).contains(QRect(shown.Left, shown.Top, 160, 160)));
    // The zoom belongs to the document on screen: a new one starts at 100 %.
    shell.Answers = {Shell::TAnswer::No};
    actions->actNew->trigger();
    EXPECT_DOUBLE_EQ(View().Viewport().Zoom(), 1);
    EXPECT_EQ(View().Viewport().Offset(), (TPoint{0, 0}));
}

TEST_F(ViewWindow, APartDraggedPastTheEdgeScrollsTheViewAndEndsUnderThePointer)
{
    Put(actions->actNOT, {100, 100});
    TPartsBase* inverter = window->Bord.Items(0);
    const QPoint edge(View().width() - 4, At({120, 120}).y());
    Hover({120, 120});
    Press({120, 120});
    QTest::mouseMove(&View(), At({400, 120}));
    QTest::mouseMove(&View(), edge);
    QTest::qWait(300);  // the auto-scroll carries the drag on
    const TPoint under = View().Viewport().ToBoard(edge.x(), edge.y());
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, edge);
    EXPECT_GT(View().Viewport().Offset().x, 0);
    EXPECT_GT(inverter->Left, View().width() - 140);
    EXPECT_LE(std::abs(inverter->Left + 20 - under.x), 10);  // grabbed at its middle, on the grid
    const TRect visible = View().Viewport().VisibleBoard();
    EXPECT_LT(inverter->Left, visible.Right);

    // Grabbed again where it now shows, it comes back.
    const QPoint grab = At({inverter->Left + 20, inverter->Top + 20});
    QTest::mousePress(&View(), Qt::LeftButton, {}, grab);
    QTest::mouseMove(&View(), grab - QPoint(100, 0));
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, grab - QPoint(100, 0));
    EXPECT_LT(inverter->Left, View().Viewport().ToBoard(grab.x(), 0).x - 80);
}

}  // namespace
