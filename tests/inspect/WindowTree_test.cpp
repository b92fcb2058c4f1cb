#include "inspect/WindowTree.h"

#include <gtest/gtest.h>

#include <map>

#include "inspect/TreeWalks.h"

namespace zorbel {
namespace {

// ---- Item texts and handles -----------------------------------------------------------------------

TEST(WindowTree, ItemTexts) {
    EXPECT_EQ(treeItemText(0xA01B2, u"Calculator", u"ApplicationFrameWindow"),
              u"000A01B2 | Calculator, ApplicationFrameWindow");
    // The single-space title of a window without one: two blanks between the bar and the comma.
    EXPECT_EQ(treeItemText(0xA01B2, u" ", u"ApplicationFrameWindow"), u"000A01B2 |  , ApplicationFrameWindow");
    EXPECT_EQ(treeItemText(0x10010, u"a\r\nb", u"#32769"), u"00010010 | a  b, #32769");
    EXPECT_EQ(windowHandleText(0), u"00000000");
    EXPECT_EQ(windowHandleText(0xFFFFFFFF80001234), u"FFFFFFFF80001234"); // never cut
}

TEST(WindowTree, HandleReadBackFromTheItemText) {
    const std::pair<const char16_t*, std::uint64_t> cases[] = {
        {u"000A01B2 | Calculator, ApplicationFrameWindow", 0xA01B2},
        {u"000a01b2 | lower, case", 0xA01B2},
        {u"FFFFFFFF80001234 | Wide, Handle", 0xFFFFFFFF80001234},
        {u"", 0},
        {u"not a handle | x, y", 0},
        {u"12345678901234567 | too, long", 0},
        {u"00000001", 1},
    };
    for (auto [text, handle] : cases) EXPECT_EQ(handleFromItemText(text), handle);
    EXPECT_EQ(itemHandleText(u"000A01B2 | Calculator, ApplicationFrameWindow"), u"000A01B2");
    EXPECT_EQ(itemHandleText(u"FFFFFFFF80001234 | Wide, Handle"), u"FFFFFFFF80001234");
    EXPECT_EQ(itemHandleText(u""), u"");
    // The handle text always reads back as the handle it was made from.
    for (std::uint64_t handle : {std::uint64_t{2}, std::uint64_t{0xA01B2}, std::uint64_t{0xFFFFFFFF}, std::uint64_t{0x1FFFFFFFF}})
        EXPECT_EQ(handleFromItemText(treeItemText(handle, u"t", u"c")), handle);
}

// ---- The append rule -----------------------------------------------------------------------------

TEST(WindowTree, AppendRule) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> levels;
        std::vector<std::size_t> parents;
    } cases[] = {
        {"flat", {0, 1, 1, 1}, {kNoParent, 0, 0, 0}},
        {"nested", {0, 1, 2, 3, 1}, {kNoParent, 0, 1, 2, 0}},
        {"back to the ancestor's level", {0, 1, 2, 3, 2, 1, 2}, {kNoParent, 0, 1, 2, 1, 0, 5}},
        // A kept child whose parent was dropped: one deeper than the item before it.
        {"dropped parent", {0, 1, 3, 3, 1}, {kNoParent, 0, 1, 1, 0}},
        {"dropped parent, then between", {0, 1, 3, 2, 3}, {kNoParent, 0, 1, 1, 3}},
        {"first item deep", {0, 4, 2, 1}, {kNoParent, 0, 0, 0}},
        {"levels at or below the root's", {0, 0, -2, 2, 0}, {kNoParent, 0, 0, 2, 0}},
        {"root only", {0}, {kNoParent}},
    };
    for (const Case& c : cases) EXPECT_EQ(parentsByAppendRule(c.levels), c.parents) << c.name;
}

TEST(WindowTree, KeepMatchingEntriesLeavesPlaceholders) {
    std::vector<WindowListEntry> entries = {
        {0x100, u"a", u"A", 1}, {0x200, u"b", u"B", 2}, {0x300, u"c", u"C", 3}, {0, u"", u"", 0}};
    keepMatchingEntries(entries, [](const WindowListEntry& e) { return e.handle != 0x200; });
    EXPECT_EQ(entries[0], (WindowListEntry{0x100, u"a", u"A", 1}));
    EXPECT_EQ(entries[1].handle, 0u);
    EXPECT_EQ(entries[1].title, u"");
    EXPECT_EQ(entries[1].className, u"");
    EXPECT_EQ(entries[2], (WindowListEntry{0x300, u"c", u"C", 3}));
    EXPECT_FALSE(isShownEntry(entries[1]));
    EXPECT_FALSE(isShownEntry({1, u"", u"", 0}));

    // Store Apps: the kept child of a dropped parent hangs under the kept item before it.
    std::vector<std::int32_t> levels = {0};
    for (const auto& e : entries)
        if (isShownEntry(e)) levels.push_back(e.depth);
    EXPECT_EQ(parentsByAppendRule(levels), (std::vector<std::size_t>{kNoParent, 0, 1}));
}

