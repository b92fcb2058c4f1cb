// Owners of the handle kinds only the inspection windows use.
#pragma once

#include <windows.h>

#include "app/Handles_win.h"

namespace zorbel {

namespace handle_traits {
struct AcceleratorTable {
    using Handle = HACCEL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DestroyAcceleratorTable(h); }
};
struct Brush {
    using Handle = HBRUSH;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DeleteObject(h); }
};
struct GlobalMemory {
    using Handle = HGLOBAL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { GlobalFree(h); }
};
} // namespace handle_traits

using UniqueAcceleratorTable = UniqueHandle<handle_traits::AcceleratorTable>;
using UniqueBrush = UniqueHandle<handle_traits::Brush>;
using UniqueGlobalMemory = UniqueHandle<handle_traits::GlobalMemory>;

// The clipboard, open for the lifetime of the scope.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

// A control's drawing suspended (WM_SETREDRAW) for the lifetime of the scope, then repainted once.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND control) noexcept : control_(control) { SendMessageW(control_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawSuspended() {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(control_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND control_;
};

} // namespace zorbel
