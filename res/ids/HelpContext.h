#pragma once

#include "IdConversions.h"

#include <cstdint>

// Context ids the program passes with its help requests:
//   0x10000 + command id         a command of the menus or the toolbar
//   0x20000 + template number    a dialog, property page or pane
//   0x30000 + message help id    a message box
//   0x80000000 | template << 16 | control id   one control of a dialog
//   0x88888                      the graph view
namespace HelpContext {

inline constexpr std::uint32_t kCommandBase = 0x10000;
inline constexpr std::uint32_t kDialogBase = 0x20000;
inline constexpr std::uint32_t kMessageBase = 0x30000;
inline constexpr std::uint32_t kControlFlag = 0x80000000u;
inline constexpr std::uint32_t kGraphView = 0x88888;

constexpr std::uint32_t OfCommand(CommandId command)
{
    return kCommandBase + NumberOf(command);
}

constexpr std::uint32_t OfDialog(DialogId dialog)
{
    return kDialogBase + NumberOf(dialog);
}

constexpr std::uint32_t OfControl(DialogId dialog, int control)
{
    return kControlFlag | NumberOf(dialog) << 16 | static_cast<std::uint32_t>(control);
}

// The buttons every dialog shares carry the help ids they first had in the
// About, graph choice and tangent dialogs.
inline constexpr std::uint32_t kOkButton = OfControl(DialogId::About, 1);
inline constexpr std::uint32_t kCancelButton = OfControl(DialogId::SelectGraph, 2);
inline constexpr std::uint32_t kHelpButton = OfControl(DialogId::SelectGraph, 9);
inline constexpr std::uint32_t kCloseButton = OfControl(DialogId::Tangent, 8);

}  // namespace HelpContext
