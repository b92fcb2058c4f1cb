#include "windows/MonitoredWindows_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "WinTestSupport.h"
#include "app/DpiLayout.h"
#include "app/ToolWindow_win.h"
#include "app/TrayMenu_win.h"
#include "windows/MonitoredWindowsText.h"
#include "windows/WindowMonitor.h"

namespace zorbel {
namespace {

std::wstring programFile() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

MonitorRule rule(const std::u16string& title, const std::u16string& className) {
    MonitorRule r;
    r.title = title;
    r.className = className;
    r.fileName = test::u16(programFile()); // an existing file, so that a save keeps the rule
    r.style = 0x14CF0000;
    r.exStyle = 0x108;
    return r;
}

std::vector<std::wstring> listRows(HWND list) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        wchar_t text[512]{};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        rows.emplace_back(text);
    }
    return rows;
}

BOOL CALLBACK countOurWindows(HWND hwnd, LPARAM parameter) noexcept {
    wchar_t className[64]{};
    GetClassNameW(hwnd, className, 64);
    if (std::wstring(className) == kMonitoredWindowsClass) ++*reinterpret_cast<int*>(parameter);
    return TRUE;
}

class MonitoredWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::prepareTrayProcess());
        // Saves go to a folder of the test's own.
        SetEnvironmentVariableW(L"APPDATA", appData_.path().c_str());
        monitorRules() = MonitorRules(1);
        monitorRules().push_back(rule(u"Untitled - Notepad", u"Notepad"));
        monitorRules().push_back(rule(u"Calculator", u"CalcFrame"));
        monitorRules().push_back(rule(u"Paint", u"MSPaintApp"));
        if (menuRebuildRequested()) trayMenuTimerProc(coreWindow(), WM_TIMER, kRebuildTimerId, 0);
        openMonitoredWindows();
        window_ = monitoredWindowsWindow();
        ASSERT_NE(window_, nullptr);
        list_ = FindWindowExW(window_, nullptr, L"ListBox", nullptr);
        ASSERT_NE(list_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) SendMessageW(window_, WM_CLOSE, 0, 0);
        monitorRules() = MonitorRules(1);
    }

    void select(std::initializer_list<int> rows) {
        SendMessageW(list_, LB_SETSEL, FALSE, -1);
        for (int row : rows) SendMessageW(list_, LB_SETSEL, TRUE, row);
    }
    void pressKey(UINT vk, bool control) {
        BYTE state[256]{};
        GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageW(list_, WM_KEYDOWN, vk, 1);
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
    }
    std::string settingsFile() const {
        return test::readBytes(appData_.path() + L"\\Zorbel!\\Zorbel!.ini").value_or("<no file>");
    }

    test::TempFolder appData_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(MonitoredWindowsTest, ListsEveryRuleInAListFillingTheWindow) {
    wchar_t title[64]{};
    GetWindowTextW(window_, title, 64);
    EXPECT_STREQ(title, L"Monitored Windows");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(listRows(list_), (std::vector<std::wstring>{L"   1 | Untitled - Notepad (Notepad)",
                                                           L"   2 | Calculator (CalcFrame)",
                                                           L"   3 | Paint (MSPaintApp)"}));
    const LONG style = GetWindowLongW(list_, GWL_STYLE);
    EXPECT_TRUE(style & LBS_EXTENDEDSEL);
    EXPECT_TRUE(GetWindowLongW(list_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    const int dpi = windowDpi(window_);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, scaleForDpi(600, dpi));
    EXPECT_EQ(client.bottom, scaleForDpi(300, dpi));
    RECT outer{};
    GetWindowRect(list_, &outer);
    EXPECT_EQ(outer.right - outer.left, client.right);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom);

    // Resized: the list follows the client area.
    SetWindowPos(window_, nullptr, 0, 0, 500, 420, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(window_, &client);
    GetWindowRect(list_, &outer);
    EXPECT_EQ(outer.right - outer.left, client.right);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom);

    // The interface font.
    const auto font = reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logFont{};
    GetObjectW(font, sizeof(logFont), &logFont);
    EXPECT_STREQ(logFont.lfFaceName, L"Courier New");
}

