#pragma once

#include "Ids.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The pieces every warning text is made of.
namespace ExprWarningText {

// The text of string id with each "%s" replaced by the next argument.
std::string Format(StringId id, const std::vector<std::string>& args);

// The 1-based number of the character at a byte offset of a UTF-8 text, as
// warnings name a spot.
std::string CharacterNumber(std::string_view text, size_t offset);

}  // namespace ExprWarningText
