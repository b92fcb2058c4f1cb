// Holds a global hotkey for the tests, as another program would:
//   hotkeyholder_win MODIFIERS VK NAME
// registers the combination (MODIFIERS and VK in hex, thread hotkey without a window), then
// signals the event "NAME.held" and waits until the event "NAME.release" is signalled (at most
// two minutes). Exit status 0 after a release, 3 when the combination could not be registered,
// 2 on bad usage.
#include <windows.h>

#include <cwchar>
#include <string>

#include "app/Handles_win.h"

namespace {
constexpr int kHotkeyId = 1;
constexpr DWORD kHoldAtMostMs = 120000;
} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) return 2;
    const UINT modifiers = static_cast<UINT>(std::wcstoul(argv[1], nullptr, 16));
    const UINT virtualKey = static_cast<UINT>(std::wcstoul(argv[2], nullptr, 16));
    const std::wstring name(argv[3]);
    const zorbel::UniqueKernelHandle held(CreateEventW(nullptr, TRUE, FALSE, (name + L".held").c_str()));
    const zorbel::UniqueKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, (name + L".release").c_str()));
    if (!held || !release) return 2;
    if (!RegisterHotKey(nullptr, kHotkeyId, modifiers, virtualKey)) return 3;
    SetEvent(held.get());
    WaitForSingleObject(release.get(), kHoldAtMostMs);
    UnregisterHotKey(nullptr, kHotkeyId);
    return 0;
}
