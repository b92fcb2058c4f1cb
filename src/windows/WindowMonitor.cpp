#include "windows/WindowMonitor.h"

#include <algorithm>
#include <vector>

namespace zorbel {
namespace {

MonitorRulesListener rulesListener = nullptr;

} // namespace

MonitorRules& monitorRules() {
    static MonitorRules rules(1);
    return rules;
}

bool isClearedRule(const MonitorRule& rule) {
    return rule.title.empty() && rule.fileName.empty() && rule.className.empty() && rule.style == 0 &&
           rule.exStyle == 0;
}

const std::u16string& ProgramPathSource::get() {
    if (read_) {
        path_ = read_();
        read_ = nullptr;
    }
    return path_;
}

bool ruleMatchesWindow(const MonitorRule& rule, const MonitorWindowFacts& window, ProgramPathSource& path) {
    if (window.exStyle == 0 || isClearedRule(rule)) return false;
    if (window.className != rule.className || window.style != rule.style) return false;
    if (window.exStyle != rule.exStyle && window.exStyle != (rule.exStyle & ~kExStyleTopMost)) return false;
    return path.get() == rule.fileName;
}

std::size_t findMonitorRule(const MonitorRules& rules, const MonitorWindowFacts& window, ProgramPathSource& path) {
    for (std::size_t i = 1; i < rules.size(); ++i)
        if (ruleMatchesWindow(rules[i], window, path)) return i;
    return 0;
}

std::size_t clearMatchingRules(MonitorRules& rules, const MonitorWindowFacts& window, ProgramPathSource& path) {
    std::size_t cleared = 0;
    for (std::size_t i = 1; i < rules.size(); ++i) {
        if (ruleMatchesWindow(rules[i], window, path)) {
            rules[i] = MonitorRule{};
            ++cleared;
        }
    }
    return cleared;
}

bool hasActiveRules(const MonitorRules& rules) {
    return std::any_of(rules.begin() + (rules.empty() ? 0 : 1), rules.end(),
                       [](const MonitorRule& rule) { return !isClearedRule(rule); });
}

std::size_t removeSelectedMonitorRules(MonitorRules& rules, std::span<const int> selectedRows) {
    if (rules.empty()) return 0;
    std::vector<std::size_t> indices;
    for (const int row : selectedRows)
        if (row >= 0 && static_cast<std::size_t>(row) + 1 < rules.size()) indices.push_back(static_cast<std::size_t>(row) + 1);
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    // From the highest index down: the last rule is then never one still waiting to be removed,
    // so moving it into a freed position cannot save a selected rule or lose an unselected one.
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        if (*it != rules.size() - 1) rules[*it] = std::move(rules.back());
        rules.pop_back();
    }
    return indices.size();
}

void setMonitorRulesListener(MonitorRulesListener listener) { rulesListener = listener; }

void notifyMonitorRulesChanged() {
    if (rulesListener) rulesListener();
}

bool RepinFailureLog::firstFailure(std::uintptr_t window) {
    if (std::find(windows_, windows_ + count_, window) != windows_ + count_) return false;
    if (count_ < kCapacity) {
        windows_[count_++] = window;
    } else {
        windows_[next_] = window;
        next_ = (next_ + 1) % kCapacity;
    }
    return true;
}

void RepinFailureLog::succeeded(std::uintptr_t window) {
    std::uintptr_t* end = windows_ + count_;
    std::uintptr_t* found = std::find(windows_, end, window);
    if (found == end) return;
    // Keep the entries contiguous; the ring position only matters once the log is full again.
    *found = windows_[count_ - 1];
    --count_;
    next_ = 0;
}

} // namespace zorbel
