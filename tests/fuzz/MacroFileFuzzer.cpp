// Reads arbitrary bytes as a macro file (.lgm) the way the editor does: chosen from the macro menu,
// then placed with a press, once on empty board space and once inside a box (unless the first macro
// covers that point), on a document opened from a circuit file. A macro that breaks the format places nothing and records nothing; one that
// places is one undo step, which undo takes back to the board as it was and redo forward to the
// board with the macro.
#include "FuzzSupport.h"
#include "Macros.h"

namespace {

const std::string StartingFile = std::string(VOLTRANE_TEST_DATA) + "/box_with_terminals.lgc";
constexpr int OutsideX = 300, OutsideY = 200;
constexpr int InsideX = 150, InsideY = 90;

void Place(fuzz::EditorDriver& editor, const std::string& folder, int x, int y)
{
    FUZZ_REQUIRE(ChooseMacro(editor.Session, editor.Shell, folder, "fuzzed"));
    const bool placed = editor.OneUndoableStep([&] {
        editor.Mouse.MouseDown(TMouseButton::Left, 0, x, y);
        editor.Mouse.MouseUp(TMouseButton::Left, 0, x, y);
    });
    // A press on empty space placed the macro and disarmed the tool; one on an object (a part of the
    // macro placed before, say) chose that object instead.
    if (placed) FUZZ_REQUIRE(editor.State.ToolClass.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string folder = fuzz::ScratchFolder::Path();
    fuzz::WriteBytes(MacroPath(folder, "fuzzed"), fuzz::Bytes(data, size));
    fuzz::EditorDriver editor(StartingFile);
    Place(editor, folder, OutsideX, OutsideY);
    Place(editor, folder, InsideX, InsideY);
    fuzz::RunBriefly(editor.Circuit, editor.Surface);
    return 0;
}
