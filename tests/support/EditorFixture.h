#pragma once

#include "IniFile.h"
#include "PartU.h"
#include "ScriptedShell.h"
#include "VoltraneU.h"

#include <memory>

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
        window = std::make_unique<TfrmVoltrane>(shell);
        actions = &window->ActionManager1;
        window->show();
    }
};
