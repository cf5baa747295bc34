#pragma once

#include <string>
#include <vector>

// The lines of a text box as one value of circuit text. Both work on bytes, which suits UTF-8 and
// code page 932 alike: neither has a quote, a comma or a byte of 32 or less inside a multi-byte
// character.

// No lines give "", one empty line gives two quotes; otherwise the lines joined with ",", each
// line that holds a byte of 32 or less, a quote or a comma quoted with its quotes doubled.
std::string EncodeCommaText(const std::vector<std::string>& lines);

// The reverse: blanks (bytes 1 to 32) around items are skipped and also separate unquoted items;
// a quoted item runs to its closing quote (or to the end of the text when it has none), a doubled
// quote standing for one; a comma at the very end adds an empty item. A zero byte ends the text.
std::vector<std::string> DecodeCommaText(const std::string& text);
