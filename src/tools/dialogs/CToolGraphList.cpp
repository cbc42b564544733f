#include "CToolGraphList.h"

#include "AppStringFormat.h"
#include "ColorChooser.h"
#include "GraphItem.h"

namespace {

// The second line of a parametric pair.
constexpr unsigned kSecondEquation = 494;  // "y = %s"

QString EquationText(const GraphItem& graph)
{
    QString text = QString::fromStdString(FormatAppString(GraphKindEquationId(graph.kind), graph.expression));
    if (graph.kind == KindParametric)
        text += "\n" + QString::fromStdString(FormatAppString(kSecondEquation, graph.expression2));
    return text;
}

}  // namespace

CToolGraphList::CToolGraphList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CToolGraphList::AddGraph(const GraphItem& graph)
{
    graphs.push_back(graph);
    auto* item = new QListWidgetItem(IsKnownGraphKind(graph.kind) ? EquationText(graph) : QString(), this);
    item->setForeground(FromColorRef(graph.color));
}

const GraphItem* CToolGraphList::SelectedGraph() const
{
    const int row = currentRow();
    return row >= 0 && row < static_cast<int>(graphs.size()) ? &graphs[row] : nullptr;
}
