// Helpers shared by the Win32 tests: windows of the test process with chosen styles, a thread that
// owns windows and can be made to stop answering, message pumping, waiting, and temporary folders.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/Handles_win.h"
#include "app/MenuIcons_win.h"
#include "app/TrayIcon_win.h"

namespace zorbel::test {

// ---- The program's environment -----------------------------------------------------------------

// True when the shell holds a tray icon with this owner and identifier.
inline bool trayIconExists(HWND owner, UINT id = 0) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = id;
    data.uFlags = 0; // changes nothing; only asks whether the icon is there
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

inline void deleteTrayIcon(HWND owner, UINT id = 0) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = id;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

// What start-up does before the tray menu can be built: the bound functions, the core window and
// the menu images with the tray icon. Safe to call more than once in one process.
inline bool prepareTrayProcess() {
    static bool bound = false;
    if (!bound) {
        bindFunctions();
        bound = true;
    }
    if (!coreWindow() && !createCoreWindow(GetModuleHandleW(nullptr))) return false;
    (void)registerCoreMessages();
    (void)reloadMenuIconsIfDpiChanged();
    // Another test of this process may have freed the menu images or loaded them at another size.
    const SmallIconMetrics& metrics = smallIconMetrics();
    (void)loadMenuIcons(GetModuleHandleW(nullptr), metrics.width, metrics.height);
    // An earlier test of this process may have taken the icon away.
    if (!trayIconExists(coreWindow())) recreateTrayIcon();
    return coreWindow() != nullptr;
}

// ---- Messages and waiting ----------------------------------------------------------------------

// A file through which a death test's child process tells this process something: the child
// inherits its path through the environment variable, the parent makes the path once.
inline std::wstring deathTestNotePath(const wchar_t* variable, const std::wstring& stem) {
    wchar_t inherited[MAX_PATH]{};
    const DWORD length = GetEnvironmentVariableW(variable, inherited, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return inherited; // the death test's child
    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + stem + std::to_wstring(GetCurrentProcessId()) + L".txt";
    SetEnvironmentVariableW(variable, path.c_str());
    return path;
}

inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Pumps this thread's messages until done() holds or the time is up; returns done().
inline bool pumpUntil(DWORD timeoutMs, const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return done();
        pumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Checks done() every 50 ms, without reading messages, until it holds or the time is up; returns
// done(). For helper programs that watch another process.
inline bool waitFor(DWORD timeoutMs, const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        if (done()) return true;
        Sleep(50);
    } while (GetTickCount64() < end);
    return done();
}

// The clipboard's Unicode text, "<no text>" without any, "<clipboard busy>" when it cannot be opened.
inline std::u16string clipboardText() {
    const OpenClipboardScope clipboard(nullptr);
    if (!clipboard) return u"<clipboard busy>";
    std::u16string text = u"<no text>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const LockedGlobalMemory locked(data);
        if (const auto* chars = static_cast<const char16_t*>(locked.data())) text = chars;
    }
    return text;
}

// A monotonic clock in milliseconds, for the benchmarks.
inline double nowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// ---- Windows of the test process ---------------------------------------------------------------

inline constexpr wchar_t kTestWindowClass[] = L"ZorbelTestWindow";

// The property that holds a test window's answer delay (WindowShape::answerDelayMs).
inline constexpr wchar_t kAnswerDelayProperty[] = L"ZorbelTestAnswerDelay";

inline LRESULT CALLBACK testWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // Slow only towards other threads: Wine's own WM_GETICON to a window from its thread (to
    // update the X11 icon) is answered at once.
    if ((message == WM_NULL || message == WM_GETICON) && InSendMessageEx(nullptr) != ISMEX_NOSEND) {
        if (const auto delay = reinterpret_cast<std::uintptr_t>(GetPropW(hwnd, kAnswerDelayProperty)))
            Sleep(static_cast<DWORD>(delay));
    }
    if (message == WM_NCDESTROY) RemovePropW(hwnd, kAnswerDelayProperty);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

inline void registerTestWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = testWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kTestWindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly when already registered
}

struct WindowShape {
    std::wstring title = L"Zorbel test window";
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    DWORD exStyle = WS_EX_APPWINDOW;
    HWND owner = nullptr;
    int x = 40;
    int y = 40;
    int width = 320;
    int height = 200;
    DWORD answerDelayMs = 0; // WM_NULL and WM_GETICON are answered only after this long: a slow program
};

