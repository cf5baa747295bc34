#pragma once

#include "EditorHost.h"

#include <QAction>
#include <QMenu>

#include <array>

// The popup menus of the parts, one per kind of part, chosen by a right press on the board.
class TPartPopups {
public:
    explicit TPartPopups(QWidget* window);

    // The menu shown for the choice; none for TPopupMenu::None.
    QMenu* Menu(TPopupMenu menu) const { return menus_[static_cast<size_t>(menu)]; }

    // Every "時計回りに回転(&R)" item, and the flip-flop's "反転(&H)", which turns it the same way.
    std::array<QAction*, 7> RotateItems{};
    QAction* pmnuScope_Disp;

private:
    std::array<QMenu*, static_cast<size_t>(TPopupMenu::pmnuTerminal) + 1> menus_{};
};
