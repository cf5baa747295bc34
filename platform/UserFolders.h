#pragma once

#include <string>

// Where one user's files live: the macros, the macro list and the recovery copies in the user's
// data folder, the settings file with the recent files in the user's configuration folder. The
// program's own folder is never written, so users of one machine share nothing.
struct TUserFolders {
    std::string Data;
    std::string SettingsFile;
};

// The folders the desktop gives this user (XDG configuration and data folders), created when
// missing; the settings file is named after the program, as "voltrane.INI".
TUserFolders UserFolders(const std::string& configFolder, const std::string& dataFolder, const std::string& programName);

// What an older copy left beside the program is taken over once: its settings file when the user
// has none yet, its folder "Macro" when the user has none yet. The old files stay as they were.
void ImportOldCopy(const std::string& programFolder, const std::string& programName, const TUserFolders& user);
