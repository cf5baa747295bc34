#include "EditorWindows.h"

#include "ExMemo.h"
#include "ScopeFormU.h"
#include "Shell.h"

std::unique_ptr<TextEditor> TEditorWindows::CreateTextEditor() { return std::make_unique<TExMemo>(&board_, viewport_); }

std::unique_ptr<ScopeSink> TEditorWindows::CreateScopeSink() { return std::make_unique<TScopeForm>(shell_, &probes_); }

void TEditorWindows::ShowMessage(const std::string& text) { shell_.ShowMessage(text); }
