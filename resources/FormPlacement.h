#pragma once

#include <cstdint>
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

// The settings section of a window: its caption cut to 30 bytes of code page 932, never in the
// middle of a double-byte character.
std::string PlacementSection(const std::string& caption);

// A stored Top below the screen's bottom edge puts the window's bottom on it, a stored Left
// beyond the right edge its right side; a window reaching only partly past an edge, or lying
// past the left or top edge, stays where it is.
TFormPlacement KeepOnScreen(TFormPlacement placement, int screenWidth, int screenHeight);

// Read from the section of the caption: Top, Left, Width and Height, defaults 0, 0, 100, 100.
TFormPlacement ReadFormPlacement(const std::string& settingsFile, const std::string& caption);

// Writes Top, Left, Width and Height of the window; throws TIniFile::TWriteError on failure.
void SaveFormPlacement(const QWidget& form, const std::string& caption, const std::string& settingsFile);
// Places the window as stored, kept on the primary screen.
void LoadFormPlacement(QWidget& form, const std::string& caption, const std::string& settingsFile);
