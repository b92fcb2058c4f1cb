#include "app/CoreWindow_win.h"

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "WinTestSupport.h"
#include "app/MenuIcons_win.h"
#include "app/Process_win.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"

namespace zorbel {
namespace {

class CoreWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        ASSERT_NE(taskbarCreatedMessage(), 0u);
        ASSERT_NE(shellHookMessage(), 0u);
        clearRebuildRequest();
    }

    // The timer procedure rebuilds and clears the flag; that is the only way the flag goes down.
    static void clearRebuildRequest() {
        if (menuRebuildRequested()) trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
        ASSERT_FALSE(menuRebuildRequested());
    }
};

// ---- "TaskbarCreated" ----------------------------------------------------------------------------

TEST_F(CoreWindowTest, TaskbarCreatedAddsTheTrayIconAgain) {
    HWND core = coreWindow();
    ASSERT_TRUE(test::trayIconExists(core));
    // What an Explorer restart does to the icons: they are gone.
    test::deleteTrayIcon(core);
    ASSERT_FALSE(test::trayIconExists(core)) << "the icon probe must see a missing icon";

    EXPECT_EQ(SendMessageW(core, taskbarCreatedMessage(), 0, 0), 0);
    EXPECT_TRUE(test::trayIconExists(core));
    // So that an elevated instance gets the broadcast from the unelevated shell.
    EXPECT_TRUE(taskbarCreatedPassesMessageFilter());
}

TEST_F(CoreWindowTest, TaskbarCreatedWithTheIconPresentLeavesExactlyOne) {
    HWND core = coreWindow();
    ASSERT_TRUE(test::trayIconExists(core));
    SendMessageW(core, taskbarCreatedMessage(), 0, 0);
    SendMessageW(core, taskbarCreatedMessage(), 0, 0);
    ASSERT_TRUE(test::trayIconExists(core));
    // One delete removes it: the message replaced the icon instead of adding a second one.
    test::deleteTrayIcon(core);
    EXPECT_FALSE(test::trayIconExists(core));
    recreateTrayIcon();
    EXPECT_TRUE(test::trayIconExists(core));
}

// ---- "SHELLHOOK" ---------------------------------------------------------------------------------

enum class Target { Window, Zero, Negative };

struct ShellHookCase {
    const char* name;
    WPARAM code;
    Target target;
    bool rebuild;
};

void PrintTo(const ShellHookCase& c, std::ostream* out) { *out << c.name; }

const ShellHookCase kShellHookCases[] = {
    {"WindowCreated", 1, Target::Window, true},
    {"WindowDestroyed", 2, Target::Window, true},
    {"Redraw", 6, Target::Window, true},
    {"RudeAppActivated", 0x8004, Target::Window, true},
    {"WindowCreatedWithoutWindow", 1, Target::Zero, false},
    {"WindowDestroyedWithoutWindow", 2, Target::Zero, false},
    {"RedrawWithoutWindow", 6, Target::Zero, false},
    {"RudeAppActivatedWithoutWindow", 0x8004, Target::Zero, false},
    {"WindowCreatedNegative", 1, Target::Negative, false},
    {"RedrawNegative", 6, Target::Negative, false},
    {"Code0", 0, Target::Window, false},
    {"ActivateShellWindow", 3, Target::Window, false},
    {"WindowActivated", 4, Target::Window, false},
    {"GetMinRect", 5, Target::Window, false},
    {"TaskMan", 7, Target::Window, false},
    {"Language", 8, Target::Window, false},
    {"WindowReplaced", 13, Target::Window, false},
    {"Flash", 0x8006, Target::Window, false},
    {"HighBitOnly", 0x8000, Target::Window, false},
    {"WindowCreatedHighBit", 0x8001, Target::Window, false},
};

class ShellHookTest : public CoreWindowTest, public ::testing::WithParamInterface<ShellHookCase> {};

