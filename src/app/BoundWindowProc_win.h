// The window procedure of a window that is an object: the object given as the creation parameter
// is bound to its window at WM_NCCREATE, every message goes to its noexcept handle(), and at
// WM_NCDESTROY the binding is undone and the object told with onDestroyed(), which may delete it.
// The class befriends the template, which sets its hwnd_. registerBoundWindowClass registers a
// window class with that procedure.
#pragma once

#include <windows.h>

namespace zorbel {

template <typename Window>
LRESULT CALLBACK boundWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->onDestroyed();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

// Registers a class whose windows are Window objects (a class already registered counts as
// done): arrow cursor, the system colour as background, the icon if one is given.
template <typename Window>
bool registerBoundWindowClass(const wchar_t* className, int systemColour, HICON icon = nullptr) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = boundWindowProc<Window>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(systemColour + 1));
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace zorbel
