// The Preferences window as data: its controls with their places at 96 DPI, texts, tooltips and
// settings, and what a click on a check box does to the settings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/DpiLayout.h"
#include "settings/Settings.h"
#include "settings/TextKeys.h"

namespace zorbel {

// In creation order; the value is also the control's identifier.
enum class PreferencesControl : int {
    GeneralFrame = 100,
    CaptureFrame,
    ShortcutFrame,
    Sounds,
    Administrator,
    Clipboard,
    MagnifyWindow,
    SaveDialogue,
    RepeatCapture,
    CaptureHotkey,
    CaptureSwitch,
    TopMostHotkey,
    TopMostSwitch,
    DefaultSettings,
};

enum class PreferencesControlKind { Frame, CheckBox, HotkeyField, Button };

struct PreferencesControlLayout {
    PreferencesControl control;
    PreferencesControlKind kind;
    std::int32_t x, y, width, height; // at 96 DPI, in the client area
    std::optional<TextKey> text;
    std::optional<TextKey> tooltip;
    std::int32_t Settings::*setting; // what a check box or hotkey field shows; null for the others
};

inline constexpr std::int32_t kPreferencesClientWidth = 300; // at 96 DPI
inline constexpr std::int32_t kPreferencesClientHeight = 280;

using PreferencesLayout = std::array<PreferencesControlLayout, 14>;
const PreferencesLayout& preferencesLayout();
const PreferencesControlLayout* findPreferencesControl(PreferencesControl control);

// The control's rectangle in the client area at a DPI.
LayoutRect scaledControlRect(const PreferencesControlLayout& layout, std::int32_t dpi);

struct CheckBoxOutcome {
    bool playSample = false;                     // Sounds was switched on: let the user hear it
    std::optional<PreferencesControl> alsoCheck; // a box the rule below checked again
};

// A check box of the General or Capture frame changed to `checked`. Clipboard and Save Dialogue
// are never both off: switching one off while the other is off switches the other on again.
CheckBoxOutcome applyCheckBox(PreferencesControl box, bool checked, Settings& settings);

} // namespace zorbel
