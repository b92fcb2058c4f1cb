#include "capture/Magnifier_win.h"

#include <gtest/gtest.h>

#include "CaptureTestSupport.h"
#include "PaintedWindow.h"
#include "WinTestSupport.h"

namespace zorbel {
namespace {

constexpr RECT kPainted{300, 200, 460, 300}; // 160 x 100

class MagnifierTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        test::WindowShape shape;
        shape.style = WS_POPUP; // stands in for the overlay: owner and timer target
        owner = test::createTestWindow(shape);
        ASSERT_TRUE(owner);
        painted = test::createPaintedWindow(thread, test::Painting::Quadrants, kPainted);
        ASSERT_TRUE(test::screenShows(kPainted.left + 1, kPainted.top + 1, test::kTopLeft));
    }
    void TearDown() override { closeMagnifierWindow(owner.get()); }

    // The magnifier's own pixel, read from its window.
    static COLORREF magnifierPixel(int x, int y) {
        const WindowDc dc(magnifierWindow());
        return GetPixel(dc.get(), x, y);
    }

    static RECT magnifierBounds() {
        RECT bounds{};
        GetWindowRect(magnifierWindow(), &bounds);
        return bounds;
    }

    test::WindowThread thread;
    UniqueWindow owner;
    HWND painted = nullptr;
};

TEST_F(MagnifierTest, OpensOwnedBesideTheCursorWithItsTimer) {
    ASSERT_TRUE(SetCursorPos(100, 100));
    ASSERT_TRUE(openMagnifierWindow(owner.get()));
    HWND magnifier = magnifierWindow();
    ASSERT_NE(magnifier, nullptr);
    wchar_t title[64]{};
    GetWindowTextW(magnifier, title, 64);
    EXPECT_STREQ(title, L"Magnify Window");
    EXPECT_EQ(GetWindow(magnifier, GW_OWNER), owner.get());
    EXPECT_TRUE(IsWindowVisible(magnifier));
    const RECT bounds = magnifierBounds();
    EXPECT_EQ(bounds.left, 130);
    EXPECT_EQ(bounds.top, 130);
    EXPECT_EQ(bounds.right - bounds.left, 110);
    EXPECT_EQ(bounds.bottom - bounds.top, 110);
    // Under Wine the timer-exception setting is a stub; the timer runs all the same.
    EXPECT_TRUE(magnifierTimerStarted());
    // Opening again keeps the one window.
    EXPECT_TRUE(openMagnifierWindow(owner.get()));
    EXPECT_EQ(magnifierWindow(), magnifier);

    closeMagnifierWindow(owner.get());
    EXPECT_FALSE(IsWindow(magnifier));
    EXPECT_EQ(magnifierWindow(), nullptr);
    EXPECT_FALSE(KillTimer(owner.get(), kMagnifierTimerId)) << "the refresh timer was stopped";
}

TEST_F(MagnifierTest, ZoomOneShowsThePixelUnderTheCursorEverywhere) {
    ASSERT_TRUE(openMagnifierWindow(owner.get()));
    const POINT p{kPainted.right - 10, kPainted.bottom - 10}; // bottom-right quadrant
    placeMagnifier(p);
    drawMagnifier(1, p, false);
    for (const POINT at : {POINT{2, 20}, POINT{55, 55}, POINT{100, 90}, POINT{107, 60}})
        EXPECT_EQ(magnifierPixel(at.x, at.y), test::kBottomRight) << at.x << "," << at.y;
    // The swatch inside its black frame shows the same colour.
    EXPECT_EQ(magnifierPixel(90, 2), RGB(0, 0, 0));
    EXPECT_EQ(magnifierPixel(98, 10), test::kBottomRight);
}

TEST_F(MagnifierTest, EnlargedPictureIsCentredOnTheCursorPixel) {
    ASSERT_TRUE(openMagnifierWindow(owner.get()));
    // The first column of the top-right quadrant, with the top-left quadrant to its left.
    const POINT p{kPainted.left + 80, kPainted.top + 40};
    placeMagnifier(p);
    drawMagnifier(55, p, false);
    EXPECT_EQ(magnifierPixel(55, 55), test::kTopRight);  // the cursor's pixel
    EXPECT_EQ(magnifierPixel(50, 55), test::kTopLeft);   // one source pixel to its left
    EXPECT_EQ(magnifierPixel(80, 55), test::kTopRight);
    // The window's row 50, where its bottom half begins, is 10 source pixels below the cursor:
    // about 20 enlarged pixels further down (above the bottom line of text).
    EXPECT_EQ(magnifierPixel(30, 70), test::kTopLeft);
    EXPECT_EQ(magnifierPixel(30, 85), test::kBottomLeft);
    EXPECT_EQ(magnifierPixel(85, 85), test::kBottomRight);
}

TEST_F(MagnifierTest, TextsAndCrosshairAreDrawnOverThePicture) {
    ASSERT_TRUE(openMagnifierWindow(owner.get()));
    const POINT p{kPainted.left + 20, kPainted.top + 20};
    placeMagnifier(p);
    drawMagnifier(55, p, false);
    EXPECT_EQ(magnifierPixel(55, 30), test::kTopLeft);
    // Each text line has white letters on a black background.
    auto hasWhiteIn = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 3; x < 60; ++x)
                if (magnifierPixel(x, y) == RGB(255, 255, 255)) return true;
        return false;
    };
    EXPECT_TRUE(hasWhiteIn(2, 14));
    EXPECT_TRUE(hasWhiteIn(96, 108));
    // The crosshair inverts the centre column and row.
    drawMagnifier(55, p, true);
    const COLORREF inverted = RGB(255 - GetRValue(test::kTopLeft), 255 - GetGValue(test::kTopLeft), 255 - GetBValue(test::kTopLeft));
    EXPECT_EQ(magnifierPixel(55, 30), inverted);
    EXPECT_EQ(magnifierPixel(30, 55), inverted);
    EXPECT_EQ(magnifierPixel(30, 30), test::kTopLeft);
}

TEST_F(MagnifierTest, DpiChangeResizesAtTheNextPlacement) {
    ASSERT_TRUE(openMagnifierWindow(owner.get()));
    const RECT suggested{0, 0, 165, 165};
    SendMessageW(magnifierWindow(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    placeMagnifier(POINT{100, 100});
    const RECT bounds = magnifierBounds();
    EXPECT_EQ(bounds.right - bounds.left, 165);
    EXPECT_EQ(bounds.bottom - bounds.top, 165);
    EXPECT_EQ(bounds.left, 145);
    SendMessageW(magnifierWindow(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
}

} // namespace
} // namespace zorbel
