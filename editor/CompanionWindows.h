#pragma once

#include "BoardLook.h"
#include "PartsU.h"

#include <QObject>

class QWidget;
class Shell;
class TActionManager;
class TAnalysisWindow;
class TDocument;
class THelpWindow;
class TProbeHub;
class TTimingWindow;
struct TEditSession;

// The windows beside the editor that the guide, timing diagram and circuit analysis commands
// open: each is made by its first command and brought forward by the next, and closes with the
// main window, whose child it is. A circuit the analysis builds is placed on the board here.
class TCompanionWindows : public QObject {
public:
    TCompanionWindows(QWidget& window, const TActionManager& actions, TEditSession& session, const TDocument& document,
                      Shell& shell, TProbeHub& probes);

    // Places a built circuit beside the board's circuit as one undo step and brings both into view
    // when it lies out of sight; false, with a message, while the simulation runs or when it cannot
    // be placed.
    bool PlaceBuilt(const TStrings& lines);
    // The timing diagram and the Karnaugh map, those open and those made later, show the scheme's colours.
    void SetScheme(TColourSchemeId scheme);

    THelpWindow* frmHelp = nullptr;
    TTimingWindow* frmTiming = nullptr;
    TAnalysisWindow* frmAnalysis = nullptr;

private:
    void ShowHelp();
    void ShowTiming();
    void ShowAnalysis();

    QWidget& window_;
    const TActionManager& actions_;
    TEditSession& s_;
    const TDocument& document_;
    Shell& shell_;
    TProbeHub& probes_;
    TColourSchemeId scheme_ = TColourSchemeId::Normal;
};
