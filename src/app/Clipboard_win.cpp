#include "app/Clipboard_win.h"

#include <cstring>

#include "app/Handles_win.h"

namespace zorbel {
namespace {

// The one format this program leaves to render later, and what renders it.
struct DelayedFormat {
    UINT format = 0;
    ClipboardRenderer render;
};
std::optional<DelayedFormat> delayed;

// The error the last call left, or the fallback when it left none.
DWORD lastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// The data in movable global memory, as SetClipboardData takes it.
UniqueGlobalMemory globalCopy(const void* data, std::size_t size) {
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return memory;
    const LockedGlobalMemory locked(memory.get());
    if (!locked.data()) return UniqueGlobalMemory();
    std::memcpy(locked.data(), data, size);
    return memory;
}

DWORD replaceClipboardContents(HWND owner, UINT format, UniqueGlobalMemory memory, UINT delayedFormat,
                           ClipboardRenderer render) {
    const OpenClipboardScope clipboard(owner);
    if (!clipboard || !EmptyClipboard()) return lastErrorOr(ERROR_ACCESS_DENIED);
    // What an earlier copy left to render is gone with the contents, whichever window of ours
    // owned them.
    delayed.reset();
    if (!SetClipboardData(format, memory.get())) return lastErrorOr(ERROR_ACCESS_DENIED);
    memory.release(); // the system owns it now
    if (delayedFormat != 0 && render) {
        try {
            delayed = DelayedFormat{delayedFormat, std::move(render)};
        } catch (...) {
            return ERROR_SUCCESS; // without the delayed format
        }
        // A null handle offers the format; its data comes with WM_RENDERFORMAT. Success returns
        // that null handle too, so only the last error tells a failure.
        SetLastError(ERROR_SUCCESS);
        if (!SetClipboardData(delayedFormat, nullptr) && GetLastError() != ERROR_SUCCESS) delayed.reset();
    }
    return ERROR_SUCCESS;
}

// Renders the delayed format onto the clipboard, which the caller has open. True when the
// clipboard took the data.
bool renderOntoClipboard(const DelayedFormat& format) noexcept {
    try {
        const std::optional<std::string> data = format.render();
        if (!data) return false;
        UniqueGlobalMemory memory = globalCopy(data->data(), data->size());
        if (!memory || !SetClipboardData(format.format, memory.get())) return false;
        memory.release();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

DWORD putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size) {
    return putOnClipboardWithDelayed(owner, format, data, size, 0, nullptr);
}

DWORD putOnClipboardWithDelayed(HWND owner, UINT format, const void* data, std::size_t size, UINT delayedFormat,
                                ClipboardRenderer render) {
    SetLastError(ERROR_SUCCESS);
    // The memory is filled before the clipboard is opened, so that other programs wait as briefly
    // as possible.
    UniqueGlobalMemory memory = globalCopy(data, size);
    if (!memory) return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    return replaceClipboardContents(owner, format, std::move(memory), delayedFormat, std::move(render));
}

DWORD putTextOnClipboard(HWND owner, const std::u16string& text) {
    return putOnClipboard(owner, CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

void renderDelayedClipboardFormat(UINT format) noexcept {
    // The program that asked holds the clipboard open; the owner only sets the data.
    if (!delayed || delayed->format != format) return;
    if (renderOntoClipboard(*delayed)) delayed.reset();
}

void renderAllDelayedClipboardFormats(HWND owner) noexcept {
    if (!delayed) return;
    {
        const OpenClipboardScope clipboard(owner);
        // Another program may have taken the clipboard over since; its contents are left alone.
        if (clipboard && GetClipboardOwner() == owner) renderOntoClipboard(*delayed);
    }
    delayed.reset();
}

void forgetDelayedClipboardFormats() noexcept { delayed.reset(); }

bool hasDelayedClipboardFormat() noexcept { return delayed.has_value(); }

} // namespace zorbel
