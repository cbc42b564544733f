#include "FrameCommands.h"

namespace {

// Menu texts are numbered from here in the order of the table.
constexpr unsigned kMenuText = 18100;

constexpr FrameCommandInfo kCommands[] = {
    {ID_FILE_NEW, kMenuText + 0, "Ctrl+N", false},
    {ID_FILE_OPEN, kMenuText + 1, "Ctrl+O", false},
    {ID_FILE_SAVE, kMenuText + 2, "Ctrl+S", false},
    {ID_FILE_SAVE_AS, kMenuText + 3, "", false},
    {ID_APP_EXIT, kMenuText + 4, "", false},
    {ID_ADD_GRAPH, kMenuText + 5, "", false},
    {ID_REMOVE_GRAPH, kMenuText + 6, "", false},
    {ID_GRAPH_PROPERTIES, kMenuText + 7, "", false},
    {ID_EDIT_COORD_SYSTEM, kMenuText + 8, "", false},
    {ID_ZOOM_IN, kMenuText + 9, "Num++", false},
    {ID_ZOOM_OUT, kMenuText + 10, "Num+-", false},
    {ID_ZOOM_IN_X, kMenuText + 11, "Ctrl+Num++", false},
    {ID_ZOOM_OUT_X, kMenuText + 12, "Ctrl+Num+-", false},
    {ID_ZOOM_IN_Y, kMenuText + 13, "Alt+Num++", false},
    {ID_ZOOM_OUT_Y, kMenuText + 14, "Alt+Num+-", false},
    {ID_REFRESH, kMenuText + 15, "F5", false},
    {ID_INTEGRAL, kMenuText + 16, "", false},
    {ID_TANGENT, kMenuText + 17, "", false},
    {ID_FIND_POINTS, 3700, "", false},
    {ID_VALUE_TABLE, 3701, "", false},
    {ID_TRACE, 3702, "", false},  // T in the graph view
    {ID_SETTINGS, kMenuText + 18, "", false},
    {ID_DEFAULT_COORD_SYSTEM, kMenuText + 19, "", false},
    {ID_VIEW_TOOLBAR, kMenuText + 20, "", true},
    {ID_VIEW_STATUS_BAR, kMenuText + 21, "", true},
    {ID_WINDOW_SPLIT, kMenuText + 22, "", false},
    {ID_HIDE_GRAPH_PANE, kMenuText + 23, "F7", false},
    {ID_SHOW_GRAPH_PANE, kMenuText + 24, "F8", false},
    {ID_HELP_FINDER, kMenuText + 25, "", false},
    {ID_APP_ABOUT, kMenuText + 26, "", false},
    {ID_WEB_PAGE, kMenuText + 27, "", false},
    {ID_CENTRE_ON_ORIGIN, 19651, "", false},  // Home in the graph view
    {ID_EDIT_UNDO, 19803, "Ctrl+Z", false},  // the text names the step to undo
    {ID_EDIT_REDO, 19804, "Ctrl+Y", false},
    {ID_COPY_PICTURE, 19805, "Ctrl+C", false},
    {ID_EXPORT_PICTURE, 19806, "Ctrl+E", false},
    {ID_SELECTED_GRAPH_PROPERTIES, 19807, "", false},
    {ID_SELECTED_GRAPH_VISIBILITY, 19808, "", false},
    {ID_SELECTED_GRAPH_REMOVE, 19810, "", false},
    {ID_EDIT_REDO_SHIFT, 0, "Ctrl+Shift+Z", false},
    {ID_TOGGLE_GRID, 19811, "", true},  // the graph view's context menu
    {ID_TOGGLE_CURR_POS, 19812, "", true},
    {ID_HELP, 0, "F1", false},
    {ID_CONTEXT_HELP, 0, "Shift+F1", false},
    {ID_NEXT_PANE, 0, "F6", false},
    {ID_PREV_PANE, 0, "Shift+F6", false},
};

constexpr MenuEntry Title(unsigned id) { return {MenuEntry::Title, id}; }
constexpr MenuEntry Item(unsigned id) { return {MenuEntry::Command, id}; }
constexpr MenuEntry kSeparator{MenuEntry::Separator, 0};

constexpr MenuEntry kMenus[] = {
    Title(18010), Item(ID_FILE_NEW), Item(ID_FILE_OPEN), Item(ID_FILE_SAVE), Item(ID_FILE_SAVE_AS),
    kSeparator, Item(ID_EXPORT_PICTURE), kSeparator, {MenuEntry::RecentFiles, ID_FILE_MRU_FILE1}, kSeparator,
    Item(ID_APP_EXIT),
    Title(19800), Item(ID_EDIT_UNDO), Item(ID_EDIT_REDO), kSeparator, Item(ID_COPY_PICTURE),
    Item(ID_EXPORT_PICTURE),
    Title(18011), Item(ID_ADD_GRAPH), Item(ID_REMOVE_GRAPH), Item(ID_GRAPH_PROPERTIES),
    Item(ID_EDIT_COORD_SYSTEM), kSeparator, Item(ID_ZOOM_IN), Item(ID_ZOOM_OUT),
    {MenuEntry::SubMenu, 18015}, Item(ID_ZOOM_IN_X), Item(ID_ZOOM_OUT_X), Item(ID_ZOOM_IN_Y),
    Item(ID_ZOOM_OUT_Y), {MenuEntry::SubMenu, 0}, kSeparator, Item(ID_REFRESH), kSeparator,
    Item(ID_INTEGRAL), Item(ID_TANGENT), kSeparator, Item(ID_FIND_POINTS), Item(ID_VALUE_TABLE), Item(ID_TRACE),
    Title(18012), Item(ID_SETTINGS), Item(ID_DEFAULT_COORD_SYSTEM),
    Title(18013), Item(ID_VIEW_TOOLBAR), Item(ID_VIEW_STATUS_BAR), Item(ID_WINDOW_SPLIT), kSeparator,
    Item(ID_HIDE_GRAPH_PANE), Item(ID_SHOW_GRAPH_PANE), kSeparator, Item(ID_CENTRE_ON_ORIGIN),
    Title(18014), Item(ID_HELP_FINDER), kSeparator, Item(ID_APP_ABOUT), kSeparator, Item(ID_WEB_PAGE),
};

constexpr unsigned kToolbar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_EXPORT_PICTURE, 0, ID_EDIT_UNDO, ID_EDIT_REDO, 0,
    ID_HIDE_GRAPH_PANE, ID_SHOW_GRAPH_PANE, 0,
    ID_REFRESH, 0, ID_ZOOM_IN, ID_ZOOM_OUT, 0, ID_ZOOM_IN_X, ID_ZOOM_OUT_X, 0,
    ID_ZOOM_IN_Y, ID_ZOOM_OUT_Y, 0, ID_TOGGLE_GRID, ID_TOGGLE_CURR_POS, 0, ID_SETTINGS, 0,
    ID_HELP_FINDER, ID_CONTEXT_HELP,
};

}  // namespace

std::span<const FrameCommandInfo> FrameCommandTable()
{
    return kCommands;
}

std::span<const MenuEntry> FrameMenuLayout()
{
    return kMenus;
}

std::span<const unsigned> FrameToolbarLayout()
{
    return kToolbar;
}
