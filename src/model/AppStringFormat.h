#pragma once

#include "Ids.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The text of string id with its "%s" places filled by the arguments in
// order. The arguments are inserted as they are, so any '%' in them stays
// literal; places beyond the arguments stay as they are.
std::string FormatAppString(StringId id, std::initializer_list<std::string_view> arguments);
std::string FormatAppString(StringId id, std::string_view argument);
