// What the Monitored Windows window shows and copies: one row per rule, and the context menu.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/StringTable.h"
#include "windows/MonitorRule.h"

namespace zorbel {

// "   2 | Untitled - Notepad (Notepad)": the number right-aligned in 4 places (a longer one cut to
// its first 4 digits), " | ", the title, " (", the class name, ")".
std::u16string monitorRuleRow(std::size_t number, const MonitorRule& rule);
// One row per rule, rule 1 first.
std::vector<std::u16string> monitorRuleRows(const MonitorRules& rules);
// Each row followed by CR LF; empty for no rows.
std::u16string clipboardRows(const std::vector<std::u16string>& rows);

enum class MonitoredWindowsCommand : unsigned { CopyRow = 1, CopyAll = 2, Remove = 3 };

struct ContextMenuItem {
    std::u16string text; // empty for a separator
    MonitoredWindowsCommand command = MonitoredWindowsCommand::CopyRow;
    bool separator = false;
};

// "Copy Row\tCtrl+C", "Copy All\tCtrl+A", a separator, "Remove\tDelete": texts from the string
// table, cut to 25 units.
std::vector<ContextMenuItem> monitoredWindowsContextMenu(const StringTable& strings);

// The keys of the list: Ctrl+C, Ctrl+A and Delete. Virtual-key codes as the list reports them.
inline constexpr unsigned kVirtualKeyDelete = 0x2E;
enum class ListKeyAction { None, CopyRow, CopyAll, Remove };
ListKeyAction listKeyAction(unsigned virtualKey, bool controlDown);

} // namespace zorbel
