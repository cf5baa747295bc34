#pragma once

#include "BoolFunction.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A Boolean expression as a student types one, "F = A·B + /C": the output named left of '=' (F when there is no '='),
// the inputs the names it uses in alphabetical order, and the function it computes over them.
struct TBoolExpression {
    std::string Output;
    std::vector<std::string> Inputs;
    TBoolFunction Function;
};

// What is wrong with an expression, for its caller to put in words. Column counts characters from 1 over the whole
// text.
enum class TExpressionFault {
    NotAName,         // Word, at Column, starts with a digit
    NotASymbol,       // the character at Column belongs to no expression
    ClosesNone,       // the bracket at Column closes none
    EndsEarly,        // the text ends where a name, 0, 1 or a bracket should follow
    OperandExpected,  // a name, 0, 1 or a bracket should come at Column
    NotClosed,        // the bracket opened at Column is not closed
    NoOutputName,     // left of '=' is no name
    Empty,
    NoInput,
    TooManyInputs,  // Inputs of them, more than TBoolFunction::MaxInputs
    OutputIsInput,  // the output Word is one of the inputs too
};

class TExpressionError : public std::invalid_argument {
public:
    explicit TExpressionError(TExpressionFault fault, size_t column = 0, std::string word = {}, size_t inputs = 0)
        : std::invalid_argument("not a Boolean expression"), Fault(fault), Column(column), Word(std::move(word)),
          Inputs(inputs)
    {
    }

    TExpressionFault Fault;
    size_t Column;
    std::string Word;
    size_t Inputs;
};

// The expression read. A name is letters, digits, '_' and '.', not starting with a digit; 0 and 1 are the constants.
// From the tightest binding: NOT as '/', '!', '~' or '¬' before a factor or ' after it; AND as '·', '*', '&', '∧' or
// two factors side by side ("A B", "A(B + C)"); XOR as '^' or '⊕'; OR as '+', '|' or '∨'; brackets group. Throws
// TExpressionError at the first fault, and for no input or more than TBoolFunction::MaxInputs of them.
TBoolExpression ReadExpression(std::string_view text);
