#include "app/PreferencesModel.h"

#include <gtest/gtest.h>

#include <set>

namespace zorbel {
namespace {

using Control = PreferencesControl;

TEST(PreferencesLayout, EveryControlSitsInsideAFrameAndTheWindow) {
    std::set<int> identifiers;
    const auto inside = [](const PreferencesControlLayout& inner, const PreferencesControlLayout& outer) {
        return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
               inner.y + inner.height <= outer.y + outer.height;
    };
    const PreferencesControlLayout window{Control::GeneralFrame, PreferencesControlKind::Frame, 0, 0,
                                          kPreferencesClientWidth, kPreferencesClientHeight, {}, {}, nullptr};
    for (const PreferencesControlLayout& control : preferencesLayout()) {
        EXPECT_TRUE(identifiers.insert(static_cast<int>(control.control)).second);
        EXPECT_TRUE(inside(control, window)) << static_cast<int>(control.control);
        if (control.kind != PreferencesControlKind::CheckBox && control.kind != PreferencesControlKind::HotkeyField)
            continue;
        int frames = 0;
        for (const PreferencesControlLayout& frame : preferencesLayout())
            frames += frame.kind == PreferencesControlKind::Frame && inside(control, frame);
        EXPECT_EQ(frames, 1) << static_cast<int>(control.control);
        EXPECT_NE(control.setting, nullptr);
    }
    EXPECT_EQ(scaledControlRect(*findPreferencesControl(Control::DefaultSettings), 144),
              (LayoutRect{15, 360, 405, 405}));
}

TEST(PreferencesCheckBoxes, ChangeTheirSettingAndKeepACaptureDestination) {
    const struct {
        Control box;
        bool checked;
        Settings before;
        bool sample;
        std::optional<Control> alsoChecked;
        Settings after;
    } cases[] = {
        {Control::Sounds, true, {.pMessageBeep = 0}, true, {}, {.pMessageBeep = 1}},
        {Control::Sounds, false, {}, false, {}, {.pMessageBeep = 0}},
        {Control::Administrator, true, {}, false, {}, {.pAdministrator = 1}},
        {Control::RepeatCapture, false, {}, false, {}, {.pRepeatCapture = 0}},
        {Control::MagnifyWindow, false, {}, false, {}, {.pMagnifyWindow = 0}},
        {Control::Clipboard, false, {}, false, {}, {.pClipboard = 0}},
        {Control::Clipboard, false, {.pDialogue = 0}, false, Control::SaveDialogue,
         {.pClipboard = 0, .pDialogue = 1}},
        {Control::SaveDialogue, false, {.pClipboard = 0}, false, Control::Clipboard,
         {.pClipboard = 1, .pDialogue = 0}},
        // The switches are the hotkeys' to change.
        {Control::CaptureSwitch, false, {}, false, {}, {}},
        {Control::DefaultSettings, true, {}, false, {}, {}},
    };
    for (const auto& c : cases) {
        Settings settings = c.before;
        const CheckBoxOutcome outcome = applyCheckBox(c.box, c.checked, settings);
        EXPECT_EQ(settings, c.after) << static_cast<int>(c.box) << " " << c.checked;
        EXPECT_EQ(outcome.playSample, c.sample) << static_cast<int>(c.box);
        EXPECT_EQ(outcome.alsoCheck, c.alsoChecked) << static_cast<int>(c.box);
    }
}

} // namespace
} // namespace zorbel
