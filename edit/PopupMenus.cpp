#include "PopupMenus.h"

#include "PartsBase.h"

#include <string_view>

namespace {

struct TPopupRow {
    std::string_view ClassName;
    TPopupMenu Menu;
    bool WhileSimulating;
};

constexpr TPopupRow PopupRows[] = {
    {"TGate", TPopupMenu::pmnuGate, false},          {"TNot", TPopupMenu::pmnuNot, false},
    {"TPushSW", TPopupMenu::pmnuNot, false},         {"TTglSW", TPopupMenu::pmnuNot, false},
    {"TPulser", TPopupMenu::pmnuPulser, true},       {"TLED", TPopupMenu::pmnuLED, false},
    {"TLED7SEG", TPopupMenu::pmnuLED7SEG, false},    {"TMatrix8X8", TPopupMenu::pmnuMatrix, false},
    {"TJKFF", TPopupMenu::pmnuFF, false},            {"TDFF", TPopupMenu::pmnuFF, false},
    {"TTFF", TPopupMenu::pmnuFF, false},             {"TScope", TPopupMenu::pmnuScope, true},
    {"TTextBox", TPopupMenu::pmnuText, false},       {"TContainer", TPopupMenu::pmnuContainer, false},
    {"TInTerminal", TPopupMenu::pmnuTerminal, false}, {"TOutTerminal", TPopupMenu::pmnuTerminal, false},
    {"TOneShot", TPopupMenu::pmnuOneShot, false},
};

}  // namespace

TPopupMenu PopupMenuOf(const TPartsBase& object, bool simulating)
{
    for (const TPopupRow& row : PopupRows)
        if (row.ClassName == object.ClassName()) return !simulating || row.WhileSimulating ? row.Menu : TPopupMenu::None;
    return TPopupMenu::None;
}
