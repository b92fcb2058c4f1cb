#include "app/WindowQueries_win.h"

#include <chrono>

#include "app/AnswerRounds.h"
#include "app/BoundFunctions_win.h"

namespace zorbel {
namespace {

AnswerRounds& rounds() {
    static AnswerRounds instance;
    return instance;
}

void CALLBACK takeAnswer(HWND hwnd, UINT, ULONG_PTR round, LRESULT result) noexcept {
    rounds().deliver(round, reinterpret_cast<AnswerRounds::Window>(hwnd), result);
}

bool isHung(HWND hwnd) {
    const auto isHungAppWindow = bound().IsHungAppWindow;
    return isHungAppWindow && isHungAppWindow(hwnd);
}

// Waits for the round's answers until the deadline. The answers come as sent messages, which
// PM_QS_SENDMESSAGE handles without taking anything posted from the queue.
void waitForAnswers(AnswerRounds::RoundId round, std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    while (!rounds().complete(round)) {
        const auto left = ceil<milliseconds>(deadline - steady_clock::now());
        if (left.count() <= 0) break;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace

std::vector<std::optional<LRESULT>> askWindows(const std::vector<HWND>& windows, UINT message, WPARAM wParam,
                                               LPARAM lParam, DWORD timeoutMs) {
    const AnswerRounds::RoundId round = rounds().begin();
    for (HWND hwnd : windows) {
        const auto window = reinterpret_cast<AnswerRounds::Window>(hwnd);
        if (!hwnd || isHung(hwnd) || !rounds().asking(round, window)) continue;
        if (!SendMessageCallbackW(hwnd, message, wParam, lParam, takeAnswer, round)) rounds().notAsked(round, window);
    }
    // Counted from the last send, so that every window has the whole time-out.
    waitForAnswers(round, std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs));

    std::vector<std::optional<LRESULT>> answers;
    answers.reserve(windows.size());
    for (HWND hwnd : windows)
        answers.push_back(rounds().answer(round, reinterpret_cast<AnswerRounds::Window>(hwnd)));
    rounds().end(round);
    return answers;
}

} // namespace zorbel
