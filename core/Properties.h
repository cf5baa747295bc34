#pragma once

#include <string>

class TPartsBase;

// Reads a published property as text; an unknown name or kind shows its message and gives "".
std::string GetPropText(const TPartsBase& object, const std::string& name);
// Writes a published property from text (integers: 0 when the text is no number).
void SetPropText(TPartsBase& object, const std::string& name, const std::string& value);

// The decimal value of text, or fallback when it is not a whole 32-bit number.
int StrToIntDef(const std::string& text, int fallback);
bool TryStrToInt(const std::string& text, int& value);
bool SameText(const std::string& a, const std::string& b);
