#include "app/AnswerRounds.h"

#include <algorithm>

namespace zorbel {

AnswerRounds::RoundId AnswerRounds::begin() {
    // Ids count up, so a late answer meets a closed round rather than a newer one; after a wrap
    // (billions of rounds later) 0 and ids still open are skipped.
    do {
        ++last_;
    } while (last_ == 0 || find(last_) != nullptr);
    Round round;
    round.id = last_;
    open_.push_back(std::move(round));
    return last_;
}

bool AnswerRounds::asking(RoundId round, Window window) {
    Round* r = find(round);
    if (r == nullptr || !r->asked.emplace(window, std::nullopt).second) return false;
    ++r->waiting;
    return true;
}

void AnswerRounds::notAsked(RoundId round, Window window) {
    Round* r = find(round);
    if (r == nullptr) return;
    const auto it = r->asked.find(window);
    if (it == r->asked.end()) return;
    if (!it->second) --r->waiting;
    r->asked.erase(it);
}

bool AnswerRounds::deliver(RoundId round, Window window, Answer answer) {
    Round* r = find(round);
    if (r == nullptr) return false;
    const auto it = r->asked.find(window);
    if (it == r->asked.end() || it->second) return false;
    it->second = answer;
    --r->waiting;
    return true;
}

bool AnswerRounds::complete(RoundId round) const {
    const Round* r = find(round);
    return r == nullptr || r->waiting == 0;
}

std::optional<AnswerRounds::Answer> AnswerRounds::answer(RoundId round, Window window) const {
    const Round* r = find(round);
    if (r == nullptr) return std::nullopt;
    const auto it = r->asked.find(window);
    return it == r->asked.end() ? std::nullopt : it->second;
}

void AnswerRounds::end(RoundId round) {
    std::erase_if(open_, [round](const Round& r) { return r.id == round; });
}

AnswerRounds::Round* AnswerRounds::find(RoundId round) {
    const auto it = std::find_if(open_.begin(), open_.end(), [round](const Round& r) { return r.id == round; });
    return it == open_.end() ? nullptr : &*it;
}

const AnswerRounds::Round* AnswerRounds::find(RoundId round) const {
    return const_cast<AnswerRounds*>(this)->find(round);
}

} // namespace zorbel
