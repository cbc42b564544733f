#pragma once

#include <QStyledItemDelegate>

class CGraphListBox;

// Paints the rows of a CGraphListBox: check box, colour sample, equation
// (a brace and two lines for a parametric graph), selection and focus frame.
class GraphListDelegate : public QStyledItemDelegate {
public:
    explicit GraphListDelegate(CGraphListBox& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CGraphListBox& list;
};
