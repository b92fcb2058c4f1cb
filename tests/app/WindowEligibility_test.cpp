#include "app/WindowEligibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zorbel {
namespace {

constexpr std::uint32_t kOverlappedWindow = 0x00CF0000; // includes WS_SYSMENU
constexpr std::uint32_t kPopup = 0x80000000;
constexpr std::uint32_t kExWindowEdge = 0x00000100;

WindowFacts ordinaryWindow() {
    WindowFacts f;
    f.visible = true;
    f.iconic = false;
    f.infoOk = true;
    f.style = kOverlappedWindow;
    f.exStyle = kExWindowEdge;
    f.hasOwner = false;
    f.rectEmpty = false;
    return f;
}

struct Case {
    const char* name;
    std::function<void(WindowFacts&)> change;
    bool listed;
};

TEST(WindowEligibility, Rules) {
    const Case cases[] = {
        {"ordinary", [](WindowFacts&) {}, true},
        {"hidden", [](WindowFacts& f) { f.visible = false; }, false},
        {"minimised", [](WindowFacts& f) { f.iconic = true; }, false},
        {"no window info", [](WindowFacts& f) { f.infoOk = false; }, false},
        {"style 0", [](WindowFacts& f) { f.style = 0; }, false},
        {"ex style 0", [](WindowFacts& f) { f.exStyle = 0; }, false},
        {"owned", [](WindowFacts& f) { f.hasOwner = true; }, true},
        {"noactivate only, owned", [](WindowFacts& f) { f.exStyle = kExStyleNoActivate; f.hasOwner = true; }, false},
        {"noactivate only, unowned", [](WindowFacts& f) { f.exStyle = kExStyleNoActivate; }, true},
        {"noactivate and more, owned",
         [](WindowFacts& f) { f.exStyle = kExStyleNoActivate | kExWindowEdge; f.hasOwner = true; }, true},
        {"tool window, unowned, sysmenu", [](WindowFacts& f) { f.exStyle = kExStyleToolWindow; }, true},
        {"tool window, unowned, no sysmenu",
         [](WindowFacts& f) { f.exStyle = kExStyleToolWindow; f.style = kPopup; }, false},
        {"tool window, owned, sysmenu",
         [](WindowFacts& f) { f.exStyle = kExStyleToolWindow; f.hasOwner = true; }, false},
        {"layered, unowned", [](WindowFacts& f) { f.exStyle = kExStyleLayered; }, true},
        {"layered, owned", [](WindowFacts& f) { f.exStyle = kExStyleLayered; f.hasOwner = true; }, false},
        {"empty rectangle", [](WindowFacts& f) { f.rectEmpty = true; }, false},
        {"cloak query failed", [](WindowFacts& f) { f.cloaked.reset(); }, true},
        {"not cloaked", [](WindowFacts& f) { f.cloaked = 0; }, true},
        {"cloaked by app", [](WindowFacts& f) { f.cloaked = 1; }, false},
        {"cloaked by shell", [](WindowFacts& f) { f.cloaked = 2; }, false},
        {"cloaked inherited", [](WindowFacts& f) { f.cloaked = 4; }, false},
    };
    for (const Case& c : cases) {
        WindowFacts f = ordinaryWindow();
        c.change(f);
        EXPECT_EQ(isListableWindow(f), c.listed) << c.name;
    }
}

TEST(WindowEligibility, BandsFourAndSixAreShellBands) {
    struct BandCase {
        std::uint32_t band;
        bool listed;
    };
    const BandCase cases[] = {{0, true}, {1, true}, {2, true}, {3, true}, {4, false},
                              {5, true}, {6, false}, {7, true}, {8, true}, {16, true}};
    for (const BandCase& c : cases) {
        WindowFacts f = ordinaryWindow();
        f.band = c.band;
        EXPECT_EQ(isListableWindow(f), c.listed) << "band " << c.band;
    }
}

} // namespace
} // namespace zorbel
