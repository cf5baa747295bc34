// The main window's side of the view: zoom in steps, to 100 % and to fit, the zoom shown in the
// status bar, and the board drawn anew whenever the view moves.
#include "VoltraneU.h"

#include "ExMemo.h"

#include <QCursor>
#include <QLabel>

void TfrmVoltrane::ConnectViewCommands()
{
    const TActionManager& a = ActionManager1;
    // Keyboards without a separate plus key type Ctrl+= for it.
    a.actZoomIn->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    // The keys zoom about the pointer when it is over the board, as the wheel does.
    const auto zoomBy = [this](bool in) {
        const double zoom = in ? view_->Viewport().StepUp() : view_->Viewport().StepDown();
        const QPoint at = view_->mapFromGlobal(QCursor::pos());
        if (view_->rect().contains(at))
            view_->ZoomAt(zoom, at);
        else
            view_->ZoomTo(zoom);
    };
    connect(a.actZoomIn, &QAction::triggered, this, [zoomBy] { zoomBy(true); });
    connect(a.actZoomOut, &QAction::triggered, this, [zoomBy] { zoomBy(false); });
    connect(a.actZoom100, &QAction::triggered, this, [this] { view_->ZoomTo(1); });
    connect(a.actZoomFit, &QAction::triggered, this, [this] {
        const TRect all = ObjectBounds(Bord);
        if (all.Right > all.Left) view_->Fit(all);
    });
    connect(a.actZoomSelection, &QAction::triggered, this, [this] {
        const TRect chosen = ObjectBounds(SelectedParts);
        if (chosen.Right > chosen.Left) view_->Fit(chosen);
    });
}

void TfrmVoltrane::ViewChanged()
{
    windows_.SetImageScale(view_->Viewport().Scale());
    RedrawArea(view_->Viewport().VisibleBoard());
    ViewMoved();
}

void TfrmVoltrane::RedrawArea(const TRect& area)
{
    ::RedrawBoard(Bord, BoardSurface(), area);
    // The selection keeps its frames wherever it comes into view.
    for (TPartsBase* o : SelectedParts) o->DrawSelectFrame(BoardSurface());
}

void TfrmVoltrane::ViewMoved()
{
    Paint();
    Mouse.ShowPreview();
    for (TExMemo* memo : view_->findChildren<TExMemo*>())
        if (memo->isVisible()) memo->Place();
    zoomField_->setText(QStringLiteral("%1%").arg(std::lround(view_->Viewport().Zoom() * 100)));
}

void TfrmVoltrane::DocumentReplaced() { view_->Reset(); }
