#include "app/Clipboard_win.h"

#include <cstring>

#include "app/Handles_win.h"

namespace zorbel {
namespace {

// The error the last call left, or the fallback when it left none.
DWORD lastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

} // namespace

DWORD putOnClipboard(HWND owner, UINT format, const void* data, std::size_t size) {
    SetLastError(ERROR_SUCCESS);
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    {
        const LockedGlobalMemory locked(memory.get());
        if (!locked.data()) return lastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
        std::memcpy(locked.data(), data, size);
    }
    const OpenClipboardScope clipboard(owner);
    if (!clipboard || !EmptyClipboard()) return lastErrorOr(ERROR_ACCESS_DENIED);
    if (!SetClipboardData(format, memory.get())) return lastErrorOr(ERROR_ACCESS_DENIED);
    memory.release(); // the system owns it now
    return ERROR_SUCCESS;
}

DWORD putTextOnClipboard(HWND owner, const std::u16string& text) {
    return putOnClipboard(owner, CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

} // namespace zorbel
