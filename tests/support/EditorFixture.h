#pragma once

#include "DMU.h"
#include "IniFile.h"
#include "PartU.h"
#include "ScriptedShell.h"
#include "TestCircuit.h"
#include "VoltraneU.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

// The data module, drawn once for every window of the test program.
inline const TDM& SharedDM()
{
    static const TDM dm;
    return dm;
}

// A main window on a scripted desktop, placed at a size that shows the whole board.
struct EditorFixture {
    ScriptedShell shell;
    std::unique_ptr<TfrmVoltrane> window;
    TActionManager* actions = nullptr;

    explicit EditorFixture(int width = 640, int height = 480)
    {
        TIniFile ini(shell.SettingsFile());
        ini.WriteInteger(TitlePrefix, "Width", width);
        ini.WriteInteger(TitlePrefix, "Height", height);
        window = std::make_unique<TfrmVoltrane>(shell, SharedDM());
        actions = &window->ActionManager1;
        window->show();
    }

    // Runs the simulation through its start action; check is called every few milliseconds
    // during the run until it answers true or two seconds have passed, then the stop action ends
    // it. Answers whether check came true.
    bool RunUntil(const std::function<bool()>& check)
    {
        QTimer poll;
        QElapsedTimer clock;
        clock.start();
        bool met = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            met = check();
            if (met || clock.elapsed() > 2000) {
                poll.stop();
                actions->actSimStop->trigger();
            }
        });
        poll.start(5);
        actions->actSimStart->trigger();
        return met;
    }
};
