// The icons the tray menu shows for a listed window: its own icon, opaque and in nine paler copies.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "app/CommandTable.h"
#include "app/Handles_win.h"

namespace zorbel {

inline constexpr int kWindowIconLevels = 10;

struct Win32WindowIcons final : WindowIcons {
    std::array<UniqueBitmap, kWindowIconLevels> images; // alpha 255, 230, ... 30
};

struct WindowIconRequest {
    HWND window = nullptr;
    HWND coreWindow = nullptr; // the window's store-app content child, or null
};

// For each window, finds its icon (a store app's program icon, the window's own, its program's,
// or the system's application icon) and makes the ten images at the given size; null where not
// even one image could be made. The questions for the windows' own icons go to all of them at
// once, one kind after the other, each only to the windows that gave nothing to the kinds before,
// so slow windows cost each kind one wait in all rather than one each.
std::vector<std::unique_ptr<Win32WindowIcons>> makeWindowIcons(const std::vector<WindowIconRequest>& requests,
                                                               int width, int height);

// The window's process executable, or empty.
std::u16string windowProcessImagePath(HWND window);

} // namespace zorbel
