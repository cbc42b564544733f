#pragma once

#include <string>
#include <string_view>

// The text of string id with its "%s" replaced by argument. The argument is
// inserted as it is, so any '%' in it stays literal.
std::string FormatAppString(unsigned id, std::string_view argument);
