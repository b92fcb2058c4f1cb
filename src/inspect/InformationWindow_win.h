// The information window: the three-tab report on one window ("User Info", "Dimensions",
// "WinApp Details"), its copy commands, the Window List toggle and the window-pointer mode.
#pragma once

#include <windows.h>

#include <array>

namespace zorbel {

// Shows the report of a window, opening the information window when it is not open and reusing
// it when it is. A handle that is not a window is reported (error 1400 as a balloon) and changes
// nothing; the result is then false, and also when the window cannot be opened.
[[nodiscard]] bool showWindowReport(HWND window);

// The information window and its controls (all null while it is closed).
struct InformationWindowParts {
    HWND window = nullptr;
    HWND tab = nullptr;
    std::array<HWND, 3> lists{}; // User Info, Dimensions, WinApp Details
};
InformationWindowParts informationWindowParts();
void closeInformationWindow();

// The window-pointer mode: while on, the report follows the window under the mouse.
bool isWindowPointerOn();

} // namespace zorbel
