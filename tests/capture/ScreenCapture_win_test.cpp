#include "capture/ScreenCapture_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "CaptureTestSupport.h"
#include "PaintedWindow.h"
#include "WinTestSupport.h"
#include "windows/WindowControlTestSupport.h"
#include "app/Commands_win.h"
#include "app/CoreWindow_win.h"
#include "app/TrayMenu_win.h"

namespace zorbel {
namespace {

constexpr RECT kWindowBounds{100, 120, 260, 220}; // 160 x 100, clear of Wine's tray window
constexpr int kWidth = kWindowBounds.right - kWindowBounds.left;
constexpr int kHeight = kWindowBounds.bottom - kWindowBounds.top;

class ScreenCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        currentSettings().pClipboard = 1;
        currentSettings().pDialogue = 0;
        currentSettings().pMessageBeep = 0;
        ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"before"));
    }

    HWND showPainted(test::Painting painting, RECT bounds = kWindowBounds) {
        HWND hwnd = test::createPaintedWindow(thread, painting, bounds);
        EXPECT_NE(hwnd, nullptr);
        EXPECT_TRUE(test::screenShows(bounds.left + 1, bounds.top + 1,
                                      painting == test::Painting::Cover ? test::kCoverColour : test::kTopLeft));
        return hwnd;
    }

    test::CaptureSettingsScope settingsScope;
    test::WindowThread thread;
};

// Checks every pixel of a picture of the painted window, of a part starting at (offsetX, offsetY).
void expectQuadrants(const test::Picture& picture, int offsetX = 0, int offsetY = 0) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            ASSERT_EQ(picture.at(x, y), test::expectedQuadrant(x + offsetX, y + offsetY, kWidth, kHeight))
                << x << "," << y;
}

test::Picture pictureOf(const Image& image) {
    test::Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) picture.pixels.push_back(test::imagePixel(image, x, y));
    return picture;
}

// ---- Screen rectangles ---------------------------------------------------------------------

TEST_F(ScreenCaptureTest, ScreenCopyHoldsExactlyTheRectanglesPixels) {
    showPainted(test::Painting::Quadrants);
    const ScreenCopy whole = copyScreenRect(kWidth, kHeight, kWindowBounds.left, kWindowBounds.top);
    ASSERT_TRUE(whole.copied);
    ASSERT_EQ(whole.image.width, kWidth);
    ASSERT_EQ(whole.image.height, kHeight);
    expectQuadrants(pictureOf(whole.image));

    // A part across the middle: its own top-left is the window's (70, 40).
    const ScreenCopy part = copyScreenRect(20, 30, kWindowBounds.left + 70, kWindowBounds.top + 40);
    ASSERT_TRUE(part.copied);
    expectQuadrants(pictureOf(part.image), 70, 40);
}

