#include "view/ComputationFailure.h"

#include "model/AppStringFormat.h"
#include "model/GraphEquation.h"
#include "StringTable.h"

#include <utility>

ComputationFailure::ComputationFailure(std::vector<StringId> messageIds) : messages(std::move(messageIds))
{
}

ComputationFailure::ComputationFailure(int displayed, const GraphItem& item, std::vector<StringId> messageIds)
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
    for (StringId id : messages) {
        const char* text = LoadAppString(id);
        texts.emplace_back(text ? text : "");
    }
    if (graph >= 0 && !texts.empty())
        texts.front() = FormatAppString(StringId::AboutGraph, {equation, texts.front()});
    return texts;
}
