#include "EditorWindows.h"

#include "ExMemo.h"
#include "QImageCanvas.h"
#include "ScopeFormU.h"
#include "Shell.h"

std::unique_ptr<TextEditor> TEditorWindows::CreateTextEditor() { return std::make_unique<TExMemo>(&board_); }

std::unique_ptr<ScopeSink> TEditorWindows::CreateScopeSink() { return std::make_unique<TScopeForm>(shell_); }

std::unique_ptr<Canvas> TEditorWindows::CreateImage(int width, int height)
{
    return std::make_unique<QImageCanvas>(width, height, sprites_);
}

void TEditorWindows::ShowMessage(const std::string& text) { shell_.ShowMessage(text); }
