#include "windows/Opacity.h"

namespace zorbel {
namespace {

constexpr int kAlphaOpaque = 255;
constexpr int kForwardAlphaStep = 10;
constexpr int kBackwardAlphaStep = 5;
constexpr int kLowestWheelAlpha = 5;

int alphaToPercent(int alpha) { return alpha * 100 / kAlphaOpaque; }

} // namespace

int clampOpacityPercent(int percent) {
    if (percent < kFaintestPercent) return kFaintestPercent;
    if (percent > kOpaquePercent) return kOpaquePercent;
    return percent;
}

bool opacityRemovesLayering(int percent) { return clampOpacityPercent(percent) == kOpaquePercent; }

std::uint8_t opacityAlpha(int percent) {
    return static_cast<std::uint8_t>(clampOpacityPercent(percent) * kAlphaOpaque / 100);
}

std::optional<std::uint8_t> alphaAfterApplying(int percent) {
    if (opacityRemovesLayering(percent)) return std::nullopt;
    return opacityAlpha(percent);
}

WheelDirection wheelDirection(std::uint32_t mouseData) {
    const auto delta = static_cast<std::int16_t>(static_cast<std::uint16_t>(mouseData >> 16));
    if (delta > 0) return WheelDirection::Forward;
    if (delta < 0) return WheelDirection::Backward;
    return WheelDirection::None;
}

int wheelStepPercent(std::optional<std::uint8_t> currentAlpha, WheelDirection direction) {
    int alpha = (!currentAlpha || *currentAlpha == 0) ? kAlphaOpaque : *currentAlpha;
    switch (direction) {
    case WheelDirection::Forward:
        alpha += kForwardAlphaStep;
        if (alpha > kAlphaOpaque - 1) alpha = kAlphaOpaque;
        break;
    case WheelDirection::Backward:
        alpha -= kBackwardAlphaStep;
        if (alpha <= kLowestWheelAlpha) alpha = kLowestWheelAlpha;
        break;
    case WheelDirection::None:
        break;
    }
    return clampOpacityPercent(alphaToPercent(alpha));
}

int wheelStepsPercent(std::optional<std::uint8_t> currentAlpha, std::span<const WheelDirection> steps) {
    std::optional<std::uint8_t> alpha = currentAlpha;
    int percent = kOpaquePercent;
    if (steps.empty()) return (!alpha || *alpha == 0) ? kOpaquePercent : clampOpacityPercent(alphaToPercent(*alpha));
    for (const WheelDirection step : steps) {
        percent = wheelStepPercent(alpha, step);
        alpha = alphaAfterApplying(percent);
    }
    return percent;
}

OpacityPlan planOpacity(const LayeringFacts& facts, int percent) {
    using Action = OpacityPlan::Action;
    if (facts.layered && !facts.attributesReadable) return {Action::LeaveAlone, 0, 0};
    const bool colourKey = facts.layered && (facts.flags & kLayeredColourKey) != 0;
    if (opacityRemovesLayering(percent)) {
        if (colourKey) return {Action::SetAttributes, static_cast<std::uint8_t>(kAlphaOpaque), kLayeredColourKey};
        return {facts.layered ? Action::RemoveLayering : Action::Nothing, static_cast<std::uint8_t>(kAlphaOpaque), 0};
    }
    return {Action::SetAttributes, opacityAlpha(percent), kLayeredAlpha | (colourKey ? kLayeredColourKey : 0u)};
}

} // namespace zorbel
