#include "app/AnswerRounds.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zorbel {
namespace {

using Window = AnswerRounds::Window;
constexpr Window kA = 0x1001;
constexpr Window kB = 0x1002;
constexpr Window kC = 0x1003;

TEST(AnswerRounds, RoundCompletesWhenEveryAskedWindowAnswered) {
    AnswerRounds rounds;
    const auto round = rounds.begin();
    EXPECT_TRUE(rounds.complete(round)) << "a round that asked nobody waits for nobody";
    ASSERT_TRUE(rounds.asking(round, kA));
    ASSERT_TRUE(rounds.asking(round, kB));
    EXPECT_FALSE(rounds.complete(round));

    EXPECT_TRUE(rounds.deliver(round, kB, 7));
    EXPECT_FALSE(rounds.complete(round));
    EXPECT_EQ(rounds.answer(round, kB), 7);
    EXPECT_EQ(rounds.answer(round, kA), std::nullopt) << "asked, not answered yet";
    EXPECT_EQ(rounds.answer(round, kC), std::nullopt) << "never asked";

    EXPECT_TRUE(rounds.deliver(round, kA, 0)) << "an answer of 0 is an answer";
    EXPECT_TRUE(rounds.complete(round));
    EXPECT_EQ(rounds.answer(round, kA), 0);
}

// Which answers a round takes. Every case asks kA and kB in one round, then runs its steps.
TEST(AnswerRounds, DeliveryTakesOnlyTheFirstAnswerOfAnAskedWindowToAnOpenRound) {
    enum class Step { DeliverA, DeliverB, DeliverC, DeliverAToOlderRound, DeliverAToNextId, EndRound, NotAskedA };
    struct Case {
        const char* name;
        std::vector<Step> before;
        Step step;
        bool taken;
        bool completeAfter;
    };
    const Case cases[] = {
        {"first answer", {}, Step::DeliverA, true, false},
        {"second answer of the same window", {Step::DeliverA}, Step::DeliverA, false, false},
        {"the last missing answer", {Step::DeliverB}, Step::DeliverA, true, true},
        {"a window that was not asked", {}, Step::DeliverC, false, false},
        {"after the round ended", {Step::EndRound}, Step::DeliverA, false, true},
        {"to a round that ended before this one began", {}, Step::DeliverAToOlderRound, false, false},
        {"to a round not begun yet", {}, Step::DeliverAToNextId, false, false},
        {"from a window whose send failed", {Step::NotAskedA}, Step::DeliverA, false, false},
        {"the other window after one send failed", {Step::NotAskedA}, Step::DeliverB, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerRounds rounds;
        const auto older = rounds.begin();
        ASSERT_TRUE(rounds.asking(older, kA));
        rounds.end(older);
        const auto round = rounds.begin();
        ASSERT_NE(round, older);
        ASSERT_TRUE(rounds.asking(round, kA));
        ASSERT_TRUE(rounds.asking(round, kB));
        bool taken = false;
        auto run = [&](Step step) {
            switch (step) {
            case Step::DeliverA: taken = rounds.deliver(round, kA, 1); break;
            case Step::DeliverB: taken = rounds.deliver(round, kB, 2); break;
            case Step::DeliverC: taken = rounds.deliver(round, kC, 3); break;
            case Step::DeliverAToOlderRound: taken = rounds.deliver(older, kA, 4); break;
            case Step::DeliverAToNextId: taken = rounds.deliver(round + 1, kA, 5); break;
            case Step::EndRound: rounds.end(round); break;
            case Step::NotAskedA: rounds.notAsked(round, kA); break;
            }
        };
        for (Step step : c.before) run(step);
        run(c.step);
        EXPECT_EQ(taken, c.taken);
        EXPECT_EQ(rounds.complete(round), c.completeAfter);
        if (!c.taken) {
            EXPECT_NE(rounds.answer(round, kA), 4) << "an older round's answer counted";
            EXPECT_NE(rounds.answer(round, kA), 5);
        }
    }
}

TEST(AnswerRounds, AWindowIsAskedOncePerRoundAndOnlyInOpenRounds) {
    AnswerRounds rounds;
    const auto round = rounds.begin();
    EXPECT_TRUE(rounds.asking(round, kA));
    EXPECT_FALSE(rounds.asking(round, kA)) << "asked twice in one round";
    rounds.end(round);
    EXPECT_FALSE(rounds.asking(round, kA)) << "asked in an ended round";
    EXPECT_FALSE(rounds.asking(round + 1, kA)) << "asked in a round not begun";

    // The next round asks the same window afresh.
    const auto next = rounds.begin();
    EXPECT_TRUE(rounds.asking(next, kA));
    EXPECT_FALSE(rounds.complete(next));
}

TEST(AnswerRounds, NestedRoundsKeepTheirAnswersApart) {
    AnswerRounds rounds;
    const auto outer = rounds.begin();
    ASSERT_TRUE(rounds.asking(outer, kA));
    // A window procedure run during the outer wait starts a round of its own.
    const auto inner = rounds.begin();
    EXPECT_NE(inner, outer);
    ASSERT_TRUE(rounds.asking(inner, kA));
    ASSERT_TRUE(rounds.asking(inner, kB));
    EXPECT_EQ(rounds.openCount(), 2u);

    EXPECT_TRUE(rounds.deliver(inner, kA, 10));
    EXPECT_FALSE(rounds.complete(outer)) << "the inner round's answer is not the outer's";
    EXPECT_TRUE(rounds.deliver(inner, kB, 11));
    EXPECT_TRUE(rounds.complete(inner));
    rounds.end(inner);
    EXPECT_EQ(rounds.openCount(), 1u);

    EXPECT_TRUE(rounds.deliver(outer, kA, 20));
    EXPECT_TRUE(rounds.complete(outer));
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
