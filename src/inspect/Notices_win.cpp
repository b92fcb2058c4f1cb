#include "inspect/Notices_win.h"

#include "app/CoreServices.h"

namespace zorbel {

InspectNotices& inspectNotices() {
    static InspectNotices notices{core::showBalloon, core::reportSystemError, core::notificationSound};
    return notices;
}

} // namespace zorbel
