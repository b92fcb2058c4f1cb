#include "capture/Magnifier_win.h"

#include "app/BoundFunctions_win.h"
#include "app/DpiLayout.h"
#include "app/Handles_win.h"
#include "app/TimerPolicy.h"
#include "app/ToolWindow_win.h"
#include "capture/MagnifierLayout.h"

namespace zorbel {
namespace {

constexpr wchar_t kMagnifierClass[] = L"Zorbel!_Magnifier";
constexpr DWORD kTimerExceptionSuppression = 7; // UOI_TIMERPROC_EXCEPTION_SUPPRESSION
constexpr UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_DEFERERASE;
constexpr int kInitialSide = 110;
constexpr wchar_t kFontFace[] = L"Segoe UI";
constexpr int kFontPoints = 7;

struct MagnifierState {
    UniqueWindow window;
    MagnifierLayout layout = magnifierLayout(kDesignDpi);
    UniqueFont font;
    UniqueBitmap picture; // the last drawing, for WM_PAINT
    bool timerStarted = false;
    int zoom = kDefaultMagnifierZoom;
    WheelZoom wheel;
};

MagnifierState& state() {
    static MagnifierState magnifier;
    return magnifier;
}

void layOut(int dpi) {
    MagnifierState& s = state();
    s.layout = magnifierLayout(dpi);
    s.font = createInterfaceFont(kFontFace, kFontPoints, false, dpi);
}

void onPaint(HWND hwnd) noexcept {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    const MagnifierState& s = state();
    if (dc && s.picture) {
        const UniqueMemoryDc memory(CreateCompatibleDC(dc));
        if (memory) {
            const ScopedSelect selected(memory.get(), s.picture.get());
            BitBlt(dc, 0, 0, s.layout.side, s.layout.side, memory.get(), 0, 0, SRCCOPY);
        }
    } else if (dc) {
        PatBlt(dc, 0, 0, s.layout.side, s.layout.side, BLACKNESS);
    }
    EndPaint(hwnd, &paint);
}

LRESULT magnifierMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DPICHANGED:
        // Sized and moved for the new DPI at the next placement.
        layOut(HIWORD(wParam));
        return 0;
    case WM_PAINT:
        onPaint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_DESTROY:
        // Gone with its owner, the overlay, before the overlay could close it: no dead handle kept.
        if (hwnd == state().window.get()) (void)state().window.release();
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// An exception (a failed allocation, say) ends the one message, not the program.
LRESULT CALLBACK magnifierProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return magnifierMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

bool registerMagnifierClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = magnifierProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_CROSS);
    windowClass.lpszClassName = kMagnifierClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The timer routine every timer of the program follows: timer callbacks may not swallow
// exceptions; under Wine that setting is a stub that always fails, and the timer runs anyway.
bool startRefreshTimer(HWND overlay) {
    BOOL suppress = FALSE;
    const bool suppressionSet =
        SetUserObjectInformationW(GetCurrentProcess(), kTimerExceptionSuppression, &suppress, sizeof(suppress)) != FALSE;
    if (!shouldSetTimer(suppressionSet, runningUnderWine())) return false;
    return SetTimer(overlay, kMagnifierTimerId, kMagnifierTimerPeriodMs, nullptr) != 0;
}

} // namespace

bool openMagnifierWindow(HWND overlay) {
    MagnifierState& s = state();
    if (s.window) return true;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!registerMagnifierClass()) return false;
    s.window.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kMagnifierClass, kMagnifierTitle, WS_POPUP,
                                   cursor.x, cursor.y, kInitialSide, kInitialSide, overlay, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    if (!s.window) return false;
    layOut(windowDpi(s.window.get()));
    placeMagnifier(cursor);
    s.timerStarted = startRefreshTimer(overlay);
    return true;
}

void closeMagnifierWindow(HWND overlay) {
    MagnifierState& s = state();
    if (s.timerStarted) KillTimer(overlay, kMagnifierTimerId);
    s.timerStarted = false;
    s.window.reset();
    s.picture.reset();
}

