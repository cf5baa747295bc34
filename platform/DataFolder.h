#pragma once

#include <string>

// Where the settings file and the folder "Macro" live: beside the program when its folder is
// writable (a build tree, a portable copy), otherwise in the user's configuration folder, which
// is created when missing. One answer for both, so the two never drift apart.
std::string ChooseDataFolder(const std::string& programFolder, const std::string& configFolder);
