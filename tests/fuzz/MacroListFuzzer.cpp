// Reads arbitrary bytes as the macro list (MacroNames.lst) of a macro folder, as the editor reads
// it at start. The names are never empty and each comes once; saved and read again they are the
// same list. Every name the editor would open as a macro names a file inside the folder, and
// choosing it loads that file.
#include "EditSession.h"
#include "FuzzSupport.h"
#include "MacroNames.h"
#include "Macros.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

// Choosing reads a file per name; the first few names are chosen.
constexpr size_t ChosenNames = 8;

const std::string& MacroText()
{
    static const std::string text = fuzz::SourceFile(std::string(VOLTRANE_TEST_DATA) + "/box_with_terminals.lgc");
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    MacroText();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace fs = std::filesystem;
    const std::string folder = fuzz::ScratchFolder::File("Macro");
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder);
    fuzz::WriteBytes(folder + "/MacroNames.lst", fuzz::Bytes(data, size));

    const TStrings names = LoadMacroNames(folder);
    FUZZ_REQUIRE(std::set<std::string>(names.begin(), names.end()).size() == names.size());
    FUZZ_REQUIRE(std::none_of(names.begin(), names.end(), [](const std::string& n) { return n.empty(); }));
    SaveMacroNames(folder, names);
    FUZZ_REQUIRE(LoadMacroNames(folder) == names);

    NullCanvas surface(640, 480);
    TCircuit circuit(&surface);
    TEditorState state;
    fuzz::NullHost host;
    TEditSession session(state, circuit, host);
    fuzz::QuietShell shell;
    size_t chosen = 0;
    for (const std::string& name : names) {
        if (chosen == ChosenNames) break;
        if (!MacroNameFault(name).empty()) {
            FUZZ_REQUIRE(!ChooseMacro(session, shell, folder, name));
            continue;
        }
        ++chosen;
        const fs::path path = MacroPath(folder, name);
        FUZZ_REQUIRE(path.parent_path() == fs::path(folder) && path.filename() == name + ".lgm");
        fuzz::WriteBytes(path.string(), MacroText());
        state.PartsText.clear();
        FUZZ_REQUIRE(ChooseMacro(session, shell, folder, name));
        FUZZ_REQUIRE(state.PartsText == DecodeCircuitText(MacroText()) && state.ToolClass == "TMacro");
        fs::remove(path, error);
    }
    return 0;
}
