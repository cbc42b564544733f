// The views an exported picture is drawn through, and the size limit.

#include "model/CoordSystem.h"
#include "view/geometry/ExportExtent.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

// -10..10 on both axes: 2001 x 2001 pixels at zoom 100, origin at (1000, 1000).
ViewMapping View(PixelSize client, PixelPoint scroll)
{
    CoordSystem cs;
    cs.left = cs.bottom = -10;
    cs.right = cs.top = 10;
    ViewMapping view(cs, 100, 100);
    view.SetClientSize(client.width, client.height);
    view.FitPicture();
    view.SetScrollPosition(scroll);
    return view;
}

// The world point in the middle of the drawing area, in whole pixels of the
// picture.
PixelPoint MiddlePixel(const ViewMapping& view)
{
    const WorldPoint centre = view.WindowToWorld(view.AreaWidth() / 2.0, view.AreaHeight() / 2.0);
    const PixelPoint origin = view.GetOrigin();
    return {origin.x + static_cast<std::int64_t>(std::lround(centre.x * 100)),
            origin.y - static_cast<std::int64_t>(std::lround(centre.y * 100))};
}

TEST(ExportExtent, VisibleKeepsTheMiddleOfTheViewAtAnySize)
{
    // Far enough from the picture's edges that no size needs a scroll
    // position beyond them.
    const ViewMapping shown = View({565, 440}, {700, 700});
    const struct {
        PixelSize client;
    } rows[] = {{{565, 440}}, {{1200, 900}}, {{200, 150}}, {{566, 441}}};
    for (const auto& row : rows) {
        const ViewMapping visible = ExportExtent::Visible(shown, row.client);
        EXPECT_EQ(visible.ClientSize().width, row.client.width);
        EXPECT_EQ(visible.ZoomX(), shown.ZoomX());
        const PixelPoint a = MiddlePixel(shown);
        const PixelPoint b = MiddlePixel(visible);
        EXPECT_NEAR(static_cast<double>(a.x), static_cast<double>(b.x), 1.0) << row.client.width;
        EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(b.y), 1.0) << row.client.width;
    }
    // At the view's own size the view itself, scroll position and all.
    EXPECT_EQ(ExportExtent::Visible(shown, {565, 440}).ScrollPosition().x, 700);
}

TEST(ExportExtent, WholeShowsThePictureWithItsStrips)
{
    const ViewMapping whole = ExportExtent::Whole(View({565, 440}, {300, 700}));
    EXPECT_EQ(whole.ClientSize().width, 2001 + ViewMapping::kRightMargin);
    EXPECT_EQ(whole.ClientSize().height, 2001 + ViewMapping::kBottomMargin);
    EXPECT_EQ(whole.ScrollPosition().x, 0);
    EXPECT_EQ(whole.DrawingSize().width, 2001);

    ViewMapping huge = View({565, 440}, {0, 0});
    huge.SetPictureSize({INT32_MAX, 5});
    EXPECT_EQ(ExportExtent::Whole(huge).ClientSize().width, INT32_MAX);
}

TEST(ExportExtent, ScaledSizeAllowsAtMost16384PixelsASide)
{
    const struct {
        PixelSize client;
        int scale;
        bool fits;
    } rows[] = {
        {{800, 600}, 3, true},     {{16384, 1}, 1, true},  {{16385, 1}, 1, false}, {{8192, 8192}, 2, true},
        {{8193, 100}, 2, false},   {{100, 5462}, 3, false}, {{0, 10}, 1, false},    {{INT32_MAX, 1}, 3, false},
    };
    for (const auto& row : rows) {
        const auto size = ExportExtent::ScaledSize(row.client, row.scale);
        EXPECT_EQ(size.has_value(), row.fits) << row.client.width << "x" << row.client.height << "@" << row.scale;
        if (size) {
            EXPECT_EQ(size->width, row.client.width * row.scale);
        }
    }
}

}  // namespace
