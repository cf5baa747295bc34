#include "RunCommands.h"

#include "ProbeHub.h"

#include "BoardView.h"
#include "CountDialog.h"
#include "Document.h"
#include "DocumentCommands.h"
#include "IniFile.h"
#include "LevelFrames.h"
#include "LiveImage.h"
#include "Messages.h"
#include "NetTexts.h"
#include "RunControl.h"
#include "RunLoop.h"
#include "Scope.h"
#include "Shell.h"
#include "ShowingParts.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* RunSection = "Simulation";
constexpr const char* StepCountKey = "StepPasses";
constexpr int DefaultStepCount = 10;

}  // namespace

TRunCommands::TRunCommands(QWidget& window, TActionManager& actions, TEditSession& session, TDocument& document,
                           TDocumentCommands& documents, TBoardView& view, Shell& shell, TProbeHub& probes,
                           std::function<void()> actionsChanged)
    : QObject(&window), window_(window), actions_(actions), s_(session), document_(document), documents_(documents),
      view_(view), shell_(shell), probes_(probes), actionsChanged_(std::move(actionsChanged))
{
    const TActionManager& a = actions;
    connect(a.actSimStart, &QAction::triggered, this, [this] { Start(); });
    connect(a.actSimStop, &QAction::triggered, this, [this] { Stop(); });
    connect(a.actSimPause, &QAction::triggered, this, [this](bool pause) {
        if (!run_) return;
        if (pause) run_->Pause();
        else run_->Resume();
    });
    connect(a.actSimStep, &QAction::triggered, this, [this] { StepPasses(1); });
    connect(a.actSimStepN, &QAction::triggered, this, [this] {
        const std::optional<int> count = AskCount(&window_, Tr("Run N passes"), StepCount(),
                                                  TrIn("count dialog", "Fewer"), TrIn("count dialog", "More"));
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
        document_.SaveRecord();
        // The circuit may have been saved with the record.
        documents_.Autosave();
    });
}

int TRunCommands::StepCount() const
{
    return std::clamp(TIniFile(shell_.SettingsFile()).ReadInteger(RunSection, StepCountKey, DefaultStepCount), 1, 100);
}

void TRunCommands::StepPasses(int64_t passes)
{
    if (run_) {
        run_->Step(passes);
        return;
    }
    stepsAtStart_ = passes;
    actions_.actSimStart->trigger();
    stepsAtStart_ = 0;
}

void TRunCommands::StartAt(std::function<void(TPassEngine&)> prelude)
{
    preludeAtStart_ = std::move(prelude);
    actions_.actSimStart->trigger();
    preludeAtStart_ = {};
}

