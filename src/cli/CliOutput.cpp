#include "cli/CliOutput.h"

#include "expr/CException.h"

#include <cmath>
#include <cstdio>

namespace CliOutput {

std::string Number(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string OneLine(const std::string& message)
{
    std::string line;
    for (char c : message) {
        if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

int ReportExpressionError(int code, const CException& error)
{
    std::fprintf(stderr, "error %d: %s\n", code, OneLine(error.Message()).c_str());
    return 2;
}

int Refuse(const std::string& message)
{
    std::fprintf(stderr, "%s\n", OneLine(message).c_str());
    return 3;
}

int UsageError(const std::string& usage)
{
    std::fprintf(stderr, "usage: %s\n", usage.c_str());
    return 1;
}

}  // namespace CliOutput
