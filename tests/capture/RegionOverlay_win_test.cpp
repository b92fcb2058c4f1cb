#include "capture/RegionOverlay_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "CaptureTestSupport.h"
#include "PaintedWindow.h"
#include "WinTestSupport.h"
#include "app/Commands_win.h"
#include "app/CoreWindow_win.h"
#include "app/Process_win.h"
#include "app/TrayMenu_win.h"
#include "capture/ImageOutput_win.h"
#include "capture/Magnifier_win.h"

namespace zorbel {
namespace {

constexpr RECT kPainted{300, 200, 460, 300}; // 160 x 100

// The system mouse speed as precision mode sees it: the user's speed until the program sets
// another, every speed it sets kept in order. Setting it announces the change as
// SPIF_SENDCHANGE does, to the overlay among others.
constexpr int kUserSpeed = 10;
std::optional<int> readableSpeed = kUserSpeed;
std::vector<int> speedsSet;
std::optional<int> readFakeSpeed() { return speedsSet.empty() ? readableSpeed : speedsSet.back(); }
bool writeFakeSpeed(int speed) {
    speedsSet.push_back(speed);
    if (HWND overlay = regionOverlayWindow()) SendMessageW(overlay, WM_SETTINGCHANGE, SPI_SETMOUSESPEED, 0);
    return true;
}
constexpr int kWidth = kPainted.right - kPainted.left;
constexpr int kHeight = kPainted.bottom - kPainted.top;

class RegionOverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        Settings& settings = currentSettings();
        settings.pClipboard = 1;
        settings.pDialogue = 0;
        settings.pMessageBeep = 0;
        settings.pMagnifyWindow = 0;
        settings.pRepeatCapture = 0;
        readableSpeed = kUserSpeed;
        speedsSet.clear();
        systemSpeed = replaceMouseSpeedAccess({readFakeSpeed, writeFakeSpeed});
        ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"before"));
        test::createPaintedWindow(thread, test::Painting::Quadrants, kPainted);
        ASSERT_TRUE(test::screenShows(kPainted.left + 1, kPainted.top + 1, test::kTopLeft));
    }
    void TearDown() override {
        if (HWND hwnd = regionOverlayWindow()) SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);
        replaceMouseSpeedAccess(systemSpeed);
    }

    static HWND open() {
        EXPECT_TRUE(startRegionCapture());
        return regionOverlayWindow();
    }
    // Overlay client coordinates; the overlay's origin is the virtual screen's.
    static POINT client(int screenX, int screenY) {
        return {screenX - GetSystemMetrics(SM_XVIRTUALSCREEN), screenY - GetSystemMetrics(SM_YVIRTUALSCREEN)};
    }
    static void send(UINT message, int screenX, int screenY) {
        const POINT p = client(screenX, screenY);
        SendMessageW(regionOverlayWindow(), message, 0, MAKELPARAM(p.x, p.y));
    }
    static void moveTo(int x, int y) { send(WM_MOUSEMOVE, x, y); }
    static void press(int x, int y) { send(WM_LBUTTONDOWN, x, y); }
    static void pressPrecisionButton() { SendMessageW(regionOverlayWindow(), WM_MBUTTONDOWN, 0, 0); }
    static void release(int x, int y) { send(WM_LBUTTONUP, x, y); }
    static void drag(POINT from, POINT to) {
        moveTo(from.x, from.y);
        press(from.x, from.y);
        moveTo((from.x + to.x) / 2, (from.y + to.y) / 2);
        moveTo(to.x, to.y);
        release(to.x, to.y);
    }
    static void clickAt(int x, int y) {
        moveTo(x, y);
        press(x, y);
        release(x, y);
    }
    static bool closedSoon() {
        return test::pumpUntil(2000, [] { return regionOverlayWindow() == nullptr; });
    }
    static int mouseSpeed() { return readFakeSpeed().value_or(0); }

    test::CaptureSettingsScope settingsScope;
    test::WindowThread thread;
    MouseSpeedAccess systemSpeed;
};

// The clipboard holds the painted window's pixels from (left, top) on, width x height of them.
void expectCapturedPart(int left, int top, int width, int height) {
    const auto picture = test::clipboardPicture();
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, width);
    ASSERT_EQ(picture->height, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(picture->at(x, y), test::expectedQuadrant(left + x, top + y, kWidth, kHeight)) << x << "," << y;
}

