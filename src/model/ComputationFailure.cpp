#include "ComputationFailure.h"

#include "AppStringFormat.h"
#include "GraphEquation.h"
#include "StringTable.h"

#include <utility>

namespace {

constexpr unsigned kAboutGraph = 3015;  // "Graph:\n%s\n\n%s"

}  // namespace

ComputationFailure::ComputationFailure(std::vector<unsigned> messageIds) : messages(std::move(messageIds))
{
}

ComputationFailure::ComputationFailure(int displayed, const GraphItem& item, std::vector<unsigned> messageIds)
    : messages(std::move(messageIds)), graph(displayed), equation(GraphEquation::Shown(item))
{
}

ComputationFailure::ComputationFailure(int displayed, const GraphItem& item, const CExprException& exception)
    : error(exception), graph(displayed), equation(GraphEquation::Shown(item))
{
}

std::vector<std::string> ComputationFailure::Texts() const
{
    std::vector<std::string> texts;
    if (error)
        texts.push_back(error->Message());
    for (unsigned id : messages) {
        const char* text = LoadAppString(id);
        texts.emplace_back(text ? text : "");
    }
    if (graph >= 0 && !texts.empty())
        texts.front() = FormatAppString(kAboutGraph, {equation, texts.front()});
    return texts;
}
