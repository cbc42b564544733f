#include "view/widget/ViewScrollBars.h"

#include "view/geometry/ScrollAxis.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

void ConfigureBar(QScrollBar& bar, const ScrollAxis& axis)
{
    bar.setPageStep(std::max(axis.Page(), 1));
    bar.setSingleStep(std::max(axis.Page() / 10, 1));
    bar.setRange(0, axis.Enabled() ? axis.Clamp(axis.Maximum()) : 0);
    bar.setEnabled(axis.Enabled());
}

int BarValue(std::int64_t position)
{
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, std::numeric_limits<int>::max()));
}

}  // namespace

void ViewScrollBars::Configure(PixelSize picture, PixelSize area)
{
    ConfigureBar(*m_area.horizontalScrollBar(), ScrollAxis(picture.width, area.width));
    ConfigureBar(*m_area.verticalScrollBar(), ScrollAxis(picture.height, area.height));
}

PixelPoint ViewScrollBars::Position() const
{
    return {m_area.horizontalScrollBar()->value(), m_area.verticalScrollBar()->value()};
}

void ViewScrollBars::SetPosition(PixelPoint position, bool xAxis, bool yAxis)
{
    if (xAxis)
        m_area.horizontalScrollBar()->setValue(BarValue(position.x));
    if (yAxis)
        m_area.verticalScrollBar()->setValue(BarValue(position.y));
}

void ViewScrollBars::ScrollSideways(int steps)
{
    QScrollBar* bar = m_area.horizontalScrollBar();
    bar->setValue(bar->value() - steps * QApplication::wheelScrollLines() * bar->singleStep());
}
