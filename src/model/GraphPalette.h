#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CCurvixDoc;

// The colours proposed for new graphs: 15 colours that readers with the
// common colour-vision deficiencies can still tell apart on white, strongest
// first. Colours are 0x00BBGGRR, as graphs store them.
class GraphPalette {
public:
    static constexpr std::size_t kSize = 15;

    static std::uint32_t Colour(std::size_t index);
    // The first palette colour that is not among used; when all are, the
    // palette goes round by the number of colours used.
    static std::uint32_t FirstUnused(const std::vector<std::uint32_t>& used);
    // The colour for a graph about to be added to the document.
    static std::uint32_t ForNewGraph(CCurvixDoc& doc);
};
