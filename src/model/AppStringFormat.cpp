#include "AppStringFormat.h"

#include "StringTable.h"

std::string FormatAppString(unsigned id, std::string_view argument)
{
    return FormatAppString(id, {argument});
}

std::string FormatAppString(unsigned id, std::initializer_list<std::string_view> arguments)
{
    const char* text = LoadAppString(id);
    std::string result = text ? text : "";
    size_t marker = 0;
    for (std::string_view argument : arguments) {
        marker = result.find("%s", marker);
        if (marker == std::string::npos)
            break;
        result.replace(marker, 2, argument);
        marker += argument.size();
    }
    return result;
}
