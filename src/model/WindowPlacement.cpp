#include "model/WindowPlacement.h"

#include "model/Archive.h"

#include <algorithm>
#include <vector>

namespace {

// The eleven fields in their stored order.
template <typename Placement>
auto Fields(Placement& p)
{
    return std::array{&p.length, &p.flags, &p.showCmd, &p.minPosition.x, &p.minPosition.y,
                      &p.maxPosition.x, &p.maxPosition.y, &p.normalPosition.left,
                      &p.normalPosition.top, &p.normalPosition.right, &p.normalPosition.bottom};
}

// Far beyond any screen, and far from overflowing when sizes are worked out.
constexpr std::int64_t kFarthestEdge = 1 << 24;

bool Placeable(std::int32_t low, std::int32_t high)
{
    return low < high && std::int64_t{low} > -kFarthestEdge && std::int64_t{high} < kFarthestEdge;
}

}  // namespace

bool WindowPlacement::HasUsableRect() const
{
    return Placeable(normalPosition.left, normalPosition.right) && Placeable(normalPosition.top, normalPosition.bottom);
}

bool WindowPlacement::Repair()
{
    if (length == 0)
        return false;
    if (!HasUsableRect()) {
        *this = WindowPlacement();
        return true;
    }
    const bool known = showCmd == SW_SHOWNORMAL || showCmd == SW_SHOWMINIMIZED || showCmd == SW_SHOWMAXIMIZED;
    if (!known)
        showCmd = SW_SHOWNORMAL;
    return !known;
}

WindowPlacement::Image WindowPlacement::GetImage() const
{
    Archive archive;
    for (const std::int32_t* field : Fields(*this))
        archive.WriteInt32(*field);
    Image image;
    std::copy(archive.Bytes().begin(), archive.Bytes().end(), image.begin());
    return image;
}

void WindowPlacement::SetFromImage(std::span<const std::uint8_t, kImageSize> image)
{
    Archive archive(std::vector<std::uint8_t>(image.begin(), image.end()), {});
    for (std::int32_t* field : Fields(*this))
        *field = archive.ReadInt32();
}
