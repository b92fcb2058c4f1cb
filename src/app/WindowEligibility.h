// Which top-level windows the tray menu lists.
#pragma once

#include <cstdint>
#include <optional>

namespace zorbel {

// What the system says about a top-level window.
struct WindowFacts {
    bool visible = false;         // IsWindowVisible
    bool iconic = false;          // IsIconic
    bool infoOk = false;          // GetWindowInfo succeeded
    std::uint32_t style = 0;      // from GetWindowInfo
    std::uint32_t exStyle = 0;    // from GetWindowInfo
    bool hasOwner = false;        // GetWindow(GW_OWNER) is not null
    bool rectEmpty = true;        // IsRectEmpty of the window rectangle
    std::optional<std::uint32_t> cloaked; // DWMWA_CLOAKED, when the call succeeded
    std::optional<std::uint32_t> band;    // GetWindowBand, when bound and successful
};

inline constexpr std::uint32_t kStyleSysMenu = 0x00080000;     // WS_SYSMENU
inline constexpr std::uint32_t kExStyleToolWindow = 0x00000080; // WS_EX_TOOLWINDOW
inline constexpr std::uint32_t kExStyleLayered = 0x00080000;    // WS_EX_LAYERED
inline constexpr std::uint32_t kExStyleNoActivate = 0x08000000; // WS_EX_NOACTIVATE

// Every listing rule except the responsiveness test, which sends a message to the window and so
// is left to the caller, to run last and only for windows that pass here.
bool isListableWindow(const WindowFacts& facts);

} // namespace zorbel
