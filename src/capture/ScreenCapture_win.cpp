#include "capture/ScreenCapture_win.h"

#include <dwmapi.h>

#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "capture/CaptureGeometry.h"
#include "capture/CaptureHandles_win.h"
#include "capture/ImageOutput_win.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

constexpr wchar_t kThumbnailHostClass[] = L"Zorbel!_Capture_Host";
// DWM_TNP_RECTDESTINATION | DWM_TNP_OPACITY | DWM_TNP_VISIBLE | DWM_TNP_SOURCECLIENTAREAONLY and
// the bit 0x00100000.
constexpr DWORD kThumbnailPropertyFlags = 0x0010001D;
constexpr UINT kHostSizeFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE;
constexpr DWORD kExtendedFrameBounds = 9; // DWMWA_EXTENDED_FRAME_BOUNDS
constexpr int kEffectiveDpi = 0;          // MDT_EFFECTIVE_DPI
// The warning code without a text of its own: the balloon shows "Unknown error code!".
constexpr int kWindowCaptureFailedBalloon = 2;
constexpr DWORD kDesktopForegroundPauseMs = 1000;
constexpr DWORD kDisplayPauseMs = 500;

BITMAPINFO topDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows top-down, as Image keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// An image of width x height with its pixel bytes allocated; invalid (empty) when there is not
// enough memory.
Image allocateImage(int width, int height) {
    Image image;
    try {
        image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kImageChannels);
        image.width = width;
        image.height = height;
    } catch (const std::bad_alloc&) {
        image.pixels.clear();
    }
    return image;
}

// Asks a window to draw itself into a new image of width x height.
std::optional<Image> printWindowImage(HWND source, int width, int height) {
    const auto printWindow = bound().PrintWindow;
    if (!printWindow || width <= 0 || height <= 0) return std::nullopt;
    const WindowDc screen(nullptr);
    if (!screen) return std::nullopt;
    BITMAPINFO info = topDown32BitInfo(width, height);
    void* bits = nullptr;
    const UniqueBitmap dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!dib || !bits || !dc) return std::nullopt;
    BOOL printed = FALSE;
    {
        const ScopedSelect selected(dc.get(), dib.get());
        printed = printWindow(source, dc.get(), PW_RENDERFULLCONTENT);
    }
    if (!printed) return std::nullopt;
    GdiFlush(); // drawing into a DIB section may still be queued
    Image image = allocateImage(width, height);
    if (image.pixels.empty()) return std::nullopt;
    std::memcpy(image.pixels.data(), bits, image.pixels.size());
    return image;
}

bool registerHostClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kThumbnailHostClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

UniqueWindow createThumbnailHost(CapturePoint at) {
    if (!registerHostClass()) return UniqueWindow();
    // Shown (a thumbnail is composed only into a visible window) but outside every monitor, never
    // activated and never on the taskbar.
    return UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kThumbnailHostClass, kThumbnailHostTitle,
                                        WS_POPUP | WS_VISIBLE, at.x, at.y, 0, 0, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
}

int monitorDpiOf(HWND window) {
    const auto getDpiForMonitor = bound().GetDpiForMonitor;
    if (!getDpiForMonitor) return 0;
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &dpiX, &dpiY) != S_OK)
        return 0;
    return static_cast<int>(dpiX);
}

// The window as the DWM composes it, drawn into the host through a thumbnail and printed from
// there. failure receives the HRESULT of a DWM call that failed.
std::optional<Image> renderThroughThumbnail(HWND host, HWND window, CapturePoint at, HRESULT& failure) {
    const BoundFunctions& f = bound();
    if (!f.DwmRegisterThumbnail || !f.DwmQueryThumbnailSourceSize || !f.DwmUpdateThumbnailProperties ||
        !f.DwmUnregisterThumbnail)
        return std::nullopt;
    void* registered = nullptr;
    HRESULT result = f.DwmRegisterThumbnail(host, window, &registered);
    if (FAILED(result)) {
        failure = result;
        return std::nullopt;
    }
    const UniqueDwmThumbnail thumbnail(registered); // unregistered before the host closes

    SIZE source{};
    result = f.DwmQueryThumbnailSourceSize(thumbnail.get(), &source);
    if (result != S_OK) {
        if (FAILED(result)) failure = result;
        return std::nullopt;
    }
    const int windowDpi = f.GetDpiForWindow ? static_cast<int>(f.GetDpiForWindow(window)) : 0;
    const auto size = thumbnailSizeAtWindowDpi({source.cx, source.cy}, windowDpi, monitorDpiOf(window));
    if (!size) return std::nullopt;
    SetWindowPos(host, nullptr, at.x, at.y, size->width, size->height, kHostSizeFlags);

    DWM_THUMBNAIL_PROPERTIES properties{};
    properties.dwFlags = kThumbnailPropertyFlags;
    properties.rcDestination = RECT{0, 0, size->width, size->height};
    properties.opacity = 255;
    properties.fVisible = TRUE;
    properties.fSourceClientAreaOnly = FALSE; // the whole window, frame included
    result = f.DwmUpdateThumbnailProperties(thumbnail.get(), &properties);
    if (result != S_OK) {
        if (FAILED(result)) failure = result;
        return std::nullopt;
    }
    return printWindowImage(host, size->width, size->height);
}

