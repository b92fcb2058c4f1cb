#include "app/Preferences_win.h"

#include <commctrl.h>

#include <memory>

#include "app/BoundFunctions_win.h"
#include "app/BoundWindowProc_win.h"
#include "app/CoreServices.h"
#include "app/Handles_win.h"
#include "app/Hotkeys_win.h"
#include "app/PreferencesModel.h"
#include "app/ResourceIds.h"
#include "app/ToolWindow_win.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU; // fixed size: no sizing border, no min/max box
constexpr DWORD kDarkModeAttribute = 20;                  // DWMWA_USE_IMMERSIVE_DARK_MODE
constexpr int kFontPoints = 8;
constexpr wchar_t kFontFace[] = L"Arial";

DWORD controlStyle(PreferencesControlKind kind) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case PreferencesControlKind::Frame:
        return kChild | BS_GROUPBOX;
    case PreferencesControlKind::CheckBox:
        return kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
    case PreferencesControlKind::HotkeyField:
        return kChild | WS_TABSTOP | WS_BORDER;
    case PreferencesControlKind::Button:
        return kChild | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return kChild;
}

Hotkey hotkeyOf(PreferencesControl control) {
    return control == PreferencesControl::CaptureHotkey || control == PreferencesControl::CaptureSwitch ? Hotkey::Capture
                                                                                                       : Hotkey::TopMost;
}

PreferencesControl fieldOf(Hotkey hotkey) {
    return hotkey == Hotkey::Capture ? PreferencesControl::CaptureHotkey : PreferencesControl::TopMostHotkey;
}

class Preferences {
public:
    static void open();
    static Preferences* instance() { return instance_.get(); }
    HWND hwnd() const { return hwnd_; }

private:
    friend LRESULT CALLBACK zorbel::boundWindowProc<Preferences>(HWND, UINT, WPARAM, LPARAM) noexcept;
    void onDestroyed() noexcept;
    static bool registerClass();

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls(int dpi);
    void attachTooltips();
    void applyFonts(int dpi);
    void showSettings();
    void onCommand(int identifier, UINT notification);
    void onCheckBox(PreferencesControl box);
    void onHotkeyField(PreferencesControl field);
    void onHotkeySwitch(PreferencesControl box);
    void onDefaultSettings();
    void onDpiChanged(int dpi, const RECT& suggested);

    HWND control(PreferencesControl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }
    bool isChecked(PreferencesControl id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void setChecked(PreferencesControl id, bool on) const {
        SendMessageW(control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    static std::unique_ptr<Preferences> instance_;

    UniqueWindow window_;
    HWND hwnd_ = nullptr;
    HWND tooltips_ = nullptr; // owned by the window: destroyed with it
    UniqueFont frameFont_;
    UniqueFont font_;
    // Set while the window itself sets a hotkey field, whose change must not count as the user's.
    bool showing_ = false;
};

std::unique_ptr<Preferences> Preferences::instance_;

bool Preferences::registerClass() {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ZORBEL_IDI_APP));
    return registerBoundWindowClass<Preferences>(kPreferencesClass, COLOR_BTNFACE, icon);
}

void Preferences::open() {
    if (instance_) return;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_HOTKEY_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!registerClass()) return;
    // Not yet the instance: should creation fail half-way, WM_NCDESTROY must not free it under us.
    auto window = std::make_unique<Preferences>();
    const ToolWindowLayout shape{.className = kPreferencesClass, .title = kPreferencesTitle,
                                 .clientWidth = kPreferencesClientWidth, .clientHeight = kPreferencesClientHeight,
                                 .style = kWindowStyle, .createParameter = window.get()};
    const int dpi = openToolWindow(shape, window->window_);
    if (dpi == 0) return;
    instance_ = std::move(window);
    Preferences& self = *instance_;

    self.createControls(dpi);
    self.showSettings();
    self.attachTooltips();
    BOOL dark = TRUE;
    if (const auto setAttribute = bound().DwmSetWindowAttribute)
        (void)setAttribute(self.hwnd_, kDarkModeAttribute, &dark, sizeof(dark));
    self.applyFonts(dpi);
}

void Preferences::createControls(int dpi) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const PreferencesControlLayout& layout : preferencesLayout()) {
        const LayoutRect at = scaledControlRect(layout, dpi);
        const wchar_t* className = layout.kind == PreferencesControlKind::HotkeyField ? HOTKEY_CLASSW : L"Button";
        const std::u16string text = layout.text ? strings().text(*layout.text) : std::u16string();
        HWND created = CreateWindowExW(0, className, wide(text), controlStyle(layout.kind), at.left, at.top,
                                       at.width(), at.height(), hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.control)), instance, nullptr);
        // A key alone or with Shift alone would be taken from every program as the user types:
        // the field adds Ctrl to it. (F1-F24 alone remain possible from the settings file only.)
        if (created && layout.kind == PreferencesControlKind::HotkeyField)
            SendMessageW(created, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL, 0));
    }
}

