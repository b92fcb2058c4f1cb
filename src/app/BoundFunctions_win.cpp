#include "app/BoundFunctions_win.h"

namespace zorbel {
namespace {

BoundFunctions functions;

template <typename Function>
void bindFunction(HMODULE module, Function& entry, const char* name) {
    if (!module) return;
    // The table's entries carry the exact signatures; GetProcAddress hands out a generic one.
    entry = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

void bindFunctions() {
    // Loaded in this order and never freed: the bound addresses must stay valid to the end.
    HMODULE user32 = LoadLibraryW(L"user32.dll");
    HMODULE ntdll = LoadLibraryW(L"ntdll.dll");
    HMODULE kernel32 = LoadLibraryW(L"kernel32.dll");
    HMODULE dwmapi = LoadLibraryW(L"dwmapi.dll");
    HMODULE advapi32 = LoadLibraryW(L"advapi32.dll");
    HMODULE shcore = LoadLibraryW(L"shcore.dll");
    HMODULE shell32 = LoadLibraryW(L"shell32.dll");
    HMODULE win32u = LoadLibraryW(L"win32u.dll");

#define ZORBEL_BIND(module, name) bindFunction(module, functions.name, #name)
    ZORBEL_BIND(user32, InternalGetWindowText);
    ZORBEL_BIND(user32, GetWindowBand);
    ZORBEL_BIND(user32, GetPhysicalCursorPos);
    ZORBEL_BIND(user32, WindowFromPhysicalPoint);
    ZORBEL_BIND(user32, PrintWindow);
    ZORBEL_BIND(user32, GetLayeredWindowAttributes);
    ZORBEL_BIND(user32, GetWindowDisplayAffinity);
    ZORBEL_BIND(user32, SetWindowDisplayAffinity);
    ZORBEL_BIND(user32, IsImmersiveProcess);
    ZORBEL_BIND(user32, IsTouchWindow);
    ZORBEL_BIND(user32, IsHungAppWindow);
    ZORBEL_BIND(user32, EndTask);
    ZORBEL_BIND(user32, DeregisterShellHookWindow);
    ZORBEL_BIND(user32, GetSystemMetricsForDpi);
    ZORBEL_BIND(user32, GetThreadDpiAwarenessContext);
    ZORBEL_BIND(user32, GetAwarenessFromDpiAwarenessContext);
    ZORBEL_BIND(user32, IsValidDpiAwarenessContext);
    ZORBEL_BIND(user32, GetWindowDpiHostingBehavior);
    ZORBEL_BIND(user32, GetDpiForSystem);
    ZORBEL_BIND(user32, GetDpiForWindow);
    ZORBEL_BIND(user32, GetWindowDpiAwarenessContext);
    ZORBEL_BIND(user32, SetProcessDpiAwarenessContext);
    ZORBEL_BIND(user32, AreDpiAwarenessContextsEqual);
    ZORBEL_BIND(user32, AdjustWindowRectExForDpi);
    ZORBEL_BIND(user32, ChangeWindowMessageFilterEx);
    ZORBEL_BIND(ntdll, RtlGetVersion);
    ZORBEL_BIND(advapi32, CheckTokenMembership);
    ZORBEL_BIND(advapi32, AllocateAndInitializeSid);
    ZORBEL_BIND(advapi32, FreeSid);
    ZORBEL_BIND(shcore, GetDpiForMonitor);
    ZORBEL_BIND(shcore, SetProcessDpiAwareness);
    ZORBEL_BIND(shell32, SHGetKnownFolderPath);
    ZORBEL_BIND(kernel32, QueryFullProcessImageNameW);
    ZORBEL_BIND(kernel32, GetLocaleInfoEx);
    ZORBEL_BIND(kernel32, PowerCreateRequest);
    ZORBEL_BIND(kernel32, PowerSetRequest);
    ZORBEL_BIND(kernel32, PowerClearRequest);
    ZORBEL_BIND(kernel32, GetPackageId);
    ZORBEL_BIND(kernel32, GetPackageFullName);
    ZORBEL_BIND(kernel32, GetStagedPackagePathByFullName);
    ZORBEL_BIND(dwmapi, DwmGetWindowAttribute);
    ZORBEL_BIND(dwmapi, DwmSetWindowAttribute);
    ZORBEL_BIND(dwmapi, DwmRegisterThumbnail);
    ZORBEL_BIND(dwmapi, DwmQueryThumbnailSourceSize);
    ZORBEL_BIND(dwmapi, DwmUpdateThumbnailProperties);
    ZORBEL_BIND(dwmapi, DwmUnregisterThumbnail);
    ZORBEL_BIND(dwmapi, DwmFlush);
    ZORBEL_BIND(win32u, NtUserBuildHwndList);
#undef ZORBEL_BIND
}

const BoundFunctions& bound() { return functions; }

bool runningUnderWine() {
    static const bool underWine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}

std::optional<OsVersion> readOsVersion() {
    const auto rtlGetVersion = bound().RtlGetVersion;
    if (!rtlGetVersion) return std::nullopt;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion(&info) != 0) return std::nullopt;
    return OsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

bool isWindowsBuildAtLeast(std::uint32_t build) {
    return versionGate(readOsVersion(), kWindows10Major, 0, build) == 1;
}

} // namespace zorbel
