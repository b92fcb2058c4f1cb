#include "windows/WheelHook.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorbel {
namespace {

constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kMiddleButtonUp = 0x0208;
constexpr std::uint32_t kHorizontalWheel = 0x020E;
constexpr std::uint32_t kForward = 0x00780000;
constexpr std::uint32_t kBackward = 0xFF880000;

// What the fake system answers and what it was asked.
struct FakeSystem {
    WheelTarget target{0x1234, 0x00000100};
    int targetQueries = 0;
    int posts = 0;
    bool postSucceeds = true;
};
FakeSystem fake;

WheelHook makeHook() {
    fake = FakeSystem{};
    WheelHook::System system;
    system.targetUnderCursor = [](std::int32_t, std::int32_t) {
        ++fake.targetQueries;
        return fake.target;
    };
    system.postWork = [] {
        ++fake.posts;
        return fake.postSucceeds;
    };
    return WheelHook(system);
}

std::vector<WheelBatch> drain(WheelHook& hook) {
    std::vector<WheelBatch> batches;
    while (auto batch = hook.takeBatch()) batches.push_back(*batch);
    return batches;
}

TEST(WheelHook, Verdicts) {
    struct Case {
        const char* name;
        bool active;
        int code;
        std::uint32_t message;
        std::uint32_t mouseData;
        std::uint32_t targetExStyle;
        std::uintptr_t targetWindow;
        HookVerdict verdict;
        bool queued;
        bool endsMode;
    };
    const Case cases[] = {
        {"wheel forward", true, 0, kMessageMouseWheel, kForward, 0x100, 0x1234, HookVerdict::Swallow, true, false},
        {"wheel backward", true, 0, kMessageMouseWheel, kBackward, 0x100, 0x1234, HookVerdict::Swallow, true, false},
        {"wheel, mode off", false, 0, kMessageMouseWheel, kForward, 0x100, 0x1234, HookVerdict::PassOn, false, false},
        {"wheel, code not HC_ACTION", true, 3, kMessageMouseWheel, kForward, 0x100, 0x1234, HookVerdict::PassOn, false,
         false},
        {"wheel, negative code", true, -1, kMessageMouseWheel, kForward, 0x100, 0x1234, HookVerdict::PassOn, false,
         false},
        {"wheel over a tool window", true, 0, kMessageMouseWheel, kForward, 0x180, 0x1234, HookVerdict::PassOn, false,
         false},
        {"wheel over no window", true, 0, kMessageMouseWheel, kForward, 0x100, 0, HookVerdict::PassOn, false, false},
        {"wheel with a zero delta", true, 0, kMessageMouseWheel, 0, 0x100, 0x1234, HookVerdict::PassOn, false, false},
        {"horizontal wheel", true, 0, kHorizontalWheel, kForward, 0x100, 0x1234, HookVerdict::PassOn, false, false},
        {"mouse move", true, 0, kMouseMove, 0, 0x100, 0x1234, HookVerdict::PassOn, false, false},
        {"left button", true, 0, kLeftButtonDown, 0, 0x100, 0x1234, HookVerdict::PassOn, false, false},
        {"middle button up", true, 0, kMiddleButtonUp, 0, 0x100, 0x1234, HookVerdict::PassOn, false, false},
        {"middle button down ends the mode, the click goes on", true, 0, kMessageMiddleButtonDown, 0, 0x100, 0x1234,
         HookVerdict::PassOn, false, true},
        {"middle button down, mode off", false, 0, kMessageMiddleButtonDown, 0, 0x100, 0x1234, HookVerdict::PassOn,
         false, false},
    };
    for (const Case& c : cases) {
        WheelHook hook = makeHook();
        fake.target = {c.targetWindow, c.targetExStyle};
        if (c.active) hook.start();
        EXPECT_EQ(hook.onMouseEvent(c.code, c.message, c.mouseData, 10, 20), c.verdict) << c.name;
        EXPECT_EQ(hook.waitingBatches(), c.queued ? 1u : 0u) << c.name;
        EXPECT_EQ(fake.posts, (c.queued || c.endsMode) ? 1 : 0) << c.name;
        EXPECT_EQ(hook.active(), c.active && !c.endsMode) << c.name;
        EXPECT_FALSE(hook.takeBatch() && !c.queued) << c.name;
        EXPECT_EQ(hook.takeEndRequest(), c.endsMode) << c.name;
    }
}

TEST(WheelHook, OnlyWheelEventsAskForTheWindowUnderTheCursor) {
    WheelHook hook = makeHook();
    hook.start();
    for (int i = 0; i < 100; ++i) hook.onMouseEvent(0, kMouseMove, 0, i, i);
    EXPECT_EQ(fake.targetQueries, 0);
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    EXPECT_EQ(fake.targetQueries, 1);
}

TEST(WheelHook, StepsOverOneWindowJoinOneBatchAndOneMessage) {
    WheelHook hook = makeHook();
    hook.start();
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    fake.target.window = 0x5678;
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    fake.target.window = 0x1234;
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    EXPECT_EQ(fake.posts, 1) << "one message until the GUI thread has taken the work";

    const std::vector<WheelBatch> batches = drain(hook);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].window, 0x1234u);
    const std::vector<WheelDirection> first(batches[0].taken().begin(), batches[0].taken().end());
    EXPECT_EQ(first, (std::vector{WheelDirection::Forward, WheelDirection::Backward, WheelDirection::Forward}));
    EXPECT_EQ(batches[1].window, 0x5678u);
    EXPECT_EQ(batches[1].count, 1u);
    EXPECT_EQ(batches[2].window, 0x1234u);
    EXPECT_EQ(batches[2].count, 1u);

    // Everything taken: the next step posts again.
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    EXPECT_EQ(fake.posts, 2);
}

