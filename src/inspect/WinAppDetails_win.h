// Packaged ("store") applications: immersive processes, package identities and installation
// folders, the core-window child of a store app's frame window, the "WinApp Details" rows and the
// logo a packaged application's menu entry shows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ImageOps.h"
#include "inspect/LogoSearch.h"
#include "inspect/PackageIdentity.h"

namespace zorbel {

inline constexpr wchar_t kCoreWindowClassName[] = L"Windows.UI.Core.CoreWindow";

// IsImmersiveProcess for the window's process; false when the system cannot tell.
bool isImmersiveWindow(HWND window);
// True when the window's process has a package identity. Every test, successful or not, leaves
// what it read in lastPackageIdentity(): an empty identity when it read none.
bool hasPackageIdentity(HWND window);
const PackageIdentity& lastPackageIdentity();
// The folder the window's process's package is staged in, or empty.
std::u16string packagePath(HWND window);
// The window's first direct child of class "Windows.UI.Core.CoreWindow", or null.
HWND coreWindowOf(HWND window);

std::vector<std::u16string> winAppDetailsRows(HWND window);

// Lists folders with FindFirstFileW / FindNextFileW.
class Win32FolderLister final : public FolderLister {
public:
    std::optional<std::vector<FolderEntry>> list(const std::u16string& folder) override;
};

// The logo of a store app for its menu entry, taken from the folder of its core window's
// executable (or its package's folder): the smallest "altform" asset at or above iconWidth that
// loads, scaled to width x height, straight alpha, BGRA. Nothing when there is none.
std::optional<Image> findPackageLogoImage(HWND coreWindow, int iconWidth, int width, int height);
// The same search in a given folder (a path ending in "\").
std::optional<Image> findLogoImage(const std::u16string& folder, int iconWidth, int width, int height);

} // namespace zorbel
