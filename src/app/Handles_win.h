// Move-only owners for Win32 handles: one small type per handle kind, each knowing its invalid
// value and how to release it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace zorbel {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }
    Handle release() noexcept { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Handle handle_ = Traits::invalid();
};

namespace handle_traits {
struct Window {
    using Handle = HWND;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DestroyWindow(h); }
};
struct Menu {
    using Handle = HMENU;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DestroyMenu(h); }
};
struct Bitmap {
    using Handle = HBITMAP;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DeleteObject(h); }
};
struct Font {
    using Handle = HFONT;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DeleteObject(h); }
};
struct Icon {
    using Handle = HICON;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DestroyIcon(h); }
};
struct MemoryDc {
    using Handle = HDC;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DeleteDC(h); }
};
struct Kernel {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { CloseHandle(h); }
};
struct File {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) noexcept { CloseHandle(h); }
};
struct Hook {
    using Handle = HHOOK;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { UnhookWindowsHookEx(h); }
};
struct Find {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle h) noexcept { FindClose(h); }
};
struct Module {
    using Handle = HMODULE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { FreeLibrary(h); }
};
struct Brush {
    using Handle = HBRUSH;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DeleteObject(h); }
};
struct AcceleratorTable {
    using Handle = HACCEL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DestroyAcceleratorTable(h); }
};
struct GlobalMemory {
    using Handle = HGLOBAL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { GlobalFree(h); }
};
} // namespace handle_traits

using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueBitmap = UniqueHandle<handle_traits::Bitmap>;
using UniqueFont = UniqueHandle<handle_traits::Font>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFile = UniqueHandle<handle_traits::File>;
using UniqueHook = UniqueHandle<handle_traits::Hook>;
using UniqueFind = UniqueHandle<handle_traits::Find>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueBrush = UniqueHandle<handle_traits::Brush>;
using UniqueAcceleratorTable = UniqueHandle<handle_traits::AcceleratorTable>;
// Once SetClipboardData has taken it, release() hands the memory to the system.
using UniqueGlobalMemory = UniqueHandle<handle_traits::GlobalMemory>;

// A global memory block locked for the lifetime of the scope; data() is null when it failed.
class LockedGlobalMemory {
public:
    explicit LockedGlobalMemory(HGLOBAL memory) noexcept : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~LockedGlobalMemory() {
        if (data_) GlobalUnlock(memory_);
    }
    LockedGlobalMemory(const LockedGlobalMemory&) = delete;
    LockedGlobalMemory& operator=(const LockedGlobalMemory&) = delete;
    void* data() const noexcept { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

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

// A DC from GetDC, released to its window.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (hdc_) ReleaseDC(hwnd_, hdc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return hdc_; }
    explicit operator bool() const noexcept { return hdc_ != nullptr; }

private:
    HWND hwnd_;
    HDC hdc_;
};

// Selects a GDI object into a DC for the lifetime of the scope.
class ScopedSelect {
public:
    ScopedSelect(HDC hdc, HGDIOBJ object) noexcept : hdc_(hdc), previous_(SelectObject(hdc, object)) {}
    ~ScopedSelect() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(hdc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

// Text for the Win32 boundary: on Windows wchar_t and char16_t have the same size and layout.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline const wchar_t* wide(const std::u16string& text) noexcept { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline const wchar_t* wide(const char16_t* text) noexcept { return reinterpret_cast<const wchar_t*>(text); }
inline std::u16string fromWide(const wchar_t* text) { return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string(); }
inline std::u16string fromWide(const wchar_t* text, std::size_t length) { return std::u16string(reinterpret_cast<const char16_t*>(text), length); }

} // namespace zorbel
