#include "view/GraphSlots.h"

#include "model/GraphEquation.h"
#include "model/RangeValidation.h"
#include "view/SampleBudget.h"

#include <utility>

bool GraphSlots::Collect(const std::list<GraphItem>& graphs)
{
    const int oldCount = displayedCount;
    displayedCount = 0;
    for (const GraphItem& graph : graphs) {
        if (graph.hidden)
            continue;
        if (displayedCount == MAX_DISPLAYED_GRAPHS)
            return false;
        displayed[displayedCount++] = graph;
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
    for (int i = 0; i < displayedCount; ++i) {
        for (int j = 0; j < oldCount && slotPoints[i].source.ExpressionsDiffer(displayed[i]); ++j) {
            if (j != i && !settled[j] && !slotPoints[j].source.ExpressionsDiffer(displayed[i]))
                std::swap(slotPoints[i], slotPoints[j]);
        }
        settled[i] = !slotPoints[i].source.ExpressionsDiffer(displayed[i]);
    }
}

bool GraphSlots::DifferFrom(const std::list<GraphItem>& graphs) const
{
    int visible = 0;
    for (const GraphItem& graph : graphs) {
        if (graph.hidden)
            continue;
        if (visible == MAX_DISPLAYED_GRAPHS || visible >= displayedCount)
            return true;
        if (graph.Differs(displayed[visible++]))
            return true;
    }
    return visible != displayedCount;
}

std::optional<GraphSlots::Refusal> GraphSlots::Prepare(const CoordSystem& cs, double availableBytes)
{
    for (int i = 0; i < displayedCount; ++i)
        displayed[i].ComputeRange(cs);
    if (std::optional<Refusal> refusal = Check(availableBytes)) {
        FreeAll();
        return refusal;
    }
    for (int i = 0; i < displayedCount; ++i)
        AdoptSource(i);
    for (int i = displayedCount; i < MAX_DISPLAYED_GRAPHS; ++i)
        slotPoints[i].Free();
    return std::nullopt;
}

bool GraphSlots::NeedsBuffer(int i) const
{
    return !slotPoints[i].HasPoints() || slotPoints[i].source.RangeDiffers(displayed[i]);
}

std::optional<GraphSlots::Refusal> GraphSlots::Check(double availableBytes) const
{
    SampleBudget budget(availableBytes);
    for (int i = 0; i < displayedCount; ++i) {
        if (GraphEquation::TooLong(displayed[i]))
            return Refusal{i, StringId::FormulaTooLong};
        if (!budget.Take(GraphPoints::SampleCount(displayed[i].range), NeedsBuffer(i)))
            return Refusal{i, StringId::CoordSystemTooLarge};
    }
    return std::nullopt;
}

// A slot whose range changed loses its points; one with points stays
// complete only for the same function; colour and flags follow the graph.
void GraphSlots::AdoptSource(int i)
{
    GraphPoints& slot = slotPoints[i];
    if (slot.HasPoints() && slot.source.RangeDiffers(displayed[i]))
        slot.Free();
    if (!slot.HasPoints() || slot.source.ExpressionsDiffer(displayed[i]))
        slot.complete = false;
    slot.source = displayed[i];
    slot.UpdatePointCount();
}

void GraphSlots::FreeAll()
{
    for (GraphPoints& slot : slotPoints)
        slot.Free();
}

void GraphSlots::Clear()
{
    FreeAll();
    displayedCount = 0;
}
