#pragma once

#include "EditSession.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

// The popup menus' items on the part the right press chose (PopupPart), without their window:
// what each menu shows checked and enabled for that part, and what each item changes. Every
// change is one undo step; choosing the value a part already has records nothing.

inline constexpr std::array<int, 4> InputCountTags{0, 8, 16, 24};
inline constexpr std::array<int, 15> FontSizeTags{9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// How the menus look for one part when they open; -1 checks no item of a group.
struct TPopupLook {
    // The gate menu's polarity item; the inverter's is always shown.
    bool GatePolarityVisible = true;
    // "Negative logic" or "Positive logic", translated, on both polarity items; none keeps the
    // caption they had.
    std::optional<std::string> PolarityCaption;
    int InputCountChecked = -1;
    bool RotateEnabled = true;
    int LedColorChecked = -1;
    int Led7SegTypeChecked = -1;
    int FontSizeChecked = -1;
    int TriggerEdgeChecked = -1;
};
TPopupLook PopupLookOf(const TPartsBase& part, bool simulating);

// The settings entered with the count dialog.
enum class TCountSetting { PulseInterval, Afterglow, PulseWidth };
// Shows the count dialog with its caption and the value to start from; the value chosen, or none
// when it was cancelled.
using TAskCount = std::function<std::optional<int>(const std::string& caption, int value)>;

void SwitchPopupPolarity(TEditSession& s);
void SetPopupInputCount(TEditSession& s, int tag);
void SetPopupLedColor(TEditSession& s, int color);
void SetPopupLed7SegType(TEditSession& s, int type);
void SetPopupFontSize(TEditSession& s, int size);
void SetPopupTriggerEdge(TEditSession& s, int edge);
void ChangePopupCount(TEditSession& s, TCountSetting setting, const TAskCount& ask);

// The count dialog's range: a value from outside it (a file may hold one) starts at its nearest end.
int CountDialogValue(int value);
