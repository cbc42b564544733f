#pragma once

#include "Ids.h"

// The few places where an id of one kind leads to an id of another, or to
// its bare number, each by name.

// The number behind an id, for what keys resources by number (file names of
// pictures, help contexts, Qt item data).
template <typename Id>
constexpr unsigned NumberOf(Id id)
{
    return static_cast<unsigned>(id);
}

// A command's status prompt and tool tip ("prompt\ntip") share its number.
constexpr StringId PromptOf(CommandId command)
{
    return static_cast<StringId>(NumberOf(command));
}

// A command's toolbar picture shares its number.
constexpr BitmapId BitmapOf(CommandId command)
{
    return static_cast<BitmapId>(NumberOf(command));
}

// A dialog button by its result (IDOK, IDCANCEL ... of MessageBoxStyle.h):
// its caption is string 13000 + result, its picture bitmap 1000 + result.
constexpr StringId ButtonCaptionOf(int result)
{
    return static_cast<StringId>(13000u + static_cast<unsigned>(result));
}

constexpr BitmapId ButtonBitmapOf(int result)
{
    return static_cast<BitmapId>(1000u + static_cast<unsigned>(result));
}

// The entry at offset of a run of consecutive texts (the items of a list,
// the names of kinds in their order) that starts at first.
constexpr StringId StringAfter(StringId first, unsigned offset)
{
    return static_cast<StringId>(NumberOf(first) + offset);
}
