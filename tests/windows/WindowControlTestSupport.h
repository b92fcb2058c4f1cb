// What the window-control tests share: a window of a second process, the failure reports the code
// under test makes, and a settings folder of their own.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/TrayMenu_win.h"
#include "windows/WindowFailures_win.h"

namespace zorbel::test {

inline constexpr UINT kHostHangMessage = WM_APP + 1;
inline constexpr UINT kHostCountMessage = WM_APP + 2;
inline constexpr wchar_t kHostWindowClass[] = L"ZorbelHostWindow";

inline std::wstring besideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + name;
}

// windowhost_win.exe with one window; the process is ended when the object goes.
class HostWindow {
public:
    enum class ZOrder { Accepted, Refused };

    explicit HostWindow(const std::wstring& title, DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = WS_EX_APPWINDOW,
                        ZOrder zOrder = ZOrder::Accepted) {
        wchar_t styles[64]{};
        swprintf(styles, 64, L" %lx %lx", static_cast<unsigned long>(style), static_cast<unsigned long>(exStyle));
        std::wstring command = L"\"" + program() + L"\" \"" + title + L"\"" + styles;
        if (zOrder == ZOrder::Refused) command += L" refuse-zorder";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return;
        process_.reset(info.hProcess);
        const UniqueKernelHandle thread(info.hThread);
        pumpUntil(10000, [&] {
            hwnd_ = FindWindowW(kHostWindowClass, title.c_str());
            return hwnd_ != nullptr && IsWindowVisible(hwnd_);
        });
    }
    ~HostWindow() { end(); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    static std::wstring program() { return besideThisProgram(L"windowhost_win.exe"); }

    HWND hwnd() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    // The window's thread blocks for good.
    void hang() {
        PostMessageW(hwnd_, kHostHangMessage, 0, 0);
        // Wait until it no longer answers.
        pumpUntil(5000, [&] {
            DWORD_PTR result = 0;
            return SendMessageTimeoutW(hwnd_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 50, &result) == 0;
        });
    }

    int wheelMessages() const { return static_cast<int>(LOWORD(counts())); }
    int middleClicks() const { return static_cast<int>(HIWORD(counts())); }

    bool ended(DWORD waitMs) const { return !process_ || WaitForSingleObject(process_.get(), waitMs) == WAIT_OBJECT_0; }

    void end() {
        if (process_) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), 5000);
            process_.reset();
        }
        hwnd_ = nullptr;
    }

private:
    DWORD_PTR counts() const {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(hwnd_, kHostCountMessage, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
        return result;
    }

    UniqueKernelHandle process_;
    HWND hwnd_ = nullptr;
};

// Collects the failure reports for the life of the object instead of showing balloons.
class FailureReports {
public:
    FailureReports() { previous_ = setWindowFailureSink(&FailureReports::record); reports().clear(); }
    ~FailureReports() { setWindowFailureSink(previous_); }
    FailureReports(const FailureReports&) = delete;
    FailureReports& operator=(const FailureReports&) = delete;

    const std::vector<FailureReport>& all() const { return reports(); }
    void clear() { reports().clear(); }

private:
    static std::vector<FailureReport>& reports() {
        static std::vector<FailureReport> list;
        return list;
    }
    static void record(const FailureReport& report) { reports().push_back(report); }

    WindowFailureSink previous_ = nullptr;
};

// APPDATA points at an empty folder of the test's own, so saving the settings touches nothing else.
class ScopedAppData {
public:
    ScopedAppData() {
        wchar_t old[MAX_PATH]{};
        hadOld_ = GetEnvironmentVariableW(L"APPDATA", old, MAX_PATH) > 0;
        old_ = old;
        SetEnvironmentVariableW(L"APPDATA", folder_.path().c_str());
    }
    ~ScopedAppData() { SetEnvironmentVariableW(L"APPDATA", hadOld_ ? old_.c_str() : nullptr); }
    ScopedAppData(const ScopedAppData&) = delete;
    ScopedAppData& operator=(const ScopedAppData&) = delete;

    std::wstring settingsFile() const { return folder_.path() + L"\\Zorbel!\\Zorbel!.ini"; }

private:
    TempFolder folder_;
    std::wstring old_;
    bool hadOld_ = false;
};

// Runs the tray's timer tick, which rebuilds the menu when asked to and clears the request.
inline void takeRebuildRequest() {
    if (menuRebuildRequested()) trayMenuTimerProc(nullptr, WM_TIMER, 0, 0);
}

// Draws the window as a program with per-pixel alpha does: a half-transparent grey square.
inline bool drawWithUpdateLayeredWindow(HWND hwnd) {
    constexpr int kSide = 40;
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kSide;
    info.bmiHeader.biHeight = -kSide;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const UniqueBitmap dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !dib || !bits) return false;
    std::fill_n(static_cast<std::uint32_t*>(bits), kSide * kSide, 0x80404040u); // premultiplied
    const ScopedSelect selected(memory.get(), dib.get());
    SIZE size{kSide, kSide};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return UpdateLayeredWindow(hwnd, screen.get(), nullptr, &size, memory.get(), &source, 0, &blend, ULW_ALPHA) !=
           FALSE;
}

inline bool hasExStyle(HWND hwnd, DWORD bits) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & bits) == bits; }

} // namespace zorbel::test
