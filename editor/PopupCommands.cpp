// The main window's side of the parts' popup menus: each item handed to its edit on the popup
// part, and the count dialog for the number settings.
#include "VoltraneU.h"

#include "CountDialog.h"
#include "EditCommands.h"

void TfrmVoltrane::ConnectPopupCommands()
{
    const TPartPopups& p = Popups;
    auto on = [this](QAction* item, auto handler) { connect(item, &QAction::triggered, this, handler); };
    for (QAction* item : p.RotateItems) on(item, [this] { RotatePopupPart(Session); });
    on(p.pmnuScope_Disp, [this] { ShowPopupScope(Session); });
    for (QAction* item : {p.pmnuGate_SeiFu, p.pmnuNot_SeiFu}) on(item, [this] { SwitchPopupPolarity(Session); });
    for (size_t i = 0; i < p.InputCountItems.size(); ++i)
        on(p.InputCountItems[i], [this, i] { SetPopupInputCount(Session, InputCountTags[i]); });
    for (size_t i = 0; i < p.LedColorItems.size(); ++i)
        on(p.LedColorItems[i], [this, i] { SetPopupLedColor(Session, static_cast<int>(i)); });
    for (size_t i = 0; i < p.Led7SegTypeItems.size(); ++i)
        on(p.Led7SegTypeItems[i], [this, i] { SetPopupLed7SegType(Session, static_cast<int>(i)); });
    for (size_t i = 0; i < p.FontSizeItems.size(); ++i)
        on(p.FontSizeItems[i], [this, i] { SetPopupFontSize(Session, FontSizeTags[i]); });
    for (size_t i = 0; i < p.TriggerEdgeItems.size(); ++i)
        on(p.TriggerEdgeItems[i], [this, i] { SetPopupTriggerEdge(Session, static_cast<int>(i)); });
    const auto ask = [this](const std::string& caption, int value) { return AskCount(this, caption, value); };
    const std::pair<QAction*, TCountSetting> counts[] = {
        {p.pmnuPulser_CountIn, TCountSetting::PulseInterval},
        {p.pmnuLED_ZanzoTime, TCountSetting::Afterglow},
        {p.pmnuLED7SEG_ZanzoTime, TCountSetting::Afterglow},
        {p.pmnuMatrix_ZanzoTime, TCountSetting::Afterglow},
        {p.pmnuOneShot_PulseWidth, TCountSetting::PulseWidth},
    };
    for (const auto& count : counts) {
        const TCountSetting setting = count.second;
        on(count.first, [this, setting, ask] { ChangePopupCount(Session, setting, ask); });
    }
}
