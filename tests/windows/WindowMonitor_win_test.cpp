// The window monitor on windows of a second process: rules made from them, matched against them,
// and windows pinned again by the tray menu's rebuild.
#include "windows/WindowMonitor_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>

#include "WindowControlTestSupport.h"
#include "app/TrayMenu_win.h"
#include "windows/WindowControls_win.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

using test::FailureReports;
using test::hasExStyle;
using test::HostWindow;

bool menuOffers(MenuCommand command, HWND hwnd) {
    const CommandTable& table = trayCommandTable();
    for (std::size_t i = 1; i < table.size(); ++i) {
        const MenuEntry* entry = table.find(i);
        if (entry && entry->command == command && entry->window == reinterpret_cast<std::uintptr_t>(hwnd)) return true;
    }
    return false;
}

bool listed(HWND hwnd) {
    const CommandTable& table = trayCommandTable();
    for (std::size_t i = 1; i < table.size(); ++i) {
        const MenuEntry* entry = table.find(i);
        if (entry && entry->command == MenuCommand::None && entry->window == reinterpret_cast<std::uintptr_t>(hwnd))
            return true;
    }
    return false;
}

// The rebuild lists no window at all when the number of windows changes between its two
// NtUserBuildHwndList calls, as it does while Wine starts the helper programs' own windows; the
// next rebuild lists them.
void rebuildUntilListed(std::initializer_list<HWND> windows) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        rebuildTrayMenu();
        if (std::all_of(windows.begin(), windows.end(), listed)) return;
        test::pumpUntil(200, [] { return false; });
    }
    ADD_FAILURE() << "the windows were never listed";
}

bool endsWith(const std::u16string& text, const std::u16string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class WindowMonitorWin : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        monitorRules().assign(1, MonitorRule{});
    }
    void TearDown() override { monitorRules().assign(1, MonitorRule{}); }

    // A window of this process in front, so that a re-pin that activated its window would show.
    HWND takeForeground() {
        test::WindowShape shape;
        shape.title = L"Has the focus";
        shape.x = 600;
        HWND mine = owner_.createWindow(shape);
        owner_.runOnThread([&] { SetForegroundWindow(mine); });
        test::pumpUntil(1000, [&] { return GetForegroundWindow() == mine; });
        return mine;
    }

    // Remembers a window of the host program, then ends it: the rule outlives the window.
    void rememberHostAndEnd(const wchar_t* title) {
        HostWindow host(title);
        ASSERT_TRUE(host);
        ASSERT_TRUE(rememberMonitoredWindow(host.hwnd()));
        ASSERT_EQ(monitorRules().size(), 2u);
    }

    test::ScopedAppData appData_;
    FailureReports failures_;
    test::WindowThread owner_;
};

