// Asking many windows of other programs at once. Sent one after the other with a time-out each, a
// question to n slow windows costs n time-outs; sent together, it costs one.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace zorbel {

// How long a window may take to answer (the responsiveness test's bound).
inline constexpr DWORD kAnswerTimeoutMs = 100;

// Sends message to every window without waiting (SendMessageCallbackW), then waits until all have
// answered or timeoutMs have passed since the last was sent. answers[i] is the answer of
// windows[i]; nothing when it did not answer in time, could not be asked, or its thread is hung
// (IsHungAppWindow: like SMTO_ABORTIFHUNG, such a window is not asked at all). A window of this
// thread answers at once, within the send. Answers that come after the wait are dropped.
// While waiting, only sent messages are handled (that is how the answers arrive): posted
// messages, input and timers stay queued, so no tray click or menu command runs meanwhile.
std::vector<std::optional<LRESULT>> askWindows(const std::vector<HWND>& windows, UINT message, WPARAM wParam,
                                               LPARAM lParam, DWORD timeoutMs = kAnswerTimeoutMs);

} // namespace zorbel
