#include "model/DocumentHistory.h"

#include <utility>

void DocumentHistory::Record(StringId name, DocumentState before)
{
    m_redoSteps.clear();
    m_undoSteps.push_back({name, std::move(before)});
    while (m_undoSteps.size() > m_capacity)
        m_undoSteps.pop_front();
}

std::optional<DocumentState> DocumentHistory::Undo(DocumentState current)
{
    if (m_undoSteps.empty())
        return std::nullopt;
    Step step = std::move(m_undoSteps.back());
    m_undoSteps.pop_back();
    m_redoSteps.push_back({step.name, std::move(current)});
    return std::move(step.state);
}

std::optional<DocumentState> DocumentHistory::Redo(DocumentState current)
{
    if (m_redoSteps.empty())
        return std::nullopt;
    Step step = std::move(m_redoSteps.back());
    m_redoSteps.pop_back();
    m_undoSteps.push_back({step.name, std::move(current)});
    return std::move(step.state);
}

void DocumentHistory::Clear()
{
    m_undoSteps.clear();
    m_redoSteps.clear();
}

std::optional<StringId> DocumentHistory::UndoName() const
{
    return CanUndo() ? std::optional(m_undoSteps.back().name) : std::nullopt;
}

std::optional<StringId> DocumentHistory::RedoName() const
{
    return CanRedo() ? std::optional(m_redoSteps.back().name) : std::nullopt;
}