TEST_F(WindowMonitorWin, ARuleIsMadeFromTheOtherProgramsWindow) {
    rememberHostAndEnd(L"Rule source");
    const MonitorRule& rule = monitorRules()[1];
    EXPECT_EQ(rule.title, u"Rule source");
    EXPECT_EQ(rule.className, u"ZorbelHostWindow");
    EXPECT_TRUE(endsWith(rule.fileName, u"\\windowhost_win.exe")) << test::w(rule.fileName);
    EXPECT_TRUE(rule.exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WindowMonitorWin, TheRebuildPinsAReCreatedWindowAgainWithoutActivatingIt) {
    rememberHostAndEnd(L"Monitored host");
    HostWindow again(L"Monitored host with another caption");
    ASSERT_TRUE(again);
    EXPECT_FALSE(hasExStyle(again.hwnd(), WS_EX_TOPMOST));
    HWND front = takeForeground();
    ASSERT_EQ(GetForegroundWindow(), front);

    rebuildUntilListed({again.hwnd()});
    EXPECT_TRUE(hasExStyle(again.hwnd(), WS_EX_TOPMOST));
    EXPECT_TRUE(menuOffers(MenuCommand::DisableMonitor, again.hwnd()));
    EXPECT_TRUE(menuOffers(MenuCommand::DisableTopMost, again.hwnd())) << "the menu shows the window pinned";
    test::pumpMessages();
    EXPECT_EQ(GetForegroundWindow(), front);
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WindowMonitorWin, TheRebuildLeavesWindowsOfAnotherStyleAlone) {
    rememberHostAndEnd(L"Style source");
    HostWindow maximised(L"Maximised host", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE);
    HostWindow toolWindow(L"Tool window host", WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW | WS_EX_TOOLWINDOW);
    HostWindow same(L"Same style host");
    ASSERT_TRUE(maximised && toolWindow && same);
    ASSERT_TRUE(IsZoomed(maximised.hwnd()));

    rebuildUntilListed({maximised.hwnd(), toolWindow.hwnd(), same.hwnd()});
    EXPECT_TRUE(hasExStyle(same.hwnd(), WS_EX_TOPMOST));
    for (HWND other : {maximised.hwnd(), toolWindow.hwnd()}) {
        EXPECT_FALSE(hasExStyle(other, WS_EX_TOPMOST));
        EXPECT_TRUE(menuOffers(MenuCommand::EnableMonitor, other));
        EXPECT_TRUE(menuOffers(MenuCommand::EnableTopMost, other));
    }
}

TEST_F(WindowMonitorWin, ExtendedStyleMatchesWithAndWithoutTopMost) {
    HostWindow host(L"Extended style host");
    ASSERT_TRUE(host);
    HWND hwnd = host.hwnd();
    const MonitorWindowFacts facts = readMonitorFacts(hwnd);
    ASSERT_FALSE(facts.exStyle & WS_EX_TOPMOST);
    const std::u16string path = windowProgramPath(hwnd);
    ASSERT_FALSE(path.empty());
    const auto ruleWithExStyle = [&](std::int32_t exStyle) {
        monitorRules().assign(1, MonitorRule{});
        monitorRules().push_back({u"t", path, facts.className, facts.style, exStyle});
    };

    ruleWithExStyle(facts.exStyle | WS_EX_TOPMOST); // stored from the pinned window
    EXPECT_TRUE(matchesMonitorRule(hwnd));
    ASSERT_TRUE(setWindowZOrder(hwnd, HWND_TOPMOST));
    EXPECT_TRUE(matchesMonitorRule(hwnd));

    ruleWithExStyle(facts.exStyle); // stored from a window that was not pinned
    EXPECT_FALSE(matchesMonitorRule(hwnd)) << "pinned, and the rule never was";
    ASSERT_TRUE(setWindowZOrder(hwnd, HWND_NOTOPMOST));
    EXPECT_TRUE(matchesMonitorRule(hwnd));

    ruleWithExStyle(facts.exStyle | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_FALSE(matchesMonitorRule(hwnd));

    monitorRules().assign(1, MonitorRule{});
    monitorRules().push_back({u"t", path + u"x", facts.className, facts.style, facts.exStyle | WS_EX_TOPMOST});
    EXPECT_FALSE(matchesMonitorRule(hwnd)) << "another program";
}

// A window that turns the pin down quietly (SetWindowPos returns success, the style stays) is
// reported with a true text once, not at every rebuild.
TEST_F(WindowMonitorWin, ARefusedRepinIsReportedOnce) {
    rememberHostAndEnd(L"Refusing host source");
    HostWindow refusing(L"Refusing host", WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW, HostWindow::ZOrder::Refused);
    ASSERT_TRUE(refusing);
    rebuildUntilListed({refusing.hwnd()});
    for (int rebuild = 0; rebuild < 3; ++rebuild) rebuildTrayMenu();
    EXPECT_FALSE(hasExStyle(refusing.hwnd(), WS_EX_TOPMOST));
    ASSERT_EQ(failures_.all().size(), 1u);
    const FailureReport& report = failures_.all()[0];
    EXPECT_EQ(report.kind, FailureReport::Kind::SystemText);
    EXPECT_NE(report.systemCode, 0u) << "never the text of success";
    EXPECT_TRUE(menuOffers(MenuCommand::DisableMonitor, refusing.hwnd()));
    EXPECT_TRUE(menuOffers(MenuCommand::EnableTopMost, refusing.hwnd())) << "shown as it is: not pinned";

    // Pinned from the menu, the same refusal is reported every time: the user asked.
    failures_.clear();
    EXPECT_FALSE(setWindowZOrder(refusing.hwnd(), HWND_TOPMOST));
    EXPECT_FALSE(setWindowZOrder(refusing.hwnd(), HWND_TOPMOST));
    EXPECT_EQ(failures_.all().size(), 2u);
}

TEST_F(WindowMonitorWin, AHungWindowOfAnotherProgram) {
    HostWindow host(L"Hung host");
    ASSERT_TRUE(host);
    host.hang();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(rememberMonitoredWindow(host.hwnd()));
    const double elapsed = test::millisecondsSince(start);
    std::printf("Enable Monitor on a hung window of another process: %.0f ms\n", elapsed);
    EXPECT_LT(elapsed, 1000.0); // a guard against hanging with it; about 100 ms is expected
    EXPECT_EQ(monitorRules().size(), 1u);
    EXPECT_FALSE(hasExStyle(host.hwnd(), WS_EX_TOPMOST));
    EXPECT_EQ(failures_.all().size(), 1u);
}

TEST_F(WindowMonitorWin, CloseForciblyEndsTheOtherProgram) {
    HostWindow host(L"Forcibly closed host");
    ASSERT_TRUE(host);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(runWindowCommand(MenuCommand::CloseForcibly, reinterpret_cast<std::uintptr_t>(host.hwnd()), 0));
    EXPECT_LT(test::millisecondsSince(start), 1000.0) << "the work is on a thread of its own";
    EXPECT_TRUE(test::pumpUntil(5000, [&] { return !IsWindow(host.hwnd()); }));
    EXPECT_TRUE(failures_.all().empty());
}

TEST_F(WindowMonitorWin, CloseForciblyOnAHungWindowDoesNotHoldTheProgramUp) {
    HostWindow host(L"Hung, forcibly closed");
    ASSERT_TRUE(host);
    host.hang();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(runWindowCommand(MenuCommand::CloseForcibly, reinterpret_cast<std::uintptr_t>(host.hwnd()), 0));
    const double elapsed = test::millisecondsSince(start);
    std::printf("Close Forcibly on a hung window returned after %.0f ms\n", elapsed);
    EXPECT_LT(elapsed, 1000.0);
    EXPECT_TRUE(host.ended(3000));
}

} // namespace
} // namespace zorbel
