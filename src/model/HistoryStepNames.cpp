#include "model/HistoryStepNames.h"

#include "model/GraphItem.h"

StringId HistoryStepNames::ForGraphEdit(const GraphItem& before, const GraphItem& after)
{
    GraphItem same = after;
    same.hidden = before.hidden;
    if (!same.Differs(before) && after.hidden != before.hidden)
        return after.hidden ? StringId::StepHideGraph : StringId::StepShowGraph;
    same = after;
    same.color = before.color;
    if (!same.Differs(before) && after.color != before.color)
        return StringId::StepChangeColour;
    return StringId::StepEditGraph;
}
