#pragma once

#include "DMU.h"
#include "IniFile.h"
#include "PartU.h"
#include "ScriptedShell.h"
#include "VoltraneU.h"

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
};
