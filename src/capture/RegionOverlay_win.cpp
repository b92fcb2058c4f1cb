#include "capture/RegionOverlay_win.h"

#include <windowsx.h>

#include <optional>
#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "capture/ImageOutput_win.h"
#include "capture/Magnifier_win.h"
#include "capture/RegionSelection.h"
#include "capture/ScreenCapture_win.h"
#include "windows/WheelTransparency_win.h"

namespace zorbel {
namespace {

constexpr wchar_t kOverlayClass[] = L"Zorbel!_Region_Capture";
constexpr BYTE kOverlayAlpha = 100;
constexpr DWORD kExcludeFromCapture = 0x11; // WDA_EXCLUDEFROMCAPTURE

constexpr COLORREF kSelectionColour = RGB(50, 50, 50);
constexpr int kCrossCursorSize = 64;
// Puts the overlay back on top and takes the mouse again, after another window came forward.
constexpr UINT kReassertMessage = WM_APP + 1;
// What the overlay posts itself to close after a capture when it is not to repeat.
constexpr WPARAM kCloseAfterCapture = 2;
constexpr DWORD kWineRepaintPauseMs = 100;

struct OverlayState {
    UniqueWindow window;
    RegionSelection selection;
    PrecisionMode precision;
    bool excludedFromCapture = false; // kept from one overlay to the next
    bool captureInProgress = false;
    bool closePending = false; // a close asked for while a capture (and its dialogue) ran
    bool reassertPosted = false;
    bool reasserting = false;
    bool changingMouseSpeed = false;
    bool closing = false;
    std::optional<POINT> magnifierPoint; // where the magnifier last looked, in screen coordinates
};

OverlayState& overlay() {
    static OverlayState state;
    return state;
}

bool magnifierOn() { return core::settings().pMagnifyWindow != 0; }

void beep() {
    if (core::settings().pMessageBeep) MessageBeep(MB_ICONEXCLAMATION);
}

HCURSOR crossCursor() {
    return static_cast<HCURSOR>(
        LoadImageW(nullptr, IDC_CROSS, IMAGE_CURSOR, kCrossCursorSize, kCrossCursorSize, LR_SHARED));
}

void takeMouse(HWND hwnd) {
    SetCapture(hwnd);
    SetCursor(crossCursor());
}

int virtualScreenMetric(int index) {
    if (const auto forDpi = bound().GetSystemMetricsForDpi) return forDpi(index, static_cast<UINT>(core::systemDpi()));
    return GetSystemMetrics(index);
}

// ---- Drawing ---------------------------------------------------------------------------------

// Every figure inverts what is under it: drawn twice, it is gone.
void drawFigures(HDC dc, HWND hwnd, const std::vector<OverlayFigure>& figures) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int previousMode = SetROP2(dc, R2_NOTXORPEN);
    const ScopedSelect pen(dc, GetStockObject(BLACK_PEN));
    const ScopedSelect brush(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, kSelectionColour);
    for (const OverlayFigure& figure : figures) {
        if (figure.kind == OverlayFigure::Kind::Crosshair) {
            const POINT vertical[2] = {{figure.point.x, 0}, {figure.point.x, client.bottom}};
            const POINT horizontal[2] = {{0, figure.point.y}, {client.right, figure.point.y}};
            Polyline(dc, vertical, 2);
            Polyline(dc, horizontal, 2);
        } else {
            PatBlt(dc, figure.rect.left, figure.rect.top, figure.rect.width(), figure.rect.height(), PATINVERT);
        }
    }
    SetROP2(dc, previousMode);
}

// Draws what changed since the overlay showed before.
void showChanges(const OverlayMarks& before) {
    OverlayState& s = overlay();
    const std::vector<OverlayFigure> figures = figuresToToggle(before, s.selection.marks());
    if (figures.empty() || !s.window) return;
    const WindowDc dc(s.window.get());
    if (dc) drawFigures(dc.get(), s.window.get(), figures);
}

POINT toScreen(CapturePoint p) {
    POINT point{p.x, p.y};
    MapWindowPoints(overlay().window.get(), nullptr, &point, 1);
    return point;
}

void drawMagnifierAt(POINT screenPoint) {
    OverlayState& s = overlay();
    drawMagnifier(magnifierZoom(), screenPoint, s.excludedFromCapture);
    s.magnifierPoint = screenPoint;
}

// ---- Precision mode ----------------------------------------------------------------------------

std::optional<int> readSystemMouseSpeed() {
    int speed = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
    return speed;
}

bool writeSystemMouseSpeed(int speed) {
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(speed)),
                                 SPIF_SENDCHANGE) != FALSE;
}

