#include "app/TrayMenu_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/MenuIcons_win.h"
#include "app/MenuModel.h"
#include "app/Process_win.h"
#include "app/WindowIcons_win.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

using test::WindowShape;

// ---- Reading a built menu back -----------------------------------------------------------------

struct ReadItem {
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    std::wstring text;
    HBITMAP unchecked = nullptr; // SetMenuItemBitmaps' unchecked image
    HBITMAP checked = nullptr;
    HMENU submenu = nullptr;
    std::vector<ReadItem> children;

    bool isSeparator() const { return (type & MFT_SEPARATOR) != 0; }
    bool isSubmenu() const { return submenu != nullptr; }
    bool isChecked() const { return (state & MFS_CHECKED) != 0; }
    bool isRadio() const { return (type & MFT_RADIOCHECK) != 0; }
};

std::vector<ReadItem> readMenu(HMENU menu) {
    std::vector<ReadItem> items;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_STRING;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
            ADD_FAILURE() << "GetMenuItemInfoW failed at position " << position;
            continue;
        }
        ReadItem item;
        item.type = info.fType;
        item.state = info.fState;
        item.id = info.wID;
        item.unchecked = info.hbmpUnchecked;
        item.checked = info.hbmpChecked;
        item.submenu = info.hSubMenu;
        if (info.cch > 0) {
            std::wstring text(info.cch + 1, L'\0');
            info.fMask = MIIM_STRING;
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
            GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
            text.resize(info.cch);
            item.text = text;
        }
        if (item.submenu) item.children = readMenu(item.submenu);
        items.push_back(std::move(item));
    }
    return items;
}

