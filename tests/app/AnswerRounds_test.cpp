#include "app/AnswerRounds.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zorbel {
namespace {

constexpr AnswerRounds::Window kA = 0x1001;
constexpr AnswerRounds::Window kB = 0x1002;
constexpr AnswerRounds::Window kC = 0x1003;

// Which answers a round takes. Every case asks kA and kB in a round that follows an ended one
// (which had asked kA too), then runs its steps; the last step's result is checked.
TEST(AnswerRounds, TakesOnlyTheFirstAnswerOfAnAskedWindowToAnOpenRound) {
    enum class Step {
        DeliverA,
        DeliverB,
        DeliverC,
        DeliverAToEndedRound,
        DeliverAToNextId,
        EndRound,
        NotAskedA,
        AskAAgain,
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        bool lastTaken;
        bool completeAfter;
    };
    const Case cases[] = {
        {"first answer", {Step::DeliverA}, true, false},
        {"second answer of the same window", {Step::DeliverA, Step::DeliverA}, false, false},
        {"the last missing answer", {Step::DeliverB, Step::DeliverA}, true, true},
        {"a window that was not asked", {Step::DeliverC}, false, false},
        {"after the round ended", {Step::EndRound, Step::DeliverA}, false, true},
        {"late, to the round before", {Step::DeliverAToEndedRound}, false, false},
        {"to a round not begun yet", {Step::DeliverAToNextId}, false, false},
        {"from a window whose send failed", {Step::NotAskedA, Step::DeliverA}, false, false},
        {"the other window after one send failed", {Step::NotAskedA, Step::DeliverB}, true, true},
        {"asking a window twice in a round", {Step::AskAAgain}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerRounds rounds;
        const auto ended = rounds.begin();
        ASSERT_TRUE(rounds.asking(ended, kA));
        rounds.end(ended);
        const auto round = rounds.begin();
        ASSERT_NE(round, ended);
        EXPECT_TRUE(rounds.complete(round)) << "a round that asked nobody waits for nobody";
        ASSERT_TRUE(rounds.asking(round, kA));
        ASSERT_TRUE(rounds.asking(round, kB));
        bool taken = false;
        for (Step step : c.steps) {
            switch (step) {
            case Step::DeliverA: taken = rounds.deliver(round, kA, 1); break;
            case Step::DeliverB: taken = rounds.deliver(round, kB, 0); break; // 0 is an answer too
            case Step::DeliverC: taken = rounds.deliver(round, kC, 3); break;
            case Step::DeliverAToEndedRound: taken = rounds.deliver(ended, kA, 4); break;
            case Step::DeliverAToNextId: taken = rounds.deliver(round + 1, kA, 5); break;
            case Step::EndRound: rounds.end(round); break;
            case Step::NotAskedA: rounds.notAsked(round, kA); break;
            case Step::AskAAgain: taken = rounds.asking(round, kA); break;
            }
        }
        EXPECT_EQ(taken, c.lastTaken);
        EXPECT_EQ(rounds.complete(round), c.completeAfter);
        const auto answer = rounds.answer(round, kA);
        EXPECT_TRUE(!answer || *answer == 1) << "kA's answer in this round is only ever 1, got " << *answer;
    }
}

TEST(AnswerRounds, NestedRoundsKeepTheirAnswersApart) {
    AnswerRounds rounds;
    const auto outer = rounds.begin();
    ASSERT_TRUE(rounds.asking(outer, kA));
    // A window procedure run during the outer wait starts a round of its own.
    const auto inner = rounds.begin();
    EXPECT_NE(inner, outer);
    ASSERT_TRUE(rounds.asking(inner, kA));
    EXPECT_TRUE(rounds.deliver(inner, kA, 10));
    EXPECT_TRUE(rounds.complete(inner));
    EXPECT_FALSE(rounds.complete(outer)) << "the inner round's answer is not the outer's";
    rounds.end(inner);
    EXPECT_EQ(rounds.openCount(), 1u);

    EXPECT_TRUE(rounds.deliver(outer, kA, 20));
    EXPECT_EQ(rounds.answer(outer, kA), 20);
    rounds.end(outer);
    EXPECT_EQ(rounds.openCount(), 0u);
}

TEST(AnswerRounds, IdsAreNeverZeroAndNeverRepeatAcrossTheWrap) {
    constexpr auto kMax = std::numeric_limits<AnswerRounds::RoundId>::max();
    AnswerRounds rounds(kMax - 2);
    const auto kept = rounds.begin(); // left open
    EXPECT_EQ(kept, kMax - 1);
    std::vector<AnswerRounds::RoundId> ids;
    for (int i = 0; i < 4; ++i) {
        ids.push_back(rounds.begin());
        rounds.end(ids.back());
    }
    EXPECT_EQ(ids, (std::vector<AnswerRounds::RoundId>{kMax, 1, 2, 3})) << "0 is skipped";
    EXPECT_TRUE(rounds.asking(kept, kA)) << "the round left open is still there";
}

} // namespace
} // namespace zorbel