// A number as the tray texts write it, for comparing with them.
inline std::u16string decimal(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

inline UniqueWindow createTestWindow(const WindowShape& shape) {
    registerTestWindowClass();
    UniqueWindow window(CreateWindowExW(shape.exStyle, kTestWindowClass, shape.title.c_str(), shape.style, shape.x,
                                        shape.y, shape.width, shape.height, shape.owner, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
    if (window && shape.answerDelayMs > 0)
        SetPropW(window.get(), kAnswerDelayProperty, reinterpret_cast<HANDLE>(std::uintptr_t{shape.answerDelayMs}));
    return window;
}

// A thread with windows of its own and a message loop. hang() makes the thread block inside its
// window procedure (it stops pumping messages, as a hung program does) until resume().
class WindowThread {
public:
    static constexpr UINT kHangMessage = WM_APP + 1;
    static constexpr UINT kCreateMessage = WM_APP + 2;
    static constexpr UINT kRunMessage = WM_APP + 3;

    WindowThread() : resume_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready] { run(ready); });
        WaitForSingleObject(ready, INFINITE);
        CloseHandle(ready);
    }
    ~WindowThread() {
        resume();
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    // Creates a window on the thread (its owner, if any, must belong to the thread too or be null).
    HWND createWindow(const WindowShape& shape) {
        HWND hwnd = nullptr;
        runOnThread([&] { hwnd = createTestWindow(shape).release(); });
        if (hwnd) windows_.push_back(hwnd);
        return hwnd;
    }

    void destroyWindow(HWND hwnd) {
        runOnThread([&] { DestroyWindow(hwnd); });
        std::erase(windows_, hwnd);
    }

    // Runs work on the thread and waits for it.
    void runOnThread(const std::function<void()>& work) {
        SendMessageW(control_, kRunMessage, 0, reinterpret_cast<LPARAM>(&work));
    }

    // The thread blocks without pumping messages until resume(); returns once it is blocked.
    void hang() {
        ResetEvent(resume_);
        hung_ = false;
        PostMessageW(control_, kHangMessage, 0, 0);
        while (!hung_) Sleep(1);
    }
    void resume() { SetEvent(resume_); }

    DWORD threadId() const { return threadId_; }

private:
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        auto* self = reinterpret_cast<WindowThread*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && message == kHangMessage) {
            self->hung_ = true;
            WaitForSingleObject(self->resume_, INFINITE);
            return 0;
        }
        if (self && message == kRunMessage) {
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    void run(HANDLE ready) {
        threadId_ = GetCurrentThreadId();
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = controlProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ZorbelTestThreadControl";
        RegisterClassExW(&windowClass);
        // A message-only window: never a top-level window that the tray menu could list.
        control_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetEvent(ready);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        for (HWND hwnd : windows_) DestroyWindow(hwnd);
        DestroyWindow(control_);
    }

    HANDLE resume_;
    std::thread thread_;
    DWORD threadId_ = 0;
    HWND control_ = nullptr;
    std::atomic<bool> hung_{false};
    std::vector<HWND> windows_;
};

// Windows of other threads that answer WM_NULL and WM_GETICON only after a delay, as a slow
// program does; each has a thread of its own (one thread would answer them one after the other)
// and the system's application icon as its own.
class SlowWindows {
public:
    SlowWindows(int count, DWORD delayMs, const std::wstring& title) {
        HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
        for (int i = 0; i < count; ++i) {
            threads_.push_back(std::make_unique<WindowThread>());
            WindowShape shape;
            shape.title = title + L" " + std::to_wstring(i);
            shape.x = 20 + (i % 40) * 20;
            shape.y = 20 + (i % 25) * 20;
            shape.answerDelayMs = delayMs;
            HWND hwnd = threads_.back()->createWindow(shape);
            if (!hwnd) continue;
            SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
            SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
            windows_.push_back(hwnd);
        }
    }
    const std::vector<HWND>& windows() const { return windows_; }

private:
    std::vector<std::unique_ptr<WindowThread>> threads_;
    std::vector<HWND> windows_;
};

// ---- Files -------------------------------------------------------------------------------------

inline std::u16string u16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
inline std::wstring w(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

// A new empty folder under the temporary folder, removed with everything in it at scope exit.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH]{};
        GetTempPathW(MAX_PATH, base);
        static std::atomic<unsigned> counter{0};
        for (;;) {
            path_ = std::wstring(base) + L"zorbel-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(counter++);
            if (CreateDirectoryW(path_.c_str(), nullptr)) break;
            if (GetLastError() != ERROR_ALREADY_EXISTS) break;
        }
    }
    ~TempFolder() { removeTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }

    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found{};
        UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &found));
        if (find) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring full = folder + L"\\" + name;
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(full);
                else
                    DeleteFileW(full.c_str());
            } while (FindNextFileW(find.get(), &found));
        }
        find.reset();
        RemoveDirectoryW(folder.c_str());
    }

private:
    std::wstring path_;
};

inline bool writeBytes(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// The file's bytes; nothing when it cannot be opened.
inline std::optional<std::string> readBytes(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

inline bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

} // namespace zorbel::test
