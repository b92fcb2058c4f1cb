#include "app/Process_win.h"

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/BoundFunctions_win.h"
#include "app/CoreWindow_win.h"
#include "app/Handles_win.h"
#include "app/MenuIcons_win.h"
#include "app/Notifications_win.h"
#include "app/PathText.h"
#include "app/TrayIcon_win.h"
#include "app/TrayMenu_win.h"
#include "capture/RegionOverlay_win.h"
#include "windows/WheelTransparency_win.h"

namespace zorbel {
namespace {

UniqueKernelHandle instanceMutex;
bool fromStartupFolder = false;

std::u16string lowerCase(std::u16string text) {
    if (!text.empty()) CharLowerW(reinterpret_cast<wchar_t*>(text.data()));
    return text;
}

void releaseInstanceMutex() {
    if (instanceMutex) {
        ReleaseMutex(instanceMutex.get());
        instanceMutex.reset();
    }
}

} // namespace

std::u16string programPath() {
    // However deep the folder: a path cut at 260 characters names no file at all.
    const std::optional<std::u16string> path = readGrowingText([](char16_t* buffer, std::size_t size) {
        return static_cast<std::size_t>(
            GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer), static_cast<DWORD>(size)));
    });
    return path.value_or(std::u16string());
}

bool isProcessElevated() {
    const BoundFunctions& f = bound();
    if (!f.CheckTokenMembership || !f.AllocateAndInitializeSid || !f.FreeSid) return false;
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    BOOL member = FALSE;
    if (f.AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                   0, 0, &administrators)) {
        if (!f.CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
        f.FreeSid(administrators);
    }
    return member != FALSE;
}

InstanceCheck createSingleInstanceMutex() {
    SetLastError(0);
    instanceMutex.reset(CreateMutexW(nullptr, TRUE, L"Zorbel!_Mutex"));
    if (instanceMutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        instanceMutex.reset();
        return InstanceCheck::AlreadyRunning;
    }
    return InstanceCheck::FirstInstance;
}

void startupFolderOperation(bool check, bool copy) {
    const auto getKnownFolderPath = bound().SHGetKnownFolderPath;
    if (!getKnownFolderPath) return;
    PWSTR folder = nullptr;
    if (getKnownFolderPath(FOLDERID_Startup, KF_FLAG_DEFAULT_PATH, nullptr, &folder) != S_OK) {
        if (folder) CoTaskMemFree(folder);
        return;
    }
    const std::u16string startupFolder = fromWide(folder);
    CoTaskMemFree(folder);

    const std::u16string program = programPath();
    if (program.empty()) return;
    const std::u16string programFolder = folderOfPath(program);

    if (check && lowerCase(startupFolder) == lowerCase(programFolder)) fromStartupFolder = true;
    if (copy) {
        const std::u16string target = startupFolder + u"\\Zorbel!.exe";
        if (CopyFileW(wide(extendedLengthPath(program)), wide(target), FALSE))
            BalloonByCode(9);
        else
            MessageBoxByCodeOnNewThread(8);
    }
}

bool runsFromStartupFolder() { return fromStartupFolder; }

void relaunchElevated() {
    const std::u16string program = programPath();
    if (!program.empty()) {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = coreWindow();
        info.lpVerb = L"runas";
        info.lpFile = wide(program);
        info.nShow = SW_SHOWNORMAL;
        // The new instance must be able to create the mutex.
        releaseInstanceMutex();
        if (ShellExecuteExW(&info)) plainExit();
    }
    MessageBoxByCodeOnNewThread(9);
}

void exitRoutine() {
    endWheelTransparencyMode();
    if (const auto deregister = bound().DeregisterShellHookWindow; deregister && coreWindow())
        deregister(coreWindow());
    releaseInstanceMutex();
    destroyTrayMenu();
    freeMenuIcons();
    plainExit();
}

void plainExit() {
    // The tray menu stays reachable by keyboard while the region overlay is open: precision mode
    // must not outlive the program with the mouse at its slowest.
    closeRegionCaptureForExit();
    removeTrayIcon();
    destroyTrayMenu();
    destroyCoreWindow();
    releaseInstanceMutex();
    ExitProcess(0);
}

} // namespace zorbel
