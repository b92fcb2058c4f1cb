// The commands of the inspection windows, their menus and their keyboard accelerators, as data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/MenuModel.h"

namespace zorbel {

class StringTable;

// Menu and accelerator identifiers (WM_COMMAND) of the information, tree and search windows.
enum class ViewerCommand : std::uint16_t {
    None = 0,
    // Information window
    WindowList = 101,
    WindowPointer,
    CopyCell,
    CopyRow,
    CopyAll,
    // Tree window
    TreeSaveAs = 201,
    TreeClose,
    EnumerateDesktop,
    EnumerateTopLevel,
    EnumerateChildren,
    EnumerateThreads,
    EnumerateImmersive,
    EnumerateStoreApps,
    TreeWindowInfo,
    TreeWindowCapture,
    TreeCopyRow,
    TreeCopyAll,
    TreeCopyAddress,
    ExpandAll,
    ExpandSelected,
    SearchTree,
    SortAll,
    SortSelected,
    // Search window
    SearchClose = 301,
    SearchRun,
};

inline constexpr std::uint8_t kKeyControl = 0x1;
inline constexpr std::uint8_t kKeyShift = 0x2;
inline constexpr std::uint8_t kKeyAlt = 0x4;

struct AcceleratorKey {
    std::uint16_t virtualKey; // VK_* code
    std::uint8_t modifiers;   // kKey* bits
    ViewerCommand command;
};

// How the key is written behind a tab in a menu item: "Ctrl+S", "Shift+E", "F1", "Esc", "Return".
std::u16string acceleratorLabel(const AcceleratorKey& key);

// Information window: Window List (checked while the tree window is open), Window Pointer
// (checked while the pointer mode is on), separator, Copy Cell, Copy Row, Copy All.
MenuNode informationContextMenu(const StringTable& strings, bool treeWindowOpen, bool pointerModeOn);
std::vector<AcceleratorKey> informationAccelerators();

// Tree window: the menu bar (File, Enumerations, Tools submenus) and the right-click menu.
MenuNode treeMenuBar(const StringTable& strings);
MenuNode treeContextMenu(const StringTable& strings);
std::vector<AcceleratorKey> treeAccelerators();

// Search window: Esc closes it, Return searches.
std::vector<AcceleratorKey> searchAccelerators();

} // namespace zorbel
