#include "app/HelpTopics.h"

#include "HelpContext.h"

#include <map>

namespace {

using namespace HelpContext;

// Topics of dialogs, pages and panes by template number.
const std::map<std::uint32_t, const char*>& DialogTopics()
{
    static const std::map<std::uint32_t, const char*> topics = {
        {100, "about.html"},
        {102, "graphlist.html"},
        {128, "mainwindow.html"},
        {130, "messages.html"},
        {131, "messages.html"},
        {132, "graphlist.html#select"},
        {135, "graphview.html#computing"},
        {154, "tangent.html"},
        {171, "coordsystem.html#general"},
        {173, "coordsystem.html#advanced"},
        {178, "graphprops.html#general"},
        {179, "graphprops.html#advanced"},
        {187, "settings.html"},
        {195, "graphlist.html#remove"},
        {197, "integral.html#select"},
        {198, "integral.html#results"},
        {199, "analysis.html#points"},
        {200, "analysis.html#table"},
        {22200, "edit.html#export"},  // Export Picture
    };
    return topics;
}

// The buttons every dialog shares carry help ids of their own.
bool IsSharedButton(std::uint32_t contextId)
{
    return contextId == kOkButton || contextId == kCancelButton || contextId == kHelpButton
           || contextId == kCloseButton;
}

std::string DialogTopic(std::uint32_t templateId)
{
    const auto found = DialogTopics().find(templateId);
    return found == DialogTopics().end() ? kHelpContentsPage : found->second;
}

}  // namespace

std::string HelpTopicPage(std::uint32_t contextId)
{
    if (IsSharedButton(contextId))
        return "dialogs.html#buttons";
    if (contextId & kControlFlag)
        return DialogTopic((contextId >> 16) & 0x7FFF);
    if (contextId == kGraphView)
        return "graphview.html";
    if (contextId >= kMessageBase && contextId < kMessageBase + 0x10000)
        return "messages.html";
    if (contextId >= kDialogBase && contextId < kMessageBase)
        return DialogTopic(contextId - kDialogBase);
    // No web address is configured: the command's topic is the local page.
    if (contextId == OfCommand(CommandId::WebPage))
        return kHelpWebPage;
    if (contextId >= kCommandBase && contextId < kDialogBase)
        return "commands.html#c" + std::to_string(contextId - kCommandBase);
    return kHelpContentsPage;
}
