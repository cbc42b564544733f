#include "view/render/ViewLayout.h"

#include "view/geometry/ViewMapping.h"

#include <algorithm>

namespace {

constexpr int kStripLeft = 60;    // right strip: from W - 60 ...
constexpr int kStripRight = 4;    // ... to W - 4
constexpr int kStripTop = 35;     // bottom strip: from H - 35 ...
constexpr int kStripBottom = 4;   // ... to H - 4

}  // namespace

int ViewLayout::AreaWidth() const
{
    return std::max(m_client.width() - ViewMapping::kRightMargin, 0);
}

int ViewLayout::AreaHeight() const
{
    return std::max(m_client.height() - ViewMapping::kBottomMargin, 0);
}

QRect ViewLayout::RightStrip() const
{
    const int left = m_client.width() - kStripLeft;
    return QRect(QPoint(left, 0), QPoint(m_client.width() - kStripRight - 1, AreaHeight() - 1));
}

QRect ViewLayout::BottomStrip() const
{
    const int top = m_client.height() - kStripTop;
    return QRect(QPoint(0, top), QPoint(AreaWidth() - 1, m_client.height() - kStripBottom - 1));
}

QRect ViewLayout::Corner() const
{
    return QRect(QPoint(AreaWidth(), AreaHeight()), QPoint(m_client.width() - 1, m_client.height() - 1));
}

QRect ViewLayout::Background() const
{
    return QRect(QPoint(0, 0), QPoint(m_client.width() - kStripLeft - 1, m_client.height() - kStripTop - 1));
}
