#include "inspect/ViewerUi_win.h"

#include <commctrl.h>

#include <cstring>

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "inspect/Notices_win.h"
#include "inspect/ReportText.h"

namespace zorbel {
namespace {

constexpr DWORD kUseImmersiveDarkMode = 20; // DWMWA_USE_IMMERSIVE_DARK_MODE

bool appendNodes(HMENU target, const MenuNode& node) {
    for (const MenuNode& child : node.children) {
        switch (child.kind) {
        case MenuNode::Kind::Separator:
            if (!AppendMenuW(target, MF_SEPARATOR, 0, nullptr)) return false;
            break;
        case MenuNode::Kind::Submenu: {
            UniqueMenu submenu(CreatePopupMenu());
            if (!submenu || !appendNodes(submenu.get(), child)) return false;
            if (!AppendMenuW(target, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.get()), wide(child.text)))
                return false;
            submenu.release(); // owned by target now
            break;
        }
        case MenuNode::Kind::Item: {
            const UINT flags = MF_STRING | (child.checked ? MF_CHECKED : MF_UNCHECKED) | (child.disabled ? MF_GRAYED : 0);
            if (!AppendMenuW(target, flags, child.identifier, wide(child.text))) return false;
            break;
        }
        }
    }
    return true;
}

} // namespace

UniqueMenu renderMenu(const MenuNode& root, bool menuBar) {
    UniqueMenu menu(menuBar ? CreateMenu() : CreatePopupMenu());
    if (!menu || !appendNodes(menu.get(), root)) return {};
    return menu;
}

UniqueAcceleratorTable createAcceleratorTable(const std::vector<AcceleratorKey>& keys) {
    std::vector<ACCEL> table;
    for (const AcceleratorKey& key : keys) {
        ACCEL accel{};
        accel.fVirt = FVIRTKEY;
        if (key.modifiers & kKeyControl) accel.fVirt |= FCONTROL;
        if (key.modifiers & kKeyShift) accel.fVirt |= FSHIFT;
        if (key.modifiers & kKeyAlt) accel.fVirt |= FALT;
        accel.key = key.virtualKey;
        accel.cmd = static_cast<WORD>(key.command);
        table.push_back(accel);
    }
    return UniqueAcceleratorTable(CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

void showPopupMenu(HWND owner, const MenuNode& menu) {
    const UniqueMenu popup = renderMenu(menu, false);
    if (!popup) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(popup.get(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
}

bool requestDarkTitleBar(HWND window) {
    const auto setAttribute = bound().DwmSetWindowAttribute;
    if (!setAttribute) return false;
    const BOOL on = TRUE;
    return setAttribute(window, kUseImmersiveDarkMode, &on, sizeof(on)) == S_OK;
}

void setControlFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

void copyToClipboard(HWND owner, const std::u16string& text) {
    if (const DWORD error = putTextOnClipboard(owner, text); error != ERROR_SUCCESS) viewerNotices().systemError(error);
}

std::u16string systemText(DWORD errorCode) { return trimLineEnd(core::systemErrorText(errorCode)); }

void ensureCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES;
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

std::u16string listCellText(HWND list, int row, int column) {
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (row < 0 || row >= rows || column < 0) return {};
    // LVM_GETITEMTEXTW copies at most cchTextMax - 1 characters: grow until the text fits, up to
    // a size no cell reaches.
    constexpr int kFirstCapacity = 512;
    constexpr int kLargestCapacity = 1 << 20;
    for (int capacity = kFirstCapacity;; capacity *= 4) {
        std::vector<wchar_t> buffer(static_cast<std::size_t>(capacity));
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = capacity;
        const int length = static_cast<int>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                                         reinterpret_cast<LPARAM>(&item)));
        if (length < capacity - 1 || capacity >= kLargestCapacity) return fromWide(item.pszText, static_cast<std::size_t>(length));
    }
}

} // namespace zorbel
