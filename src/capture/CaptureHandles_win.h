// The owner of a DWM thumbnail, the one handle kind only the captures use.
#pragma once

#include <windows.h>

#include "app/BoundFunctions_win.h"
#include "app/Handles_win.h"

namespace zorbel {

namespace handle_traits {
struct DwmThumbnail {
    using Handle = void*; // HTHUMBNAIL
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept {
        if (const auto unregister = bound().DwmUnregisterThumbnail) unregister(h);
    }
};
} // namespace handle_traits

using UniqueDwmThumbnail = UniqueHandle<handle_traits::DwmThumbnail>;

} // namespace zorbel
