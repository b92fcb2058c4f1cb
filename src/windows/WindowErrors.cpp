#include "windows/WindowErrors.h"

namespace zorbel {

FailureReport failureReport(FailedStep step, std::uint32_t lastError) {
    if (lastError != 0) return {FailureReport::Kind::SystemText, lastError, 0};
    if (step == FailedStep::Responsiveness) return {FailureReport::Kind::Balloon, 0, kBalloonNotResponding};
    return {FailureReport::Kind::SystemText, kErrorCannotComplete, 0};
}

} // namespace zorbel
