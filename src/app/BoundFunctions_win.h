// Optional system functions, looked up by name once at start-up. An entry is null when the
// system does not export the function; every caller says what it does then.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/Version.h"

namespace zorbel {

struct BoundFunctions {
    // user32
    int(WINAPI* InternalGetWindowText)(HWND, LPWSTR, int) = nullptr;
    BOOL(WINAPI* GetWindowBand)(HWND, DWORD*) = nullptr;
    BOOL(WINAPI* GetPhysicalCursorPos)(POINT*) = nullptr;
    HWND(WINAPI* WindowFromPhysicalPoint)(POINT) = nullptr;
    BOOL(WINAPI* PrintWindow)(HWND, HDC, UINT) = nullptr;
    BOOL(WINAPI* GetLayeredWindowAttributes)(HWND, COLORREF*, BYTE*, DWORD*) = nullptr;
    BOOL(WINAPI* GetWindowDisplayAffinity)(HWND, DWORD*) = nullptr;
    BOOL(WINAPI* SetWindowDisplayAffinity)(HWND, DWORD) = nullptr;
    BOOL(WINAPI* IsImmersiveProcess)(HANDLE) = nullptr;
    BOOL(WINAPI* IsTouchWindow)(HWND, ULONG*) = nullptr;
    BOOL(WINAPI* IsHungAppWindow)(HWND) = nullptr;
    BOOL(WINAPI* EndTask)(HWND, BOOL, BOOL) = nullptr;
    BOOL(WINAPI* DeregisterShellHookWindow)(HWND) = nullptr;
    int(WINAPI* GetSystemMetricsForDpi)(int, UINT) = nullptr;
    DPI_AWARENESS_CONTEXT(WINAPI* GetThreadDpiAwarenessContext)() = nullptr;
    DPI_AWARENESS(WINAPI* GetAwarenessFromDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
    BOOL(WINAPI* IsValidDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
    DPI_HOSTING_BEHAVIOR(WINAPI* GetWindowDpiHostingBehavior)(HWND) = nullptr;
    UINT(WINAPI* GetDpiForSystem)() = nullptr;
    UINT(WINAPI* GetDpiForWindow)(HWND) = nullptr;
    DPI_AWARENESS_CONTEXT(WINAPI* GetWindowDpiAwarenessContext)(HWND) = nullptr;
    BOOL(WINAPI* SetProcessDpiAwarenessContext)(DPI_AWARENESS_CONTEXT) = nullptr;
    BOOL(WINAPI* AreDpiAwarenessContextsEqual)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT) = nullptr;
    BOOL(WINAPI* AdjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
    BOOL(WINAPI* ChangeWindowMessageFilterEx)(HWND, UINT, DWORD, CHANGEFILTERSTRUCT*) = nullptr;
    // ntdll
    LONG(WINAPI* RtlGetVersion)(OSVERSIONINFOW*) = nullptr;
    // advapi32
    BOOL(WINAPI* CheckTokenMembership)(HANDLE, PSID, BOOL*) = nullptr;
    BOOL(WINAPI* AllocateAndInitializeSid)(SID_IDENTIFIER_AUTHORITY*, BYTE, DWORD, DWORD, DWORD, DWORD, DWORD,
                                           DWORD, DWORD, DWORD, PSID*) = nullptr;
    PVOID(WINAPI* FreeSid)(PSID) = nullptr;
    // shcore
    HRESULT(WINAPI* GetDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
    HRESULT(WINAPI* SetProcessDpiAwareness)(int) = nullptr;
    // shell32
    HRESULT(WINAPI* SHGetKnownFolderPath)(const GUID&, DWORD, HANDLE, PWSTR*) = nullptr;
    // kernel32
    BOOL(WINAPI* QueryFullProcessImageNameW)(HANDLE, DWORD, LPWSTR, DWORD*) = nullptr;
    int(WINAPI* GetLocaleInfoEx)(LPCWSTR, LCTYPE, LPWSTR, int) = nullptr;
    HANDLE(WINAPI* PowerCreateRequest)(REASON_CONTEXT*) = nullptr;
    BOOL(WINAPI* PowerSetRequest)(HANDLE, POWER_REQUEST_TYPE) = nullptr;
    BOOL(WINAPI* PowerClearRequest)(HANDLE, POWER_REQUEST_TYPE) = nullptr;
    LONG(WINAPI* GetPackageId)(HANDLE, UINT32*, BYTE*) = nullptr;
    LONG(WINAPI* GetPackageFullName)(HANDLE, UINT32*, PWSTR) = nullptr;
    LONG(WINAPI* GetStagedPackagePathByFullName)(PCWSTR, UINT32*, PWSTR) = nullptr;
    // dwmapi
    HRESULT(WINAPI* DwmGetWindowAttribute)(HWND, DWORD, PVOID, DWORD) = nullptr;
    HRESULT(WINAPI* DwmSetWindowAttribute)(HWND, DWORD, LPCVOID, DWORD) = nullptr;
    HRESULT(WINAPI* DwmRegisterThumbnail)(HWND, HWND, void**) = nullptr;
    HRESULT(WINAPI* DwmQueryThumbnailSourceSize)(void*, SIZE*) = nullptr;
    HRESULT(WINAPI* DwmUpdateThumbnailProperties)(void*, const void*) = nullptr;
    HRESULT(WINAPI* DwmUnregisterThumbnail)(void*) = nullptr;
    HRESULT(WINAPI* DwmFlush)() = nullptr;
    // win32u
    LONG(WINAPI* NtUserBuildHwndList)(HDESK, HWND, BOOL, BOOL, DWORD, UINT, HWND*, UINT*) = nullptr;
};

// Loads the libraries (they stay loaded) and binds every function, in table order.
void bindFunctions();
const BoundFunctions& bound();

// True when the process runs under Wine (ntdll exports wine_get_version). Wine stubs a few
// facilities that Windows has, and the callers that depend on them ask this.
bool runningUnderWine();

// The system's real version (RtlGetVersion, which no compatibility shim changes); none when
// it cannot be read.
std::optional<OsVersion> readOsVersion();
// Windows 10 or later with at least this build; false when the version cannot be read.
bool isWindowsBuildAtLeast(std::uint32_t build);

// Builds that brought what some callers need.
inline constexpr std::uint32_t kRequiredWindowsBuild = 14393;    // Windows 10 1607, the oldest we run on
inline constexpr std::uint32_t kExcludeFromCaptureBuild = 19041; // Windows 10 2004
inline constexpr std::uint32_t kWindows11Build = 22000;
inline constexpr std::uint32_t kWindows11Version22H2Build = 22621;

} // namespace zorbel
