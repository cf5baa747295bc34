#pragma once

#include "AnalysisTable.h"

#include <string_view>

// A Boolean expression as a student types one, "F = A·B + /C", read as the table of its function (see
// ReadExpression): the output named left of '=', the inputs the names it uses in alphabetical order. Throws
// TTableError (line 1) saying in words what is wrong and at which character.
TAnalysisTable ParseExpression(std::string_view text);