// ---- Opening and closing -----------------------------------------------------------------------

TEST_F(RegionOverlayTest, CoversTheVirtualScreenFaintlyAndOwnsTheMouse) {
    HWND hwnd = open();
    ASSERT_NE(hwnd, nullptr);
    wchar_t title[64]{};
    GetWindowTextW(hwnd, title, 64);
    EXPECT_STREQ(title, L"Capture Window");
    RECT bounds{};
    GetWindowRect(hwnd, &bounds);
    EXPECT_EQ(bounds.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(bounds.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(bounds.right - bounds.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(bounds.bottom - bounds.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 100);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), coreWindow());
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetCapture(), hwnd);
    EXPECT_FALSE(startRegionCapture()) << "one overlay at a time";
    EXPECT_EQ(regionOverlayWindow(), hwnd);
}

TEST_F(RegionOverlayTest, RightButtonDisplayAndSettingChangesCloseItButNotEsc) {
    for (UINT message : {static_cast<UINT>(WM_RBUTTONUP), static_cast<UINT>(WM_DISPLAYCHANGE),
                         static_cast<UINT>(WM_SETTINGCHANGE), static_cast<UINT>(WM_DPICHANGED)}) {
        HWND hwnd = open();
        ASSERT_NE(hwnd, nullptr) << message;
        SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(IsWindow(hwnd)) << "Esc leaves it open";
        trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
        ASSERT_FALSE(menuRebuildRequested());
        SendMessageW(hwnd, message, 0, 0);
        EXPECT_FALSE(IsWindow(hwnd)) << message;
        EXPECT_EQ(regionOverlayWindow(), nullptr);
        EXPECT_NE(GetCapture(), hwnd);
        EXPECT_TRUE(menuRebuildRequested()) << message;
    }
}

TEST_F(RegionOverlayTest, HotkeyAndMenuCommandOpenAndClose) {
    toggleRegionCapture();
    HWND hwnd = regionOverlayWindow();
    ASSERT_NE(hwnd, nullptr);
    toggleRegionCapture();
    EXPECT_FALSE(IsWindow(hwnd));

    currentSettings().pMagnifyWindow = 1;
    CommandTable& table = trayCommandTable();
    const std::size_t identifier = table.size() + 3;
    MenuEntry entry;
    entry.command = MenuCommand::RegionCapture;
    table.store(identifier, std::move(entry));
    executeMenuCommand(static_cast<UINT>(identifier));
    ASSERT_NE(regionOverlayWindow(), nullptr);
    ASSERT_NE(magnifierWindow(), nullptr) << "the command opens the magnifier too";
    EXPECT_EQ(GetWindow(magnifierWindow(), GW_OWNER), regionOverlayWindow());
    toggleRegionCapture();
    EXPECT_EQ(regionOverlayWindow(), nullptr);
    EXPECT_EQ(magnifierWindow(), nullptr);
}

// ---- Selections --------------------------------------------------------------------------------

TEST_F(RegionOverlayTest, DragCapturesTheRectangleEitherWayAndCloses) {
    const POINT a{kPainted.left + 60, kPainted.top + 30};
    const POINT b{kPainted.left + 99, kPainted.top + 69};
    for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"before"));
        open();
        drag(from, to);
        expectCapturedPart(60, 30, 40, 40); // both corner pixels inside
        EXPECT_TRUE(closedSoon()) << "without repeat capture the overlay closes";
    }
}

TEST_F(RegionOverlayTest, ClickThenClickSelectsBetweenTheTwoPoints) {
    open();
    clickAt(kPainted.left + 10, kPainted.top + 5);
    EXPECT_FALSE(test::clipboardHasDib());
    clickAt(kPainted.left + 149, kPainted.top + 94);
    expectCapturedPart(10, 5, 140, 90);
}

TEST_F(RegionOverlayTest, ThinSelectionIsIgnoredAndItsAnchorKept) {
    open();
    drag({kPainted.left + 20, kPainted.top + 10}, {kPainted.left + 21, kPainted.top + 90}); // 2 wide
    EXPECT_FALSE(test::clipboardHasDib());
    EXPECT_NE(regionOverlayWindow(), nullptr);
    drag({kPainted.left + 20, kPainted.top + 10}, {kPainted.left + 120, kPainted.top + 11}); // 2 high
    EXPECT_FALSE(test::clipboardHasDib());
    // The anchor of the first press is still there: a click completes a selection from it.
    clickAt(kPainted.left + 40, kPainted.top + 40);
    expectCapturedPart(20, 10, 21, 31);
}

