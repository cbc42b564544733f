#pragma once

#include <QStyledItemDelegate>

class CGraphListBox;
class GraphItem;

// Paints the rows of a CGraphListBox: check box, colour sample, equation
// (a brace and two lines for a parametric graph), selection and focus frame.
class GraphListDelegate : public QStyledItemDelegate {
public:
    explicit GraphListDelegate(CGraphListBox& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The row height, fixed when the row is added: the rows may outlive
    // their graphs for a moment while the document changes.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    static int RowHeight(const QFontMetrics& metrics, const GraphItem& graph);
    // A row's tooltip shows how the engine reads the graph's equations.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    static constexpr int kRowHeightRole = Qt::UserRole + 1;

private:
    CGraphListBox& m_list;
};
