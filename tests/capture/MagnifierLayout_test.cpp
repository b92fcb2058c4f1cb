#include "capture/MagnifierLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorbel {
namespace {

TEST(MagnifierLayoutTest, LayoutScalesWithTheDpi) {
    struct Case {
        int dpi, side, box, far, near;
    };
    const Case cases[] = {{96, 110, 20, 150, 30}, {120, 138, 25, 188, 38}, {144, 165, 30, 225, 45}, {192, 220, 40, 300, 60}};
    for (const Case& c : cases) {
        const MagnifierLayout layout = magnifierLayout(c.dpi);
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(layout.side, c.side);
        EXPECT_EQ(layout.boxSize, c.box);
        EXPECT_EQ(layout.farDistance, c.far);
        EXPECT_EQ(layout.nearDistance, c.near);
        // The enlarged picture fills all but a one-pixel border.
        EXPECT_EQ(layout.magnified, (CaptureRect{1, 1, c.side - 1, c.side - 1}));
        EXPECT_EQ(layout.colourFrame, (CaptureRect{c.side - c.box, 2, c.side - 2, c.box + 2}));
        EXPECT_EQ(layout.swatch.left, c.side - c.box + 1);
        EXPECT_EQ(layout.swatch.top, 3);
        EXPECT_EQ(layout.swatch.width(), c.box - 4);
        EXPECT_EQ(layout.swatch.height(), c.box - 2);
        EXPECT_EQ(layout.centre, (CapturePoint{c.side / 2, c.side / 2}));
    }
    // At 96 DPI: a 110-pixel window, a 108 x 108 picture, a 16 x 18 swatch.
    const MagnifierLayout at96 = magnifierLayout(96);
    EXPECT_EQ(at96.magnified.width(), 108);
    EXPECT_EQ(at96.magnified.height(), 108);
    EXPECT_EQ(at96.swatch.width(), 16);
    EXPECT_EQ(at96.swatch.height(), 18);
}

TEST(MagnifierLayoutTest, SourceSquareIsOddAndCentredOnTheCursor) {
    struct Case {
        int zoom, dpi, side;
    };
    const Case cases[] = {
        {55, 96, 55}, {54, 96, 55}, {1, 96, 1}, {2, 96, 3}, {109, 96, 109},
        {55, 144, 83}, // 82.5 rounds to 83
        {54, 144, 81}, {1, 144, 3}, // 1.5 rounds to 2, made odd
        {0, 96, 1}, {500, 96, 109}, // out-of-range zooms are held to 1..109
    };
    for (const Case& c : cases) {
        for (const CapturePoint p : {CapturePoint{640, 400}, CapturePoint{0, 0}, CapturePoint{-1, -700}}) {
            const CaptureRect source = magnifierSource(p, c.zoom, c.dpi);
            EXPECT_EQ(source.width(), c.side) << c.zoom << " at " << c.dpi;
            EXPECT_EQ(source.height(), c.side);
            // As many pixels left of p as right of it.
            EXPECT_EQ(p.x - source.left, source.right - 1 - p.x);
            EXPECT_EQ(p.y - source.top, source.bottom - 1 - p.y);
        }
    }
}

TEST(MagnifierLayoutTest, TextsShowZoomPercentAndOneBasedCoordinates) {
    EXPECT_EQ(magnifierZoomText(55), u" Z= 50% ");
    EXPECT_EQ(magnifierZoomText(109), u" Z= 100% ");
    EXPECT_EQ(magnifierZoomText(1), u" Z= 1% ");
    EXPECT_EQ(magnifierZoomText(60), u" Z= 55% "); // 55.05
    EXPECT_EQ(magnifierZoomText(54), u" Z= 50% "); // 49.54

    EXPECT_EQ(magnifierPositionText({0, 0}), u" X= 1 / Y= 1 ");
    EXPECT_EQ(magnifierPositionText({-1, 0}), u" X= -1 / Y= 1 ");
    EXPECT_EQ(magnifierPositionText({1279, 799}), u" X= 1280 / Y= 800 ");
    EXPECT_EQ(magnifierPositionText({-1920, -5}), u" X= -1920 / Y= -5 ");
    EXPECT_EQ(magnifierPositionText({2147483647, -2147483647 - 1}), u" X= 2147483648 / Y= -2147483648 ");
}

TEST(MagnifierLayoutTest, WindowFlipsAwayFromTheRightAndBottomEdges) {
    const MagnifierLayout layout = magnifierLayout(96);
    const CaptureRect primary{0, 0, 1280, 800};
    const CaptureRect left{-1920, -200, 0, 880};
    struct Case {
        CapturePoint cursor;
        CaptureRect monitor;
        CapturePoint expected;
    };
    const Case cases[] = {
        {{100, 100}, primary, {130, 130}},     // below and right
        {{1129, 100}, primary, {1159, 130}},   // 1279 < 1280: still fits
        {{1130, 100}, primary, {980, 130}},    // right edge: to the left
        {{100, 649}, primary, {130, 679}},
        {{100, 650}, primary, {130, 500}},     // bottom edge: above
        {{1279, 799}, primary, {1129, 649}},   // corner: left and above
        {{-1000, 0}, left, {-970, 30}},        // a monitor left of the primary one
        {{-1, 0}, left, {-151, 30}},           // ... near its right edge
        {{-100, -250}, left, {-250, -100}},    // above its monitor's top: further down
    };
    for (const Case& c : cases)
        EXPECT_EQ(magnifierPosition(c.cursor, c.monitor, layout), c.expected) << c.cursor.x << "," << c.cursor.y;
    // At 144 DPI the distances grow with the window.
    EXPECT_EQ(magnifierPosition({100, 100}, primary, magnifierLayout(144)), (CapturePoint{145, 145}));
}

TEST(MagnifierLayoutTest, WheelStepsTheZoomOncePerNotchWithinItsRange) {
    struct Case {
        int start;
        std::vector<int> deltas;
        int expected;
    };
    const Case cases[] = {
        {55, {-120}, 56},                // backward: wider
        {55, {120}, 54},                 // forward: narrower
        {55, {-240}, 56},                // a fast turn is still one step
        {55, {120, 120, 120}, 52},
        {109, {-120}, 109},              // held at the ends
        {1, {120}, 1},
        {55, {99}, 55},                  // less than a step
        {55, {30, 30, 30, 30}, 54},      // small turns add up
        {55, {-60, -60}, 56},
        {55, {60, -60, 60, -60}, 55},    // changes of direction start afresh
        {55, {40, 40, 40, 40}, 54},      // the step resets what was added up
    };
    for (const Case& c : cases) {
        WheelZoom wheel;
        int zoom = c.start;
        for (int delta : c.deltas) zoom = wheel.apply(zoom, delta);
        EXPECT_EQ(zoom, c.expected) << c.start << " after " << c.deltas.size() << " turns";
    }
}

} // namespace
} // namespace zorbel
