#include "windows/WindowErrors.h"

namespace zorbel {

FailureReport failureReport(FailedStep step, std::uint32_t lastError) {
    if (step == FailedStep::DrawsOwnTransparency) return {FailureReport::Kind::FixedText, 0, 0, kOwnTransparencyText};
    if (lastError != 0) return {FailureReport::Kind::SystemText, lastError, 0, nullptr};
    if (step == FailedStep::Responsiveness) return {FailureReport::Kind::Balloon, 0, kBalloonNotResponding, nullptr};
    return {FailureReport::Kind::SystemText, kErrorCannotComplete, 0, nullptr};
}

} // namespace zorbel
