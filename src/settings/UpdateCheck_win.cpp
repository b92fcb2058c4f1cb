#include "settings/UpdateCheck_win.h"

#include <objbase.h>
#include <wininet.h>

#include <atomic>
#include <cwchar>
#include <memory>
#include <vector>

#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "app/Version.h"
#include "settings/ProjectInfo.h"

namespace zorbel {
namespace {

struct InternetTraits {
    using Handle = HINTERNET;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { InternetCloseHandle(h); }
};
using UniqueInternet = UniqueHandle<InternetTraits>;

constexpr wchar_t kUserAgent[] = L"Kelvane Agent";
// Always from the server, never from or into the cache; no cookies, no dialogues on a worker thread.
// Nothing that relaxes certificate checks or allows a redirect from HTTPS to HTTP.
constexpr DWORD kOpenFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                             INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
constexpr int kBusyBalloon = 1;
constexpr int kNoUpdatesBalloon = 3;
constexpr int kUpdateQuestion = 6;

// Shared by the fetch thread and the thread that waits for it, which may stop waiting first.
struct FetchJob {
    std::u16string url;
    UpdateCheckLimits limits;
    UniqueKernelHandle done; // set once result is final
    UpdateFetch result;
};

UpdateFetch failure(DWORD error) {
    UpdateFetch fetch;
    fetch.error = error;
    return fetch;
}

void setTimeouts(HINTERNET session, const UpdateCheckLimits& limits) {
    DWORD connect = limits.connectMs;
    DWORD receive = limits.receiveMs;
    InternetSetOptionW(session, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof(connect));
    InternetSetOptionW(session, INTERNET_OPTION_SEND_TIMEOUT, &receive, sizeof(receive));
    InternetSetOptionW(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof(receive));
}

void fetch(FetchJob& job) {
    const auto finish = [&job](UpdateFetch result) {
        job.result = std::move(result);
        SetEvent(job.done.get());
    };
    UniqueInternet session(InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return finish(failure(GetLastError()));
    setTimeouts(session.get(), job.limits);
    UniqueInternet request(InternetOpenUrlW(session.get(), wide(job.url), L"", 0, kOpenFlags, 0));
    if (!request) return finish(failure(GetLastError()));

    UpdateFetch result;
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        result.httpStatus = status;
    // As text: HTTP_QUERY_FLAG_NUMBER gives only 32 bits. The size is in bytes.
    wchar_t lengthText[32]{};
    DWORD lengthSize = sizeof(lengthText) - sizeof(wchar_t);
    if (HttpQueryInfoW(request.get(), HTTP_QUERY_CONTENT_LENGTH, lengthText, &lengthSize, nullptr)) {
        wchar_t* end = nullptr;
        const unsigned long long length = std::wcstoull(lengthText, &end, 10);
        if (end != lengthText && *end == L'\0') result.announcedLength = length;
    }
    // A read may return less than it was asked for: read on until the limit or the end.
    std::vector<char> buffer(kUpdateReplyLimit);
    DWORD total = 0;
    while (total < kUpdateReplyLimit) {
        DWORD got = 0;
        if (!InternetReadFile(request.get(), buffer.data() + total, kUpdateReplyLimit - total, &got)) {
            result.error = GetLastError();
            break;
        }
        if (got == 0) break;
        total += got;
    }
    result.reply.assign(buffer.data(), total);
    // Signalled before the handles close: Wine's WinINet reads the rest of a long reply on close.
    finish(std::move(result));
}

// Fetch threads not yet ended, those given up on included: under Wine a stalled server can keep
// one blocked long after its check has ended. No new check starts while one is left, so that
// they cannot pile up.
std::atomic<int> fetchesRunning{0};

DWORD WINAPI fetchThread(LPVOID parameter) noexcept {
    {
        const std::unique_ptr<std::shared_ptr<FetchJob>> job(static_cast<std::shared_ptr<FetchJob>*>(parameter));
        try {
            fetch(**job);
        } catch (...) {
            // A failed allocation: the check ends as one that got no answer.
        }
    }
    --fetchesRunning;
    return 0;
}

struct UpdateCheckJob {
    std::u16string url;
    std::int64_t localValue;
    HWND notify;
};

void checkAndTell(const UpdateCheckJob& job) {
    const UpdateResult result = judgeUpdate(fetchUpdateFile(job.url), job.localValue);
    if (result.verdict == UpdateVerdict::Newer) {
        // "Yes" hands the home page to the shell, which may use COM on this thread.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        core::showMessageBox(kUpdateQuestion);
        if (SUCCEEDED(com)) CoUninitialize();
    } else {
        PostMessageW(job.notify, kUpdateCheckDoneMessage, static_cast<WPARAM>(result.verdict),
                     static_cast<LPARAM>(result.error));
    }
}

DWORD WINAPI updateCheckThread(LPVOID parameter) noexcept {
    const std::unique_ptr<UpdateCheckJob> job(static_cast<UpdateCheckJob*>(parameter));
    try {
        checkAndTell(*job);
    } catch (...) {
        // A failed allocation: the GUI thread is still told that the check is over.
        PostMessageW(job->notify, kUpdateCheckDoneMessage, static_cast<WPARAM>(UpdateVerdict::Failed),
                     static_cast<LPARAM>(ERROR_NOT_ENOUGH_MEMORY));
    }
    return 0;
}

// The last check's thread, owned by the GUI thread.
UniqueKernelHandle updateThread;

} // namespace

std::u16string updateUrl() {
    const std::u16string name(kUpdateUrlVariable);
    const DWORD needed = GetEnvironmentVariableW(wide(name), nullptr, 0);
    if (needed <= 1) return std::u16string(kProjectUpdateUrl);
    std::vector<wchar_t> value(needed);
    const DWORD length = GetEnvironmentVariableW(wide(name), value.data(), needed);
    if (length == 0 || length >= needed) return std::u16string(kProjectUpdateUrl);
    return fromWide(value.data(), length);
}

UpdateFetch fetchUpdateFile(const std::u16string& url, const UpdateCheckLimits& limits) {
    auto job = std::make_shared<FetchJob>();
    job->url = url;
    job->limits = limits;
    job->done.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!job->done) return failure(GetLastError());
    auto parameter = std::make_unique<std::shared_ptr<FetchJob>>(job);
    ++fetchesRunning;
    const UniqueKernelHandle thread(CreateThread(nullptr, 0, fetchThread, parameter.get(), 0, nullptr));
    if (!thread) {
        --fetchesRunning;
        return failure(GetLastError());
    }
    parameter.release();
    // A server that stalls keeps the fetch thread blocked under Wine; it is left to finish on its
    // own and frees its job then.
    if (WaitForSingleObject(job->done.get(), limits.wholeCheckMs) != WAIT_OBJECT_0) return failure(ERROR_INTERNET_TIMEOUT);
    return job->result;
}

bool updateCheckRunning() {
    return (updateThread && WaitForSingleObject(updateThread.get(), 0) == WAIT_TIMEOUT) || fetchesRunning > 0;
}

void startUpdateCheck() {
    if (updateCheckRunning()) {
        core::showBalloon(kBusyBalloon);
        return;
    }
    std::u16string url = updateUrl();
    if (!isAllowedUpdateUrl(url)) {
        core::reportSystemError(ERROR_INTERNET_INVALID_URL);
        return;
    }
    auto job = std::make_unique<UpdateCheckJob>(
        UpdateCheckJob{std::move(url), buildDateValue(formatBuildDate(ZORBEL_BUILD_DATE)), core::window()});
    UniqueKernelHandle thread(CreateThread(nullptr, 0, updateCheckThread, job.get(), 0, nullptr));
    if (!thread) {
        core::reportSystemError(GetLastError());
        return;
    }
    job.release();
    updateThread = std::move(thread); // the previous check's handle is closed here
}

void onUpdateCheckDone(WPARAM verdict, LPARAM error) {
    if (static_cast<UpdateVerdict>(verdict) == UpdateVerdict::Failed)
        core::reportSystemError(static_cast<DWORD>(error));
    else
        core::showBalloon(kNoUpdatesBalloon);
}

} // namespace zorbel
