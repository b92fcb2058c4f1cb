#include "app/MenuModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/StringTable.h"

namespace zorbel {
namespace {

struct CountingIcons : WindowIcons {
    explicit CountingIcons(int& destroyed) : destroyed(destroyed) {}
    ~CountingIcons() override { ++destroyed; }
    int& destroyed;
};

struct FakeWindow {
    std::uintptr_t hwnd;
    std::u16string title;
    bool topMost = false;
    bool monitored = false;
    std::uintptr_t coreWindow = 0;
};

// Drives a rebuild the way the Win32 side does; returns the windows whose icons were computed.
struct Rebuild {
    CommandTable table;
    StringTable strings;
    TrayMenuBuilder builder{table, strings};
    int iconsDestroyed = 0;

    std::vector<std::uintptr_t> run(const std::vector<FakeWindow>& windows, const ToolsFacts& facts = {}) {
        std::vector<std::uintptr_t> iconsComputed;
        builder.begin();
        for (const FakeWindow& w : windows) {
            builder.beginWindow(w.hwnd, w.coreWindow);
            if (builder.updateTitle(w.title)) {
                builder.currentHeader()->icons = std::make_unique<CountingIcons>(iconsDestroyed);
                iconsComputed.push_back(w.hwnd);
            }
            builder.endWindow(w.topMost, w.monitored);
        }
        builder.finish(facts);
        return iconsComputed;
    }
    const MenuNode& root() const { return builder.menu(); }
};

using Kind = MenuNode::Kind;

struct Expected {
    Kind kind;
    MenuCommand command;
    std::u16string text;
    int slot; // -1: no icon; 0: not checked here
};

void expectChildren(const Rebuild& r, const MenuNode& menu, const std::vector<Expected>& expected) {
    ASSERT_EQ(menu.children.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MenuNode& node = menu.children[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(node.kind, e.kind);
        if (e.kind == Kind::Separator) {
            continue;
        }
        EXPECT_EQ(node.text, e.text);
        if (e.slot == -1) {
            EXPECT_EQ(node.icon, MenuIcon::none());
        } else if (e.slot > 0) {
            EXPECT_EQ(node.icon, MenuIcon::fromSlot(e.slot));
        }
        if (e.kind == Kind::Item) {
            const MenuEntry* entry = r.table.find(node.identifier);
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(entry->command, e.command);
        }
    }
}

const Expected kSep{Kind::Separator, MenuCommand::None, u"", 0};

void collectItems(const MenuNode& node, std::vector<const MenuNode*>& out) {
    for (const MenuNode& child : node.children) {
        if (child.kind == Kind::Item) {
            out.push_back(&child);
        }
        collectItems(child, out);
    }
}

TEST(TrayMenu, WithoutWindowsOnlyToolsAndExit) {
    Rebuild r;
    r.run({});
    expectChildren(r, r.root(),
                   {{Kind::Submenu, MenuCommand::None, u"Tools Menu...", 21}, kSep,
                    {Kind::Item, MenuCommand::Exit, u"Exit", 22}});
    EXPECT_EQ(r.builder.windowCount(), 0);
    EXPECT_EQ(r.root().children[2].identifier, 1u);
}

TEST(TrayMenu, WindowSubmenuOrder) {
    Rebuild r;
    r.run({{0x10, u"Editor"}});
    const MenuNode& root = r.root();
    ASSERT_EQ(root.children.size(), 5u); // window, separator, Tools, separator, Exit
    EXPECT_EQ(root.children[1].kind, Kind::Separator);
    const MenuNode& w = root.children[0];
    EXPECT_EQ(w.kind, Kind::Submenu);
    EXPECT_EQ(w.text, u"Editor");
    EXPECT_EQ(w.icon, MenuIcon::fromWindow(1, 0));
    expectChildren(r, w,
                   {{Kind::Item, MenuCommand::EnableTopMost, u"Enable TopMost", 5}, kSep,
                    {Kind::Item, MenuCommand::EnableMonitor, u"Enable Monitor", 23}, kSep,
                    {Kind::Item, MenuCommand::MoveToTop, u"Move to Top", 16},
                    {Kind::Item, MenuCommand::MoveToBottom, u"Move to Bottom", 15}, kSep,
                    {Kind::Submenu, MenuCommand::None, u"Window Controls...", 27}, kSep,
                    {Kind::Submenu, MenuCommand::None, u"Window Transparency...", 1}, kSep,
                    {Kind::Item, MenuCommand::WindowCapture, u"Window Capture", 13}, kSep,
                    {Kind::Item, MenuCommand::WindowInformation, u"Window Information", 2}});
    expectChildren(r, w.children[7],
                   {{Kind::Item, MenuCommand::Zero, u"Zero", -1},
                    {Kind::Item, MenuCommand::Restore, u"Restore", -1},
                    {Kind::Item, MenuCommand::Maximise, u"Maximise", -1},
                    {Kind::Item, MenuCommand::Minimise, u"Minimise", -1}, kSep,
                    {Kind::Item, MenuCommand::CloseGracefully, u"Close Gracefully", -1},
                    {Kind::Item, MenuCommand::CloseForcibly, u"Close Forcibly", -1}});
    std::vector<const MenuNode*> items;
    collectItems(w, items);
    for (const MenuNode* item : items) {
        EXPECT_EQ(r.table.find(item->identifier)->window, 0x10u) << item->identifier;
    }
}

TEST(TrayMenu, OpacityItems) {
    Rebuild r;
    r.run({{0x10, u"A"}, {0x20, u"B"}});
    const std::size_t header = 24; // second window
    const MenuNode& opacity = r.root().children[1].children[9];
    ASSERT_EQ(opacity.children.size(), 10u);
    const char16_t* texts[] = {u"100%", u"90%", u"80%", u"70%", u"60%", u"50%", u"40%", u"30%", u"20%", u"10%"};
    for (int k = 0; k < 10; ++k) {
        const MenuNode& node = opacity.children[k];
        EXPECT_EQ(node.text, texts[k]);
        EXPECT_EQ(node.icon, MenuIcon::fromWindow(header, k));
        const MenuEntry* e = r.table.find(node.identifier);
        EXPECT_EQ(e->command, MenuCommand::SetOpacity);
        EXPECT_EQ(e->level, 100 - 10 * k);
        EXPECT_EQ(e->window, 0x20u);
    }
}

TEST(TrayMenu, IdentifiersInterleaveHeadersAndItems) {
    Rebuild r;
    r.run({{0x10, u"A"}, {0x20, u"B"}});
    // Window A: header 1, items 2..23; window B: header 24, items 25..46; 47 stays empty;
    // Exit takes 48 and the Tools items follow it.
    EXPECT_EQ(r.table.find(1)->window, 0x10u);
    EXPECT_EQ(r.table.find(1)->command, MenuCommand::None);
    EXPECT_EQ(r.table.find(24)->window, 0x20u);
    EXPECT_EQ(r.table.find(24)->command, MenuCommand::None);
    EXPECT_EQ(r.table.find(47)->command, MenuCommand::None);
    EXPECT_EQ(r.table.find(47)->window, 0u);

    std::vector<const MenuNode*> items;
    collectItems(r.root(), items); // menu order: A's items, B's items, Tools items, Exit
    ASSERT_EQ(items.back()->text, u"Exit");
    EXPECT_EQ(items.back()->identifier, 48u);
    items.pop_back();
    std::vector<std::size_t> expected;
    for (std::size_t id = 2; id <= 23; ++id) expected.push_back(id);
    for (std::size_t id = 25; id <= 46; ++id) expected.push_back(id);
    for (std::size_t id = 49; expected.size() < items.size(); ++id) expected.push_back(id);
    std::vector<std::size_t> actual;
    for (const MenuNode* item : items) actual.push_back(item->identifier);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(r.table.size(), expected.back() + 1);
}

TEST(TrayMenu, TopMostAndMonitoredVariants) {
    Rebuild r;
    r.run({{0x10, u"Pinned", true, true}, {0x20, u"Plain"}, {0x30, u"Pinned too", true, false}});
    EXPECT_EQ(r.builder.windowCount(), 3);
    EXPECT_EQ(r.builder.topMostCount(), 2);
    const MenuNode& pinned = r.root().children[0];
    EXPECT_EQ(pinned.icon, MenuIcon::fromSlot(5));
    const MenuNode& topMostItem = pinned.children[0];
    EXPECT_EQ(topMostItem.text, u"Disable TopMost");
    EXPECT_EQ(topMostItem.icon, MenuIcon::fromSlot(6));
    EXPECT_EQ(r.table.find(topMostItem.identifier)->command, MenuCommand::DisableTopMost);
    const MenuNode& monitorItem = pinned.children[2];
    EXPECT_EQ(monitorItem.text, u"Disable Monitor");
    EXPECT_EQ(monitorItem.icon, MenuIcon::fromSlot(24));
    EXPECT_EQ(r.table.find(monitorItem.identifier)->command, MenuCommand::DisableMonitor);
    EXPECT_EQ(r.root().children[2].children[2].text, u"Enable Monitor");
    EXPECT_EQ(r.root().children[1].icon, MenuIcon::fromWindow(24, 0));
    EXPECT_EQ(r.root().children[2].icon, MenuIcon::fromSlot(5));
}

TEST(TrayMenu, ToolsOrder) {
    for (bool optional : {true, false}) {
        Rebuild r;
        ToolsFacts facts;
        facts.transparencyHookInstalled = optional;
        facts.offerRunAtStartUp = optional;
        facts.offerRunAsAdministrator = optional;
        r.run({}, facts);
        std::vector<Expected> expected = {
            {Kind::Item, MenuCommand::About, u"About Zorbel!", 4}, kSep,
            {Kind::Item, MenuCommand::ToggleTransparencyMode,
             optional ? u"Disable Window Transparency" : u"Enable Window Transparency", 1},
            kSep,
            {Kind::Submenu, MenuCommand::None, u"Capture Display Devices...", 18},
            {Kind::Item, MenuCommand::RegionCapture, u"Enable Region Capture", 12}, kSep,
            {Kind::Submenu, MenuCommand::None, u"Power Management...", 26}, kSep,
            {Kind::Item, MenuCommand::WindowList, u"Window List", 14},
            {Kind::Item, MenuCommand::MonitoredWindows, u"Monitored Windows", 8}, kSep};
        if (optional) {
            expected.push_back({Kind::Item, MenuCommand::RunAtStartUp, u"Run at Start-Up", 17});
            expected.push_back({Kind::Item, MenuCommand::RunAsAdministrator, u"Run as Administrator", 10});
        }
        expected.push_back({Kind::Item, MenuCommand::CheckForUpdates, u"Check for Updates", 9});
        expected.push_back(kSep);
        expected.push_back({Kind::Item, MenuCommand::Preferences, u"Preferences...", 11});
        SCOPED_TRACE(optional);
        const MenuNode& tools = r.root().children[0];
        expectChildren(r, tools, expected);
        expectChildren(r, tools.children[7],
                       {{Kind::Item, MenuCommand::PreventDisplaySleep, u"Prevent Display Sleeping", -1},
                        {Kind::Item, MenuCommand::PreventSystemSleep, u"Prevent System Sleeping", -1},
                        {Kind::Item, MenuCommand::EnableAwayMode, u"Enable Away Mode", -1}});
    }
}

TEST(TrayMenu, DisplayDevices) {
    Rebuild r;
    ToolsFacts facts;
    facts.displayDevices = {{u"\\\\.\\DISPLAY1", u"Built-in Panel", 0x5},
                            {u"\\\\.\\DISPLAY2", u"Generic Monitor", 0x1},
                            {u"\\\\.\\DISPLAY3", u"Unplugged", 0x0}};
    r.run({}, facts);
    const MenuNode& displays = r.root().children[0].children[4];
    expectChildren(r, displays,
                   {{Kind::Item, MenuCommand::CaptureDesktopForeground, u"Capture Desktop Foreground", 20},
                    {Kind::Item, MenuCommand::CaptureDesktopBackground, u"Capture Desktop Background", 19}, kSep,
                    {Kind::Item, MenuCommand::CaptureDisplay, u"DISPLAY1 - Built-in Panel", 3},
                    {Kind::Item, MenuCommand::CaptureDisplay, u"DISPLAY2 - Generic Monitor", 3}});
    EXPECT_EQ(r.table.find(displays.children[3].identifier)->text, u"\\\\.\\DISPLAY1");
    EXPECT_EQ(r.table.find(displays.children[4].identifier)->text, u"\\\\.\\DISPLAY2");

    EXPECT_EQ(displayDeviceMenuText({u"\\\\.\\DISPLAY1\\\\.\\Monitor0", u"X", 1}), u"DISPLAY1Monitor0 - X");
    EXPECT_EQ(displayDeviceMenuText({u"", u"", 1}), u" - ");
}

TEST(TrayMenu, PowerItemStates) {
    struct Row {
        bool display, system, away;
        bool displayChecked, systemChecked, systemBullet, systemDisabled, awayChecked;
    };
    const Row rows[] = {
        {false, false, false, false, false, false, false, false},
        {false, true, false, false, true, false, false, false},
        {true, false, false, true, false, true, true, false},
        {true, true, false, true, false, true, true, false},
        {false, false, true, false, false, false, false, true},
        {false, true, true, false, true, false, false, true},
        {true, false, true, true, false, true, true, true},
        {true, true, true, true, false, true, true, true},
    };
    for (const Row& row : rows) {
        Rebuild r;
        ToolsFacts facts;
        facts.displayRequestHeld = row.display;
        facts.systemRequestHeld = row.system;
        facts.awayModeRequestHeld = row.away;
        r.run({}, facts);
        const auto& power = r.root().children[0].children[7].children;
        SCOPED_TRACE(testing::Message() << row.display << row.system << row.away);
        EXPECT_EQ(power[0].checked, row.displayChecked);
        EXPECT_FALSE(power[0].radioBullet || power[0].disabled);
        EXPECT_EQ(power[1].checked, row.systemChecked);
        EXPECT_EQ(power[1].radioBullet, row.systemBullet);
        EXPECT_EQ(power[1].disabled, row.systemDisabled);
        EXPECT_EQ(power[2].checked, row.awayChecked);
        EXPECT_FALSE(power[2].radioBullet || power[2].disabled);
    }
}

TEST(TrayMenu, HeadersAreReusedAcrossRebuilds) {
    Rebuild r;
    EXPECT_EQ(r.run({{0xA, u"A", false, false, 0xA1}, {0xB, u"B"}, {0xC, u"C"}}),
              (std::vector<std::uintptr_t>{0xA, 0xB, 0xC}));
    // Same windows in another order: nothing is recomputed and nothing is freed.
    EXPECT_TRUE(r.run({{0xC, u"C"}, {0xA, u"A", false, false, 0x99}, {0xB, u"B"}}).empty());
    EXPECT_EQ(r.iconsDestroyed, 0);
    EXPECT_EQ(r.table.find(1)->window, 0xCu);
    EXPECT_EQ(r.table.find(24)->window, 0xAu);
    EXPECT_EQ(r.table.find(24)->coreWindow, 0xA1u);
    EXPECT_EQ(r.root().children[1].text, u"A");

    // B vanished: its entry and icons go; A is new-titled and gets new icons.
    EXPECT_EQ(r.run({{0xA, u"A (2)"}, {0xC, u"C"}}), std::vector<std::uintptr_t>{0xA});
    EXPECT_EQ(r.iconsDestroyed, 2); // B's, and A's old ones
    EXPECT_EQ(r.root().children[0].text, u"A (2)");
    int headers = 0;
    for (std::size_t i = 1; i < r.table.size(); ++i) {
        headers += r.table.find(i)->icons != nullptr;
        EXPECT_NE(r.table.find(i)->window, 0xBu) << i;
    }
    EXPECT_EQ(headers, 2);

    // A new window in front pushes the cached ones along without losing them.
    EXPECT_EQ(r.run({{0xD, u"D"}, {0xA, u"A (2)"}, {0xC, u"C"}}), std::vector<std::uintptr_t>{0xD});
    EXPECT_EQ(r.iconsDestroyed, 2);

    r.run({});
    EXPECT_EQ(r.iconsDestroyed, 5);
    EXPECT_EQ(r.table.find(r.table.size()), nullptr);
}

TEST(TrayMenu, Titles) {
    const std::u16string fiftyNine(59, u'x');
    const std::u16string pair = u"\xD83D\xDE00"; // one character, two units
    struct Case {
        std::u16string in, out;
    };
    const Case cases[] = {
        {u"", u" "},
        {u"Notepad", u"Notepad"},
        {fiftyNine, fiftyNine},
        {fiftyNine + u"y", fiftyNine},
        {fiftyNine + std::u16string(200, u'z'), fiftyNine},
        {std::u16string(57, u'x') + pair, std::u16string(57, u'x') + pair},
        {std::u16string(58, u'x') + pair, std::u16string(58, u'x')},
        {std::u16string(58, u'x') + u"\xD83D", std::u16string(58, u'x')}, // cut by a 60-unit read
        {u"\xD83D", u" "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windowMenuTitle(c.in), c.out) << c.in.size();
    }

    Rebuild r;
    r.run({{0x10, fiftyNine + u"overflow"}});
    EXPECT_EQ(r.root().children[0].text, fiftyNine);
    EXPECT_EQ(r.table.find(1)->text, fiftyNine);
}

TEST(TrayMenu, TextsComeFromTheStringTable) {
    Rebuild r;
    r.strings.set(TextKey::lm_TopME, u"Épingler");
    r.strings.set(TextKey::lm_Exitm, u"Quitter");
    r.run({{0x10, u"A"}});
    EXPECT_EQ(r.root().children[0].children[0].text, u"Épingler");
    EXPECT_EQ(r.table.find(2)->text, u"Épingler");
    EXPECT_EQ(r.root().children[4].text, u"Quitter");
}

} // namespace
} // namespace zorbel
