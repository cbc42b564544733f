#pragma once

#include <span>

// Command identifiers of the main window. Each command's status prompt and
// tool tip is the string with the command's number ("prompt\ntip").
enum FrameCommand : unsigned {
    ID_CENTRE_ON_ORIGIN = 19650,
    ID_HIDE_GRAPH_PANE = 32773,
    ID_SHOW_GRAPH_PANE = 32774,
    ID_REFRESH = 32775,
    ID_ZOOM_IN = 32778,
    ID_ZOOM_OUT = 32779,
    ID_TOGGLE_CURR_POS = 32783,
    ID_TOGGLE_GRID = 32784,
    ID_INTEGRAL = 32788,
    ID_TANGENT = 32789,
    ID_WEB_PAGE = 32791,
    ID_ZOOM_IN_X = 32793,
    ID_ZOOM_OUT_X = 32794,
    ID_ZOOM_IN_Y = 32795,
    ID_ZOOM_OUT_Y = 32796,
    ID_SETTINGS = 32801,
    ID_DEFAULT_COORD_SYSTEM = 32810,
    ID_ADD_GRAPH = 32811,
    ID_REMOVE_GRAPH = 32812,
    ID_GRAPH_PROPERTIES = 32813,
    ID_EDIT_COORD_SYSTEM = 32816,
    ID_FIND_POINTS = 32850,
    ID_VALUE_TABLE = 32851,
    ID_TRACE = 32852,
    ID_EDIT_UNDO = 32860,
    ID_EDIT_REDO = 32861,
    ID_COPY_PICTURE = 32862,
    ID_EXPORT_PICTURE = 32863,
    ID_EDIT_REDO_SHIFT = 32864,  // Ctrl+Shift+Z, a second key for Redo
    ID_SELECTED_GRAPH_PROPERTIES = 32865,  // the list's context menu
    ID_SELECTED_GRAPH_VISIBILITY = 32866,
    ID_SELECTED_GRAPH_REMOVE = 32867,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FILE1 = 57616,
    ID_WINDOW_SPLIT = 57653,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

// One command of the main window: its menu text (a string id, 0 for a
// command without a menu item) and its key (Qt's portable key text, empty
// for none).
struct FrameCommandInfo {
    FrameCommand id;
    unsigned menuTextId;
    const char* key;
    bool checkable;
};

// Every command of the main window, the menu commands first.
std::span<const FrameCommandInfo> FrameCommandTable();

// Layout of the menu bar and the toolbar, in order. A menu's entries run to
// the next Title; a SubMenu with a string id opens a sub-menu, a SubMenu
// with id 0 closes it. In the toolbar 0 stands for a separator.
struct MenuEntry {
    enum Kind { Title, SubMenu, Command, Separator, RecentFiles };
    Kind kind;
    unsigned id;  // a string id for Title and SubMenu, a command otherwise
};
std::span<const MenuEntry> FrameMenuLayout();
std::span<const unsigned> FrameToolbarLayout();
