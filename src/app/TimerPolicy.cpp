#include "app/TimerPolicy.h"

namespace zorbel {

bool shouldSetTimer(bool exceptionSuppressionSet, bool underWine) {
    return exceptionSuppressionSet || underWine;
}

bool monitorStartFailed(const MonitorStartResults& results, bool underWine) {
    if (!results.messagesRegistered || !results.timerStarted) {
        return true;
    }
    if (underWine) {
        return false;
    }
    return !results.shellHookRegistered || !results.exceptionSuppressionSet;
}

bool everyTickSchedulesRebuild(bool shellHookRegistered, bool underWine) {
    return underWine && !shellHookRegistered;
}

} // namespace zorbel
