#include "tools/TableText.h"

#include "StringTable.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Cell(const std::string& text, char separator)
{
    if (separator != ',' || text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

}  // namespace

std::string SignificantText(double value, int digits)
{
    if (!std::isfinite(value))
        return LoadAppString(StringId::Undefined);
    if (value == 0)
        value = 0;  // no "-0"
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

std::string TableText(const TableRows& rows, char separator)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += separator;
            text += Cell(row[i], separator);
        }
        text += '\n';
    }
    return text;
}