CaptureRect toCaptureRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

CaptureRect virtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

struct DisplaySearch {
    const std::u16string* deviceName;
    std::vector<RECT> matches;
};

BOOL CALLBACK collectMatchingMonitor(HMONITOR monitor, HDC, LPRECT rect, LPARAM parameter) noexcept {
    auto* search = reinterpret_cast<DisplaySearch*>(parameter);
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    if (rect && GetMonitorInfoW(monitor, &info) &&
        std::u16string_view(reinterpret_cast<const char16_t*>(info.szDevice)) == *search->deviceName) {
        try {
            search->matches.push_back(*rect);
        } catch (...) {
            // No memory for the match: that monitor is not captured.
        }
    }
    return TRUE; // every matching monitor counts
}

} // namespace

ScreenCopy copyScreenRect(int width, int height, int left, int top) {
    ScreenCopy copy;
    SetLastError(0);
    if (!isCapturableSize(width, height)) {
        copy.error = ERROR_INVALID_PARAMETER;
        return copy;
    }
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(screen ? CreateCompatibleDC(screen.get()) : nullptr);
    const UniqueBitmap bitmap(screen ? CreateCompatibleBitmap(screen.get(), width, height) : nullptr);
    if (memory && bitmap) {
        const ScopedSelect selected(memory.get(), bitmap.get());
        // Plain SRCCOPY: layered windows (the region overlay among them) stay out of the copy.
        copy.copied = BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY) != FALSE;
    }
    if (!copy.copied) {
        copy.error = GetLastError() != 0 ? GetLastError() : static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY);
        return copy;
    }
    // The bitmap is no longer selected: GetDIBits may not read a selected one.
    copy.image = allocateImage(width, height);
    if (copy.image.pixels.empty()) return copy;
    BITMAPINFO info = topDown32BitInfo(width, height);
    if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), copy.image.pixels.data(), &info,
                  DIB_RGB_COLORS) != height)
        copy.image = Image{}; // handed on as an invalid image
    return copy;
}

bool captureScreenRect(int width, int height, int left, int top) {
    const ScreenCopy copy = copyScreenRect(width, height, left, top);
    if (!copy.copied) {
        core::reportSystemError(copy.error);
        return false;
    }
    outputImage(copy.image);
    return true;
}

WindowRendering renderWindow(HWND window) {
    WindowRendering rendering;
    SetLastError(0);
    const CapturePoint at =
        thumbnailHostPosition(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    if (UniqueWindow host = createThumbnailHost(at)) rendering.image = renderThroughThumbnail(host.get(), window, at, rendering.dwmFailure);
    // Without a thumbnail (no DWM, or Wine's stub; always for a child window) the window prints
    // itself; covering windows do not matter to that either. PrintWindow sends it WM_PRINT and
    // waits for good, so a window that does not answer is not asked.
    RECT bounds{};
    if (!rendering.image && window && GetWindowRect(window, &bounds) &&
        (rendering.responsiveness = testResponsiveness(window)).ok) {
        rendering.image = printWindowImage(window, bounds.right - bounds.left, bounds.bottom - bounds.top);
        rendering.printedDirectly = rendering.image.has_value();
    }
    return rendering;
}

bool captureWindow(HWND window) {
    const WindowRendering rendering = renderWindow(window);
    if (rendering.image) {
        outputImage(*rendering.image);
        return true;
    }
    if (!rendering.responsiveness.ok) {
        reportWindowFailure(rendering.responsiveness);
        return false;
    }
    if (FAILED(rendering.dwmFailure)) core::reportSystemError(static_cast<DWORD>(rendering.dwmFailure));
    core::showBalloon(kWindowCaptureFailedBalloon);
    return false;
}

void captureDisplay(const std::u16string& deviceName) {
    DisplaySearch search{&deviceName, {}};
    EnumDisplayMonitors(nullptr, nullptr, collectMatchingMonitor, reinterpret_cast<LPARAM>(&search));
    // Captured after the enumeration: a capture may open the save dialogue, which should not run
    // inside the system's callback.
    for (const RECT& rect : search.matches) {
        Sleep(kDisplayPauseMs);
        captureScreenRect(rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    }
}

void captureDesktopForeground() {
    HWND shell = GetShellWindow();
    std::optional<CaptureRect> frameBounds;
    std::optional<CaptureRect> windowRect;
    RECT rect{};
    if (const auto getAttribute = bound().DwmGetWindowAttribute;
        shell && getAttribute && getAttribute(shell, kExtendedFrameBounds, &rect, sizeof(rect)) == S_OK)
        frameBounds = toCaptureRect(rect);
    if (shell && GetWindowRect(shell, &rect)) windowRect = toCaptureRect(rect);
    const CaptureRect area = desktopForegroundRect(frameBounds, windowRect, virtualScreenRect());
    Sleep(kDesktopForegroundPauseMs); // until the tray menu has left the screen
    captureScreenRect(area.width(), area.height(), area.left, area.top);
}

void captureDesktopBackground() { captureWindow(GetShellWindow()); }

} // namespace zorbel
