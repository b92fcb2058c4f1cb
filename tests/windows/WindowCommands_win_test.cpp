// The tray menu's commands on windows, run through the command table as a chosen item runs them.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "WindowControlTestSupport.h"
#include "app/Commands_win.h"
#include "app/TrayMenu_win.h"
#include "windows/Opacity_win.h"
#include "windows/WindowControls_win.h"
#include "windows/WindowMonitor_win.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

using test::FailureReports;
using test::hasExStyle;
using test::WindowShape;
using test::WindowThread;

constexpr std::size_t kItem = 700; // an identifier far past what the tests' own menus use

void choose(MenuCommand command, HWND hwnd, std::int32_t level = 0) {
    MenuEntry entry;
    entry.command = command;
    entry.window = reinterpret_cast<std::uintptr_t>(hwnd);
    entry.level = level;
    trayCommandTable().store(kItem, std::move(entry));
    executeMenuCommand(static_cast<UINT>(kItem));
}

class WindowCommands : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        monitorRules().assign(1, MonitorRule{});
        test::takeRebuildRequest();
    }
    void TearDown() override { monitorRules().assign(1, MonitorRule{}); }

    HWND makeWindow(const wchar_t* title, int x = 60, int y = 60) {
        WindowShape shape;
        shape.title = title;
        shape.x = x;
        shape.y = y;
        return owner_.createWindow(shape);
    }

    test::ScopedAppData appData_;
    FailureReports failures_;
    WindowThread owner_;
};

TEST_F(WindowCommands, TopMostOnAndOffTwiceAsksForARebuildEachTime) {
    HWND hwnd = makeWindow(L"TopMost twice");
    ASSERT_TRUE(hwnd);
    for (int round = 0; round < 2; ++round) {
        choose(MenuCommand::EnableTopMost, hwnd);
        EXPECT_TRUE(hasExStyle(hwnd, WS_EX_TOPMOST)) << round;
        EXPECT_TRUE(menuRebuildRequested()) << round;
        test::takeRebuildRequest();
        EXPECT_FALSE(menuRebuildRequested());

        choose(MenuCommand::DisableTopMost, hwnd);
        EXPECT_FALSE(hasExStyle(hwnd, WS_EX_TOPMOST)) << round;
        EXPECT_TRUE(menuRebuildRequested()) << round;
        test::takeRebuildRequest();
    }
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WindowCommands, ToggleTopMostLeavesTheRulesAlone) {
    HWND hwnd = makeWindow(L"Hotkey toggle");
    ASSERT_TRUE(rememberMonitoredWindow(hwnd));
    ASSERT_TRUE(hasExStyle(hwnd, WS_EX_TOPMOST));
    EXPECT_TRUE(toggleTopMost(hwnd));
    EXPECT_FALSE(hasExStyle(hwnd, WS_EX_TOPMOST));
    EXPECT_TRUE(matchesMonitorRule(hwnd));
    EXPECT_TRUE(toggleTopMost(hwnd));
    EXPECT_TRUE(hasExStyle(hwnd, WS_EX_TOPMOST));
    EXPECT_TRUE(matchesMonitorRule(hwnd));
}

// A window pinned or moved by hand is no longer re-pinned by the monitor.
TEST_F(WindowCommands, ZOrderCommandsForgetTheRule) {
    const struct {
        MenuCommand command;
        bool topMostAfter;
    } cases[] = {
        {MenuCommand::EnableTopMost, true},
        {MenuCommand::DisableTopMost, false},
        {MenuCommand::MoveToTop, true}, // the pin of "Enable Monitor" stays
        {MenuCommand::MoveToBottom, false},
    };
    HWND hwnd = makeWindow(L"Forgotten by hand");
    ASSERT_TRUE(hwnd);
    for (const auto& c : cases) {
        monitorRules().assign(1, MonitorRule{});
        ASSERT_TRUE(rememberMonitoredWindow(hwnd));
        ASSERT_EQ(monitorRules().size(), 2u);
        ASSERT_TRUE(matchesMonitorRule(hwnd));
        choose(c.command, hwnd);
        EXPECT_FALSE(matchesMonitorRule(hwnd)) << static_cast<int>(c.command);
        EXPECT_TRUE(isClearedRule(monitorRules()[1])) << static_cast<int>(c.command);
        EXPECT_EQ(hasExStyle(hwnd, WS_EX_TOPMOST), c.topMostAfter) << static_cast<int>(c.command);
    }
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WindowCommands, EnableMonitorAddsOneRuleAndSavesIt) {
    HWND hwnd = makeWindow(L"Remembered window");
    choose(MenuCommand::EnableMonitor, hwnd);
    ASSERT_EQ(monitorRules().size(), 2u);
    const MonitorRule rule = monitorRules()[1];
    EXPECT_EQ(rule.title, u"Remembered window");
    EXPECT_EQ(rule.className, test::u16(test::kTestWindowClass));
    EXPECT_EQ(rule.fileName, test::u16(test::besideThisProgram(L"zorbel_win32_tests.exe")));
    EXPECT_EQ(rule.style, GetWindowLongW(hwnd, GWL_STYLE));
    EXPECT_EQ(rule.exStyle, GetWindowLongW(hwnd, GWL_EXSTYLE));
    EXPECT_TRUE(rule.exStyle & WS_EX_TOPMOST);
    const auto saved = test::readBytes(appData_.settingsFile());
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("Remembered window"), std::string::npos);

    // Once more: the window already matches; it is pinned again but gets no second rule.
    choose(MenuCommand::DisableTopMost, hwnd); // forgets the rule
    monitorRules().push_back(rule);
    choose(MenuCommand::EnableMonitor, hwnd);
    EXPECT_EQ(monitorRules().size(), 3u);
    EXPECT_TRUE(hasExStyle(hwnd, WS_EX_TOPMOST));

    choose(MenuCommand::DisableMonitor, hwnd);
    EXPECT_FALSE(hasExStyle(hwnd, WS_EX_TOPMOST));
    EXPECT_FALSE(matchesMonitorRule(hwnd));
}