void Preferences::showSettings() {
    const Settings& settings = core::settings();
    showing_ = true;
    for (const PreferencesControlLayout& layout : preferencesLayout()) {
        if (!layout.setting) continue;
        const std::int32_t value = settings.*layout.setting;
        if (layout.kind == PreferencesControlKind::CheckBox) setChecked(layout.control, value != 0);
        if (layout.kind == PreferencesControlKind::HotkeyField)
            SendMessageW(control(layout.control), HKM_SETHOTKEY, static_cast<WPARAM>(value & 0xFFFF), 0);
    }
    showing_ = false;
    EnableWindow(control(PreferencesControl::CaptureHotkey), settings.pCaptureCB != 0);
    EnableWindow(control(PreferencesControl::TopMostHotkey), settings.pTopMostCB != 0);
}

void Preferences::attachTooltips() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!tooltips_) return;
    for (const PreferencesControlLayout& layout : preferencesLayout()) {
        if (!layout.tooltip) continue;
        // The tooltip keeps its own copy of the text.
        std::u16string text = strings().text(*layout.tooltip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(control(layout.control));
        tool.lpszText = const_cast<wchar_t*>(wide(text));
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Preferences::applyFonts(int dpi) {
    UniqueFont frameFont = createInterfaceFont(kFontFace, kFontPoints, true, dpi);
    UniqueFont font = createInterfaceFont(kFontFace, kFontPoints, false, dpi);
    if (!frameFont || !font) return;
    for (const PreferencesControlLayout& layout : preferencesLayout()) {
        const HFONT chosen = layout.kind == PreferencesControlKind::Frame ? frameFont.get() : font.get();
        SendMessageW(control(layout.control), WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    }
    if (tooltips_) SendMessageW(tooltips_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    // The controls no longer use the old fonts once the new ones are set.
    frameFont_ = std::move(frameFont);
    font_ = std::move(font);
}

void Preferences::onCommand(int identifier, UINT notification) {
    const auto id = static_cast<PreferencesControl>(identifier);
    const PreferencesControlLayout* layout = findPreferencesControl(id);
    if (!layout) return;
    switch (layout->kind) {
    case PreferencesControlKind::CheckBox:
        if (notification != BN_CLICKED) return;
        if (id == PreferencesControl::CaptureSwitch || id == PreferencesControl::TopMostSwitch)
            onHotkeySwitch(id);
        else
            onCheckBox(id);
        break;
    case PreferencesControlKind::HotkeyField:
        if (notification != EN_CHANGE || showing_) return;
        onHotkeyField(id);
        break;
    case PreferencesControlKind::Button:
        if (notification != BN_CLICKED) return;
        onDefaultSettings();
        break;
    case PreferencesControlKind::Frame:
        return;
    }
    core::saveSettings();
}

void Preferences::onCheckBox(PreferencesControl box) {
    const CheckBoxOutcome outcome = applyCheckBox(box, isChecked(box), core::settings());
    if (outcome.alsoCheck) setChecked(*outcome.alsoCheck, true);
    if (outcome.playSample) core::notificationSound();
}

void Preferences::onHotkeyField(PreferencesControl field) {
    const HWND fieldWindow = control(field);
    const auto value = static_cast<std::int32_t>(SendMessageW(fieldWindow, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
    const std::int32_t shown = changeHotkeyCombination(hotkeyOf(field), value);
    if (shown != value) {
        // Refused (the system's reason is in a balloon): the field empties with the setting.
        showing_ = true;
        SendMessageW(fieldWindow, HKM_SETHOTKEY, static_cast<WPARAM>(shown & 0xFFFF), 0);
        showing_ = false;
    }
}

void Preferences::onHotkeySwitch(PreferencesControl box) {
    const bool on = isChecked(box);
    const Hotkey hotkey = hotkeyOf(box);
    EnableWindow(control(fieldOf(hotkey)), on);
    switchHotkey(hotkey, on);
}

void Preferences::onDefaultSettings() {
    restoreDefaultSettings(core::settings());
    restoreDefaultHotkeys();
    showSettings();
}

void Preferences::onDpiChanged(int dpi, const RECT& suggested) {
    applyFonts(dpi);
    const PreferencesLayout& layouts = preferencesLayout();
    HDWP batch = BeginDeferWindowPos(static_cast<int>(layouts.size()));
    for (const PreferencesControlLayout& layout : layouts) {
        if (!batch) break;
        const LayoutRect at = scaledControlRect(layout, dpi);
        // DeferWindowPos frees the batch when it fails and returns null.
        batch = DeferWindowPos(batch, control(layout.control), nullptr, at.left, at.top, at.width(), at.height(),
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if (batch && EndDeferWindowPos(batch))
        moveToSuggestedRect(hwnd_, suggested);
}

// An exception (a failed allocation, say) ends the one message, not the program.
LRESULT Preferences::handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return dispatch(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT Preferences::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Controls only: they carry their handle in lParam.
        if (lParam != 0) onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Preferences::onDestroyed() noexcept {
    window_.release(); // being destroyed already
    hwnd_ = nullptr;
    tooltips_ = nullptr;
    if (instance_.get() == this) instance_.reset();
}

} // namespace

void openPreferences() { Preferences::open(); }

HWND preferencesWindow() {
    const Preferences* window = Preferences::instance();
    return window ? window->hwnd() : nullptr;
}

} // namespace zorbel
