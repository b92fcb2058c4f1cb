#include "app/Hotkeys_win.h"

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Notifications_win.h"
#include "capture/RegionOverlay_win.h"
#include "settings/Settings.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

// RegisterHotKey wants an application's identifiers in 0x0000-0xBFFF; the range of global atoms
// (0xC000-0xFFFF) is reserved for shared DLLs.
constexpr int kCaptureHotkeyId = 1;
constexpr int kTopMostHotkeyId = 2;

class CoreWindowHotkeys : public HotkeyRegistrar {
public:
    bool registerCombination(Hotkey hotkey, HotkeyCombination combination) override {
        SetLastError(0);
        if (RegisterHotKey(core::window(), hotkeyIdentifier(hotkey), combination.modifiers, combination.virtualKey))
            return true;
        // 1409 (ERROR_HOTKEY_ALREADY_REGISTERED) when another program holds the combination.
        core::reportSystemError(GetLastError());
        return false;
    }
    void unregister(Hotkey hotkey) override { UnregisterHotKey(core::window(), hotkeyIdentifier(hotkey)); }
    void explain(std::u16string_view text) override { BalloonWithText(text); }
};

CoreWindowHotkeys registrar;

void toggleTopMostUnderCursor() {
    // The top-level window under the mouse cursor, not the foreground window.
    HWND root = rootWindowUnderCursor();
    // FlashWindow sends the window WM_NCACTIVATE and waits for it: a window that failed the
    // responsiveness test would block the program for as long as it hangs. Only a window that
    // was changed is flashed; a failure has shown its balloon.
    if (toggleTopMost(root)) FlashWindow(root, TRUE);
    core::notificationSound();
}

} // namespace

int hotkeyIdentifier(Hotkey hotkey) { return hotkey == Hotkey::Capture ? kCaptureHotkeyId : kTopMostHotkeyId; }

void registerStartupHotkeys() { registerStartupHotkeys(currentSettings(), registrar); }

void onHotkey(WPARAM identifier) {
    if (identifier == static_cast<WPARAM>(kCaptureHotkeyId)) toggleRegionCapture();
    if (identifier == static_cast<WPARAM>(kTopMostHotkeyId)) toggleTopMostUnderCursor();
}

std::int32_t changeHotkeyCombination(Hotkey hotkey, std::int32_t value) {
    return changeHotkeyCombination(hotkey, value, currentSettings(), registrar);
}

void switchHotkey(Hotkey hotkey, bool on) { switchHotkey(hotkey, on, currentSettings(), registrar); }

void restoreDefaultHotkeys() { restoreDefaultHotkeys(currentSettings(), registrar); }

} // namespace zorbel