MouseSpeedAccess& mouseSpeedAccess() {
    static MouseSpeedAccess access{readSystemMouseSpeed, writeSystemMouseSpeed};
    return access;
}

std::optional<int> readMouseSpeed() { return mouseSpeedAccess().read(); }

bool setMouseSpeed(int speed) {
    OverlayState& s = overlay();
    // SPIF_SENDCHANGE broadcasts WM_SETTINGCHANGE, to the overlay too, which must not close for it.
    s.changingMouseSpeed = true;
    const bool set = mouseSpeedAccess().write(speed);
    s.changingMouseSpeed = false;
    return set;
}

void startPrecisionMode() {
    OverlayState& s = overlay();
    if (!s.precision.begin(readMouseSpeed())) return;
    if (!setMouseSpeed(PrecisionMode::kSlowestSpeed)) {
        (void)s.precision.end(); // nothing was changed, nothing to give back
        return;
    }
    beep();
}

void endPrecisionMode() {
    if (const std::optional<int> speed = overlay().precision.end()) {
        setMouseSpeed(*speed);
        beep();
    }
}

// ---- Opening and closing -----------------------------------------------------------------------

// What every way of closing leaves behind: nothing selected, the user's mouse speed, the mouse
// and the arrow cursor given back, the magnifier and its timer gone.
void releaseOverlay(HWND hwnd) {
    OverlayState& s = overlay();
    s.selection.reset();
    s.captureInProgress = false;
    s.closePending = false;
    endPrecisionMode();
    if (GetCapture() == hwnd) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    closeMagnifierWindow(hwnd);
    s.magnifierPoint.reset();
}

void closeOverlay() {
    OverlayState& s = overlay();
    if (!s.window) return;
    if (s.captureInProgress) {
        // The capture's save dialogue is still running inside this window's handler.
        s.closePending = true;
        return;
    }
    s.closing = true;
    releaseOverlay(s.window.get());
    s.window.reset(); // its WM_DESTROY finds the handle gone and does nothing more
    s.closing = false;
    core::requestMenuRebuild();
}

// Destroyed without closeOverlay (DestroyWindow from elsewhere, or its owner, the core window,
// going): the state must not keep a dead handle, or no overlay would ever open again.
void onDestroy(HWND hwnd) {
    OverlayState& s = overlay();
    s.closing = true;
    releaseOverlay(hwnd);
    (void)s.window.release(); // being destroyed already
    s.closing = false;
    core::requestMenuRebuild();
}

void reopenAfterCapture(HWND hwnd) {
    OverlayState& s = overlay();
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    // Painted afresh from what the selection now holds (the crosshair only).
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    takeMouse(hwnd);
    if (magnifierOn() && magnifierWindow()) {
        showMagnifier(true);
        if (s.magnifierPoint) drawMagnifierAt(*s.magnifierPoint);
    }
}

// ---- Messages ----------------------------------------------------------------------------------

CapturePoint pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

void onMouseMove(LPARAM lParam) {
    OverlayState& s = overlay();
    const OverlayMarks before = s.selection.marks();
    const CapturePoint point = pointOf(lParam);
    s.selection.moveTo(point);
    showChanges(before);
    if (magnifierOn() && magnifierWindow()) {
        const POINT screenPoint = toScreen(point);
        placeMagnifier(screenPoint);
        drawMagnifierAt(screenPoint);
    }
}

// The button messages carry where the button went down or up. The last mouse move may be
// elsewhere: moves made while the overlay was hidden for a copy never reached it.
void onLeftButtonDown(LPARAM lParam) {
    OverlayState& s = overlay();
    const OverlayMarks before = s.selection.marks();
    s.selection.moveTo(pointOf(lParam));
    s.selection.pressLeft();
    showChanges(before);
}

// The copy must not see the overlay and the magnifier that were just hidden. Windows shows them
// until the DWM's next frame. Wine has no DWM (its DwmFlush returns at once): there the windows
// beneath repaint what the overlay uncovered on their own threads, which takes a moment.
void waitUntilTheScreenShowsWhatIsBeneath() {
    if (runningUnderWine()) {
        Sleep(kWineRepaintPauseMs);
        return;
    }
    if (const auto flush = bound().DwmFlush) flush();
}

