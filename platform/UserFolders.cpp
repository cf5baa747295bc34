#include "UserFolders.h"

#include <filesystem>

namespace fs = std::filesystem;

TUserFolders UserFolders(const std::string& configFolder, const std::string& dataFolder, const std::string& programName)
{
    std::error_code ignored;
    fs::create_directories(configFolder, ignored);
    fs::create_directories(dataFolder, ignored);
    return {dataFolder, (fs::path(configFolder) / (programName + ".INI")).string()};
}

void ImportOldCopy(const std::string& programFolder, const std::string& programName, const TUserFolders& user)
{
    // A copy that cannot be made leaves the user's folders as they were: the old files stay usable.
    std::error_code ignored;
    const fs::path old(programFolder);
    const fs::path oldSettings = old / (programName + ".INI");
    if (fs::is_regular_file(oldSettings, ignored) && !fs::exists(user.SettingsFile, ignored))
        fs::copy_file(oldSettings, user.SettingsFile, ignored);
    const fs::path oldMacros = old / "Macro", macros = fs::path(user.Data) / "Macro";
    if (fs::is_directory(oldMacros, ignored) && !fs::exists(macros, ignored))
        fs::copy(oldMacros, macros, fs::copy_options::recursive, ignored);
}
