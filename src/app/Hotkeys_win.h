// The two global hotkeys on the core window: their identifiers, registration at start-up, the
// WM_HOTKEY dispatch, and the operations of the Preferences window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/Hotkeys.h"

namespace zorbel {

// The identifier a hotkey is registered and recognised under.
int hotkeyIdentifier(Hotkey hotkey);

// Registers each hotkey whose switch is on; a refusal shows the system's text in a balloon and
// start-up goes on.
void registerStartupHotkeys();

// WM_HOTKEY of the core window: wParam is the identifier.
void onHotkey(WPARAM identifier);

// The Preferences window's operations on the process-wide settings; the window saves the
// settings afterwards. changeHotkeyCombination returns what the hotkey field must show (0 after a
// refusal, which has been shown in a balloon).
std::int32_t changeHotkeyCombination(Hotkey hotkey, std::int32_t value);
void switchHotkey(Hotkey hotkey, bool on);
void restoreDefaultHotkeys();

} // namespace zorbel
