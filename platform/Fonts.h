#pragma once

#include <QFont>

#include <string>

// Maps the Windows font names the program uses to installed faces, once per process:
// "ＭＳ ゴシック" to the fixed-pitch IPAGothic, "MS UI Gothic" to the proportional IPAPGothic.
void InstallFontSubstitutions();

// The font of that face at that size in points (96 dots per inch), rounded to an even pixel size so
// that a half-width glyph of the fixed-pitch face is exactly half as wide as a full-width one.
QFont PointSizedFont(const std::string& face, int size);
