#include "app/Hotkeys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zorbel {
namespace {

// ---- Value to combination -----------------------------------------------------------------------

TEST(HotkeyCombination, EveryModifierSetWithAndWithoutTheExtendedFlag) {
    // High-byte flags (Shift 1, Ctrl 2, Alt 4) and the RegisterHotKey modifiers they must give.
    struct Row {
        std::int32_t flags;
        std::uint32_t modifiers;
    };
    const Row rows[] = {
        {0x0, 0x4000},
        {0x1, 0x4000 | 0x4},
        {0x2, 0x4000 | 0x2},
        {0x3, 0x4000 | 0x4 | 0x2},
        {0x4, 0x4000 | 0x1},
        {0x5, 0x4000 | 0x4 | 0x1},
        {0x6, 0x4000 | 0x2 | 0x1},
        {0x7, 0x4000 | 0x4 | 0x2 | 0x1},
    };
    const std::int32_t keys[] = {0x01, 0x30, 0x45, 0x52, 0x70, 0x7B, 0xA5, 0xFF};
    for (const Row& row : rows) {
        for (const bool extended : {false, true}) {
            for (const std::int32_t key : keys) {
                const std::int32_t value = ((row.flags | (extended ? kHotkeyExtended : 0)) << 8) | key;
                SCOPED_TRACE(testing::Message() << "value 0x" << std::hex << value);
                const HotkeyCombination combination = hotkeyCombination(value);
                EXPECT_EQ(combination.modifiers, row.modifiers);
                EXPECT_EQ(combination.virtualKey, static_cast<std::uint32_t>(key));
                EXPECT_TRUE(namesCombination(value));
            }
        }
    }
}

TEST(HotkeyCombination, StoredDefaultsAndIgnoredBits) {
    EXPECT_EQ(hotkeyCombination(594), (HotkeyCombination{kModControl | kModNoRepeat, 'R'}));
    EXPECT_EQ(hotkeyCombination(581), (HotkeyCombination{kModControl | kModNoRepeat, 'E'}));
    // The high byte's unused flags and anything above the 16-bit control value change nothing.
    EXPECT_EQ(hotkeyCombination(0xF245), hotkeyCombination(0x0245));
    EXPECT_EQ(hotkeyCombination(0x0F45), hotkeyCombination(0x0745));
    EXPECT_EQ(hotkeyCombination(0x7FFF0245), hotkeyCombination(0x0245));
    EXPECT_EQ(hotkeyCombination(-1), (HotkeyCombination{kModAlt | kModControl | kModShift | kModNoRepeat, 0xFF}));
    // No virtual key: no combination, whatever the modifiers say.
    for (const std::int32_t value : {0x000, 0x100, 0x200, 0x700, 0xF00, 0x10000})
        EXPECT_FALSE(namesCombination(value)) << std::hex << value;
}

// ---- Registrations ------------------------------------------------------------------------------

// Behaves as RegisterHotKey does for one window: a second registration under an identifier is
// kept beside the first; a combination that anyone holds is refused.
class FakeSystem : public HotkeyRegistrar {
public:
    bool registerCombination(Hotkey hotkey, HotkeyCombination combination) override {
        calls.push_back("register " + name(hotkey) + " " + text(combination));
        if (heldElsewhere.count(key(combination)) || isRegistered(combination)) {
            ++refusals;
            return false;
        }
        ours[hotkey].push_back(combination);
        return true;
    }
    void unregister(Hotkey hotkey) override {
        calls.push_back("unregister " + name(hotkey));
        // UnregisterHotKey removes one registration of the identifier.
        auto& list = ours[hotkey];
        if (!list.empty()) list.erase(list.begin());
    }

    bool isRegistered(HotkeyCombination combination) const {
        for (const auto& [hotkey, list] : ours)
            for (const HotkeyCombination& c : list)
                if (c == combination) return true;
        return false;
    }
    std::vector<HotkeyCombination> active(Hotkey hotkey) const {
        const auto found = ours.find(hotkey);
        return found == ours.end() ? std::vector<HotkeyCombination>{} : found->second;
    }