std::wstring wideText(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

const MenuEntry* entryOf(const ReadItem& item) { return trayCommandTable().find(item.id); }

// The first item (not separator, not submenu) of a submenu, depth first.
const ReadItem* firstItem(const std::vector<ReadItem>& items) {
    for (const ReadItem& item : items) {
        if (item.isSeparator()) continue;
        if (item.isSubmenu()) {
            if (const ReadItem* inner = firstItem(item.children)) return inner;
            continue;
        }
        return &item;
    }
    return nullptr;
}

// The top-level submenu that lists hwnd: its items carry the window's handle.
const ReadItem* windowMenu(const std::vector<ReadItem>& top, HWND hwnd) {
    for (const ReadItem& item : top) {
        if (!item.isSubmenu()) continue;
        const ReadItem* first = firstItem(item.children);
        const MenuEntry* entry = first ? entryOf(*first) : nullptr;
        if (entry && entry->window == reinterpret_cast<std::uintptr_t>(hwnd)) return &item;
    }
    return nullptr;
}

// The header entry (the one that caches title and icons) of hwnd, and its index.
std::optional<std::size_t> headerIndexOf(HWND hwnd) {
    CommandTable& table = trayCommandTable();
    for (std::size_t i = 1; i < table.size(); ++i) {
        const MenuEntry* entry = table.find(i);
        if (entry->command == MenuCommand::None && entry->window == reinterpret_cast<std::uintptr_t>(hwnd)) return i;
    }
    return std::nullopt;
}

bool anyEntryFor(HWND hwnd) {
    CommandTable& table = trayCommandTable();
    for (std::size_t i = 1; i < table.size(); ++i)
        if (table.find(i)->window == reinterpret_cast<std::uintptr_t>(hwnd)) return true;
    return false;
}

const ReadItem* childWithText(const std::vector<ReadItem>& items, const std::wstring& text) {
    for (const ReadItem& item : items)
        if (item.text == text) return &item;
    return nullptr;
}

std::vector<DisplayDevice> systemDisplayDevices() {
    std::vector<DisplayDevice> devices;
    DISPLAY_DEVICEW device{};
    device.cb = sizeof(device);
    for (DWORD index = 0; EnumDisplayDevicesW(nullptr, index, &device, 0); ++index) {
        devices.push_back({test::u16(device.DeviceName), test::u16(device.DeviceString), device.StateFlags});
        device = DISPLAY_DEVICEW{};
        device.cb = sizeof(device);
    }
    return devices;
}

bool isTopMost(std::uintptr_t window) {
    return (GetWindowLongW(reinterpret_cast<HWND>(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// ---- Fixture -----------------------------------------------------------------------------------

class TrayMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::prepareTrayProcess()); }

    std::vector<ReadItem> rebuild() {
        test::pumpMessages();
        rebuildTrayMenu();
        EXPECT_NE(trayMenu(), nullptr);
        return trayMenu() ? readMenu(trayMenu()) : std::vector<ReadItem>{};
    }

    static bool listed(const std::vector<ReadItem>& top, HWND hwnd) {
        return windowMenu(top, hwnd) != nullptr && headerIndexOf(hwnd).has_value();
    }
};

// ---- Which windows are listed ------------------------------------------------------------------

struct ListingCase {
    const char* name;
    WindowShape shape;
    bool owned;  // gets a plain captioned window of the test as its owner
    int showCmd; // ShowWindow after creation, or -1
    bool listed;
};

void PrintTo(const ListingCase& c, std::ostream* out) { *out << c.name; }

WindowShape shape(DWORD style, DWORD exStyle, int width = 300, int height = 180) {
    WindowShape s;
    s.style = style;
    s.exStyle = exStyle;
    s.width = width;
    s.height = height;
    return s;
}

constexpr DWORD kCaptioned = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;

// Every case that is left out has a twin beside it that differs in the one property and is listed,
// so a window that is never listed for some other reason cannot pass.
const ListingCase kListingCases[] = {
    {"NormalCaptioned", shape(kCaptioned, WS_EX_APPWINDOW), false, -1, true},
    {"Minimised", shape(kCaptioned, WS_EX_APPWINDOW), false, SW_MINIMIZE, false},
    {"Invisible", shape(WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW), false, -1, false},
    {"InvisibleThenShown", shape(WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW), false, SW_SHOWNOACTIVATE, true},
    {"EmptyRectangle", shape(kPopup, WS_EX_APPWINDOW, 0, 0), false, -1, false},
    {"NonEmptyPopup", shape(kPopup, WS_EX_APPWINDOW, 120, 80), false, -1, true},
    {"NoExtendedStyle", shape(kPopup, 0, 120, 80), false, -1, false},
    {"OwnedToolWindow", shape(kCaptioned, WS_EX_TOOLWINDOW), true, -1, false},
    {"UnownedToolWindowWithSysMenu", shape(kCaptioned, WS_EX_TOOLWINDOW), false, -1, true},
    {"UnownedToolWindowWithoutSysMenu", shape(kPopup | WS_BORDER, WS_EX_TOOLWINDOW, 120, 80), false, -1, false},
    {"OwnedNoActivate", shape(kPopup, WS_EX_NOACTIVATE, 120, 80), true, -1, false},
    {"UnownedNoActivate", shape(kPopup, WS_EX_NOACTIVATE, 120, 80), false, -1, true},
    {"OwnedLayered", shape(kPopup, WS_EX_LAYERED, 120, 80), true, -1, false},
    {"UnownedLayered", shape(kPopup, WS_EX_LAYERED, 120, 80), false, -1, true},
    {"OwnedPlainPopup", shape(kPopup, WS_EX_APPWINDOW, 120, 80), true, -1, true},
};

class WindowListingTest : public TrayMenuTest, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(WindowListingTest, ListsExactlyTheEligibleWindows) {
    const ListingCase& c = GetParam();
    UniqueWindow owner;
    WindowShape s = c.shape;
    s.title = std::wstring(L"Listing case ") + std::wstring(c.name, c.name + std::strlen(c.name));
    if (c.owned) {
        WindowShape ownerSpec;
        ownerSpec.title = L"Listing case owner";
        owner = test::createTestWindow(ownerSpec);
        ASSERT_TRUE(owner);
        s.owner = owner.get();
    }
    UniqueWindow window = test::createTestWindow(s);
    ASSERT_TRUE(window);
    if (s.exStyle & WS_EX_LAYERED) SetLayeredWindowAttributes(window.get(), 0, 200, LWA_ALPHA);
    if (c.showCmd >= 0) ShowWindow(window.get(), c.showCmd);

    // The case must really have the property it is named after.
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetWindowInfo(window.get(), &info));
    EXPECT_EQ(GetWindow(window.get(), GW_OWNER) != nullptr, c.owned);
    if (s.exStyle == WS_EX_NOACTIVATE) {
        EXPECT_EQ(info.dwExStyle, static_cast<DWORD>(WS_EX_NOACTIVATE));
    }
    if (s.width == 0) {
        EXPECT_TRUE(IsRectEmpty(&info.rcWindow));
    }
    if (c.showCmd == SW_MINIMIZE) {
        EXPECT_TRUE(IsIconic(window.get()));
    }

    const auto top = rebuild();
    EXPECT_EQ(listed(top, window.get()), c.listed);
    EXPECT_EQ(anyEntryFor(window.get()), c.listed);
    if (owner) {
        EXPECT_TRUE(listed(top, owner.get())) << "the owner itself is an ordinary window";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowListingTest, ::testing::ValuesIn(kListingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayMenuTest, HungWindowsAreLeftOutWithoutStallingTheRebuild) {
    constexpr int kHungWindows = 3;
    test::WindowThread thread;
    std::vector<HWND> windows;
    for (int i = 0; i < kHungWindows; ++i) {
        WindowShape s;
        s.title = L"Hung window " + std::to_wstring(i);
        windows.push_back(thread.createWindow(s));
        ASSERT_NE(windows.back(), nullptr);
    }

    auto start = std::chrono::steady_clock::now();
    auto top = rebuild();
    const double answeringMs = test::millisecondsSince(start);
    for (HWND hwnd : windows) EXPECT_TRUE(listed(top, hwnd)) << "while the thread answers";

    thread.hang();
    start = std::chrono::steady_clock::now();
    top = rebuild();
    const double hungMs = test::millisecondsSince(start);
    for (HWND hwnd : windows) {
        EXPECT_FALSE(listed(top, hwnd));
        EXPECT_FALSE(anyEntryFor(hwnd));
    }
    // Each hung window costs the 100 ms time-out, not more: the icon queries are never sent to it.
    EXPECT_LT(hungMs - answeringMs, kHungWindows * 100.0 + 1000.0)
        << "answering: " << answeringMs << " ms, hung: " << hungMs << " ms";

    thread.resume();
    top = rebuild();
    for (HWND hwnd : windows) EXPECT_TRUE(listed(top, hwnd)) << "listed again once it answers";
}

// Every window is asked at once: forty windows that each take 90 ms to answer cost one wait, not
// forty, for the responsiveness test and for the icon queries alike.
TEST_F(TrayMenuTest, SlowWindowsAreAskedTogether) {
    constexpr int kSlowWindows = 40;
    test::SlowWindows slow(kSlowWindows, 90, L"Slow window");
    ASSERT_EQ(slow.windows().size(), static_cast<std::size_t>(kSlowWindows));
    auto countListed = [&](const std::vector<ReadItem>& top) {
        int count = 0;
        for (HWND hwnd : slow.windows()) count += listed(top, hwnd);
        return count;
    };

    // The first rebuild also asks for their icons: a second wait, and the images to make. One
    // after the other, the responsiveness test alone would take 3.6 s.
    auto start = std::chrono::steady_clock::now();
    auto top = rebuild();
    const double firstMs = test::millisecondsSince(start);
    EXPECT_LT(firstMs, 1000.0);
    for (HWND hwnd : slow.windows()) {
        const auto header = headerIndexOf(hwnd);
        if (!header) continue;
        const auto* icons = dynamic_cast<const Win32WindowIcons*>(trayCommandTable().find(*header)->icons.get());
        EXPECT_TRUE(icons && icons->images[0]) << "no images for a slow window";
    }

    start = std::chrono::steady_clock::now();
    top = rebuild();
    const double secondMs = test::millisecondsSince(start);
    EXPECT_EQ(countListed(top), kSlowWindows);
    EXPECT_LT(secondMs, 300.0) << "first rebuild: " << firstMs << " ms";
}

// A window that answers after the time-out is left out, also when its late answer to one rebuild
// arrives while the next rebuild waits: that answer belongs to the round that asked.
TEST_F(TrayMenuTest, WindowsAnsweringTooLateAreLeftOut) {
    test::SlowWindows late(4, 150, L"Late window");
    test::SlowWindows inTime(4, 40, L"In-time window");
    ASSERT_EQ(late.windows().size(), 4u);
    ASSERT_EQ(inTime.windows().size(), 4u);

    // Back to back, without pumping in between: the late answers to the first come during the second.
    rebuildTrayMenu();
    const std::vector<ReadItem> first = readMenu(trayMenu());
    const auto start = std::chrono::steady_clock::now();
    rebuildTrayMenu();
    const double secondMs = test::millisecondsSince(start);
    const std::vector<ReadItem> second = readMenu(trayMenu());
    for (const auto* top : {&first, &second}) {
        for (HWND hwnd : late.windows()) {
            EXPECT_FALSE(listed(*top, hwnd));
            EXPECT_FALSE(anyEntryFor(hwnd) && top == &second);
        }
        for (HWND hwnd : inTime.windows()) EXPECT_TRUE(listed(*top, hwnd));
    }
    EXPECT_LT(secondMs, 300.0) << "the late windows held the rebuild up";
}

// ---- Titles --------------------------------------------------------------------------------------

struct TitleCase {
    const char* name;
    std::wstring title;
    std::wstring shown;
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.name; }

const TitleCase kTitleCases[] = {
    {"Short", L"Short title", L"Short title"},
    {"Seventy", std::wstring(L"0123456789") + L"abcdefghij" + L"ABCDEFGHIJ" + L"klmnopqrst" + L"KLMNOPQRST" +
                    L"uvwxyzUVWX" + L"YZ!?#+*%&$",
     std::wstring(L"0123456789") + L"abcdefghij" + L"ABCDEFGHIJ" + L"klmnopqrst" + L"KLMNOPQRST" + L"uvwxyzUVW"},
    {"FiftyNine", std::wstring(59, L'x'), std::wstring(59, L'x')},
    {"Sixty", std::wstring(60, L'y'), std::wstring(59, L'y')},
    {"Empty", L"", L" "},
    {"NonAscii", L"\u00c9t\u00e9 \u4e2d\u6587", L"\u00c9t\u00e9 \u4e2d\u6587"},
};

class TitleTest : public TrayMenuTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, SubmenuShowsTheTitleCutTo59Characters) {
    WindowShape s;
    s.title = GetParam().title;
    UniqueWindow window = test::createTestWindow(s);
    ASSERT_TRUE(window);
    const auto top = rebuild();
    const ReadItem* menu = windowMenu(top, window.get());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->text, GetParam().shown);
    const auto header = headerIndexOf(window.get());
    ASSERT_TRUE(header);
    EXPECT_EQ(wideText(trayCommandTable().find(*header)->text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleTest, ::testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Structure -----------------------------------------------------------------------------------

TEST_F(TrayMenuTest, TopLevelEndsWithToolsAndExit) {
    UniqueWindow window = test::createTestWindow(WindowShape{});
    ASSERT_TRUE(window);
    const auto top = rebuild();
    ASSERT_GE(top.size(), 4u);
    const std::size_t n = top.size();
    EXPECT_TRUE(top[n - 4].isSeparator()) << "a separator after the listed windows";
    EXPECT_EQ(top[n - 3].text, L"Tools Menu...");
    EXPECT_TRUE(top[n - 3].isSubmenu());
    EXPECT_EQ(top[n - 3].unchecked, menuIcon(21));
    EXPECT_TRUE(top[n - 2].isSeparator());
    EXPECT_EQ(top[n - 1].text, L"Exit");
    EXPECT_EQ(top[n - 1].unchecked, menuIcon(22));
    ASSERT_NE(entryOf(top[n - 1]), nullptr);
    EXPECT_EQ(entryOf(top[n - 1])->command, MenuCommand::Exit);
    EXPECT_EQ(entryOf(top[n - 1])->window, 0u);

    // Everything before that separator is one submenu per listed window.
    EXPECT_EQ(static_cast<int>(n - 4), listedWindowCount());
    for (std::size_t i = 0; i + 4 < n; ++i) {
        EXPECT_TRUE(top[i].isSubmenu()) << i;
        const ReadItem* first = firstItem(top[i].children);
        ASSERT_NE(first, nullptr) << i;
        ASSERT_NE(entryOf(*first), nullptr) << i;
        EXPECT_TRUE(headerIndexOf(reinterpret_cast<HWND>(entryOf(*first)->window))) << i;
    }
}

struct ExpectedItem {
    std::wstring text; // "-" for a separator
    MenuCommand command;
    int slot; // menu-icon slot, 0 for none
};

const std::vector<ExpectedItem> kWindowSubmenu = {
    {L"Enable TopMost", MenuCommand::EnableTopMost, 5},
    {L"-", MenuCommand::None, 0},
    {L"Enable Monitor", MenuCommand::EnableMonitor, 23},
    {L"-", MenuCommand::None, 0},
    {L"Move to Top", MenuCommand::MoveToTop, 16},
    {L"Move to Bottom", MenuCommand::MoveToBottom, 15},
    {L"-", MenuCommand::None, 0},
    {L"Window Controls...", MenuCommand::None, 27},
    {L"-", MenuCommand::None, 0},
    {L"Window Transparency...", MenuCommand::None, 1},
    {L"-", MenuCommand::None, 0},
    {L"Window Capture", MenuCommand::WindowCapture, 13},
    {L"-", MenuCommand::None, 0},
    {L"Window Information", MenuCommand::WindowInformation, 2},
};

const std::vector<ExpectedItem> kWindowControls = {
    {L"Zero", MenuCommand::Zero, 0},
    {L"Restore", MenuCommand::Restore, 0},
    {L"Maximise", MenuCommand::Maximise, 0},
    {L"Minimise", MenuCommand::Minimise, 0},
    {L"-", MenuCommand::None, 0},
    {L"Close Gracefully", MenuCommand::CloseGracefully, 0},
    {L"Close Forcibly", MenuCommand::CloseForcibly, 0},
};

// Checks texts, commands, windows and icons of one submenu's items against a table.
void expectItems(const std::vector<ReadItem>& items, const std::vector<ExpectedItem>& expected, std::uintptr_t window) {
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(std::string(expected[i].text.begin(), expected[i].text.end()));
        const ReadItem& item = items[i];
        if (expected[i].text == L"-") {
            EXPECT_TRUE(item.isSeparator());
            continue;
        }
        EXPECT_EQ(item.text, expected[i].text);
        EXPECT_EQ(item.unchecked, expected[i].slot > 0 ? menuIcon(expected[i].slot) : nullptr);
        EXPECT_EQ(item.checked, nullptr);
        if (expected[i].command == MenuCommand::None) {
            EXPECT_TRUE(item.isSubmenu());
            continue;
        }
        EXPECT_FALSE(item.isSubmenu());
        const MenuEntry* entry = entryOf(item);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->command, expected[i].command);
        EXPECT_EQ(entry->window, window);
    }
}

TEST_F(TrayMenuTest, WindowSubmenuItemsCarryTheirCommandsAndTheWindow) {
    WindowShape s;
    s.title = L"Structure window";
    UniqueWindow window = test::createTestWindow(s);
    ASSERT_TRUE(window);
    const auto top = rebuild();
    const ReadItem* menu = windowMenu(top, window.get());
    ASSERT_NE(menu, nullptr);
    const auto hwnd = reinterpret_cast<std::uintptr_t>(window.get());
    expectItems(menu->children, kWindowSubmenu, hwnd);

    const ReadItem* controls = childWithText(menu->children, L"Window Controls...");
    ASSERT_NE(controls, nullptr);
    expectItems(controls->children, kWindowControls, hwnd);

    // The submenu shows the window's own icon; the ten opacity items show it ever paler.
    const auto header = headerIndexOf(window.get());
    ASSERT_TRUE(header);
    const auto* icons = dynamic_cast<const Win32WindowIcons*>(trayCommandTable().find(*header)->icons.get());
    ASSERT_NE(icons, nullptr);
    EXPECT_NE(icons->images[0].get(), nullptr);
    EXPECT_EQ(menu->unchecked, icons->images[0].get());

    const ReadItem* opacity = childWithText(menu->children, L"Window Transparency...");
    ASSERT_NE(opacity, nullptr);
    ASSERT_EQ(opacity->children.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        const ReadItem& item = opacity->children[static_cast<std::size_t>(k)];
        const int level = 100 - 10 * k;
        EXPECT_EQ(item.text, std::to_wstring(level) + L"%");
        EXPECT_EQ(item.unchecked, icons->images[static_cast<std::size_t>(k)].get()) << level;
        EXPECT_NE(item.unchecked, nullptr) << level;
        const MenuEntry* entry = entryOf(item);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->command, MenuCommand::SetOpacity);
        EXPECT_EQ(entry->level, level);
        EXPECT_EQ(entry->window, hwnd);
    }
}

TEST_F(TrayMenuTest, TopMostWindowOffersDisableTopMostAndIsCounted) {
    WindowShape plain;
    plain.title = L"Plain window";
    UniqueWindow normal = test::createTestWindow(plain);
    WindowShape pinned;
    pinned.title = L"Pinned window";
    pinned.exStyle = WS_EX_APPWINDOW | WS_EX_TOPMOST;
    UniqueWindow topMost = test::createTestWindow(pinned);
    ASSERT_TRUE(normal && topMost);
    ASSERT_TRUE(GetWindowLongW(topMost.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    const auto top = rebuild();
    const ReadItem* pinnedMenu = windowMenu(top, topMost.get());
    const ReadItem* normalMenu = windowMenu(top, normal.get());
    ASSERT_NE(pinnedMenu, nullptr);
    ASSERT_NE(normalMenu, nullptr);

    EXPECT_EQ(pinnedMenu->children.front().text, L"Disable TopMost");
    EXPECT_EQ(pinnedMenu->children.front().unchecked, menuIcon(6));
    EXPECT_EQ(entryOf(pinnedMenu->children.front())->command, MenuCommand::DisableTopMost);
    EXPECT_EQ(entryOf(pinnedMenu->children.front())->window, reinterpret_cast<std::uintptr_t>(topMost.get()));
    EXPECT_EQ(pinnedMenu->unchecked, menuIcon(5)) << "a TopMost window shows the TopMost picture";
    EXPECT_EQ(normalMenu->children.front().text, L"Enable TopMost");
    EXPECT_NE(normalMenu->unchecked, menuIcon(5));

    // The counter counts every listed TopMost window, ours included.
    int shownDisable = 0;
    for (const ReadItem& item : top)
        if (item.isSubmenu() && !item.children.empty() && item.children.front().text == L"Disable TopMost")
            ++shownDisable;
    EXPECT_GE(shownDisable, 1);
    EXPECT_EQ(listedTopMostCount(), shownDisable);

    SetWindowPos(topMost.get(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const auto after = rebuild();
    ASSERT_NE(windowMenu(after, topMost.get()), nullptr);
    EXPECT_EQ(windowMenu(after, topMost.get())->children.front().text, L"Enable TopMost");
    EXPECT_EQ(listedTopMostCount(), shownDisable - 1);
}

const std::vector<ExpectedItem> kDisplayHead = {
    {L"Capture Desktop Foreground", MenuCommand::CaptureDesktopForeground, 20},
    {L"Capture Desktop Background", MenuCommand::CaptureDesktopBackground, 19},
    {L"-", MenuCommand::None, 0},
};

TEST_F(TrayMenuTest, ToolsSubmenuHoldsTheToolsInOrder) {
    const auto top = rebuild();
    const ReadItem* tools = childWithText(top, L"Tools Menu...");
    ASSERT_NE(tools, nullptr);

    std::vector<ExpectedItem> expected = {
        {L"About Zorbel!", MenuCommand::About, 4},
        {L"-", MenuCommand::None, 0},
        {L"Enable Window Transparency", MenuCommand::ToggleTransparencyMode, 1},
        {L"-", MenuCommand::None, 0},
        {L"Capture Display Devices...", MenuCommand::None, 18},
        {L"Enable Region Capture", MenuCommand::RegionCapture, 12},
        {L"-", MenuCommand::None, 0},
        {L"Power Management...", MenuCommand::None, 26},
        {L"-", MenuCommand::None, 0},
        {L"Window List", MenuCommand::WindowList, 14},
        {L"Monitored Windows", MenuCommand::MonitoredWindows, 8},
        {L"-", MenuCommand::None, 0},
    };
    if (!runsFromStartupFolder()) expected.push_back({L"Run at Start-Up", MenuCommand::RunAtStartUp, 17});
    if (!isProcessElevated()) expected.push_back({L"Run as Administrator", MenuCommand::RunAsAdministrator, 10});
    expected.push_back({L"Check for Updates", MenuCommand::CheckForUpdates, 9});
    expected.push_back({L"-", MenuCommand::None, 0});
    expected.push_back({L"Preferences...", MenuCommand::Preferences, 11});
    expectItems(tools->children, expected, 0);

    const ReadItem* power = childWithText(tools->children, L"Power Management...");
    ASSERT_NE(power, nullptr);
    expectItems(power->children,
                {{L"Prevent Display Sleeping", MenuCommand::PreventDisplaySleep, 0},
                 {L"Prevent System Sleeping", MenuCommand::PreventSystemSleep, 0},
                 {L"Enable Away Mode", MenuCommand::EnableAwayMode, 0}},
                0);
    // No request is held by a process that never made one.
    for (const ReadItem& item : power->children) {
        EXPECT_FALSE(item.isChecked()) << std::string(item.text.begin(), item.text.end());
        EXPECT_FALSE(item.isRadio());
        EXPECT_EQ(item.state & (MF_DISABLED | MF_GRAYED), 0u);
    }

    const ReadItem* displays = childWithText(tools->children, L"Capture Display Devices...");
    ASSERT_NE(displays, nullptr);
    ASSERT_GE(displays->children.size(), kDisplayHead.size());
    expectItems({displays->children.begin(), displays->children.begin() + kDisplayHead.size()}, kDisplayHead, 0);
}

TEST_F(TrayMenuTest, DisplayDevicesGetAnItemEachNamedByTheRule) {
    const auto top = rebuild();
    const ReadItem* tools = childWithText(top, L"Tools Menu...");
    ASSERT_NE(tools, nullptr);
    const ReadItem* displays = childWithText(tools->children, L"Capture Display Devices...");
    ASSERT_NE(displays, nullptr);
    const std::vector<ReadItem> items(displays->children.begin() + static_cast<std::ptrdiff_t>(kDisplayHead.size()),
                                      displays->children.end());

    // The rule, written out plainly: the device name without every "\\.\", " - ", the description.
    std::vector<std::pair<std::wstring, std::wstring>> expected; // text, device name
    for (const DisplayDevice& device : systemDisplayDevices()) {
        if (!(device.stateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) continue;
        std::wstring name = wideText(device.deviceName);
        for (auto at = name.find(L"\\\\.\\"); at != std::wstring::npos; at = name.find(L"\\\\.\\")) name.erase(at, 4);
        expected.emplace_back(name + L" - " + wideText(device.deviceString), wideText(device.deviceName));
    }
    ASSERT_FALSE(expected.empty()) << "the display has at least one attached device";
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].first);
        EXPECT_EQ(items[i].text.find(L'\\'), std::wstring::npos);
        EXPECT_EQ(items[i].unchecked, menuIcon(3));
        const MenuEntry* entry = entryOf(items[i]);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->command, MenuCommand::CaptureDisplay);
        EXPECT_EQ(wideText(entry->text), expected[i].second) << "the entry keeps the full device name";
        EXPECT_EQ(entry->text.rfind(u"\\\\.\\", 0), 0u);
    }
}

// The HMENU holds exactly the model that the builder makes from the same facts.
void expectSameTree(const std::vector<ReadItem>& built, const MenuNode& model, const CommandTable& liveTable,
                    const std::string& path) {
    ASSERT_EQ(built.size(), model.children.size()) << path;
    for (std::size_t i = 0; i < built.size(); ++i) {
        const ReadItem& item = built[i];
        const MenuNode& node = model.children[i];
        const std::string here = path + "/" + std::to_string(i);
        SCOPED_TRACE(here);
        switch (node.kind) {
        case MenuNode::Kind::Separator:
            EXPECT_TRUE(item.isSeparator());
            EXPECT_EQ(item.submenu, nullptr);
            continue;
        case MenuNode::Kind::Submenu:
            EXPECT_TRUE(item.isSubmenu());
            break;
        case MenuNode::Kind::Item:
            EXPECT_FALSE(item.isSubmenu());
            EXPECT_FALSE(item.isSeparator());
            EXPECT_EQ(item.id, node.identifier);
            EXPECT_EQ(item.isChecked(), node.checked || node.radioBullet);
            EXPECT_EQ(item.isRadio(), node.radioBullet);
            EXPECT_EQ((item.state & MF_DISABLED) != 0, node.disabled);
            EXPECT_EQ(item.state & MF_GRAYED, 0u) << "disabled items are not greyed";
            break;
        }
        EXPECT_EQ(item.text, wideText(node.text));
        HBITMAP expectedIcon = nullptr;
        if (node.icon.kind == MenuIcon::Kind::Slot) {
            expectedIcon = menuIcon(node.icon.slot);
            EXPECT_NE(expectedIcon, nullptr) << "slot " << node.icon.slot;
        } else if (node.icon.kind == MenuIcon::Kind::WindowIcon) {
            const MenuEntry* header = liveTable.find(node.icon.headerIndex);
            ASSERT_NE(header, nullptr);
            const auto* icons = dynamic_cast<const Win32WindowIcons*>(header->icons.get());
            ASSERT_NE(icons, nullptr);
            expectedIcon = icons->images[static_cast<std::size_t>(node.icon.iconIndex)].get();
            EXPECT_NE(expectedIcon, nullptr);
        }
        EXPECT_EQ(item.unchecked, expectedIcon);
        EXPECT_EQ(item.checked, nullptr);
        if (node.kind == MenuNode::Kind::Submenu) expectSameTree(item.children, node, liveTable, here);
    }
}

TEST_F(TrayMenuTest, BuiltMenuEqualsTheModelOfTheSameFacts) {
    WindowShape a;
    a.title = L"Model window A";
    WindowShape b;
    b.title = L"Model window B";
    b.exStyle = WS_EX_APPWINDOW | WS_EX_TOPMOST;
    UniqueWindow first = test::createTestWindow(a);
    UniqueWindow second = test::createTestWindow(b);
    ASSERT_TRUE(first && second);
    const auto top = rebuild();
    ASSERT_TRUE(listed(top, first.get()));
    ASSERT_TRUE(listed(top, second.get()));

    // The same facts: the listed windows in the order of their header entries, with the titles read.
    const CommandTable& live = trayCommandTable();
    CommandTable table;
    TrayMenuBuilder builder(table, strings());
    builder.begin();
    for (std::size_t i = 1; i < live.size(); ++i) {
        const MenuEntry* entry = live.find(i);
        if (entry->command != MenuCommand::None || entry->window == 0) continue;
        EXPECT_EQ(builder.beginWindow(entry->window, 0), i);
        EXPECT_TRUE(builder.updateTitle(entry->text));
        builder.endWindow(isTopMost(entry->window), false);
    }
    ToolsFacts facts;
    facts.displayDevices = systemDisplayDevices();
    facts.offerRunAtStartUp = !runsFromStartupFolder();
    facts.offerRunAsAdministrator = !isProcessElevated();
    builder.finish(facts);

    EXPECT_EQ(builder.windowCount(), listedWindowCount());
    EXPECT_EQ(builder.topMostCount(), listedTopMostCount());
    EXPECT_GE(listedTopMostCount(), 1);
    expectSameTree(top, builder.menu(), live, "");
    EXPECT_EQ(table.size(), live.size());
    for (std::size_t i = 1; i < table.size() && i < live.size(); ++i) {
        EXPECT_EQ(table.find(i)->command, live.find(i)->command) << i;
        EXPECT_EQ(table.find(i)->window, live.find(i)->window) << i;
        EXPECT_EQ(table.find(i)->level, live.find(i)->level) << i;
        EXPECT_EQ(table.find(i)->text, live.find(i)->text) << i;
    }
}

// ---- The cache of titles and icons ---------------------------------------------------------------

TEST_F(TrayMenuTest, HeaderEntriesSurviveRebuildsUntilTheWindowGoes) {
    WindowShape s;
    s.title = L"Cached window";
    UniqueWindow window = test::createTestWindow(s);
    WindowShape other;
    other.title = L"Second cached window";
    UniqueWindow second = test::createTestWindow(other);
    ASSERT_TRUE(window && second);

    rebuild();
    auto header = headerIndexOf(window.get());
    ASSERT_TRUE(header);
    const WindowIcons* icons = trayCommandTable().find(*header)->icons.get();
    ASSERT_NE(icons, nullptr);
    ASSERT_TRUE(headerIndexOf(second.get()));
    const WindowIcons* secondIcons = trayCommandTable().find(*headerIndexOf(second.get()))->icons.get();

    // Same windows, same title: the entry and its images are kept, not made again.
    rebuild();
    header = headerIndexOf(window.get());
    ASSERT_TRUE(header);
    EXPECT_EQ(trayCommandTable().find(*header)->icons.get(), icons);

    // A new title makes new images.
    SetWindowTextW(window.get(), L"Cached window, renamed");
    auto top = rebuild();
    header = headerIndexOf(window.get());
    ASSERT_TRUE(header);
    EXPECT_NE(trayCommandTable().find(*header)->icons.get(), icons);
    ASSERT_NE(windowMenu(top, window.get()), nullptr);
    EXPECT_EQ(windowMenu(top, window.get())->text, L"Cached window, renamed");
    ASSERT_TRUE(headerIndexOf(second.get()));
    EXPECT_EQ(trayCommandTable().find(*headerIndexOf(second.get()))->icons.get(), secondIcons);

    // A destroyed window loses every entry at the next rebuild; the others keep theirs.
    const HWND gone = window.get();
    window.reset();
    top = rebuild();
    EXPECT_FALSE(anyEntryFor(gone));
    EXPECT_EQ(windowMenu(top, gone), nullptr);
    ASSERT_TRUE(headerIndexOf(second.get()));
    EXPECT_EQ(trayCommandTable().find(*headerIndexOf(second.get()))->icons.get(), secondIcons);
}

// Takes every free slot of the process's GDI object table, as a process at its GDI quota has none
// left; gives them back at scope exit.
class GdiTableFull {
public:
    GdiTableFull() {
        constexpr std::size_t kLimit = 1 << 18; // far beyond any table; stops a runaway loop
        while (brushes_.size() < kLimit) {
            UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
            if (!brush) break;
            brushes_.push_back(std::move(brush));
        }
    }
    bool full() const { return !brushes_.empty() && !createDibSection(makeImage(16, 16)); }

private:
    std::vector<UniqueBrush> brushes_;
};

// A picture that cannot be made leaves its item without one; the menu keeps every item. The next
// rebuild tries again, although the window's title did not change.
TEST_F(TrayMenuTest, ImagesThatCannotBeMadeLeaveTheirItemsWithoutAPicture) {
    WindowShape s;
    s.title = L"Window listed while no image can be made";
    UniqueWindow window = test::createTestWindow(s);
    ASSERT_TRUE(window);
    const auto hwnd = reinterpret_cast<std::uintptr_t>(window.get());

    std::vector<ReadItem> top;
    {
        GdiTableFull table;
        ASSERT_TRUE(table.full()) << "bitmaps can still be made";
        top = rebuild();
    }
    const ReadItem* menu = windowMenu(top, window.get());
    ASSERT_NE(menu, nullptr) << "the window is not listed";
    EXPECT_EQ(menu->unchecked, nullptr);
    expectItems(menu->children, kWindowSubmenu, hwnd); // the menu images were made before
    const ReadItem* opacity = childWithText(menu->children, L"Window Transparency...");
    ASSERT_NE(opacity, nullptr);
    ASSERT_EQ(opacity->children.size(), 10u);
    for (const ReadItem& item : opacity->children) {
        EXPECT_EQ(item.unchecked, nullptr) << std::string(item.text.begin(), item.text.end());
        ASSERT_NE(entryOf(item), nullptr);
        EXPECT_EQ(entryOf(item)->command, MenuCommand::SetOpacity);
    }
    ASSERT_GE(top.size(), 3u);
    EXPECT_EQ(top[top.size() - 3].text, L"Tools Menu...");
    EXPECT_EQ(top.back().text, L"Exit");

    top = rebuild();
    menu = windowMenu(top, window.get());
    ASSERT_NE(menu, nullptr);
    const auto header = headerIndexOf(window.get());
    ASSERT_TRUE(header);
    const auto* icons = dynamic_cast<const Win32WindowIcons*>(trayCommandTable().find(*header)->icons.get());
    ASSERT_NE(icons, nullptr) << "the images were not made once there was room again";
    EXPECT_NE(icons->images[0].get(), nullptr);
    EXPECT_EQ(menu->unchecked, icons->images[0].get());
}

TEST_F(TrayMenuTest, EveryIdentifierIndexesAnEntryWithTheItemsText) {
    UniqueWindow window = test::createTestWindow(WindowShape{});
    ASSERT_TRUE(window);
    const auto top = rebuild();
    std::vector<UINT> seen;
    std::function<void(const std::vector<ReadItem>&)> visit = [&](const std::vector<ReadItem>& items) {
        for (const ReadItem& item : items) {
            if (item.isSeparator()) continue;
            if (item.isSubmenu()) {
                visit(item.children);
                continue;
            }
            const MenuEntry* entry = entryOf(item);
            ASSERT_NE(entry, nullptr) << item.id;
            EXPECT_NE(entry->command, MenuCommand::None) << item.id;
            if (entry->command != MenuCommand::CaptureDisplay) {
                EXPECT_EQ(wideText(entry->text), item.text);
            }
            seen.push_back(item.id);
        }
    };
    visit(top);
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "identifiers are unique";
    EXPECT_GE(seen.front(), 1u);
    EXPECT_EQ(seen.back() + 1, trayCommandTable().size()) << "the table ends after the last identifier";
}

TEST_F(TrayMenuTest, DestroyTrayMenuFreesMenuAndTable) {
    UniqueWindow window = test::createTestWindow(WindowShape{});
    ASSERT_TRUE(window);
    rebuild();
    HMENU menu = trayMenu();
    ASSERT_TRUE(IsMenu(menu));
    destroyTrayMenu();
    EXPECT_EQ(trayMenu(), nullptr);
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(trayCommandTable().size(), 1u);
    EXPECT_FALSE(headerIndexOf(window.get()));
}

} // namespace
} // namespace zorbel
