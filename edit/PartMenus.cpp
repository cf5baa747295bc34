#include "PartMenus.h"

#include "Afterglow.h"
#include "Messages.h"
#include "Properties.h"
#include "Pulsers.h"
#include "TextBox.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace {

// The popup part, while it is still on the board and of one of the classes the item is for.
TPartsBase* PopupOf(TEditSession& s, std::initializer_list<std::string_view> classes)
{
    TPartsBase* part = s.State.PopupPart;
    if (!part || !s.Bord.Holds(part)) return nullptr;
    if (std::find(classes.begin(), classes.end(), std::string_view(part->ClassName())) == classes.end()) return nullptr;
    // A change pushes its own undo step, so a dot still being placed must be recorded first.
    s.FinishPendingDot();
    return part;
}

bool Is(const TPartsBase& part, std::string_view name) { return part.ClassName() == name; }

int IndexOf(int value, const auto& tags)
{
    const auto it = std::find(tags.begin(), tags.end(), value);
    return it == tags.end() ? -1 : static_cast<int>(it - tags.begin());
}

// The partner of a polarity pair (0, 1), (2, 3), (8, 9), ... (26, 27); none for the other values.
std::optional<int> PolarityPartner(int partNo)
{
    if (partNo < 0 || partNo > 27 || partNo % 8 > 3) return std::nullopt;
    return partNo ^ 1;
}

// Sets an integer property undoably; true when the value changed. The label only names the undo
// step for the program itself: no window shows it, so it needs no translation.
bool SetInt(TPartsBase& part, const char* name, int value, const std::string& label)
{
    const std::string text = std::to_string(value);
    if (GetPropText(part, name) == text) return false;
    part.SetPropUndoable(name, text, label);
    return true;
}

enum TAfterChange : unsigned { Marks = 1, Rebuilds = 2 };

// A menu choice: the property set undoably, and when it changed, the document marked as the
// setting asks, the terminals rebuilt and relinked where they stand, and the board redrawn.
void Apply(TEditSession& s, TPartsBase& part, const char* prop, int value, const std::string& label, unsigned after)
{
    if (!SetInt(part, prop, value, label)) return;
    if (after & Marks) s.State.Modified = true;
    if (after & Rebuilds) {
        part.SetTanshi();
        part.MoveTo(part.Left, part.Top, true);
    }
    s.Host.Redraw();
}

struct TCountRow {
    // The afterglow item is also on the matrix's menu.
    const char* Class;
    const char* Prop;
    // The count dialog's caption, marked for the catalog.
    const char* Caption;
};

TCountRow CountRowOf(TCountSetting setting)
{
    switch (setting) {
    case TCountSetting::PulseInterval: return {"TPulser", PulserCountProperty.Key, TrMark("Pulse interval")};
    case TCountSetting::Afterglow: return {"TLED", ZanzoTimeProperty.Key, TrMark("Afterglow time")};
    case TCountSetting::PulseWidth: break;
    }
    return {"TOneShot", PulseWidthProperty.Key, TrMark("One-shot pulse width")};
}

}  // namespace

TPopupLook PopupLookOf(const TPartsBase& part, bool simulating)
{
    TPopupLook look;
    const int no = part.PartNo;
    if (Is(part, "TGate") || Is(part, "TNot") || Is(part, "TPushSW") || Is(part, "TTglSW")) {
        if (const auto partner = PolarityPartner(no))
            look.PolarityCaption = *partner > no ? Tr("Negative logic") : Tr("Positive logic");
        else
            look.GatePolarityVisible = false;
        if (no >= 0 && no <= 31) look.InputCountChecked = no / 8;
    }
    if (Is(part, "TPulser")) look.RotateEnabled = !simulating;
    if (Is(part, "TLED") && no >= 0 && no <= 2) look.LedColorChecked = no;
    if (Is(part, "TLED7SEG")) look.Led7SegTypeChecked = no == 0 ? 0 : 1;
    if (Is(part, "TTextBox"))
        look.FontSizeChecked = IndexOf(static_cast<const TTextBox&>(part).FontSize(), FontSizeTags);
    if (Is(part, "TOneShot") && (no == 0 || no == 1)) look.TriggerEdgeChecked = no;
    return look;
}

void SwitchPopupPolarity(TEditSession& s)
{
    TPartsBase* part = PopupOf(s, {"TGate", "TNot", "TPushSW", "TTglSW"});
    if (!part) return;
    s.State.Modified = true;
    if (const auto partner = PolarityPartner(part->PartNo))
        part->SetPropUndoable(PartNoKey, std::to_string(*partner), "正論理・負論理切り替え");
    part->MoveTo(part->Left, part->Top, true);
    s.Host.Redraw();
}

void SetPopupInputCount(TEditSession& s, int tag)
{
    TPartsBase* part = PopupOf(s, {"TGate", "TNot", "TPushSW", "TTglSW"});
    if (part) Apply(s, *part, PartNoKey, part->PartNo % 8 + tag, "入力数変更", Marks | Rebuilds);
}

void SetPopupLedColor(TEditSession& s, int color)
{
    if (TPartsBase* part = PopupOf(s, {"TLED"})) Apply(s, *part, PartNoKey, color, "LED Color", Marks);
}

void SetPopupLed7SegType(TEditSession& s, int type)
{
    // The other type has other inputs: the wires at the old ones must let go of them.
    if (TPartsBase* part = PopupOf(s, {"TLED7SEG"}))
        Apply(s, *part, PartNoKey, type, "７セグメントLEDタイプ変更", Rebuilds);
}

void SetPopupFontSize(TEditSession& s, int size)
{
    if (TPartsBase* part = PopupOf(s, {"TTextBox"})) Apply(s, *part, FontSizeKey, size, "Font Size", Marks);
}

void SetPopupTriggerEdge(TEditSession& s, int edge)
{
    const char* label = edge == 0 ? "パルスタイミング：立ち上がり時" : "パルスタイミング：立ち下がり時";
    if (TPartsBase* part = PopupOf(s, {"TOneShot"})) Apply(s, *part, PartNoKey, edge, label, 0);
}

int CountDialogValue(int value) { return std::clamp(value, 1, 100); }

void ChangePopupCount(TEditSession& s, TCountSetting setting, const TAskCount& ask)
{
    const TCountRow row = CountRowOf(setting);
    TPartsBase* part =
        setting == TCountSetting::Afterglow ? PopupOf(s, {row.Class, "TMatrix8X8"}) : PopupOf(s, {row.Class});
    if (!part) return;
    const std::string caption = Tr(row.Caption);
    const std::optional<int> chosen = ask(caption, CountDialogValue(StrToIntDef(GetPropText(*part, row.Prop), 1)));
    // The dialog may have run the window's events meanwhile: the part must still be there.
    if (!chosen || !s.Bord.Holds(part) || !SetInt(*part, row.Prop, CountDialogValue(*chosen), caption)) return;
    s.State.Modified = true;
}
