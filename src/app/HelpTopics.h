#pragma once

#include <cstdint>
#include <string>

// Context ids the program passes with its help requests:
//   0x10000 + command id         a command of the menus or the toolbar
//   0x20000 + template number    a dialog, property page or pane
//   0x30000 + message help id    a message box
//   0x80000000 | template << 16 | control id   one control of a dialog
//   0x88888                      the graph view
// The topic of a context id: a page of res/help, with an anchor when the
// topic is a part of a page. Ids without a topic of their own open the
// contents page.
std::string HelpTopicPage(std::uint32_t contextId);

inline constexpr const char* kHelpContentsPage = "index.html";
inline constexpr const char* kHelpWebPage = "webpage.html";
inline constexpr std::uint32_t kGraphViewHelpId = 0x88888;
