#pragma once

#include "Canvas.h"

#include <cstdint>
#include <optional>
#include <string>

// The colour schemes a user may choose for the board and the windows that show levels.
enum class TColourSchemeId : uint8_t { Normal, Dark, ColourBlind, Printer };
inline constexpr int ColourSchemeCount = 4;

// The colours of one scheme. The normal scheme keeps the classic editing look: a button-face
// board, olive grid dots, blue wires and red open-terminal circles.
struct TColourScheme {
    TColor Board;
    TColor GridDot;
    // A wire, junction dot and sub-board terminal while editing.
    TColor Wire;
    TColor OpenTerminal;
    // A net's level while a run shows levels, and a net that outputs drive with different levels.
    TColor Low;
    TColor High;
    TColor Conflict;
    // A net picked while editing, and the mark where a second output joins a net.
    TColor Highlight;
    TColor Warning;
    // The 0/1 tags at part terminals.
    TColor TagText;
    // A sub-board: its fill, the light top and left edges and dark right and bottom ones of its
    // raised look, and the square it is grabbed by.
    TColor Box;
    TColor BoxLight;
    TColor BoxShadow;
    TColor BoxGrip;
    // The text of text boxes, on the board's colour.
    TColor Text;
    // On a dark board the parts' dark ink along their transparent surround (pins, outlines, the
    // names beside a symbol) is drawn in this colour instead, so that no black line is lost on it.
    std::optional<TColor> SpriteRim;
};

const TColourScheme& SchemeColours(TColourSchemeId id);
// The scheme's name in the settings file ("Normal", "Dark", "ColourBlind", "Printer"), and the
// scheme of such a name; any other text, from an older or a damaged file, gives the normal scheme.
const char* SchemeName(TColourSchemeId id);
TColourSchemeId SchemeByName(const std::string& name);

// How the board is drawn: the user's scheme and what the picture leaves out. A clean picture for
// handouts is white with black lines, without grid dots or open-terminal circles.
struct TBoardLook {
    TColourSchemeId Scheme = TColourSchemeId::Normal;
    bool GridDots = true;
    bool OpenTerminals = true;
    // While a run shows levels: wires, dots and terminals in the colour of their net's level.
    bool Levels = true;
    // Small 0/1 tags at part terminals while levels are shown.
    bool LevelTags = false;

    const TColourScheme& Colours() const { return SchemeColours(Scheme); }
};
