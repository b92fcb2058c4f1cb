#include "power/PowerRequests.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zorbel {
namespace {

// Hands out handles 101, 102, ... and keeps track of which are open and which are set; any call
// can be made to fail with a chosen error.
class FakePower : public PowerFunctions {
public:
    PowerCall create(std::u16string_view reason, PowerHandle& handle) override {
        log.push_back("create");
        reasons.emplace_back(reason);
        if (createError) return PowerCall::failure(createError);
        handle = nextHandle++;
        open.insert(handle);
        return PowerCall::success();
    }
    PowerCall set(PowerHandle handle, PowerRequestType type) override {
        log.push_back("set " + std::to_string(handle) + " " + std::to_string(static_cast<int>(type)));
        if (failSetOf == static_cast<int>(type)) return PowerCall::failure(setError);
        active.insert({handle, type});
        return PowerCall::success();
    }
    PowerCall clear(PowerHandle handle, PowerRequestType type) override {
        log.push_back("clear " + std::to_string(handle) + " " + std::to_string(static_cast<int>(type)));
        if (clearError) return PowerCall::failure(clearError);
        active.erase({handle, type});
        return PowerCall::success();
    }
    PowerCall close(PowerHandle handle) override {
        log.push_back("close " + std::to_string(handle));
        if (closeError) return PowerCall::failure(closeError);
        open.erase(handle);
        return PowerCall::success();
    }