HWND magnifierWindow() { return state().window.get(); }
bool magnifierTimerStarted() { return state().timerStarted; }

void placeMagnifier(POINT p) {
    const MagnifierState& s = state();
    if (!s.window) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const CaptureRect bounds{monitor.rcMonitor.left, monitor.rcMonitor.top, monitor.rcMonitor.right,
                             monitor.rcMonitor.bottom};
    const CapturePoint at = magnifierPosition({p.x, p.y}, bounds, s.layout);
    SetWindowPos(s.window.get(), nullptr, at.x, at.y, s.layout.side, s.layout.side, kPlaceFlags);
}

void drawMagnifier(int zoom, POINT p, bool drawCrosshair) {
    MagnifierState& s = state();
    if (!s.window) return;
    const MagnifierLayout& l = s.layout;
    const int side = l.side;
    UniqueBitmap picture;
    {
        const WindowDc screen(nullptr);
        if (!screen) return;
        const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
        picture.reset(CreateCompatibleBitmap(screen.get(), side, side));
        if (!memory || !picture) return;
        const ScopedSelect selected(memory.get(), picture.get());
        HDC dc = memory.get();
        PatBlt(dc, 0, 0, side, side, BLACKNESS);
        // Whole pixels, not blended ones: the user is placing an edge on an exact pixel.
        SetStretchBltMode(dc, COLORONCOLOR);
        const CaptureRect source = magnifierSource({p.x, p.y}, zoom, l.dpi);
        StretchBlt(dc, l.magnified.left, l.magnified.top, l.magnified.width(), l.magnified.height(), screen.get(),
                   source.left, source.top, source.width(), source.height(), SRCCOPY);

        Rectangle(dc, l.colourFrame.left, l.colourFrame.top, l.colourFrame.right, l.colourFrame.bottom);
        StretchBlt(dc, l.swatch.left, l.swatch.top, l.swatch.width(), l.swatch.height(), dc, l.centre.x, l.centre.y,
                   1, 1, SRCCOPY);

        if (drawCrosshair) {
            const int previous = SetROP2(dc, R2_NOTXORPEN);
            const POINT vertical[2] = {{l.centre.x, 1}, {l.centre.x, side - 1}};
            const POINT horizontal[2] = {{1, l.centre.y}, {side - 1, l.centre.y}};
            Polyline(dc, vertical, 2);
            Polyline(dc, horizontal, 2);
            SetROP2(dc, previous);
        }

        const std::u16string zoomText = magnifierZoomText(zoom);
        const std::u16string positionText = magnifierPositionText({p.x, p.y});
        SetBkColor(dc, RGB(0, 0, 0));
        SetTextColor(dc, RGB(255, 255, 255));
        const ScopedSelect font(dc, s.font ? static_cast<HGDIOBJ>(s.font.get()) : GetStockObject(DEFAULT_GUI_FONT));
        TextOutW(dc, 3, 2, wide(zoomText), static_cast<int>(zoomText.size()));
        const UINT alignment = SetTextAlign(dc, TA_BOTTOM);
        TextOutW(dc, 3, side - 2, wide(positionText), static_cast<int>(positionText.size()));
        SetTextAlign(dc, alignment);

        const WindowDc target(s.window.get());
        if (target) BitBlt(target.get(), 0, 0, side, side, dc, 0, 0, SRCCOPY);
    }
    s.picture = std::move(picture);
}

void showMagnifier(bool show) {
    if (HWND hwnd = magnifierWindow()) ShowWindow(hwnd, show ? SW_SHOWNOACTIVATE : SW_HIDE);
}

int magnifierZoom() { return state().zoom; }

int turnMagnifierWheel(int wheelDelta) {
    MagnifierState& s = state();
    s.zoom = s.wheel.apply(s.zoom, wheelDelta);
    return s.zoom;
}

} // namespace zorbel
