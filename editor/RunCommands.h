#pragma once

#include "ActionManager.h"
#include "EditSession.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>

class QWidget;
class Shell;
class TProbeHub;
class TBoardView;
class TDocument;
class TDocumentCommands;
class TPassEngine;
class TLevelFrames;
class TRunControl;

// The runs of the circuit in the window: start and stop, pause, single passes and the speed
// limit, the frames around the parts a pass changed, and saving the run's record. While a run
// goes on, its loop serves the window's events between passes.
class TRunCommands : public QObject {
public:
    // actionsChanged: the window's actions are to be enabled anew.
    TRunCommands(QWidget& window, TActionManager& actions, TEditSession& session, TDocument& document,
                 TDocumentCommands& documents, TBoardView& view, Shell& shell, TProbeHub& probes,
                 std::function<void()> actionsChanged);

    // Disables the editing actions (the action table), which the window's refresh enables again by
    // their rules, and runs the simulation until stop or closing the window.
    void Start();
    void Stop();
    // Runs that many passes and pauses; starts the simulation first when none runs.
    void StepPasses(int64_t passes);
    // Starts a run that first does what the prelude says in place of pass 1 (a test table's row)
    // and pauses there, unrecorded; returns when the run has ended.
    void StartAt(std::function<void(TPassEngine&)> prelude);

    bool Running() const { return running_; }
    // While levels show: what the status bar says of outputs that drive one wire with different
    // levels (empty when none do), and the tool tip of the wire or dot at the board point.
    const std::string& Conflict() const { return conflict_; }
    std::string WireTip(int x, int y) const;
    // The controls of the run under way; none between runs.
    TRunControl* Run() const { return run_; }
    // Passes run by the last (or the running) simulation, for measuring.
    int64_t Passes() const;
    // The pause, speed and record commands as the run stands.
    void UpdateActions();

private:
    // The passes that "Run N passes" offers, as the settings file keeps them.
    int StepCount() const;
    // Frames the parts the last watched pass changed, or takes the frames away.
    void ShowChangedParts();
    // Repaints the nets whose levels changed since the last frame.
    void ShowLevels();

    QWidget& window_;
    TActionManager& actions_;
    TEditSession& s_;
    TDocument& document_;
    TDocumentCommands& documents_;
    TBoardView& view_;
    Shell& shell_;
    // Told the end of every pass, for the timing diagram.
    TProbeHub& probes_;
    std::function<void()> actionsChanged_;
    bool running_ = false;
    int64_t passes_ = 0;
    TRunControl* run_ = nullptr;
    TLevelFrames* levels_ = nullptr;
    std::string conflict_;
    // Passes the next run pauses after; 0 runs on until paused.
    int64_t stepsAtStart_ = 0;
    // What the next run does in place of pass 1 before it pauses; none for a run of the start command.
    std::function<void(TPassEngine&)> preludeAtStart_;
};
