#include "tools/IntegralBounds.h"

#include "model/AppStringFormat.h"
#include "StringTable.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {
constexpr double kPi = 3.141592653589793;

// The character at the start of text, with its continuation bytes.
std::string FirstCharacter(const char* text)
{
    size_t length = 1;
    while (text[length] != '\0' && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return std::string(text, length);
}

// One bound; an empty message when it reads as a number.
std::string ReadBound(const std::string& text, bool timesPi, double& value)
{
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    if (*end != '\0')
        return FormatAppString(StringId::StrayCharacters, {text, FirstCharacter(end)});
    if (timesPi)
        value *= kPi;
    // A bound that pi makes infinite could never be reached either.
    if (std::isinf(value))
        return FormatAppString(StringId::NumberTooBig, text);
    return {};
}

}  // namespace

std::string ReadIntegralBounds(const std::string& fromText, const std::string& toText, bool timesPi,
                               IntegralBounds& bounds)
{
    bounds.refused = !fromText.empty() && toText.empty() ? IntegralBounds::To : IntegralBounds::From;
    if (fromText.empty() || toText.empty())
        return LoadAppString(StringId::WrongRange);
    IntegralBounds read;
    for (auto [text, value] : {std::pair{&fromText, &read.from}, std::pair{&toText, &read.to}}) {
        if (std::string message = ReadBound(*text, timesPi, *value); !message.empty()) {
            bounds.refused = text == &fromText ? IntegralBounds::From : IntegralBounds::To;
            return message;
        }
    }
    // A NaN bound is refused like a reversed range.
    bounds.refused = IntegralBounds::From;
    if (!(read.from < read.to))
        return LoadAppString(StringId::WrongRange);
    bounds = read;
    return {};
}
