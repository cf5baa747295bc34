#pragma once

// A headless editor for the benchmarks: a scripted desktop, a window that draws nothing, and a
// board of many parts.
#include "Document.h"
#include "PartU.h"
#include "Shell.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

class BenchShell : public Shell {
public:
    std::string Path;
    std::string Clipboard;
    std::optional<std::string> OpenFileName(const TFileDialog&) override { return Path; }
    std::optional<std::string> SaveFileName(const TFileDialog&) override { return Path; }
    TAnswer AskYesNoCancel(const std::string&) override { return TAnswer::No; }
    void ShowError(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void ShowMessage(const std::string&) override {}
    bool ClipboardHasText() override { return !Clipboard.empty(); }
    std::string ClipboardText() override { return Clipboard; }
    void SetClipboardText(const std::string& text) override { Clipboard = text; }
    std::string DataFolder() override { return "/tmp"; }
    std::string SettingsFile() override { return "/tmp/voltrane-bench.INI"; }
    bool OpenUrl(const std::string&) override { return true; }
};

class BenchHost : public EditorHost {
public:
    void RedrawBoard() override {}
    void Paint() override {}
    Canvas& BoardSurface() override { return surface_; }
    Canvas& WindowSurface() override { return surface_; }
    TTool CheckedTool() const override { return TTool::Select; }
    void CheckSelectTool() override {}
    void SetContextMenu(TPopupMenu) override {}
    void SetTitle(const std::string&) override {}
    void SetBusy(bool) override {}

private:
    NullCanvas surface_{1280, 960};
};

struct Editor {
    BenchShell shell;
    BenchHost host;
    TCircuit circuit;
    TEditorState state;
    TEditSession session{state, circuit, host};
    TDocument document{session, shell};

    // Gates, inverters and flip-flops in rows, each output wired on to the next part.
    explicit Editor(int64_t parts)
    {
        shell.Path = "/tmp/voltrane-bench-" + std::to_string(::getpid()) + ".lgc";
        for (int64_t i = 0; i < parts; ++i) {
            const int x = static_cast<int>(i % 200) * 80, y = static_cast<int>(i / 200) * 60;
            TPartsBase* o = i % 3 == 0 ? static_cast<TPartsBase*>(circuit.Bord.Create<TGate>(nullptr))
                                       : i % 3 == 1 ? static_cast<TPartsBase*>(circuit.Bord.Create<TNot>(nullptr))
                                                    : static_cast<TPartsBase*>(circuit.Bord.Create<TCode>(nullptr));
            if (o->Is(cfCode)) o->DragWidth = 40;
            o->MoveTo(x, y, false);
        }
        circuit.Bord.CheckAllLinks();
    }
    ~Editor()
    {
        std::error_code ignored;
        std::filesystem::remove(shell.Path, ignored);
    }
};
