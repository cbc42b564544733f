#pragma once

#include "model/ScaledPoint.h"

#include <cstdint>
#include <span>
#include <vector>

// Bounds of a graph's samples in blocks of kBlock, so that the curve pass
// can step over a block in which no sample needs plotting without reading
// its samples. Made once after a computation and kept while the samples
// stay the same.
class CurveSummary {
public:
    static constexpr std::int64_t kBlock = 16;

    struct Block {
        // Of every stored value of the block, markers included.
        std::int32_t minX = 0;
        std::int32_t maxX = 0;
        std::int32_t minY = 0;
        std::int32_t maxY = 0;
        // Largest difference from a sample of the block to the next one.
        std::uint32_t stepX = 0;
        std::uint32_t stepY = 0;
        bool undefined = false;  // a sample of the block is undefined
    };

    explicit CurveSummary(std::span<const ScaledPoint> points);

    // The block holding samples [block * kBlock, (block + 1) * kBlock).
    const Block& At(std::int64_t block) const { return m_blocks[static_cast<std::size_t>(block)]; }

private:
    static Block Summarise(std::span<const ScaledPoint> points, std::size_t start, std::size_t end);

    std::vector<Block> m_blocks;
};
