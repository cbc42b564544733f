#include "IntegralChecks.h"

#include "CExpression.h"
#include "CVariableTable.h"

namespace {

constexpr unsigned kNothingChosen = 21403;
constexpr unsigned kLetterNotSupported = 21404;
constexpr unsigned kUserBreak = 21406;
constexpr unsigned kNotContinuous = 21407;

}  // namespace

unsigned IntegralChoiceMessage(const std::string& expression, const std::string& letter)
{
    if (expression.empty() || letter.empty())
        return kNothingChosen;
    if (letter != "x" && letter != "y" && letter != "t")
        return kLetterNotSupported;
    return 0;
}

void SelectIntegralArgument(char letter)
{
    const char name[2] = {letter, '\0'};
    for (const char* variable : {"x", "y", "t"})
        theVariables.SetAvailable(variable, false);
    theVariables.SetAvailable(name, true);
    theVariables.SetCurrent(name);
}

void CheckIntegralSyntax(const std::string& expression, char letter)
{
    SelectIntegralArgument(letter);
    CExpression compiled(expression.c_str(), false);
    compiled.Simplify();
    compiled.Evaluate();
}

unsigned IntegralOutcomeMessage(IntegralOutcome outcome)
{
    switch (outcome) {
    case IntegralStopped:
        return kUserBreak;
    case IntegralNotContinuous:
        return kNotContinuous;
    default:
        return 0;
    }
}
