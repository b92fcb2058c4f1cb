// Win32 helpers the inspection windows share: menus and accelerators from their data, the dark
// title bar, fonts, the clipboard, and the system's answers they all read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/Clipboard_win.h"
#include "app/Handles_win.h"
#include "app/MenuModel.h"
#include "inspect/ViewerMenus.h"

namespace zorbel {

// A menu bar (menuBar true) or a popup menu holding root's children.
UniqueMenu renderMenu(const MenuNode& root, bool menuBar);
UniqueAcceleratorTable createAcceleratorTable(const std::vector<AcceleratorKey>& keys);
// Shows a popup menu at the cursor; the chosen item arrives as WM_COMMAND to owner.
void showPopupMenu(HWND owner, const MenuNode& menu);

// Asks for a dark title bar (DWMWA_USE_IMMERSIVE_DARK_MODE); true when the system agreed, and the
// window's lists should then be drawn black on light grey.
bool requestDarkTitleBar(HWND window);
inline constexpr COLORREF kDarkModeListBackground = RGB(0xDD, 0xDD, 0xDD);
inline constexpr COLORREF kDarkModeListText = RGB(0, 0, 0);

void setControlFont(HWND control, HFONT font);

// Puts the text on the clipboard for a copy command; a failure is shown with the system's text.
void copyToClipboard(HWND owner, const std::u16string& text);

// A Win32 error code as a string of the system (or the fallback text), without its line end.
std::u16string systemText(DWORD errorCode);

// Registers the common control classes the inspection windows use (once per process).
void ensureCommonControls();

// The text of one list-view cell, whatever its length; empty for a cell that does not exist.
std::u16string listCellText(HWND list, int row, int column);

} // namespace zorbel
