#include "model/GraphPalette.h"

#include "model/CCurvixDoc.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t FromRgb(std::uint32_t rgb)
{
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// Blue, vermilion, bluish green, reddish purple, orange, sky blue, indigo,
// wine, green, purple, teal, olive, rose, sand, black.
constexpr std::array<std::uint32_t, GraphPalette::kSize> kColours = {
    FromRgb(0x0072B2), FromRgb(0xD55E00), FromRgb(0x009E73), FromRgb(0xCC79A7), FromRgb(0xE69F00),
    FromRgb(0x56B4E9), FromRgb(0x332288), FromRgb(0x882255), FromRgb(0x117733), FromRgb(0xAA4499),
    FromRgb(0x44AA99), FromRgb(0x999933), FromRgb(0xCC6677), FromRgb(0xDDCC77), FromRgb(0x000000),
};

}  // namespace

std::uint32_t GraphPalette::Colour(std::size_t index)
{
    return kColours[index % kSize];
}

std::uint32_t GraphPalette::FirstUnused(const std::vector<std::uint32_t>& used)
{
    for (std::uint32_t colour : kColours) {
        if (std::find(used.begin(), used.end(), colour) == used.end())
            return colour;
    }
    return Colour(used.size());
}

std::uint32_t GraphPalette::ForNewGraph(CCurvixDoc& doc)
{
    std::vector<std::uint32_t> used;
    for (const GraphItem* graph = doc.GetFirstGraph(); graph; graph = doc.GetNextGraph())
        used.push_back(graph->color);
    return FirstUnused(used);
}
