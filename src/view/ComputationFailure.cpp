#include "view/ComputationFailure.h"

#include "model/AppStringFormat.h"
#include "model/GraphEquation.h"
#include "StringTable.h"

#include <utility>

ComputationFailure::ComputationFailure(std::vector<StringId> messageIds) : m_messages(std::move(messageIds))
{
}

ComputationFailure::ComputationFailure(int displayed, const GraphItem& item, std::vector<StringId> messageIds)
    : m_messages(std::move(messageIds)), m_graph(displayed), m_equation(GraphEquation::Shown(item))
{
}

ComputationFailure::ComputationFailure(int displayed, const GraphItem& item, const CExprException& exception)
    : m_error(exception), m_graph(displayed), m_equation(GraphEquation::Shown(item))
{
}

std::vector<std::string> ComputationFailure::Texts() const
{
    std::vector<std::string> texts;
    if (m_error)
        texts.push_back(m_error->Message());
    for (StringId id : m_messages) {
        const char* text = LoadAppString(id);
        texts.emplace_back(text ? text : "");
    }
    if (m_graph >= 0 && !texts.empty())
        texts.front() = FormatAppString(StringId::AboutGraph, {m_equation, texts.front()});
    return texts;
}