TEST_P(ShellHookTest, OnlyWindowChangesWithAWindowRequestARebuild) {
    const ShellHookCase& c = GetParam();
    LPARAM target = 0;
    if (c.target == Target::Window) target = reinterpret_cast<LPARAM>(coreWindow()); // any window will do
    if (c.target == Target::Negative) target = -2;

    EXPECT_EQ(SendMessageW(coreWindow(), shellHookMessage(), c.code, target), 0);
    EXPECT_EQ(menuRebuildRequested(), c.rebuild);
    // The same notification posted goes through the queue to the same place.
    clearRebuildRequest();
    PostMessageW(coreWindow(), shellHookMessage(), c.code, target);
    test::pumpMessages();
    EXPECT_EQ(menuRebuildRequested(), c.rebuild);
}

INSTANTIATE_TEST_SUITE_P(Codes, ShellHookTest, ::testing::ValuesIn(kShellHookCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Tray callback -------------------------------------------------------------------------------

// Sends the tray callback with a mouse message and tells whether the tray menu opened for it. A
// thread timer fires inside the menu's modal loop, notes what it sees and closes the menu.
struct MenuObservation {
    bool opened = false;
    bool shownFlag = false;
};

MenuObservation observed;
void (*duringMenu)() = nullptr;

void CALLBACK closeMenuTimer(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    KillTimer(nullptr, id);
    observed.opened = true;
    observed.shownFlag = isTrayMenuShown();
    if (duringMenu) duringMenu();
    EndMenu();
}

MenuObservation sendTrayCallback(LPARAM mouseMessage) {
    observed = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, closeMenuTimer);
    SendMessageW(coreWindow(), kTrayCallbackMessage, 0, mouseMessage);
    KillTimer(nullptr, timer);
    test::pumpMessages(); // the WM_NULL that follows a click
    return observed;
}

struct ClickCase {
    const char* name;
    LPARAM mouseMessage;
    bool opens;
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.name; }

const ClickCase kClickCases[] = {
    {"LeftDown", WM_LBUTTONDOWN, true},       {"RightDown", WM_RBUTTONDOWN, true},
    {"LeftDouble", WM_LBUTTONDBLCLK, true},   {"RightDouble", WM_RBUTTONDBLCLK, true},
    {"LeftUp", WM_LBUTTONUP, false},          {"RightUp", WM_RBUTTONUP, false},
    {"MiddleDown", WM_MBUTTONDOWN, false},    {"MouseMove", WM_MOUSEMOVE, false},
    {"ContextMenu", WM_CONTEXTMENU, false},
};

class TrayClickTest : public CoreWindowTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(TrayClickTest, ButtonPressesAndDoubleClicksOpenTheMenu) {
    rebuildTrayMenu();
    ASSERT_NE(trayMenu(), nullptr);
    const MenuObservation seen = sendTrayCallback(GetParam().mouseMessage);
    EXPECT_EQ(seen.opened, GetParam().opens);
    if (seen.opened) {
        EXPECT_TRUE(seen.shownFlag) << "the menu-shown flag is up while the menu is open";
    }
    EXPECT_FALSE(isTrayMenuShown()) << "and down again afterwards";
}

INSTANTIATE_TEST_SUITE_P(Messages, TrayClickTest, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoreWindowTest, NoMenuOpensBeforeTheFirstRebuild) {
    destroyTrayMenu();
    EXPECT_FALSE(sendTrayCallback(WM_RBUTTONDOWN).opened);
    rebuildTrayMenu();
    EXPECT_TRUE(sendTrayCallback(WM_RBUTTONDOWN).opened);
}

struct TimerWhileShown {
    bool menuKept = false;
    bool requestKept = false;
    bool rebuildingFlag = true;
};
TimerWhileShown timerWhileShown;

TEST_F(CoreWindowTest, TimerDoesNotRebuildWhileTheMenuIsOpen) {
    rebuildTrayMenu();
    ASSERT_NE(trayMenu(), nullptr);
    timerWhileShown = {};
    duringMenu = [] {
        const HMENU before = trayMenu();
        requestMenuRebuild();
        trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
        timerWhileShown.menuKept = trayMenu() == before && IsMenu(before);
        timerWhileShown.requestKept = menuRebuildRequested();
        timerWhileShown.rebuildingFlag = isTrayMenuRebuilding();
    };
    const MenuObservation seen = sendTrayCallback(WM_RBUTTONDOWN);
    duringMenu = nullptr;
    ASSERT_TRUE(seen.opened);
    EXPECT_TRUE(timerWhileShown.menuKept) << "the open menu was replaced under the user";
    EXPECT_TRUE(timerWhileShown.requestKept) << "the request waits for the menu to close";
    EXPECT_FALSE(timerWhileShown.rebuildingFlag);

    // Once the menu has closed, the next tick does the rebuild it was asked for.
    const HMENU before = trayMenu();
    trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
    EXPECT_FALSE(menuRebuildRequested());
    EXPECT_NE(trayMenu(), before);
    EXPECT_FALSE(IsMenu(before)) << "the replaced menu is destroyed";
}

// A tray callback that the open menu's modal loop dispatches must not open the menu inside itself:
// the inner call would clear the menu-shown flag while the outer menu is still up.
struct NestedClick {
    bool shownAfter = false;
    bool nestedMenuOpened = false;
};
NestedClick nestedClick;

void CALLBACK closeNestedMenuTimer(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    KillTimer(nullptr, id);
    nestedClick.nestedMenuOpened = true;
    EndMenu();
}

TEST_F(CoreWindowTest, TrayCallbackWhileTheMenuIsShownOpensNothing) {
    rebuildTrayMenu();
    ASSERT_NE(trayMenu(), nullptr);
    for (const LPARAM click : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK}) {
        SCOPED_TRACE(click);
        nestedClick = {};
        duringMenu = [] {
            // Only a second menu loop would let this timer fire before the callback returns.
            const UINT_PTR guard = SetTimer(nullptr, 0, 500, closeNestedMenuTimer);
            SendMessageW(coreWindow(), kTrayCallbackMessage, 0, WM_RBUTTONDOWN);
            KillTimer(nullptr, guard);
            nestedClick.shownAfter = isTrayMenuShown();
        };
        const MenuObservation seen = sendTrayCallback(click);
        duringMenu = nullptr;
        ASSERT_TRUE(seen.opened);
        EXPECT_FALSE(nestedClick.nestedMenuOpened) << "a second menu opened inside the first";
        EXPECT_TRUE(nestedClick.shownAfter) << "the inner click cleared the flag of the open menu";
        EXPECT_FALSE(isTrayMenuShown()) << "the flag goes down when the outer menu closes";
    }
}

