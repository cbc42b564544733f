#include "tools/IntegralChecks.h"

#include "model/AppStringFormat.h"
#include "expr/CExpression.h"
#include "expr/CVariableTable.h"

#include <cmath>
#include <cstdio>

namespace {

// A step count in whole digits up to 15 of them, beyond in powers of ten.
std::string StepCount(long double steps)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15Lg", steps);
    return text;
}

}  // namespace

std::optional<StringId> IntegralChoiceMessage(const std::string& expression, const std::string& letter)
{
    if (expression.empty() || letter.empty())
        return StringId::NothingChosen;
    if (letter != "x" && letter != "y" && letter != "t")
        return StringId::LetterNotSupported;
    return std::nullopt;
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

std::string IntegralStepsMessage(StringId id, double from, double to, std::int32_t samplesPerUnit)
{
    // In long double, so that no two finite bounds overflow the count.
    const long double steps = std::ceil((static_cast<long double>(to) - from) * samplesPerUnit);
    if (!(steps > kMostIntegralSteps))
        return {};
    return FormatAppString(id, {StepCount(steps), StepCount(kMostIntegralSteps)});
}

std::optional<StringId> IntegralOutcomeMessage(IntegralOutcome outcome)
{
    switch (outcome) {
    case IntegralStopped:
        return StringId::UserBreak;
    case IntegralNotContinuous:
        return StringId::NotContinuous;
    default:
        return std::nullopt;
    }
}
