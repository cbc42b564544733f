#include "model/AppStringFormat.h"

#include "StringTable.h"

std::string FormatAppString(StringId id, std::initializer_list<std::string_view> arguments)
{
    const char* text = LoadAppString(id);
    std::string result = text ? text : "";
    size_t from = 0;
    for (std::string_view argument : arguments) {
        const size_t marker = result.find("%s", from);
        if (marker == std::string::npos)
            break;
        result.replace(marker, 2, argument);
        from = marker + argument.size();
    }
    return result;
}

std::string FormatAppString(StringId id, std::string_view argument)
{
    return FormatAppString(id, {argument});
}
