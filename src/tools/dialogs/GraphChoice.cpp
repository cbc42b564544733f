#include "GraphChoice.h"

#include "AppStringFormat.h"
#include "CCurvixDoc.h"

#include <QComboBox>

namespace {

QString Equation(const GraphItem& graph)
{
    if (graph.kind == KindParametric)
        return QString::fromStdString(FormatAppString(StringId::ParametricFormat, {graph.expression, graph.expression2}));
    return QString::fromStdString(FormatAppString(GraphKindEquationId(graph.kind), graph.expression));
}

}  // namespace

void FillGraphChoice(QComboBox& box, const CCurvixDoc& doc, const std::function<bool(GraphKind)>& filter,
                     int selectedListPosition)
{
    box.clear();
    for (int i = 0; i < doc.GetDisplayedCount(); ++i) {
        const GraphItem& graph = doc.GetDisplayedGraph(i);
        if (!IsKnownGraphKind(graph.kind) || !filter(graph.kind))
            continue;
        box.addItem(Equation(graph), i);
        if (selectedListPosition >= 0 && doc.ListPositionOfDisplayed(i) == selectedListPosition)
            box.setCurrentIndex(box.count() - 1);
    }
}

int ChosenGraph(const QComboBox& box)
{
    return box.currentIndex() < 0 ? -1 : box.currentData().toInt();
}
