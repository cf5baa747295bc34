#pragma once

#include "EditorHost.h"
#include "PartMenus.h"

#include <QAction>
#include <QMenu>

#include <array>

// The popup menus of the parts, one per kind of part, chosen by a right press on the board.
class TPartPopups {
public:
    explicit TPartPopups(QWidget* window);

    // The menu shown for the choice; none for TPopupMenu::None.
    QMenu* Menu(TPopupMenu menu) const { return menus_[static_cast<size_t>(menu)]; }
    // Checks, shows and names the items as the part under the menu asks.
    void Prepare(const TPopupLook& look);

    // Every "Rotate clockwise" item, and the flip-flop's "Flip", which turns it the same way.
    std::array<QAction*, 7> RotateItems{};
    QAction* pmnuGate_SeiFu;
    QAction* pmnuNot_SeiFu;
    // Tags 0, 8, 16, 24: two to five inputs.
    std::array<QAction*, 4> InputCountItems{};
    QAction* pmnuPulser_CountIn;
    QAction* pmnuPulser_Round;
    // Tags 0 red, 1 blue, 2 green.
    std::array<QAction*, 3> LedColorItems{};
    QAction* pmnuLED_ZanzoTime;
    QAction* pmnuLED7SEG_ZanzoTime;
    // pmnuLED7SEG_Normal and pmnuLED7SEG_InnerEncode.
    std::array<QAction*, 2> Led7SegTypeItems{};
    QAction* pmnuMatrix_ZanzoTime;
    QAction* pmnuScope_Disp;
    // The sizes of FontSizeTags, in that order.
    std::array<QAction*, FontSizeTags.size()> FontSizeItems{};
    QAction* pmnuMacro_Add;
    QAction* pmnuOneShot_PulseWidth;
    // pmnuOneShot_UP and pmnuOneShot_DOWN.
    std::array<QAction*, 2> TriggerEdgeItems{};

private:
    std::array<QMenu*, static_cast<size_t>(TPopupMenu::pmnuTerminal) + 1> menus_{};
};
