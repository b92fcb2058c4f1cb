#include "inspect/ReportFacts_win.h"

#include <uxtheme.h>

#include "app/BoundFunctions_win.h"
#include "inspect/ViewerUi_win.h"
#include "inspect/WindowQueries_win.h"

namespace zorbel {
namespace {

constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

// A query bound by name: its value, or the system's text for why there is none.
template <typename Function>
NumberQuery queryNumber(Function function, HWND window) {
    NumberQuery query;
    if (!function) {
        query.errorText = systemText(ERROR_PROC_NOT_FOUND);
        return query;
    }
    DWORD value = 0;
    SetLastError(0);
    if (function(window, &value))
        query.value = value;
    else
        query.errorText = systemText(GetLastError());
    return query;
}

std::u16string classOf(HWND window) { return window ? windowClassText(window) : std::u16string(); }

LayeredFacts readLayered(HWND window, std::uint32_t exStyle) {
    LayeredFacts layered;
    layered.layered = (exStyle & WS_EX_LAYERED) != 0;
    if (!layered.layered) return layered;
    const auto getAttributes = bound().GetLayeredWindowAttributes;
    if (!getAttributes) {
        layered.errorText = systemText(ERROR_PROC_NOT_FOUND);
        return layered;
    }
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    SetLastError(0);
    // Fails for windows drawn with UpdateLayeredWindow, which keep no such attributes.
    if (!getAttributes(window, &key, &alpha, &flags)) {
        layered.errorText = systemText(GetLastError());
        return layered;
    }
    layered.queried = true;
    layered.colourKey = key;
    layered.alpha = alpha;
    layered.flags = flags;
    return layered;
}

std::int32_t matchAwarenessContext(DPI_AWARENESS_CONTEXT context) {
    const auto equal = bound().AreDpiAwarenessContextsEqual;
    if (!equal || !context) return 0;
    for (std::intptr_t predefined = -1; predefined >= -5; --predefined)
        if (equal(context, reinterpret_cast<DPI_AWARENESS_CONTEXT>(predefined))) return static_cast<std::int32_t>(predefined);
    return 0;
}

ReportRect reportRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace

UserInfoFacts gatherUserInfoFacts(HWND window) {
    const BoundFunctions& f = bound();
    UserInfoFacts facts;
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    GetWindowInfo(window, &info);
    facts.title = windowTitleText(window);
    facts.className = windowClassText(window);
    facts.classAtom = info.atomWindowType;
    facts.creatorVersion = info.wCreatorVersion;
    facts.style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    facts.exStyle = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
    DWORD processId = 0;
    facts.threadId = GetWindowThreadProcessId(window, &processId);
    facts.processId = processId;

    facts.enabled = IsWindowEnabled(window) != FALSE;
    facts.hung = f.IsHungAppWindow && f.IsHungAppWindow(window);
    facts.visible = IsWindowVisible(window) != FALSE;
    facts.zoomed = IsZoomed(window) != FALSE;
    facts.iconic = IsIconic(window) != FALSE;
    if (f.IsTouchWindow) {
        ULONG touchFlags = 0;
        facts.touchWindow = f.IsTouchWindow(window, &touchFlags) != FALSE;
        facts.touchFlags = touchFlags;
    }
    facts.displayAffinity = queryNumber(f.GetWindowDisplayAffinity, window);
    facts.unicode = IsWindowUnicode(window) != FALSE;
    facts.band = queryNumber(f.GetWindowBand, window);
    facts.cloaked = readDwmAttribute(window, DwmAttribute::Cloaked);
    facts.layered = readLayered(window, facts.exStyle);
    facts.theme = handleNumber(GetWindowTheme(window));
    facts.processImagePath = processImagePath(window);

    facts.handle = handleNumber(window);
    HWND parent = GetAncestor(window, GA_PARENT);
    HWND root = GetAncestor(window, GA_ROOT);
    HWND rootOwner = GetAncestor(window, GA_ROOTOWNER);
    facts.parent = handleNumber(parent);
    facts.parentClass = classOf(parent);
    facts.root = handleNumber(root);
    facts.rootClass = classOf(root);
    facts.rootOwner = handleNumber(rootOwner);
    facts.rootOwnerClass = classOf(rootOwner);
    return facts;
}

DimensionsFacts gatherDimensionsFacts(HWND window) {
    const BoundFunctions& f = bound();
    DimensionsFacts facts;
    if (f.GetWindowDpiAwarenessContext) {
        const DPI_AWARENESS_CONTEXT context = f.GetWindowDpiAwarenessContext(window);
        facts.awarenessContext = matchAwarenessContext(context);
        facts.awarenessValue = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(context));
    }
    // Exported from Windows 10 1803 on; not by earlier builds (nor by Wine).
    if (f.GetWindowDpiHostingBehavior) facts.hostingBehavior = static_cast<std::int32_t>(f.GetWindowDpiHostingBehavior(window));
    if (f.GetDpiForWindow) facts.dpiWindow = f.GetDpiForWindow(window);
    if (f.GetDpiForMonitor) {
        UINT x = 0;
        UINT y = 0;
        if (SUCCEEDED(f.GetDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)))
            facts.dpiMonitor = x;
    }
    if (f.GetDpiForSystem) facts.dpiSystem = f.GetDpiForSystem();

    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    if (GetWindowInfo(window, &info)) {
        facts.window = reportRect(info.rcWindow);
        facts.client = reportRect(info.rcClient);
        facts.borderWidth = info.cxWindowBorders;
        facts.borderHeight = info.cyWindowBorders;
    }
    facts.captionButtonBounds = readDwmAttribute(window, DwmAttribute::CaptionButtonBounds);
    facts.extendedFrameBounds = readDwmAttribute(window, DwmAttribute::ExtendedFrameBounds);
    facts.ncRenderingEnabled = readDwmAttribute(window, DwmAttribute::NcRenderingEnabled);
    if (isWindowsBuildAtLeast(kWindows11Build))
        facts.visibleFrameBorderThickness = readDwmAttribute(window, DwmAttribute::VisibleFrameBorderThickness);
    if (isWindowsBuildAtLeast(kWindows11Version22H2Build))
        facts.systemBackdropType = readDwmAttribute(window, DwmAttribute::SystemBackdropType);
    return facts;
}

} // namespace zorbel
