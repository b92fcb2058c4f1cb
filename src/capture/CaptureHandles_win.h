// Owners for the handles of the capture code that the app's set does not cover.
#pragma once

#include <windows.h>

#include "app/BoundFunctions_win.h"
#include "app/Handles_win.h"

namespace zorbel {

namespace handle_traits {
struct GlobalMemory {
    using Handle = HGLOBAL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { GlobalFree(h); }
};
struct DwmThumbnail {
    using Handle = void*; // HTHUMBNAIL
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept {
        if (const auto unregister = bound().DwmUnregisterThumbnail) unregister(h);
    }
};
} // namespace handle_traits

// Until SetClipboardData succeeds the memory is ours; afterwards release() hands it to the system.
using UniqueGlobalMemory = UniqueHandle<handle_traits::GlobalMemory>;
using UniqueDwmThumbnail = UniqueHandle<handle_traits::DwmThumbnail>;

// The clipboard, opened for the lifetime of the scope.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

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

} // namespace zorbel
