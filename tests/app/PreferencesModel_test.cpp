#include "app/PreferencesModel.h"

#include <gtest/gtest.h>

namespace zorbel {
namespace {

using Control = PreferencesControl;

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
