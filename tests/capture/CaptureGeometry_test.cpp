#include "capture/CaptureGeometry.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

TEST(CaptureGeometryTest, OnlyTwoByTwoAndLargerCanBeCopied) {
    EXPECT_TRUE(isCapturableSize(2, 2));
    EXPECT_TRUE(isCapturableSize(1920, 1080));
    EXPECT_FALSE(isCapturableSize(1, 100));
    EXPECT_FALSE(isCapturableSize(100, 1));
    EXPECT_FALSE(isCapturableSize(0, 0));
    EXPECT_FALSE(isCapturableSize(-5, 10));
}

TEST(CaptureGeometryTest, HostLiesBeyondTheVirtualScreen) {
    // The virtual screen always holds the primary monitor's origin; other monitors stretch it
    // left, up, right or down.
    const struct {
        std::int32_t left, top, width, height;
    } screens[] = {{0, 0, 1280, 800}, {-1920, 0, 3200, 1080}, {0, -1440, 2560, 2880}, {-3840, -2160, 7680, 4320}, {0, 0, 1, 1}};
    for (const auto& s : screens) {
        const CapturePoint host = thumbnailHostPosition(s.width, s.height);
        EXPECT_GE(host.x, s.left + s.width) << s.left << "," << s.top;
        EXPECT_GE(host.y, s.top + s.height) << s.left << "," << s.top;
    }
}

TEST(CaptureGeometryTest, ThumbnailSizeIsScaledFromMonitorToWindowDpi) {
    struct Case {
        CaptureSize source;
        std::int32_t windowDpi, monitorDpi;
        std::optional<CaptureSize> expected;
    };
    const Case cases[] = {
        {{800, 600}, 96, 96, CaptureSize{800, 600}},
        // A DPI-unaware window (96) on a 150 % monitor: the thumbnail is the scaled-up size.
        {{1200, 900}, 96, 144, CaptureSize{800, 600}},
        {{800, 600}, 144, 96, CaptureSize{1200, 900}},
        {{101, 33}, 96, 144, CaptureSize{67, 22}}, // MulDiv rounds: 67.33, 22.0
        {{3, 3}, 96, 144, CaptureSize{2, 2}},
        {{1, 1}, 96, 240, std::nullopt},           // 0.4 rounds to 0: nothing to print
        {{800, 600}, 0, 96, CaptureSize{800, 600}}, // DPI unknown: as it is
        {{800, 600}, 96, 0, CaptureSize{800, 600}},
        {{0, 600}, 96, 96, std::nullopt},
        {{800, -1}, 96, 96, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(thumbnailSizeAtWindowDpi(c.source, c.windowDpi, c.monitorDpi), c.expected)
            << c.source.width << "x" << c.source.height << " " << c.windowDpi << "/" << c.monitorDpi;
}

TEST(CaptureGeometryTest, DesktopForegroundFallsBackInOrder) {
    const CaptureRect frame{-8, 0, 1288, 808};
    const CaptureRect window{0, 0, 1280, 800};
    const CaptureRect screen{-1920, 0, 1280, 1080};
    EXPECT_EQ(desktopForegroundRect(frame, window, screen), frame);
    EXPECT_EQ(desktopForegroundRect(std::nullopt, window, screen), window);
    EXPECT_EQ(desktopForegroundRect(std::nullopt, std::nullopt, screen), screen);
    // A rectangle too small to copy (a shell window not yet laid out) counts as none.
    EXPECT_EQ(desktopForegroundRect(CaptureRect{0, 0, 0, 0}, window, screen), window);
    EXPECT_EQ(desktopForegroundRect(CaptureRect{5, 5, 6, 900}, std::nullopt, screen), screen);
}

} // namespace
} // namespace zorbel
