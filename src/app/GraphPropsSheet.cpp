#include "app/GraphPropsSheet.h"

#include "app/CGraphPropsAdvancedPage.h"
#include "app/CGraphPropsGeneralPage.h"
#include "kit/FieldFocus.h"

GraphPropsSheet::GraphPropsSheet(const GraphItem& graph, const Setup& setup, QWidget* parent)
    : CAdvPropertySheet(setup.newGraph ? StringId::AddGraphCaption : StringId::EditGraphCaption, parent),
      generalPage(new CGraphPropsGeneralPage(setup.customColors))
{
    generalPage->graph = graph;
    generalPage->newGraph = setup.newGraph;
    generalPage->canBeShown = setup.canBeShown;
    advancedPage = new CGraphPropsAdvancedPage(*generalPage, setup.coordSystem);
    AddPage(generalPage);
    AddPage(advancedPage);
}

const GraphItem& GraphPropsSheet::Graph() const
{
    return generalPage->graph;
}

void GraphPropsSheet::RefuseDuplicates(std::function<bool(const GraphItem&)> isDuplicate)
{
    acceptCheck = [this, isDuplicate = std::move(isDuplicate)] {
        if (!isDuplicate(Graph()))
            return true;
        SetActivePage(0);
        FocusField(generalPage->FirstField());
        return false;
    };
}
