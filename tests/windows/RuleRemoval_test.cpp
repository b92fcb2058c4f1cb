#include "windows/RuleRemoval.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/MonitoredWindowsText.h"

namespace zorbel {
namespace {

// Rules numbered 1 .. count in their style field and titled with the number's digit.
MonitorRules numberedRules(int count) {
    MonitorRules rules(1);
    for (int i = 1; i <= count; ++i) {
        const std::u16string digit(1, static_cast<char16_t>(u'0' + i));
        rules.push_back({digit, u"C:\\p" + digit + u".exe", u"Class" + digit, i, 8 * i});
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
        std::u16string after;
    };
    const Row rows[] = {
        {3, {0}, u"32"},    // rule 3 moves into the freed first place
        {3, {1}, u"13"},    {3, {2}, u"12"},  // the last rule just goes
        {3, {2, 0}, u"2"},  // the last rule was chosen too: it must not survive by moving
        {5, {0, 3}, u"523"}, {6, {0, 5, 2}, u"425"}, {3, {0, 1, 2}, u""},
        {3, {}, u"123"},    {3, {3, 7}, u"123"}, // rows past the end are ignored
        {3, {1, 1}, u"13"}, {0, {0}, u""},
    };
    for (const Row& row : rows) {
        MonitorRules rules = numberedRules(row.count);
        removeRuleRows(rules, row.rows);
        EXPECT_EQ(titles(rules), row.after) << row.count << " rules, " << row.rows.size() << " rows";
        EXPECT_EQ(rules.at(0), MonitorRule{}) << "element 0 stays";
    }
}

TEST(RuleRemoval, ExactlyTheChosenRulesGoForEverySelection) {
    const int count = 7;
    const MonitorRules original = numberedRules(count);
    for (unsigned mask = 0; mask < (1u << count); ++mask) {
        std::vector<std::size_t> chosen;
        for (int r = 0; r < count; ++r)
            if (mask & (1u << r)) chosen.push_back(static_cast<std::size_t>(r));
        MonitorRules rules = original;
        EXPECT_EQ(removeRuleRows(rules, chosen), chosen.size());
        ASSERT_EQ(rules.size(), original.size() - chosen.size()) << mask;
        unsigned kept = 0;
        for (std::size_t i = 1; i < rules.size(); ++i) {
            const int number = rules[i].style;
            EXPECT_EQ(rules[i], original[static_cast<std::size_t>(number)]) << "a rule arrived whole";
            kept |= 1u << (number - 1);
        }
        EXPECT_EQ(kept, ~mask & ((1u << count) - 1)) << "mask " << mask;
    }
}

TEST(MonitoredWindowsText, RowsMenuAndKeys) {
    const MonitorRule notepad{u"Untitled - Notepad", u"", u"Notepad", 0, 0};
    EXPECT_EQ(monitorRuleRow(2, notepad), u"   2 | Untitled - Notepad (Notepad)");
    EXPECT_EQ(monitorRuleRow(12345, notepad), u"1234 | Untitled - Notepad (Notepad)");
    EXPECT_EQ(monitorRuleRow(10, MonitorRule{}), u"  10 |  ()") << "a cleared rule keeps its row";
    EXPECT_EQ(clipboardRows(monitorRuleRows(numberedRules(2))), u"   1 | 1 (Class1)\r\n   2 | 2 (Class2)\r\n");
    EXPECT_EQ(clipboardRows(monitorRuleRows(MonitorRules(1))), u"");

    StringTable strings;
    strings.set(TextKey::wm_Remov, u"Eine sehr lange Beschriftung zum Entfernen");
    const std::vector<ContextMenuItem> items = monitoredWindowsContextMenu(strings);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, u"Copy Row\tCtrl+C");
    EXPECT_EQ(items[1].text, u"Copy All\tCtrl+A");
    EXPECT_TRUE(items[2].separator && !items[0].separator && !items[3].separator);
    EXPECT_EQ(items[3].text, u"Eine sehr lange Beschrift");
    EXPECT_EQ(items[3].command, MonitoredWindowsCommand::Remove);

    EXPECT_EQ(listKeyAction('C', true), ListKeyAction::CopyRow);
    EXPECT_EQ(listKeyAction('A', true), ListKeyAction::CopyAll);
    EXPECT_EQ(listKeyAction(kVirtualKeyDelete, false), ListKeyAction::Remove);
    for (const auto& [key, control] : {std::pair{'C', false}, {'A', false}, {'X', true}, {char(kVirtualKeyDelete), true}})
        EXPECT_EQ(listKeyAction(static_cast<unsigned>(key), control), ListKeyAction::None) << key;
}

} // namespace
} // namespace zorbel
