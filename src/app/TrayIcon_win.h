// The notification-area icon, its tooltip, and the menu images it shares a DPI with.
#pragma once

#include <windows.h>

#include <string>

namespace zorbel {

struct SmallIconMetrics {
    int dpi = 0; // the DPI of the last load, 0 before the first
    int width = 0;
    int height = 0;
};
const SmallIconMetrics& smallIconMetrics();

// Loads the menu images for the system DPI and re-creates the tray icon with them. Returns
// false when the DPI is the one already loaded (nothing changed).
bool reloadMenuIconsIfDpiChanged();
// Removes the icon if it is there and adds it again; when it cannot be added the user is told
// (message 4) and the program ends.
void recreateTrayIcon();
void refreshTrayTooltip();
// The tooltip text last given to the icon (empty before the first mouse move over it).
const std::u16string& trayTooltip();
void removeTrayIcon();

} // namespace zorbel
