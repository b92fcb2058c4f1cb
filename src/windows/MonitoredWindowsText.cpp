#include "windows/MonitoredWindowsText.h"

namespace zorbel {

namespace {
constexpr std::size_t kNumberWidth = 4;
constexpr std::size_t kContextMenuTextWidth = 25;
} // namespace

std::u16string monitorRuleRow(std::size_t number, const MonitorRule& rule) {
    const std::string digits = std::to_string(number);
    std::u16string row(digits.begin(), digits.end());
    if (row.size() > kNumberWidth) row.resize(kNumberWidth);
    row.insert(0, kNumberWidth - row.size(), u' ');
    row += u" | ";
    row += rule.title;
    row += u" (";
    row += rule.className;
    row += u")";
    return row;
}

std::vector<std::u16string> monitorRuleRows(const MonitorRules& rules) {
    std::vector<std::u16string> rows;
    for (std::size_t i = 1; i < rules.size(); ++i) rows.push_back(monitorRuleRow(i, rules[i]));
    return rows;
}

std::u16string clipboardRows(const std::vector<std::u16string>& rows) {
    std::u16string text;
    for (const std::u16string& row : rows) {
        text += row;
        text += u"\r\n";
    }
    return text;
}

std::vector<ContextMenuItem> monitoredWindowsContextMenu(const StringTable& strings) {
    const auto cut = [&](TextKey key) { return std::u16string(cutToWidth(strings.text(key), kContextMenuTextWidth)); };
    return {
        {cut(TextKey::wm_CoRow), MonitoredWindowsCommand::CopyRow, false},
        {cut(TextKey::wm_CoAll), MonitoredWindowsCommand::CopyAll, false},
        {u"", MonitoredWindowsCommand::CopyRow, true},
        {cut(TextKey::wm_Remov), MonitoredWindowsCommand::Remove, false},
    };
}

ListKeyAction listKeyAction(unsigned virtualKey, bool controlDown) {
    if (controlDown && virtualKey == 'C') return ListKeyAction::CopyRow;
    if (controlDown && virtualKey == 'A') return ListKeyAction::CopyAll;
    if (!controlDown && virtualKey == kVirtualKeyDelete) return ListKeyAction::Remove;
    return ListKeyAction::None;
}

} // namespace zorbel
