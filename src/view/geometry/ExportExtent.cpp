#include "view/geometry/ExportExtent.h"

#include <algorithm>
#include <cstdint>

ViewMapping ExportExtent::Visible(const ViewMapping& view, PixelSize client)
{
    if (client.width == view.ClientSize().width && client.height == view.ClientSize().height)
        return view;
    ViewMapping visible = view;
    visible.SetClientSize(client.width, client.height);
    visible.SetScrollPosition(visible.ClampedScroll(visible.ScrollForViewCentre(view.ViewCentre())));
    return visible;
}

ViewMapping ExportExtent::Whole(const ViewMapping& view)
{
    ViewMapping whole = view;
    const PixelSize picture = view.PictureSize();
    // A picture near the 32-bit limit gives a client that ScaledSize refuses.
    const auto side = [](std::int32_t extent, std::int32_t margin) {
        return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{extent} + margin, INT32_MAX));
    };
    whole.SetClientSize(side(picture.width, ViewMapping::kRightMargin), side(picture.height, ViewMapping::kBottomMargin));
    whole.SetScrollPosition({0, 0});
    return whole;
}

std::optional<PixelSize> ExportExtent::ScaledSize(PixelSize client, int scale)
{
    const std::int64_t width = std::int64_t{client.width} * scale;
    const std::int64_t height = std::int64_t{client.height} * scale;
    if (client.width < 1 || client.height < 1 || width > kLargestSide || height > kLargestSide)
        return std::nullopt;
    return PixelSize{static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}
