#pragma once

#include "gui/ColorRef.h"

#include <array>
#include <cstdint>
#include <optional>

class QWidget;

// The colour dialog of the graph pages, started at a colour (0x00BBGGRR)
// and sharing the program's 16 custom colours, which it updates. The chosen
// colour, or nothing when the user cancels.
std::optional<std::uint32_t> ChooseColor(QWidget* parent, std::uint32_t color,
                                         std::array<std::uint32_t, 16>& customColors);
