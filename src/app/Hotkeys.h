// The two global hotkeys: how a stored hotkey-control value becomes a RegisterHotKey combination,
// and what start-up and the Preferences window do to the registrations. The registrations
// themselves go through HotkeyRegistrar, which the Win32 side implements on the core window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/Settings.h"

namespace zorbel {

enum class Hotkey { Capture, TopMost };

// RegisterHotKey modifier flags (MOD_*).
inline constexpr std::uint32_t kModAlt = 0x0001;
inline constexpr std::uint32_t kModControl = 0x0002;
inline constexpr std::uint32_t kModShift = 0x0004;
inline constexpr std::uint32_t kModNoRepeat = 0x4000;

// Hotkey-control flags of the value's high byte (HOTKEYF_*).
inline constexpr std::int32_t kHotkeyShift = 0x01;
inline constexpr std::int32_t kHotkeyControl = 0x02;
inline constexpr std::int32_t kHotkeyAlt = 0x04;
inline constexpr std::int32_t kHotkeyExtended = 0x08;

struct HotkeyCombination {
    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    bool operator==(const HotkeyCombination&) const = default;
};

// Virtual key from bits 0-7; Shift, Ctrl and Alt from bits 8-10; always MOD_NOREPEAT, so that a
// key held down does not repeat the action. Every other bit (the extended-key flag among them)
// is ignored.
HotkeyCombination hotkeyCombination(std::int32_t value);
// A value without a virtual key (0 above all) names no combination: nothing is registered for it.
bool namesCombination(std::int32_t value);
// Whether the combination may be taken from every program. A key without Ctrl or Alt is what
// people type (R, Shift+R, Space, an arrow); only the function keys F1-F24 may stand alone or
// with Shift. False for a value that names no combination.
bool isSafeSystemWideHotkey(std::int32_t value);

inline constexpr std::uint32_t kVirtualKeyF1 = 0x70;
inline constexpr std::uint32_t kVirtualKeyF24 = 0x87;

// What the user is told about a combination refused before the system was asked. Fixed English
// texts: the string table has no key for them.
inline constexpr std::u16string_view kHotkeysMustDifferText =
    u"The Capture and TopMost shortcuts must be different combinations.";
// The hotkeys whose stored combination has neither Ctrl nor Alt, and so stays off.
std::u16string unsafeHotkeysText(bool capture, bool topMost);

class HotkeyRegistrar {
public:
    virtual ~HotkeyRegistrar() = default;
    // Registers the combination under the hotkey's identifier; on failure the user has been told.
    virtual bool registerCombination(Hotkey hotkey, HotkeyCombination combination) = 0;
    // Drops whatever is registered under the hotkey's identifier (nothing when none is).
    virtual void unregister(Hotkey hotkey) = 0;
    // Tells the user why a combination was refused without asking the system.
    virtual void explain(std::u16string_view text) = 0;
};

std::int32_t& hotkeyValue(Settings& settings, Hotkey hotkey);
std::int32_t& hotkeySwitch(Settings& settings, Hotkey hotkey);

// Registers the hotkey's stored combination as the only one under its identifier: an identifier
// that is registered again keeps its earlier combination beside the new one, so it is
// unregistered first. A value that names no combination leaves the hotkey unregistered and
// counts as success; an unsafe one (see isSafeSystemWideHotkey) is refused and explained.
bool registerHotkey(Hotkey hotkey, std::int32_t value, HotkeyRegistrar& registrar);

// Start-up: the capture hotkey, then the TopMost hotkey, each when its switch is on. A failure
// leaves the settings as they are, so the next start tries again. Unsafe combinations (a hand-
// edited file) stay off, told once for both.
void registerStartupHotkeys(const Settings& settings, HotkeyRegistrar& registrar);

// The Preferences window's operations; each returns what the hotkey's field must show
// afterwards, and the caller saves the settings.
//
// A new combination in the field: stored and registered (while the switch is on); when the
// registration fails the field and the setting are cleared to no hotkey. The other hotkey's
// combination is refused so, and explained, whichever switch is on.
std::int32_t changeHotkeyCombination(Hotkey hotkey, std::int32_t value, Settings& settings,
                                     HotkeyRegistrar& registrar);
// The switch: on registers the stored combination (a failure keeps the setting), off unregisters.
void switchHotkey(Hotkey hotkey, bool on, Settings& settings, HotkeyRegistrar& registrar);
// "Default Settings": the default combinations (Ctrl+R, Ctrl+E), both switches on, registered in
// place of what was registered before; both old ones go first, since either may be a default.
void restoreDefaultHotkeys(Settings& settings, HotkeyRegistrar& registrar);

} // namespace zorbel
