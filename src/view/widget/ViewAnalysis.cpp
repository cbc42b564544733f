#include "view/widget/ViewAnalysis.h"

#include "model/CCurvixDoc.h"
#include "gui/ColorRef.h"
#include "view/GraphComputation.h"
#include "view/geometry/ViewMapping.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kBigStep = 10;
constexpr int kMarkerRadius = 5;
constexpr int kMarkSize = 4;

}  // namespace

bool VisibleWindowPoint(const ViewMapping& view, double x, double y, QPointF& at)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    const PixelPoint p = view.WorldToWindow(x, y);
    const PixelPoint offset = view.CentringOffset();
    const PixelSize size = view.DrawingSize();
    if (p.x < offset.x || p.y < offset.y || p.x > offset.x + size.width || p.y > offset.y + size.height)
        return false;
    at = QPointF(static_cast<double>(p.x), static_cast<double>(p.y));
    return true;
}

std::pair<WorldPoint, WorldPoint> VisibleWorld(const ViewMapping& view)
{
    const PixelPoint offset = view.CentringOffset();
    const PixelSize size = view.DrawingSize();
    const WorldPoint topLeft = view.WindowToWorld(static_cast<double>(offset.x), static_cast<double>(offset.y));
    const WorldPoint bottomRight =
        view.WindowToWorld(static_cast<double>(offset.x + size.width), static_cast<double>(offset.y + size.height));
    return {{topLeft.x, bottomRight.y}, {bottomRight.x, topLeft.y}};
}

ViewAnalysis::ViewAnalysis(const CCurvixDoc& document, const GraphComputation& graphComputation,
                           std::function<void()> requestUpdate, std::function<void(const QString&)> showText)
    : m_doc(document), m_computation(graphComputation), m_trace(document, graphComputation),
      m_update(std::move(requestUpdate)), m_show(std::move(showText))
{
}

bool ViewAnalysis::ToggleTrace()
{
    if (m_trace.IsActive()) {
        EndTrace();
        return true;
    }
    int preferred = -1;
    const int position = m_selection ? m_selection() : -1;
    for (int i = 0; position >= 0 && i < m_computation.DisplayedCount(); ++i) {
        if (m_computation.ListPositionOfDisplayed(m_doc, i) == position)
            preferred = i;
    }
    if (!m_trace.Start(preferred))
        return false;
    ShowReadout();
    return true;
}

void ViewAnalysis::EndTrace()
{
    m_trace.End();
    m_show(QString());
    m_update();
}

bool ViewAnalysis::HandleKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_T && modifiers == Qt::NoModifier)
        return ToggleTrace();
    if (!m_trace.Ready())
        return false;
    const int step = modifiers & Qt::ShiftModifier ? kBigStep : 1;
    switch (event.key()) {
    case Qt::Key_Escape:
        EndTrace();
        return true;
    case Qt::Key_Left:
        m_trace.Step(-step);
        break;
    case Qt::Key_Right:
        m_trace.Step(step);
        break;
    case Qt::Key_C:
        if (modifiers != Qt::ControlModifier)
            return false;
        CopyReadout();
        return true;
    default:
        return false;
    }
    ShowReadout();
    return true;
}

bool ViewAnalysis::WantsKey(const QKeyEvent& event) const
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return m_trace.Ready() && event.key() == Qt::Key_C && modifiers == Qt::ControlModifier;
}

bool ViewAnalysis::HandleTab(bool next)
{
    if (!m_trace.Ready())
        return false;
    m_trace.NextGraph(next ? 1 : -1);
    ShowReadout();
    return true;
}

bool ViewAnalysis::PointerMoved(const ViewMapping& view, double windowX, double windowY)
{
    if (!m_trace.Ready())
        return false;
    const WorldPoint world = view.WindowToWorld(windowX, windowY);
    m_trace.MoveToPointer(world.x, world.y, view.ZoomX(), view.ZoomY());
    ShowReadout();
    return true;
}

void ViewAnalysis::DocumentChanged()
{
    const bool wasTracing = m_trace.IsActive();
    if (m_trace.Revalidate())
        ShowReadout();
    else if (wasTracing && !m_trace.IsActive())
        m_show(QString());
}

void ViewAnalysis::SetFoundPoints(std::vector<WorldPoint> points)
{
    m_found = std::move(points);
    m_update();
}

void ViewAnalysis::ClearFoundPoints()
{
    if (m_found.empty())
        return;
    m_found.clear();
    m_update();
}

void ViewAnalysis::ShowReadout()
{
    m_show(QString::fromStdString(m_trace.Readout()));
    m_update();
}

void ViewAnalysis::CopyReadout() const
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_trace.Readout()));
}

void ViewAnalysis::Draw(QPainter& painter, const ViewMapping& view) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPointF at;
    painter.setPen(QPen(Qt::black, 1.5));
    for (const WorldPoint& p : m_found) {
        if (!VisibleWindowPoint(view, p.x, p.y, at))
            continue;
        painter.drawLine(at + QPointF(-kMarkSize, -kMarkSize), at + QPointF(kMarkSize, kMarkSize));
        painter.drawLine(at + QPointF(-kMarkSize, kMarkSize), at + QPointF(kMarkSize, -kMarkSize));
    }
    if (m_trace.Ready() && VisibleWindowPoint(view, m_trace.Point().x, m_trace.Point().y, at)) {
        const QColor colour = FromColorRef(m_computation.DisplayedGraph(m_trace.Displayed()).color);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, kMarkerRadius + 1, kMarkerRadius + 1);
        painter.setBrush(colour);
        painter.drawEllipse(at, kMarkerRadius - 1.5, kMarkerRadius - 1.5);
    }
    painter.restore();
}
