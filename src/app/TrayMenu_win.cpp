#include "app/TrayMenu_win.h"

#include <optional>
#include <utility>
#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/Handles_win.h"
#include "app/MenuIcons_win.h"
#include "app/MenuModel.h"
#include "app/Process_win.h"
#include "app/TrayIcon_win.h"
#include "app/WindowEligibility.h"
#include "app/WindowIcons_win.h"
#include "app/WindowQueries_win.h"
#include "power/PowerRequests_win.h"
#include "settings/StringTable.h"
#include "windows/WheelTransparency_win.h"
#include "windows/WindowMonitor_win.h"

namespace zorbel {
namespace {

constexpr DWORD kCloakedAttribute = 14; // DWMWA_CLOAKED

UniqueMenu menu;
CommandTable commandTable;
bool rebuildRequested = false;
bool rebuildEveryTick = false;
bool menuShown = false;
bool rebuilding = false;
int rebuildHolds = 0;
int windowCount = 0;
int topMostCount = 0;

WindowFacts gatherFacts(HWND hwnd) {
    WindowFacts facts;
    facts.visible = IsWindowVisible(hwnd) != FALSE;
    facts.iconic = IsIconic(hwnd) != FALSE;
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    facts.infoOk = GetWindowInfo(hwnd, &info) != FALSE;
    if (facts.infoOk) {
        facts.style = info.dwStyle;
        facts.exStyle = info.dwExStyle;
        facts.rectEmpty = IsRectEmpty(&info.rcWindow) != FALSE;
    }
    facts.hasOwner = GetWindow(hwnd, GW_OWNER) != nullptr;
    if (const auto getAttribute = bound().DwmGetWindowAttribute) {
        DWORD cloaked = 0;
        if (SUCCEEDED(getAttribute(hwnd, kCloakedAttribute, &cloaked, sizeof(cloaked)))) facts.cloaked = cloaked;
    }
    if (const auto getBand = bound().GetWindowBand) {
        DWORD band = 0;
        if (getBand(hwnd, &band)) facts.band = band;
    }
    return facts;
}

std::u16string readTitle(HWND hwnd) {
    wchar_t buffer[kMaxTitleUnits + 1]{};
    int length = 0;
    // InternalGetWindowText never sends a message, so a busy window cannot stall the rebuild.
    if (const auto internalGetWindowText = bound().InternalGetWindowText)
        length = internalGetWindowText(hwnd, buffer, static_cast<int>(kMaxTitleUnits + 1));
    return windowMenuTitle(length > 0 ? fromWide(buffer, static_cast<std::size_t>(length)) : std::u16string());
}

struct Candidate {
    HWND hwnd;
    WindowFacts facts;
};

// The windows that pass every listing rule but the last, in list order.
std::vector<Candidate> candidateWindows(const std::vector<HWND>& windows) {
    std::vector<Candidate> candidates;
    for (HWND hwnd : windows) {
        if (!hwnd) continue;
        WindowFacts facts = gatherFacts(hwnd);
        if (isListableWindow(facts)) candidates.push_back({hwnd, facts});
    }
    return candidates;
}

// The last rule: the window answers WM_NULL within the time-out. All candidates are asked at once,
// so the rebuild waits one time-out at most however many windows are slow.
std::vector<Candidate> answeringWindows(const std::vector<Candidate>& candidates) {
    std::vector<HWND> handles;
    handles.reserve(candidates.size());
    for (const Candidate& candidate : candidates) handles.push_back(candidate.hwnd);
    const std::vector<std::optional<LRESULT>> answers = askWindows(handles, WM_NULL, 0, 0);
    std::vector<Candidate> answering;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (answers[i]) answering.push_back(candidates[i]);
    return answering;
}

// Lists the windows; returns the header entries whose icons must be made (new windows, changed
// titles, and windows whose images could not be made last time).
std::vector<std::pair<std::size_t, WindowIconRequest>> listWindows(TrayMenuBuilder& builder, MonitorPass& monitor,
                                                                   const std::vector<Candidate>& windows) {
    std::vector<std::pair<std::size_t, WindowIconRequest>> needIcons;
    for (const Candidate& candidate : windows) {
        HWND hwnd = candidate.hwnd;
        HWND coreChild = FindWindowExW(hwnd, nullptr, L"Windows.UI.Core.CoreWindow", nullptr);
        const MonitorPass::Result monitored =
            monitor.repin(hwnd, candidate.facts.style, candidate.facts.exStyle, coreChild);
        const std::size_t header =
            builder.beginWindow(reinterpret_cast<std::uintptr_t>(hwnd), reinterpret_cast<std::uintptr_t>(coreChild));
        const bool changed = builder.updateTitle(readTitle(hwnd));
        if (const MenuEntry* entry = builder.currentHeader(); changed || !entry->icons)
            needIcons.push_back({header, {hwnd, reinterpret_cast<HWND>(entry->coreWindow)}});
        const bool topMost = (candidate.facts.exStyle & WS_EX_TOPMOST) != 0 || monitored.pinned;
        builder.endWindow(topMost, monitored.monitored);
    }
    return needIcons;
}

// The items refer to their window's images through its header entry, so the images can be made
// after all windows are listed, for all of them together.
void makeIcons(const std::vector<std::pair<std::size_t, WindowIconRequest>>& needIcons) {
    if (needIcons.empty()) return;
    std::vector<WindowIconRequest> requests;
    requests.reserve(needIcons.size());
    for (const auto& need : needIcons) requests.push_back(need.second);
    const SmallIconMetrics& metrics = smallIconMetrics();
    std::vector<std::unique_ptr<Win32WindowIcons>> icons = makeWindowIcons(requests, metrics.width, metrics.height);
    for (std::size_t i = 0; i < needIcons.size(); ++i)
        if (MenuEntry* header = commandTable.find(needIcons[i].first)) header->icons = std::move(icons[i]);
}

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM parameter) noexcept {
    try {
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(hwnd);
    } catch (...) {
        return FALSE; // no memory for more: the windows so far are listed
    }
    return TRUE;
}

// Every top-level window in Z-order; empty when the list cannot be had.
std::vector<HWND> topLevelWindows() {
    std::vector<HWND> windows;
    if (const auto buildList = bound().NtUserBuildHwndList) {
        // The first call fails with "buffer too small" and reports the count. Windows made between
        // two calls make the next one fail the same way: ask again, with room to spare, a few
        // times before falling back to the enumeration.
        constexpr int kAttempts = 4;
        constexpr std::size_t kSpare = 16;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            UINT count = 0;
            if (buildList(nullptr, nullptr, TRUE, FALSE, 0, static_cast<UINT>(windows.size()),
                          windows.empty() ? nullptr : windows.data(), &count) == 0) {
                windows.resize(count < windows.size() ? count : windows.size());
                return windows;
            }
            windows.assign(static_cast<std::size_t>(count) + kSpare, nullptr);
        }
        windows.clear();
    }
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<DisplayDevice> displayDevices() {
    std::vector<DisplayDevice> devices;
    DISPLAY_DEVICEW device{};
    device.cb = sizeof(device);
    for (DWORD index = 0; EnumDisplayDevicesW(nullptr, index, &device, 0); ++index) {
        devices.push_back({fromWide(device.DeviceName), fromWide(device.DeviceString), device.StateFlags});
        device = DISPLAY_DEVICEW{};
        device.cb = sizeof(device);
    }
    return devices;
}

HBITMAP iconBitmap(const MenuIcon& icon) {
    switch (icon.kind) {
    case MenuIcon::Kind::Slot:
        return menuIcon(icon.slot);
    case MenuIcon::Kind::WindowIcon: {
        const MenuEntry* header = commandTable.find(icon.headerIndex);
        const auto* icons = header ? dynamic_cast<const Win32WindowIcons*>(header->icons.get()) : nullptr;
        if (!icons || icon.iconIndex < 0 || icon.iconIndex >= kWindowIconLevels) return nullptr;
        return icons->images[static_cast<std::size_t>(icon.iconIndex)].get();
    }
    case MenuIcon::Kind::None:
        break;
    }
    return nullptr;
}

bool render(HMENU target, const MenuNode& node) {
    for (const MenuNode& child : node.children) {
        switch (child.kind) {
        case MenuNode::Kind::Separator:
            if (!AppendMenuW(target, MF_SEPARATOR, 0, nullptr)) return false;
            continue;
        case MenuNode::Kind::Submenu: {
            UniqueMenu submenu(CreatePopupMenu());
            if (!submenu || !render(submenu.get(), child)) return false;
            if (!AppendMenuW(target, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.get()), wide(child.text)))
                return false;
            submenu.release(); // now owned by target
            break;
        }
        case MenuNode::Kind::Item:
            if (!AppendMenuW(target, MF_STRING, child.identifier, wide(child.text))) return false;
            if (child.radioBullet) {
                const UINT id = static_cast<UINT>(child.identifier);
                CheckMenuRadioItem(target, id, id, id, MF_BYCOMMAND);
            } else if (child.checked) {
                CheckMenuItem(target, static_cast<UINT>(child.identifier), MF_BYCOMMAND | MF_CHECKED);
            }
            if (child.disabled) EnableMenuItem(target, static_cast<UINT>(child.identifier), MF_BYCOMMAND | MF_DISABLED);
            break;
        }
        // By position: a submenu's handle does not fit a 16-bit command identifier.
        if (HBITMAP bitmap = iconBitmap(child.icon))
            SetMenuItemBitmaps(target, static_cast<UINT>(GetMenuItemCount(target) - 1), MF_BYPOSITION, bitmap, nullptr);
    }
    return true;
}

} // namespace

