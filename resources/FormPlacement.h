#pragma once

#include "Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

class QWidget;

// A window's place on the screen as the settings file keeps it: the frame's top-left corner and
// the client size.
struct TFormPlacement {
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Width = 100;
    int32_t Height = 100;
    friend bool operator==(const TFormPlacement&, const TFormPlacement&) = default;
};

// A rectangle of the desktop in pixels (a screen, the part of it free of panels, a window's frame),
// its Right and Bottom one past its last column and row.
using TScreenRect = TRect;

// The settings section of a window: its caption cut to 30 bytes of code page 932, never in the
// middle of a double-byte character.
std::string PlacementSection(const std::string& caption);

// A stored Top below the screen's bottom edge puts the window's bottom on it, a stored Left
// beyond the right edge its right side; a window reaching only partly past an edge, or lying
// past the left or top edge, stays where it is. Numbers beyond the window system's 16-bit
// coordinates are brought into them.
TFormPlacement KeepOnScreen(TFormPlacement placement, int screenWidth, int screenHeight);

// Read from the section of the caption: Top, Left, Width and Height, defaults 0, 0, 100, 100.
TFormPlacement ReadFormPlacement(const std::string& settingsFile, const std::string& caption);

// Writes Top, Left, Width and Height of the window's normal (not maximized) geometry, the frame's
// corner and the client size, and whether it is maximized; throws TIniFile::TWriteError on failure.
void SaveFormPlacement(const QWidget& form, const std::string& caption, const std::string& settingsFile);
// Whether the section of the caption holds any of Top, Left, Width and Height.
bool HasFormPlacement(const std::string& settingsFile, const std::string& caption);

// Whether the window was maximized when its placement was saved.
bool ReadFormMaximized(const std::string& settingsFile, const std::string& caption);

// Places the window as stored, its whole frame on the screen that shows it, maximized again when it
// was. When nothing is stored for it, the first placement given is used instead of the defaults.
void LoadFormPlacement(QWidget& form, const std::string& caption, const std::string& settingsFile,
                       const std::optional<TFormPlacement>& first = std::nullopt);

// The primary screen's area free of panels, and the frame of a window (its client rectangle
// while it has not been shown).
TScreenRect WorkArea();
TScreenRect FrameOf(const QWidget& window);
