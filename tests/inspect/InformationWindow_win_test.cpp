#include "inspect/InformationWindow_win.h"

#include <gtest/gtest.h>

#include "ViewerTestSupport.h"
#include "inspect/StyleNames.h"
#include "inspect/TreeWindow_win.h"
#include "inspect/UserInfoReport.h"
#include "inspect/ViewerMenus.h"
#include "inspect/WindowQueries_win.h"

namespace zorbel {
namespace {

using test::listRows;
using test::rowLabelled;

constexpr std::size_t kUserInfo = 0;
constexpr std::size_t kDimensions = 1;
constexpr std::size_t kWinApp = 2;

class InformationWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::prepareTrayProcess()); }
    void TearDown() override {
        closeInformationWindow();
        closeTreeWindow();
        test::pumpMessages();
        ASSERT_FALSE(informationWindowParts().window);
    }

    HWND list(std::size_t tab) const { return informationWindowParts().lists[tab]; }

    void command(ViewerCommand id) {
        SendMessageW(informationWindowParts().window, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
};

test::WindowShape layeredShape() {
    test::WindowShape shape;
    shape.title = L"Zorbel layered report window";
    shape.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    shape.exStyle = WS_EX_LAYERED | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE;
    shape.x = 700;
    shape.y = 420;
    shape.width = 300;
    shape.height = 200;
    return shape;
}

void CALLBACK endMenuTimer(HWND, UINT, UINT_PTR, DWORD) noexcept { EndMenu(); }

std::u16string exeFileName() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::u16string full = fromWide(path);
    return full.substr(full.find_last_of(u"\\/") + 1);
}

