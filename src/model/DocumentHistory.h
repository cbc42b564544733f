#pragma once

#include "model/DocumentState.h"
#include "Ids.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

// The undo and redo steps of a document. Each step keeps the document's state
// on the other side of one change and the string id of the change's name
// ("Remove graph"). The oldest steps are dropped beyond the capacity.
class DocumentHistory {
public:
    static constexpr std::size_t kDefaultCapacity = 100;

    explicit DocumentHistory(std::size_t limit = kDefaultCapacity) : m_capacity(limit) {}

    // A change named name was made; before is the state it started from.
    // Forgets every step that could have been redone.
    void Record(StringId name, DocumentState before);
    // Takes the newest undo step: returns the state to restore and keeps
    // current as the matching redo step. Nothing when there is no step.
    std::optional<DocumentState> Undo(DocumentState current);
    // The opposite of Undo.
    std::optional<DocumentState> Redo(DocumentState current);
    void Clear();

    bool CanUndo() const { return !m_undoSteps.empty(); }
    bool CanRedo() const { return !m_redoSteps.empty(); }
    // The string id of the step Undo or Redo would take; 0 when none.
    std::optional<StringId> UndoName() const;
    std::optional<StringId> RedoName() const;
    std::size_t UndoCount() const { return m_undoSteps.size(); }

private:
    struct Step {
        StringId name;
        DocumentState state;
    };

    std::size_t m_capacity;
    std::deque<Step> m_undoSteps;
    std::vector<Step> m_redoSteps;
};
