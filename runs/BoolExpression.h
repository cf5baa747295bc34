#pragma once

#include "AnalysisTable.h"

#include <string_view>

// A Boolean expression as a student types one, "F = A·B + /C", read as the table of a function:
// the output named left of '=' (F when there is no '='), the inputs the names it uses in
// alphabetical order. A name is letters, digits, '_' and '.', not starting with a digit; 0 and 1
// are the constants. From the tightest binding: NOT as '/', '!', '~' or '¬' before a factor or '
// after it; AND as '·', '*', '&', '∧' or two factors side by side ("A B", "A(B + C)"); XOR as '^'
// or '⊕'; OR as '+', '|' or '∨'; brackets group. Throws TTableError (line 1) naming the character
// where the text goes wrong, and for no input or more than TBoolFunction::MaxInputs of them.
TAnalysisTable ParseExpression(std::string_view text);
