#include "windows/ControlWindow_win.h"

#include "app/Handles_win.h"
#include "windows/WheelTransparency_win.h"
#include "windows/WindowFailures_win.h"

namespace zorbel {
namespace {

UniqueWindow window;

void onEndTaskFailed(DWORD error) {
    reportWindowFailure(WindowChange::failure(FailedStep::SystemCall, error));
}

LRESULT CALLBACK controlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // The work reports failures as balloons, whose texts are allocated: an exception ends the one
    // message, not the program.
    try {
        switch (message) {
        case kWheelWorkMessage:
            runWheelWork();
            return 0;
        case kEndTaskFailedMessage:
            onEndTaskFailed(static_cast<DWORD>(wParam));
            return 0;
        default:
            break;
        }
    } catch (...) {
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

HWND windowControlWindow() {
    if (window) return window.get();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = controlWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kControlWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    window.reset(CreateWindowExW(0, kControlWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
    return window.get();
}

void destroyWindowControlWindow() { window.reset(); }

} // namespace zorbel
