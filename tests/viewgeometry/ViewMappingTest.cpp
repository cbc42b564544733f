// Picture size, origin, window mapping, scroll bars and zoom steps of the
// graph view.

#include "CoordSystem.h"
#include "ScrollAxis.h"
#include "ViewMapping.h"
#include "ZoomSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CoordSystem Coords(double left, double top, double right, double bottom, bool xTimesPi = false)
{
    CoordSystem cs;
    cs.left = left;
    cs.top = top;
    cs.right = right;
    cs.bottom = bottom;
    cs.xTimesPi = xTimesPi;
    return cs;
}

// Pictures that do not fit in 32 bits are (-1, -1); worlds that cannot be
// drawn (inverted, flat, not finite, zoom not positive) are empty.
TEST(ViewMapping, PictureSizeAndOrigin)
{
    struct Row { CoordSystem cs; int zoomX, zoomY; PixelSize size; PixelPoint origin; };
    const Row rows[] = {
        {Coords(-1, 1, 1, -1), 100, 100, {201, 201}, {100, 100}},
        {Coords(-1, 1, 1, -1, true), 100, 100, {630, 201}, {314, 100}},
        {Coords(-0.5, 2, 3, 1.5), 50, 200, {176, 101}, {25, 400}},
        {Coords(-1e9, 1, 1e9, -1), 100, 100, {-1, -1}, {100000000000, 100}},
        {Coords(-1, -1, 1, 1), 100, 100, {0, 0}, {100, -100}},
        {Coords(-1, 1, 1, 1), 100, 100, {0, 0}, {100, 100}},
        {Coords(1, 1, -1, -1), 100, 100, {0, 0}, {-100, 100}},
        {Coords(-1, 1, 1, -1), 0, 100, {0, 0}, {0, 100}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.cs.left << ".." << row.cs.right << " zoom " << row.zoomX);
        const ViewMapping view(row.cs, row.zoomX, row.zoomY);
        EXPECT_EQ(view.GetPictureSize().width, row.size.width);
        EXPECT_EQ(view.GetPictureSize().height, row.size.height);
        EXPECT_EQ(view.GetOrigin().x, row.origin.x);
        EXPECT_EQ(view.GetOrigin().y, row.origin.y);
    }
}

// The update falls back to 100 % when the picture or zoom times its extent
// overflows 32 bits; a picture too large even then is empty.
TEST(ViewMapping, FitPictureFallsBackToDefaultZoom)
{
    struct Row { double halfWidth; int zoom; int fittedZoom; PixelSize size; };
    const Row rows[] = {
        {10, 1000, 1000, {20001, 20001}},
        {1e4, 1000000, 100, {2000001, 2000001}},
        {1e5, 2000, 100, {20000001, 20000001}},
        {1e8, 100, 100, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.halfWidth);
        ViewMapping view(Coords(-row.halfWidth, row.halfWidth, row.halfWidth, -row.halfWidth), row.zoom, row.zoom);
        view.FitPicture();
        EXPECT_EQ(view.ZoomX(), row.fittedZoom);
        EXPECT_EQ(view.ZoomY(), row.fittedZoom);
        EXPECT_EQ(view.PictureSize().width, row.size.width);
        EXPECT_EQ(view.PictureSize().height, row.size.height);
    }
}

// A picture smaller than the 500 x 400 drawing area is centred in it; a
// larger one is seen through the scroll position.
TEST(ViewMapping, WindowMappingBothWays)
{
    struct Row { double half; PixelPoint scroll; WorldPoint world; PixelPoint window; PixelSize drawing; };
    const Row rows[] = {
        {1, {0, 0}, {0, 0}, {249, 199}, {201, 201}},
        {1, {0, 0}, {0.5, -1}, {299, 299}, {201, 201}},
        {10, {300, 400}, {1, 1}, {800, 500}, {500, 400}},
        {10, {300, 400}, {-3, -0.25}, {400, 625}, {500, 400}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.half << " at " << row.world.x << ", " << row.world.y);
        ViewMapping view(Coords(-row.half, row.half, row.half, -row.half), 100, 100);
        view.SetClientSize(565, 440);
        view.FitPicture();
        view.SetScrollPosition(row.scroll);
        const PixelPoint window = view.WorldToWindow(row.world.x, row.world.y);
        EXPECT_EQ(window.x, row.window.x);
        EXPECT_EQ(window.y, row.window.y);
        const WorldPoint back = view.WindowToWorld(row.window.x, row.window.y);
        EXPECT_DOUBLE_EQ(back.x, row.world.x);
        EXPECT_DOUBLE_EQ(back.y, row.world.y);
        EXPECT_EQ(view.DrawingSize().width, row.drawing.width);
        EXPECT_EQ(view.DrawingSize().height, row.drawing.height);
    }
}

