#include "StatusLine.h"

#include "ActionManager.h"
#include "EditSession.h"
#include "RunCommands.h"
#include "RunControl.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

TStatusLine::TStatusLine(QMainWindow& window, const TActionManager& actions, const TEditSession& session,
                         const TRunCommands& runs)
    : QObject(&window), actions_(actions), session_(session), runs_(runs), mode_(new QLabel(&window)),
      conflict_(new QLabel(&window))
{
    mode_->setObjectName(QStringLiteral("modeField"));
    conflict_->setObjectName(QStringLiteral("conflictField"));
    conflict_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    conflict_->hide();
    window.statusBar()->addWidget(conflict_);
    window.statusBar()->addPermanentWidget(mode_);
    refresh_.setInterval(RefreshInterval);
    connect(&refresh_, &QTimer::timeout, this, [this] { Update(); });
}

TStatusFacts TStatusLine::Facts()
{
    TStatusFacts f;
    f.Simulating = session_.Context.Simulating;
    f.Tool = session_.Host.CheckedTool();
    f.ToolClass = session_.State.ToolClass;
    f.DrawingWire = session_.State.EditState == esDrawingCode;
    f.WireEndsHere = session_.State.WireEndsHere;
    for (const TAction* action : actions_.All()) {
        if (!action->PartTool || action->PartTool->ToolClass != f.ToolClass ||
            action->PartTool->ToolPartNo != session_.State.ToolPartNo)
            continue;
        // The MSI tools have no hint; their menu entries name them.
        f.ToolName = action->statusTip().isEmpty() ? WithoutAccelerator(action->text().toStdString())
                                                   : action->toolTip().toStdString();
        break;
    }
    if (f.Simulating) {
        const TRunControl* run = runs_.Run();
        f.Paused = run && run->Paused();
        f.RateLimit = run ? run->Rate() : 0;
        f.Passes = runs_.Passes();
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
    const QString conflict = QString::fromStdString(runs_.Conflict());
    if (conflict != conflict_->text()) conflict_->setText(conflict);
    conflict_->setVisible(!conflict.isEmpty());
    // Paused, the field changes only with the commands that refresh it: no timer wakes the loop.
    const bool moving = facts.Simulating && !facts.Paused;
    if (moving && !refresh_.isActive()) refresh_.start();
    if (!moving) refresh_.stop();
    if (!facts.Simulating) rate_.Reset();
}
