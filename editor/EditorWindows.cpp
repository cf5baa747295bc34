#include "EditorWindows.h"

#include "ExMemo.h"
#include "ScopeFormU.h"
#include "Shell.h"

std::unique_ptr<TextEditor> TEditorWindows::CreateTextEditor() { return std::make_unique<TExMemo>(&board_, viewport_); }

std::unique_ptr<ScopeSink> TEditorWindows::CreateScopeSink()
{
    auto form = std::make_unique<TScopeForm>(shell_, &probes_);
    form->SetScheme(scheme_);
    std::erase_if(scopes_, [](const QPointer<TScopeForm>& scope) { return scope.isNull(); });
    scopes_.emplace_back(form.get());
    return form;
}

void TEditorWindows::SetScheme(TColourSchemeId scheme)
{
    scheme_ = scheme;
    for (const QPointer<TScopeForm>& scope : scopes_)
        if (scope) scope->SetScheme(scheme);
}

void TEditorWindows::ShowMessage(const std::string& text) { shell_.ShowMessage(text); }
