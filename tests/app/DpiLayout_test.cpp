#include "app/DpiLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace zorbel {
namespace {

TEST(MulDivTest, RoundsHalfAwayFromZeroLikeTheSystem) {
    struct Case {
        std::int32_t value, numerator, denominator, expected;
    };
    const Case cases[] = {
        {800, 144, 96, 1200}, {3, 1, 2, 2},   {-3, 1, 2, -2},  {5, 1, 4, 1},     {7, 1, 4, 2},
        {-7, 1, 4, -2},       {3, -1, 2, -2}, {3, 1, -2, -2},  {-3, -1, -2, -2}, {1, 1, 0, -1},
        {0, 144, 96, 0},      {15, 120, 96, 19},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mulDiv(c.value, c.numerator, c.denominator), c.expected)
            << c.value << " * " << c.numerator << " / " << c.denominator;
}

TEST(MulDivTest, UsesWideIntermediatesAndRejectsOverflow) {
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(mulDiv(big, 96, 96), big); // the product does not fit 32 bits
    EXPECT_EQ(mulDiv(big, 2, 1), -1);
    EXPECT_EQ(mulDiv(std::numeric_limits<std::int32_t>::min(), 1, 1), std::numeric_limits<std::int32_t>::min());
}

TEST(DpiLayoutTest, FontCellHeightTreatsThePixelHeightAsPointsAndScalesAsTheLayout) {
    struct Case {
        std::int32_t points, dpi, expected;
    };
    const Case cases[] = {
        {8, 96, 15},  // 11 px taken as 11 pt
        {9, 96, 16},  // 12 px -> 16
        {7, 96, 12},  // 9 px -> 12
        {8, 120, 19}, // 15 * 1.25 = 18.75, as the controls beside it
        {8, 144, 23}, // 15 * 1.5 = 22.5
        {9, 144, 24},
        {7, 144, 18},
        {7, 192, 24},
    };
    for (const Case& c : cases)
        EXPECT_EQ(interfaceFontCellHeight(c.points, c.dpi), c.expected) << c.points << " pt at " << c.dpi << " DPI";
}

TEST(DpiLayoutTest, CentresInTheWorkAreaWithIntegerArithmetic) {
    // A 800 x 400 client at 144 DPI, with a frame, in a work area that does not start at 0.
    const LayoutRect workArea{-1920, 0, 0, 1040};
    const LayoutRect placed = centreInWorkArea(workArea, 1216, 639);
    EXPECT_EQ(placed, (LayoutRect{-1920 + 352, 200, -1920 + 352 + 1216, 200 + 639}));
    // Odd leftovers truncate toward zero, and a window larger than the area starts before it.
    EXPECT_EQ(centreInWorkArea({0, 0, 101, 101}, 50, 50).left, 25);
    EXPECT_EQ(centreInWorkArea({0, 0, 100, 100}, 201, 100).left, -50);
}

TEST(DpiLayoutTest, LayoutDpiFollowsTheThreadAwareness) {
    EXPECT_EQ(layoutDpi(DpiAwareness::SystemAware, 120, 144), 120);
    EXPECT_EQ(layoutDpi(DpiAwareness::PerMonitorAware, 120, 144), 144);
    EXPECT_EQ(layoutDpi(DpiAwareness::Unaware, 120, 144), 96);
    EXPECT_EQ(layoutDpi(DpiAwareness::Invalid, 120, 144), 96);
}

} // namespace
} // namespace zorbel
