#pragma once

#include "PlacementRules.h"

#include <optional>
#include <string>

class QWidget;

// The settings section of a window: its caption cut to 30 bytes of code page 932, never in the
// middle of a double-byte character.
std::string PlacementSection(const std::string& caption);

// Read from the section of the caption: Top, Left, Width and Height, defaults 0, 0, 100, 100.
TFormPlacement ReadFormPlacement(const std::string& settingsFile, const std::string& caption);

// Writes Top, Left, Width and Height of the window; throws TIniFile::TWriteError on failure.
void SaveFormPlacement(const QWidget& form, const std::string& caption, const std::string& settingsFile);
// Whether the section of the caption holds any of Top, Left, Width and Height.
bool HasFormPlacement(const std::string& settingsFile, const std::string& caption);

// Places the window as stored, kept on the screens. When nothing is stored for it, the first
// placement given is used instead of the defaults.
void LoadFormPlacement(QWidget& form, const std::string& caption, const std::string& settingsFile,
                       const std::optional<TFormPlacement>& first = std::nullopt);

// The primary screen's area free of panels, and the frame of a window (its client rectangle
// while it has not been shown).
TScreenRect WorkArea();
TScreenRect FrameOf(const QWidget& window);
