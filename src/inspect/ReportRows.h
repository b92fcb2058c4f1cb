// Report rows as the information window's lists show and copy them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

inline constexpr std::size_t kReportColumns = 3; // Function, Result, Comment

// The cells of a row text: label, result and comment, split at the first two line feeds. A row
// with fewer parts leaves the last cells empty; any further line feed stays in the comment as a
// blank.
std::array<std::u16string, kReportColumns> splitReportRow(std::u16string_view row);

// Copy Row: the cells joined by three tabs, without a line end.
std::u16string copyRowText(const std::vector<std::u16string>& cells);
// Copy All: every row's cells joined by three tabs, each row followed by CR LF.
std::u16string copyAllText(const std::vector<std::vector<std::u16string>>& rows);

} // namespace zorbel
