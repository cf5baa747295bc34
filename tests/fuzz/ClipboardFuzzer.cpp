// Pastes arbitrary bytes as the clipboard's text, as the paste command does, into a document
// opened from a circuit file: once at top level and once into the box a click entered. Text that
// is no circuit text or breaks the format adds nothing and records nothing; a paste is one undo
// step, which undo takes back to the board as it was and redo forward to the board with the paste.
#include "ClipboardCommands.h"
#include "FuzzSupport.h"

namespace {

const std::string StartingFile = std::string(VOLTRANE_TEST_DATA) + "/box_with_terminals.lgc";
// Empty space at top level, and inside the file's box.
constexpr int OutsideX = 300, OutsideY = 200;
constexpr int InsideX = 150, InsideY = 90;

void Paste(fuzz::EditorDriver& editor, const std::string& text)
{
    const size_t errors = editor.Shell.Errors;
    editor.Shell.Clipboard = text;
    const bool pasted = editor.OneUndoableStep([&] { PasteClipboard(editor.Session, editor.Shell); });
    if (pasted)
        FUZZ_REQUIRE(editor.Shell.Errors == errors);
    else
        FUZZ_REQUIRE(editor.Shell.Errors - errors <= (text.starts_with(CircuitTextSignature) ? 1u : 0u));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(fuzz::Bytes(data, size));
    fuzz::EditorDriver editor(StartingFile);
    editor.Click(OutsideX, OutsideY);
    FUZZ_REQUIRE(editor.State.CurContainer == nullptr);
    Paste(editor, text);
    editor.Click(InsideX, InsideY);
    FUZZ_REQUIRE(editor.State.CurContainer != nullptr);
    Paste(editor, text);
    fuzz::RunBriefly(editor.Circuit, editor.Surface);
    return 0;
}
