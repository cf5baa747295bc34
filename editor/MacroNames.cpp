#include "MacroNames.h"

#include "CircuitFile.h"

#include <algorithm>
#include <filesystem>

namespace {

const char* const ListFile = "/MacroNames.lst";

std::string AsciiLower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

TStrings LoadMacroNames(const std::string& macroFolder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(macroFolder + ListFile, error)) {
        // A list edited by hand may repeat a name or hold empty lines; each name is offered once.
        TStrings names;
        for (std::string& name : ReadCircuitFile(macroFolder + ListFile))
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
        return names;
    }
    TStrings names;
    for (const auto& entry : fs::directory_iterator(macroFolder, error)) {
        const fs::path& path = entry.path();
        // Macro files keep their name whatever the case of ".lgm", as on the system they come from.
        if (entry.is_regular_file(error) && AsciiLower(path.extension().string()) == ".lgm")
            names.push_back(path.stem().string());
    }
    // Names equal but for case keep a fixed order, whatever order the folder lists them in.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = AsciiLower(a), lb = AsciiLower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

void SaveMacroNames(const std::string& macroFolder, const TStrings& names)
{
    WriteCircuitFile(macroFolder + ListFile, names);
}