    std::vector<std::string> log;
    std::vector<std::u16string> reasons;
    std::set<PowerHandle> open;
    std::set<std::pair<PowerHandle, PowerRequestType>> active;
    PowerHandle nextHandle = 101;
    std::uint32_t createError = 0;
    int failSetOf = -1;
    std::uint32_t setError = 0;
    std::uint32_t clearError = 0;
    std::uint32_t closeError = 0;
};

constexpr auto kDisplay = PowerRequestType::Display;
constexpr auto kSystem = PowerRequestType::System;
constexpr auto kAway = PowerRequestType::AwayMode;

struct Held {
    bool display, system, away;
    bool operator==(const Held&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Held& h) {
    return out << "{" << h.display << h.system << h.away << "}";
}
Held heldOf(const PowerRequests& requests) {
    return {requests.held(kDisplay), requests.held(kSystem), requests.held(kAway)};
}

TEST(PowerRequests, ReasonNamesTheUser) {
    EXPECT_EQ(powerRequestReason(u"alice"), u"Zorbel! user alice requested this power management change.");
    EXPECT_EQ(powerRequestReason(u""), u"Zorbel! user  requested this power management change.");
}

TEST(PowerRequests, CommandsFromEveryStartingState) {
    // Starting state, command, state afterwards (all calls succeed).
    struct Row {
        Held before;
        PowerRequestType command;
        Held after;
    };
    const Row rows[] = {
        {{0, 0, 0}, kDisplay, {1, 1, 0}}, // display brings the system request with it
        {{1, 1, 0}, kDisplay, {0, 0, 0}}, // and takes it away again
        {{0, 1, 0}, kDisplay, {1, 1, 0}}, // the system request held alone stays
        {{1, 0, 0}, kDisplay, {0, 0, 0}},
        {{0, 0, 1}, kDisplay, {1, 1, 1}}, // away mode is independent
        {{1, 1, 1}, kDisplay, {0, 0, 1}},
        {{0, 0, 0}, kSystem, {0, 1, 0}},
        {{0, 1, 0}, kSystem, {0, 0, 0}},
        {{1, 1, 0}, kSystem, {1, 0, 0}},
        {{0, 0, 0}, kAway, {0, 0, 1}},
        {{1, 1, 1}, kAway, {1, 1, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.before << " command " << static_cast<int>(row.command));
        FakePower power;
        PowerRequests requests(power);
        // Reach the starting state through the independent toggles.
        if (row.before.display) {
            ASSERT_TRUE(requests.toggle(kDisplay, u"r").ok);
        }
        if (row.before.system) {
            ASSERT_TRUE(requests.toggle(kSystem, u"r").ok);
        }
        if (row.before.away) {
            ASSERT_TRUE(requests.toggle(kAway, u"r").ok);
        }
        ASSERT_EQ(heldOf(requests), row.before);

        std::vector<std::uint32_t> reported;
        requests.command(row.command, u"r", [&](std::uint32_t error) { reported.push_back(error); });
        EXPECT_EQ(heldOf(requests), row.after);
        EXPECT_TRUE(reported.empty());
        // What the slots say is what the system has: one open, set handle per held request.
        EXPECT_EQ(power.active.size(), static_cast<std::size_t>(row.after.display + row.after.system + row.after.away));
        EXPECT_EQ(power.open.size(), power.active.size());
    }
}

TEST(PowerRequests, SetAndClearCallSequence) {
    FakePower power;
    PowerRequests requests(power);
    requests.command(kAway, u"Zorbel! user u requested this power management change.", [](std::uint32_t) {});
    requests.command(kAway, u"ignored", [](std::uint32_t) {});
    EXPECT_EQ(power.log, (std::vector<std::string>{"create", "set 101 2", "clear 101 2", "close 101"}));
    EXPECT_EQ(power.reasons, std::vector<std::u16string>{u"Zorbel! user u requested this power management change."});
    EXPECT_TRUE(power.open.empty());
}

TEST(PowerRequests, RefusedCreateLeavesTheSlotEmpty) {
    FakePower power;
    power.createError = 120; // what Wine answers
    PowerRequests requests(power);
    std::vector<std::uint32_t> reported;
    requests.command(kDisplay, u"r", [&](std::uint32_t error) { reported.push_back(error); });
    EXPECT_EQ(reported, std::vector<std::uint32_t>{120}) << "one report; the system request is not tried";
    EXPECT_EQ(heldOf(requests), (Held{0, 0, 0}));
    EXPECT_EQ(power.log, std::vector<std::string>{"create"});
}

TEST(PowerRequests, RefusedSetClosesTheRequestAndReportsTheSetError) {
    FakePower power;
    power.failSetOf = static_cast<int>(kAway);
    power.setError = 50;
    power.closeError = 6; // must not replace the set's error
    PowerRequests requests(power);
    const PowerCall call = requests.toggle(kAway, u"r");
    EXPECT_FALSE(call.ok);
    EXPECT_EQ(call.error, 50u);
    EXPECT_FALSE(requests.held(kAway));
    EXPECT_EQ(power.log, (std::vector<std::string>{"create", "set 101 2", "close 101"}));

    power.closeError = 0;
    power.log.clear();
    (void)requests.toggle(kAway, u"r");
    EXPECT_EQ(power.log, (std::vector<std::string>{"create", "set 102 2", "close 102"}));
    EXPECT_EQ(power.open, std::set<PowerHandle>{101}) << "only the handle whose close failed is left";
}

TEST(PowerRequests, SystemRefusedAfterDisplayIsReportedAndDisplayStays) {
    FakePower power;
    power.failSetOf = static_cast<int>(kSystem);
    power.setError = 5;
    PowerRequests requests(power);
    std::vector<std::uint32_t> reported;
    requests.command(kDisplay, u"r", [&](std::uint32_t error) { reported.push_back(error); });
    EXPECT_EQ(reported, std::vector<std::uint32_t>{5});
    EXPECT_EQ(heldOf(requests), (Held{1, 0, 0}));
    // Chosen again: the display request is cleared and nothing else is touched.
    reported.clear();
    power.log.clear();
    requests.command(kDisplay, u"r", [&](std::uint32_t error) { reported.push_back(error); });
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(heldOf(requests), (Held{0, 0, 0}));
    EXPECT_EQ(power.log, (std::vector<std::string>{"clear 101 0", "close 101"}));
}

TEST(PowerRequests, FailedDisplayToggleNeverMovesTheSystemRequest) {
    // The system request was set on its own; the display request is refused.
    FakePower power;
    PowerRequests requests(power);
    ASSERT_TRUE(requests.toggle(kSystem, u"r").ok);
    power.createError = 1450;
    std::vector<std::uint32_t> reported;
    requests.command(kDisplay, u"r", [&](std::uint32_t error) { reported.push_back(error); });
    EXPECT_EQ(reported, std::vector<std::uint32_t>{1450});
    EXPECT_EQ(heldOf(requests), (Held{0, 1, 0}));
}

TEST(PowerRequests, RefusedClearKeepsTheSlotAndRetries) {
    FakePower power;
    PowerRequests requests(power);
    requests.command(kDisplay, u"r", [](std::uint32_t) {});
    ASSERT_EQ(heldOf(requests), (Held{1, 1, 0}));
    power.clearError = 87;
    std::vector<std::uint32_t> reported;
    requests.command(kDisplay, u"r", [&](std::uint32_t error) { reported.push_back(error); });
    EXPECT_EQ(reported, std::vector<std::uint32_t>{87});
    EXPECT_EQ(heldOf(requests), (Held{1, 1, 0}));
    EXPECT_EQ(power.open.size(), 2u);

    power.clearError = 0;
    power.log.clear();
    requests.command(kDisplay, u"r", [&](std::uint32_t error) { reported.push_back(error); });
    EXPECT_EQ(heldOf(requests), (Held{0, 0, 0}));
    EXPECT_EQ(power.log, (std::vector<std::string>{"clear 101 0", "close 101", "clear 102 1", "close 102"}));
}

TEST(PowerRequests, FailedCloseAfterAClearIsReportedButTheRequestIsOver) {
    FakePower power;
    PowerRequests requests(power);
    ASSERT_TRUE(requests.toggle(kAway, u"r").ok);
    power.closeError = 6;
    const PowerCall call = requests.toggle(kAway, u"r");
    EXPECT_FALSE(call.ok);
    EXPECT_EQ(call.error, 6u);
    EXPECT_FALSE(requests.held(kAway)) << "the request was cleared: no check mark for it";
    EXPECT_TRUE(power.active.empty());
}

TEST(PowerRequests, HeldHandlesAreClosedWithTheSlots) {
    FakePower power;
    {
        PowerRequests requests(power);
        requests.command(kDisplay, u"r", [](std::uint32_t) {});
        ASSERT_TRUE(requests.toggle(kAway, u"r").ok);
        ASSERT_EQ(power.open.size(), 3u);
    }
    EXPECT_TRUE(power.open.empty());
}

} // namespace
} // namespace zorbel
