#include "Macros.h"

#include "CircuitFile.h"
#include "CircuitText.h"
#include "ClipboardCommands.h"
#include "Cp932.h"
#include "Messages.h"
#include "Shell.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <new>
#include <string_view>
#include <utility>

namespace {

// Linux keeps up to 255 bytes of UTF-8 in one name; the extension takes 4.
constexpr size_t MaxNameBytes = 255 - 4;

bool IsReservedDeviceName(std::string stem)
{
    for (char& c : stem)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    if (std::find(plain.begin(), plain.end(), stem) != plain.end()) return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

// Changes made while it lives are not recorded in the open step.
class TUnrecorded {
public:
    explicit TUnrecorded(TCircuitContext& context) : context_(context), batch_(std::move(context.CommandBatch)) {}
    ~TUnrecorded() { context_.CommandBatch = std::move(batch_); }
    TUnrecorded(const TUnrecorded&) = delete;
    TUnrecorded& operator=(const TUnrecorded&) = delete;

private:
    TCircuitContext& context_;
    std::unique_ptr<TCommandBatch> batch_;
};

void ShowFormatError(TEditSession& s, const std::string& text)
{
    if (s.Context.Messages) s.Context.Messages->ShowMessage(text);
}

}  // namespace

std::string MacroNameFault(const std::string& name)
{
    if (name.empty()) return Tr("The macro name is empty.");
    if (name.size() > MaxNameBytes) return Tr("The macro name is too long.");
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return Tr("A macro name cannot contain control characters.");
        if (std::string_view("/\\").find(c) != std::string_view::npos)
            return Tr("A macro name cannot contain folder separators (/ \\).");
        if (std::string_view(":*?\"<>|").find(c) != std::string_view::npos)
            return Tr("A macro name cannot contain these characters: : * ? \" < > |");
    }
    if (name.back() == ' ' || name.back() == '.') return Tr("A macro name cannot end in a space or a period.");
    if (IsReservedDeviceName(name.substr(0, name.find('.')))) return Tr("This name cannot be a macro name.");
    bool lost = false;
    const std::string bytes = Utf8ToCp932(name, &lost);
    if (lost || Cp932ToUtf8(bytes) != name) return Tr("The macro name contains characters that cannot be used.");
    return {};
}

std::string MacroPath(const std::string& folder, const std::string& name) { return folder + "/" + name + ".lgm"; }

std::string ProposedMacroName(const TContainer& box) { return box.MacroName.empty() ? Tr("New macro") : box.MacroName; }

bool RegisterMacro(TEditSession& s, Shell& shell, const std::string& folder, TContainer& box, const std::string& name)
{
    if (!MacroNameFault(name).empty() || !s.Bord.Holds(&box)) return false;
    TStrings& names = s.State.MacroNames;
    const bool listed = std::find(names.begin(), names.end(), name) != names.end();
    std::error_code error;
    if (name != box.MacroName && (listed || std::filesystem::exists(MacroPath(folder, name), error))) {
        const std::string question = Tr("The macro “%1” already exists. Replace it?", {name});
        if (shell.AskYesNoCancel(question) != Shell::TAnswer::Yes) return false;
    }
    const std::string oldName = std::exchange(box.MacroName, name);
    TStrings text;
    TPartsList one;
    one.Add(&box);
    SaveParts(CopiedObjects(one), text);
    try {
        WriteCircuitFile(MacroPath(folder, name), text);
    } catch (const TFileError& failure) {
        box.MacroName = oldName;
        shell.ShowError(failure.what());
        return false;
    }
    if (!listed) names.insert(names.begin(), name);
    s.State.SelectOnly(&box);
    s.State.PartsText = std::move(text);
    shell.SetClipboardText("");
    return true;
}

bool ChooseMacro(TEditSession& s, Shell& shell, const std::string& folder, const std::string& name)
{
    std::error_code error;
    const std::string path = MacroPath(folder, name);
    if (!MacroNameFault(name).empty() || !std::filesystem::is_regular_file(path, error)) {
        shell.ShowError(Tr("Macro name: %1\n\nThis macro is not registered.", {name}));
        return false;
    }
    try {
        s.State.PartsText = ReadCircuitFile(path);
    } catch (const TFileError& failure) {
        shell.ShowError(failure.what());
        return false;
    }
    s.State.ToolClass = "TMacro";
    // Under the wire, move or delete tool a press would never reach the placement.
    s.Host.CheckSelectTool();
    return true;
}

void PlaceMacro(TEditSession& s, int x, int y)
{
    TEditorState& st = s.State;
    st.Modified = true;
    st.ToolClass.clear();
    st.EditState = esNone;
    const TStrings text = std::exchange(st.PartsText, {});
    TEditBatch batch(s.Context);
    if (!batch.IsOpen()) return;
    TPartsList placed;
    try {
        LoadParts(text, placed, s.Bord, st.CurContainer, &s.Host.WindowSurface());
    } catch (const TFormatError& failure) {
        ShowFormatError(s, failure.Line ? Tr("Cannot place the macro: %1 (line %2)",
                                             {failure.what(), std::to_string(failure.Line)})
                                        : Tr("Cannot place the macro: %1", {failure.what()}));
        return;
    } catch (const std::bad_alloc&) {
        ShowFormatError(s, Tr("Not enough memory to place the macro"));
        return;
    }
    // The macro goes to the press before its creation is recorded: its objects are new, so undo
    // takes them away wherever they stand. Only then does each settle at its place, the dots last:
    // a wire a dot of the macro cuts, its own or one of the board's, is cut within this step, and
    // recorded as it stands once settled.
    if (!placed.Empty() && placed.Items(0)->Is(cfContainer)) {
        const TUnrecorded moving(s.Context);
        placed.Items(0)->MoveTo(x, y, true);
    }
    for (TPartsBase* o : placed) o->RecordCreate("MouseUp Macro");
    s.Bord.BeginUpdate();
    for (TPartsBase* o : placed)
        if (!o->Is(cfDot)) o->MoveTo(o->Left, o->Top, false);
    for (TPartsBase* o : placed)
        if (o->Is(cfDot)) o->MoveTo(o->Left, o->Top, false);
    s.Bord.EndUpdate();
    batch.Commit();
    for (TPartsBase* o : placed) o->SetGrab(0, 0);
    st.SelectedParts.Clear();
    s.Host.Redraw();
}
