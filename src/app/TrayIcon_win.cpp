#include "app/TrayIcon_win.h"

#include <shellapi.h>

#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/Handles_win.h"
#include "app/MenuIcons_win.h"
#include "app/Notifications.h"
#include "app/Notifications_win.h"
#include "app/Process_win.h"
#include "app/TrayMenu_win.h"

namespace zorbel {
namespace {

constexpr int kTrayIconSlot = 7;

SmallIconMetrics metrics;
UniqueIcon trayIcon;
bool trayIconAdded = false;
std::u16string tooltip;

NOTIFYICONDATAW baseIconData() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = coreWindow();
    data.uID = 0;
    return data;
}

UINT systemDpi() {
    if (const auto getDpiForSystem = bound().GetDpiForSystem) return getDpiForSystem();
    WindowDc screen(nullptr);
    return screen ? static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY)) : 96u;
}

int smallIconMetric(int index, UINT dpi) {
    if (const auto getSystemMetricsForDpi = bound().GetSystemMetricsForDpi) return getSystemMetricsForDpi(index, dpi);
    return GetSystemMetrics(index);
}

} // namespace

const SmallIconMetrics& smallIconMetrics() { return metrics; }

bool reloadMenuIconsIfDpiChanged() {
    const int dpi = static_cast<int>(systemDpi());
    if (dpi == metrics.dpi) return false;
    metrics.width = smallIconMetric(SM_CXSMICON, static_cast<UINT>(dpi));
    metrics.height = smallIconMetric(SM_CYSMICON, static_cast<UINT>(dpi));
    metrics.dpi = dpi;
    loadMenuIcons(GetModuleHandleW(nullptr), metrics.width, metrics.height);
    recreateTrayIcon();
    return true;
}

void recreateTrayIcon() {
    if (trayIconAdded) {
        NOTIFYICONDATAW data = baseIconData();
        Shell_NotifyIconW(NIM_DELETE, &data);
        trayIconAdded = false;
    }
    trayIcon = makeIconFromSlot(kTrayIconSlot, metrics.width, metrics.height);
    NOTIFYICONDATAW data = baseIconData();
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = trayIcon.get();
    if (!Shell_NotifyIconW(NIM_ADD, &data)) {
        MessageBoxByCode(4);
        exitRoutine();
    }
    trayIconAdded = true;
}

void refreshTrayTooltip() {
    if (!trayIconAdded) return;
    NOTIFYICONDATAW data = baseIconData();
    data.uFlags = NIF_TIP;
    const std::u16string tip = trayTooltipText(listedWindowCount(), listedTopMostCount());
    const std::size_t length = tip.size() < kTrayTooltipLength ? tip.size() : kTrayTooltipLength;
    tip.copy(reinterpret_cast<char16_t*>(data.szTip), length);
    data.szTip[length] = L'\0';
    if (Shell_NotifyIconW(NIM_MODIFY, &data)) tooltip = tip;
}

const std::u16string& trayTooltip() { return tooltip; }

void removeTrayIcon() {
    if (trayIconAdded) {
        NOTIFYICONDATAW data = baseIconData();
        Shell_NotifyIconW(NIM_DELETE, &data);
        trayIconAdded = false;
    }
    trayIcon.reset();
}

} // namespace zorbel
