// The tree viewer's window list and the six enumerations that fill it.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "inspect/WindowTree.h"

namespace zorbel {

enum class Enumeration { Desktop, TopLevel, Children, Threads, Immersive, StoreApps };

// The list of the last enumeration; it outlives the tree window.
std::vector<WindowListEntry>& windowList();

// Runs an enumeration for the selected window and returns the root the tree is to be rebuilt
// under, or nothing when the tree stays as it is (no window selected for Children or Threads, or
// a system list that could not be had: the user has been told).
std::optional<HWND> runEnumeration(Enumeration enumeration, HWND selected);

// Refills the list from the system's list of windows: the descendants of parent (children true)
// or the top-level windows (of one thread when thread is not 0), each with its depth below parent.
// False when the system could not give the list; the list is then unchanged and the user told.
[[nodiscard]] bool fillFromSystemList(HWND parent, bool children, DWORD thread);

// The same through a given NtUserBuildHwndList (tests hand in one that fails). A call that fails,
// or that lists no window, leaves the list as it was.
using BuildHwndList = LONG(WINAPI*)(HDESK, HWND, BOOL, BOOL, DWORD, UINT, HWND*, UINT*);
[[nodiscard]] bool fillFromHwndList(BuildHwndList build, HWND parent, bool children, DWORD thread);

} // namespace zorbel
