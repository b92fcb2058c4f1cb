#include "app/PreferencesModel.h"

namespace zorbel {
namespace {

using Control = PreferencesControl;
using Kind = PreferencesControlKind;
using Key = TextKey;

// Wider than the first design (a client 280 wide, columns of 110): there "Magnify Window" in
// 8-point Arial at the interface font's cell height (95 px, 158 px at 144 DPI, where hinting
// rounds the font up) did not fit beside its box and the 18 px of the box and its gap.
constexpr PreferencesLayout kLayout{{
    {Control::GeneralFrame, Kind::Frame, 10, 10, 280, 50, Key::lp_Gene, std::nullopt, nullptr},
    {Control::CaptureFrame, Kind::Frame, 10, 70, 280, 70, Key::lp_Capt, std::nullopt, nullptr},
    {Control::ShortcutFrame, Kind::Frame, 10, 150, 280, 80, Key::lp_Shor, std::nullopt, nullptr},
    {Control::Sounds, Kind::CheckBox, 20, 30, 130, 20, Key::lp_Soun, Key::tt_Soun, &Settings::pMessageBeep},
    {Control::Administrator, Kind::CheckBox, 155, 30, 125, 20, Key::lp_Admi, Key::tt_Admi, &Settings::pAdministrator},
    {Control::Clipboard, Kind::CheckBox, 20, 90, 130, 20, Key::lp_Clip, Key::tt_Clip, &Settings::pClipboard},
    {Control::MagnifyWindow, Kind::CheckBox, 20, 110, 130, 20, Key::lp_Magn, Key::tt_Magn, &Settings::pMagnifyWindow},
    {Control::SaveDialogue, Kind::CheckBox, 155, 90, 125, 20, Key::lp_Save, Key::tt_Save, &Settings::pDialogue},
    {Control::RepeatCapture, Kind::CheckBox, 155, 110, 125, 20, Key::lp_Repe, Key::tt_Repe, &Settings::pRepeatCapture},
    {Control::CaptureHotkey, Kind::HotkeyField, 20, 170, 150, 20, std::nullopt, std::nullopt, &Settings::pCapture},
    {Control::CaptureSwitch, Kind::CheckBox, 180, 170, 100, 20, Key::lp_SCap, Key::tt_SCap, &Settings::pCaptureCB},
    {Control::TopMostHotkey, Kind::HotkeyField, 20, 200, 150, 20, std::nullopt, std::nullopt, &Settings::pTopMost},
    {Control::TopMostSwitch, Kind::CheckBox, 180, 200, 100, 20, Key::lp_STop, Key::tt_STop, &Settings::pTopMostCB},
    {Control::DefaultSettings, Kind::Button, 10, 240, 280, 30, Key::lp_Defu, std::nullopt, nullptr},
}};

} // namespace

const PreferencesLayout& preferencesLayout() { return kLayout; }

const PreferencesControlLayout* findPreferencesControl(PreferencesControl control) {
    for (const PreferencesControlLayout& layout : kLayout) {
        if (layout.control == control) return &layout;
    }
    return nullptr;
}

LayoutRect scaledControlRect(const PreferencesControlLayout& layout, std::int32_t dpi) {
    const std::int32_t left = scaleForDpi(layout.x, dpi);
    const std::int32_t top = scaleForDpi(layout.y, dpi);
    return {left, top, left + scaleForDpi(layout.width, dpi), top + scaleForDpi(layout.height, dpi)};
}

CheckBoxOutcome applyCheckBox(PreferencesControl box, bool checked, Settings& settings) {
    CheckBoxOutcome outcome;
    const PreferencesControlLayout* layout = findPreferencesControl(box);
    // The hotkey switches register and unregister: they are the hotkeys' business.
    const bool hotkeySwitch = box == PreferencesControl::CaptureSwitch || box == PreferencesControl::TopMostSwitch;
    if (!layout || layout->kind != PreferencesControlKind::CheckBox || hotkeySwitch) return outcome;
    settings.*layout->setting = checked ? 1 : 0;
    switch (box) {
    case PreferencesControl::Sounds:
        outcome.playSample = checked;
        break;
    case PreferencesControl::Clipboard:
        if (settings.pDialogue == 0) {
            settings.pDialogue = 1;
            outcome.alsoCheck = PreferencesControl::SaveDialogue;
        }
        break;
    case PreferencesControl::SaveDialogue:
        if (settings.pClipboard == 0) {
            settings.pClipboard = 1;
            outcome.alsoCheck = PreferencesControl::Clipboard;
        }
        break;
    default:
        break;
    }
    return outcome;
}

} // namespace zorbel
