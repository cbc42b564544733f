#include "view/GraphSlots.h"

#include "model/GraphEquation.h"
#include "model/RangeValidation.h"
#include "view/SampleBudget.h"

#include <utility>

bool GraphSlots::Collect(const std::list<GraphItem>& graphs)
{
    const int oldCount = m_displayedCount;
    m_displayedCount = 0;
    for (const GraphItem& graph : graphs) {
        if (graph.hidden)
            continue;
        if (m_displayedCount == MAX_DISPLAYED_GRAPHS)
            return false;
        m_displayed[m_displayedCount++] = graph;
    }
    MatchSlots(oldCount);
    return true;
}

// One pass over the positions, so that it ends even when two displayed
// graphs are the same function: a position whose slot already holds its
// function keeps it and is settled; any other takes a matching slot from the
// positions not yet settled.
void GraphSlots::MatchSlots(int oldCount)
{
    std::array<bool, MAX_DISPLAYED_GRAPHS> settled{};
    for (int i = 0; i < m_displayedCount; ++i) {
        for (int j = 0; j < oldCount && m_slotPoints[i].source.ExpressionsDiffer(m_displayed[i]); ++j) {
            if (j != i && !settled[j] && !m_slotPoints[j].source.ExpressionsDiffer(m_displayed[i]))
                std::swap(m_slotPoints[i], m_slotPoints[j]);
        }
        settled[i] = !m_slotPoints[i].source.ExpressionsDiffer(m_displayed[i]);
    }
}

bool GraphSlots::DifferFrom(const std::list<GraphItem>& graphs) const
{
    int visible = 0;
    for (const GraphItem& graph : graphs) {
        if (graph.hidden)
            continue;
        if (visible == MAX_DISPLAYED_GRAPHS || visible >= m_displayedCount)
            return true;
        if (graph.Differs(m_displayed[visible++]))
            return true;
    }
    return visible != m_displayedCount;
}

std::optional<GraphSlots::Refusal> GraphSlots::Prepare(const CoordSystem& cs, double availableBytes)
{
    for (int i = 0; i < m_displayedCount; ++i)
        m_displayed[i].ComputeRange(cs);
    if (std::optional<Refusal> refusal = Check(availableBytes)) {
        FreeAll();
        return refusal;
    }
    for (int i = 0; i < m_displayedCount; ++i)
        AdoptSource(i);
    for (int i = m_displayedCount; i < MAX_DISPLAYED_GRAPHS; ++i)
        m_slotPoints[i].Free();
    return std::nullopt;
}

bool GraphSlots::NeedsBuffer(int i) const
{
    return !m_slotPoints[i].HasPoints() || m_slotPoints[i].source.RangeDiffers(m_displayed[i]);
}

std::optional<GraphSlots::Refusal> GraphSlots::Check(double availableBytes) const
{
    SampleBudget budget(availableBytes);
    for (int i = 0; i < m_displayedCount; ++i) {
        if (GraphEquation::TooLong(m_displayed[i]))
            return Refusal{i, StringId::FormulaTooLong};
        if (!budget.Take(GraphPoints::SampleCount(m_displayed[i].range), NeedsBuffer(i)))
            return Refusal{i, StringId::CoordSystemTooLarge};
    }
    return std::nullopt;
}

// A slot whose range changed loses its points; one with points stays
// complete only for the same function; colour and flags follow the graph.
void GraphSlots::AdoptSource(int i)
{
    GraphPoints& slot = m_slotPoints[i];
    if (slot.HasPoints() && slot.source.RangeDiffers(m_displayed[i]))
        slot.Free();
    if (!slot.HasPoints() || slot.source.ExpressionsDiffer(m_displayed[i]))
        slot.complete = false;
    slot.source = m_displayed[i];
    slot.UpdatePointCount();
}

void GraphSlots::FreeAll()
{
    for (GraphPoints& slot : m_slotPoints)
        slot.Free();
}

void GraphSlots::Clear()
{
    FreeAll();
    m_displayedCount = 0;
}
