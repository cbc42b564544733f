#include "cli/RangeOptions.h"

#include "model/PrecisionSteps.h"

#include <cstdlib>

bool RangeOptions::Parse(std::span<char* const> args, size_t expressionCount, bool piAllowed)
{
    if (args.size() < expressionCount)
        return false;
    const size_t optionsEnd = args.size() - expressionCount;
    for (size_t i = 0; i < optionsEnd; ++i) {
        const std::string option = args[i];
        if (piAllowed && option == "--pi") {
            timesPi = true;
            continue;
        }
        if (i + 1 >= optionsEnd)
            return false;
        const std::string value = args[++i];
        if (option == "--arg")
            letter = value;
        else if (option == "--from")
            from = value;
        else if (option == "--to")
            to = value;
        else if (option == "--precision")
            precision = static_cast<std::int32_t>(std::atoi(value.c_str()));
        else
            return false;
    }
    expressions.assign(args.begin() + static_cast<std::ptrdiff_t>(optionsEnd), args.end());
    return from && to && letter.size() <= 1 && IndexFromPrecision(precision) >= 0;
}
