// Helpers every tool window uses: its DPI, opening it centred and scaled, following DPI changes,
// and its fonts.
#pragma once

#include <windows.h>

#include "app/Handles_win.h"

namespace zorbel {

// The DPI a window lays out with: the system DPI for a system-aware thread, the window's own for
// a per-monitor-aware one, else 96.
int windowDpi(HWND hwnd);

struct ToolWindowLayout {
    const wchar_t* className = nullptr; // registered by the caller
    const wchar_t* title = nullptr;
    int clientWidth = 0; // at 96 DPI
    int clientHeight = 0;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    void* createParameter = nullptr; // handed to WM_NCCREATE
};

// Creates the window hidden at the cursor, sizes its client area for its DPI, centres it in the
// work area of its monitor and shows it. Returns the DPI to lay out with, or 0 when the window
// could not be created (window is then empty).
int openToolWindow(const ToolWindowLayout& shape, UniqueWindow& window);

// Moves and sizes the window to the rectangle WM_DPICHANGED suggests.
void moveToSuggestedRect(HWND hwnd, const RECT& suggested);

// An interface font of a face and point size for a DPI.
UniqueFont createInterfaceFont(const wchar_t* face, int points, bool bold, int dpi);

} // namespace zorbel
