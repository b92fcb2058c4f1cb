// The wheel-transparency mode driven by injected mouse input, over windows of a second process.
#include "windows/WheelTransparency_win.h"

#include <gtest/gtest.h>

#include <chrono>

#include "WindowControlTestSupport.h"
#include "windows/Opacity_win.h"

namespace zorbel {
namespace {

using test::FailureReports;
using test::hasExStyle;
using test::HostWindow;

void pointAt(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void injectWheel(int delta) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(delta);
    SendInput(1, &input, sizeof(input));
}

void injectMiddleClick() {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    inputs[1] = inputs[0];
    inputs[1].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    SendInput(2, inputs, sizeof(INPUT));
}

std::optional<std::uint8_t> alpha(std::uint8_t value) { return value; }

// Pumps until the hook's work has been applied to one more batch of steps.
bool waitForWheelWork(unsigned long long appliedBefore) {
    return test::pumpUntil(3000, [&] { return wheelStatistics().batchesApplied > appliedBefore; });
}

class WheelTransparencyWin : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::prepareTrayProcess()); }
    void TearDown() override { endWheelTransparencyMode(); }

    // One wheel notch over the window; true once the GUI thread has handled it.
    bool wheelOver(HWND hwnd, int delta) {
        const unsigned long long before = wheelStatistics().batchesApplied;
        pointAt(hwnd);
        injectWheel(delta);
        return waitForWheelWork(before);
    }

    FailureReports failures_;
};

TEST_F(WheelTransparencyWin, WheelStepsChangeTheOpacityUntilAMiddleClickEndsTheMode) {
    HostWindow host(L"Wheel target");
    ASSERT_TRUE(host);
    HWND hwnd = host.hwnd();
    ASSERT_TRUE(setWindowOpacity(hwnd, 50));
    ASSERT_EQ(windowConstantAlpha(hwnd), alpha(127));

    ASSERT_TRUE(toggleWheelTransparencyMode());
    EXPECT_TRUE(wheelTransparencyOn());
    EXPECT_TRUE(menuRebuildRequested());

    ASSERT_TRUE(wheelOver(hwnd, WHEEL_DELTA));
    EXPECT_EQ(windowConstantAlpha(hwnd), alpha(135)); // 127 + 10 = 137 is 53 %, applied as 135
    ASSERT_TRUE(wheelOver(hwnd, -WHEEL_DELTA));
    EXPECT_EQ(windowConstantAlpha(hwnd), alpha(127)); // 135 - 5 = 130 is 50 %
    EXPECT_EQ(host.wheelMessages(), 0) << "the mode takes the wheel events";

    test::takeRebuildRequest();
    pointAt(hwnd);
    injectMiddleClick();
    EXPECT_TRUE(test::pumpUntil(3000, [] { return !wheelTransparencyOn(); }));
    EXPECT_TRUE(test::pumpUntil(3000, [&] { return host.middleClicks() == 1; })) << "the click still reaches the window";
    EXPECT_TRUE(menuRebuildRequested()) << "the menu offers to turn the mode on again";

    // The mode is off: the wheel is the window's again.
    SetForegroundWindow(hwnd);
    pointAt(hwnd);
    injectWheel(WHEEL_DELTA);
    EXPECT_TRUE(test::pumpUntil(3000, [&] { return host.wheelMessages() == 1; }));
    EXPECT_EQ(windowConstantAlpha(hwnd), alpha(127));

    // And the mode can be turned on again.
    EXPECT_TRUE(toggleWheelTransparencyMode());
    EXPECT_FALSE(toggleWheelTransparencyMode());
    EXPECT_FALSE(wheelTransparencyOn());
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WheelTransparencyWin, AnOpaqueWindowBecomesTranslucentAndOpaqueAgain) {
    HostWindow host(L"Opaque wheel target");
    ASSERT_TRUE(host);
    HWND hwnd = host.hwnd();
    ASSERT_FALSE(hasExStyle(hwnd, WS_EX_LAYERED));
    ASSERT_TRUE(toggleWheelTransparencyMode());

    ASSERT_TRUE(wheelOver(hwnd, WHEEL_DELTA));
    EXPECT_FALSE(hasExStyle(hwnd, WS_EX_LAYERED)) << "already opaque: no change";
    ASSERT_TRUE(wheelOver(hwnd, -WHEEL_DELTA));
    EXPECT_EQ(windowConstantAlpha(hwnd), alpha(249)); // 255 - 5 = 250 is 98 %
    ASSERT_TRUE(wheelOver(hwnd, WHEEL_DELTA));
    EXPECT_FALSE(hasExStyle(hwnd, WS_EX_LAYERED)) << "fully opaque again, no longer layered";
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WheelTransparencyWin, TheWheelOverAToolWindowIsLeftToIt) {
    HostWindow tool(L"Wheel over a tool window", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW);
    ASSERT_TRUE(tool);
    HWND hwnd = tool.hwnd();
    ASSERT_TRUE(setWindowOpacity(hwnd, 50));
    ASSERT_TRUE(toggleWheelTransparencyMode());
    // The counts are process-wide: earlier tests of this process may have applied steps.
    const unsigned long long appliedBefore = wheelStatistics().batchesApplied;
    SetForegroundWindow(hwnd);
    pointAt(hwnd);
    injectWheel(-WHEEL_DELTA);
    EXPECT_TRUE(test::pumpUntil(3000, [&] { return tool.wheelMessages() == 1; }));
    EXPECT_EQ(windowConstantAlpha(hwnd), alpha(127));
    EXPECT_EQ(wheelStatistics().batchesApplied, appliedBefore);
}