TEST_F(InformationWindowTest, ReportsAWindowWithKnownStylesAlphaAndColourKey) {
    const UniqueWindow target = test::createTestWindow(layeredShape());
    ASSERT_TRUE(target);
    ASSERT_TRUE(SetLayeredWindowAttributes(target.get(), RGB(255, 0, 0), 128, LWA_ALPHA | LWA_COLORKEY));
    ASSERT_TRUE(showWindowReport(target.get()));
    const InformationWindowParts parts = informationWindowParts();
    ASSERT_TRUE(parts.window);
    wchar_t title[64]{};
    GetWindowTextW(parts.window, title, 64);
    EXPECT_STREQ(title, L"Window Information");
    // Interface fonts: bold Arial on the tabs, Courier New in the lists; dark mode where granted.
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(parts.tab, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(parts.lists[2], WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"Courier New");
    if (requestDarkTitleBar(parts.window)) {
        for (HWND each : parts.lists) EXPECT_EQ(SendMessageW(each, LVM_GETBKCOLOR, 0, 0), kDarkModeListBackground);
    }

    const auto rows = listRows(list(kUserInfo));
    ASSERT_EQ(rows.size(), 26u);
    const char16_t* labels[] = {u"Title",       u"Class",          u"Class Atom ",   u"Creator Version", u"Enabled",
                                u"Active",      u"Visible",        u"Maximised",     u"Minimised",       u"Touch",
                                u"Affinity",    u"Encoding",       u"Z-Order Band",  u"DWMWA_CLOAKED",   u"Opacity",
                                u"Colour Key",  u"Theme Handle",   u"Directory Path", u"ProcessID",      u"ThreadID",
                                u"Handle",      u"Parent",         u"Root",          u"Root Owner",      u"Styles",
                                u"Extended Styles"};
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][0], labels[i]) << i;

    using Row = std::vector<std::u16string>;
    EXPECT_EQ(rows[0], (Row{u"Title", u"Zorbel layered report window", u""}));
    EXPECT_EQ(rows[1], (Row{u"Class", u"ZorbelTestWindow", u""}));
    EXPECT_EQ(rows[4], (Row{u"Enabled", u"Yes", u"Enabled for mouse and keyboard input."}));
    EXPECT_EQ(rows[5], (Row{u"Active", u"Yes", u"Window is responding."}));
    EXPECT_EQ(rows[6], (Row{u"Visible", u"Yes", u""}));
    EXPECT_EQ(rows[11], (Row{u"Encoding", u"Unicode", u""}));
    EXPECT_EQ(rows[14], (Row{u"Opacity", u"128 (50.20%)", u""}));
    EXPECT_EQ(rows[15], (Row{u"Colour Key", u"Red=255 | Green=0 | Blue=0 (0x0000FF)", u""}));
    EXPECT_EQ(rows[17][1], exeFileName());
    EXPECT_EQ(rows[18][1], idText(GetCurrentProcessId()));
    EXPECT_EQ(rows[19][1], idText(GetCurrentThreadId()));
    EXPECT_EQ(rows[20][1], handleText(handleNumber(target.get())));
    EXPECT_EQ(rows[21], (Row{u"Parent", handleText(handleNumber(GetDesktopWindow())), u"#32769"}));
    EXPECT_EQ(rows[22], (Row{u"Root", handleText(handleNumber(target.get())), u"ZorbelTestWindow"}));
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(target.get(), GWL_STYLE));
    EXPECT_EQ(rows[24], (Row{u"Styles", styleValueText(style), windowStyleNames(style)}));
    EXPECT_NE(rows[24][2].find(u"WS_VISIBLE"), std::u16string::npos);
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongW(target.get(), GWL_EXSTYLE));
    EXPECT_EQ(rows[25][1], styleValueText(exStyle));
    EXPECT_NE(rows[25][2].find(u"WS_EX_LAYERED"), std::u16string::npos);
    // Window edge with client edge: the combination only.
    EXPECT_NE(rows[25][2].find(u"WS_EX_OVERLAPPEDWINDOW"), std::u16string::npos);
    EXPECT_EQ(rows[25][2].find(u"WS_EX_CLIENTEDGE"), std::u16string::npos);
    EXPECT_EQ(rows[25][2].find(u"WS_EX_WINDOWEDGE"), std::u16string::npos);

    // Dimensions: the window's own size and position at 96 DPI.
    RECT frame{};
    GetWindowRect(target.get(), &frame);
    const auto size = test::decimal(frame.right - frame.left) + u" x " + test::decimal(frame.bottom - frame.top);
    const auto dimensions = listRows(list(kDimensions));
    ASSERT_GE(dimensions.size(), 16u);
    EXPECT_EQ(dimensions[0][0], u"DPI Awareness");
    EXPECT_EQ(rowLabelled(list(kDimensions), u"Window Dimensions")[1], size);
    EXPECT_EQ(rowLabelled(list(kDimensions), u"       DPI Scaled")[1], size);
    EXPECT_EQ(rowLabelled(list(kDimensions), u"Window Coordinates")[1],
              u"Left: " + test::decimal(frame.left) + u", Right: " + test::decimal(frame.right) + u", Top: " +
                  test::decimal(frame.top) + u", Bottom: " + test::decimal(frame.bottom));
    const std::u16string dpi = rowLabelled(list(kDimensions), u"DPI Window")[1];
    EXPECT_EQ(dpi, test::decimal(static_cast<int>(bound().GetDpiForWindow(target.get()))) + u"dpi");
    const std::size_t expectedRows = isWindowsBuildAtLeast(22621) ? 18 : isWindowsBuildAtLeast(22000) ? 17 : 16;
    EXPECT_EQ(dimensions.size(), expectedRows);

    // A classic desktop window: no package rows.
    EXPECT_EQ(listRows(list(kWinApp)),
              (std::vector<Row>{{u"Immersive", u"No", u""}, {u"Store App", u"No", u""}}));
}

TEST_F(InformationWindowTest, ASecondReportReplacesTheListsInTheSameWindow) {
    test::WindowShape first;
    first.title = L"Zorbel first report";
    test::WindowShape second;
    second.title = L"Zorbel second report";
    second.exStyle = 0;
    const UniqueWindow a = test::createTestWindow(first);
    const UniqueWindow b = test::createTestWindow(second);
    ASSERT_TRUE(showWindowReport(a.get()));
    const InformationWindowParts opened = informationWindowParts();
    ASSERT_TRUE(showWindowReport(b.get()));
    const InformationWindowParts reused = informationWindowParts();
    EXPECT_EQ(reused.window, opened.window);
    EXPECT_EQ(reused.lists, opened.lists);
    EXPECT_EQ(rowLabelled(list(kUserInfo), u"Title")[1], u"Zorbel second report");
    EXPECT_EQ(listRows(list(kUserInfo)).size(), 26u);
    // Not layered: the opaque texts; extended style 0 still names the three defaults.
    EXPECT_EQ(rowLabelled(list(kUserInfo), u"Opacity"),
              (std::vector<std::u16string>{u"Opacity", u"Opaque", u"WS_EX_LAYERED bit not set."}));
    EXPECT_EQ(rowLabelled(list(kUserInfo), u"Extended Styles")[2].find(u"WS_EX_LEFT | WS_EX_LTRREADING"), 0u);
}

