#pragma once

// What the fuzz targets share: a window and a desktop that show nothing, a scratch folder of the
// process for the readers that go through files, the files of the source tree they check against,
// and the board as the text a save would write.
#include "CircuitFile.h"
#include "CircuitText.h"
#include "Document.h"
#include "EditCommands.h"
#include "EditSession.h"
#include "EditorHost.h"
#include "MouseEditor.h"
#include "PartU.h"
#include "Shell.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#define FUZZ_REQUIRE(promise) ::fuzz::Require((promise), #promise, __FILE__, __LINE__)

namespace fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A fault the reader lets through: libFuzzer reports the abort with the input that caused it, and
// the message says which promise was broken.
inline void Require(bool holds, const char* promise, const char* file, int line)
{
    if (holds) return;
    std::fprintf(stderr, "%s:%d: does not hold: %s\n", file, line, promise);
    std::abort();
}

// A folder of this process alone, in memory where the system has a memory file system: the readers
// write their files through fsync, which would otherwise cost a disk flush per input. Removed at exit.
class ScratchFolder {
public:
    static const std::string& Path()
    {
        static ScratchFolder folder;
        return folder.path_;
    }
    static std::string File(const std::string& name) { return Path() + "/" + name; }

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    ScratchFolder()
    {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = (base / ("voltrane-fuzz-" + std::to_string(::getpid()))).string();
        fs::remove_all(path_, error);
        fs::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string path_;
};

inline void WriteBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file of the source tree; a missing one ends the fuzzer at once, before any input runs.
inline std::string SourceFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) std::abort();
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline TStrings SourceCircuit(const std::string& path) { return DecodeCircuitText(SourceFile(path)); }

// Every object of the board as a save writes it, names, places and settings included.
inline TStrings BoardText(const TBord& board)
{
    TPartsList all;
    board.CopyParts(all);
    TStrings lines;
    SaveParts(all, lines);
    return lines;
}

// The editor's window without a window: nothing is drawn, the select tool stays checked.
class NullHost : public EditorHost {
public:
    void RedrawBoard() override {}
    void Paint() override {}
    Canvas& BoardSurface() override { return surface_; }
    Canvas& WindowSurface() override { return surface_; }
    TTool CheckedTool() const override { return tool_; }
    void CheckSelectTool() override { tool_ = TTool::Select; }
    void SetContextMenu(TPopupMenu) override {}
    void SetTitle(const std::string&) override {}
    void SetBusy(bool) override {}

private:
    NullCanvas surface_{640, 480};
    TTool tool_ = TTool::Select;
};

// A desktop whose dialogs are cancelled and whose boxes are counted; the clipboard is a string.
class QuietShell : public Shell {
public:
    std::string Clipboard;
    size_t Errors = 0;

    std::optional<std::string> OpenFileName(const TFileDialog&) override { return std::nullopt; }
    std::optional<std::string> SaveFileName(const TFileDialog&) override { return std::nullopt; }
    TAnswer AskYesNoCancel(const std::string&) override { return TAnswer::Cancel; }
    void ShowError(const std::string&) override { ++Errors; }
    void ShowMessage(const std::string&) override {}
    bool ClipboardHasText() override { return !Clipboard.empty(); }
    std::string ClipboardText() override { return Clipboard; }
    void SetClipboardText(const std::string& text) override { Clipboard = text; }
    std::string DataFolder() override { return ScratchFolder::Path(); }
    std::string SettingsFile() override { return ScratchFolder::File("voltrane.INI"); }
    bool OpenUrl(const std::string&) override { return false; }
};

// Collects what the circuit would show in a message box.
class CountedMessages : public MessageSink {
public:
    size_t Shown = 0;
    void ShowMessage(const std::string&) override { ++Shown; }
};

// The editor as a user drives it: a document opened from a file, the mouse, the clipboard, undo.
struct EditorDriver {
    NullCanvas Surface{640, 480};
    TCircuit Circuit{&Surface};
    CountedMessages Messages;
    TEditorState State;
    NullHost Host;
    TEditSession Session{State, Circuit, Host};
    QuietShell Shell;
    TDocument Document{Session, Shell};
    TMouseEditor Mouse{Session};

    explicit EditorDriver(const std::string& file)
    {
        Circuit.Context.Messages = &Messages;
        FUZZ_REQUIRE(Document.OpenFile(file));
    }

    void Click(int x, int y)
    {
        Mouse.MouseMove(0, x, y);
        Mouse.MouseDown(TMouseButton::Left, 0, x, y);
        Mouse.MouseUp(TMouseButton::Left, 0, x, y);
    }

    // Runs the edit and checks the step it left in the history: none, and the board as it was; or
    // one, which undo takes back to the board before it and redo forward to the board after it.
    // Answers whether there was a step.
    bool OneUndoableStep(const std::function<void()>& edit)
    {
        const TStrings before = BoardText(Circuit.Bord);
        const int steps = Circuit.UndoQue().UndoCount;
        edit();
        if (Circuit.UndoQue().UndoCount == steps) {
            FUZZ_REQUIRE(BoardText(Circuit.Bord) == before);
            return false;
        }
        FUZZ_REQUIRE(Circuit.UndoQue().UndoCount == steps + 1);
        const TStrings after = BoardText(Circuit.Bord);
        UndoEdit(Session);
        FUZZ_REQUIRE(BoardText(Circuit.Bord) == before);
        RedoEdit(Session);
        FUZZ_REQUIRE(BoardText(Circuit.Bord) == after);
        return true;
    }
};

// A run's start and a few passes, drawn before and after: objects left inconsistent by what came
// before show here under the sanitizers.
inline void RunBriefly(TCircuit& circuit, Canvas& surface)
{
    TBord& board = circuit.Bord;
    board.CheckAllLinks();
    RedrawBoard(board, surface, {0, 0, surface.Width(), surface.Height()});
    circuit.Context.Simulating = true;
    board.SetConnectTanshi();
    board.ResolveNets();
    TPassEngine(board, TEngineMode::Sparse).Settle();
    for (int pass = 0; pass < 3; ++pass) {
        board.CalcAll();
        board.TickAll();
    }
    RedrawBoard(board, surface, {0, 0, surface.Width(), surface.Height()});
    circuit.Context.Simulating = false;
}

}  // namespace fuzz
