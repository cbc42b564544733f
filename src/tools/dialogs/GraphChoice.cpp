#include "tools/dialogs/GraphChoice.h"

#include "model/AppStringFormat.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"

#include <QComboBox>

namespace {

QString Equation(const GraphItem& graph)
{
    if (graph.kind == KindParametric)
        return QString::fromStdString(FormatAppString(StringId::ParametricFormat, {graph.expression, graph.expression2}));
    return QString::fromStdString(FormatAppString(GraphKindEquationId(graph.kind), graph.expression));
}

}  // namespace

void FillGraphChoice(QComboBox& box, const CCurvixDoc& doc, const GraphComputation& computation, const std::function<bool(GraphKind)>& filter,
                     int selectedListPosition)
{
    box.clear();
    for (int i = 0; i < computation.DisplayedCount(); ++i) {
        const GraphItem& graph = computation.DisplayedGraph(i);
        if (!IsKnownGraphKind(graph.kind) || !filter(graph.kind))
            continue;
        box.addItem(Equation(graph), i);
        if (selectedListPosition >= 0 && computation.ListPositionOfDisplayed(doc, i) == selectedListPosition)
            box.setCurrentIndex(box.count() - 1);
    }
}

int ChosenGraph(const QComboBox& box)
{
    return box.currentIndex() < 0 ? -1 : box.currentData().toInt();
}
