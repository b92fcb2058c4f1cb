#include "app/WindowIcons_win.h"

#include <shellapi.h>

#include "app/BoundFunctions_win.h"
#include "app/MenuIcons_win.h"
#include "app/WindowQueries_win.h"
#include "inspect/WinAppDetails_win.h"

namespace zorbel {
namespace {

constexpr UINT kGetImage = 0x173;       // STM_GETIMAGE
constexpr UINT kGetStaticIcon = 0x171;  // STM_GETICON

// Where a window's own icon is looked for, in this order; a class icon needs no message.
struct IconSource {
    enum class Kind { Message, ClassIcon };
    Kind kind;
    UINT message; // Message
    WPARAM wParam;
    int classIndex; // ClassIcon
};

constexpr IconSource kOwnIconSources[] = {
    {IconSource::Kind::Message, WM_GETICON, ICON_SMALL2, 0},
    {IconSource::Kind::Message, WM_GETICON, ICON_BIG, 0},
    {IconSource::Kind::ClassIcon, 0, 0, GCLP_HICONSM},
    {IconSource::Kind::ClassIcon, 0, 0, GCLP_HICON},
    {IconSource::Kind::Message, kGetStaticIcon, 0, 0},
    {IconSource::Kind::Message, kGetImage, IMAGE_ICON, 0},
    {IconSource::Kind::Message, WM_QUERYDRAGICON, 0, 0},
};

// The own icons of windows (null where none was found). Icon queries go to windows of other
// programs: each kind is asked of all windows still without an icon at once, and bounded like
// the responsiveness test, so a slow or stuck window cannot hold the menu up.
std::vector<HICON> ownIcons(const std::vector<HWND>& windows) {
    std::vector<HICON> icons(windows.size(), nullptr);
    for (const IconSource& source : kOwnIconSources) {
        std::vector<std::size_t> missing;
        for (std::size_t i = 0; i < windows.size(); ++i)
            if (!icons[i]) missing.push_back(i);
        if (missing.empty()) break;
        if (source.kind == IconSource::Kind::ClassIcon) {
            for (std::size_t i : missing)
                icons[i] = reinterpret_cast<HICON>(GetClassLongPtrW(windows[i], source.classIndex));
            continue;
        }
        std::vector<HWND> asked;
        asked.reserve(missing.size());
        for (std::size_t i : missing) asked.push_back(windows[i]);
        const std::vector<std::optional<LRESULT>> answers = askWindows(asked, source.message, source.wParam, 0);
        for (std::size_t k = 0; k < missing.size(); ++k)
            if (answers[k]) icons[missing[k]] = reinterpret_cast<HICON>(*answers[k]);
    }
    return icons;
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

std::vector<std::unique_ptr<Win32WindowIcons>> makeWindowIcons(const std::vector<WindowIconRequest>& requests,
                                                               int width, int height) {
    std::vector<std::unique_ptr<Win32WindowIcons>> made(requests.size());
    // A store app's frame shows its program's icon; that needs no question to the window.
    std::vector<std::size_t> asking;
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const WindowIconRequest& request = requests[i];
        if (request.coreWindow && isImmersive(request.window)) {
            if (UniqueIcon icon = executableSmallIcon(windowProcessImagePath(request.coreWindow)))
                made[i] = iconsFrom(icon.get(), width, height);
            // Packaged executables rarely carry an icon; their folder holds the logo assets.
            if (!made[i]) made[i] = iconsFromImage(findPackageLogoImage(request.coreWindow, width, width, height));
        }
        if (!made[i]) asking.push_back(i);
    }

    std::vector<HWND> windows;
    windows.reserve(asking.size());
    for (std::size_t i : asking) windows.push_back(requests[i].window);
    const std::vector<HICON> own = ownIcons(windows);

    for (std::size_t k = 0; k < asking.size(); ++k) {
        HWND window = windows[k];
        std::unique_ptr<Win32WindowIcons>& icons = made[asking[k]];
        if (HICON icon = own[k]) {
            UniqueIcon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0)));
            icons = iconsFrom(copy ? copy.get() : icon, width, height);
        }
        if (!icons) {
            if (UniqueIcon icon = executableSmallIcon(windowProcessImagePath(window)))
                icons = iconsFrom(icon.get(), width, height);
        }
        if (!icons) {
            // Shared: the system owns it, so it is never destroyed here.
            HICON application =
                static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
            if (application) icons = iconsFrom(application, width, height);
        }
    }
    return made;
}

} // namespace zorbel
