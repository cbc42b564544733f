#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// One request for help: the topic or pop-up for a context id.
struct HelpRequest {
    std::uint32_t contextId = 0;
    int controlId = 0;   // the control that asked, 0 for a whole dialog
    bool popup = false;  // a control's pop-up rather than a whole topic
};

// The program's shared help handler. Dialogs, sheets and message boxes hand
// every help request (F1, Help buttons, the title bar's context help) to
// Submit. The main window installs the handler that opens its help window;
// every request is also kept in order, so that it can be inspected.
class HelpRequests {
public:
    using Handler = std::function<void(const HelpRequest&)>;

    static void SetHandler(Handler handler);
    static void Submit(const HelpRequest& request);
    static const std::vector<HelpRequest>& Submitted();
    static void ClearSubmitted();
};