    static std::string name(Hotkey hotkey) { return hotkey == Hotkey::Capture ? "capture" : "topmost"; }
    static std::string text(HotkeyCombination c) {
        return std::to_string(c.modifiers) + "+" + std::to_string(c.virtualKey);
    }
    static std::pair<std::uint32_t, std::uint32_t> key(HotkeyCombination c) { return {c.modifiers, c.virtualKey}; }

    std::map<Hotkey, std::vector<HotkeyCombination>> ours;
    std::set<std::pair<std::uint32_t, std::uint32_t>> heldElsewhere;
    std::vector<std::string> calls;
    int refusals = 0;
};

const HotkeyCombination kCtrlR = hotkeyCombination(0x252);
const HotkeyCombination kCtrlE = hotkeyCombination(0x245);
const std::int32_t kCtrlShiftF8 = 0x377;
const HotkeyCombination kCtrlShiftF8Combination = hotkeyCombination(kCtrlShiftF8);

TEST(Hotkeys, StartUpRegistersEachSwitchedOnHotkeyInOrder) {
    struct Row {
        std::int32_t capture, captureOn, topMost, topMostOn;
        std::vector<std::string> calls;
    };
    const std::string ctrlR = FakeSystem::text(kCtrlR), ctrlE = FakeSystem::text(kCtrlE);
    const Row rows[] = {
        {0x252, 1, 0x245, 1, {"unregister capture", "register capture " + ctrlR, "unregister topmost",
                              "register topmost " + ctrlE}},
        {0x252, 0, 0x245, 1, {"unregister topmost", "register topmost " + ctrlE}},
        {0x252, 1, 0x245, 0, {"unregister capture", "register capture " + ctrlR}},
        {0x252, 0, 0x245, 0, {}},
        // A cleared hotkey with its switch on registers nothing and is no failure.
        {0, 1, 0x245, 1, {"unregister capture", "unregister topmost", "register topmost " + ctrlE}},
        {0x252, 5, 0x245, -1, {"unregister capture", "register capture " + ctrlR, "unregister topmost",
                               "register topmost " + ctrlE}},
    };
    for (const Row& row : rows) {
        Settings settings;
        settings.pCapture = row.capture;
        settings.pCaptureCB = row.captureOn;
        settings.pTopMost = row.topMost;
        settings.pTopMostCB = row.topMostOn;
        const Settings before = settings;
        FakeSystem system;
        registerStartupHotkeys(settings, system);
        EXPECT_EQ(system.calls, row.calls) << row.capture << " " << row.captureOn;
        EXPECT_EQ(system.refusals, 0);
        EXPECT_EQ(settings, before);
    }
}

TEST(Hotkeys, StartUpFailureIsReportedAndLeavesTheSettings) {
    FakeSystem system;
    system.heldElsewhere.insert(FakeSystem::key(kCtrlR));
    Settings settings;
    registerStartupHotkeys(settings, system);
    EXPECT_EQ(system.refusals, 1);
    EXPECT_TRUE(system.active(Hotkey::Capture).empty());
    EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlE}) << "the other one still works";
    EXPECT_EQ(settings, Settings{});
}

TEST(Hotkeys, ChangingACombinationLeavesExactlyTheNewOneActive) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);

    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, kCtrlShiftF8, settings, system), kCtrlShiftF8);
    EXPECT_EQ(settings.pCapture, kCtrlShiftF8);
    EXPECT_EQ(system.active(Hotkey::Capture), std::vector<HotkeyCombination>{kCtrlShiftF8Combination});
    EXPECT_FALSE(system.isRegistered(kCtrlR)) << "the old combination must be free for others";

    // Changed again, and back: still one combination each time.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, 0x252, settings, system), 0x252);
    EXPECT_EQ(system.active(Hotkey::Capture), std::vector<HotkeyCombination>{kCtrlR});
    EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlE});
    EXPECT_EQ(system.refusals, 0);
}

TEST(Hotkeys, ChangeRefusedClearsTheFieldAndTheSetting) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);
    system.heldElsewhere.insert(FakeSystem::key(kCtrlShiftF8Combination));

    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, kCtrlShiftF8, settings, system), 0);
    EXPECT_EQ(settings.pCapture, 0);
    EXPECT_EQ(system.refusals, 1);
    EXPECT_TRUE(system.active(Hotkey::Capture).empty());
    EXPECT_FALSE(system.isRegistered(kCtrlR));

    // Our own other hotkey's combination is refused the same way.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, 0x245, settings, system), 0);
    EXPECT_EQ(system.refusals, 2);
    EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlE});
}

