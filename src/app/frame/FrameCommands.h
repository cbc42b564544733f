#pragma once

#include "Ids.h"

#include <optional>
#include <span>

// The commands themselves are the CommandId values of Ids.h.

// One command of the main window: its menu text (none for a command
// without a menu item) and its key (Qt's portable key text, empty
// for none).
struct FrameCommandInfo {
    CommandId id;
    std::optional<StringId> menuText;
    const char* key;
    bool checkable;
};

// Every command of the main window, the menu commands first.
std::span<const FrameCommandInfo> FrameCommandTable();

// Layout of the menu bar and the toolbar, in order. A menu's entries run to
// the next Title; a SubMenu opens a sub-menu that runs to its EndSubMenu.
// In the toolbar an empty entry stands for a separator.
struct MenuEntry {
    enum Kind { Title, SubMenu, EndSubMenu, Command, Separator, RecentFiles };
    Kind kind;
    StringId text;      // of a Title or SubMenu
    CommandId command;  // of a Command or RecentFiles
};
std::span<const MenuEntry> FrameMenuLayout();
std::span<const std::optional<CommandId>> FrameToolbarLayout();
