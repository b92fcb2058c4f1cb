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
    // The window draws itself with UpdateLayeredWindow; it was left alone on purpose.
    DrawsOwnTransparency,
};

inline constexpr std::uint32_t kErrorCannotComplete = 1003; // ERROR_CAN_NOT_COMPLETE
inline constexpr int kBalloonNotResponding = 4;             // "The window is not responding."
// Why an opacity change left a window alone. A fixed text: the string table has no key for it.
inline constexpr char16_t kOwnTransparencyText[] =
    u"This window draws its own transparency, so its opacity cannot be changed without breaking it.";

struct FailureReport {
    enum class Kind {
        SystemText, // the system's text for systemCode
        Balloon,    // the balloon of balloonCode
        FixedText,  // a text of ours, text
    };
    Kind kind = Kind::SystemText;
    std::uint32_t systemCode = 0;
    int balloonCode = 0;
    const char16_t* text = nullptr;

    bool operator==(const FailureReport&) const = default;
};

FailureReport failureReport(FailedStep step, std::uint32_t lastError);

} // namespace zorbel
