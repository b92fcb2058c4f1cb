#include "windows/Opacity.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorbel {
namespace {

std::optional<std::uint8_t> alphaOf(int value) {
    if (value < 0) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

TEST(Opacity, MenuLevelsGiveTheTruncatedAlpha) {
    const struct {
        int percent;
        int alpha;
    } levels[] = {{90, 229}, {80, 204}, {70, 178}, {60, 153}, {50, 127},
                  {40, 102}, {30, 76},  {20, 51},  {10, 25},  {1, 2}};
    for (const auto& level : levels) {
        EXPECT_FALSE(opacityRemovesLayering(level.percent)) << level.percent;
        EXPECT_EQ(opacityAlpha(level.percent), level.alpha) << level.percent;
        EXPECT_EQ(alphaAfterApplying(level.percent), alphaOf(level.alpha)) << level.percent;
    }
    EXPECT_TRUE(opacityRemovesLayering(100));
    EXPECT_EQ(alphaAfterApplying(100), std::nullopt);
}

TEST(Opacity, LevelsOutsideTheRangeAreClamped) {
    const struct {
        int given;
        int clamped;
    } cases[] = {{-50, 1}, {0, 1}, {1, 1}, {100, 100}, {101, 100}, {1000, 100}};
    for (const auto& c : cases) EXPECT_EQ(clampOpacityPercent(c.given), c.clamped) << c.given;
    // No level, however wrong, makes a window invisible.
    EXPECT_GT(opacityAlpha(0), 0);
    EXPECT_GT(opacityAlpha(-7), 0);
    EXPECT_TRUE(opacityRemovesLayering(250));
}

TEST(Opacity, WheelDirectionIsTheSignOfTheHighWord) {
    const struct {
        std::uint32_t mouseData;
        WheelDirection direction;
    } cases[] = {
        {0x00780000u, WheelDirection::Forward},  // +120
        {0xFF880000u, WheelDirection::Backward}, // -120
        {0x00010000u, WheelDirection::Forward},  // +1 (fine-grained wheels)
        {0xFFFF0000u, WheelDirection::Backward}, // -1
        {0x7FFF0000u, WheelDirection::Forward},
        {0x80000000u, WheelDirection::Backward},
        {0x00000000u, WheelDirection::None},
        {0x0000FFFFu, WheelDirection::None},     // the reserved low word does not count
        {0x00000010u, WheelDirection::None},
        {0x00780011u, WheelDirection::Forward},
    };
    for (const auto& c : cases) EXPECT_EQ(wheelDirection(c.mouseData), c.direction) << std::hex << c.mouseData;
}

TEST(Opacity, AWindowWithoutAlphaCountsAsOpaque) {
    for (const std::optional<std::uint8_t> none : {std::optional<std::uint8_t>{}, std::optional<std::uint8_t>{0}}) {
        EXPECT_EQ(wheelStepPercent(none, WheelDirection::Forward), 100);
        EXPECT_EQ(wheelStepPercent(none, WheelDirection::None), 100);
        // 250 is 98 %: the first backward step makes an opaque window translucent.
        EXPECT_EQ(wheelStepPercent(none, WheelDirection::Backward), 98);
        EXPECT_EQ(wheelStepPercent(none, WheelDirection::Backward), wheelStepPercent(std::uint8_t{255}, WheelDirection::Backward));
    }
}

// Every step from every alpha a window can report: the alpha that ends up applied lies within
// reach of the two truncations (alpha to percent and back: at most 3) below the alpha the step
// aimed at.
TEST(Opacity, EveryWheelStepFromEveryAlpha) {
    for (int alpha = 1; alpha <= 255; ++alpha) {
        const auto current = static_cast<std::uint8_t>(alpha);

        const int forward = wheelStepPercent(current, WheelDirection::Forward);
        const int forwardAim = alpha + 10 > 254 ? 255 : alpha + 10;
        if (forwardAim == 255) {
            EXPECT_EQ(forward, 100) << alpha;
        } else {
            ASSERT_LT(forward, 100) << alpha;
            const int applied = opacityAlpha(forward);
            EXPECT_LE(applied, forwardAim) << alpha;
            EXPECT_GE(applied, forwardAim - 3) << alpha;
            EXPECT_GT(applied, alpha) << alpha; // a forward step never makes a window fainter
        }

        const int backward = wheelStepPercent(current, WheelDirection::Backward);
        const int backwardAim = alpha - 5 <= 5 ? 5 : alpha - 5;
        ASSERT_LT(backward, 100) << alpha;
        const int applied = opacityAlpha(backward);
        EXPECT_LE(applied, backwardAim) << alpha;
        EXPECT_GE(applied, backwardAim - 3) << alpha;
        EXPECT_GE(applied, 2) << alpha;
        if (alpha > 2) {
            EXPECT_LT(applied, alpha) << alpha; // never more opaque
        }
    }
}

TEST(Opacity, WheelDriftAndEnds) {
    // 204 + 10 = 214 is 83 %, which applies as 211.
    EXPECT_EQ(wheelStepPercent(std::uint8_t{204}, WheelDirection::Forward), 83);
    EXPECT_EQ(opacityAlpha(83), 211);
    // Backward steps stop at alpha 5, applied as 1 % and so as alpha 2, however often repeated.
    EXPECT_EQ(wheelStepPercent(std::uint8_t{10}, WheelDirection::Backward), 1);
    EXPECT_EQ(wheelStepPercent(std::uint8_t{2}, WheelDirection::Backward), 1);
    // 245 and up reach 255 in one forward step: fully opaque, no longer layered.
    EXPECT_EQ(wheelStepPercent(std::uint8_t{245}, WheelDirection::Forward), 100);
    EXPECT_LT(wheelStepPercent(std::uint8_t{244}, WheelDirection::Forward), 100);
}

// Repeated steps from every start reach the two ends and stay there.
TEST(Opacity, RepeatedWheelStepsReachTheEnds) {
    for (int alpha = 1; alpha <= 255; ++alpha) {
        std::optional<std::uint8_t> current = static_cast<std::uint8_t>(alpha);
        int steps = 0;
        while (current && steps < 300) {
            current = alphaAfterApplying(wheelStepPercent(current, WheelDirection::Forward));
            ++steps;
        }
        EXPECT_FALSE(current.has_value()) << alpha;
        EXPECT_LE(steps, (255 - alpha) / 7 + 1) << alpha; // at least 7 more per step

        current = static_cast<std::uint8_t>(alpha);
        for (steps = 0; steps < 60; ++steps)
            current = alphaAfterApplying(wheelStepPercent(current, WheelDirection::Backward));
        EXPECT_EQ(current, std::optional<std::uint8_t>(2)) << alpha;
    }
}

TEST(Opacity, StepsInARow) {
    using D = WheelDirection;
    // Up to 100 % and back down: the backward step starts from opaque.
    const D upThenDown[] = {D::Forward, D::Backward};
    EXPECT_EQ(wheelStepsPercent(std::uint8_t{250}, upThenDown), 98);
    EXPECT_EQ(wheelStepsPercent(std::uint8_t{127}, {}), 49);
    EXPECT_EQ(wheelStepsPercent(std::nullopt, {}), 100);
}

// Layered, attributes readable, their flags, level -> what is done. A layered window without
// readable attributes draws its own per-pixel alpha and is never touched.
TEST(Opacity, PlanFollowsWhatTheWindowAlreadyIs) {
    using Action = OpacityPlan::Action;
    const struct {
        LayeringFacts facts;
        int percent;
        OpacityPlan plan;
    } cases[] = {
        {{false, false, 0}, 100, {Action::Nothing, 255, 0}},
        {{false, false, 0}, 50, {Action::SetAttributes, 127, kLayeredAlpha}},
        {{true, true, kLayeredAlpha}, 50, {Action::SetAttributes, 127, kLayeredAlpha}},
        {{true, true, kLayeredAlpha}, 100, {Action::RemoveLayering, 255, 0}},
        {{true, true, 0}, 100, {Action::RemoveLayering, 255, 0}},
        {{true, true, kLayeredColourKey}, 50, {Action::SetAttributes, 127, kLayeredAlpha | kLayeredColourKey}},
        {{true, true, kLayeredColourKey | kLayeredAlpha}, 100, {Action::SetAttributes, 255, kLayeredColourKey}},
        {{true, false, 0}, 50, {Action::LeaveAlone, 0, 0}},
        {{true, false, 0}, 100, {Action::LeaveAlone, 0, 0}},
        {{true, false, 0}, 10, {Action::LeaveAlone, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(planOpacity(c.facts, c.percent), c.plan)
            << c.facts.layered << c.facts.attributesReadable << c.facts.flags << " " << c.percent;
}

} // namespace
} // namespace zorbel
