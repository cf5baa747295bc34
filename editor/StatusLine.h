#pragma once

#include "PassRate.h"
#include "StatusText.h"

#include <QObject>
#include <QTimer>

#include <chrono>

class QLabel;
class QMainWindow;
class TActionManager;
class TRunCommands;
struct TEditSession;

// The status bar at the foot of the main window. Its left part shows the long hint of the menu
// entry or tool button under the pointer, and while a run shows levels the outputs that drive
// one wire with different levels; its right part, the mode field, says what a press on the board
// will do, or how far and how fast a running simulation has got.
class TStatusLine : public QObject {
public:
    TStatusLine(QMainWindow& window, const TActionManager& actions, const TEditSession& session,
                const TRunCommands& runs);

    // Shows the window's state as it is now; while the simulation runs the field refreshes
    // itself a few times a second.
    void Update();
    QLabel* ModeField() const { return mode_; }

private:
    TStatusFacts Facts();

    static constexpr auto RefreshInterval = std::chrono::milliseconds(250);

    const TActionManager& actions_;
    const TEditSession& session_;
    const TRunCommands& runs_;
    QLabel* mode_;
    // Names the outputs that drive one wire with different levels while a run shows them.
    QLabel* conflict_;
    QTimer refresh_;
    TPassRate rate_;
};
