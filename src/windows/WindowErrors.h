// What the user is told when a change to another program's window fails. The rule is the
// system's own text for the error; this decides what to show when the system left no error code
// behind (some Wine paths refuse a call with the last error still 0), so that the balloon never
// reads "The operation completed successfully." for a change that did not happen.
#pragma once

#include <cstdint>

namespace zorbel {

enum class FailedStep {
    Responsiveness, // the window did not answer WM_NULL within 100 ms
    SystemCall,     // the system refused the change
};

inline constexpr std::uint32_t kErrorCannotComplete = 1003; // ERROR_CAN_NOT_COMPLETE
inline constexpr int kBalloonNotResponding = 4;             // "The window is not responding."

struct FailureReport {
    enum class Kind {
        SystemText, // the system's text for systemCode
        Balloon,    // the balloon of balloonCode
    };
    Kind kind = Kind::SystemText;
    std::uint32_t systemCode = 0;
    int balloonCode = 0;

    bool operator==(const FailureReport&) const = default;
};

FailureReport failureReport(FailedStep step, std::uint32_t lastError);

} // namespace zorbel
