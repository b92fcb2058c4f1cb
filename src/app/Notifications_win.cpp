#include "app/Notifications_win.h"

#include <shellapi.h>

#include "app/CoreWindow_win.h"
#include "app/Handles_win.h"
#include "app/Notifications.h"
#include "app/Version.h"
#include "settings/ProjectInfo.h"
#include "settings/Settings.h"
#include "settings/StringTable.h"
#include "settings/UpdateCheck.h"

namespace zorbel {
namespace {

std::u16string lastSystemErrorText;
std::u16string lastBalloon;

DWORD WINAPI messageBoxThread(LPVOID parameter) noexcept {
    // The box's text is allocated; without memory for it the thread ends without a box.
    try {
        MessageBoxByCode(static_cast<int>(reinterpret_cast<INT_PTR>(parameter)));
    } catch (...) {
        return 1;
    }
    return 0;
}

// WinINet's errors keep their texts in wininet.dll, not in the system's table.
constexpr DWORD kWinInetFirstError = 12000; // INTERNET_ERROR_BASE
constexpr DWORD kWinInetLastError = 12175;  // INTERNET_ERROR_LAST

HMODULE messageModule(DWORD errorCode) {
    if (errorCode < kWinInetFirstError || errorCode > kWinInetLastError) return nullptr;
    return GetModuleHandleW(L"wininet.dll");
}

bool isBlank(const wchar_t* text, DWORD length) {
    for (DWORD i = 0; i < length; ++i) {
        if (text[i] != L' ' && text[i] != L'\t' && text[i] != L'\r' && text[i] != L'\n') return false;
    }
    return true;
}

template <std::size_t N>
void copyText(wchar_t (&target)[N], const std::u16string& text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(reinterpret_cast<char16_t*>(target), length);
    target[length] = L'\0';
}

} // namespace

const wchar_t* const kHomePageUrl = wide(kProjectHomePage.data());

const std::u16string& programVersionText() {
    static const std::u16string text = versionText(ZORBEL_BUILD_DATE);
    return text;
}

namespace {

BOOL showBalloonContent(const BalloonContent& content) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = coreWindow();
    data.uID = 0;
    data.uFlags = NIF_INFO | NIF_GUID;
    data.uTimeout = 4;
    data.dwInfoFlags = content.infoFlags;
    copyText(data.szInfoTitle, content.title);
    copyText(data.szInfo, content.text);
    lastBalloon = content.text;
    return Shell_NotifyIconW(NIM_MODIFY, &data);
}

} // namespace

BOOL BalloonByCode(int code) {
    return showBalloonContent(balloonContent(code, strings(), lastSystemErrorText, programVersionText(),
                                             currentSettings().pMessageBeep != 0));
}

BOOL BalloonWithText(std::u16string_view text) {
    // The system-error balloon shows the text it is given.
    return showBalloonContent(balloonContent(kSystemErrorBalloon, strings(), text, programVersionText(),
                                             currentSettings().pMessageBeep != 0));
}

const std::u16string& lastBalloonText() { return lastBalloon; }

void MessageBoxByCode(int code) {
    const MessageBoxContent content = messageBoxContent(code, strings(), aboutText(strings().languageName()));
    const int answer = MessageBoxW(content.ownedByCoreWindow ? coreWindow() : nullptr, wide(content.text),
                                   wide(programVersionText()), content.flags);
    if (answer == IDYES && content.yesOpensHomePage) openUrl(kHomePageUrl);
}

void MessageBoxByCodeOnNewThread(int code) {
    // Nobody waits for the box: the thread's handle is released at once.
    const UniqueKernelHandle thread(CreateThread(
        nullptr, 0, messageBoxThread, reinterpret_cast<LPVOID>(static_cast<INT_PTR>(code)), 0, nullptr));
}

std::u16string systemErrorNotification(DWORD errorCode, bool wantText) {
    wchar_t* buffer = nullptr;
    const HMODULE module = messageModule(errorCode);
    // No arguments are passed, so inserts (%1) must stay as they are: without IGNORE_INSERTS a
    // text that has them fails to format and would show only the code.
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                        (module ? FORMAT_MESSAGE_FROM_HMODULE : 0);
    const DWORD length = FormatMessageW(flags, module, errorCode, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || !buffer || isBlank(buffer, length)) {
        if (buffer) LocalFree(buffer);
        if (wantText) return systemErrorFallbackText(errorCode);
        // A failure the system has no text for is still a failure: the balloon names the code.
        lastSystemErrorText = systemErrorFallbackText(errorCode);
        BalloonByCode(-1);
        return lastSystemErrorText;
    }
    lastSystemErrorText.assign(reinterpret_cast<const char16_t*>(buffer), length);
    LocalFree(buffer);
    if (wantText) return lastSystemErrorText;
    BalloonByCode(-1);
    return {};
}

void openUrl(const wchar_t* url) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC;
    info.lpFile = url;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

void notificationSound() {
    if (currentSettings().pMessageBeep) MessageBeep(MB_ICONEXCLAMATION);
}

} // namespace zorbel
