#pragma once

#include "BoardLook.h"

#include <QColor>

#include <array>

// The colours of the windows that show levels beside the board, in the user's colour scheme. The
// normal scheme keeps each window's classic look; the others take the board's background and its
// low and high colours, so that a level reads the same on the board and in the window.

// The timing diagram: the waves of each channel and what is drawn over them.
struct TTimingColours {
    QColor Background;
    QColor Divisions;
    QColor Text;
    QColor Low;
    QColor High;
    QColor Trigger;
    std::array<QColor, 2> Cursors;
};
TTimingColours TimingColours(TColourSchemeId scheme);

// The oscilloscope: its screen, the traces at either level, the sweeping cursor and the labels.
struct TScopeColours {
    QRgb Background;
    QRgb Low;
    QRgb High;
    QRgb Cursor;
    QRgb Text;
};
TScopeColours ScopeColours(TColourSchemeId scheme);

// The Karnaugh map: its cells and the groups of a form drawn round them, each group in the next
// colour and, where all share one colour as on paper, the next line style.
struct TMapColours {
    static constexpr int GroupCount = 8;
    QColor Background;
    QColor Grid;
    QColor Text;
    QColor Zero;
    QColor Differing;
    std::array<QColor, GroupCount> Groups;
    std::array<Qt::PenStyle, GroupCount> GroupStyles;
};
TMapColours MapColours(TColourSchemeId scheme);
