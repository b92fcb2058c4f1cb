#include "inspect/TreeWalks.h"

#include "inspect/ReportText.h"
#include "inspect/WindowTree.h"

namespace zorbel {

TreeModel::TreeModel(std::vector<std::u16string> texts, std::vector<std::size_t> parents)
    : texts_(std::move(texts)), parents_(std::move(parents)) {
    const std::size_t count = texts_.size();
    parents_.resize(count, kNoParent);
    levels_.assign(count, 0);
    firstChild_.assign(count, std::nullopt);
    nextSibling_.assign(count, std::nullopt);
    expanded_.assign(count, false);
    std::vector<std::optional<std::size_t>> lastChild(count);
    for (std::size_t i = 1; i < count; ++i) {
        std::size_t parent = parents_[i];
        if (parent >= i) parent = parents_[i] = 0; // a malformed parent: under the root
        levels_[i] = levels_[parent] + 1;
        if (lastChild[parent])
            nextSibling_[*lastChild[parent]] = i;
        else
            firstChild_[parent] = i;
        lastChild[parent] = i;
    }
}

TreeModel TreeModel::fromLevels(std::vector<std::u16string> texts, const std::vector<int>& levels) {
    std::vector<int> level(levels);
    level.resize(texts.size(), 1);
    if (!level.empty()) level[0] = 0;
    // In pre-order each item's parent is the nearest item before it with a smaller level.
    std::vector<std::size_t> parents(texts.size(), kNoParent);
    std::vector<std::size_t> chain; // the previous item and its ancestors
    for (std::size_t i = 0; i < texts.size(); ++i) {
        while (!chain.empty() && level[chain.back()] >= level[i]) chain.pop_back();
        if (i > 0) parents[i] = chain.empty() ? 0 : chain.back();
        chain.push_back(i);
    }
    return TreeModel(std::move(texts), std::move(parents));
}

std::optional<std::size_t> TreeModel::firstChild(std::size_t item) const { return firstChild_[item]; }
std::optional<std::size_t> TreeModel::nextSibling(std::size_t item) const { return nextSibling_[item]; }

void TreeModel::setExpanded(std::size_t item, bool expanded) {
    if (firstChild_[item]) expanded_[item] = expanded;
}

std::optional<std::size_t> TreeModel::nextVisible(std::size_t item) const {
    if (expanded_[item] && firstChild_[item]) return firstChild_[item];
    for (std::size_t current = item;;) {
        if (nextSibling_[current]) return nextSibling_[current];
        if (parents_[current] == kNoParent) return std::nullopt;
        current = parents_[current];
    }
}

std::vector<std::size_t> expandAllWalk(TreeModel& model, std::size_t steps) {
    std::vector<std::size_t> expanded;
    if (model.size() == 0) return expanded;
    std::optional<std::size_t> current = 0;
    for (std::size_t step = 0; step < steps && current; ++step) {
        if (model.firstChild(*current)) {
            model.setExpanded(*current, true);
            expanded.push_back(*current);
        }
        current = model.nextVisible(*current);
    }
    return expanded;
}

std::vector<std::size_t> expandSelectedWalk(TreeModel& model, std::size_t start, std::size_t steps) {
    std::vector<std::size_t> expanded;
    std::optional<std::size_t> current;
    if (start < model.size()) current = start;
    for (std::size_t step = 0; step < steps && current; ++step) {
        if (model.firstChild(*current)) {
            model.setExpanded(*current, true);
            expanded.push_back(*current);
        }
        current = model.firstChild(*current);
    }
    return expanded;
}

std::u16string treeCopyAllText(const TreeModel& model) {
    std::u16string text;
    for (std::size_t i = 0; i < model.size(); ++i) {
        text.append(static_cast<std::size_t>(model.level(i)), u'\t');
        text += model.text(i);
        text += u"\r\n";
    }
    return text;
}

SearchOutcome searchTree(const std::vector<std::u16string>& texts, std::u16string_view query, bool caseSensitive,
                         SearchState& state) {
    SearchOutcome outcome;
    outcome.previousHit = state.lastHit;
    const bool continuing = !state.lastText.empty() && containsText(state.lastText, query, caseSensitive);
    for (std::size_t i = continuing ? state.lastHit + 1 : 0; i < texts.size(); ++i) {
        if (!containsText(texts[i], query, caseSensitive)) continue;
        outcome.hit = i;
        state.lastText = std::u16string(query);
        state.lastHit = i;
        return outcome;
    }
    state.lastHit = 0;
    return outcome;
}

} // namespace zorbel
