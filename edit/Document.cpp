#include "Document.h"

#include "CircuitFile.h"
#include "CircuitText.h"
#include "FileAccess.h"
#include "Messages.h"
#include "Shell.h"
#include "TextKeys.h"

#include <new>

namespace {

// The file dialogs, made when they are shown so that they speak the language chosen by then.
Shell::TFileDialog OpenDialog()
{
    return {std::string(Tr("Circuit files (*.lgc)")) + "|*.lgc|" + Tr("Macro files (*.lgm)") + "|*.lgm|" +
                Tr("All files (*.*)") + "|*.*",
            "lgc", {}};
}

Shell::TFileDialog SaveDialog()
{
    return {std::string(Tr("Circuit files (*.lgc)")) + "|*.lgc|" + Tr("All files (*.*)") + "|*.*", "lgc", {}};
}

std::string LossyQuestion(const TPartsList& lossy)
{
    const TPartsBase& first = *lossy.Items(0);
    const std::string left = std::to_string(first.Left), top = std::to_string(first.Top);
    if (lossy.Count() == 1)
        return Tr("%1 (%2, %3) has characters that code page 932 cannot hold. Save it with '?' in their place?",
                  {first.ClassName(), left, top});
    return Tr("%1 (%2, %3) and %4 more have characters that code page 932 cannot hold. Save them with '?' in "
              "their place?",
              {first.ClassName(), left, top, std::to_string(lossy.Count() - 1)});
}

}  // namespace

TDocument::TDocument(TEditSession& session, Shell& shell) : s_(session), shell_(shell) {}

bool TDocument::ConfirmDiscard()
{
    if (!s_.State.Modified) return true;
    switch (shell_.AskYesNoCancel(Tr("The file's contents have changed. Save the changes?"))) {
    case Shell::TAnswer::Yes: return Save();
    case Shell::TAnswer::No: return true;
    case Shell::TAnswer::Cancel: break;
    }
    return false;
}

void TDocument::Clear()
{
    s_.NewDot = nullptr;
    s_.NewDotBatch.reset();
    s_.CreatedPart = nullptr;
    s_.Pressed = nullptr;
    TEditorState& st = s_.State;
    st.EditState = esNone;
    st.SelectedParts.Clear();
    st.HitParts.Clear();
    st.CurContainer = nullptr;
    st.PopupPart = nullptr;
    st.TextEditing = false;
    s_.Context.CommandBatch.reset();
    s_.Circuit.UndoQue().Clear();
    s_.Circuit.TrashBord.ClearAll();
    s_.Recorder.Forget();
}

void TDocument::New()
{
    if (!ConfirmDiscard()) return;
    Clear();
    s_.Bord.ClearAll();
    s_.State.Modified = false;
    savedText_.clear();
    path_.clear();
    s_.Host.SetTitle(Title());
    s_.Host.DocumentReplaced();
    s_.Host.Redraw();
}

void TDocument::Open()
{
    if (!ConfirmDiscard()) return;
    Shell::TFileDialog dialog = OpenDialog();
    dialog.FileName = fileName_;
    if (const auto path = shell_.OpenFileName(dialog)) Load(*path, *path);
}

std::string TDocument::Title() const
{
    return Tr("Voltrane logic simulator - %1", {Untitled() ? Tr("Untitled") : path_});
}

bool TDocument::OpenFile(const std::string& path) { return ConfirmDiscard() && Load(path, path); }

bool TDocument::Load(const std::string& path, const std::string& name)
{
    TBusy busy(s_.Host);
    std::vector<size_t> badLines;
    const int before = s_.Bord.Count();
    TPartsList loaded;
    // Read next to the open document, which goes only once the new one stands complete.
    try {
        LoadParts(OpenCircuitFile(path, &badLines), loaded, s_.Bord, nullptr, &s_.Host.WindowSurface());
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    } catch (const TFormatError& error) {
        shell_.ShowError(error.Line ? Tr("%1: %2 (line %3)", {path, error.what(), std::to_string(error.Line)})
                                    : path + ": " + error.what());
        return false;
    } catch (const std::bad_alloc&) {
        shell_.ShowError(Tr("%1: not enough memory to open it", {path}));
        return false;
    }
    Clear();
    std::vector<TPartsBase*> old;
    for (int i = 0; i < before; ++i) old.push_back(s_.Bord.Items(i));
    s_.Bord.DestroyAll(old);
    s_.Bord.CheckAllLinks();
    s_.State.Modified = false;
    savedText_.clear();
    Text(savedText_);
    if (!name.empty()) Named(name);
    else path_.clear();
    s_.Host.SetTitle(Title());
    s_.Host.DocumentReplaced();
    s_.Host.Redraw();
    if (!badLines.empty()) shell_.ShowMessage(BadBytesWarning(path, badLines));
    return true;
}

bool TDocument::Save() { return Untitled() ? SaveAs() : SaveDocument(path_); }

bool TDocument::SaveAs()
{
    Shell::TFileDialog dialog = SaveDialog();
    dialog.FileName = fileName_;
    const auto path = shell_.SaveFileName(dialog);
    if (!path || !SaveDocument(*path)) return false;
    Named(*path);
    s_.Host.SetTitle(Title());
    return true;
}

TPartsList TDocument::Text(TStrings& lines) const
{
    TPartsList all;
    s_.Bord.CopyParts(all);
    return SaveParts(all, lines);
}

void TDocument::CompareWithSaved()
{
    TStrings lines;
    Text(lines);
    s_.State.Modified = lines != savedText_;
}

bool TDocument::SaveDocument(const std::string& path)
{
    TStrings lines;
    const TPartsList lossy = Text(lines);
    if (!lossy.Empty() && shell_.AskYesNoCancel(LossyQuestion(lossy)) != Shell::TAnswer::Yes) return false;
    TBusy busy(s_.Host);
    try {
        WriteCircuitFile(path, lines);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
        return false;
    }
    // Only a write that succeeded clears the mark of unsaved changes; the selection goes with it.
    s_.State.Modified = false;
    savedText_ = std::move(lines);
    s_.State.SelectedParts.Clear();
    if (!Untitled() && path == path_) Recent.Add(path);
    return true;
}

void TDocument::Named(const std::string& path)
{
    path_ = fileName_ = path;
    Recent.Add(path);
}
