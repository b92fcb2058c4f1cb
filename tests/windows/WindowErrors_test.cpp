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
        {FailedStep::Responsiveness, 1460, {Kind::SystemText, 1460, 0}}, // ERROR_TIMEOUT
        {FailedStep::Responsiveness, 1400, {Kind::SystemText, 1400, 0}}, // ERROR_INVALID_WINDOW_HANDLE
        {FailedStep::Responsiveness, 0, {Kind::Balloon, 0, kBalloonNotResponding}},
        {FailedStep::SystemCall, 5, {Kind::SystemText, 5, 0}},
        {FailedStep::SystemCall, 0, {Kind::SystemText, kErrorCannotComplete, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(failureReport(c.step, c.lastError), c.report) << c.lastError;
}

} // namespace
} // namespace zorbel
