#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The text of string id with its "%s" replaced by argument. The argument is
// inserted as it is, so any '%' in it stays literal.
std::string FormatAppString(unsigned id, std::string_view argument);
// The same with the text's "%s" places filled in order, one argument each.
std::string FormatAppString(unsigned id, std::initializer_list<std::string_view> arguments);