void onLeftButtonUp(HWND hwnd, LPARAM lParam) {
    OverlayState& s = overlay();
    const OverlayMarks before = s.selection.marks();
    s.selection.moveTo(pointOf(lParam));
    const std::optional<CaptureRect> rect = s.selection.releaseLeft();
    if (!rect) {
        showChanges(before);
        return;
    }
    s.captureInProgress = true;
    endPrecisionMode();
    if (magnifierOn()) showMagnifier(false);
    ShowWindow(hwnd, SW_HIDE);
    // The save dialogue that may follow needs the mouse.
    ReleaseCapture();
    waitUntilTheScreenShowsWhatIsBeneath();
    POINT corners[2] = {{rect->left, rect->top}, {rect->right - 1, rect->bottom - 1}};
    MapWindowPoints(hwnd, nullptr, corners, 2);
    captureScreenRect(rect->width(), rect->height(), corners[0].x, corners[0].y);
    // Destroyed during the save dialogue: its WM_DESTROY has left the state as after a close.
    if (s.window.get() != hwnd) return;
    s.selection.finishCapture();
    s.captureInProgress = false;

    if (s.closePending) {
        closeOverlay();
    } else if (core::settings().pRepeatCapture) {
        reopenAfterCapture(hwnd);
    } else {
        PostMessageW(hwnd, WM_RBUTTONUP, kCloseAfterCapture, 0);
    }
}

void onKeyDown(WPARAM key) {
    if (key != VK_SHIFT) return; // Esc included: only the right button and the hotkey close
    OverlayState& s = overlay();
    const OverlayMarks before = s.selection.marks();
    if (s.selection.dropAnchor()) {
        showChanges(before);
        beep();
    }
}

void onMiddleButtonDown() {
    if (!magnifierOn()) return;
    if (overlay().precision.active())
        endPrecisionMode();
    else
        startPrecisionMode();
}

void onMouseWheel(WPARAM wParam) {
    if (!magnifierOn()) return;
    turnMagnifierWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    if (const auto point = overlay().magnifierPoint) drawMagnifierAt(*point);
}

void onTimer(WPARAM id) {
    OverlayState& s = overlay();
    if (id != kMagnifierTimerId || !magnifierOn() || s.captureInProgress || !s.magnifierPoint) return;
    const std::optional<CapturePoint> current = s.selection.current();
    if (!current) return;
    // The mouse rests: the picture under it may still change.
    const POINT screenPoint = toScreen(*current);
    if (screenPoint.x == s.magnifierPoint->x && screenPoint.y == s.magnifierPoint->y) drawMagnifierAt(screenPoint);
}

void onWindowPositionChanged(HWND hwnd) {
    OverlayState& s = overlay();
    // Posted, not done here: pushing the window back on top from inside its own position change
    // would set off the same message again, without end.
    if (s.captureInProgress || s.reasserting || s.reassertPosted || !IsWindowVisible(hwnd) ||
        GetForegroundWindow() == hwnd)
        return;
    s.reassertPosted = PostMessageW(hwnd, kReassertMessage, 0, 0) != FALSE;
}

// Wine, for one, drops the capture of a window that was hidden and shown again; another program
// may take it. The overlay takes it back while it is open.
void onCaptureChanged(HWND hwnd, HWND newOwner) {
    OverlayState& s = overlay();
    if (newOwner == hwnd || s.closing || s.captureInProgress || s.reassertPosted || !IsWindowVisible(hwnd)) return;
    s.reassertPosted = PostMessageW(hwnd, kReassertMessage, 0, 0) != FALSE;
}

void onReassert(HWND hwnd) {
    OverlayState& s = overlay();
    s.reassertPosted = false;
    if (s.captureInProgress || !IsWindowVisible(hwnd)) return;
    s.reasserting = true;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    takeMouse(hwnd);
    s.reasserting = false;
}

void onPaint(HWND hwnd) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint); // the class brush has erased the damaged part
    if (dc) drawFigures(dc, hwnd, figuresOf(overlay().selection.marks()));
    EndPaint(hwnd, &paint);
}

