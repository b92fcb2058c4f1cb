#include "windows/WindowErrors.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

// Whatever the step and the error left behind, the report names a failure: the system's text of
// the very code it left, or a text of failure, never that of ERROR_SUCCESS.
TEST(WindowErrors, AFailureIsNeverReportedAsSuccess) {
    for (const FailedStep step : {FailedStep::Responsiveness, FailedStep::SystemCall}) {
        for (const std::uint32_t lastError : {0u, 5u, 1400u, 1460u}) {
            const FailureReport report = failureReport(step, lastError);
            if (report.kind == FailureReport::Kind::Balloon) {
                EXPECT_NE(report.balloonCode, 0) << lastError;
                EXPECT_EQ(lastError, 0u) << "a system code was left and not shown";
            } else {
                EXPECT_NE(report.systemCode, 0u) << lastError;
                if (lastError != 0) {
                    EXPECT_EQ(report.systemCode, lastError);
                }
            }
        }
    }
    // A window left alone on purpose is told our own reason, whatever error was left behind.
    for (const std::uint32_t lastError : {0u, 5u}) {
        const FailureReport report = failureReport(FailedStep::DrawsOwnTransparency, lastError);
        EXPECT_EQ(report.kind, FailureReport::Kind::FixedText) << lastError;
        EXPECT_EQ(report.text, kOwnTransparencyText) << lastError;
    }
}

} // namespace
} // namespace zorbel
