// The main window's side of running the circuit: start and stop, pause, single passes and the
// speed limit, the frames around the parts a pass changed, and saving the run's record.
#include "VoltraneU.h"

#include "BoardView.h"
#include "IniFile.h"
#include "LiveImage.h"
#include "RunControl.h"
#include "RunLoop.h"
#include "Shell.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* RunSection = "Simulation";
constexpr const char* StepCountKey = "StepPasses";
constexpr int DefaultStepCount = 10;

}  // namespace

void TfrmVoltrane::ConnectRunCommands()
{
    const TActionManager& a = ActionManager1;
    connect(a.actSimStart, &QAction::triggered, this, [this] { actSimStartExecute(); });
    connect(a.actSimStop, &QAction::triggered, this, [this] { actSimStopExecute(); });
    connect(a.actSimPause, &QAction::triggered, this, [this](bool pause) {
        if (!run_) return;
        if (pause)
            run_->Pause();
        else
            run_->Resume();
    });
    connect(a.actSimStep, &QAction::triggered, this, [this] { StepPasses(1); });
    connect(a.actSimStepN, &QAction::triggered, this, [this] {
        const std::optional<int> count = AskCount("Nパス実行", StepCount(), "少ない", "多い");
        if (!count) return;
        try {
            TIniFile(shell_.SettingsFile()).WriteInteger(RunSection, StepCountKey, *count);
        } catch (const TIniFile::TWriteError& error) {
            shell_.ShowError(error.what());
        }
        StepPasses(*count);
    });
    for (TAction* speed : a.SpeedActions)
        connect(speed, &QAction::triggered, this, [this, speed] {
            if (run_) run_->SetRate(speed->data().toInt());
        });
    connect(a.actSimMarks, &QAction::triggered, this, [this](bool show) {
        if (run_) run_->ShowChanges(show);
        ShowChangedParts();
    });
    connect(a.actSaveRecord, &QAction::triggered, this, [this] {
        Document.SaveRecord();
        // The circuit may have been saved with the record.
        if (!Modified) autosave_.Remove();
    });
}

int TfrmVoltrane::StepCount() const
{
    return std::clamp(TIniFile(shell_.SettingsFile()).ReadInteger(RunSection, StepCountKey, DefaultStepCount), 1, 100);
}

void TfrmVoltrane::StepPasses(int64_t passes)
{
    if (run_) {
        run_->Step(passes);
        return;
    }
    stepsAtStart_ = passes;
    ActionManager1.actSimStart->trigger();
    stepsAtStart_ = 0;
}

void TfrmVoltrane::actSimStartExecute()
{
    if (running_) return;
    for (TAction* action : ActionTable) action->setEnabled(false);
    ActionManager1.actSimStart->setEnabled(false);
    ActionManager1.actSimStop->setEnabled(true);
    Circuit.Context.Simulating = true;
    running_ = true;
    TLiveImage::DeferRepaints(true);

    TRunControl run(Bord);
    for (const TAction* speed : ActionManager1.SpeedActions)
        if (speed->isChecked()) run.SetRate(speed->data().toInt());
    run.ShowChanges(ActionManager1.actSimMarks->isChecked());
    run.Step(std::exchange(stepsAtStart_, 0));
    run.AfterWatchedPass = [this, &run] {
        ShowChangedParts();
        if (run.Paused()) ScheduleActionUpdate();
    };
    // A run that begins at a test table's row is no student's session: nothing is recorded.
    const bool recorded = !preludeAtStart_;
    if (preludeAtStart_) {
        run.Prelude = std::exchange(preludeAtStart_, {});
        run.Pause();
    } else {
        TStrings text;
        Document.Text(text);
        Session.Recorder.Begin(std::move(text), run, Circuit.Context);
    }
    run_ = &run;
    TQtMessagePump pump;
    run.Run(pump, [this, &run] {
        passes_ = run.Passes();
        Redraw();
    });
    passes_ = run.Passes();
    run_ = nullptr;
    if (recorded) Session.Recorder.End();
    ShowChangedParts();

    TLiveImage::DeferRepaints(false);
    running_ = false;
    ScheduleActionUpdate();
    if (closeAfterRun_) close();
}

int64_t TfrmVoltrane::SimulationPasses() const { return run_ ? run_->Passes() : passes_; }

void TfrmVoltrane::actSimStopExecute()
{
    ActionManager1.actSimStart->setEnabled(true);
    ActionManager1.actSimStop->setEnabled(false);
    Circuit.Context.Simulating = false;
}

void TfrmVoltrane::UpdateRunActions()
{
    const TActionManager& a = ActionManager1;
    const bool paused = run_ && run_->Paused();
    if (a.actSimPause->isEnabled() != (run_ != nullptr)) a.actSimPause->setEnabled(run_ != nullptr);
    if (a.actSimPause->isChecked() != paused) a.actSimPause->setChecked(paused);
    if (a.actSaveRecord->isEnabled() != Session.Recorder.HasRun()) a.actSaveRecord->setEnabled(Session.Recorder.HasRun());
}

void TfrmVoltrane::ShowChangedParts()
{
    std::vector<QRect> marks;
    if (run_ && ActionManager1.actSimMarks->isChecked())
        for (const TPartsBase* o : run_->Changed()) marks.emplace_back(o->Left - 2, o->Top - 2, o->Width + 5, o->Height + 5);
    view_->SetMarks(std::move(marks));
}
