#include "inspect/WindowTree.h"

#include <algorithm>

#include "inspect/ReportText.h"
#include "settings/Utf.h"

namespace zorbel {
namespace {

constexpr std::size_t kHandleDigits = 8;
constexpr std::size_t kTitleBase = 11; // "Window List"
// Window trees are shallow; a chain longer than this is not a chain of parents.
constexpr std::size_t kMaxAncestorChain = 4096;

int hexValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') return unit - u'0';
    if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
    if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
    return -1;
}

std::u16string twoDigits(int value) { return paddedDecimal(value, 2); }

} // namespace

std::u16string windowHandleText(std::uint64_t handle) { return paddedHex(handle, kHandleDigits); }

std::u16string treeItemText(std::uint64_t handle, std::u16string_view title, std::u16string_view className) {
    return windowHandleText(handle) + u" | " + singleLine(title) + u", " + singleLine(className);
}

std::u16string itemHandleText(std::u16string_view itemText) {
    const std::size_t bar = itemText.find(u" | ");
    return std::u16string(bar == std::u16string_view::npos ? itemText : itemText.substr(0, bar));
}

std::uint64_t handleFromItemText(std::u16string_view itemText) {
    const std::u16string digits = itemHandleText(itemText);
    if (digits.empty() || digits.size() > 16) return 0;
    std::uint64_t value = 0;
    for (char16_t unit : digits) {
        const int digit = hexValue(unit);
        if (digit < 0) return 0;
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    return value;
}

std::vector<std::size_t> parentsByAppendRule(const std::vector<std::int32_t>& levels) {
    // Below the root everything stands at level 1 or deeper.
    const auto levelOf = [&levels](std::size_t i) { return levels[i] < 1 ? 1 : levels[i]; };
    std::vector<std::size_t> parents(levels.size(), kNoParent);
    for (std::size_t i = 1; i < levels.size(); ++i) {
        std::size_t candidate = i - 1;
        while (candidate != 0 && levelOf(candidate) >= levelOf(i)) candidate = parents[candidate];
        parents[i] = candidate;
    }
    return parents;
}

void keepMatchingEntries(std::vector<WindowListEntry>& entries, const std::function<bool(const WindowListEntry&)>& keep) {
    for (WindowListEntry& entry : entries) {
        if (isShownEntry(entry) && !keep(entry)) {
            entry.handle = 0;
            entry.title.clear();
            entry.className.clear();
        }
    }
}

AncestorCounter::AncestorCounter(std::function<std::uint64_t(std::uint64_t)> parentOf) : parentOf_(std::move(parentOf)) {}

std::int32_t AncestorCounter::count(std::uint64_t handle) {
    if (handle == 0) return 0;
    // Up the chain until a window whose count is known or one without a parent.
    std::vector<std::uint64_t> chain;
    std::int32_t topCount = 0; // the count of chain.back()
    for (std::uint64_t current = handle;;) {
        if (const auto found = known_.find(current); found != known_.end()) {
            if (chain.empty()) return found->second;
            topCount = found->second + 1;
            break;
        }
        chain.push_back(current);
        current = parentOf_(current);
        if (current == 0 || chain.size() == kMaxAncestorChain) break;
    }
    for (std::size_t i = chain.size(); i-- > 0;)
        known_[chain[i]] = topCount + static_cast<std::int32_t>(chain.size() - 1 - i);
    return known_[handle];
}

std::u16string treeWindowTitle(std::u16string_view currentTitle, std::size_t itemCount) {
    const std::size_t below = itemCount > 0 ? itemCount - 1 : 0;
    return cutText(currentTitle, kTitleBase) + u" (" + unsignedDecimalText(below) + u")";
}

std::u16string timestampFileName(int year, int month, int day, int hour, int minute, int second) {
    return paddedDecimal(year, 4) + u"." + twoDigits(month) + u"." + twoDigits(day) + u"-" + twoDigits(hour) + u"." +
           twoDigits(minute) + u"." + twoDigits(second);
}

std::string utf8FileBytes(std::u16string_view text) { return "\xEF\xBB\xBF" + utf16ToUtf8(text); }

} // namespace zorbel
