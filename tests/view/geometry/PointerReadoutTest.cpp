#include "view/geometry/PointerReadout.h"

#include "model/CoordSystem.h"

#include <gtest/gtest.h>

TEST(PointerReadout, TextsAndPiRounding)
{
    struct Case {
        WorldPoint world;  // pi multiplied in
        std::int32_t zoomX, zoomY;
        bool xPi, yPi;
        const char* text;
    };
    const Case cases[] = {
        {{0.0, 0.0}, 100, 100, false, false, "(  0.0000;  0.0000)"},
        {{1.23456, -2.5}, 100, 100, false, false, "(  1.2346; -2.5000)"},
        {{1.57 / kPi * kPi, 0.0}, 100, 100, true, false, "(  0.5000 pi;  0.0000)"},  // 0.4997 to 2 decimals
        {{0.0, -0.0}, 100, 100, true, true, "(  0.0000 pi;  0.0000 pi)"},          // no "-0"
        {{0.27 * kPi, 0.2345 * kPi}, 10, 200, true, true, "(  0.3000 pi;  0.2340 pi)"},
        {{0.23456 * kPi, 0.0}, 400, 100, true, false, "(  0.2346 pi;  0.0000)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointerReadout(c.world, c.zoomX, c.zoomY, c.xPi, c.yPi), c.text) << c.text;
}
