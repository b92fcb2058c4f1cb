// How the inspection windows tell the user something. They go through this table so that tests
// can watch what would have been shown.
#pragma once

#include <windows.h>

namespace zorbel {

struct ViewerNotices {
    void (*balloon)(int warningCode);
    void (*systemError)(DWORD errorCode);
    void (*sound)();
};

// Forwards to the core's balloons and sound until replaced.
ViewerNotices& viewerNotices();

} // namespace zorbel