// Zooming keeps the world point in the middle of the area there; a picture
// that fits stays centred on the origin.
TEST(ViewMapping, ZoomKeepsTheViewCentre)
{
    struct Row { double half; PixelPoint scroll; int newZoomX, newZoomY; WorldPoint centre; PixelPoint newScroll; };
    const Row rows[] = {
        {10, {950, 700}, 200, 100, {2, 1}, {2150, 700}},
        {10, {950, 700}, 50, 25, {2, 1}, {350, 25}},
        {1, {0, 0}, 200, 200, {0, 0}, {-50, 0}},
    };
    for (const Row& row : rows) {
        const CoordSystem cs = Coords(-row.half, row.half, row.half, -row.half);
        ViewMapping before(cs, 100, 100);
        before.SetClientSize(565, 440);
        before.FitPicture();
        before.SetScrollPosition(row.scroll);
        const WorldPoint centre = before.ViewCentre();
        EXPECT_DOUBLE_EQ(centre.x, row.centre.x);
        EXPECT_DOUBLE_EQ(centre.y, row.centre.y);
        ViewMapping after(cs, row.newZoomX, row.newZoomY);
        after.SetClientSize(565, 440);
        after.FitPicture();
        const PixelPoint scroll = after.ScrollForViewCentre(centre);
        EXPECT_EQ(scroll.x, row.newScroll.x);
        EXPECT_EQ(scroll.y, row.newScroll.y);
    }
}

TEST(ZoomSteps, SequencesAndLimits)
{
    std::vector<int> out;
    for (int zoom = 100; CanZoomOut(zoom);)
        out.push_back(zoom = ZoomOutStep(zoom));
    EXPECT_EQ(out, (std::vector<int>{50, 25, 10, 5}));
    EXPECT_EQ(ZoomOutStep(5), 5);
    std::vector<int> in;
    for (int zoom = 5; CanZoomIn(zoom, 100, 201);)
        in.push_back(zoom = ZoomInStep(zoom, 100));
    EXPECT_EQ(in, (std::vector<int>{10, 25, 50, 100, 200, 400}));
}

TEST(ZoomSteps, ZoomInIsOfferedOnlyWhereItCanWork)
{
    struct Row { int zoom, precision, extent; bool allowed; };
    const Row rows[] = {
        {200, 100, 201, true},
        {300, 100, 201, false},          // 300 / 100 = 3
        {100, 100, -1, false},           // picture overflowed
        {100, 100, 90000000, false},     // 100 * extent / 4 beyond 32 bits
        {1500000000, 1000000000, 1, false},  // doubling would overflow
        {100, 0, 201, false},
        {0, 100, 201, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.zoom << " / " << row.precision << " extent " << row.extent);
        EXPECT_EQ(CanZoomIn(row.zoom, row.precision, row.extent), row.allowed);
    }
}

TEST(ZoomSteps, Readout)
{
    EXPECT_EQ(ZoomReadout(150, 150), "Current zoom: 150%");
    EXPECT_EQ(ZoomReadout(200, 100), "Current zoom: (X: 200%; Y: 100%)");
}

TEST(ScrollAxis, RequestsStayInRange)
{
    struct Row { int picture; ScrollRequest request; int position, track, target; };
    const Row rows[] = {
        {2001, ScrollRequest::LineForward, 0, 0, 50},
        {2001, ScrollRequest::LineBack, 30, 0, 0},
        {2001, ScrollRequest::PageForward, 1400, 0, 1501},
        {2001, ScrollRequest::PageBack, 1400, 0, 900},
        {2001, ScrollRequest::Thumb, 0, 700, 700},
        {2001, ScrollRequest::Last, 0, 0, 1501},
        {2001, ScrollRequest::First, 900, 0, 0},
        {201, ScrollRequest::LineForward, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.picture << " request " << static_cast<int>(row.request));
        EXPECT_EQ(ScrollAxis(row.picture, 500).Target(row.request, row.position, row.track), row.target);
    }
    EXPECT_TRUE(ScrollAxis(2001, 500).Enabled());
    EXPECT_FALSE(ScrollAxis(201, 500).Enabled());
}

}  // namespace