TEST_F(RegionOverlayTest, ShiftForgetsTheFirstClick) {
    open();
    clickAt(kPainted.left + 10, kPainted.top + 10);
    SendMessageW(regionOverlayWindow(), WM_KEYDOWN, VK_SHIFT, 0);
    clickAt(kPainted.left + 100, kPainted.top + 80);
    EXPECT_FALSE(test::clipboardHasDib()) << "the second click only set a new anchor";
    clickAt(kPainted.left + 110, kPainted.top + 90);
    expectCapturedPart(100, 80, 11, 11);
}

TEST_F(RegionOverlayTest, RepeatCaptureReopensUntilClosed) {
    currentSettings().pRepeatCapture = 1;
    HWND hwnd = open();
    drag({kPainted.left, kPainted.top}, {kPainted.left + 9, kPainted.top + 9});
    expectCapturedPart(0, 0, 10, 10);
    test::pumpMessages(); // Wine drops the capture of a window hidden and shown again

    ASSERT_EQ(regionOverlayWindow(), hwnd);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetCapture(), hwnd);

    ASSERT_TRUE(test::putTextOnClipboard(coreWindow(), L"between"));
    drag({kPainted.right - 1, kPainted.bottom - 1}, {kPainted.right - 20, kPainted.bottom - 30});
    expectCapturedPart(kWidth - 20, kHeight - 30, 20, 30);
    SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(RegionOverlayTest, CloseAskedForDuringTheSaveDialogueWaitsForIt) {
    currentSettings().pClipboard = 0;
    currentSettings().pDialogue = 1;
    currentSettings().pRepeatCapture = 1;
    HWND hwnd = open();
    // While the dialogue runs inside the overlay's handler, the hotkey closes the overlay, and
    // then the dialogue is cancelled.
    std::thread user([hwnd] {
        HWND dialogue = nullptr;
        for (int i = 0; i < 1000 && !dialogue; ++i) {
            dialogue = FindWindowW(L"#32770", kSaveDialogueTitle);
            if (!dialogue) Sleep(10);
        }
        SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);
        if (dialogue) PostMessageW(dialogue, WM_COMMAND, IDCANCEL, 0);
    });
    drag({kPainted.left + 5, kPainted.top + 5}, {kPainted.left + 50, kPainted.top + 50});
    user.join();
    EXPECT_FALSE(IsWindow(hwnd)) << "closed once the capture was over, repeat capture or not";
    EXPECT_EQ(regionOverlayWindow(), nullptr);
}

