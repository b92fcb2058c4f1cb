#include "app/Hotkeys.h"

namespace zorbel {

HotkeyCombination hotkeyCombination(std::int32_t value) {
    const std::int32_t flags = (value >> 8) & 0xFF;
    HotkeyCombination combination;
    combination.virtualKey = static_cast<std::uint32_t>(value & 0xFF);
    combination.modifiers = kModNoRepeat;
    if (flags & kHotkeyAlt) combination.modifiers |= kModAlt;
    if (flags & kHotkeyControl) combination.modifiers |= kModControl;
    if (flags & kHotkeyShift) combination.modifiers |= kModShift;
    return combination;
}

bool namesCombination(std::int32_t value) { return (value & 0xFF) != 0; }

std::int32_t& hotkeyValue(Settings& settings, Hotkey hotkey) {
    return hotkey == Hotkey::Capture ? settings.pCapture : settings.pTopMost;
}

std::int32_t& hotkeySwitch(Settings& settings, Hotkey hotkey) {
    return hotkey == Hotkey::Capture ? settings.pCaptureCB : settings.pTopMostCB;
}

bool registerHotkey(Hotkey hotkey, std::int32_t value, HotkeyRegistrar& registrar) {
    registrar.unregister(hotkey);
    if (!namesCombination(value)) return true;
    return registrar.registerCombination(hotkey, hotkeyCombination(value));
}

void registerStartupHotkeys(const Settings& settings, HotkeyRegistrar& registrar) {
    if (settings.pCaptureCB) (void)registerHotkey(Hotkey::Capture, settings.pCapture, registrar);
    if (settings.pTopMostCB) (void)registerHotkey(Hotkey::TopMost, settings.pTopMost, registrar);
}

std::int32_t changeHotkeyCombination(Hotkey hotkey, std::int32_t value, Settings& settings,
                                     HotkeyRegistrar& registrar) {
    std::int32_t& stored = hotkeyValue(settings, hotkey);
    stored = value;
    if (!hotkeySwitch(settings, hotkey)) {
        // The field is disabled while the switch is off; nothing is registered then.
        registrar.unregister(hotkey);
        return stored;
    }
    if (!registerHotkey(hotkey, value, registrar)) stored = 0;
    return stored;
}

void switchHotkey(Hotkey hotkey, bool on, Settings& settings, HotkeyRegistrar& registrar) {
    hotkeySwitch(settings, hotkey) = on ? 1 : 0;
    if (on)
        (void)registerHotkey(hotkey, hotkeyValue(settings, hotkey), registrar);
    else
        registrar.unregister(hotkey);
}

void restoreDefaultHotkeys(Settings& settings, HotkeyRegistrar& registrar) {
    const Settings defaults;
    settings.pCapture = defaults.pCapture;
    settings.pCaptureCB = 1;
    (void)registerHotkey(Hotkey::Capture, settings.pCapture, registrar);
    settings.pTopMost = defaults.pTopMost;
    settings.pTopMostCB = 1;
    (void)registerHotkey(Hotkey::TopMost, settings.pTopMost, registrar);
}

} // namespace zorbel
