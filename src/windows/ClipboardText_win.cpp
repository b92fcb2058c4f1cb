#include "windows/ClipboardText_win.h"

#include <cstring>

#include "app/CoreServices.h"
#include "app/Handles_win.h"

namespace zorbel {
namespace {

struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { GlobalFree(h); }
};
using UniqueGlobalMemory = UniqueHandle<GlobalMemoryTraits>;

// Open from OpenClipboard to the end of the scope.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

bool fail() {
    core::reportSystemError(GetLastError());
    return false;
}

} // namespace

bool copyTextToClipboard(HWND owner, const std::u16string& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    SetLastError(0);
    UniqueGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return fail();
    void* target = GlobalLock(memory.get());
    if (!target) return fail();
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory.get());

    OpenedClipboard clipboard(owner);
    if (!clipboard) return fail();
    if (!EmptyClipboard()) return fail();
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return fail();
    // The clipboard owns the memory now.
    memory.release();
    return true;
}

} // namespace zorbel
