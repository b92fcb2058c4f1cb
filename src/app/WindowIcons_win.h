// The icons the tray menu shows for a listed window: its own icon, opaque and in nine paler copies.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/CommandTable.h"
#include "app/Handles_win.h"

namespace zorbel {

inline constexpr int kWindowIconLevels = 10;

struct Win32WindowIcons final : WindowIcons {
    std::array<UniqueBitmap, kWindowIconLevels> images; // alpha 255, 230, ... 30
};

// Finds the window's icon (its own, its program's, or the system's application icon) and makes
// the ten images at the given size. coreWindow is the window's store-app content child or null.
std::unique_ptr<Win32WindowIcons> makeWindowIcons(HWND window, HWND coreWindow, int width, int height);

// The window's process executable, or empty.
std::u16string windowProcessImagePath(HWND window);

} // namespace zorbel
