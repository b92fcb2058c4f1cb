#include "power/PowerRequests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zorbel {
namespace {

// Hands out handles 101, 102, ... and tracks which are open and which are set; each call can be
// made to fail with a chosen error.
class FakePower : public PowerFunctions {
public:
    PowerCall create(std::u16string_view reason, PowerHandle& handle) override {
        log.push_back("create");
        lastReason = reason;
        if (createError) return PowerCall::failure(createError);
        handle = nextHandle++;
        open.insert(handle);
        return PowerCall::success();
    }
    PowerCall set(PowerHandle handle, PowerRequestType type) override {
        log.push_back("set " + std::to_string(handle) + " " + std::to_string(int(type)));
        if (failSetOf == int(type)) return PowerCall::failure(setError);
        active.insert({handle, type});
        return PowerCall::success();
    }
    PowerCall clear(PowerHandle handle, PowerRequestType type) override {
        log.push_back("clear " + std::to_string(handle) + " " + std::to_string(int(type)));
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
    std::u16string lastReason;
    std::set<PowerHandle> open;
    std::set<std::pair<PowerHandle, PowerRequestType>> active;
    PowerHandle nextHandle = 101;
    std::uint32_t createError = 0, setError = 0, clearError = 0, closeError = 0;
    int failSetOf = -1;
};

constexpr auto kDisplay = PowerRequestType::Display;
constexpr auto kSystem = PowerRequestType::System;
constexpr auto kAway = PowerRequestType::AwayMode;

// Held slots as "DSA" letters, "-" for an empty one.
std::string held(const PowerRequests& requests) {
    return std::string(requests.held(kDisplay) ? "D" : "-") + (requests.held(kSystem) ? "S" : "-") +
           (requests.held(kAway) ? "A" : "-");
}

std::vector<std::uint32_t> run(PowerRequests& requests, PowerRequestType type) {
    std::vector<std::uint32_t> reported;
    requests.command(type, u"reason", [&](std::uint32_t error) { reported.push_back(error); });
    return reported;
}

TEST(PowerRequests, CommandsFromEveryStartingState) {
    EXPECT_EQ(powerRequestReason(u"alice"), u"Zorbel! user alice requested this power management change.");
    EXPECT_EQ(powerRequestReason(u""), u"Zorbel! user  requested this power management change.");
    struct Row {
        const char* before;
        PowerRequestType command;
        const char* after;
    };
    const Row rows[] = {
        {"---", kDisplay, "DS-"}, // the display request brings the system request with it
        {"DS-", kDisplay, "---"}, // and takes it away again
        {"-S-", kDisplay, "DS-"}, // the system request held alone stays
        {"D--", kDisplay, "---"}, {"--A", kDisplay, "DSA"}, {"DSA", kDisplay, "--A"},
        {"---", kSystem, "-S-"},  {"DS-", kSystem, "D--"},  {"---", kAway, "--A"}, {"DSA", kAway, "DS-"},
    };
    for (const Row& row : rows) {
        FakePower power;
        PowerRequests requests(power);
        const std::string before = row.before;
        if (before[0] == 'D') (void)requests.toggle(kDisplay, u"r");
        if (before[1] == 'S') (void)requests.toggle(kSystem, u"r");
        if (before[2] == 'A') (void)requests.toggle(kAway, u"r");
        ASSERT_EQ(held(requests), before);
        EXPECT_TRUE(run(requests, row.command).empty());
        EXPECT_EQ(held(requests), row.after) << before << " command " << int(row.command);
        // The slots say what the system has: one open, set handle per held request.
        const std::string after = row.after;
        EXPECT_EQ(power.active.size(), static_cast<std::size_t>(3 - std::count(after.begin(), after.end(), '-')));
        EXPECT_EQ(power.open.size(), power.active.size());
    }
}

TEST(PowerRequests, RefusedCreateOrSetKeepsNoHandle) {
    FakePower power;
    PowerRequests requests(power);
    power.createError = 120; // Wine's answer
    EXPECT_EQ(run(requests, kDisplay), std::vector<std::uint32_t>{120}) << "the system request is not tried";
    EXPECT_EQ(power.log, std::vector<std::string>{"create"});
    EXPECT_EQ(power.lastReason, u"reason");

    // A refused set: the request object is closed, and the set's error, not the close's, is shown.
    power.createError = 0;
    power.failSetOf = int(kAway);
    power.setError = 50;
    power.closeError = 6;
    power.log.clear();
    EXPECT_EQ(run(requests, kAway), std::vector<std::uint32_t>{50});
    EXPECT_EQ(power.log, (std::vector<std::string>{"create", "set 101 2", "close 101"}));
    power.closeError = 0;
    (void)run(requests, kAway);
    EXPECT_EQ(power.open, std::set<PowerHandle>{101}) << "only the handle whose close failed is left";
    EXPECT_EQ(held(requests), "---");
}

TEST(PowerRequests, FailedPairingStepsLeaveConsistentSlots) {
    // The system request refused after the display request: reported, the display request stays
    // and is later cleared alone.
    {
        FakePower power;
        PowerRequests requests(power);
        power.failSetOf = int(kSystem);
        power.setError = 5;
        EXPECT_EQ(run(requests, kDisplay), std::vector<std::uint32_t>{5});
        EXPECT_EQ(held(requests), "D--");
        power.log.clear();
        EXPECT_TRUE(run(requests, kDisplay).empty());
        EXPECT_EQ(power.log, (std::vector<std::string>{"clear 101 0", "close 101"}));
    }
    // A refused display request never moves a system request that was set on its own.
    {
        FakePower power;
        PowerRequests requests(power);
        (void)requests.toggle(kSystem, u"r");
        power.createError = 1450;
        EXPECT_EQ(run(requests, kDisplay), std::vector<std::uint32_t>{1450});
        EXPECT_EQ(held(requests), "-S-");
    }
}

TEST(PowerRequests, RefusedClearRetriesFailedCloseStillEnds) {
    FakePower power;
    PowerRequests requests(power);
    (void)run(requests, kDisplay);
    power.clearError = 87;
    EXPECT_EQ(run(requests, kDisplay), std::vector<std::uint32_t>{87});
    EXPECT_EQ(held(requests), "DS-") << "a failed clear keeps the slot, so the item can retry";
    power.clearError = 0;
    power.log.clear();
    EXPECT_TRUE(run(requests, kDisplay).empty());
    EXPECT_EQ(power.log, (std::vector<std::string>{"clear 101 0", "close 101", "clear 102 1", "close 102"}));

    // Cleared but the handle would not close: reported, yet the request is over (no check mark).
    (void)requests.toggle(kAway, u"r");
    power.closeError = 6;
    const PowerCall call = requests.toggle(kAway, u"r");
    EXPECT_FALSE(call.ok);
    EXPECT_EQ(call.error, 6u);
    EXPECT_EQ(held(requests), "---");

    // The same for the display request: the system request it carried ends with it.
    power.closeError = 0;
    (void)run(requests, kDisplay);
    power.closeError = 6;
    EXPECT_EQ(run(requests, kDisplay), (std::vector<std::uint32_t>{6, 6}));
    EXPECT_EQ(held(requests), "---");
    EXPECT_TRUE(power.active.empty());
}

TEST(PowerRequests, HeldHandlesAreClosedWithTheSlots) {
    FakePower power;
    {
        PowerRequests requests(power);
        (void)run(requests, kDisplay);
        (void)run(requests, kAway);
        ASSERT_EQ(power.open.size(), 3u);
    }
    EXPECT_TRUE(power.open.empty());
}

} // namespace
} // namespace zorbel
