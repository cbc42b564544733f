#include "app/GraphListDelegate.h"

#include "gui/AppBitmap.h"
#include "app/CGraphListBox.h"
#include "app/ColorChooser.h"
#include "model/GraphEquation.h"
#include "model/GraphItem.h"
#include "app/GraphReadingTip.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <map>

namespace {

constexpr int kMinRowHeight = 18;
constexpr int kCheckBoxWidth = 20;
constexpr int kSampleWidth = 29;
constexpr int kImageHeight = 16;
constexpr int kBraceHeight = 35;
constexpr int kBraceIndent = 8;

const QPixmap& Bitmap(BitmapId id)
{
    static std::map<BitmapId, QPixmap> cache;
    auto found = cache.find(id);
    if (found == cache.end())
        found = cache.emplace(id, LoadAppBitmap(id)).first;
    return found->second;
}

// The colour sample: its frame and a 2-pixel line in the graph's colour.
void DrawSample(QPainter& painter, int left, int middle, std::uint32_t color)
{
    painter.drawPixmap(left, middle - kImageHeight / 2, Bitmap(BitmapId::SampleLine));
    painter.fillRect(QRect(left + 6, middle - 2, 14, 2), FromColorRef(color));
}

void DrawText(QPainter& painter, const QRect& r, const QString& text)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, r.width());
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void DrawEquation(QPainter& painter, QRect r, const GraphItem& graph)
{
    const std::vector<std::string> lines = GraphEquation::Lines(graph);
    if (lines.size() < 2) {
        for (const std::string& line : lines)
            DrawText(painter, r, QString::fromStdString(line));
        return;
    }
    painter.drawPixmap(r.left(), r.top() + (r.height() - kBraceHeight) / 2, Bitmap(BitmapId::GraphBrace));
    r.setLeft(r.left() + kBraceIndent);
    QRect upper = r;
    upper.setBottom(r.top() + r.height() / 2 - 1);
    QRect lower = r;
    lower.setTop(upper.bottom() + 1);
    DrawText(painter, upper, QString::fromStdString(lines[0]));
    DrawText(painter, lower, QString::fromStdString(lines[1]));
}

}  // namespace

GraphListDelegate::GraphListDelegate(CGraphListBox& listBox)
    : QStyledItemDelegate(&listBox), m_list(listBox)
{
}

void GraphListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const GraphItem* graph = m_list.ItemGraph(index.row());
    QRect r = option.rect;
    const int middle = (r.top() + r.bottom() + 1) / 2;
    painter->save();
    if (graph) {
        if (m_list.HasCheckBoxes()) {
            const BitmapId check = graph->hidden ? BitmapId::HiddenGraph : BitmapId::VisibleGraph;
            painter->drawPixmap(r.left(), middle - kImageHeight / 2, Bitmap(check));
            r.setLeft(r.left() + kCheckBoxWidth);
        }
        DrawSample(*painter, r.left(), middle, graph->color);
        r.setLeft(r.left() + kSampleWidth);
    }
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    if (graph)
        DrawEquation(*painter, r, *graph);
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QColor(128, 128, 128));
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

// Rows fit the text of the list's font, at least 18 pixels; a parametric
// graph takes two lines.
int GraphListDelegate::RowHeight(const QFontMetrics& metrics, const GraphItem& graph)
{
    const int height = std::max(metrics.boundingRect(QStringLiteral("Xy")).height(), kMinRowHeight);
    return graph.kind == KindParametric ? 2 * height : height;
}

QSize GraphListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant height = index.data(kRowHeightRole);
    return QSize(option.rect.width(), height.isValid() ? height.toInt() : kMinRowHeight);
}

bool GraphListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    const GraphItem* graph = m_list.ItemGraph(index.row());
    if (event->type() != QEvent::ToolTip || !graph)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = GraphReadingTip(*graph);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view);
    return true;
}