// A column narrower than its title would show the title cut, with an ellipsis.
TEST_F(InformationWindowTest, EveryColumnIsAtLeastAsWideAsItsTitle) {
    const UniqueWindow shown = test::createTestWindow({});
    ASSERT_TRUE(showWindowReport(shown.get()));
    for (std::size_t tab : {kUserInfo, kDimensions, kWinApp}) {
        HWND header = reinterpret_cast<HWND>(SendMessageW(list(tab), LVM_GETHEADER, 0, 0));
        const WindowDc dc(header);
        const ScopedSelect font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(header, WM_GETFONT, 0, 0)));
        for (int column = 0; column < static_cast<int>(kReportColumns); ++column) {
            wchar_t title[64]{};
            HDITEMW item{};
            item.mask = HDI_TEXT;
            item.pszText = title;
            item.cchTextMax = 64;
            ASSERT_TRUE(SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item)));
            SIZE extent{};
            ASSERT_TRUE(GetTextExtentPoint32W(dc.get(), title, lstrlenW(title), &extent));
            EXPECT_GE(SendMessageW(list(tab), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0), extent.cx)
                << "tab " << tab << ", column " << column;
        }
    }
}

// At 144 DPI the tab strip, and with it the page the lists fill, is the 96-DPI one scaled, give or
// take the rounding of the font's size.
TEST_F(InformationWindowTest, TabStripScalesWithTheDpi) {
    const UniqueWindow target = test::createTestWindow(test::WindowShape{});
    ASSERT_TRUE(showWindowReport(target.get()));
    const HWND window = informationWindowParts().window;
    const auto listTop = [&] {
        RECT rect{};
        GetWindowRect(list(kUserInfo), &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        return static_cast<int>(rect.top);
    };
    const int top96 = listTop();
    RECT suggested{0, 0, 1516, 939};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_NEAR(listTop(), top96 * 3 / 2, 2) << "the page starts at " << top96 << " at 96 DPI";
}

TEST_F(InformationWindowTest, AnInvalidHandleIsReportedAndChangesNothing) {
    test::RecordedNotices notices;
    SetLastError(0);
    EXPECT_FALSE(showWindowReport(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7FFF0001))));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(showWindowReport(nullptr));
    EXPECT_EQ(notices.systemErrors, (std::vector<DWORD>{ERROR_INVALID_WINDOW_HANDLE, ERROR_INVALID_WINDOW_HANDLE}));
    EXPECT_FALSE(informationWindowParts().window); // not opened for it

    const UniqueWindow shown = test::createTestWindow({});
    ASSERT_TRUE(showWindowReport(shown.get()));
    const auto before = listRows(list(kUserInfo));
    EXPECT_FALSE(showWindowReport(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7FFF0001))));
    EXPECT_EQ(listRows(list(kUserInfo)), before); // the open report stays
    EXPECT_EQ(notices.systemErrors.size(), 3u);
}

TEST_F(InformationWindowTest, CopyCellRowAndAll) {
    test::WindowShape shape;
    shape.title = L"Zorbel copy source";
    const UniqueWindow target = test::createTestWindow(shape);
    ASSERT_TRUE(showWindowReport(target.get()));
    SetFocus(list(kUserInfo));
    const auto rows = listRows(list(kUserInfo));

    // Without a right click: row 0, column 0.
    test::setClipboardMarker();
    command(ViewerCommand::CopyCell);
    EXPECT_EQ(test::clipboardText(), u"Title");
    command(ViewerCommand::CopyRow);
    EXPECT_EQ(test::clipboardText(), u"Title\t\t\tZorbel copy source\t\t\t");
    command(ViewerCommand::CopyAll);
    EXPECT_EQ(test::clipboardText(), copyAllText(rows));
    EXPECT_EQ(test::clipboardText().substr(0, 36), u"Title\t\t\tZorbel copy source\t\t\t\r\nClass");

    // A right click on a cell chooses the cell; the menu it opens is closed again at once.
    HWND userInfo = list(kUserInfo);
    RECT result{};
    result.top = 1; // column 1 of row 4 ("Enabled")
    result.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(userInfo, LVM_GETSUBITEMRECT, 4, reinterpret_cast<LPARAM>(&result)));
    POINT point{(result.left + result.right) / 2, (result.top + result.bottom) / 2};
    ClientToScreen(userInfo, &point);
    SetForegroundWindow(informationWindowParts().window);
    SetCursorPos(point.x, point.y);
    test::moveMouseTo(point);
    // TrackPopupMenu's modal loop runs timers: this one ends the menu.
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, endMenuTimer);
    test::clickMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    test::pumpUntil(800, [] { return false; });
    KillTimer(nullptr, timer);
    SetFocus(userInfo);
    command(ViewerCommand::CopyCell);
    EXPECT_EQ(test::clipboardText(), u"Yes");
    command(ViewerCommand::CopyRow);
    EXPECT_EQ(test::clipboardText(), u"Enabled\t\t\tYes\t\t\tEnabled for mouse and keyboard input.");

    // The focus elsewhere: the list on show is meant.
    SetFocus(informationWindowParts().tab);
    command(ViewerCommand::CopyCell);
    EXPECT_EQ(test::clipboardText(), u"Yes");
}