TEST_F(CoreWindowTest, TimerWithoutRequestKeepsTheMenu) {
    rebuildTrayMenu();
    const HMENU before = trayMenu();
    trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
    EXPECT_EQ(trayMenu(), before);
    EXPECT_TRUE(IsMenu(before));
}

// A tray click that arrives while the rebuild runs opens nothing. The rebuild asks every window
// whether it answers; this window's answer is where the click is sent from.
struct ClickDuringRebuild {
    bool sent = false;
    bool rebuildingFlag = false;
    bool opened = true;
};
ClickDuringRebuild clickDuringRebuild;

LRESULT CALLBACK clickingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NULL && !clickDuringRebuild.sent && isTrayMenuRebuilding()) {
        clickDuringRebuild.sent = true;
        clickDuringRebuild.rebuildingFlag = true;
        clickDuringRebuild.opened = sendTrayCallback(WM_RBUTTONDOWN).opened;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(CoreWindowTest, TrayClickDuringARebuildOpensNothing) {
    rebuildTrayMenu();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = clickingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorbelClickingWindow";
    RegisterClassExW(&windowClass);
    UniqueWindow window(CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"Clicks during the rebuild",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(window);
    clickDuringRebuild = {};
    requestMenuRebuild();
    trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
    ASSERT_TRUE(clickDuringRebuild.sent) << "the rebuild did not ask the window";
    EXPECT_TRUE(clickDuringRebuild.rebuildingFlag);
    EXPECT_FALSE(clickDuringRebuild.opened);
    EXPECT_FALSE(isTrayMenuRebuilding());
    EXPECT_TRUE(sendTrayCallback(WM_RBUTTONDOWN).opened) << "the next click works";
}

// ---- Close requests ------------------------------------------------------------------------------

struct CloseCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    bool posted;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

// taskkill without /F posts WM_CLOSE; SC_CLOSE carries flags in its low four bits.
const CloseCase kCloseCases[] = {
    {"CloseSent", WM_CLOSE, 0, false},
    {"ClosePosted", WM_CLOSE, 0, true},
    {"SysCommandCloseSent", WM_SYSCOMMAND, SC_CLOSE, false},
    {"SysCommandClosePosted", WM_SYSCOMMAND, SC_CLOSE, true},
    {"SysCommandCloseWithLowBits", WM_SYSCOMMAND, SC_CLOSE | 0x2, true},
};

class CloseRequestTest : public CoreWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRequestTest, CoreWindowIgnoresItAndItsMenuStillOpens) {
    const CloseCase& c = GetParam();
    rebuildTrayMenu();
    HWND core = coreWindow();
    if (c.posted) {
        ASSERT_TRUE(PostMessageW(core, c.message, c.wParam, 0));
        test::pumpMessages();
    } else {
        EXPECT_EQ(SendMessageW(core, c.message, c.wParam, 0), 0);
    }
    ASSERT_TRUE(IsWindow(core)) << "the core window was destroyed";
    EXPECT_EQ(coreWindow(), core);
    EXPECT_TRUE(test::trayIconExists(core));
    EXPECT_TRUE(sendTrayCallback(WM_RBUTTONDOWN).opened);
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseRequestTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The test's child process writes the handle of its core window here, so that this process can
// look for the child's tray icon once it has ended.
std::wstring coreHandleNote() { return test::deathTestNotePath(L"ZORBEL_TEST_CORE_NOTE", L"zorbel-core-note-"); }

TEST(CoreWindowDeathTest, DestroyedFromElsewhereEndsTheProgramThroughTheExitRoutine) {
    const std::wstring note = coreHandleNote();
    DeleteFileW(note.c_str());
    EXPECT_EXIT(
        {
            if (!test::prepareTrayProcess()) std::_Exit(3);
            (void)createSingleInstanceMutex();
            const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(coreWindow()));
            if (!test::writeBytes(note, handle)) std::_Exit(4);
            DestroyWindow(coreWindow());
            std::_Exit(5); // the window went and the process lives on
        },
        ::testing::ExitedWithCode(0), "");
    const std::optional<std::string> handle = test::readBytes(note);
    DeleteFileW(note.c_str());
    ASSERT_TRUE(handle && !handle->empty()) << "the child did not get as far as destroying its window";
    // A process that ends without the exit routine leaves its icon behind in the tray.
    const HWND childCore = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::stoull(*handle)));
    EXPECT_FALSE(test::trayIconExists(childCore)) << "the tray icon outlived the program";
}

