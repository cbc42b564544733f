#include "AppStringFormat.h"

#include "StringTable.h"

std::string FormatAppString(unsigned id, std::string_view argument)
{
    const char* text = LoadAppString(id);
    std::string result = text ? text : "";
    const size_t marker = result.find("%s");
    if (marker != std::string::npos)
        result.replace(marker, 2, argument);
    return result;
}
