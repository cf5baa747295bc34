#include "TableFiles.h"

#include "Messages.h"

#include <algorithm>
#include <cctype>

bool EndsWith(const std::string& path, const char* extension)
{
    std::string lowered = path;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lowered.ends_with(extension);
}

Shell::TFileDialog TablesDialog(bool circuits)
{
    std::string filter = std::string(Tr("Test tables (*.lgt)")) + "|*.lgt|" + Tr("CSV tables (*.csv)") + "|*.csv|";
    if (circuits) filter += std::string(Tr("Circuits (*.lgc)")) + "|*.lgc|";
    return {filter + Tr("All files (*.*)") + "|*.*", "lgt", {}};
}
