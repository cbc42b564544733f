#include "expr/ExprWarningText.h"

#include "StringTable.h"

namespace ExprWarningText {

std::string Format(StringId id, const std::vector<std::string>& args)
{
    const char* loaded = LoadAppString(id);
    const std::string text = loaded ? loaded : "";
    std::string out;
    size_t from = 0;
    auto arg = args.begin();
    for (size_t at = text.find("%s"); at != std::string::npos && arg != args.end(); at = text.find("%s", from)) {
        out.append(text, from, at - from);
        out += *arg++;
        from = at + 2;
    }
    return out.append(text, from);
}

std::string CharacterNumber(std::string_view text, size_t offset)
{
    size_t number = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        // Continuation bytes of UTF-8 do not start a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++number;
    }
    return std::to_string(number);
}

}  // namespace ExprWarningText