TEST_F(CoreWindowTest, MouseMoveRefreshesTheTooltipWithoutTouchingTheIcon) {
    HWND core = coreWindow();
    rebuildTrayMenu();
    EXPECT_EQ(SendMessageW(core, kTrayCallbackMessage, 0, WM_MOUSEMOVE), 0);
    EXPECT_TRUE(test::trayIconExists(core));
    EXPECT_FALSE(menuRebuildRequested());

    // Without an icon the refresh must not bring one back: only "TaskbarCreated" does that.
    removeTrayIcon();
    ASSERT_FALSE(test::trayIconExists(core));
    EXPECT_EQ(SendMessageW(core, kTrayCallbackMessage, 0, WM_MOUSEMOVE), 0);
    EXPECT_FALSE(test::trayIconExists(core));
    recreateTrayIcon();
    EXPECT_TRUE(test::trayIconExists(core));
}

TEST_F(CoreWindowTest, MouseMoveShowsTheCountsOfTheLastRebuild) {
    test::WindowShape plain;
    plain.title = L"Tooltip plain window";
    test::WindowShape pinned = plain;
    pinned.title = L"Tooltip TopMost window";
    pinned.exStyle |= WS_EX_TOPMOST;
    const UniqueWindow plainWindow = test::createTestWindow(plain);
    const UniqueWindow pinnedWindow = test::createTestWindow(pinned);
    ASSERT_TRUE(plainWindow && pinnedWindow);
    rebuildTrayMenu();
    ASSERT_GE(listedWindowCount(), 2);
    ASSERT_GE(listedTopMostCount(), 1);
    EXPECT_EQ(SendMessageW(coreWindow(), kTrayCallbackMessage, 0, WM_MOUSEMOVE), 0);
    const std::u16string expected = u"Windows : " + test::decimal(listedWindowCount()) + u"\r\nTopMost : " +
                                    test::decimal(listedTopMostCount());
    EXPECT_EQ(trayTooltip(), expected);
}

