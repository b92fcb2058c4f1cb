#include "windows/WindowMonitor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace zorbel {
namespace {

constexpr std::int32_t kOverlapped = 0x14CF0000; // WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS
constexpr std::int32_t kMaximize = 0x01000000;   // WS_MAXIMIZE
constexpr std::int32_t kWindowEdge = 0x00000100;
constexpr std::int32_t kAppWindow = 0x00040000;
constexpr std::int32_t kToolWindow = 0x00000080;
constexpr std::int32_t kLayered = 0x00080000;

const std::u16string kEditor = u"C:\\Program Files\\Editor\\editor.exe";

MonitorRule editorRule() {
    return {u"Untitled - Editor", kEditor, u"EditorFrame", kOverlapped, kWindowEdge | kAppWindow | kExStyleTopMost};
}

MonitorWindowFacts editorWindow() { return {u"EditorFrame", kOverlapped, kWindowEdge | kAppWindow}; }

// A path source that counts how often the path is read.
struct CountingPath {
    std::u16string path;
    int reads = 0;
    ProgramPathSource source() {
        return ProgramPathSource([this] {
            ++reads;
            return path;
        });
    }
};

TEST(WindowMonitor, RuleMatching) {
    struct Case {
        const char* name;
        std::function<void(MonitorRule&, MonitorWindowFacts&, std::u16string&)> change;
        bool matches;
    };
    const Case cases[] = {
        {"re-created, not yet pinned", [](auto&, auto&, auto&) {}, true},
        {"pinned, as stored", [](auto&, MonitorWindowFacts& w, auto&) { w.exStyle |= kExStyleTopMost; }, true},
        {"rule stored without TopMost, window pinned",
         [](MonitorRule& r, MonitorWindowFacts& w, auto&) {
             r.exStyle &= ~kExStyleTopMost;
             w.exStyle |= kExStyleTopMost;
         },
         false},
        {"rule stored without TopMost, window not pinned",
         [](MonitorRule& r, auto&, auto&) { r.exStyle &= ~kExStyleTopMost; }, true},
        {"another extended style bit", [](auto&, MonitorWindowFacts& w, auto&) { w.exStyle |= kToolWindow; }, false},
        {"layered since", [](auto&, MonitorWindowFacts& w, auto&) { w.exStyle |= kLayered; }, false},
        {"maximised", [](auto&, MonitorWindowFacts& w, auto&) { w.style |= kMaximize; }, false},
        {"another class", [](auto&, MonitorWindowFacts& w, auto&) { w.className = u"EditorFrame2"; }, false},
        {"class differs in case", [](auto&, MonitorWindowFacts& w, auto&) { w.className = u"editorframe"; }, false},
        {"another program", [](auto&, auto&, std::u16string& p) { p = u"C:\\Other\\editor.exe"; }, false},
        {"path differs in case", [](auto&, auto&, std::u16string& p) { p = u"c:\\program files\\editor\\editor.exe"; },
         false},
        {"the title is never compared", [](MonitorRule& r, auto&, auto&) { r.title = u"Report.txt - Editor"; }, true},
        {"no window (extended style 0)", [](auto&, MonitorWindowFacts& w, auto&) { w.exStyle = 0; }, false},
        {"rule with exStyle 0 and a window whose style is 0",
         [](MonitorRule& r, MonitorWindowFacts& w, auto&) { r.exStyle = 0; w.exStyle = 0; }, false},
        {"unreadable path on both sides",
         [](MonitorRule& r, auto&, std::u16string& p) {
             r.fileName.clear();
             p.clear();
         },
         true},
        {"unreadable path of the window only", [](auto&, auto&, std::u16string& p) { p.clear(); }, false},
    };
    for (const Case& c : cases) {
        MonitorRule rule = editorRule();
        MonitorWindowFacts window = editorWindow();
        std::u16string path = kEditor;
        c.change(rule, window, path);
        CountingPath counting{path};
        ProgramPathSource source = counting.source();
        EXPECT_EQ(ruleMatchesWindow(rule, window, source), c.matches) << c.name;
        EXPECT_LE(counting.reads, 1) << c.name;
    }
}

TEST(WindowMonitor, ClearedRulesMatchNothing) {
    const MonitorRule cleared{};
    EXPECT_TRUE(isClearedRule(cleared));
    EXPECT_FALSE(isClearedRule(editorRule()));
    // Even a window that shows nothing of itself: no class text, styles 0 but extended style set.
    const MonitorWindowFacts bare{u"", 0, kWindowEdge};
    CountingPath counting{u""};
    ProgramPathSource source = counting.source();
    EXPECT_FALSE(ruleMatchesWindow(cleared, bare, source));
    EXPECT_EQ(counting.reads, 0);
}

TEST(WindowMonitor, PathIsReadOnceAndOnlyWhenEverythingElseAgrees) {
    MonitorRules rules(1);
    for (int i = 0; i < 50; ++i) {
        MonitorRule other = editorRule();
        other.className = u"Other" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        rules.push_back(other);
    }
    CountingPath counting{kEditor};
    {
        ProgramPathSource source = counting.source();
        EXPECT_EQ(findMonitorRule(rules, editorWindow(), source), 0u);
        EXPECT_EQ(counting.reads, 0) << "no rule agreed on the class: no process to open";
    }
    // Ten rules agree on class and styles but name other programs, then the one that matches.
    for (int i = 0; i < 10; ++i) {
        MonitorRule other = editorRule();
        other.fileName = u"C:\\elsewhere\\" + std::u16string(1, static_cast<char16_t>(u'a' + i)) + u".exe";
        rules.push_back(other);
    }
    rules.push_back(editorRule());
    ProgramPathSource source = counting.source();
    EXPECT_EQ(findMonitorRule(rules, editorWindow(), source), rules.size() - 1);
    EXPECT_EQ(counting.reads, 1);
}

TEST(WindowMonitor, FindSkipsIndexZeroAndClearingTakesEveryMatch) {
    MonitorRules rules(1);
    rules[0] = editorRule(); // index 0 is never a rule, whatever it holds
    CountingPath counting{kEditor};
    {
        ProgramPathSource source = counting.source();
        EXPECT_EQ(findMonitorRule(rules, editorWindow(), source), 0u);
    }
    MonitorRule other = editorRule();
    other.className = u"Other";
    rules.push_back(editorRule()); // 1
    rules.push_back(other);        // 2
    rules.push_back(editorRule()); // 3: a duplicate, as a hand-edited file may hold
    {
        ProgramPathSource source = counting.source();
        EXPECT_EQ(findMonitorRule(rules, editorWindow(), source), 1u);
    }
    ProgramPathSource source = counting.source();
    EXPECT_EQ(clearMatchingRules(rules, editorWindow(), source), 2u);
    ASSERT_EQ(rules.size(), 4u); // cleared rules keep their place until the program ends
    EXPECT_TRUE(isClearedRule(rules[1]));
    EXPECT_EQ(rules[2], other);
    EXPECT_TRUE(isClearedRule(rules[3]));
    ProgramPathSource again = counting.source();
    EXPECT_EQ(findMonitorRule(rules, editorWindow(), again), 0u);
    ProgramPathSource third = counting.source();
    EXPECT_EQ(clearMatchingRules(rules, editorWindow(), third), 0u);
}

MonitorRule numbered(int n) {
    MonitorRule rule = editorRule();
    rule.title = u"rule " + std::u16string(1, static_cast<char16_t>(u'0' + n / 10)) +
                 std::u16string(1, static_cast<char16_t>(u'0' + n % 10));
    return rule;
}

MonitorRules numberedRules(int count) {
    MonitorRules rules(1);
    for (int n = 1; n <= count; ++n) rules.push_back(numbered(n));
    return rules;
}

std::vector<int> numbersOf(const MonitorRules& rules) {
    std::vector<int> numbers;
    for (std::size_t i = 1; i < rules.size(); ++i)
        numbers.push_back((rules[i].title[5] - u'0') * 10 + (rules[i].title[6] - u'0'));
    return numbers;
}

TEST(WindowMonitor, RemovingSelectedRows) {
    struct Case {
        int rules;
        std::vector<int> rows;
        std::vector<int> left;
    };
    const Case cases[] = {
        {3, {0}, {3, 2}},
        {3, {1}, {1, 3}},
        {3, {2}, {1, 2}},
        {3, {0, 1, 2}, {}},
        {3, {}, {1, 2, 3}},
        {5, {0, 4}, {4, 2, 3}},     // the last rule is selected too: it must not survive
        {5, {3, 4}, {1, 2, 3}},     // the two last
        {5, {4, 0, 0, 7, -1}, {4, 2, 3}}, // unsorted, repeated and out of range
        {6, {0, 1}, {5, 6, 3, 4}},
        {1, {0}, {}},
    };
    for (const Case& c : cases) {
        MonitorRules rules = numberedRules(c.rules);
        const std::size_t removed = removeSelectedMonitorRules(rules, c.rows);
        EXPECT_EQ(numbersOf(rules), c.left) << c.rules << " rules";
        EXPECT_EQ(removed, static_cast<std::size_t>(c.rules) - c.left.size());
        ASSERT_FALSE(rules.empty());
        EXPECT_EQ(rules[0], MonitorRule{}) << "index 0 stays in place";
    }
}

// Every subset of up to eight rules: exactly the selected ones disappear, the others stay once.
TEST(WindowMonitor, RemovingAnySelectionLeavesExactlyTheOthers) {
    for (int count = 1; count <= 8; ++count) {
        for (unsigned mask = 0; mask < (1u << count); ++mask) {
            std::vector<int> rows;
            std::vector<int> expected;
            for (int row = 0; row < count; ++row) {
                if (mask & (1u << row))
                    rows.push_back(row);
                else
                    expected.push_back(row + 1);
            }
            MonitorRules rules = numberedRules(count);
            removeSelectedMonitorRules(rules, rows);
            std::vector<int> left = numbersOf(rules);
            std::sort(left.begin(), left.end());
            ASSERT_EQ(left, expected) << count << " rules, mask " << mask;
        }
    }
}

TEST(WindowMonitor, RepinFailuresAreReportedOncePerWindow) {
    RepinFailureLog log;
    EXPECT_TRUE(log.firstFailure(0x100));
    EXPECT_FALSE(log.firstFailure(0x100));
    EXPECT_TRUE(log.firstFailure(0x200));
    log.succeeded(0x100);
    EXPECT_TRUE(log.firstFailure(0x100)) << "failing again after a success is news";
    EXPECT_FALSE(log.firstFailure(0x200));
    log.succeeded(0x999); // never failed: nothing to forget
    EXPECT_EQ(log.size(), 2u);

    // A full log forgets its oldest windows first and never grows.
    RepinFailureLog full;
    for (std::uintptr_t w = 1; w <= RepinFailureLog::kCapacity; ++w) EXPECT_TRUE(full.firstFailure(w));
    EXPECT_TRUE(full.firstFailure(1000));
    EXPECT_EQ(full.size(), RepinFailureLog::kCapacity);
    EXPECT_FALSE(full.firstFailure(1000));
    EXPECT_FALSE(full.firstFailure(RepinFailureLog::kCapacity));
    EXPECT_TRUE(full.firstFailure(1)) << "the oldest was forgotten";
}

} // namespace
} // namespace zorbel
