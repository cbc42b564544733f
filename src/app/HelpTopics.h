#pragma once

#include <cstdint>
#include <string>

// The topic of a context id (HelpContext.h tells how they are made up): a
// page of res/help, with an anchor when the topic is a part of a page. Ids
// without a topic of their own open the contents page.
std::string HelpTopicPage(std::uint32_t contextId);

inline constexpr const char* kHelpContentsPage = "index.html";
inline constexpr const char* kHelpWebPage = "webpage.html";
