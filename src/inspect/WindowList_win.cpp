#include "inspect/WindowList_win.h"

#include <map>

#include "app/BoundFunctions_win.h"
#include "inspect/Notices_win.h"
#include "inspect/WinAppDetails_win.h"
#include "inspect/WindowQueries_win.h"

namespace zorbel {
namespace {

constexpr LONG kStatusBufferTooSmall = static_cast<LONG>(0xC0000023);
constexpr int kListAttempts = 3;
constexpr int kNoWindowSelectedForChildren = 10;
constexpr int kNoThreadForThreads = 11;

std::vector<WindowListEntry> entries;

std::uint64_t handleValue(HWND window) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window)); }
HWND windowOf(std::uint64_t handle) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle)); }

// NtUserBuildHwndList returns an NTSTATUS and need not set the thread's last error.
DWORD errorOfStatus(LONG status) {
    if (const DWORD error = GetLastError()) return error;
    using StatusToError = ULONG(WINAPI*)(LONG);
    static const auto statusToError = reinterpret_cast<StatusToError>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlNtStatusToDosError")));
    return statusToError ? statusToError(status) : ERROR_GEN_FAILURE;
}

// The handles NtUserBuildHwndList gives, ending in the zero the buffer was cleared with; nothing
// when the call fails (the user has been told then) or gives no window at all.
std::optional<std::vector<HWND>> buildHwndList(BuildHwndList build, HWND parent, bool children, DWORD thread) {
    for (int attempt = 0; attempt < kListAttempts; ++attempt) {
        UINT count = 0;
        SetLastError(0);
        LONG status = build(nullptr, parent, children, FALSE, thread, 0, nullptr, &count);
        // Asked with no room, the call must say how much it needs: success here is a failure,
        // and the list the user sees is kept instead of being emptied.
        if (status != kStatusBufferTooSmall) {
            viewerNotices().systemError(errorOfStatus(status));
            return std::nullopt;
        }
        std::vector<HWND> handles(static_cast<std::size_t>(count) + 1, nullptr);
        UINT filled = count;
        SetLastError(0);
        status = build(nullptr, parent, children, FALSE, thread, count, handles.data(), &filled);
        if (status == 0) {
            if (filled == 0) return std::nullopt; // nothing listed: the list stays as it was
            handles.resize(static_cast<std::size_t>(filled < count ? filled : count) + 1);
            handles.back() = nullptr;
            return handles;
        }
        // Windows were created between the two calls: ask again.
        if (status == kStatusBufferTooSmall) continue;
        viewerNotices().systemError(errorOfStatus(status));
        return std::nullopt;
    }
    viewerNotices().systemError(ERROR_INSUFFICIENT_BUFFER);
    return std::nullopt;
}

BOOL CALLBACK collectWindow(HWND window, LPARAM list) noexcept {
    try {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    } catch (...) {
        return FALSE; // no memory for more: the windows so far are listed
    }
    return TRUE;
}

// The same lists from the documented enumerations. Wine's NtUserBuildHwndList lists the top-level
// windows whatever parent and flag it is given, so there these stand in for it.
std::vector<HWND> enumerateHwndList(HWND parent, bool children, DWORD thread) {
    std::vector<HWND> handles;
    const LPARAM list = reinterpret_cast<LPARAM>(&handles);
    if (thread != 0)
        EnumThreadWindows(thread, collectWindow, list);
    else if (children)
        EnumChildWindows(parent ? parent : GetDesktopWindow(), collectWindow, list);
    else
        EnumWindows(collectWindow, list);
    handles.push_back(nullptr);
    return handles;
}

// One process query per process, not per window.
template <typename Test>
void keepWindowsWhoseProcess(Test test) {
    std::map<DWORD, bool> answers;
    keepMatchingEntries(entries, [&](const WindowListEntry& entry) {
        HWND window = windowOf(entry.handle);
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == 0) return false;
        const auto known = answers.find(processId);
        if (known != answers.end()) return known->second;
        return answers[processId] = test(window);
    });
}

// Replaces the list with the windows of handles, each with its depth below parent.
void fillEntries(const std::vector<HWND>& handles, HWND parent) {
    AncestorCounter ancestors([](std::uint64_t handle) { return handleValue(GetAncestor(windowOf(handle), GA_PARENT)); });
    const std::int32_t parentCount = ancestors.count(handleValue(parent));
    std::vector<WindowListEntry> filled;
    filled.reserve(handles.size());
    for (HWND window : handles) {
        WindowListEntry entry;
        entry.handle = handleValue(window);
        entry.title = windowTitleText(window);
        entry.className = windowClassText(window);
        entry.depth = ancestors.count(entry.handle) - parentCount;
        filled.push_back(std::move(entry));
    }
    entries = std::move(filled);
}

} // namespace

std::vector<WindowListEntry>& windowList() { return entries; }

bool fillFromSystemList(HWND parent, bool children, DWORD thread) {
    if (bound().NtUserBuildHwndList && !runningUnderWine())
        return fillFromHwndList(bound().NtUserBuildHwndList, parent, children, thread);
    fillEntries(enumerateHwndList(parent, children, thread), parent);
    return true;
}

bool fillFromHwndList(BuildHwndList build, HWND parent, bool children, DWORD thread) {
    std::optional<std::vector<HWND>> built = buildHwndList(build, parent, children, thread);
    if (!built) return false;
    fillEntries(*built, parent);
    return true;
}

std::optional<HWND> runEnumeration(Enumeration enumeration, HWND selected) {
    HWND desktop = GetDesktopWindow();
    switch (enumeration) {
    case Enumeration::Desktop:
        if (!fillFromSystemList(desktop, true, 0)) return std::nullopt;
        return desktop;
    case Enumeration::TopLevel:
        if (!fillFromSystemList(nullptr, false, 0)) return std::nullopt;
        return desktop;
    case Enumeration::Children: {
        if (selected == desktop) {
            std::vector<HWND> children;
            EnumChildWindows(desktop, collectWindow, reinterpret_cast<LPARAM>(&children));
            entries.assign(1, WindowListEntry{});
            for (HWND child : children)
                entries.push_back({handleValue(child), windowTitleText(child), windowClassText(child), 1});
            return desktop;
        }
        if (handleValue(selected) <= 1) {
            viewerNotices().balloon(kNoWindowSelectedForChildren);
            return std::nullopt;
        }
        if (!fillFromSystemList(selected, true, 0)) return std::nullopt;
        return selected;
    }
    case Enumeration::Threads: {
        const DWORD thread = selected ? GetWindowThreadProcessId(selected, nullptr) : 0;
        if (thread == 0) {
            viewerNotices().balloon(kNoThreadForThreads);
            return std::nullopt;
        }
        if (!fillFromSystemList(nullptr, false, thread)) return std::nullopt;
        return desktop;
    }
    case Enumeration::Immersive:
        if (!fillFromSystemList(desktop, true, 0)) return std::nullopt;
        keepWindowsWhoseProcess(isImmersiveWindow);
        return desktop;
    case Enumeration::StoreApps:
        if (!fillFromSystemList(desktop, true, 0)) return std::nullopt;
        keepWindowsWhoseProcess(hasPackageIdentity);
        return desktop;
    }
    return std::nullopt;
}

} // namespace zorbel
