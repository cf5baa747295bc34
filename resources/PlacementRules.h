#pragma once

#include "FormPlacement.h"

#include <cstdint>
#include <vector>

// Before a window is first shown its frame is unknown; this much room is kept for a title bar and
// borders around the client size.
inline constexpr int32_t FrameAllowanceX = 8;
inline constexpr int32_t FrameAllowanceY = 32;

// What the editor opens with when the settings hold no placement for it.
inline constexpr int32_t PreferredMainWidth = 1024;
inline constexpr int32_t PreferredMainHeight = 720;

// A window that shows on none of the screens, not even in part (stored on a screen since
// detached, or numbers edited by hand), is centred on the work area; any other stays.
TFormPlacement BringBackLost(TFormPlacement placement, const std::vector<TScreenRect>& screens,
                             TScreenRect workArea);

// A window restored from the settings with its whole frame in the work area of its screen: its
// size cut to what the area holds, its corner moved in no further than needed. The frame is the
// client size and the allowances.
TFormPlacement KeepFrameInside(TFormPlacement placement, TScreenRect workArea);

// The editor's first start: the preferred size, or four fifths of the work area when that is
// smaller, centred.
TFormPlacement FirstMainPlacement(TScreenRect workArea);

// A scope window of the given client size opened for the first time: right of the main window's
// frame when it fits there, else below it, else over the main window's lower right corner; with
// no main window on the screen, centred. Always inside the work area.
TFormPlacement FirstScopePlacement(TScreenRect workArea, const TScreenRect* mainFrame, int32_t width,
                                   int32_t height);
