// How the inspection windows tell the user something. They go through this table so that tests
// can watch what would have been shown.
#pragma once

#include <windows.h>

#include <string_view>

namespace zorbel {

struct ViewerNotices {
    void (*balloon)(int warningCode);
    void (*systemError)(DWORD errorCode);
    void (*sound)();
    void (*text)(std::u16string_view text); // a text of the program's own
};

// Forwards to the core's balloons and sound until replaced.
ViewerNotices& viewerNotices();

} // namespace zorbel
