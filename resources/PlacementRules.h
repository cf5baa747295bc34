#pragma once

#include <cstdint>
#include <vector>

// A window's place on the screen as the settings file keeps it: the frame's top-left corner and
// the client size.
struct TFormPlacement {
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Width = 100;
    int32_t Height = 100;
    friend bool operator==(const TFormPlacement&, const TFormPlacement&) = default;
};

// A rectangle of the desktop in pixels: a screen, the part of it free of panels, a window's frame.
struct TScreenRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    friend bool operator==(const TScreenRect&, const TScreenRect&) = default;
};

// Before a window is first shown its frame is unknown; this much room is kept for a title bar and
// borders around the client size.
inline constexpr int32_t FrameAllowanceX = 8;
inline constexpr int32_t FrameAllowanceY = 32;

// What the editor opens with when the settings hold no placement for it.
inline constexpr int32_t PreferredMainWidth = 960;
inline constexpr int32_t PreferredMainHeight = 680;

// A stored Top below the screen's bottom edge puts the window's bottom on it, a stored Left
// beyond the right edge its right side; a window reaching only partly past an edge, or lying
// past the left or top edge, stays where it is. Numbers beyond the window system's 16-bit
// coordinates are brought into them.
TFormPlacement KeepOnScreen(TFormPlacement placement, int screenWidth, int screenHeight);

// A window that shows on none of the screens, not even in part (stored on a screen since
// detached, or numbers edited by hand), is centred on the work area; any other stays.
TFormPlacement BringBackLost(TFormPlacement placement, const std::vector<TScreenRect>& screens,
                             TScreenRect workArea);

// The editor's first start: the preferred size, cut to nine tenths of the work area, centred.
TFormPlacement FirstMainPlacement(TScreenRect workArea);

// A scope window of the given client size opened for the first time: right of the main window's
// frame when it fits there, else below it, else over the main window's lower right corner; with
// no main window on the screen, centred. Always inside the work area.
TFormPlacement FirstScopePlacement(TScreenRect workArea, const TScreenRect* mainFrame, int32_t width,
                                   int32_t height);
