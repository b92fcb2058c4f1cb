// Window opacity as the program sets it: a level in percent, applied as a layered window's
// constant alpha; and the wheel-transparency mode's steps, which read that alpha back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace zorbel {

inline constexpr int kOpaquePercent = 100;
inline constexpr int kFaintestPercent = 1;

// Levels outside 1..100 are taken as the nearest end: 0 % would make a window vanish, and a
// window nobody can see cannot be chosen again to bring it back.
int clampOpacityPercent(int percent);

// True when the level means "fully opaque": the layered style is removed instead of set.
bool opacityRemovesLayering(int percent);

// The constant alpha of a level below 100 %: percent × 255 / 100, truncated (10 % → 25).
std::uint8_t opacityAlpha(int percent);

// What the window reports afterwards: the alpha of the level, or nothing for 100 %, where the
// window is no longer layered and has no alpha to read.
std::optional<std::uint8_t> alphaAfterApplying(int percent);

enum class WheelDirection {
    None,     // a zero delta: nothing to do
    Forward,  // away from the user: more opaque
    Backward, // towards the user: more transparent
};

// The direction of a WM_MOUSEWHEEL event from MSLLHOOKSTRUCT::mouseData, whose high word is the
// signed wheel delta (the low word is reserved).
WheelDirection wheelDirection(std::uint32_t mouseData);

// The level that one wheel step applies. currentAlpha is what GetLayeredWindowAttributes gave:
// nothing (or 0) when the window has no constant alpha, which counts as opaque (255). Forward adds
// 10 (up to 255) and Backward takes away 5 (down to 5); the alpha is then turned into a
// percentage, so repeated steps drift by the truncation. The step is taken from 255 as from any
// other alpha: were it skipped, a window that is not translucent yet could never become so, since
// 100 % removes the layered style and the next step would again find no alpha.
int wheelStepPercent(std::optional<std::uint8_t> currentAlpha, WheelDirection direction);

// Several steps in a row over one window, each starting from what the previous one applied, as
// if the window had been read again between them.
int wheelStepsPercent(std::optional<std::uint8_t> currentAlpha, std::span<const WheelDirection> steps);

// SetLayeredWindowAttributes flags (LWA_*).
inline constexpr std::uint32_t kLayeredColourKey = 0x1;
inline constexpr std::uint32_t kLayeredAlpha = 0x2;

// What a window's extended style and GetLayeredWindowAttributes say before its opacity changes.
struct LayeringFacts {
    bool layered = false;            // WS_EX_LAYERED is set
    bool attributesReadable = false; // GetLayeredWindowAttributes succeeded
    std::uint32_t flags = 0;         // the LWA_* flags it gave
};

// The change one opacity level makes to a window.
struct OpacityPlan {
    enum class Action {
        Nothing,        // already opaque, not layered
        SetAttributes,  // set WS_EX_LAYERED (when missing), then alpha and flags
        RemoveLayering, // clear WS_EX_LAYERED and repaint
        LeaveAlone,     // the window draws its own per-pixel alpha: any change would break it
    };
    Action action = Action::Nothing;
    std::uint8_t alpha = 255;
    std::uint32_t flags = 0; // for SetAttributes; the colour key is passed back unchanged

    bool operator==(const OpacityPlan&) const = default;
};

// A window that is layered but has no attributes to read draws itself with UpdateLayeredWindow:
// constant attributes would make its own updates fail from then on (its content freezes), and
// removing the style would leave it black for good, so it is left alone. A colour key the window
// set is kept; at 100 % such a window stays layered with its key instead of losing its shape.
OpacityPlan planOpacity(const LayeringFacts& facts, int percent);

} // namespace zorbel