TEST(WindowTree, AncestorCounts) {
    // desktop 1 <- top 10 <- child 11 <- grandchild 12; top 20; 0 is no window.
    std::map<std::uint64_t, std::uint64_t> parents = {{1, 0}, {10, 1}, {11, 10}, {12, 11}, {20, 1}, {99, 0}};
    int asked = 0;
    AncestorCounter counter([&](std::uint64_t h) {
        ++asked;
        const auto found = parents.find(h);
        return found == parents.end() ? 0 : found->second;
    });
    EXPECT_EQ(counter.count(12), 3);
    const int askedForFirst = asked;
    EXPECT_EQ(askedForFirst, 4);
    EXPECT_EQ(counter.count(11), 2);
    EXPECT_EQ(counter.count(10), 1);
    EXPECT_EQ(counter.count(1), 0);
    EXPECT_EQ(asked, askedForFirst); // all known already
    EXPECT_EQ(counter.count(20), 1);
    EXPECT_EQ(asked, askedForFirst + 1);
    EXPECT_EQ(counter.count(0), 0);
    EXPECT_EQ(counter.count(99), 0); // a window that vanished: no parent
    // Depth under a parent P is a(window) - a(P): top-level windows 1 under the desktop.
    EXPECT_EQ(counter.count(10) - counter.count(1), 1);
    EXPECT_EQ(counter.count(12) - counter.count(10), 2);

    // A parent chain that loops (it cannot on a real desktop) still ends.
    AncestorCounter looping([](std::uint64_t h) { return h == 5 ? 6 : 5; });
    const std::int32_t depth = looping.count(5);
    EXPECT_GT(depth, 0);
    EXPECT_LE(depth, 4096) << "cut off at the longest chain followed";
}

// ---- Title, file name, file bytes ----------------------------------------------------------------

TEST(WindowTree, TitleCount) {
    EXPECT_EQ(treeWindowTitle(u"Window List", 419), u"Window List (418)");
    EXPECT_EQ(treeWindowTitle(u"Window List (418)", 3), u"Window List (2)");
    EXPECT_EQ(treeWindowTitle(u"Window List", 1), u"Window List (0)");
    EXPECT_EQ(treeWindowTitle(u"Window List", 0), u"Window List (0)");
}

TEST(WindowTree, SaveAsDefaultName) {
    EXPECT_EQ(timestampFileName(2024, 3, 7, 14, 5, 9), u"2024.03.07-14.05.09");
    EXPECT_EQ(timestampFileName(2024, 12, 31, 0, 0, 0), u"2024.12.31-00.00.00");
}

TEST(WindowTree, FileBytesAreUtf8WithByteOrderMark) {
    EXPECT_EQ(utf8FileBytes(u""), "\xEF\xBB\xBF");
    EXPECT_EQ(utf8FileBytes(u"\t0001 | Ä, C\r\n"), "\xEF\xBB\xBF\t0001 | \xC3\x84, C\r\n");
}

// ---- Walks over the tree -------------------------------------------------------------------------

//  0 root
//  ├ 1 a
//  │ ├ 2 a1
//  │ │ └ 3 a1x
//  │ └ 4 a2
//  ├ 5 b
//  └ 6 c
//    └ 7 c1
TreeModel sampleTree() {
    return TreeModel::fromLevels({u"00000001 | root, #32769", u"00000100 | a, A", u"00000110 | a1, A", u"00000111 | a1x, A",
                                  u"00000120 | a2, A", u"00000200 | b, B", u"00000300 | c, C", u"00000310 | c1, Calc"},
                                 {0, 1, 2, 3, 2, 1, 1, 2});
}

TEST(TreeWalks, ModelFromLevelsAndParents) {
    const TreeModel tree = sampleTree();
    ASSERT_EQ(tree.size(), 8u);
    EXPECT_EQ(tree.firstChild(0), 1u);
    EXPECT_EQ(tree.nextSibling(1), 5u);
    EXPECT_EQ(tree.nextSibling(4), std::nullopt);
    EXPECT_EQ(tree.firstChild(5), std::nullopt);
    EXPECT_EQ(tree.level(3), 3);
    const TreeModel same({u"r", u"a", u"b"}, {kNoParent, 0, 1});
    EXPECT_EQ(same.level(2), 2);
    // A parent that does not come before its child is taken as the root.
    const TreeModel odd({u"r", u"a", u"b"}, {kNoParent, 2, 0});
    EXPECT_EQ(odd.level(1), 1);
}

