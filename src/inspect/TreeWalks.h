// The window tree as the tree control holds it, for the walks the tree window makes over it:
// Expand All and Expand Selected, the pre-order index of an item, Copy All and Search Tree.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

// Items in pre-order (index 0 the root) with the index of each one's parent.
class TreeModel {
public:
    // parents[i] < i for every item but the root, whose parent is kNoParent.
    TreeModel(std::vector<std::u16string> texts, std::vector<std::size_t> parents);
    // From the levels of items in pre-order (the root has level 0, a child one more than its parent).
    static TreeModel fromLevels(std::vector<std::u16string> texts, const std::vector<int>& levels);

    std::size_t size() const { return texts_.size(); }
    const std::u16string& text(std::size_t item) const { return texts_[item]; }
    int level(std::size_t item) const { return levels_[item]; }
    std::optional<std::size_t> firstChild(std::size_t item) const;
    std::optional<std::size_t> nextSibling(std::size_t item) const;
    bool expanded(std::size_t item) const { return expanded_[item]; }
    // Expanding an item without children changes nothing, as in the tree control.
    void setExpanded(std::size_t item, bool expanded);
    // The next item below this one that is visible when this one is (TVGN_NEXTVISIBLE).
    std::optional<std::size_t> nextVisible(std::size_t item) const;

private:
    std::vector<std::u16string> texts_;
    std::vector<std::size_t> parents_;
    std::vector<int> levels_;
    std::vector<std::optional<std::size_t>> firstChild_;
    std::vector<std::optional<std::size_t>> nextSibling_;
    std::vector<bool> expanded_;
};

// The items Expand All expands, in order: from the root, at most `steps` times, expand the
// current item and go on to the next visible one. The model is left expanded accordingly.
std::vector<std::size_t> expandAllWalk(TreeModel& model, std::size_t steps);
// Expand Selected: from the start item, expand it and go on to its first child.
std::vector<std::size_t> expandSelectedWalk(TreeModel& model, std::size_t start, std::size_t steps);

// Copy All and Save As: per item, one tab per level, the text, CR LF.
std::u16string treeCopyAllText(const TreeModel& model);

struct SearchState {
    std::u16string lastText; // kept while the program runs
    std::size_t lastHit = 0;
};

struct SearchOutcome {
    std::optional<std::size_t> hit; // the item to select and highlight; none: beep
    std::size_t previousHit = 0;    // the item whose highlight goes
};

// Search Tree: items from the last hit + 1 when the query occurs in the last search text (so
// Return goes on to the next match), else from 0; the first item containing the query is the hit
// and becomes the last hit. Without a hit the last hit goes back to 0, so the next search starts
// from item 1. The comparison ignores case unless caseSensitive.
SearchOutcome searchTree(const std::vector<std::u16string>& texts, std::u16string_view query, bool caseSensitive,
                         SearchState& state);

} // namespace zorbel
