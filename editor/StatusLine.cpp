#include "StatusLine.h"

#include "RunControl.h"
#include "VoltraneU.h"

#include <QLabel>
#include <QStatusBar>

TStatusLine::TStatusLine(TfrmVoltrane& window) : QObject(&window), window_(window), mode_(new QLabel(&window))
{
    window.statusBar()->addPermanentWidget(mode_);
    refresh_.setInterval(RefreshInterval);
    connect(&refresh_, &QTimer::timeout, this, [this] { Update(); });
}

TStatusFacts TStatusLine::Facts()
{
    TStatusFacts f;
    f.Simulating = window_.Simulating();
    f.Tool = window_.CheckedTool();
    f.ToolClass = window_.ToolClass;
    for (const TAction* action : window_.ActionManager1.All()) {
        if (!action->PartTool || action->PartTool->ToolClass != f.ToolClass ||
            action->PartTool->ToolPartNo != window_.ToolPartNo)
            continue;
        // The MSI tools have no hint; their menu entries name them.
        f.ToolName = action->statusTip().isEmpty() ? WithoutAccelerator(action->text().toStdString())
                                                   : action->toolTip().toStdString();
        break;
    }
    if (f.Simulating) {
        const TRunControl* run = window_.Run();
        f.Paused = run && run->Paused();
        f.RateLimit = run ? run->Rate() : 0;
        f.Passes = window_.SimulationPasses();
        // A rate measured across a pause would say nothing.
        if (f.Paused)
            samplePasses_ = -1;
        else
            f.PassRate = PassRate(f.Passes);
    }
    return f;
}

int64_t TStatusLine::PassRate(int64_t passes)
{
    const Clock::time_point now = Clock::now();
    if (samplePasses_ < 0 || passes < samplePasses_) {
        samplePasses_ = passes;
        sampleTime_ = now;
        rate_ = -1;
        return rate_;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - sampleTime_).count();
    if (elapsed >= RefreshInterval.count()) {
        rate_ = (passes - samplePasses_) * 1000 / elapsed;
        samplePasses_ = passes;
        sampleTime_ = now;
    }
    return rate_;
}

void TStatusLine::Update()
{
    const TStatusFacts facts = Facts();
    mode_->setText(QString::fromStdString(StatusText(facts)));
    // Paused, the field changes only with the commands that refresh it: no timer wakes the loop.
    const bool moving = facts.Simulating && !facts.Paused;
    if (moving && !refresh_.isActive()) refresh_.start();
    if (!moving) refresh_.stop();
    if (!facts.Simulating) samplePasses_ = -1;
}
