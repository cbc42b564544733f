#include "model/DocumentHistory.h"

#include <utility>

void DocumentHistory::Record(StringId name, DocumentState before)
{
    redoSteps.clear();
    undoSteps.push_back({name, std::move(before)});
    while (undoSteps.size() > capacity)
        undoSteps.pop_front();
}

std::optional<DocumentState> DocumentHistory::Undo(DocumentState current)
{
    if (undoSteps.empty())
        return std::nullopt;
    Step step = std::move(undoSteps.back());
    undoSteps.pop_back();
    redoSteps.push_back({step.name, std::move(current)});
    return std::move(step.state);
}

std::optional<DocumentState> DocumentHistory::Redo(DocumentState current)
{
    if (redoSteps.empty())
        return std::nullopt;
    Step step = std::move(redoSteps.back());
    redoSteps.pop_back();
    undoSteps.push_back({step.name, std::move(current)});
    return std::move(step.state);
}

void DocumentHistory::Clear()
{
    undoSteps.clear();
    redoSteps.clear();
}

std::optional<StringId> DocumentHistory::UndoName() const
{
    return CanUndo() ? std::optional(undoSteps.back().name) : std::nullopt;
}

std::optional<StringId> DocumentHistory::RedoName() const
{
    return CanRedo() ? std::optional(redoSteps.back().name) : std::nullopt;
}
