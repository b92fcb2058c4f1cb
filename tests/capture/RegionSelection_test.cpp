#include "capture/RegionSelection.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>

namespace zorbel {
namespace {

// A script of overlay events: "m x y" moves, "d" presses, "u" releases, "s" is Shift, "f" a
// finished capture.
struct Step {
    char event;
    int x = 0;
    int y = 0;
};

Step move(int x, int y) { return {'m', x, y}; }
constexpr Step kDown{'d'};
constexpr Step kUp{'u'};
constexpr Step kShift{'s'};
constexpr Step kFinish{'f'};

struct Outcome {
    std::vector<CaptureRect> captures;
    RegionSelection selection;
};

Outcome run(const std::vector<Step>& steps) {
    Outcome outcome;
    for (const Step& step : steps) {
        switch (step.event) {
        case 'm':
            outcome.selection.moveTo({step.x, step.y});
            break;
        case 'd':
            outcome.selection.pressLeft();
            break;
        case 'u':
            if (auto rect = outcome.selection.releaseLeft()) {
                outcome.captures.push_back(*rect);
                outcome.selection.finishCapture();
            }
            break;
        case 's':
            outcome.selection.dropAnchor();
            break;
        case 'f':
            outcome.selection.finishCapture();
            break;
        default:
            break;
        }
    }
    return outcome;
}

TEST(RegionSelectionTest, SelectionsBecomeInclusiveCaptureRectangles) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<CaptureRect> captures;
        bool anchoredAfter;
    };
    const CaptureRect kBox{10, 20, 31, 41}; // (10, 20) to (30, 40), both inside: 21 x 21
    const Case cases[] = {
        {"drag", {move(10, 20), kDown, move(20, 30), move(30, 40), kUp}, {kBox}, false},
        {"drag up and left", {move(30, 40), kDown, move(10, 20), kUp}, {kBox}, false},
        {"drag up and right", {move(10, 40), kDown, move(30, 20), kUp}, {kBox}, false},
        {"click then click", {move(10, 20), kDown, kUp, move(30, 40), kDown, kUp}, {kBox}, false},
        {"click then drag", {move(10, 20), kDown, kUp, move(90, 90), kDown, move(30, 40), kUp}, {kBox}, false},
        {"3 x 3 is enough", {move(10, 10), kDown, move(12, 12), kUp}, {{10, 10, 13, 13}}, false},
        {"2 wide is not", {move(10, 10), kDown, move(11, 109), kUp}, {}, true},
        {"2 high is not", {move(10, 10), kDown, move(109, 11), kUp}, {}, true},
        {"a single click is not", {move(10, 10), kDown, kUp}, {}, true},
        {"a thin drag leaves its anchor", {move(10, 20), kDown, move(11, 90), kUp, move(30, 40), kDown, kUp}, {kBox}, false},
        {"shift forgets the click", {move(10, 20), kDown, kUp, kShift, move(30, 40), kDown, kUp}, {}, true},
        {"shift while dragging does nothing", {move(10, 20), kDown, move(30, 40), kShift, kUp}, {kBox}, false},
        {"two captures in a row", {move(10, 20), kDown, move(30, 40), kUp, move(0, 0), kDown, move(5, 5), kUp},
         {kBox, {0, 0, 6, 6}}, false},
        {"negative coordinates", {move(-10, -20), kDown, move(-30, -40), kUp}, {{-30, -40, -9, -19}}, false},
        {"a release without a press", {move(10, 20), kUp}, {}, false},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.steps);
        EXPECT_EQ(outcome.captures, c.captures) << c.name;
        EXPECT_EQ(outcome.selection.anchored(), c.anchoredAfter) << c.name;
        EXPECT_FALSE(outcome.selection.dragging()) << c.name;
    }
}