LRESULT overlayMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd != overlay().window.get()) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        onMouseMove(lParam);
        return 0;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(lParam);
        return 0;
    case WM_LBUTTONUP:
        onLeftButtonUp(hwnd, lParam);
        return 0;
    case WM_SETTINGCHANGE:
        if (overlay().changingMouseSpeed) return 0;
        closeOverlay();
        return 0;
    // WM_CLOSE too (Alt+F4): left to the default handling it would destroy the window without
    // ending precision mode.
    case WM_RBUTTONUP:
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
    case WM_CLOSE:
        closeOverlay();
        return 0;
    case WM_DESTROY:
        onDestroy(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
        onWindowPositionChanged(hwnd);
        break;
    case kReassertMessage:
        onReassert(hwnd);
        return 0;
    case WM_CAPTURECHANGED:
        onCaptureChanged(hwnd, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_KEYDOWN:
        onKeyDown(wParam);
        return 0;
    case WM_MBUTTONDOWN:
        onMiddleButtonDown();
        return 0;
    case WM_MOUSEWHEEL:
        onMouseWheel(wParam);
        return 0;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case WM_PAINT:
        onPaint(hwnd);
        return 0;
    case WM_SETCURSOR:
        SetCursor(crossCursor());
        return TRUE;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// An exception (a failed allocation, say) ends the one message, not the program.
LRESULT CALLBACK overlayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return overlayMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

bool registerOverlayClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = overlayProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kOverlayClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

bool startRegionCapture() {
    OverlayState& s = overlay();
    // Another capture's save dialogue is open: an overlay over it would nest a second one.
    if (s.window || isImageOutputInProgress() || !registerOverlayClass()) return false;
    // The wheel would otherwise change the opacity of the windows beneath while the user zooms.
    endWheelTransparencyMode();
    const int x = virtualScreenMetric(SM_XVIRTUALSCREEN);
    const int y = virtualScreenMetric(SM_YVIRTUALSCREEN);
    const int width = virtualScreenMetric(SM_CXVIRTUALSCREEN);
    const int height = virtualScreenMetric(SM_CYVIRTUALSCREEN);
    // Layered from the start, so that it never shows opaque for an instant.
    s.window.reset(CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kOverlayClass,
                                   kRegionOverlayTitle, WS_POPUP, x, y, width, height, core::window(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    if (!s.window) return false;
    HWND hwnd = s.window.get();
    const auto setAffinity = bound().SetWindowDisplayAffinity;
    // Before that build the system accepts WDA_EXCLUDEFROMCAPTURE but treats it as WDA_MONITOR: the
    // overlay would show black in every screen copy, the magnifier's included.
    s.excludedFromCapture = setAffinity && isWindowsBuildAtLeast(kExcludeFromCaptureBuild) &&
                            setAffinity(hwnd, kExcludeFromCapture) != FALSE;
    SetLayeredWindowAttributes(hwnd, 0, kOverlayAlpha, LWA_ALPHA);

    s.selection.reset();
    s.captureInProgress = false;
    s.closePending = false;
    s.closing = false;
    // The crosshair shows at once where the mouse is, not only after it first moves.
    POINT cursor{};
    if (GetCursorPos(&cursor) && ScreenToClient(hwnd, &cursor)) s.selection.moveTo({cursor.x, cursor.y});

    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd); // for Shift
    takeMouse(hwnd);
    return true;
}

void openMagnifier() {
    OverlayState& s = overlay();
    if (!magnifierOn() || !s.window) return;
    if (!openMagnifierWindow(s.window.get())) return;
    POINT cursor{};
    if (GetCursorPos(&cursor)) drawMagnifierAt(cursor);
}

void beginRegionCapture() {
    if (startRegionCapture()) openMagnifier();
}

void toggleRegionCapture() {
    // A capture in progress may be inside its save dialogue, a modal loop in the overlay's own
    // handler: the overlay must outlive it.
    // Nor may another capture's save dialogue get a region capture above it.
    if (overlay().captureInProgress || isImageOutputInProgress()) return;
    if (HWND hwnd = overlay().window.get())
        SendMessageW(hwnd, WM_RBUTTONUP, 0, 0);
    else
        beginRegionCapture();
}

void closeRegionCaptureForExit() {
    endPrecisionMode();
    closeOverlay();
}

MouseSpeedAccess replaceMouseSpeedAccess(MouseSpeedAccess access) {
    const MouseSpeedAccess previous = mouseSpeedAccess();
    mouseSpeedAccess() = {access.read ? access.read : readSystemMouseSpeed,
                          access.write ? access.write : writeSystemMouseSpeed};
    return previous;
}

HWND regionOverlayWindow() { return overlay().window.get(); }
bool isPrecisionModeOn() { return overlay().precision.active(); }

} // namespace zorbel
