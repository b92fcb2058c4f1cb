// The Preferences window: every setting the user can change, each saved the moment it changes.
#pragma once

#include <windows.h>

namespace zorbel {

inline constexpr wchar_t kPreferencesClass[] = L"Zorbel!_Preferences";
inline constexpr wchar_t kPreferencesTitle[] = L"Preferences";

// Opens the window, or does nothing when it is open.
void openPreferences();
// The open window, or null.
HWND preferencesWindow();

} // namespace zorbel
