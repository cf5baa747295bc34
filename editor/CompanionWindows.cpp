#include "CompanionWindows.h"

#include "ActionManager.h"
#include "AnalysisWindow.h"
#include "BoardAnalysis.h"
#include "ClipboardCommands.h"
#include "EditSession.h"
#include "HelpWindow.h"
#include "KarnaughView.h"
#include "Messages.h"
#include "ProbeLabels.h"
#include "Shell.h"
#include "TimingWindow.h"
#include "Viewport.h"

TCompanionWindows::TCompanionWindows(QWidget& window, const TActionManager& actions, TEditSession& session,
                                     const TDocument& document, Shell& shell, TProbeHub& probes)
    : QObject(&window), window_(window), actions_(actions), s_(session), document_(document), shell_(shell),
      probes_(probes)
{
    connect(actions.actHelp, &QAction::triggered, this, [this] { ShowHelp(); });
    connect(actions.actTiming, &QAction::triggered, this, [this] { ShowTiming(); });
    connect(actions.actAnalysis, &QAction::triggered, this, [this] { ShowAnalysis(); });
}

void TCompanionWindows::ShowHelp()
{
    // The guide speaks the interface's language.
    if (!frmHelp) frmHelp = new THelpWindow(GuideFolders(), &window_);
    frmHelp->show();
    frmHelp->raise();
    frmHelp->activateWindow();
}

void TCompanionWindows::ShowTiming()
{
    if (!frmTiming)
        frmTiming = new TTimingWindow(
            probes_, shell_, [this](const TProbeChannel& channel) { return ProbeChannelLabel(s_.Bord, channel); },
            &window_);
    frmTiming->SetScheme(scheme_);
    frmTiming->show();
    frmTiming->raise();
}

void TCompanionWindows::ShowAnalysis()
{
    if (!frmAnalysis)
        frmAnalysis = new TAnalysisWindow(
            shell_,
            [this](bool tellWhy, const std::vector<std::string>& added) {
                return BoardAnalysis(document_, shell_, tellWhy, added);
            },
            [this](const TStrings& lines) { return PlaceBuilt(lines); }, &window_);
    frmAnalysis->pboxMap->SetScheme(scheme_);
    frmAnalysis->show();
    frmAnalysis->raise();
}

void TCompanionWindows::SetScheme(TColourSchemeId scheme)
{
    scheme_ = scheme;
    if (frmTiming) frmTiming->SetScheme(scheme);
    if (frmAnalysis) frmAnalysis->pboxMap->SetScheme(scheme);
}

bool TCompanionWindows::PlaceBuilt(const TStrings& lines)
{
    if (s_.Context.Simulating) {
        shell_.ShowError(Tr("A circuit cannot be built on the board while the simulation runs."));
        return false;
    }
    if (!PlaceBeside(s_, shell_, lines)) return false;
    // Placed out of sight, the new circuit is brought into view with the old one.
    const TRect placed = ObjectBounds(s_.State.SelectedParts), shown = s_.Host.ShownArea();
    if (placed.Left < shown.Left || placed.Top < shown.Top || placed.Right > shown.Right ||
        placed.Bottom > shown.Bottom)
        actions_.actZoomFit->trigger();
    return true;
}
