#include "kit/HelpRequests.h"

namespace {

HelpRequests::Handler& CurrentHandler()
{
    static HelpRequests::Handler handler;
    return handler;
}

std::vector<HelpRequest>& SubmittedList()
{
    static std::vector<HelpRequest> requests;
    return requests;
}

}  // namespace

void HelpRequests::SetHandler(Handler handler)
{
    CurrentHandler() = std::move(handler);
}

void HelpRequests::Submit(const HelpRequest& request)
{
    SubmittedList().push_back(request);
    if (CurrentHandler())
        CurrentHandler()(request);
}

const std::vector<HelpRequest>& HelpRequests::Submitted()
{
    return SubmittedList();
}

void HelpRequests::ClearSubmitted()
{
    SubmittedList().clear();
}