TEST(WheelHook, StepsArrivingWhileTheGuiThreadWorksAreTakenInTheSameRound) {
    WheelHook hook = makeHook();
    hook.start();
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    auto batch = hook.takeBatch();
    ASSERT_TRUE(batch);
    // While the GUI thread waits for the window, the hook runs again.
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    EXPECT_EQ(fake.posts, 1) << "the round in progress will take it: no second message";
    batch = hook.takeBatch();
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->steps[0], WheelDirection::Backward);
    EXPECT_FALSE(hook.takeBatch());
}

TEST(WheelHook, AFailedPostIsTriedAgainWithTheNextEvent) {
    WheelHook hook = makeHook();
    hook.start();
    fake.postSucceeds = false;
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    fake.postSucceeds = true;
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0);
    EXPECT_EQ(fake.posts, 2);
    const std::vector<WheelBatch> batches = drain(hook);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].count, 3u);
}

TEST(WheelHook, AFullQueueDropsStepsButStillTakesTheEvents) {
    WheelHook hook = makeHook();
    hook.start();
    const std::size_t capacity = WheelHook::kMaxBatches * WheelBatch::kMaxSteps;
    for (std::size_t i = 0; i < capacity + 5; ++i) {
        // Alternate between two windows now and then so that both limits are reached.
        fake.target.window = (i / WheelBatch::kMaxSteps) % 2 ? 0x1 : 0x2;
        EXPECT_EQ(hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0), HookVerdict::Swallow);
    }
    EXPECT_EQ(hook.waitingBatches(), WheelHook::kMaxBatches);
    EXPECT_EQ(hook.droppedSteps(), 5u);
    std::size_t steps = 0;
    for (const WheelBatch& batch : drain(hook)) steps += batch.count;
    EXPECT_EQ(steps, capacity);
}

TEST(WheelHook, MiddleClickAfterWheelStepsKeepsThemAndEndsTheMode) {
    WheelHook hook = makeHook();
    hook.start();
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    hook.onMouseEvent(0, kMessageMiddleButtonDown, 0, 0, 0);
    EXPECT_FALSE(hook.active());
    EXPECT_EQ(fake.posts, 1);
    // Wheel events after the click, before the GUI thread has removed the hook, pass on.
    EXPECT_EQ(hook.onMouseEvent(0, kMessageMouseWheel, kForward, 0, 0), HookVerdict::PassOn);
    EXPECT_EQ(drain(hook).size(), 1u);
    EXPECT_TRUE(hook.takeEndRequest());
    EXPECT_FALSE(hook.takeEndRequest());
}

TEST(WheelHook, StartAndStopDropWhatIsQueued) {
    WheelHook hook = makeHook();
    hook.start();
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    hook.stop();
    EXPECT_FALSE(hook.active());
    EXPECT_FALSE(hook.takeBatch());
    EXPECT_FALSE(hook.takeEndRequest());
    hook.start();
    hook.onMouseEvent(0, kMessageMiddleButtonDown, 0, 0, 0);
    hook.start(); // turned on again from the menu before the GUI thread saw the click
    EXPECT_TRUE(hook.active());
    EXPECT_FALSE(hook.takeEndRequest());
    hook.onMouseEvent(0, kMessageMouseWheel, kBackward, 0, 0);
    EXPECT_EQ(fake.posts, 3) << "the stale message does not hold back the next one";
}

} // namespace
} // namespace zorbel
