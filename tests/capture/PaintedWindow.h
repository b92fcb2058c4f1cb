// A window of known colours for the capture tests: four quadrants, painted for WM_PAINT and,
// when asked, for WM_PRINTCLIENT too (Wine's PrintWindow draws only what a window prints).
#pragma once

#include <windows.h>

#include "CaptureTestSupport.h"
#include "WinTestSupport.h"

namespace zorbel::test {

inline constexpr COLORREF kTopLeft = RGB(200, 30, 30);
inline constexpr COLORREF kTopRight = RGB(30, 200, 30);
inline constexpr COLORREF kBottomLeft = RGB(30, 30, 200);
inline constexpr COLORREF kBottomRight = RGB(220, 220, 40);
inline constexpr COLORREF kCoverColour = RGB(90, 10, 120);

enum class Painting : LONG_PTR { Quadrants = 1, QuadrantsAlsoPrinted = 2, Cover = 3 };

inline COLORREF expectedQuadrant(int x, int y, int width, int height) {
    const bool right = x >= width / 2;
    const bool bottom = y >= height / 2;
    return bottom ? (right ? kBottomRight : kBottomLeft) : (right ? kTopRight : kTopLeft);
}

inline void fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT rect{left, top, right, bottom};
    const UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

inline void paintQuadrants(HWND hwnd, HDC dc, Painting painting) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (painting == Painting::Cover) {
        fill(dc, 0, 0, client.right, client.bottom, kCoverColour);
        return;
    }
    const int midX = client.right / 2;
    const int midY = client.bottom / 2;
    fill(dc, 0, 0, midX, midY, kTopLeft);
    fill(dc, midX, 0, client.right, midY, kTopRight);
    fill(dc, 0, midY, midX, client.bottom, kBottomLeft);
    fill(dc, midX, midY, client.right, client.bottom, kBottomRight);
}

inline LRESULT CALLBACK paintedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const auto painting = static_cast<Painting>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        paintQuadrants(hwnd, dc, painting);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (painting == Painting::QuadrantsAlsoPrinted) {
            paintQuadrants(hwnd, reinterpret_cast<HDC>(wParam), painting);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A borderless top-most window of that painting on the given thread, shown and painted.
inline HWND createPaintedWindow(WindowThread& thread, Painting painting, RECT bounds) {
    HWND hwnd = nullptr;
    thread.runOnThread([&] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = paintedWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ZorbelPaintedWindow";
        RegisterClassExW(&windowClass);
        hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Painted", WS_POPUP,
                               bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(painting));
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd);
    });
    return hwnd;
}

// The screen's colour at a point, read with a plain BitBlt.
inline COLORREF screenPixel(int x, int y) {
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 1, 1));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, 1, 1, screen.get(), x, y, SRCCOPY);
    const COLORREF colour = GetPixel(memory.get(), 0, 0);
    SelectObject(memory.get(), old);
    return colour;
}

// Waits until the screen shows colour at (x, y).
inline bool screenShows(int x, int y, COLORREF colour) {
    return pumpUntil(3000, [&] { return screenPixel(x, y) == colour; });
}

inline COLORREF imagePixel(const Image& image, int x, int y) {
    const std::uint8_t* p = image.pixel(x, y);
    return RGB(p[2], p[1], p[0]);
}

} // namespace zorbel::test