TEST(TreeWalks, NextVisibleFollowsExpansion) {
    TreeModel tree = sampleTree();
    EXPECT_EQ(tree.nextVisible(0), std::nullopt); // collapsed root: nothing below is visible
    tree.setExpanded(0, true);
    EXPECT_EQ(tree.nextVisible(0), 1u);
    EXPECT_EQ(tree.nextVisible(1), 5u);
    tree.setExpanded(1, true);
    EXPECT_EQ(tree.nextVisible(1), 2u);
    EXPECT_EQ(tree.nextVisible(2), 4u);
    EXPECT_EQ(tree.nextVisible(4), 5u);
    EXPECT_EQ(tree.nextVisible(6), std::nullopt);
    tree.setExpanded(5, true); // a leaf cannot be expanded
    EXPECT_FALSE(tree.expanded(5));
}

TEST(TreeWalks, ExpandAllOpensTheWholeTreeWithinItsSteps) {
    TreeModel tree = sampleTree();
    EXPECT_EQ(expandAllWalk(tree, 8), (std::vector<std::size_t>{0, 1, 2, 6}));
    for (std::size_t item : {0u, 1u, 2u, 6u}) EXPECT_TRUE(tree.expanded(item)) << item;

    TreeModel bounded = sampleTree();
    EXPECT_EQ(expandAllWalk(bounded, 3), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_FALSE(bounded.expanded(6));

    TreeModel empty({}, {});
    EXPECT_TRUE(expandAllWalk(empty, 10).empty());
}

TEST(TreeWalks, ExpandSelectedOpensTheChainOfFirstChildren) {
    TreeModel tree = sampleTree();
    EXPECT_EQ(expandSelectedWalk(tree, 1, 8), (std::vector<std::size_t>{1, 2}));
    EXPECT_FALSE(tree.expanded(0));
    EXPECT_EQ(expandSelectedWalk(tree, 6, 8), (std::vector<std::size_t>{6}));
    EXPECT_TRUE(expandSelectedWalk(tree, 5, 8).empty());
    EXPECT_TRUE(expandSelectedWalk(tree, 99, 8).empty());
}

TEST(TreeWalks, CopyAllText) {
    const TreeModel tree = TreeModel::fromLevels({u"root", u"a", u"a1", u"b"}, {0, 1, 2, 1});
    EXPECT_EQ(treeCopyAllText(tree), u"root\r\n\ta\r\n\t\ta1\r\n\tb\r\n");
    EXPECT_EQ(treeCopyAllText(TreeModel({}, {})), u"");
}

std::vector<std::u16string> texts(const TreeModel& tree) {
    std::vector<std::u16string> all;
    for (std::size_t i = 0; i < tree.size(); ++i) all.push_back(tree.text(i));
    return all;
}

TEST(TreeWalks, SearchRepeatsWrapsAndSwitchesCase) {
    const auto items = texts(sampleTree());
    SearchState state;
    struct Step {
        const char16_t* query;
        bool caseSensitive;
        std::optional<std::size_t> hit;
        std::size_t previousHit;
    } steps[] = {
        {u"| a", true, 1, 0},      // first match from the top
        {u"| a", true, 2, 1},      // Return again: the next one
        {u"| a", true, 3, 2},
        {u"| a", true, 4, 3},
        {u"| a", true, std::nullopt, 4}, // no further match: beep, back to 0
        {u"| a", true, 1, 0},      // and again from item 1
        {u"| a1", true, 2, 1},     // "| a1" does not occur in "| a": from the top
        {u"| a", true, 3, 2},      // "| a" occurs in "| a1": after the last hit
        {u"calc", true, std::nullopt, 3}, // case-sensitive: "Calc" is no match
        {u"calc", false, 7, 0},    // case ignored: found
        {u"CALC", false, std::nullopt, 7}, // occurs in "calc" ignoring case: after 7, none
        {u"CALC", false, 7, 0},
    };
    int number = 0;
    for (const Step& step : steps) {
        const SearchOutcome outcome = searchTree(items, step.query, step.caseSensitive, state);
        EXPECT_EQ(outcome.hit, step.hit) << "step " << number;
        EXPECT_EQ(outcome.previousHit, step.previousHit) << "step " << number;
        ++number;
    }
    EXPECT_EQ(state.lastText, u"CALC");
    EXPECT_EQ(state.lastHit, 7u);
}

TEST(TreeWalks, SearchStartsOverForATextNotInTheLastOne) {
    const auto items = texts(sampleTree());
    SearchState state{u"", 5};
    // An empty last text never contains the query: the search starts at 0, not after item 5.
    EXPECT_EQ(searchTree(items, u"a1", true, state).hit, 2u);
    EXPECT_EQ(searchTree(items, u"root", true, state).hit, 0u);
    EXPECT_EQ(searchTree({}, u"x", true, state).hit, std::nullopt);
    EXPECT_EQ(state.lastHit, 0u);
    EXPECT_EQ(state.lastText, u"root");
}

} // namespace
} // namespace zorbel
