#include "gui/ColorRef.h"

#include <QColor>

QColor FromColorRef(std::uint32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

std::uint32_t ToColorRef(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8
           | static_cast<std::uint32_t>(color.blue()) << 16;
}
