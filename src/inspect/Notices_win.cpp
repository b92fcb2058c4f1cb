#include "inspect/Notices_win.h"

#include "app/CoreServices.h"

namespace zorbel {

ViewerNotices& viewerNotices() {
    static ViewerNotices notices{core::showBalloon, core::reportSystemError, core::notificationSound,
                                 core::showBalloonText};
    return notices;
}

} // namespace zorbel
