#include "windows/WindowFailures_win.h"

#include "app/CoreServices.h"

namespace zorbel {
namespace {

WindowFailureSink failureSink = nullptr;

} // namespace

void reportWindowFailure(const WindowChange& change) {
    if (change.ok) return;
    const FailureReport report = failureReport(change.step, change.lastError);
    if (failureSink) {
        failureSink(report);
        return;
    }
    switch (report.kind) {
    case FailureReport::Kind::SystemText:
        core::reportSystemError(report.systemCode);
        break;
    case FailureReport::Kind::Balloon:
        core::showBalloon(report.balloonCode);
        break;
    case FailureReport::Kind::FixedText:
        core::showBalloonText(report.text);
        break;
    }
}

bool reportIfFailed(const WindowChange& change) {
    reportWindowFailure(change);
    return change.ok;
}

WindowFailureSink setWindowFailureSink(WindowFailureSink sink) {
    const WindowFailureSink previous = failureSink;
    failureSink = sink;
    return previous;
}

} // namespace zorbel
