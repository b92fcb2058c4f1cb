// Removing chosen rules from the window monitor's list. Each freed position is taken by the last
// rule of the list, so no rule but the chosen ones moves far, and exactly the chosen ones go.
#pragma once

#include <cstddef>
#include <vector>

#include "windows/MonitorRule.h"

namespace zorbel {

// rows are list rows (row r shows rule r + 1); rows past the last rule and repeated rows are
// ignored. Returns how many rules were removed.
std::size_t removeRuleRows(MonitorRules& rules, std::vector<std::size_t> rows);

} // namespace zorbel