TEST_F(WindowCommands, MoveToBottomLeavesTheFocusAlone) {
    HWND front = makeWindow(L"Keeps the focus", 100, 100);
    HWND moved = makeWindow(L"Goes to the bottom", 140, 140);
    owner_.runOnThread([&] { SetForegroundWindow(front); });
    test::pumpUntil(1000, [&] { return GetForegroundWindow() == front; });
    ASSERT_EQ(GetForegroundWindow(), front);
    choose(MenuCommand::MoveToBottom, moved);
    test::pumpMessages();
    EXPECT_EQ(GetForegroundWindow(), front);
    // moved now comes after front in the Z-order. Under Wine a window manager restacks the X
    // windows a moment later, and Wine follows what it did.
    const auto movedAfterFront = [&] {
        for (HWND next = GetWindow(front, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
            if (next == moved) return true;
        return false;
    };
    EXPECT_TRUE(test::pumpUntil(2000, movedAfterFront));
    EXPECT_EQ(GetForegroundWindow(), front);
}

TEST_F(WindowCommands, ZeroPutsTheLeftBorderOffTheScreenEdge) {
    HWND hwnd = makeWindow(L"Zeroed", 200, 150);
    RECT before{};
    GetWindowRect(hwnd, &before);
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetWindowInfo(hwnd, &info));
    ASSERT_GT(info.cxWindowBorders, 0u);
    choose(MenuCommand::Zero, hwnd);
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_EQ(after.left, -static_cast<LONG>(info.cxWindowBorders));
    EXPECT_EQ(after.top, 0);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_TRUE(menuRebuildRequested());
}

TEST_F(WindowCommands, OpacityLevels) {
    HWND hwnd = makeWindow(L"Translucent");
    choose(MenuCommand::SetOpacity, hwnd, 10);
    EXPECT_TRUE(hasExStyle(hwnd, WS_EX_LAYERED));
    EXPECT_EQ(windowConstantAlpha(hwnd), std::optional<std::uint8_t>(25));
    choose(MenuCommand::SetOpacity, hwnd, 70);
    EXPECT_EQ(windowConstantAlpha(hwnd), std::optional<std::uint8_t>(178));
    choose(MenuCommand::SetOpacity, hwnd, 100);
    EXPECT_FALSE(hasExStyle(hwnd, WS_EX_LAYERED));
    EXPECT_EQ(windowConstantAlpha(hwnd), std::nullopt);
    // 100 % on an opaque window changes nothing and is no failure.
    choose(MenuCommand::SetOpacity, hwnd, 100);
    EXPECT_FALSE(hasExStyle(hwnd, WS_EX_LAYERED));
    EXPECT_TRUE(failures_.all().empty());
}

// Constant attributes would freeze such a window and removing the style would blacken it for
// good: every level leaves it able to draw itself, and the user is told why.
TEST_F(WindowCommands, OpacityLeavesPerPixelAlphaWindowsAlone) {
    WindowShape shape;
    shape.title = L"Per-pixel alpha";
    shape.exStyle = WS_EX_LAYERED;
    HWND hwnd = owner_.createWindow(shape);
    bool drawn = false;
    owner_.runOnThread([&] { drawn = test::drawWithUpdateLayeredWindow(hwnd); });
    ASSERT_TRUE(drawn);
    for (const int level : {50, 100}) {
        failures_.clear();
        choose(MenuCommand::SetOpacity, hwnd, level);
        EXPECT_TRUE(hasExStyle(hwnd, WS_EX_LAYERED)) << level;
        EXPECT_EQ(windowConstantAlpha(hwnd), std::nullopt) << level;
        owner_.runOnThread([&] { drawn = test::drawWithUpdateLayeredWindow(hwnd); });
        EXPECT_TRUE(drawn) << level;
        ASSERT_EQ(failures_.all().size(), 1u) << level;
        EXPECT_EQ(failures_.all()[0].kind, FailureReport::Kind::FixedText);
        EXPECT_NE(std::u16string(failures_.all()[0].text), u"");
    }
}

TEST_F(WindowCommands, SystemCommands) {
    HWND hwnd = makeWindow(L"Controlled");
    choose(MenuCommand::Minimise, hwnd);
    EXPECT_TRUE(test::pumpUntil(2000, [&] { return IsIconic(hwnd) != FALSE; }));
    choose(MenuCommand::Restore, hwnd);
    EXPECT_TRUE(test::pumpUntil(2000, [&] { return !IsIconic(hwnd); }));
    choose(MenuCommand::Maximise, hwnd);
    EXPECT_TRUE(test::pumpUntil(2000, [&] { return IsZoomed(hwnd) != FALSE; }));
    choose(MenuCommand::CloseGracefully, hwnd);
    EXPECT_TRUE(test::pumpUntil(2000, [&] { return !IsWindow(hwnd); }));
    EXPECT_TRUE(failures_.all().empty());
    // A window that is gone: the system's own refusal is shown.
    choose(MenuCommand::Restore, hwnd);
    ASSERT_EQ(failures_.all().size(), 1u);
    EXPECT_EQ(failures_.all()[0].systemCode, static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
}

// A window whose thread is blocked is left unchanged, and the user hears about it after about
// 100 ms instead of the program freezing.
TEST_F(WindowCommands, AHungWindowIsLeftAloneAndReported) {
    HWND hwnd = makeWindow(L"Hung window", 300, 200);
    RECT before{};
    GetWindowRect(hwnd, &before);
    const LONG exStyleBefore = GetWindowLongW(hwnd, GWL_EXSTYLE);
    owner_.hang();
    const MenuCommand commands[] = {MenuCommand::EnableTopMost, MenuCommand::MoveToBottom, MenuCommand::Zero,
                                    MenuCommand::SetOpacity,    MenuCommand::EnableMonitor, MenuCommand::DisableMonitor};
    for (const MenuCommand command : commands) {
        failures_.clear();
        const auto start = std::chrono::steady_clock::now();
        choose(command, hwnd, 40);
        const double elapsed = test::millisecondsSince(start);
        std::printf("command %d on a hung window: %.0f ms\n", static_cast<int>(command), elapsed);
        // A guard against hanging with the window, not a speed target: about 100 ms is expected.
        EXPECT_LT(elapsed, 1000.0) << static_cast<int>(command);
        ASSERT_EQ(failures_.all().size(), 1u) << "reported once: " << static_cast<int>(command);
        const FailureReport& report = failures_.all()[0];
        EXPECT_TRUE(report.kind == FailureReport::Kind::Balloon || report.systemCode == ERROR_TIMEOUT)
            << report.systemCode;
    }
    // The system commands do not wait for the window at all.
    const auto start = std::chrono::steady_clock::now();
    choose(MenuCommand::Minimise, hwnd);
    EXPECT_LT(test::millisecondsSince(start), 1000.0);
    owner_.resume();
    EXPECT_TRUE(test::pumpUntil(2000, [&] { return IsIconic(hwnd) != FALSE; })) << "it reacts once it runs again";
    owner_.runOnThread([&] { ShowWindow(hwnd, SW_RESTORE); });
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_EXSTYLE), exStyleBefore);
    EXPECT_EQ(monitorRules().size(), 1u);
}

// Close Forcibly never ends the program's own process.
TEST_F(WindowCommands, CloseForciblySparesTheProgramsOwnWindows) {
    HWND own = makeWindow(L"One of ours");
    choose(MenuCommand::CloseForcibly, own);
    ASSERT_EQ(failures_.all().size(), 1u);
    EXPECT_EQ(failures_.all()[0].systemCode, static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(IsWindow(own));
}

TEST_F(WindowCommands, ANonWindowIsReportedWithTheSystemText) {
    HWND gone = makeWindow(L"Soon gone");
    owner_.destroyWindow(gone);
    const MenuCommand commands[] = {MenuCommand::EnableTopMost, MenuCommand::Zero, MenuCommand::SetOpacity};
    for (const MenuCommand command : commands) {
        failures_.clear();
        choose(command, gone, 50);
        ASSERT_EQ(failures_.all().size(), 1u) << static_cast<int>(command);
        // Whatever the system says, the report is never "success".
        const FailureReport& report = failures_.all()[0];
        EXPECT_NE(report.kind == FailureReport::Kind::SystemText ? report.systemCode : 1u, 0u);
    }
}

} // namespace
} // namespace zorbel
