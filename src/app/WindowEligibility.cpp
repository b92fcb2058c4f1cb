#include "app/WindowEligibility.h"

namespace zorbel {

namespace {

// Bands 4 and 6 (immersive notification and immersive "mogo" surfaces) belong to the shell.
constexpr std::uint32_t kShellBand = 4;
constexpr std::uint32_t kBandIgnoredBit = 0x2;

} // namespace

bool isListableWindow(const WindowFacts& facts) {
    if (!facts.visible || facts.iconic) {
        return false;
    }
    if (!facts.infoOk || facts.style == 0 || facts.exStyle == 0) {
        return false;
    }
    if (facts.exStyle == kExStyleNoActivate && facts.hasOwner) {
        return false;
    }
    if ((facts.exStyle & kExStyleToolWindow) != 0 && (facts.hasOwner || (facts.style & kStyleSysMenu) == 0)) {
        return false;
    }
    if ((facts.exStyle & kExStyleLayered) != 0 && facts.hasOwner) {
        return false;
    }
    if (facts.rectEmpty) {
        return false;
    }
    if (facts.cloaked && *facts.cloaked >= 1) {
        return false;
    }
    if (facts.band && (*facts.band & ~kBandIgnoredBit) == kShellBand) {
        return false;
    }
    return true;
}

} // namespace zorbel
