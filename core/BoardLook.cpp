#include "BoardLook.h"

namespace {

// Board, grid dot, wire, open terminal, low, high, conflict, highlight, warning, tag text; then the
// sub-board's fill, light edge, shadow edge and grip, the text of text boxes, and the rim of the parts'
// dark ink. Low, high and conflict keep a contrast of at least 3:1 against the board and stay apart
// for the common colour-vision deficiencies.
constexpr TColourScheme Schemes[ColourSchemeCount] = {
    // Normal: the classic editing look; levels in dark blue and red, conflicts in raspberry.
    {clBtnFace,
     clOlive,
     clBlue,
     clRed,
     {0, 0, 160},
     {220, 0, 0},
     {190, 0, 150},
     {255, 140, 0},
     {230, 120, 0},
     clBlack,
     clBtnFace,
     clWhite,
     clBlack,
     clNavy,
     clBlack,
     std::nullopt},
    // Dark: a charcoal board; light lines that keep their contrast on it, conflicts in yellow.
    {{32, 34, 40},
     {90, 90, 70},
     {110, 160, 255},
     {255, 90, 90},
     {90, 140, 255},
     {255, 120, 90},
     {255, 235, 60},
     {255, 200, 60},
     {255, 170, 40},
     clWhite,
     {50, 53, 62},
     {120, 124, 136},
     {8, 8, 10},
     {110, 160, 255},
     {230, 230, 230},
     TColor{200, 200, 205}},
    // Colour-blind safe: high yellow, low blue, conflict vermilion, on a dark board.
    {{28, 30, 38},
     {80, 80, 80},
     {86, 180, 233},
     {213, 94, 0},
     {86, 180, 233},
     {240, 228, 66},
     {213, 94, 0},
     {204, 121, 167},
     {230, 159, 0},
     clWhite,
     {46, 49, 60},
     {120, 122, 134},
     {8, 8, 10},
     {86, 180, 233},
     {235, 235, 235},
     TColor{200, 200, 200}},
    // Printer: black on white; high is told by its thickness, a conflict by its grey.
    {clWhite,
     {190, 190, 190},
     clBlack,
     clBlack,
     clBlack,
     clBlack,
     {110, 110, 110},
     {120, 120, 120},
     clBlack,
     clBlack,
     clWhite,
     clBlack,
     clBlack,
     clBlack,
     clBlack,
     std::nullopt},
};

constexpr const char* Names[ColourSchemeCount] = {"Normal", "Dark", "ColourBlind", "Printer"};

}  // namespace

const TColourScheme& SchemeColours(TColourSchemeId id)
{
    const auto index = static_cast<size_t>(id);
    return Schemes[index < ColourSchemeCount ? index : 0];
}

const char* SchemeName(TColourSchemeId id)
{
    const auto index = static_cast<size_t>(id);
    return Names[index < ColourSchemeCount ? index : 0];
}

TColourSchemeId SchemeByName(const std::string& name)
{
    for (int i = 0; i < ColourSchemeCount; ++i)
        if (name == Names[i]) return static_cast<TColourSchemeId>(i);
    return TColourSchemeId::Normal;
}
