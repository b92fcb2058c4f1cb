#include "windows/WindowMonitor_win.h"

#include <algorithm>

#include "app/BoundFunctions_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "windows/ZOrder_win.h"

namespace zorbel {
namespace {

constexpr int kNameLength = 260;
constexpr DWORD kFirstPathLength = MAX_PATH;
constexpr DWORD kLongestPath = 32768; // the longest path the system accepts, in characters
constexpr wchar_t kCoreWindowClass[] = L"Windows.UI.Core.CoreWindow";

RepinFailureLog repinFailures;

std::u16string readClassName(HWND hwnd) {
    wchar_t buffer[kNameLength]{};
    const int length = GetClassNameW(hwnd, buffer, kNameLength);
    return length > 0 ? fromWide(buffer, static_cast<std::size_t>(length)) : u" ";
}

std::u16string readTitle(HWND hwnd) {
    wchar_t buffer[kNameLength]{};
    int length = 0;
    // Never sends a message: a hung window cannot stall this.
    if (const auto internalGetWindowText = bound().InternalGetWindowText)
        length = internalGetWindowText(hwnd, buffer, kNameLength);
    return length > 0 ? fromWide(buffer, static_cast<std::size_t>(length)) : u" ";
}

DWORD programProcessId(HWND hwnd) {
    HWND core = FindWindowExW(hwnd, nullptr, kCoreWindowClass, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(core ? core : hwnd, &processId);
    return processId;
}

} // namespace

MonitorWindowFacts readMonitorFacts(HWND hwnd) {
    return {readClassName(hwnd), GetWindowLongW(hwnd, GWL_STYLE), GetWindowLongW(hwnd, GWL_EXSTYLE)};
}

std::u16string processImagePath(DWORD processId) {
    const auto query = bound().QueryFullProcessImageNameW;
    if (!query || processId == 0) return {};
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    // Paths longer than MAX_PATH exist; a rule made without its path could never be saved.
    std::vector<wchar_t> buffer(kFirstPathLength);
    for (;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        if (query(process.get(), 0, buffer.data(), &length)) return fromWide(buffer.data(), length);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || buffer.size() >= kLongestPath) return {};
        buffer.resize(std::min<std::size_t>(buffer.size() * 4, kLongestPath));
    }
}

std::u16string windowProgramPath(HWND hwnd) { return processImagePath(programProcessId(hwnd)); }

bool matchesMonitorRule(HWND hwnd) {
    ProgramPathSource path([hwnd] { return windowProgramPath(hwnd); });
    return findMonitorRule(monitorRules(), readMonitorFacts(hwnd), path) != 0;
}

bool rememberMonitoredWindow(HWND hwnd) {
    if (!setWindowZOrder(hwnd, HWND_TOPMOST)) return false;
    // Read after pinning, so the stored extended style normally includes WS_EX_TOPMOST.
    const MonitorWindowFacts facts = readMonitorFacts(hwnd);
    ProgramPathSource path([hwnd] { return windowProgramPath(hwnd); });
    MonitorRules& rules = monitorRules();
    if (findMonitorRule(rules, facts, path) == 0) {
        rules.push_back({readTitle(hwnd), path.get(), facts.className, facts.style, facts.exStyle});
        core::saveSettings();
        core::requestMenuRebuild();
    }
    notifyMonitorRulesChanged();
    return true;
}

bool forgetMonitoredWindow(HWND hwnd) {
    ProgramPathSource path([hwnd] { return windowProgramPath(hwnd); });
    if (clearMatchingRules(monitorRules(), readMonitorFacts(hwnd), path) == 0) return false;
    core::saveSettings();
    core::requestMenuRebuild();
    notifyMonitorRulesChanged();
    return true;
}

bool disableMonitor(HWND hwnd) {
    if (!setWindowZOrder(hwnd, HWND_NOTOPMOST)) return false;
    forgetMonitoredWindow(hwnd);
    return true;
}

MonitorPass::MonitorPass() : active_(hasActiveRules(monitorRules())) {}

const std::u16string& MonitorPass::programPath(HWND programWindow) {
    DWORD processId = 0;
    GetWindowThreadProcessId(programWindow, &processId);
    for (const auto& [id, path] : paths_)
        if (id == processId) return path;
    ++pathsRead_;
    paths_.emplace_back(processId, processImagePath(processId));
    return paths_.back().second;
}

MonitorPass::Result MonitorPass::repin(HWND hwnd, DWORD style, DWORD exStyle, HWND coreChild) {
    if (!active_) return {};
    const MonitorWindowFacts facts{readClassName(hwnd), static_cast<std::int32_t>(style),
                                   static_cast<std::int32_t>(exStyle)};
    HWND programWindow = coreChild ? coreChild : hwnd;
    ProgramPathSource path([this, programWindow] { return programPath(programWindow); });
    if (findMonitorRule(monitorRules(), facts, path) == 0) return {};
    if (exStyle & WS_EX_TOPMOST) return {true, false};
    // From the timer: the window must not take the focus from whatever the user is doing.
    const WindowChange change = changeWindowZOrder(hwnd, HWND_TOPMOST, Activation::KeepInactive);
    const auto key = reinterpret_cast<std::uintptr_t>(hwnd);
    if (change.ok) {
        repinFailures.succeeded(key);
        return {true, true};
    }
    if (repinFailures.firstFailure(key)) reportWindowFailure(change);
    return {true, false};
}

bool repinMonitoredWindow(HWND hwnd) {
    MonitorPass pass;
    return pass.repin(hwnd, static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                      static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)),
                      FindWindowExW(hwnd, nullptr, kCoreWindowClass, nullptr))
        .monitored;
}

} // namespace zorbel
