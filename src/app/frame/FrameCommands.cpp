#include "app/frame/FrameCommands.h"

#include "IdConversions.h"

namespace {

using enum CommandId;

// Menu texts are numbered from the first in the order of the table.
constexpr StringId MenuText(unsigned offset)
{
    return StringAfter(StringId::FirstMenuText, offset);
}

constexpr FrameCommandInfo kCommands[] = {
    {FileNew, MenuText(0), "Ctrl+N", false},
    {FileOpen, MenuText(1), "Ctrl+O", false},
    {FileSave, MenuText(2), "Ctrl+S", false},
    {FileSaveAs, MenuText(3), "", false},
    {AppExit, MenuText(4), "", false},
    {AddGraph, MenuText(5), "", false},
    {RemoveGraph, MenuText(6), "", false},
    {GraphProperties, MenuText(7), "", false},
    {EditCoordSystem, MenuText(8), "", false},
    {ZoomIn, MenuText(9), "Num++", false},
    {ZoomOut, MenuText(10), "Num+-", false},
    {ZoomInX, MenuText(11), "Ctrl+Num++", false},
    {ZoomOutX, MenuText(12), "Ctrl+Num+-", false},
    {ZoomInY, MenuText(13), "Alt+Num++", false},
    {ZoomOutY, MenuText(14), "Alt+Num+-", false},
    {Refresh, MenuText(15), "F5", false},
    {Integral, MenuText(16), "", false},
    {Tangent, MenuText(17), "", false},
    {FindPoints, StringId::MenuFindPoints, "", false},
    {ValueTable, StringId::MenuValueTable, "", false},
    {Trace, StringId::MenuTrace, "", false},  // T in the graph view
    {Settings, MenuText(18), "", false},
    {DefaultCoordSystem, MenuText(19), "", false},
    {ViewToolbar, MenuText(20), "", true},
    {ViewStatusBar, MenuText(21), "", true},
    {WindowSplit, MenuText(22), "", false},
    {HideGraphPane, MenuText(23), "F7", false},
    {ShowGraphPane, MenuText(24), "F8", false},
    {HelpFinder, MenuText(25), "", false},
    {AppAbout, MenuText(26), "", false},
    {WebPage, MenuText(27), "", false},
    {CentreOnOrigin, StringId::MenuCentreOnOrigin, "", false},  // Home in the graph view
    {EditUndo, StringId::Undo, "Ctrl+Z", false},  // the text names the step to undo
    {EditRedo, StringId::Redo, "Ctrl+Y", false},
    {CopyPicture, StringId::MenuCopyPicture, "Ctrl+C", false},
    {ExportPicture, StringId::MenuExportPicture, "Ctrl+E", false},
    {SelectedGraphProperties, StringId::MenuSelectedGraphProperties, "", false},
    {SelectedGraphVisibility, StringId::HideGraph, "", false},
    {SelectedGraphRemove, StringId::MenuSelectedGraphRemove, "", false},
    {EditRedoShift, {}, "Ctrl+Shift+Z", false},
    {ToggleGrid, StringId::MenuToggleGrid, "", true},  // the graph view's context menu
    {ToggleCursorPosition, StringId::MenuToggleCursorPosition, "", true},
    {Help, {}, "F1", false},
    {ContextHelp, {}, "Shift+F1", false},
    {NextPane, {}, "F6", false},
    {PrevPane, {}, "Shift+F6", false},
};

constexpr MenuEntry Title(StringId text) { return {MenuEntry::Title, text, {}}; }
constexpr MenuEntry SubMenu(StringId text) { return {MenuEntry::SubMenu, text, {}}; }
constexpr MenuEntry Item(CommandId command) { return {MenuEntry::Command, {}, command}; }
constexpr MenuEntry kEndSubMenu{MenuEntry::EndSubMenu, {}, {}};
constexpr MenuEntry kSeparator{MenuEntry::Separator, {}, {}};

constexpr MenuEntry kMenus[] = {
    Title(StringId::FileMenu), Item(FileNew), Item(FileOpen), Item(FileSave), Item(FileSaveAs),
    kSeparator, Item(ExportPicture), kSeparator, {MenuEntry::RecentFiles, {}, FirstRecentFile}, kSeparator,
    Item(AppExit),
    Title(StringId::EditMenu), Item(EditUndo), Item(EditRedo), kSeparator, Item(CopyPicture),
    Item(ExportPicture),
    Title(StringId::GraphMenu), Item(AddGraph), Item(RemoveGraph), Item(GraphProperties),
    Item(EditCoordSystem), kSeparator, Item(ZoomIn), Item(ZoomOut),
    SubMenu(StringId::ZoomSubMenu), Item(ZoomInX), Item(ZoomOutX), Item(ZoomInY),
    Item(ZoomOutY), kEndSubMenu, kSeparator, Item(Refresh), kSeparator,
    Item(Integral), Item(Tangent), kSeparator, Item(FindPoints), Item(ValueTable), Item(Trace),
    Title(StringId::OptionsMenu), Item(Settings), Item(DefaultCoordSystem),
    Title(StringId::ViewMenu), Item(ViewToolbar), Item(ViewStatusBar), Item(WindowSplit), kSeparator,
    Item(HideGraphPane), Item(ShowGraphPane), kSeparator, Item(CentreOnOrigin),
    Title(StringId::HelpMenu), Item(HelpFinder), kSeparator, Item(AppAbout), kSeparator, Item(WebPage),
};

constexpr std::optional<CommandId> kSeparatorButton;

constexpr std::optional<CommandId> kToolbar[] = {
    FileNew, FileOpen, FileSave, ExportPicture, kSeparatorButton, EditUndo, EditRedo, kSeparatorButton,
    HideGraphPane, ShowGraphPane, kSeparatorButton,
    Refresh, kSeparatorButton, ZoomIn, ZoomOut, kSeparatorButton, ZoomInX, ZoomOutX, kSeparatorButton,
    ZoomInY, ZoomOutY, kSeparatorButton, ToggleGrid, ToggleCursorPosition, kSeparatorButton, Settings, kSeparatorButton,
    HelpFinder, ContextHelp,
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

std::span<const std::optional<CommandId>> FrameToolbarLayout()
{
    return kToolbar;
}
