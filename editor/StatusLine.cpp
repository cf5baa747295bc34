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
        if (f.Paused) {
            rate_.Reset();
        } else {
            rate_.Sample(f.Passes, TPassRate::Clock::now());
            f.PassRate = rate_.Rate(f.RateLimit);
        }
    }
    return f;
}

void TStatusLine::Update()
{
    const TStatusFacts facts = Facts();
    mode_->setText(QString::fromStdString(StatusText(facts)));
    // Paused, the field changes only with the commands that refresh it: no timer wakes the loop.
    const bool moving = facts.Simulating && !facts.Paused;
    if (moving && !refresh_.isActive()) refresh_.start();
    if (!moving) refresh_.stop();
    if (!facts.Simulating) rate_.Reset();
}
