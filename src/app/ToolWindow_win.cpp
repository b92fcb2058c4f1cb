#include "app/ToolWindow_win.h"

#include "app/BoundFunctions_win.h"
#include "app/DpiLayout.h"

namespace zorbel {

int windowDpi(HWND hwnd) {
    const BoundFunctions& f = bound();
    DpiAwareness awareness = DpiAwareness::Invalid;
    if (f.GetThreadDpiAwarenessContext && f.GetAwarenessFromDpiAwarenessContext)
        awareness = static_cast<DpiAwareness>(f.GetAwarenessFromDpiAwarenessContext(f.GetThreadDpiAwarenessContext()));
    const int systemDpi = f.GetDpiForSystem ? static_cast<int>(f.GetDpiForSystem()) : 96;
    const int ownDpi = f.GetDpiForWindow && hwnd ? static_cast<int>(f.GetDpiForWindow(hwnd)) : systemDpi;
    return layoutDpi(awareness, systemDpi, ownDpi);
}

int openToolWindow(const ToolWindowLayout& shape, UniqueWindow& window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    window.reset(CreateWindowExW(shape.exStyle, shape.className, shape.title, shape.style & ~WS_VISIBLE, cursor.x, cursor.y,
                                 0, 0, shape.parent, nullptr, GetModuleHandleW(nullptr), shape.createParameter));
    if (!window) return 0;
    const int dpi = windowDpi(window.get());

    RECT outer{0, 0, scaleForDpi(shape.clientWidth, dpi), scaleForDpi(shape.clientHeight, dpi)};
    if (const auto adjust = bound().AdjustWindowRectExForDpi)
        adjust(&outer, shape.style, FALSE, shape.exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&outer, shape.style, FALSE, shape.exStyle);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(window.get(), MONITOR_DEFAULTTONEAREST), &monitor)) return dpi;
    const LayoutRect workArea{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    const LayoutRect placed = centreInWorkArea(workArea, outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(window.get(), nullptr, placed.left, placed.top, placed.width(), placed.height(),
                 SWP_NOZORDER | SWP_SHOWWINDOW);
    return dpi;
}

void moveToSuggestedRect(HWND hwnd, const RECT& suggested) {
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

UniqueFont createInterfaceFont(const wchar_t* face, int points, bool bold, int dpi) {
    return UniqueFont(CreateFontW(interfaceFontCellHeight(points, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                  FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

} // namespace zorbel
