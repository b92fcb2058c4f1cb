#include "app/WindowIcons_win.h"

#include <shellapi.h>

#include "app/BoundFunctions_win.h"
#include "app/MenuIcons_win.h"
#include "inspect/WinAppDetails_win.h"

namespace zorbel {
namespace {

constexpr UINT kIconQueryTimeoutMs = 100;
constexpr UINT kGetImage = 0x173;       // STM_GETIMAGE
constexpr UINT kGetStaticIcon = 0x171;  // STM_GETICON

// Icon queries go to windows of other programs: a window that stops answering must not hang the
// menu, so each query is bounded like the responsiveness test.
HICON queryIcon(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kIconQueryTimeoutMs, &result))
        return nullptr;
    return reinterpret_cast<HICON>(result);
}

HICON windowOwnIcon(HWND window) {
    if (HICON icon = queryIcon(window, WM_GETICON, ICON_SMALL2)) return icon;
    if (HICON icon = queryIcon(window, WM_GETICON, ICON_BIG)) return icon;
    if (HICON icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM))) return icon;
    if (HICON icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON))) return icon;
    if (HICON icon = queryIcon(window, kGetStaticIcon, 0)) return icon;
    if (HICON icon = queryIcon(window, kGetImage, IMAGE_ICON)) return icon;
    return queryIcon(window, WM_QUERYDRAGICON, 0);
}

UniqueIcon executableSmallIcon(const std::u16string& path) {
    if (path.empty()) return {};
    HICON small = nullptr;
    if (ExtractIconExW(wide(path), 0, nullptr, &small, 1) == 0 || !small) return {};
    return UniqueIcon(small);
}

bool isImmersive(HWND window) {
    const auto isImmersiveProcess = bound().IsImmersiveProcess;
    if (!isImmersiveProcess) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return process && isImmersiveProcess(process.get());
}

std::unique_ptr<Win32WindowIcons> iconsFromImage(const std::optional<Image>& drawn) {
    if (!drawn) return nullptr;
    auto icons = std::make_unique<Win32WindowIcons>();
    for (int level = 0; level < kWindowIconLevels; ++level)
        icons->images[static_cast<std::size_t>(level)] =
            makeIconImage(*drawn, static_cast<std::uint8_t>(255 - 25 * level));
    if (!icons->images[0]) return nullptr;
    return icons;
}

std::unique_ptr<Win32WindowIcons> iconsFrom(HICON icon, int width, int height) {
    // Drawn once; the paler copies only scale the alpha of those pixels.
    return iconsFromImage(drawIconImage(icon, width, height));
}

} // namespace

std::u16string windowProcessImagePath(HWND window) {
    const auto queryImageName = bound().QueryFullProcessImageNameW;
    if (!queryImageName) return {};
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    wchar_t buffer[MAX_PATH]{};
    DWORD length = MAX_PATH;
    if (!queryImageName(process.get(), 0, buffer, &length)) return {};
    return fromWide(buffer, length);
}

std::unique_ptr<Win32WindowIcons> makeWindowIcons(HWND window, HWND coreWindow, int width, int height) {
    if (coreWindow && isImmersive(window)) {
        if (UniqueIcon icon = executableSmallIcon(windowProcessImagePath(coreWindow)))
            if (auto icons = iconsFrom(icon.get(), width, height)) return icons;
        // Packaged executables rarely carry an icon; their folder holds the logo assets.
        if (auto icons = iconsFromImage(findPackageLogoImage(coreWindow, width, width, height))) return icons;
    }
    if (HICON own = windowOwnIcon(window)) {
        UniqueIcon copy(static_cast<HICON>(CopyImage(own, IMAGE_ICON, width, height, 0)));
        if (auto icons = iconsFrom(copy ? copy.get() : own, width, height)) return icons;
    }
    if (UniqueIcon icon = executableSmallIcon(windowProcessImagePath(window)))
        if (auto icons = iconsFrom(icon.get(), width, height)) return icons;
    // Shared: the system owns it, so it is never destroyed here.
    HICON application = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
    return application ? iconsFrom(application, width, height) : nullptr;
}

} // namespace zorbel
