// Where the view scrolls on a zoom about the pointer, a drag, a resize and
// Centre on origin; how wheel and pinch movement becomes zoom steps.

#include "model/CoordSystem.h"
#include "view/geometry/ViewMapping.h"
#include "view/geometry/ViewportMotion.h"
#include "view/geometry/WheelSteps.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// -10..10 on both axes: 2001 x 2001 pixels at zoom 100, origin at (1000, 1000).
ViewMapping View(int zoomX, int zoomY, PixelSize client, PixelPoint scroll)
{
    CoordSystem cs;
    cs.left = cs.bottom = -10;
    cs.right = cs.top = 10;
    ViewMapping view(cs, zoomX, zoomY);
    view.SetClientSize(client.width, client.height);
    view.FitPicture();
    view.SetScrollPosition(scroll);
    return view;
}

constexpr PixelSize kClient{565, 440};  // a 500 x 400 drawing area

std::pair<std::int64_t, std::int64_t> Pair(PixelPoint p)
{
    return {p.x, p.y};
}

}  // namespace

// The world point under the pointer stays under it; where the scroll range
// ends, or the picture fits, the position is limited instead.
TEST(ViewportMotion, ZoomKeepsThePointUnderThePointer)
{
    struct Row {
        const char* what;
        PixelPoint scroll;
        PixelPoint pointer;
        int zoomX, zoomY;  // after; before is 100 x 100
        PixelPoint expected;
        bool kept;  // the point is still under the pointer
    };
    const Row rows[] = {
        {"both in", {750, 800}, {100, 50}, 200, 200, {1600, 1650}, true},
        {"x only", {750, 800}, {100, 50}, 200, 100, {1600, 800}, true},
        {"y only", {750, 800}, {100, 50}, 100, 200, {750, 1650}, true},
        {"out", {750, 800}, {300, 350}, 50, 50, {225, 225}, true},
        {"left edge", {0, 800}, {10, 50}, 50, 50, {0, 375}, false},
        {"far corner", {1501, 1601}, {300, 200}, 50, 50, {501, 601}, false},
        {"picture fits", {750, 800}, {100, 50}, 10, 10, {0, 0}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ViewMapping before = View(100, 100, kClient, row.scroll);
        ViewMapping after = View(row.zoomX, row.zoomY, kClient, row.scroll);
        const PixelPoint scroll = ViewportMotion::KeepPointUnder(before, after, row.pointer);
        EXPECT_EQ(Pair(scroll), Pair(row.expected));
        const WorldPoint was = before.WindowToWorld(row.pointer.x, row.pointer.y);
        after.SetScrollPosition(scroll);
        const WorldPoint now = after.WindowToWorld(row.pointer.x, row.pointer.y);
        EXPECT_EQ(now.x == was.x && now.y == was.y, row.kept) << now.x << "," << now.y;
    }
}

TEST(ViewportMotion, DragFollowsThePointerWithinTheRange)
{
    struct Row {
        PixelPoint start, moved, expected;
    };
    const Row rows[] = {
        {{750, 800}, {30, -20}, {720, 820}},
        {{750, 800}, {0, 0}, {750, 800}},
        {{750, 800}, {5000, 5000}, {0, 0}},
        {{750, 800}, {-5000, -5000}, {1501, 1601}},  // 2001 - 500, 2001 - 400
    };
    for (const Row& row : rows) {
        const ViewMapping view = View(100, 100, kClient, row.start);
        EXPECT_EQ(Pair(ViewportMotion::Dragged(view, row.start, row.moved)), Pair(row.expected))
            << row.moved.x << "," << row.moved.y;
    }
    // A picture that fits does not move.
    const ViewMapping small = View(10, 10, kClient, {});
    EXPECT_EQ(Pair(ViewportMotion::Dragged(small, {}, {40, 40})), Pair({0, 0}));
}

// A resize keeps the world point in the middle of the drawing area there.
TEST(ViewportMotion, ResizeKeepsTheCentre)
{
    struct Row {
        const char* what;
        int zoom;
        PixelPoint scroll;
        PixelSize client;  // after
        PixelPoint expected;
    };
    const Row rows[] = {
        {"wider and taller", 100, {850, 700}, {765, 540}, {750, 650}},  // centre (1, 1)
        {"narrower", 100, {850, 700}, {365, 440}, {950, 700}},
        {"smaller", 100, {1501, 1601}, {265, 240}, {1651, 1701}},
        {"limited", 100, {1501, 1601}, {1065, 940}, {1001, 1101}},
        {"fitted picture stays on the origin", 20, {}, {365, 340}, {50, 50}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ViewMapping before = View(row.zoom, row.zoom, kClient, row.scroll);
        const ViewMapping after = View(row.zoom, row.zoom, row.client, row.scroll);
        EXPECT_EQ(Pair(ViewportMotion::KeepCentre(before, after)), Pair(row.expected));
    }
}

TEST(ViewportMotion, CentreOnOrigin)
{
    EXPECT_EQ(Pair(ViewportMotion::CentreOnOrigin(View(100, 100, kClient, {0, 0}))), Pair({750, 800}));
    EXPECT_EQ(Pair(ViewportMotion::CentreOnOrigin(View(10, 10, kClient, {0, 0}))), Pair({0, 0}));
}

TEST(WheelSteps, NotchesAndSmallDeltas)
{
    struct Row {
        const char* what;
        std::vector<int> deltas;
        std::vector<int> steps;
    };
    const Row rows[] = {
        {"notches", {120, 120, -120}, {1, 1, -1}},
        {"fast wheel", {360}, {3}},
        {"touchpad", {40, 40, 40, 40}, {0, 0, 1, 0}},
        {"turning back forgets", {100, -30, -100}, {0, 0, -1}},
        {"toward the user", {-60, -60}, {0, -1}},
    };
    for (const Row& row : rows) {
        WheelSteps wheel;
        std::vector<int> steps;
        for (int delta : row.deltas)
            steps.push_back(wheel.Add(delta));
        EXPECT_EQ(steps, row.steps) << row.what;
    }
}
