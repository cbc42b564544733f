// Picture size, origin, window mapping, scroll bars and zoom steps of the
// graph view.

#include "model/CoordSystem.h"
#include "view/geometry/ScrollAxis.h"
#include "view/geometry/ViewMapping.h"
#include "view/geometry/ZoomSteps.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

CoordSystem Coords(double left, double top, double right, double bottom, bool xTimesPi = false)
{
    CoordSystem cs;
    cs.left = left, cs.top = top, cs.right = right, cs.bottom = bottom;
    cs.xTimesPi = xTimesPi;
    return cs;
}

// A square world -half..half in a 565 x 440 window at the zoom.
ViewMapping Fitted(double half, int zoom = 100)
{
    ViewMapping view(Coords(-half, half, half, -half), zoom, zoom);
    view.SetClientSize(565, 440);
    view.FitPicture();
    return view;
}

// Pictures that do not fit in 32 bits are (-1, -1); worlds that cannot be
// drawn (inverted, flat, zoom not positive) are empty.
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
        EXPECT_EQ(std::pair(view.GetPictureSize().width, view.GetPictureSize().height),
                  std::pair(row.size.width, row.size.height));
        EXPECT_EQ(std::pair(view.GetOrigin().x, view.GetOrigin().y), std::pair(row.origin.x, row.origin.y));
    }
    // Fitting falls back to 100 % when the picture or zoom times its extent
    // overflows 32 bits; a picture too large even then is empty.
    const int fits[][4] = {{10, 1000, 1000, 20001}, {10000, 1000000, 100, 2000001}, {100000, 2000, 100, 20000001},
                         {100000000, 100, 100, 0}};
    for (const auto& [half, zoom, fitted, size] : fits) {
        const ViewMapping view = Fitted(half, zoom);
        EXPECT_EQ(view.ZoomX(), fitted) << half;
        EXPECT_EQ(view.PictureSize().width, size) << half;
    }
}

// A picture smaller than the 500 x 400 drawing area is centred in it; a
// larger one is seen through the scroll position. Zooming keeps the world
// point in the middle of the area there.
TEST(ViewMapping, WindowMappingAndZoomCentre)
{
    ViewMapping small = Fitted(1);
    EXPECT_EQ(small.DrawingSize().width, 201);
    const PixelPoint centred = small.WorldToWindow(0.5, -1);
    EXPECT_TRUE(centred.x == 299 && centred.y == 299);
    ViewMapping large = Fitted(10);
    large.SetScrollPosition({300, 400});
    EXPECT_EQ(large.DrawingSize().height, 400);
    const PixelPoint scrolled = large.WorldToWindow(-3, -0.25);
    EXPECT_TRUE(scrolled.x == 400 && scrolled.y == 625);
    const WorldPoint back = large.WindowToWorld(400, 625);
    EXPECT_DOUBLE_EQ(back.x, -3);
    EXPECT_DOUBLE_EQ(back.y, -0.25);

    large.SetScrollPosition({950, 700});
    const WorldPoint centre = large.ViewCentre();
    EXPECT_DOUBLE_EQ(centre.x, 2);
    EXPECT_DOUBLE_EQ(centre.y, 1);
    ViewMapping zoomed(Coords(-10, 10, 10, -10), 200, 100);
    zoomed.SetClientSize(565, 440);
    zoomed.FitPicture();
    EXPECT_EQ(zoomed.ScrollForViewCentre(centre).x, 2150);
    EXPECT_EQ(zoomed.ScrollForViewCentre(centre).y, 700);
    EXPECT_EQ(Fitted(1, 200).ScrollForViewCentre({0, 0}).x, -50);  // still fits: centred
}

TEST(ZoomSteps, SequencesLimitsAndReadout)
{
    std::vector<int> out;
    for (int zoom = 100; CanZoomOut(zoom);)
        out.push_back(zoom = ZoomOutStep(zoom));
    EXPECT_EQ(out, (std::vector<int>{50, 25, 10, 5}));
    std::vector<int> in;
    for (int zoom = 5; CanZoomIn(zoom, 100, 201);)
        in.push_back(zoom = ZoomInStep(zoom, 100));
    EXPECT_EQ(in, (std::vector<int>{10, 25, 50, 100, 200, 400}));
    // zoom, precision, extent: a ratio of 3, an overflowed picture, 100 *
    // extent / 4 or the doubled zoom beyond 32 bits, no precision.
    const int refused[][3] = {{300, 100, 201}, {100, 100, -1}, {100, 100, 90000000}, {1500000000, 1000000000, 1},
                              {100, 0, 201}};
    for (const auto& [zoom, precision, extent] : refused)
        EXPECT_FALSE(CanZoomIn(zoom, precision, extent)) << zoom << " " << precision << " " << extent;
    EXPECT_EQ(ZoomReadout(150, 150), "Current zoom: 150%");
    EXPECT_EQ(ZoomReadout(200, 100), "Current zoom: (X: 200%; Y: 100%)");
}

TEST(ScrollAxis, RequestsStayInRange)
{
    struct Row { ScrollRequest request; int position, track, target; };
    const Row rows[] = {
        {ScrollRequest::LineForward, 0, 0, 50},      {ScrollRequest::LineBack, 30, 0, 0},
        {ScrollRequest::PageForward, 1400, 0, 1501}, {ScrollRequest::PageBack, 1400, 0, 900},
        {ScrollRequest::Thumb, 0, 700, 700},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScrollAxis(2001, 500).Target(row.request, row.position, row.track), row.target) << row.position;
    EXPECT_EQ(ScrollAxis(201, 500).Target(ScrollRequest::LineForward, 0, 0), 0);
    EXPECT_FALSE(ScrollAxis(201, 500).Enabled());
}

}  // namespace