// The capture hotkey pressed while the save dialogue is open runs on this thread, inside the
// dialogue's modal loop: it is ignored, and repeat capture brings the overlay back afterwards.
HWND toggledDuringTheDialogue = nullptr;
void CALLBACK toggleThenCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialogue = FindWindowW(L"#32770", kSaveDialogueTitle);
    if (!dialogue) return;
    KillTimer(nullptr, timer);
    toggleRegionCapture();
    toggledDuringTheDialogue = regionOverlayWindow();
    PostMessageW(dialogue, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(RegionOverlayTest, CaptureHotkeyDuringTheSaveDialogueIsIgnored) {
    currentSettings().pClipboard = 0;
    currentSettings().pDialogue = 1;
    currentSettings().pRepeatCapture = 1;
    HWND hwnd = open();
    toggledDuringTheDialogue = nullptr;
    ASSERT_NE(SetTimer(nullptr, 0, 20, toggleThenCancel), 0u);
    drag({kPainted.left + 5, kPainted.top + 5}, {kPainted.left + 50, kPainted.top + 50});
    EXPECT_EQ(toggledDuringTheDialogue, hwnd) << "the hotkey did nothing while the dialogue was open";
    EXPECT_EQ(regionOverlayWindow(), hwnd) << "repeat capture kept the overlay";
    EXPECT_TRUE(IsWindowVisible(hwnd));
    toggleRegionCapture();
    EXPECT_EQ(regionOverlayWindow(), nullptr) << "afterwards the hotkey closes it again";
}

// Every capture's output, not only the region capture's: a window's, the desktop's or a display's
// save dialogue keeps the capture hotkey from opening an overlay over it.
bool openedDuringTheDialogue = false;
void CALLBACK pressHotkeyThenCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialogue = FindWindowW(L"#32770", kSaveDialogueTitle);
    if (!dialogue) return;
    KillTimer(nullptr, timer);
    toggleRegionCapture();
    openedDuringTheDialogue = regionOverlayWindow() != nullptr;
    if (openedDuringTheDialogue) SendMessageW(regionOverlayWindow(), WM_RBUTTONUP, 0, 0);
    PostMessageW(dialogue, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(RegionOverlayTest, CaptureHotkeyDuringAnyCapturesSaveDialogueIsIgnored) {
    currentSettings().pClipboard = 0;
    currentSettings().pDialogue = 1;
    openedDuringTheDialogue = true;
    ASSERT_NE(SetTimer(nullptr, 0, 20, pressHotkeyThenCancel), 0u);
    EXPECT_TRUE(outputImage(test::patternImage(8, 8)));
    EXPECT_FALSE(openedDuringTheDialogue);
    toggleRegionCapture();
    EXPECT_NE(regionOverlayWindow(), nullptr) << "once the dialogue is closed the hotkey works again";
}

// A drag begun right after a capture: the overlay, hidden for the copy, saw no move to where the
// button went down; the button messages themselves say where.
TEST_F(RegionOverlayTest, ButtonMessagesCarryTheirOwnPoints) {
    open();
    moveTo(kPainted.left + 100, kPainted.top + 80);
    press(kPainted.left + 10, kPainted.top + 20);
    release(kPainted.left + 49, kPainted.top + 59);
    expectCapturedPart(10, 20, 40, 40);
}

// ---- Drawing -------------------------------------------------------------------------------------

COLORREF overlayPixel(int x, int y) {
    const WindowDc dc(regionOverlayWindow());
    return GetPixel(dc.get(), x, y);
}

COLORREF inverted(COLORREF colour) { return RGB(255 - GetRValue(colour), 255 - GetGValue(colour), 255 - GetBValue(colour)); }

TEST_F(RegionOverlayTest, CrosshairAndSelectionLeaveNoTraces) {
    open();
    UpdateWindow(regionOverlayWindow());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const POINT away = client(600, 500);
    ASSERT_EQ(overlayPixel(away.x, away.y), face);

    moveTo(500, 400);
    const POINT p = client(500, 400);
    EXPECT_EQ(overlayPixel(p.x, 10), inverted(face));
    EXPECT_EQ(overlayPixel(10, p.y), inverted(face));
    EXPECT_EQ(overlayPixel(p.x + 1, 10), face);

    // A drag that turns out too small (2 wide): the inverted rectangle goes, the anchor's lines stay.
    press(500, 400);
    moveTo(501, 450);
    const COLORREF selected = RGB(GetRValue(face) ^ 50, GetGValue(face) ^ 50, GetBValue(face) ^ 50);
    const POINT anchorColumn = client(500, 420);
    const POINT cursorColumn = client(501, 420);
    EXPECT_EQ(overlayPixel(anchorColumn.x, anchorColumn.y), inverted(selected)) << "anchor line in the selection";
    EXPECT_EQ(overlayPixel(cursorColumn.x, cursorColumn.y), inverted(selected)) << "crosshair in the selection";
    release(501, 450);
    EXPECT_FALSE(test::clipboardHasDib());
    EXPECT_EQ(overlayPixel(anchorColumn.x, anchorColumn.y), inverted(face));
    EXPECT_EQ(overlayPixel(cursorColumn.x, cursorColumn.y), inverted(face));
    moveTo(600, 300);
    EXPECT_EQ(overlayPixel(cursorColumn.x, cursorColumn.y), face);
    EXPECT_EQ(overlayPixel(anchorColumn.x, anchorColumn.y), inverted(face)) << "the anchor stays";
    SendMessageW(regionOverlayWindow(), WM_KEYDOWN, VK_SHIFT, 0);
    EXPECT_EQ(overlayPixel(anchorColumn.x, anchorColumn.y), face) << "Shift took it away";
    EXPECT_EQ(overlayPixel(p.x, 10), face);
    const POINT now = client(600, 300);
    EXPECT_EQ(overlayPixel(now.x, 10), inverted(face));

    // Painted afresh (as after being covered), it shows the same.
    RedrawWindow(regionOverlayWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(overlayPixel(now.x, 10), inverted(face));
    EXPECT_EQ(overlayPixel(p.x, 10), face);
}

// ---- Magnifier and precision mode --------------------------------------------------------------

TEST_F(RegionOverlayTest, MagnifierFollowsZoomsAndGoesWithTheOverlay) {
    currentSettings().pMagnifyWindow = 1;
    currentSettings().pRepeatCapture = 1;
    beginRegionCapture();
    HWND magnifier = magnifierWindow();
    ASSERT_NE(magnifier, nullptr);
    EXPECT_TRUE(magnifierTimerStarted());
    moveTo(200, 250);
    RECT bounds{};
    GetWindowRect(magnifier, &bounds);
    EXPECT_EQ(bounds.left, 230);
    EXPECT_EQ(bounds.top, 280);
    EXPECT_TRUE(IsWindowVisible(magnifier));

    const int zoom = magnifierZoom();
    SendMessageW(regionOverlayWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(magnifierZoom(), zoom < 109 ? zoom + 1 : 109);
    SendMessageW(regionOverlayWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(magnifierZoom(), zoom);

    drag({kPainted.left, kPainted.top}, {kPainted.left + 9, kPainted.top + 9});
    expectCapturedPart(0, 0, 10, 10);
    EXPECT_TRUE(IsWindowVisible(magnifier)) << "back with the overlay";

    SendMessageW(regionOverlayWindow(), WM_RBUTTONUP, 0, 0);
    EXPECT_FALSE(IsWindow(magnifier));
    EXPECT_EQ(magnifierZoom(), zoom) << "the zoom outlives the window";
}

TEST_F(RegionOverlayTest, PrecisionModeSlowsTheMouseAndGivesItsSpeedBack) {
    // Without the magnifier the middle button does nothing.
    HWND hwnd = open();
    pressPrecisionButton();
    EXPECT_FALSE(isPrecisionModeOn());
    SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);

    currentSettings().pMagnifyWindow = 1;
    // A speed that cannot be read (Wine's after any change: 0) could not be given back: kept.
    readableSpeed = 0;
    hwnd = open();
    pressPrecisionButton();
    EXPECT_FALSE(isPrecisionModeOn());
    EXPECT_TRUE(speedsSet.empty());
    SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);
    readableSpeed = kUserSpeed;

    hwnd = open();
    pressPrecisionButton();
    EXPECT_TRUE(isPrecisionModeOn());
    EXPECT_EQ(mouseSpeed(), 1);
    EXPECT_TRUE(IsWindow(hwnd)) << "the speed change's own WM_SETTINGCHANGE does not close the overlay";
    pressPrecisionButton();
    EXPECT_FALSE(isPrecisionModeOn());
    EXPECT_EQ(mouseSpeed(), kUserSpeed);

    // Closing ends it.
    pressPrecisionButton();
    ASSERT_EQ(mouseSpeed(), 1);
    SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(mouseSpeed(), kUserSpeed);
    EXPECT_FALSE(isPrecisionModeOn());

    // So does a capture.
    currentSettings().pRepeatCapture = 1;
    open();
    pressPrecisionButton();
    ASSERT_EQ(mouseSpeed(), 1);
    drag({kPainted.left, kPainted.top}, {kPainted.left + 9, kPainted.top + 9});
    EXPECT_EQ(mouseSpeed(), kUserSpeed);
    EXPECT_FALSE(isPrecisionModeOn());
    EXPECT_EQ(speedsSet, (std::vector<int>{1, kUserSpeed, 1, kUserSpeed, 1, kUserSpeed}));
}

// Alt+F4 and other close requests, and a DestroyWindow from elsewhere, leave what the right
// button leaves: the user's speed, no magnifier or timer, the mouse free, and the next start works.
struct ForeignClose {
    const char* name;
    void (*close)(HWND);
};
const ForeignClose kForeignCloses[] = {
    {"AltF4", [](HWND hwnd) { SendMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, LPARAM{1} << 29); }},
    {"SC_CLOSE", [](HWND hwnd) { SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"WM_CLOSE", [](HWND hwnd) { SendMessageW(hwnd, WM_CLOSE, 0, 0); }},
    {"DestroyWindow", [](HWND hwnd) { DestroyWindow(hwnd); }},
};

TEST_F(RegionOverlayTest, ClosedOrDestroyedFromElsewhereLeavesNothingBehind) {
    currentSettings().pMagnifyWindow = 1;
    for (const ForeignClose& c : kForeignCloses) {
        toggleRegionCapture();
        HWND hwnd = regionOverlayWindow();
        ASSERT_NE(hwnd, nullptr) << c.name << ": the overlay opens again";
        HWND magnifier = magnifierWindow();
        ASSERT_NE(magnifier, nullptr);
        pressPrecisionButton();
        ASSERT_TRUE(isPrecisionModeOn());
        c.close(hwnd);
        EXPECT_TRUE(test::pumpUntil(2000, [hwnd] { return !IsWindow(hwnd); })) << c.name;
        EXPECT_EQ(regionOverlayWindow(), nullptr) << c.name;
        EXPECT_FALSE(isPrecisionModeOn()) << c.name;
        EXPECT_EQ(mouseSpeed(), kUserSpeed) << c.name;
        EXPECT_FALSE(IsWindow(magnifier)) << c.name;
        EXPECT_EQ(magnifierWindow(), nullptr) << c.name;
        EXPECT_FALSE(magnifierTimerStarted()) << c.name;
        EXPECT_NE(GetCapture(), hwnd) << c.name;
    }
    toggleRegionCapture();
    EXPECT_NE(regionOverlayWindow(), nullptr);
}

TEST_F(RegionOverlayTest, SessionEndGivesTheMouseSpeedBack) {
    currentSettings().pMagnifyWindow = 1;
    HWND hwnd = open();
    pressPrecisionButton();
    ASSERT_EQ(mouseSpeed(), 1);
    SendMessageW(coreWindow(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(mouseSpeed(), 1) << "a session end that was cancelled changes nothing";
    SendMessageW(coreWindow(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(mouseSpeed(), kUserSpeed);
    EXPECT_FALSE(IsWindow(hwnd));
}

// The process ends in these tests; the speeds it set are noted in a file for this process to read.
std::wstring speedNote() { return test::deathTestNotePath(L"ZORBEL_TEST_SPEED_NOTE", L"zorbel-speed-note-"); }

std::string notedSpeeds;
bool noteSpeed(int speed) {
    notedSpeeds += std::to_string(speed) + " ";
    return test::writeBytes(speedNote(), notedSpeeds);
}

// Exit, reachable by keyboard in the tray menu while the overlay is open, and the core window
// destroyed (which runs the exit routine) end the process with the user's speed given back.
void expectSpeedGivenBackWhenTheProgramEnds(void (*end)()) {
    const std::wstring note = speedNote();
    DeleteFileW(note.c_str());
    EXPECT_EXIT(
        {
            if (!test::prepareTrayProcess()) std::_Exit(3);
            replaceMouseSpeedAccess({[]() -> std::optional<int> { return kUserSpeed; }, noteSpeed});
            currentSettings().pMagnifyWindow = 1;
            currentSettings().pMessageBeep = 0;
            if (!startRegionCapture()) std::_Exit(4);
            SendMessageW(regionOverlayWindow(), WM_MBUTTONDOWN, 0, 0);
            if (!isPrecisionModeOn()) std::_Exit(5);
            end();
            std::_Exit(6); // the program lived on
        },
        ::testing::ExitedWithCode(0), "");
    const std::optional<std::string> noted = test::readBytes(note);
    DeleteFileW(note.c_str());
    EXPECT_EQ(noted.value_or("nothing"), "1 10 ") << "the speeds set, in order";
}

TEST(RegionOverlayDeathTest, ExitGivesTheMouseSpeedBack) {
    expectSpeedGivenBackWhenTheProgramEnds([] { exitRoutine(); });
}

TEST(RegionOverlayDeathTest, CoreWindowDestroyedGivesTheMouseSpeedBack) {
    expectSpeedGivenBackWhenTheProgramEnds([] { DestroyWindow(coreWindow()); });
}

} // namespace
} // namespace zorbel
