#pragma once

#include <cstdint>

class QColor;

// Between the stored colours (0x00BBGGRR) and Qt's.
QColor FromColorRef(std::uint32_t color);
std::uint32_t ToColorRef(const QColor& color);
