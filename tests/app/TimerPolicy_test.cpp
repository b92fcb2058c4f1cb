#include "app/TimerPolicy.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

TEST(TimerPolicy, TimerIsSetUnderWineEvenWithoutSuppression) {
    EXPECT_TRUE(shouldSetTimer(true, false));
    EXPECT_FALSE(shouldSetTimer(false, false));
    EXPECT_TRUE(shouldSetTimer(true, true));
    EXPECT_TRUE(shouldSetTimer(false, true));
}

TEST(TimerPolicy, MonitorStartFailureTruthTable) {
    struct Row {
        bool hook, messages, suppression, timer;
        bool failsOnWindows, failsUnderWine;
    };
    const Row rows[] = {
        {true, true, true, true, false, false},    {true, true, true, false, true, true},
        {true, true, false, true, true, false},    {true, true, false, false, true, true},
        {true, false, true, true, true, true},     {true, false, true, false, true, true},
        {true, false, false, true, true, true},    {true, false, false, false, true, true},
        {false, true, true, true, true, false},    {false, true, true, false, true, true},
        {false, true, false, true, true, false},   {false, true, false, false, true, true},
        {false, false, true, true, true, true},    {false, false, true, false, true, true},
        {false, false, false, true, true, true},   {false, false, false, false, true, true},
    };
    for (const Row& r : rows) {
        const MonitorStartResults results{r.hook, r.messages, r.suppression, r.timer};
        EXPECT_EQ(monitorStartFailed(results, false), r.failsOnWindows)
            << r.hook << r.messages << r.suppression << r.timer;
        EXPECT_EQ(monitorStartFailed(results, true), r.failsUnderWine)
            << r.hook << r.messages << r.suppression << r.timer;
    }
}

TEST(TimerPolicy, RebuildOnEveryTickOnlyUnderWineWithoutShellHook) {
    EXPECT_FALSE(everyTickSchedulesRebuild(true, false));
    EXPECT_FALSE(everyTickSchedulesRebuild(false, false));
    EXPECT_FALSE(everyTickSchedulesRebuild(true, true));
    EXPECT_TRUE(everyTickSchedulesRebuild(false, true));
}

// What Wine actually reports: the stubs fail, the rest works.
TEST(TimerPolicy, WineStartUpSucceedsWhereWindowsWouldNot) {
    const bool suppression = false;
    for (bool wine : {false, true}) {
        MonitorStartResults r{false, true, suppression, shouldSetTimer(suppression, wine)};
        EXPECT_EQ(monitorStartFailed(r, wine), !wine);
        EXPECT_EQ(everyTickSchedulesRebuild(r.shellHookRegistered, wine), wine);
    }
}

} // namespace
} // namespace zorbel
