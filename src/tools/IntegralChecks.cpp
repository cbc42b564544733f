#include "IntegralChecks.h"

#include "AppStringFormat.h"
#include "CExpression.h"
#include "CVariableTable.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr unsigned kNothingChosen = 21403;
constexpr unsigned kLetterNotSupported = 21404;
constexpr unsigned kUserBreak = 21406;
constexpr unsigned kNotContinuous = 21407;

// A step count in whole digits up to 15 of them, beyond in powers of ten.
std::string StepCount(long double steps)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15Lg", steps);
    return text;
}

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

std::string IntegralStepsMessage(unsigned id, double from, double to, std::int32_t samplesPerUnit)
{
    // In long double, so that no two finite bounds overflow the count.
    const long double steps = std::ceil((static_cast<long double>(to) - from) * samplesPerUnit);
    if (!(steps > kMostIntegralSteps))
        return {};
    return FormatAppString(id, {StepCount(steps), StepCount(kMostIntegralSteps)});
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