TEST_F(ScreenCaptureTest, TooSmallAnAreaIsRefused) {
    for (const SIZE size : {SIZE{1, 50}, SIZE{50, 1}, SIZE{0, 0}, SIZE{-4, 20}}) {
        const ScreenCopy copy = copyScreenRect(size.cx, size.cy, 10, 10);
        EXPECT_FALSE(copy.copied) << size.cx << "x" << size.cy;
        EXPECT_EQ(copy.error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_FALSE(captureScreenRect(size.cx, size.cy, 10, 10));
    }
    EXPECT_FALSE(test::clipboardHasDib());
}

// ---- Windows ---------------------------------------------------------------------------------

TEST_F(ScreenCaptureTest, CoveredWindowIsCapturedWhole) {
    HWND painted = showPainted(test::Painting::QuadrantsAlsoPrinted);
    // Another window covers most of it.
    showPainted(test::Painting::Cover, RECT{90, 110, 240, 300});
    ASSERT_EQ(test::screenPixel(kWindowBounds.left + 5, kWindowBounds.top + 5), test::kCoverColour);

    const WindowRendering rendering = renderWindow(painted);
    ASSERT_TRUE(rendering.image);
    if (runningUnderWine()) {
        // Wine has no thumbnails: the window printed itself.
        EXPECT_EQ(rendering.dwmFailure, E_NOTIMPL);
        EXPECT_TRUE(rendering.printedDirectly);
    }
    ASSERT_EQ(rendering.image->width, kWidth);
    ASSERT_EQ(rendering.image->height, kHeight);
    expectQuadrants(pictureOf(*rendering.image));

    EXPECT_TRUE(captureWindow(painted));
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    expectQuadrants(*picture);
}

TEST_F(ScreenCaptureTest, WindowThatCannotBeRenderedIsReported) {
    HWND painted = showPainted(test::Painting::QuadrantsAlsoPrinted);
    thread.destroyWindow(painted);
    EXPECT_FALSE(renderWindow(painted).image);
    EXPECT_FALSE(captureWindow(painted));
    EXPECT_FALSE(captureWindow(nullptr));
    EXPECT_FALSE(test::clipboardHasDib());
}

// PrintWindow waits for the window without a time-out: a window whose thread is blocked must be
// reported, not asked, or the capture (and the GUI thread) would wait with it.
TEST_F(ScreenCaptureTest, HungWindowIsReportedInsteadOfAskedToPrint) {
    HWND painted = showPainted(test::Painting::QuadrantsAlsoPrinted);
    test::FailureReports failures;
    thread.hang();
    std::atomic<int> captured{-1};
    std::thread capture([&] { captured = captureWindow(painted) ? 1 : 0; });
    const bool returnedWhileHung = test::waitFor(5000, [&] { return captured != -1; });
    thread.resume();
    capture.join();
    EXPECT_TRUE(returnedWhileHung);
    EXPECT_EQ(captured, 0);
    ASSERT_EQ(failures.all().size(), 1u);
    EXPECT_TRUE(failures.all()[0].kind == FailureReport::Kind::Balloon ||
                failures.all()[0].systemCode == ERROR_TIMEOUT);
    EXPECT_FALSE(test::clipboardHasDib());
}

TEST_F(ScreenCaptureTest, WindowCaptureCommandCapturesItsEntrysWindow) {
    HWND painted = showPainted(test::Painting::QuadrantsAlsoPrinted);
    CommandTable& table = trayCommandTable();
    const std::size_t identifier = table.size() + 5;
    MenuEntry entry;
    entry.command = MenuCommand::WindowCapture;
    entry.window = reinterpret_cast<std::uintptr_t>(painted);
    table.store(identifier, std::move(entry));
    executeMenuCommand(static_cast<UINT>(identifier));
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    expectQuadrants(*picture);
}

// ---- Displays and the desktop ------------------------------------------------------------------

std::u16string firstMonitorName(RECT* bounds) {
    HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) return {};
    *bounds = info.rcMonitor;
    return fromWide(info.szDevice);
}

TEST_F(ScreenCaptureTest, DisplayIsCapturedOnlyByItsExactName) {
    showPainted(test::Painting::Quadrants);
    RECT monitor{};
    const std::u16string name = firstMonitorName(&monitor);
    ASSERT_FALSE(name.empty());

    std::u16string lower = name;
    for (char16_t& c : lower) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    for (const std::u16string& wrong : {lower, std::u16string(u"\\\\.\\DISPLAY99"), std::u16string()}) {
        captureDisplay(wrong);
        EXPECT_FALSE(test::clipboardHasDib());
    }

    captureDisplay(name);
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, monitor.right - monitor.left);
    EXPECT_EQ(picture->height, monitor.bottom - monitor.top);
    EXPECT_EQ(picture->at(kWindowBounds.left - monitor.left + 2, kWindowBounds.top - monitor.top + 2), test::kTopLeft);
}

TEST_F(ScreenCaptureTest, DesktopForegroundShowsEveryWindowOnTheVirtualScreen) {
    showPainted(test::Painting::Quadrants);
    showPainted(test::Painting::Cover, RECT{200, 300, 260, 360});
    captureDesktopForeground();
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    RECT expected{};
    if (HWND shell = GetShellWindow(); !shell || !GetWindowRect(shell, &expected)) {
        expected.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        expected.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        expected.right = expected.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
        expected.bottom = expected.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    }
    ASSERT_EQ(picture->width, expected.right - expected.left);
    ASSERT_EQ(picture->height, expected.bottom - expected.top);
    EXPECT_EQ(picture->at(kWindowBounds.left - expected.left + 2, kWindowBounds.top - expected.top + 2), test::kTopLeft);
    EXPECT_EQ(picture->at(210 - expected.left, 310 - expected.top), test::kCoverColour);
}

} // namespace
} // namespace zorbel
