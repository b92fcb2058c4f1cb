#include "inspect/ReportRows.h"

#include "inspect/ReportText.h"

namespace zorbel {

std::array<std::u16string, kReportColumns> splitReportRow(std::u16string_view row) {
    std::array<std::u16string, kReportColumns> cells;
    std::size_t column = 0;
    std::size_t start = 0;
    while (column + 1 < kReportColumns) {
        const std::size_t end = row.find(u'\n', start);
        if (end == std::u16string_view::npos) break;
        cells[column++] = std::u16string(row.substr(start, end - start));
        start = end + 1;
    }
    cells[column] = singleLine(row.substr(start));
    return cells;
}

std::u16string copyRowText(const std::vector<std::u16string>& cells) {
    std::u16string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) text += u"\t\t\t";
        text += cells[i];
    }
    return text;
}

std::u16string copyAllText(const std::vector<std::vector<std::u16string>>& rows) {
    std::u16string text;
    for (const auto& cells : rows) text += copyRowText(cells) + u"\r\n";
    return text;
}

} // namespace zorbel
