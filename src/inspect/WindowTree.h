// The window tree viewer's data: the window list an enumeration fills, the item texts, how items
// are placed in the tree, the window title with its count, and the Save As file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorbel {

struct WindowListEntry {
    std::uint64_t handle = 0; // 0 and 1 mark a placeholder, never shown
    std::u16string title;
    std::u16string className;
    std::int32_t depth = 0;

    bool operator==(const WindowListEntry&) const = default;
};

inline bool isShownEntry(const WindowListEntry& entry) { return entry.handle > 1; }

// A handle as its item text begins: upper-case hexadecimal, zero-padded to 8 digits; a 64-bit
// handle that needs more digits is written whole.
std::u16string windowHandleText(std::uint64_t handle);
// "000A01B2 | Calculator, ApplicationFrameWindow". Line breaks in the title become blanks.
std::u16string treeItemText(std::uint64_t handle, std::u16string_view title, std::u16string_view className);
// The handle text an item text begins with (everything before " | "), or the whole text when it
// has no bar; Copy Address puts it on the clipboard.
std::u16string itemHandleText(std::u16string_view itemText);
// The handle an item text begins with; 0 for no selection or a text that does not begin with
// hexadecimal digits.
std::uint64_t handleFromItemText(std::u16string_view itemText);

// Where each item goes when items are appended in order with a level (item 0 is the root, level
// 0): an item becomes the last child of the nearest item before it, on the chain of the previous
// item and its ancestors, whose level is smaller than its own. So a deeper item becomes the
// previous item's child, an equal one its next sibling, a shallower one the next sibling of the
// ancestor at its level, and an item whose parents were dropped is placed relative to the item
// before it. Everything ends up under the root: a level below 1 counts as 1. parents[0] is
// kNoParent.
inline constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);
std::vector<std::size_t> parentsByAppendRule(const std::vector<std::int32_t>& levels);

// Enumerations that keep only some windows turn the others into placeholders, so that the kept
// entries keep their depths and their order.
void keepMatchingEntries(std::vector<WindowListEntry>& entries, const std::function<bool(const WindowListEntry&)>& keep);

// Counts the steps GetAncestor(GA_PARENT) takes from a window until it gives nothing (0 for the
// desktop and for 0), remembering every window's count so each parent is asked about once.
class AncestorCounter {
public:
    explicit AncestorCounter(std::function<std::uint64_t(std::uint64_t)> parentOf);
    std::int32_t count(std::uint64_t handle);

private:
    std::function<std::uint64_t(std::uint64_t)> parentOf_;
    std::unordered_map<std::uint64_t, std::int32_t> known_;
};

// The tree window's title: its current title cut to 11 characters (so a title with an old count
// is cut back to "Window List"), then " (" + the number of items below the root + ")".
std::u16string treeWindowTitle(std::u16string_view currentTitle, std::size_t itemCount);

// "2024.03.07-14.05.09": the default file name, from the local time.
std::u16string timestampFileName(int year, int month, int day, int hour, int minute, int second);
// The file's bytes: the UTF-8 byte-order mark, then the text in UTF-8.
std::string utf8FileBytes(std::u16string_view text);

} // namespace zorbel
