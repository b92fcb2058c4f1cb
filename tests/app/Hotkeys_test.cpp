#include "app/Hotkeys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zorbel {
namespace {

using Combinations = std::vector<HotkeyCombination>;

TEST(HotkeyCombination, EveryModifierSetWithAndWithoutTheExtendedFlag) {
    // High-byte flags Shift 1, Ctrl 2, Alt 4 and the RegisterHotKey modifiers they give.
    const std::uint32_t modifiersOf[8] = {0x4000,     0x4000 | 4,     0x4000 | 2,     0x4000 | 4 | 2,
                                          0x4000 | 1, 0x4000 | 4 | 1, 0x4000 | 2 | 1, 0x4000 | 4 | 2 | 1};
    for (std::int32_t flags = 0; flags < 8; ++flags) {
        for (const std::int32_t ignored : {0, kHotkeyExtended, 0xF0, 0x7FFF0000 >> 8}) {
            for (const std::int32_t key : {0x01, 0x45, 0x52, 0x7B, 0xFF}) {
                const std::int32_t value = ((flags | ignored) << 8) | key;
                EXPECT_EQ(hotkeyCombination(value), (HotkeyCombination{modifiersOf[flags], std::uint32_t(key)}))
                    << std::hex << value;
                EXPECT_TRUE(namesCombination(value));
            }
        }
    }
    EXPECT_EQ(hotkeyCombination(594), (HotkeyCombination{kModControl | kModNoRepeat, 'R'}));
    EXPECT_EQ(hotkeyCombination(581), (HotkeyCombination{kModControl | kModNoRepeat, 'E'}));
    // No virtual key: no combination, whatever the modifiers say.
    for (const std::int32_t value : {0x000, 0x200, 0xF00, 0x10000}) EXPECT_FALSE(namesCombination(value)) << value;
}

// RegisterHotKey for one window: a second registration under an identifier is kept beside the
// first; a combination that anyone holds is refused.
class FakeSystem : public HotkeyRegistrar {
public:
    bool registerCombination(Hotkey hotkey, HotkeyCombination combination) override {
        if (heldElsewhere.count(key(combination)) || isRegistered(combination)) {
            ++refusals;
            return false;
        }
        ours[hotkey].push_back(combination);
        return true;
    }
    void unregister(Hotkey hotkey) override {
        if (!ours[hotkey].empty()) ours[hotkey].erase(ours[hotkey].begin());
    }
    void explain(std::u16string_view text) override { explained.emplace_back(text); }
    bool isRegistered(HotkeyCombination combination) {
        for (const auto& [hotkey, list] : ours)
            for (const HotkeyCombination& c : list)
                if (c == combination) return true;
        return false;
    }
    static std::pair<std::uint32_t, std::uint32_t> key(HotkeyCombination c) { return {c.modifiers, c.virtualKey}; }

    std::map<Hotkey, Combinations> ours;
    std::set<std::pair<std::uint32_t, std::uint32_t>> heldElsewhere;
    int refusals = 0;
    std::vector<std::u16string> explained;
};

const HotkeyCombination kCtrlR = hotkeyCombination(0x252);
const HotkeyCombination kCtrlE = hotkeyCombination(0x245);
constexpr std::int32_t kCtrlShiftF8 = 0x377;
const HotkeyCombination kF8 = hotkeyCombination(kCtrlShiftF8);

TEST(Hotkeys, StartUpRegistersSwitchedOnHotkeysAndKeepsTheSettingsOnFailure) {
    FakeSystem system;
    system.heldElsewhere.insert(FakeSystem::key(kCtrlR));
    Settings settings;
    registerStartupHotkeys(settings, system);
    EXPECT_EQ(system.refusals, 1);
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kCtrlE}) << "the other one still works";
    EXPECT_EQ(settings, Settings{});

    FakeSystem off;
    settings.pTopMostCB = 0;
    settings.pCapture = 0; // cleared, switch on: nothing to register, no failure
    registerStartupHotkeys(settings, off);
    EXPECT_TRUE(off.ours[Hotkey::Capture].empty() && off.ours[Hotkey::TopMost].empty());
    EXPECT_EQ(off.refusals, 0);
}

TEST(Hotkeys, ChangedCombinationIsTheOnlyOneActive) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, kCtrlShiftF8, settings, system), kCtrlShiftF8);
    EXPECT_EQ(system.ours[Hotkey::Capture], Combinations{kF8});
    EXPECT_FALSE(system.isRegistered(kCtrlR)) << "the old combination must be free for others";

    // Taken (by another program): refused, field and setting cleared, nothing left.
    system.heldElsewhere.insert(FakeSystem::key(hotkeyCombination(0x678)));
    EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, 0x678, settings, system), 0);
    EXPECT_EQ(settings.pCapture, 0);
    EXPECT_EQ(system.refusals, 1);
    EXPECT_TRUE(system.ours[Hotkey::Capture].empty());
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kCtrlE});

    // Cleared: unregistered without a failure; the other hotkey still changes.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, 0, settings, system), 0);
    EXPECT_TRUE(system.ours[Hotkey::TopMost].empty());
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, kCtrlShiftF8, settings, system), kCtrlShiftF8);
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kF8});
    EXPECT_EQ(system.refusals, 1);
}