// The hook only takes note: a window that does not answer costs the GUI thread its 100 ms, and the
// hook keeps working for the next window.
// A window that draws its own per-pixel alpha is left alone, and the user is told once, not at
// every notch.
TEST_F(WheelTransparencyWin, APerPixelAlphaWindowIsLeftAloneAndReportedOnce) {
    test::WindowThread owner;
    test::WindowShape shape;
    shape.title = L"Wheel over per-pixel alpha";
    shape.exStyle = WS_EX_LAYERED;
    HWND hwnd = owner.createWindow(shape);
    bool drawn = false;
    owner.runOnThread([&] { drawn = test::drawWithUpdateLayeredWindow(hwnd); });
    ASSERT_TRUE(drawn);
    ASSERT_TRUE(toggleWheelTransparencyMode());
    ASSERT_TRUE(wheelOver(hwnd, -WHEEL_DELTA));
    ASSERT_TRUE(wheelOver(hwnd, -WHEEL_DELTA));
    EXPECT_EQ(failures_.all().size(), 1u);
    EXPECT_EQ(windowConstantAlpha(hwnd), std::nullopt);
    owner.runOnThread([&] { drawn = test::drawWithUpdateLayeredWindow(hwnd); });
    EXPECT_TRUE(drawn);
}

TEST_F(WheelTransparencyWin, AHungWindowUnderTheWheelIsReportedAndTheHookLives) {
    HostWindow hung(L"Hung wheel target");
    HostWindow other(L"Other wheel target");
    ASSERT_TRUE(hung && other);
    // Side by side: both programs open their window at the same place.
    ASSERT_TRUE(SetWindowPos(other.hwnd(), nullptr, 600, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(setWindowOpacity(hung.hwnd(), 50));
    ASSERT_TRUE(setWindowOpacity(other.hwnd(), 50));
    hung.hang();
    ASSERT_TRUE(toggleWheelTransparencyMode());

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(wheelOver(hung.hwnd(), -WHEEL_DELTA));
    std::printf("wheel step over a hung window handled after %.0f ms\n", test::millisecondsSince(start));
    EXPECT_EQ(windowConstantAlpha(hung.hwnd()), alpha(127));
    ASSERT_EQ(failures_.all().size(), 1u);
    EXPECT_TRUE(failures_.all()[0].kind == FailureReport::Kind::Balloon ||
                failures_.all()[0].systemCode == ERROR_TIMEOUT);

    ASSERT_TRUE(wheelOver(other.hwnd(), -WHEEL_DELTA));
    EXPECT_EQ(windowConstantAlpha(other.hwnd()), alpha(119)); // 127 - 5 = 122 is 47 %
    EXPECT_TRUE(wheelTransparencyOn());
}

} // namespace
} // namespace zorbel