// The margin right of the widest row is designed at 96 DPI like everything else.
TEST_F(MonitoredWindowsTest, ScrollRangeMarginScalesWithTheDpi) {
    RECT suggested{100, 80, 100 + 916, 80 + 489};
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const HDC dc = GetDC(list_);
    ASSERT_NE(dc, nullptr);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::wstring& row : listRows(list_)) {
        SIZE size{};
        GetTextExtentPoint32W(dc, row.c_str(), static_cast<int>(row.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(list_, dc);
    EXPECT_EQ(SendMessageW(list_, LB_GETHORIZONTALEXTENT, 0, 0), widest + scaleForDpi(8, 144));
}

TEST_F(MonitoredWindowsTest, OpensOnceRefreshesAndClosesForGood) {
    openMonitoredWindows();
    EXPECT_EQ(monitoredWindowsWindow(), window_);
    int count = 0;
    EnumWindows(countOurWindows, reinterpret_cast<LPARAM>(&count));
    EXPECT_EQ(count, 1);

    // Rules changed elsewhere ("Disable Monitor" clears one, "Enable Monitor" adds one).
    monitorRules()[2] = MonitorRule{};
    monitorRules().push_back(rule(u"Mail", u"MailFrame"));
    refreshMonitoredWindows();
    EXPECT_EQ(listRows(list_), (std::vector<std::wstring>{L"   1 | Untitled - Notepad (Notepad)", L"   2 |  ()",
                                                           L"   3 | Paint (MSPaintApp)", L"   4 | Mail (MailFrame)"}));

    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(monitoredWindowsWindow(), nullptr);
    refreshMonitoredWindows(); // nothing to refresh, and no crash

    openMonitoredWindows();
    window_ = monitoredWindowsWindow();
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(SendMessageW(FindWindowExW(window_, nullptr, L"ListBox", nullptr), LB_GETCOUNT, 0, 0), 4);
}

TEST_F(MonitoredWindowsTest, DeleteRemovesExactlyTheSelectedRulesAndSaves) {
    // Nothing selected, or Ctrl+Delete: nothing goes.
    select({});
    pressKey(VK_DELETE, false);
    select({1});
    pressKey(VK_DELETE, true);
    EXPECT_EQ(monitorRules().size(), 4u);
    EXPECT_FALSE(menuRebuildRequested());

    select({0});
    pressKey(VK_DELETE, false);
    // Rule 3 takes the freed first place.
    EXPECT_EQ(listRows(list_), (std::vector<std::wstring>{L"   1 | Paint (MSPaintApp)", L"   2 | Calculator (CalcFrame)"}));
    ASSERT_EQ(monitorRules().size(), 3u);
    EXPECT_EQ(monitorRules()[1].title, u"Paint");
    EXPECT_TRUE(menuRebuildRequested());
    std::string saved = settingsFile();
    EXPECT_EQ(saved.find("Notepad"), std::string::npos) << saved;
    EXPECT_NE(saved.find("1 Title = Paint"), std::string::npos) << saved;
    EXPECT_NE(saved.find("2 Title = Calculator"), std::string::npos) << saved;

    // The first and the last of three: only the middle one stays.
    monitorRules().push_back(rule(u"Mail", u"MailFrame"));
    refreshMonitoredWindows();
    ASSERT_EQ(listRows(list_).size(), 3u);
    select({0, 2});
    SendMessageW(window_, WM_COMMAND, static_cast<WPARAM>(MonitoredWindowsCommand::Remove), 0);
    EXPECT_EQ(listRows(list_), std::vector<std::wstring>{L"   1 | Calculator (CalcFrame)"});
    saved = settingsFile();
    EXPECT_EQ(saved.find("Mail"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Paint"), std::string::npos) << saved;

    // Everything: the list and the file's Windows group are empty.
    select({0});
    pressKey(VK_DELETE, false);
    EXPECT_TRUE(listRows(list_).empty());
    EXPECT_EQ(monitorRules().size(), 1u);
    EXPECT_EQ(settingsFile().find("Title"), std::string::npos);
}

TEST_F(MonitoredWindowsTest, CopiesSelectedOrAllRows) {
    select({0, 2});
    pressKey('C', true);
    EXPECT_EQ(test::clipboardText(), u"   1 | Untitled - Notepad (Notepad)\r\n   3 | Paint (MSPaintApp)\r\n");

    pressKey('A', true);
    EXPECT_EQ(test::clipboardText(),
              u"   1 | Untitled - Notepad (Notepad)\r\n   2 | Calculator (CalcFrame)\r\n   3 | Paint (MSPaintApp)\r\n");

    select({1});
    SendMessageW(window_, WM_COMMAND, static_cast<WPARAM>(MonitoredWindowsCommand::CopyRow), 0);
    EXPECT_EQ(test::clipboardText(), u"   2 | Calculator (CalcFrame)\r\n");

    // Nothing selected: the clipboard gets an empty text.
    select({});
    SendMessageW(window_, WM_COMMAND, static_cast<WPARAM>(MonitoredWindowsCommand::CopyRow), 0);
    EXPECT_EQ(test::clipboardText(), u"");
    // Copying changes no rule.
    EXPECT_EQ(monitorRules().size(), 4u);
}

TEST_F(MonitoredWindowsTest, DarkTitleBarGivesTheListDarkColours) {
    BOOL dark = TRUE;
    const auto setAttribute = bound().DwmSetWindowAttribute;
    const bool darkTitle = setAttribute && setAttribute(window_, 20, &dark, sizeof(dark)) == S_OK;
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window_, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(list_)));
    if (!darkTitle) {
        EXPECT_NE(GetBkColor(dc.get()), 0xDDDDDDu);
        return;
    }
    EXPECT_EQ(GetBkColor(dc.get()), 0xDDDDDDu);
    EXPECT_EQ(GetTextColor(dc.get()), 0u);
    LOGBRUSH colour{};
    ASSERT_NE(brush, nullptr);
    ASSERT_NE(GetObjectW(brush, sizeof(colour), &colour), 0);
    EXPECT_EQ(colour.lbColor, 0xDDDDDDu);
}

BOOL CALLBACK findPopupMenu(HWND hwnd, LPARAM parameter) noexcept {
    wchar_t className[16]{};
    GetClassNameW(hwnd, className, 16);
    if (std::wstring(className) != L"#32768" || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(parameter) = hwnd;
    return FALSE;
}

TEST_F(MonitoredWindowsTest, RightClickOnTheListShowsTheContextMenu) {
    // The menu is modal: a second thread reads it while it is open, then closes it.
    std::vector<std::wstring> items;
    std::vector<UINT> ids;
    std::thread reader([&] {
        HWND popup = nullptr;
        const ULONGLONG end = GetTickCount64() + 5000;
        while (!popup && GetTickCount64() < end) {
            EnumWindows(findPopupMenu, reinterpret_cast<LPARAM>(&popup));
            Sleep(20);
        }
        if (!popup) return;
        Sleep(100);
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64]{};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            items.emplace_back(text);
            ids.push_back(GetMenuItemID(menu, i));
        }
        PostMessageW(window_, WM_CANCELMODE, 0, 0);
        EndMenu();
    });
    RECT rect{};
    GetWindowRect(list_, &rect);
    SendMessageW(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_), MAKELPARAM(rect.left + 10, rect.top + 10));
    reader.join();
    EXPECT_EQ(items, (std::vector<std::wstring>{L"Copy Row\tCtrl+C", L"Copy All\tCtrl+A", L"", L"Remove\tDelete"}));
    EXPECT_EQ(ids, (std::vector<UINT>{1, 2, 0, 3}));
    EXPECT_EQ(monitorRules().size(), 4u) << "closing the menu runs nothing";
}

} // namespace
} // namespace zorbel
