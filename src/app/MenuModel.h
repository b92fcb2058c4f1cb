// The tray menu as data. The rebuild fills a MenuNode tree and the command table from facts that
// the Win32 side gathers; the Win32 side then renders the tree to an HMENU and does nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandTable.h"

namespace zorbel {

class StringTable;

struct MenuIcon {
    enum class Kind { None, Slot, WindowIcon };
    Kind kind = Kind::None;
    int slot = 0;                // Slot: menu-icon slot number
    std::size_t headerIndex = 0; // WindowIcon: the header entry whose icons are meant
    int iconIndex = 0;           // WindowIcon: 0 opaque .. 9 palest

    static MenuIcon none() { return {}; }
    static MenuIcon fromSlot(int slot) { return {Kind::Slot, slot, 0, 0}; }
    static MenuIcon fromWindow(std::size_t headerIndex, int iconIndex) {
        return {Kind::WindowIcon, 0, headerIndex, iconIndex};
    }
    bool operator==(const MenuIcon&) const = default;
};

struct MenuNode {
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    std::u16string text;
    std::size_t identifier = 0; // items only; indexes the command table
    MenuIcon icon;
    bool checked = false;     // check mark
    bool radioBullet = false; // bullet mark instead of a check mark
    bool disabled = false;    // cannot be chosen (not greyed)
    std::vector<MenuNode> children; // submenus only
};

// A display device as EnumDisplayDevicesW reports it.
struct DisplayDevice {
    std::u16string deviceName;   // for example \\.\DISPLAY1
    std::u16string deviceString; // for example Generic Monitor
    std::uint32_t stateFlags = 0;
};

inline constexpr std::uint32_t kDisplayAttachedToDesktop = 0x1;

// What the Tools part of the menu depends on.
struct ToolsFacts {
    bool transparencyHookInstalled = false;
    std::vector<DisplayDevice> displayDevices; // in enumeration order
    bool displayRequestHeld = false;
    bool systemRequestHeld = false;
    bool awayModeRequestHeld = false;
    bool offerRunAtStartUp = false;       // not running from the Startup folder
    bool offerRunAsAdministrator = false; // not elevated
};

// Window titles are read into a 60-unit buffer: at most 59 UTF-16 units, never half a surrogate
// pair, and a single space for an empty title.
inline constexpr std::size_t kMaxTitleUnits = 59;
std::u16string windowMenuTitle(std::u16string_view text);

// Display device item text: the device name with every "\\.\" removed, " - ", the description.
std::u16string displayDeviceMenuText(const DisplayDevice& device);

// One rebuild, in the order the Win32 side calls it:
//   begin();
//   for every window that passes isListableWindow() and answers in time:
//       index = beginWindow(handle, coreWindowChild);
//       if (updateTitle(title)) <note index: its icons must be made>;
//       endWindow(isTopMost, isMonitored);
//   <give each noted header entry its new icons>;
//   finish(toolsFacts);
//   render(menu());
// Items refer to a window's images through its header entry, which stays at its index for the
// rest of the rebuild, so the icons can be made for all windows together after they are listed.
class TrayMenuBuilder {
public:
    TrayMenuBuilder(CommandTable& table, const StringTable& strings);

    void begin();

    // Places the window's header entry at the current identifier and returns its index.
    // coreWindow is stored only when the window has no entry from an earlier rebuild.
    std::size_t beginWindow(std::uintptr_t window, std::uintptr_t coreWindow);
    // Stores the title (cut by windowMenuTitle). True when the icons must be (re)computed:
    // the entry is new or the title changed.
    bool updateTitle(std::u16string_view title);
    // The header entry of the window being listed (null outside beginWindow .. endWindow).
    MenuEntry* currentHeader();
    // Appends the window's submenu and its items and counts the window.
    void endWindow(bool topMost, bool monitored);

    void finish(const ToolsFacts& facts);

    const MenuNode& menu() const { return root_; }
    int windowCount() const { return windowCount_; }
    int topMostCount() const { return topMostCount_; }

private:
    MenuNode& item(MenuNode& parent, std::u16string text, MenuIcon icon, MenuEntry entry);
    MenuNode& item(MenuNode& parent, MenuCommand command, std::u16string text, MenuIcon icon,
                   std::uintptr_t window = 0);
    static MenuNode& submenu(MenuNode& parent, std::u16string text, MenuIcon icon);
    static void separator(MenuNode& parent);

    CommandTable& table_;
    const StringTable& strings_;
    MenuNode root_;
    std::size_t counter_ = 0;
    std::size_t header_ = 0; // header index of the window being listed, 0 between windows
    bool headerIsNew_ = false;
    int windowCount_ = 0;
    int topMostCount_ = 0;
};

} // namespace zorbel
