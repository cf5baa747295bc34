#include "BoardLook.h"

namespace {

// Board, grid dot, wire, open terminal, low, high, conflict, highlight, warning, tag text.
constexpr TColourScheme Schemes[ColourSchemeCount] = {
    // Normal: the classic editing look; levels in dark blue and red, conflicts in magenta.
    {clBtnFace, clOlive, clBlue, clRed, {0, 0, 160}, {220, 0, 0}, {200, 0, 200}, {255, 140, 0}, {230, 120, 0}, clBlack},
    // Dark: a charcoal board; light lines that keep their contrast on it.
    {{32, 34, 40}, {90, 90, 70}, {110, 160, 255}, {255, 90, 90}, {90, 140, 255}, {255, 120, 90}, {230, 90, 230}, {255, 200, 60}, {255, 170, 40}, clWhite},
    // Colour-blind safe: high yellow, low blue, conflict vermilion, on a dark board.
    {{28, 30, 38}, {80, 80, 80}, {86, 180, 233}, {213, 94, 0}, {86, 180, 233}, {240, 228, 66}, {213, 94, 0}, {204, 121, 167}, {230, 159, 0}, clWhite},
    // Printer: black on white; high is told by its thickness.
    {clWhite, {190, 190, 190}, clBlack, clBlack, clBlack, clBlack, {110, 110, 110}, {120, 120, 120}, clBlack, clBlack},
};

}  // namespace

const TColourScheme& SchemeColours(TColourSchemeId id)
{
    const auto index = static_cast<size_t>(id);
    return Schemes[index < ColourSchemeCount ? index : 0];
}
