#include "ViewCommands.h"

#include "ActionManager.h"
#include "BoardView.h"
#include "EditSession.h"
#include "EditorWindows.h"
#include "ExMemo.h"
#include "MouseEditor.h"
#include "Simulation.h"
#include "Viewport.h"

#include <QCursor>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <cmath>

TViewCommands::TViewCommands(QMainWindow& window, const TActionManager& a, TBoardView& view, TEditSession& session,
                             TMouseEditor& mouse, TEditorWindows& windows)
    : QObject(&window), view_(view), session_(session), mouse_(mouse), windows_(windows), zoomField_(new QLabel(&window))
{
    window.statusBar()->addPermanentWidget(zoomField_);
    // Keyboards without a separate plus key type Ctrl+= for it.
    a.actZoomIn->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    // The keys zoom about the pointer when it is over the board, as the wheel does.
    const auto zoomBy = [this](bool in) {
        const double zoom = in ? view_.Viewport().StepUp() : view_.Viewport().StepDown();
        const QPoint at = view_.mapFromGlobal(QCursor::pos());
        if (view_.rect().contains(at))
            view_.ZoomAt(zoom, at);
        else
            view_.ZoomTo(zoom);
    };
    connect(a.actZoomIn, &QAction::triggered, this, [zoomBy] { zoomBy(true); });
    connect(a.actZoomOut, &QAction::triggered, this, [zoomBy] { zoomBy(false); });
    connect(a.actZoom100, &QAction::triggered, this, [this] { view_.ZoomTo(1); });
    connect(a.actZoomFit, &QAction::triggered, this, [this] {
        const TRect all = ObjectBounds(session_.Bord);
        if (all.Right > all.Left) view_.Fit(all);
    });
    connect(a.actZoomSelection, &QAction::triggered, this, [this] {
        const TRect chosen = ObjectBounds(session_.State.SelectedParts);
        if (chosen.Right > chosen.Left) view_.Fit(chosen);
    });
}

void TViewCommands::ViewChanged()
{
    windows_.SetImageScale(view_.Viewport().Scale());
    RedrawArea(view_.Viewport().VisibleBoard());
    ViewMoved();
}

void TViewCommands::RedrawArea(const TRect& area)
{
    ::RedrawBoard(session_.Bord, view_.BoardSurface(), area);
    // The selection keeps its frames wherever it comes into view.
    for (TPartsBase* o : session_.State.SelectedParts) o->DrawSelectFrame(view_.BoardSurface());
}

void TViewCommands::ViewMoved()
{
    session_.Host.Paint();
    mouse_.ShowPreview();
    for (TExMemo* memo : view_.findChildren<TExMemo*>())
        if (memo->isVisible()) memo->Place();
    zoomField_->setText(QStringLiteral("%1%").arg(std::lround(view_.Viewport().Zoom() * 100)));
}
