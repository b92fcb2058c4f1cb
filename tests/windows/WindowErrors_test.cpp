#include "windows/WindowErrors.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

TEST(WindowErrors, TheUserIsToldSomethingTrue) {
    using Kind = FailureReport::Kind;
    const struct {
        FailedStep step;
        std::uint32_t lastError;
        FailureReport report;
    } cases[] = {
        {FailedStep::Responsiveness, 1460, {Kind::SystemText, 1460, 0, nullptr}}, // ERROR_TIMEOUT
        {FailedStep::Responsiveness, 1400, {Kind::SystemText, 1400, 0, nullptr}}, // ERROR_INVALID_WINDOW_HANDLE
        {FailedStep::Responsiveness, 0, {Kind::Balloon, 0, kBalloonNotResponding, nullptr}},
        {FailedStep::SystemCall, 5, {Kind::SystemText, 5, 0, nullptr}},
        {FailedStep::SystemCall, 0, {Kind::SystemText, kErrorCannotComplete, 0, nullptr}},
        // Left alone on purpose: our own text, whatever the last error.
        {FailedStep::DrawsOwnTransparency, 0, {Kind::FixedText, 0, 0, kOwnTransparencyText}},
    };
    for (const auto& c : cases) EXPECT_EQ(failureReport(c.step, c.lastError), c.report) << c.lastError;
}

} // namespace
} // namespace zorbel