TEST(Hotkeys, SwitchOffUnregistersSwitchOnRegistersTheStoredCombination) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);
    switchHotkey(Hotkey::TopMost, false, settings, system);
    EXPECT_EQ(settings.pTopMostCB, 0);
    EXPECT_TRUE(system.ours[Hotkey::TopMost].empty());
    // The field is disabled while off; a value arriving anyway is stored, not registered.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, kCtrlShiftF8, settings, system), kCtrlShiftF8);
    EXPECT_TRUE(system.ours[Hotkey::TopMost].empty());
    switchHotkey(Hotkey::TopMost, true, settings, system);
    switchHotkey(Hotkey::TopMost, true, settings, system);
    EXPECT_EQ(settings.pTopMostCB, 1);
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kF8}) << "switched on twice, registered once";

    // A refused switch-on keeps the setting for the next start.
    switchHotkey(Hotkey::Capture, false, settings, system);
    system.heldElsewhere.insert(FakeSystem::key(kCtrlR));
    switchHotkey(Hotkey::Capture, true, settings, system);
    EXPECT_EQ(system.refusals, 1);
    EXPECT_EQ(settings.pCapture, 0x252);
    EXPECT_EQ(settings.pCaptureCB, 1);
}

TEST(Hotkeys, RestoringDefaultsReplacesRatherThanAdds) {
    FakeSystem system;
    Settings settings;
    registerStartupHotkeys(settings, system);
    restoreDefaultHotkeys(settings, system);
    EXPECT_EQ(system.refusals, 0) << "defaults over active defaults are no error";

    (void)changeHotkeyCombination(Hotkey::Capture, kCtrlShiftF8, settings, system);
    switchHotkey(Hotkey::TopMost, false, settings, system);
    restoreDefaultHotkeys(settings, system);
    EXPECT_EQ(system.ours[Hotkey::Capture], Combinations{kCtrlR});
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kCtrlE});
    EXPECT_FALSE(system.isRegistered(kF8));
    EXPECT_EQ(settings, Settings{});
    EXPECT_EQ(system.refusals, 0);
}

TEST(Hotkeys, DefaultsRegisterWhenOurOtherHotkeyHeldOne) {
    FakeSystem system;
    Settings settings;
    settings.pCapture = kCtrlShiftF8;
    settings.pTopMost = 0x252; // Ctrl+R, the capture default
    registerStartupHotkeys(settings, system);
    restoreDefaultHotkeys(settings, system);
    EXPECT_EQ(system.refusals, 0);
    EXPECT_EQ(system.ours[Hotkey::Capture], Combinations{kCtrlR});
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kCtrlE});
}

TEST(Hotkeys, OneCombinationForBothIsRefusedWhicheverSwitchIsOn) {
    for (const bool otherOn : {true, false}) {
        FakeSystem system;
        Settings settings;
        settings.pTopMostCB = otherOn ? 1 : 0;
        registerStartupHotkeys(settings, system);
        // Ctrl+E, also with the extended-key flag, which names the same combination.
        for (const std::int32_t value : {0x245, 0xA45}) {
            EXPECT_EQ(changeHotkeyCombination(Hotkey::Capture, value, settings, system), 0) << otherOn;
            EXPECT_EQ(settings.pCapture, 0);
            EXPECT_TRUE(system.ours[Hotkey::Capture].empty()) << otherOn;
        }
        EXPECT_EQ(system.explained, (std::vector<std::u16string>(2, std::u16string(kHotkeysMustDifferText))));
        EXPECT_EQ(system.refusals, 0) << "refused before the system is asked";
    }
}

// Table: which stored values may become system-wide hotkeys.
TEST(Hotkeys, OnlyCombinationsWithCtrlOrAltOrFunctionKeysAreSafe) {
    const std::pair<std::int32_t, bool> cases[] = {
        {0x052, false}, // R
        {0x152, false}, // Shift+R
        {0x852, false}, // R with the extended-key flag
        {0x020, false}, // Space
        {0x026, false}, // Up
        {0x06F, false}, // numeric-pad /, below F1
        {0x088, false}, // above F24
        {0x000, false}, {0x200, false}, // no key
        {0x252, true},  // Ctrl+R
        {0x452, true},  // Alt+R
        {0x552, true},  // Alt+Shift+R
        {0xA52, true},  // Ctrl+R, extended
        {0x070, true},  // F1
        {0x177, true},  // Shift+F8
        {0x087, true},  // F24
    };
    for (const auto& [value, safe] : cases) EXPECT_EQ(isSafeSystemWideHotkey(value), safe) << std::hex << value;
}

TEST(Hotkeys, UnsafeCombinationsStayOffAndAreToldOnce) {
    FakeSystem system;
    Settings settings;
    settings.pCapture = 'R';
    registerStartupHotkeys(settings, system);
    EXPECT_TRUE(system.ours[Hotkey::Capture].empty());
    EXPECT_EQ(system.ours[Hotkey::TopMost], Combinations{kCtrlE});
    EXPECT_EQ(system.explained, std::vector<std::u16string>{unsafeHotkeysText(true, false)});
    EXPECT_EQ(settings.pCapture, 'R') << "the file keeps its value";

    FakeSystem both;
    settings.pTopMost = 0x145; // Shift+E
    registerStartupHotkeys(settings, both);
    EXPECT_EQ(both.explained, std::vector<std::u16string>{unsafeHotkeysText(true, true)}) << "one balloon for both";
    EXPECT_TRUE(both.ours[Hotkey::Capture].empty() && both.ours[Hotkey::TopMost].empty());
    for (const auto& text : {unsafeHotkeysText(true, false), unsafeHotkeysText(false, true), both.explained[0]})
        EXPECT_NE(text.find(u"Ctrl or Alt"), std::u16string::npos);

    // One arriving in a field anyway is cleared like a refused one.
    EXPECT_EQ(changeHotkeyCombination(Hotkey::TopMost, 'T', settings, both), 0);
    EXPECT_EQ(settings.pTopMost, 0);
    EXPECT_EQ(both.explained.back(), unsafeHotkeysText(false, true));
}

} // namespace
} // namespace zorbel
