#pragma once

#include "PartsBase.h"

#include <string>
#include <vector>

inline constexpr const char* CircuitTextHeader = "Voltrane FormatVer:1.0 By Ardent Wirefox";
// What paste looks for at the start of clipboard text.
inline constexpr const char* CircuitTextSignature = "Voltrane FormatVer:1.0";

// Writes the objects of list as circuit text into lines (replacing their content): the header,
// then one block per object. Names are positional, so an unchanged list writes the same text.
// Answers the objects whose text code page 932 cannot hold; their lost characters are written
// as '?', so the lines always say exactly what a file will keep.
TPartsList SaveParts(const TPartsList& list, TStrings& lines);

// Reads circuit text (line 0, the header, is not looked at), creates its objects on board and
// lists them in result in text order. Objects the text puts in no container go into
// curContainer; sub-board terminals that end up at top level are dropped. names, when given,
// receives each object's Name as the text stored it, parallel to result.
// Throws TFormatError; a failed read destroys everything it created, so the board is as it was.
void LoadParts(const TStrings& lines, TPartsList& result, TBord& board, TContainer* curContainer,
               Canvas* windowSurface, std::vector<std::string>* names = nullptr);