TEST(Hotkeys, ClearingAFieldUnregistersWithoutAFailure) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, 0, settings, system), 0);
    EXPECT_EQ(settings.pTopMost, 0);
    EXPECT_TRUE(system.active(Hotkey::TopMost).empty());
    EXPECT_EQ(system.refusals, 0);
    // With the capture hotkey cleared, a new TopMost combination still registers.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, 0, settings, system), 0);
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, kCtrlShiftF8, settings, system), kCtrlShiftF8);
    EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlShiftF8Combination});
}

TEST(Hotkeys, SwitchOffUnregistersSwitchOnRegistersTheStoredCombination) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);

    switchHotkey(Hotkey::TopMost, false, settings, system);
    EXPECT_EQ(settings.pTopMostCB, 0);
    EXPECT_EQ(settings.pTopMost, 0x245) << "the combination is kept";
    EXPECT_TRUE(system.active(Hotkey::TopMost).empty());
    // The field is disabled while off; a value arriving anyway is stored but not registered.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, kCtrlShiftF8, settings, system), kCtrlShiftF8);
    EXPECT_TRUE(system.active(Hotkey::TopMost).empty());

    switchHotkey(Hotkey::TopMost, true, settings, system);
    EXPECT_EQ(settings.pTopMostCB, 1);
    EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlShiftF8Combination});
    // Switched on twice: still one registration.
    switchHotkey(Hotkey::TopMost, true, settings, system);
    EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlShiftF8Combination});
    EXPECT_EQ(system.refusals, 0);

    // A refused switch-on keeps the setting for the next start.
    switchHotkey(Hotkey::Capture, false, settings, system);
    system.heldElsewhere.insert(FakeSystem::key(kCtrlR));
    switchHotkey(Hotkey::Capture, true, settings, system);
    EXPECT_EQ(system.refusals, 1);
    EXPECT_EQ(settings.pCapture, 0x252);
    EXPECT_EQ(settings.pCaptureCB, 1);
}

TEST(Hotkeys, RestoringDefaultsReplacesRatherThanAdds) {
    // Already the defaults: registering them again must not be refused as "already registered".
    {
        FakeSystem system;
        Settings settings;
        registerStartupHotkeys(settings, system);
        restoreDefaultHotkeys(settings, system);
        EXPECT_EQ(system.refusals, 0);
        EXPECT_EQ(system.active(Hotkey::Capture), std::vector<HotkeyCombination>{kCtrlR});
        EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlE});
    }
    // From other combinations and switches: exactly the defaults are active afterwards.
    {
        FakeSystem system;
        Settings settings;
        settings.pCapture = kCtrlShiftF8;
        settings.pTopMost = 0x470; // Alt+F1
        settings.pTopMostCB = 0;
        registerStartupHotkeys(settings, system);
        restoreDefaultHotkeys(settings, system);
        EXPECT_EQ(settings.pCapture, 0x252);
        EXPECT_EQ(settings.pTopMost, 0x245);
        EXPECT_EQ(settings.pCaptureCB, 1);
        EXPECT_EQ(settings.pTopMostCB, 1);
        EXPECT_EQ(system.active(Hotkey::Capture), std::vector<HotkeyCombination>{kCtrlR});
        EXPECT_EQ(system.active(Hotkey::TopMost), std::vector<HotkeyCombination>{kCtrlE});
        EXPECT_FALSE(system.isRegistered(kCtrlShiftF8Combination));
        EXPECT_EQ(system.refusals, 0);
    }
    // A default that someone else holds is reported and stays in the settings.
    {
        FakeSystem system;
        Settings settings;
        settings.pTopMost = 0;
        system.heldElsewhere.insert(FakeSystem::key(kCtrlE));
        restoreDefaultHotkeys(settings, system);
        EXPECT_EQ(system.refusals, 1);
        EXPECT_EQ(settings.pTopMost, 0x245);
        EXPECT_EQ(system.active(Hotkey::Capture), std::vector<HotkeyCombination>{kCtrlR});
    }
}

} // namespace
} // namespace zorbel
