#include "ViewCommands.h"

#include "ActionManager.h"
#include "BoardView.h"
#include "EditSession.h"
#include "Viewport.h"

#include <QCursor>
#include <QMainWindow>

TViewCommands::TViewCommands(QMainWindow& window, const TActionManager& a, TBoardView& view, TEditSession& session)
    : QObject(&window), view_(view), session_(session)
{
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
