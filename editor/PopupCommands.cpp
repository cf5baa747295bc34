#include "PopupCommands.h"

#include "CountDialog.h"
#include "EditCommands.h"
#include "PartPopups.h"

#include <utility>

void ConnectPopupCommands(QWidget& window, const TPartPopups& p, TEditSession& session)
{
    TEditSession* s = &session;
    auto on = [&window](QAction* item, auto handler) { QObject::connect(item, &QAction::triggered, &window, handler); };
    for (QAction* item : p.RotateItems) on(item, [s] { RotatePopupPart(*s); });
    on(p.pmnuScope_Disp, [s] { ShowPopupScope(*s); });
    for (QAction* item : {p.pmnuGate_SeiFu, p.pmnuNot_SeiFu}) on(item, [s] { SwitchPopupPolarity(*s); });
    for (size_t i = 0; i < p.InputCountItems.size(); ++i)
        on(p.InputCountItems[i], [s, i] { SetPopupInputCount(*s, InputCountTags[i]); });
    for (size_t i = 0; i < p.LedColorItems.size(); ++i)
        on(p.LedColorItems[i], [s, i] { SetPopupLedColor(*s, static_cast<int>(i)); });
    for (size_t i = 0; i < p.Led7SegTypeItems.size(); ++i)
        on(p.Led7SegTypeItems[i], [s, i] { SetPopupLed7SegType(*s, static_cast<int>(i)); });
    for (size_t i = 0; i < p.FontSizeItems.size(); ++i)
        on(p.FontSizeItems[i], [s, i] { SetPopupFontSize(*s, FontSizeTags[i]); });
    for (size_t i = 0; i < p.TriggerEdgeItems.size(); ++i)
        on(p.TriggerEdgeItems[i], [s, i] { SetPopupTriggerEdge(*s, static_cast<int>(i)); });
    QWidget* parent = &window;
    const auto ask = [parent](const std::string& caption, int value) { return AskCount(parent, caption, value); };
    const std::pair<QAction*, TCountSetting> counts[] = {
        {p.pmnuPulser_CountIn, TCountSetting::PulseInterval},
        {p.pmnuLED_ZanzoTime, TCountSetting::Afterglow},
        {p.pmnuLED7SEG_ZanzoTime, TCountSetting::Afterglow},
        {p.pmnuMatrix_ZanzoTime, TCountSetting::Afterglow},
        {p.pmnuOneShot_PulseWidth, TCountSetting::PulseWidth},
    };
    for (const auto& count : counts) {
        const TCountSetting setting = count.second;
        on(count.first, [s, setting, ask] { ChangePopupCount(*s, setting, ask); });
    }
}
