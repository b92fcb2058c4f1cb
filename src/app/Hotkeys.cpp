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

bool isSafeSystemWideHotkey(std::int32_t value) {
    if (!namesCombination(value)) return false;
    const HotkeyCombination combination = hotkeyCombination(value);
    if (combination.modifiers & (kModControl | kModAlt)) return true;
    return combination.virtualKey >= kVirtualKeyF1 && combination.virtualKey <= kVirtualKeyF24;
}

std::u16string unsafeHotkeysText(bool capture, bool topMost) {
    if (capture && topMost) return u"The Capture and TopMost shortcuts need Ctrl or Alt; they stay off until changed.";
    return std::u16string(capture ? u"The Capture" : u"The TopMost") +
           u" shortcut needs Ctrl or Alt; it stays off until changed.";
}

std::int32_t& hotkeyValue(Settings& settings, Hotkey hotkey) {
    return hotkey == Hotkey::Capture ? settings.pCapture : settings.pTopMost;
}

std::int32_t& hotkeySwitch(Settings& settings, Hotkey hotkey) {
    return hotkey == Hotkey::Capture ? settings.pCaptureCB : settings.pTopMostCB;
}

namespace {

Hotkey otherHotkey(Hotkey hotkey) { return hotkey == Hotkey::Capture ? Hotkey::TopMost : Hotkey::Capture; }

bool sameCombination(std::int32_t a, std::int32_t b) {
    return namesCombination(a) && namesCombination(b) && hotkeyCombination(a) == hotkeyCombination(b);
}

enum class Registration { Done, Refused, Unsafe };

// As registerHotkey, with an unsafe combination left for the caller to explain.
Registration registerUnlessUnsafe(Hotkey hotkey, std::int32_t value, HotkeyRegistrar& registrar) {
    registrar.unregister(hotkey);
    if (!namesCombination(value)) return Registration::Done;
    if (!isSafeSystemWideHotkey(value)) return Registration::Unsafe;
    return registrar.registerCombination(hotkey, hotkeyCombination(value)) ? Registration::Done : Registration::Refused;
}

} // namespace

bool registerHotkey(Hotkey hotkey, std::int32_t value, HotkeyRegistrar& registrar) {
    const Registration registration = registerUnlessUnsafe(hotkey, value, registrar);
    if (registration == Registration::Unsafe)
        registrar.explain(unsafeHotkeysText(hotkey == Hotkey::Capture, hotkey == Hotkey::TopMost));
    return registration == Registration::Done;
}

void registerStartupHotkeys(const Settings& settings, HotkeyRegistrar& registrar) {
    const bool captureUnsafe = settings.pCaptureCB && registerUnlessUnsafe(Hotkey::Capture, settings.pCapture,
                                                                           registrar) == Registration::Unsafe;
    const bool topMostUnsafe = settings.pTopMostCB && registerUnlessUnsafe(Hotkey::TopMost, settings.pTopMost,
                                                                           registrar) == Registration::Unsafe;
    if (captureUnsafe || topMostUnsafe) registrar.explain(unsafeHotkeysText(captureUnsafe, topMostUnsafe));
}

std::int32_t changeHotkeyCombination(Hotkey hotkey, std::int32_t value, Settings& settings,
                                     HotkeyRegistrar& registrar) {
    std::int32_t& stored = hotkeyValue(settings, hotkey);
    if (sameCombination(value, hotkeyValue(settings, otherHotkey(hotkey)))) {
        // Refused whether or not the other one is registered now: it would be once switched on.
        registrar.unregister(hotkey);
        registrar.explain(kHotkeysMustDifferText);
        stored = 0;
        return stored;
    }
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
    registrar.unregister(Hotkey::Capture);
    registrar.unregister(Hotkey::TopMost);
    settings.pCapture = defaults.pCapture;
    settings.pCaptureCB = 1;
    (void)registerHotkey(Hotkey::Capture, settings.pCapture, registrar);
    settings.pTopMost = defaults.pTopMost;
    settings.pTopMostCB = 1;
    (void)registerHotkey(Hotkey::TopMost, settings.pTopMost, registrar);
}

} // namespace zorbel