void requestMenuRebuild() { rebuildRequested = true; }
bool menuRebuildRequested() { return rebuildRequested; }
void setRebuildOnEveryTick(bool everyTick) { rebuildEveryTick = everyTick; }
void holdMenuRebuild() { ++rebuildHolds; }
void releaseMenuRebuild() {
    if (rebuildHolds > 0) --rebuildHolds;
}
bool isMenuRebuildHeld() { return rebuildHolds > 0; }

void CALLBACK trayMenuTimerProc(HWND, UINT, UINT_PTR, DWORD) noexcept {
    // The open menu's identifiers index the table: never rebuild under it, nor while a command's
    // dialogue holds the table. Nor inside a rebuild, should one of the windows it asks get this
    // tick dispatched.
    if (menuShown || rebuildHolds > 0 || rebuilding) return;
    rebuilding = true;
    try {
        if (rebuildRequested || rebuildEveryTick) {
            rebuildTrayMenu();
            rebuildRequested = false;
        }
    } catch (...) {
        // A failed allocation: the request stays, and the next tick tries again.
    }
    rebuilding = false;
}

void rebuildTrayMenu() {
    UniqueMenu fresh(CreatePopupMenu());
    if (!fresh) return;
    reloadMenuIconsIfDpiChanged();

    TrayMenuBuilder builder(commandTable, strings());
    builder.begin();
    MonitorPass monitor;
    const std::vector<Candidate> listed = answeringWindows(candidateWindows(topLevelWindows()));
    makeIcons(listWindows(builder, monitor, listed));

    ToolsFacts tools;
    tools.transparencyHookInstalled = wheelTransparencyOn();
    tools.displayDevices = displayDevices();
    tools.offerRunAtStartUp = !runsFromStartupFolder();
    tools.offerRunAsAdministrator = !isProcessElevated();
    tools.displayRequestHeld = powerRequestHeld(PowerRequestType::Display);
    tools.systemRequestHeld = powerRequestHeld(PowerRequestType::System);
    tools.awayModeRequestHeld = powerRequestHeld(PowerRequestType::AwayMode);
    builder.finish(tools);

    // A half-built menu is never shown: its identifiers would not match the table.
    if (!render(fresh.get(), builder.menu())) {
        menu.reset();
        return;
    }
    menu = std::move(fresh);
    windowCount = builder.windowCount();
    topMostCount = builder.topMostCount();
}

void showTrayMenu() {
    // The open menu's modal loop dispatches queued tray callbacks: a second menu inside the first
    // would clear the flag on its return while the first is still up.
    if (!menu || rebuilding || menuShown) return;
    menuShown = true;
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(coreWindow());
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, cursor.x - 1, cursor.y - 1, 0, coreWindow(), nullptr);
    menuShown = false;
}

HMENU trayMenu() { return menu.get(); }
CommandTable& trayCommandTable() { return commandTable; }
int listedWindowCount() { return windowCount; }
int listedTopMostCount() { return topMostCount; }
bool isTrayMenuShown() { return menuShown; }
bool isTrayMenuRebuilding() { return rebuilding; }

void destroyTrayMenu() {
    menu.reset();
    commandTable.truncate(0);
}

} // namespace zorbel
