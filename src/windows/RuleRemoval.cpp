#include "windows/RuleRemoval.h"

#include <algorithm>
#include <functional>

namespace zorbel {

std::size_t removeRuleRows(MonitorRules& rules, std::vector<std::size_t> rows) {
    if (rules.size() <= 1) return 0;
    const std::size_t ruleCount = rules.size() - 1;
    std::erase_if(rows, [ruleCount](std::size_t row) { return row >= ruleCount; });
    // Highest first: every chosen rule above the current one is gone by then, so the last rule
    // that moves down is never one that was chosen.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const std::size_t row : rows) {
        const std::size_t index = row + 1;
        if (index != rules.size() - 1) rules[index] = std::move(rules.back());
        rules.pop_back();
    }
    return rows.size();
}

} // namespace zorbel