TEST_F(CoreWindowTest, DpiChangeAtTheSameDpiKeepsTheMenuImages) {
    const HBITMAP before = menuIcon(5);
    ASSERT_NE(before, nullptr);
    const int dpi = smallIconMetrics().dpi;
    EXPECT_EQ(SendMessageW(coreWindow(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0), 0);
    EXPECT_EQ(menuIcon(5), before) << "reloaded although the system DPI did not change";
    EXPECT_EQ(smallIconMetrics().dpi, dpi);
    EXPECT_TRUE(test::trayIconExists(coreWindow()));
}

// ---- Menu commands -------------------------------------------------------------------------------

std::wstring startupCopyPath() {
    PWSTR folder = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_DEFAULT_PATH, nullptr, &folder) != S_OK) return {};
    std::wstring path = std::wstring(folder) + L"\\Zorbel!.exe";
    CoTaskMemFree(folder);
    return path;
}

// Run at Start-Up is the one command with an effect outside the process that ends nothing: it
// copies the program into the Startup folder.
TEST_F(CoreWindowTest, MenuCommandRunsTheEntryOfItsIdentifierAndControlsDoNot) {
    const std::wstring copy = startupCopyPath();
    ASSERT_FALSE(copy.empty());
    if (test::fileExists(copy)) GTEST_SKIP() << "a real copy is in the Startup folder; left alone";
    rebuildTrayMenu();
    UINT identifier = 0;
    for (std::size_t i = 1; i < trayCommandTable().size(); ++i)
        if (trayCommandTable().find(i)->command == MenuCommand::RunAtStartUp) identifier = static_cast<UINT>(i);
    if (identifier == 0) GTEST_SKIP() << "this process runs from the Startup folder";

    // From a control (its handle in lParam) or with a notification code: not a menu command.
    test::WindowShape hidden;
    hidden.style = WS_OVERLAPPEDWINDOW;
    UniqueWindow control = test::createTestWindow(hidden);
    SendMessageW(coreWindow(), WM_COMMAND, MAKEWPARAM(identifier, 0), reinterpret_cast<LPARAM>(control.get()));
    SendMessageW(coreWindow(), WM_COMMAND, MAKEWPARAM(identifier, 1), reinterpret_cast<LPARAM>(control.get()));
    EXPECT_FALSE(test::fileExists(copy));
    // Identifiers that index nothing do nothing.
    SendMessageW(coreWindow(), WM_COMMAND, MAKEWPARAM(0, 0), 0);
    SendMessageW(coreWindow(), WM_COMMAND, MAKEWPARAM(static_cast<UINT>(trayCommandTable().size()) + 5, 0), 0);
    EXPECT_FALSE(test::fileExists(copy));

    SendMessageW(coreWindow(), WM_COMMAND, MAKEWPARAM(identifier, 0), 0);
    const bool copied = test::fileExists(copy);
    DeleteFileW(copy.c_str());
    EXPECT_TRUE(copied);
}

} // namespace
} // namespace zorbel
