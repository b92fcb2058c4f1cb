// The tray menu's command table: one entry per menu item identifier, plus one header entry per
// listed window that caches the window's title and icons from one rebuild to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/MenuCommand.h"

namespace zorbel {

// The ten icon images of a listed window. The Win32 side derives from this and owns the bitmaps;
// portable code only moves the object around and destroys it.
struct WindowIcons {
    virtual ~WindowIcons() = default;
};

struct MenuEntry {
    MenuCommand command = MenuCommand::None; // None in header entries and unused entries
    std::u16string text;                     // item text, window title, or a display device name
    std::uintptr_t window = 0;
    std::uintptr_t coreWindow = 0;           // "Windows.UI.Core.CoreWindow" child of a listed window
    std::int32_t level = 0;                  // opacity in percent, SetOpacity only
    std::unique_ptr<WindowIcons> icons;      // header entries only
};

class CommandTable {
public:
    struct Header {
        std::size_t index;
        bool isNew; // true when no entry of an earlier rebuild was found for the window
    };

    CommandTable(); // holds the unused entry 0

    std::size_t size() const { return entries_.size(); }

    // The entry that a menu identifier selects, or null when the identifier holds no entry
    // (0 and anything past the end), so a stale or forged identifier can never crash a command.
    MenuEntry* find(std::size_t identifier);
    const MenuEntry* find(std::size_t identifier) const;

    // Places the header entry of window at index. An entry of an earlier rebuild for the same
    // window is swapped into place and keeps its text, coreWindow and icons; otherwise a fresh
    // entry is appended and swapped in, and whatever stood at index moves to the end.
    Header placeHeader(std::size_t index, std::uintptr_t window, std::uintptr_t coreWindow);

    // Stores an item's entry at identifier, growing the table when needed. Whatever stood there
    // (with its icons) is dropped.
    MenuEntry& store(std::size_t identifier, MenuEntry entry);

    // Drops every entry from counter to the end, icons included, and leaves counter + 1 entries.
    void truncate(std::size_t counter);

private:
    std::vector<MenuEntry> entries_;
};

} // namespace zorbel
