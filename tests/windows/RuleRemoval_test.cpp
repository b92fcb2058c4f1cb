#include "windows/RuleRemoval.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/MonitoredWindowsText.h"

namespace zorbel {
namespace {

// Rules titled "1" .. "n" (their original numbers), with element 0 empty.
MonitorRules numberedRules(int count) {
    MonitorRules rules(1);
    for (int i = 1; i <= count; ++i) {
        MonitorRule rule;
        rule.title = std::u16string(1, static_cast<char16_t>(u'0' + i));
        rule.className = u"Class" + rule.title;
        rule.fileName = u"C:\\p" + rule.title + u".exe";
        rule.style = i;
        rule.exStyle = 8 * i;
        rules.push_back(rule);
    }
    return rules;
}

std::u16string titles(const MonitorRules& rules) {
    std::u16string text;
    for (std::size_t i = 1; i < rules.size(); ++i) text += rules[i].title;
    return text;
}

TEST(RuleRemoval, FreedPositionsAreFilledFromTheEnd) {
    struct Row {
        int count;
        std::vector<std::size_t> rows;
        std::u16string after; // remaining original numbers in list order
        std::size_t removed;
    };
    const Row rows[] = {
        {3, {0}, u"32", 1}, // rule 3 moves into the freed first place
        {3, {1}, u"13", 1},
        {3, {2}, u"12", 1}, // the last rule just goes
        {3, {0, 2}, u"2", 2}, // the last rule was chosen too: it must not survive by moving
        {3, {2, 0}, u"2", 2}, // selection order does not matter
        {3, {0, 1}, u"3", 2},
        {3, {1, 2}, u"1", 2},
        {3, {0, 1, 2}, u"", 3},
        {5, {0, 3}, u"523", 2},
        {5, {1, 3, 4}, u"13", 3},
        {6, {0, 1, 2}, u"456", 3},
        {6, {0, 5, 2}, u"425", 3},
        {1, {0}, u"", 1},
        {3, {}, u"123", 0},
        {3, {3, 7}, u"123", 0}, // rows past the end: nothing to remove
        {3, {1, 1, 1}, u"13", 1}, // a row named twice is removed once
        {0, {0}, u"", 0},
    };
    for (const Row& row : rows) {
        MonitorRules rules = numberedRules(row.count);
        SCOPED_TRACE(testing::Message() << row.count << " rules, " << row.rows.size() << " rows");
        EXPECT_EQ(removeRuleRows(rules, row.rows), row.removed);
        EXPECT_EQ(titles(rules), row.after);
        ASSERT_FALSE(rules.empty());
        EXPECT_EQ(rules[0], MonitorRule{}) << "element 0 stays empty";
    }
}

TEST(RuleRemoval, ExactlyTheChosenRulesGoForEverySelection) {
    // Every subset of seven rows: the remaining rules are the unchosen ones, each whole.
    const int count = 7;
    const MonitorRules original = numberedRules(count);
    for (unsigned mask = 0; mask < (1u << count); ++mask) {
        std::vector<std::size_t> chosen;
        for (int r = 0; r < count; ++r)
            if (mask & (1u << r)) chosen.push_back(static_cast<std::size_t>(r));
        MonitorRules rules = original;
        removeRuleRows(rules, chosen);
        ASSERT_EQ(rules.size(), original.size() - chosen.size()) << mask;
        std::vector<bool> seen(count + 1, false);
        for (std::size_t i = 1; i < rules.size(); ++i) {
            const int number = rules[i].style;
            ASSERT_FALSE(mask & (1u << (number - 1))) << "mask " << mask << " kept chosen rule " << number;
            EXPECT_EQ(rules[i], original[static_cast<std::size_t>(number)]);
            EXPECT_FALSE(seen[static_cast<std::size_t>(number)]);
            seen[static_cast<std::size_t>(number)] = true;
        }
    }
}

TEST(MonitoredWindowsText, Rows) {
    MonitorRule notepad;
    notepad.title = u"Untitled - Notepad";
    notepad.className = u"Notepad";
    EXPECT_EQ(monitorRuleRow(2, notepad), u"   2 | Untitled - Notepad (Notepad)");
    EXPECT_EQ(monitorRuleRow(9999, notepad), u"9999 | Untitled - Notepad (Notepad)");
    EXPECT_EQ(monitorRuleRow(12345, notepad), u"1234 | Untitled - Notepad (Notepad)");
    EXPECT_EQ(monitorRuleRow(10, MonitorRule{}), u"  10 |  ()") << "a cleared rule keeps its row";

    MonitorRules rules = numberedRules(2);
    EXPECT_EQ(monitorRuleRows(rules), (std::vector<std::u16string>{u"   1 | 1 (Class1)", u"   2 | 2 (Class2)"}));
    EXPECT_TRUE(monitorRuleRows(MonitorRules(1)).empty());
    EXPECT_EQ(clipboardRows(monitorRuleRows(rules)), u"   1 | 1 (Class1)\r\n   2 | 2 (Class2)\r\n");
    EXPECT_EQ(clipboardRows({}), u"");
}

TEST(MonitoredWindowsText, ContextMenuAndKeys) {
    StringTable strings;
    std::vector<ContextMenuItem> items = monitoredWindowsContextMenu(strings);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, u"Copy Row\tCtrl+C");
    EXPECT_EQ(items[0].command, MonitoredWindowsCommand::CopyRow);
    EXPECT_EQ(items[1].text, u"Copy All\tCtrl+A");
    EXPECT_EQ(items[1].command, MonitoredWindowsCommand::CopyAll);
    EXPECT_TRUE(items[2].separator);
    EXPECT_EQ(items[3].text, u"Remove\tDelete");
    EXPECT_EQ(items[3].command, MonitoredWindowsCommand::Remove);
    EXPECT_FALSE(items[0].separator || items[1].separator || items[3].separator);

    strings.set(TextKey::wm_Remov, u"Eine sehr lange Beschriftung zum Entfernen");
    items = monitoredWindowsContextMenu(strings);
    EXPECT_EQ(items[3].text.size(), 25u);

    struct Key {
        unsigned vk;
        bool control;
        ListKeyAction action;
    };
    const Key keys[] = {
        {'C', true, ListKeyAction::CopyRow}, {'A', true, ListKeyAction::CopyAll},
        {0x2E, false, ListKeyAction::Remove}, {'C', false, ListKeyAction::None},
        {'A', false, ListKeyAction::None},    {0x2E, true, ListKeyAction::None},
        {'X', true, ListKeyAction::None},     {0x26, false, ListKeyAction::None},
    };
    for (const Key& key : keys) EXPECT_EQ(listKeyAction(key.vk, key.control), key.action) << key.vk << key.control;
}

} // namespace
} // namespace zorbel
