#include "ViewPainting.h"

#include "EditSession.h"
#include "EditorWindows.h"
#include "ExMemo.h"
#include "MouseEditor.h"
#include "Simulation.h"
#include "Viewport.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <cmath>

TViewPainting::TViewPainting(QMainWindow& window, QWidget& view, const TViewport& viewport, Canvas& boardSurface,
                             TEditSession& session, TMouseEditor& mouse, TEditorWindows& windows)
    : QObject(&window),
      view_(view),
      viewport_(viewport),
      boardSurface_(boardSurface),
      session_(session),
      mouse_(mouse),
      windows_(windows),
      zoomField_(new QLabel(&window))
{
    window.statusBar()->addPermanentWidget(zoomField_);
}

void TViewPainting::ViewChanged()
{
    windows_.SetImageScale(viewport_.Scale());
    RedrawArea(viewport_.VisibleBoard());
    ViewMoved();
}

void TViewPainting::RedrawArea(const TRect& area)
{
    ::RedrawBoard(session_.Bord, boardSurface_, area);
    // The selection keeps its frames wherever it comes into view.
    for (TPartsBase* o : session_.State.SelectedParts) o->DrawSelectFrame(boardSurface_);
}

void TViewPainting::ViewMoved()
{
    session_.Host.Paint();
    mouse_.ShowPreview();
    for (TExMemo* memo : view_.findChildren<TExMemo*>())
        if (memo->isVisible()) memo->Place();
    zoomField_->setText(QStringLiteral("%1%").arg(std::lround(viewport_.Zoom() * 100)));
}
