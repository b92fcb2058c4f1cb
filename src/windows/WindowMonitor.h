// The windows the user asked to keep TopMost, remembered across runs in the settings file: how a
// window is matched against the rules, how rules are forgotten and removed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "windows/MonitorRule.h"

namespace zorbel {

inline constexpr std::int32_t kExStyleTopMost = 0x00000008; // WS_EX_TOPMOST

// The process-wide rule list; index 0 exists and stays empty.
MonitorRules& monitorRules();

// What matching compares, read from the window without sending it a message. The program path is
// asked for separately and only when needed: reading it opens the window's process.
struct MonitorWindowFacts {
    std::u16string className; // " " when it cannot be read
    std::int32_t style = 0;   // GWL_STYLE
    std::int32_t exStyle = 0; // GWL_EXSTYLE; 0 also for a handle that is no window
};

// A rule whose strings are empty and numbers 0: it stays in the list until the program ends but
// matches nothing and is not saved.
bool isClearedRule(const MonitorRule& rule);

// The program path of the window being matched, read at most once.
class ProgramPathSource {
public:
    explicit ProgramPathSource(std::function<std::u16string()> read) : read_(std::move(read)) {}
    const std::u16string& get();
    bool wasRead() const { return read_ == nullptr; }

private:
    std::function<std::u16string()> read_;
    std::u16string path_;
};

// A rule matches when the class name, the style and the program path are equal (case-sensitive)
// and the extended style equals the rule's with or without WS_EX_TOPMOST: the rule is stored
// from the pinned window, and the window comes back without it. The title is never compared.
// The path is asked for only when everything else agrees.
bool ruleMatchesWindow(const MonitorRule& rule, const MonitorWindowFacts& window, ProgramPathSource& path);

// Index of the first rule from index 1 on that matches, or 0 for none (a window with extended
// style 0 matches nothing).
std::size_t findMonitorRule(const MonitorRules& rules, const MonitorWindowFacts& window, ProgramPathSource& path);

// Clears every rule that matches the window and returns how many there were. Clearing them all
// (not only the first) is what makes the window no longer monitored.
std::size_t clearMatchingRules(MonitorRules& rules, const MonitorWindowFacts& window, ProgramPathSource& path);

// True when some rule could match a window at all (a list of cleared rules cannot), so a rebuild
// can skip reading class names when nothing is monitored.
bool hasActiveRules(const MonitorRules& rules);

// The Monitored Windows window's Remove: row r (from 0) shows rule r + 1. Exactly the rules of the
// selected rows disappear; each freed position is taken by the last rule of the list at that
// moment, so removing one row of three rules leaves (old 3, old 2). Rows out of range and repeated
// rows are ignored. Returns the number of rules removed.
std::size_t removeSelectedMonitorRules(MonitorRules& rules, std::span<const int> selectedRows);

// Called after a rule was added or cleared from the tray menu, so that an open Monitored Windows
// window can show the list again. One listener; null removes it.
using MonitorRulesListener = void (*)();
void setMonitorRulesListener(MonitorRulesListener listener);
void notifyMonitorRulesChanged();

// Windows whose re-pinning by the window monitor failed and was reported. A rebuild runs every
// second while windows change, and a window that refuses to be pinned (one of a program running
// with higher rights, say) would otherwise raise the same balloon every time.
class RepinFailureLog {
public:
    static constexpr std::size_t kCapacity = 64;

    // True the first time a window's re-pinning fails (report it), false while it keeps failing.
    bool firstFailure(std::uintptr_t window);
    // The window was pinned: a later failure is news again.
    void succeeded(std::uintptr_t window);
    std::size_t size() const { return count_; }

private:
    std::uintptr_t windows_[kCapacity]{};
    std::size_t count_ = 0;
    std::size_t next_ = 0; // where the next window goes once the log is full (oldest first)
};

} // namespace zorbel
