#pragma once

#include "model/CoordSystem.h"
#include "model/GraphItem.h"
#include "model/GraphPoints.h"
#include "Ids.h"

#include <array>
#include <list>
#include <optional>

// The graphs shown by the last refresh and their point slots: slot i holds
// the samples of displayed graph i. A slot keeps its points across refreshes
// while its graph's function and effective range stay the same, so that
// a change of colour or order samples nothing again.
class GraphSlots {
public:
    // Copies the visible graphs of the list, in order, and moves each slot
    // that was computed for one of them to its position. False, with the
    // first 15 taken, when the list has a 16th visible graph.
    bool Collect(const std::list<GraphItem>& graphs);
    // True when the visible graphs of the list are no longer the displayed
    // ones: more than 15, another number, or one that differs in anything
    // the user set.
    bool DifferFrom(const std::list<GraphItem>& graphs) const;
    // A displayed graph the computation cannot take, and the message that
    // refuses it.
    struct Refusal {
        int graph;
        StringId message;
    };
    // Fixes the effective ranges against cs and makes every slot ready for
    // the worker: unchanged complete slots keep their points, a slot whose
    // range changed loses them; slots beyond the displayed count are freed.
    // Allocates nothing: the worker allocates the buffers it fills. Refuses,
    // freeing every slot, the first graph with a formula longer than the
    // engine reads or whose samples pass the budget (SampleBudget).
    std::optional<Refusal> Prepare(const CoordSystem& cs, double availableBytes);
    void FreeAll();
    // No displayed graphs, every slot freed.
    void Clear();

    int DisplayedCount() const { return m_displayedCount; }
    const GraphItem& DisplayedGraph(int i) const { return m_displayed[i]; }
    GraphPoints& Slot(int i) { return m_slotPoints[i]; }
    const GraphPoints& Slot(int i) const { return m_slotPoints[i]; }

private:
    // A slot whose points must be (re)allocated for displayed graph i.
    bool NeedsBuffer(int i) const;
    std::optional<Refusal> Check(double availableBytes) const;
    void MatchSlots(int oldCount);
    void AdoptSource(int i);

    std::array<GraphItem, MAX_DISPLAYED_GRAPHS> m_displayed;
    int m_displayedCount = 0;
    std::array<GraphPoints, MAX_DISPLAYED_GRAPHS> m_slotPoints;
};
