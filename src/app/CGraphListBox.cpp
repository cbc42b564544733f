#include "app/CGraphListBox.h"

#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "model/GraphItem.h"
#include "app/GraphListDelegate.h"
#include "model/HistoryStepNames.h"
#include "kit/MessageBoxStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

CGraphListBox::CGraphListBox(QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new GraphListDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(false);
}

int CGraphListBox::AddItem(GraphItem* graph)
{
    auto* item = new QListWidgetItem(this);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(graph)));
    item->setData(GraphListDelegate::kRowHeightRole, GraphListDelegate::RowHeight(fontMetrics(), *graph));
    return row(item);
}

void CGraphListBox::FillFrom(CCurvixDoc& doc)
{
    clear();
    for (GraphItem* graph = doc.GetFirstGraph(); graph; graph = doc.GetNextGraph())
        AddItem(graph);
}

void CGraphListBox::FillFrom(std::span<GraphItem> graphs)
{
    clear();
    for (GraphItem& graph : graphs)
        AddItem(&graph);
}

GraphItem* CGraphListBox::ItemGraph(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? static_cast<GraphItem*>(entry->data(Qt::UserRole).value<void*>()) : nullptr;
}

void CGraphListBox::SetCurSel(int row)
{
    if (row >= 0 && row < count())
        setCurrentRow(row);
    else
        setCurrentRow(-1);
}

QRect CGraphListBox::CheckBoxHitArea(int row) const
{
    const QRect r = visualItemRect(item(row));
    const int middle = (r.top() + r.bottom() + 1) / 2;
    return QRect(QPoint(r.left() + 2, middle - 6), QPoint(16, middle + 7));
}

void CGraphListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (!m_withCheckBoxes || event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int row = indexAt(point).row();
    if (row >= 0 && CheckBoxHitArea(row).contains(point))
        ToggleVisibility(row);
}

void CGraphListBox::keyPressEvent(QKeyEvent* event)
{
    if (m_withCheckBoxes && event->key() == Qt::Key_Space && currentRow() >= 0) {
        ToggleVisibility(currentRow());
        return;
    }
    if (m_deletePressed && event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier
        && currentRow() >= 0) {
        m_deletePressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

// A hidden graph may be shown only while fewer than 15 are visible.
void CGraphListBox::ToggleVisibility(int row)
{
    GraphItem* graph = ItemGraph(row);
    if (!graph)
        return;
    if (graph->hidden && m_document && !m_document->CanShowAnotherGraph()) {
        AppMessageBox::Show(this, StringId::TooManyGraphs, StringId::ErrorCaption, MB_ICONEXCLAMATION);
    } else {
        DocumentState before = m_document ? m_document->CaptureState() : DocumentState{};
        graph->hidden = !graph->hidden;
        if (m_document)
            m_document->RecordStep(graph->hidden ? StringId::StepHideGraph : StringId::StepShowGraph,
                                 std::move(before));
        if (m_visibilityChanged)
            QTimer::singleShot(0, this, m_visibilityChanged);
    }
    viewport()->update(visualItemRect(item(row)));
}