TEST_F(InformationWindowTest, AcceleratorsCopyAndToggleTheWindowList) {
    const UniqueWindow target = test::createTestWindow({});
    ASSERT_TRUE(showWindowReport(target.get()));
    SetForegroundWindow(informationWindowParts().window);
    SetFocus(list(kUserInfo));
    test::setClipboardMarker();
    test::sendKeys({VK_CONTROL, 'A'});
    EXPECT_TRUE(test::pumpWithAcceleratorsUntil(2000, [] { return test::clipboardText() != u"<marker>"; }));
    EXPECT_EQ(test::clipboardText(), copyAllText(listRows(list(kUserInfo))));

    test::sendKeys({VK_F1});
    EXPECT_TRUE(test::pumpWithAcceleratorsUntil(2000, [] { return isTreeWindowOpen(); }));
    command(ViewerCommand::WindowList);
    EXPECT_FALSE(isTreeWindowOpen());
    command(ViewerCommand::WindowList);
    EXPECT_TRUE(isTreeWindowOpen());
}

TEST_F(InformationWindowTest, PointerModeFollowsTheMouseIntoAnotherWindow) {
    const UniqueWindow first = test::createTestWindow(layeredShape());
    test::WindowShape secondShape;
    secondShape.title = L"Zorbel pointer second";
    secondShape.x = 700;
    secondShape.y = 100;
    const UniqueWindow second = test::createTestWindow(secondShape);
    ASSERT_TRUE(first && second);
    SetLayeredWindowAttributes(first.get(), 0, 255, LWA_ALPHA);
    SetWindowTextW(first.get(), L"Zorbel pointer first");
    ASSERT_TRUE(showWindowReport(GetDesktopWindow()));
    // Keep the report window away from the two windows.
    SetWindowPos(informationWindowParts().window, nullptr, 0, 0, 600, 400, SWP_NOZORDER);

    command(ViewerCommand::WindowPointer);
    ASSERT_TRUE(isWindowPointerOn());
    const auto titleShown = [this] { return rowLabelled(list(kUserInfo), u"Title")[1]; };

    test::moveMouseTo(test::centreOf(first.get()));
    EXPECT_TRUE(test::pumpUntil(3000, [&] { return titleShown() == u"Zorbel pointer first"; })) << test::w(titleShown());

    // Moving within the same window does not rebuild the report.
    SetWindowTextW(first.get(), L"Zorbel pointer renamed");
    POINT inside = test::centreOf(first.get());
    inside.x += 10;
    test::moveMouseTo(inside);
    test::pumpUntil(300, [] { return false; });
    EXPECT_EQ(titleShown(), u"Zorbel pointer first");

    test::moveMouseTo(test::centreOf(second.get()));
    EXPECT_TRUE(test::pumpUntil(3000, [&] { return titleShown() == u"Zorbel pointer second"; })) << test::w(titleShown());

    // The report window itself is not reported.
    test::moveMouseTo(test::centreOf(informationWindowParts().window));
    test::pumpUntil(300, [] { return false; });
    EXPECT_EQ(titleShown(), u"Zorbel pointer second");

    command(ViewerCommand::WindowPointer);
    EXPECT_FALSE(isWindowPointerOn());
    test::moveMouseTo(test::centreOf(first.get()));
    test::pumpUntil(300, [] { return false; });
    EXPECT_EQ(titleShown(), u"Zorbel pointer second");

    // Closing the window ends the mode.
    command(ViewerCommand::WindowPointer);
    ASSERT_TRUE(isWindowPointerOn());
    closeInformationWindow();
    EXPECT_FALSE(isWindowPointerOn());
}

} // namespace
} // namespace zorbel
