#include "ExpressionTable.h"

#include "BoolExpression.h"
#include "Messages.h"
#include "TestTable.h"

#include <string>
#include <utility>

namespace {

std::string Worded(const TExpressionError& error)
{
    const std::string column = std::to_string(error.Column);
    switch (error.Fault) {
    case TExpressionFault::NotAName:
        return Tr("'%1' at character %2 is not a name: a name starts with a letter", {error.Word, column});
    case TExpressionFault::NotASymbol: return Tr("Character %1 is not part of an expression", {column});
    case TExpressionFault::ClosesNone: return Tr("The bracket at character %1 closes none", {column});
    case TExpressionFault::EndsEarly: return Tr("The expression ends where a name, 0, 1 or a bracket should follow");
    case TExpressionFault::OperandExpected:
        return Tr("Character %1: a name, 0, 1 or a bracket should come here", {column});
    case TExpressionFault::NotClosed: return Tr("The bracket opened at character %1 is not closed", {column});
    case TExpressionFault::NoOutputName: return Tr("Left of '=' there must be the output's name");
    case TExpressionFault::Empty: return Tr("The expression is empty");
    case TExpressionFault::NoInput: return Tr("The expression uses no input");
    case TExpressionFault::TooManyInputs:
        return Tr("The expression uses %1 inputs; a table takes at most %2",
                  {std::to_string(error.Inputs), std::to_string(TBoolFunction::MaxInputs)});
    case TExpressionFault::OutputIsInput: break;
    }
    return Tr("The output %1 is one of the inputs too", {error.Word});
}

}  // namespace

TAnalysisTable ParseExpression(std::string_view text)
{
    try {
        TBoolExpression expression = ReadExpression(text);
        return {std::move(expression.Inputs), {std::move(expression.Output)}, {std::move(expression.Function)}, {}};
    } catch (const TExpressionError& error) {
        throw TTableError(1, Worded(error));
    }
}