TEST(RegionSelectionTest, MarksFollowTheMouseAnchorAndDrag) {
    RegionSelection selection;
    EXPECT_EQ(selection.marks(), OverlayMarks{}) << "nothing before the mouse is known";
    selection.moveTo({5, 6});
    EXPECT_EQ(selection.marks(), (OverlayMarks{CapturePoint{5, 6}, std::nullopt, std::nullopt}));
    selection.pressLeft();
    EXPECT_EQ(selection.marks(), (OverlayMarks{CapturePoint{5, 6}, CapturePoint{5, 6}, CaptureRect{5, 6, 6, 7}}));
    selection.moveTo({2, 9});
    EXPECT_EQ(selection.marks(), (OverlayMarks{CapturePoint{2, 9}, CapturePoint{5, 6}, CaptureRect{2, 6, 6, 10}}));
    selection.moveTo({4, 9});
    // Two pixels wide: the rectangle goes, the anchor stays.
    EXPECT_FALSE(selection.releaseLeft());
    EXPECT_EQ(selection.marks(), (OverlayMarks{CapturePoint{4, 9}, CapturePoint{5, 6}, std::nullopt}));
    EXPECT_TRUE(selection.dropAnchor());
    EXPECT_FALSE(selection.dropAnchor()) << "only once";
    EXPECT_EQ(selection.marks(), (OverlayMarks{CapturePoint{4, 9}, std::nullopt, std::nullopt}));
    selection.reset();
    EXPECT_EQ(selection.marks(), OverlayMarks{});
}

// Whatever happens, drawing the toggled figures keeps the overlay showing exactly the marks: a
// figure drawn twice is gone, so what counts is whether each one was drawn an odd number of times.
TEST(RegionSelectionTest, IncrementalDrawingNeverLeavesStaleFigures) {
    using Key = std::tuple<int, int, int, int, int, int>;
    auto keyOf = [](const OverlayFigure& f) {
        return Key{static_cast<int>(f.kind), f.point.x, f.point.y, f.rect.left, f.rect.top, f.rect.right * 10000 + f.rect.bottom};
    };
    std::mt19937 random(12345);
    RegionSelection selection;
    std::map<Key, int> canvas; // figure -> times drawn, mod 2
    for (int i = 0; i < 20000; ++i) {
        const OverlayMarks before = selection.marks();
        switch (random() % 8) {
        case 0:
            selection.pressLeft();
            break;
        case 1:
            if (selection.releaseLeft()) selection.finishCapture();
            break;
        case 2:
            selection.dropAnchor();
            break;
        case 3:
            if (random() % 50 == 0) selection.reset();
            break;
        default:
            selection.moveTo({static_cast<int>(random() % 9), static_cast<int>(random() % 9)});
            break;
        }
        for (const OverlayFigure& figure : figuresToToggle(before, selection.marks())) canvas[keyOf(figure)] ^= 1;
        std::map<Key, int> expected;
        for (const OverlayFigure& figure : figuresOf(selection.marks())) expected[keyOf(figure)] ^= 1;
        std::erase_if(canvas, [](const auto& entry) { return entry.second == 0; });
        std::erase_if(expected, [](const auto& entry) { return entry.second == 0; });
        ASSERT_EQ(canvas, expected) << "after event " << i;
    }
}

TEST(RegionSelectionTest, PrecisionModeSavesAndGivesBackTheUsersSpeed) {
    PrecisionMode precision;
    EXPECT_FALSE(precision.active());
    EXPECT_FALSE(precision.end()) << "nothing to give back";
    // A speed that cannot be read, or is not a speed, is never replaced.
    for (std::optional<int> unreadable : {std::optional<int>{}, std::optional<int>{0}, std::optional<int>{21},
                                          std::optional<int>{-3}}) {
        EXPECT_FALSE(precision.begin(unreadable));
        EXPECT_FALSE(precision.active());
    }
    EXPECT_TRUE(precision.begin(10));
    EXPECT_TRUE(precision.active());
    // Already on: the saved speed is kept, not the slow one read now.
    EXPECT_FALSE(precision.begin(1));
    EXPECT_EQ(precision.end(), 10);
    EXPECT_FALSE(precision.active());
    EXPECT_FALSE(precision.end());
    for (int speed : {1, 20}) {
        EXPECT_TRUE(precision.begin(speed));
        EXPECT_EQ(precision.end(), speed);
    }
}

} // namespace
} // namespace zorbel