void TRunCommands::Start()
{
    if (running_) return;
    for (TAction* action : actions_.ActionTable) action->setEnabled(false);
    actions_.actSimStart->setEnabled(false);
    actions_.actSimStop->setEnabled(true);
    s_.Context.Simulating = true;
    running_ = true;
    TLiveImage::DeferRepaints(true);

    TRunControl run(s_.Bord);
    for (const TAction* speed : actions_.SpeedActions)
        if (speed->isChecked()) run.SetRate(speed->data().toInt());
    run.ShowChanges(actions_.actSimMarks->isChecked());
    run.Step(std::exchange(stepsAtStart_, 0));
    TLevelFrames levels(s_.Bord);
    levels_ = &levels;
    run.AfterWatchedPass = [this, &run] {
        ShowLevels();
        ShowChangedParts();
        if (run.Paused()) actionsChanged_();
    };
    // A run that begins at a test table's row is no student's session: nothing is recorded.
    const bool recorded = !preludeAtStart_;
    if (preludeAtStart_) {
        run.Prelude = std::exchange(preludeAtStart_, {});
        run.Pause();
    } else {
        TStrings text;
        document_.Text(text);
        s_.Recorder.Begin(std::move(text), run, s_.Context);
    }
    run_ = &run;
    TQtMessagePump pump;
    // A probe reads in a pass the levels the pass before it left, so those are the earlier pass's,
    // numbered as voltrane-sim numbers them.
    pump.AfterPass = [this, &run] {
        if (run.Passes() > 1) probes_.EndPass(run.Passes() - 1);
    };
    // At rest the passes are counted: the probes and their windows see them all the same.
    run.ShowingCounts = ShowsStateOfItsOwn;
    run.AfterCountedPasses = [this, &run](int64_t counted) {
        if (run.Passes() > 1) probes_.EndSteadyPasses(run.Passes() - 1);
        for (int i = 0; i < s_.Bord.Count(); ++i)
            if (auto* scope = dynamic_cast<TScope*>(s_.Bord.Items(i))) scope->ScopeWindow->SampleSteady(counted);
    };
    pump.BeforeFrame = [this] { ShowLevels(); };
    run.Run(pump, [this, &run, &levels] {
        passes_ = run.Passes();
        // The levels show from the first pass on; the run's last redraw is the editing look's.
        if (!s_.Context.Simulating) levels.End();
        else if (!levels.Levels()) levels.Begin();
        conflict_ = levels.Levels() ? ConflictText(s_.Bord, *levels.Levels()) : std::string();
        s_.Host.RepaintBoard();
        s_.Host.Paint();
    });
    passes_ = run.Passes();
    run_ = nullptr;
    levels_ = nullptr;
    conflict_.clear();
    if (recorded) s_.Recorder.End();
    ShowChangedParts();

    TLiveImage::DeferRepaints(false);
    running_ = false;
    actionsChanged_();
}

int64_t TRunCommands::Passes() const { return run_ ? run_->Passes() : passes_; }

void TRunCommands::Stop()
{
    actions_.actSimStart->setEnabled(true);
    actions_.actSimStop->setEnabled(false);
    s_.Context.Simulating = false;
}

void TRunCommands::UpdateActions()
{
    const TActionManager& a = actions_;
    const bool paused = run_ && run_->Paused();
    if (a.actSimPause->isEnabled() != (run_ != nullptr)) a.actSimPause->setEnabled(run_ != nullptr);
    if (a.actSimPause->isChecked() != paused) a.actSimPause->setChecked(paused);
    if (a.actSaveRecord->isEnabled() != s_.Recorder.HasRun()) a.actSaveRecord->setEnabled(s_.Recorder.HasRun());
}

void TRunCommands::ShowLevels()
{
    if (!levels_) return;
    if (!levels_->Frame([this](const TRect& area) { s_.Host.RepaintArea(area); })) {
        s_.Host.RepaintBoard();
        s_.Host.Paint();
    }
    conflict_ = levels_->Levels() ? ConflictText(s_.Bord, *levels_->Levels()) : std::string();
}

std::string TRunCommands::WireTip(int x, int y) const
{
    const TNetLevels* levels = levels_ ? levels_->Levels() : nullptr;
    if (!levels) return {};
    const TBord::THit hit = s_.Bord.PartAt(nullptr, x, y);
    const TPartsBase* wire = hit.Object;
    // Wires inside a box answer on the box's level.
    if (hit.Object && hit.Object->Is(cfContainer))
        wire = s_.Bord.PartAt(static_cast<const TContainer*>(hit.Object), x, y).Object;
    if (!wire || !(wire->Is(cfCode) || wire->Is(cfDot))) return {};
    const uint32_t net = levels->Map().NetOf(*wire);
    return net == TNetMap::NoNet ? std::string() : NetTip(s_.Bord, *levels, net);
}

void TRunCommands::ShowChangedParts()
{
    std::vector<QRect> marks;
    if (run_ && actions_.actSimMarks->isChecked())
        for (const TPartsBase* o : run_->Changed())
            marks.emplace_back(o->Left - 2, o->Top - 2, o->Width + 5, o->Height + 5);
    view_.SetMarks(std::move(marks));
}
