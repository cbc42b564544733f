#include "view/geometry/CoverageTiles.h"

CoverageTiles::CoverageTiles(const PixelRect& clip)
    : m_clip(clip),
      m_width(std::max(clip.right - clip.left, 0)),
      m_height(std::max(clip.bottom - clip.top, 0)),
      m_tileColumns((m_width + kTile - 1) / kTile),
      m_slot(static_cast<std::size_t>(m_tileColumns) * ((m_height + kTile - 1) / kTile), -1)
{
    m_clip.right = m_clip.left + m_width;
    m_clip.bottom = m_clip.top + m_height;
}

std::int32_t CoverageTiles::NewTile(int tile)
{
    const auto slot = static_cast<std::int32_t>(m_tiles.size());
    m_slot[tile] = slot;
    m_tiles.push_back(tile);
    m_cells.resize(m_cells.size() + kTilePixels, 0);
    return slot;
}
