#include "app/MenuModel.h"

#include <utility>

#include "settings/StringTable.h"

namespace zorbel {

namespace {

constexpr bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Menu-icon slots.
constexpr int kSlotTransparency = 1;
constexpr int kSlotWindowInformation = 2;
constexpr int kSlotDisplayDevice = 3;
constexpr int kSlotAbout = 4;
constexpr int kSlotEnableTopMost = 5; // also the submenu of a TopMost window
constexpr int kSlotDisableTopMost = 6;
constexpr int kSlotMonitoredWindows = 8;
constexpr int kSlotCheckForUpdates = 9;
constexpr int kSlotRunAsAdministrator = 10;
constexpr int kSlotPreferences = 11;
constexpr int kSlotRegionCapture = 12;
constexpr int kSlotWindowCapture = 13;
constexpr int kSlotWindowList = 14;
constexpr int kSlotMoveToBottom = 15;
constexpr int kSlotMoveToTop = 16;
constexpr int kSlotRunAtStartUp = 17;
constexpr int kSlotDisplayDevices = 18;
constexpr int kSlotCaptureBackground = 19;
constexpr int kSlotCaptureForeground = 20;
constexpr int kSlotTools = 21;
constexpr int kSlotExit = 22;
constexpr int kSlotEnableMonitor = 23;
constexpr int kSlotDisableMonitor = 24;
constexpr int kSlotPowerManagement = 26;
constexpr int kSlotWindowControls = 27;

constexpr int kOpacitySteps = 10;

} // namespace

std::u16string windowMenuTitle(std::u16string_view text) {
    if (text.size() > kMaxTitleUnits) {
        text = text.substr(0, kMaxTitleUnits);
    }
    // A cut (ours or the 60-unit read's) can leave the first half of a surrogate pair behind.
    if (!text.empty() && isHighSurrogate(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return u" ";
    }
    return std::u16string(text);
}

std::u16string displayDeviceMenuText(const DisplayDevice& device) {
    static constexpr std::u16string_view kPrefix = u"\\\\.\\";
    std::u16string name;
    std::u16string_view rest = device.deviceName;
    for (auto at = rest.find(kPrefix); at != std::u16string_view::npos; at = rest.find(kPrefix)) {
        name.append(rest.substr(0, at));
        rest.remove_prefix(at + kPrefix.size());
    }
    name.append(rest);
    return name + u" - " + device.deviceString;
}

TrayMenuBuilder::TrayMenuBuilder(CommandTable& table, const StringTable& strings)
    : table_(table), strings_(strings) {
    begin();
}

void TrayMenuBuilder::begin() {
    root_ = MenuNode{};
    root_.kind = MenuNode::Kind::Submenu;
    counter_ = 0;
    header_ = 0;
    headerIsNew_ = false;
    windowCount_ = 0;
    topMostCount_ = 0;
}

std::size_t TrayMenuBuilder::beginWindow(std::uintptr_t window, std::uintptr_t coreWindow) {
    if (counter_ == 0) {
        counter_ = 1;
    }
    const CommandTable::Header header = table_.placeHeader(counter_, window, coreWindow);
    counter_ = header.index;
    header_ = header.index;
    headerIsNew_ = header.isNew;
    return header_;
}

bool TrayMenuBuilder::updateTitle(std::u16string_view title) {
    MenuEntry* entry = currentHeader();
    if (entry == nullptr) {
        return false;
    }
    std::u16string cut = windowMenuTitle(title);
    const bool changed = entry->text != cut;
    if (changed) {
        entry->text = std::move(cut);
    }
    return changed || headerIsNew_;
}

MenuEntry* TrayMenuBuilder::currentHeader() { return header_ == 0 ? nullptr : table_.find(header_); }

MenuNode& TrayMenuBuilder::item(MenuNode& parent, std::u16string text, MenuIcon icon, MenuEntry entry) {
    ++counter_;
    MenuNode node;
    node.kind = MenuNode::Kind::Item;
    node.text = std::move(text);
    node.identifier = counter_;
    node.icon = icon;
    table_.store(counter_, std::move(entry));
    parent.children.push_back(std::move(node));
    return parent.children.back();
}

MenuNode& TrayMenuBuilder::item(MenuNode& parent, MenuCommand command, std::u16string text, MenuIcon icon,
                                std::uintptr_t window) {
    MenuEntry entry;
    entry.command = command;
    entry.text = text;
    entry.window = window;
    return item(parent, std::move(text), icon, std::move(entry));
}

MenuNode& TrayMenuBuilder::submenu(MenuNode& parent, std::u16string text, MenuIcon icon) {
    MenuNode node;
    node.kind = MenuNode::Kind::Submenu;
    node.text = std::move(text);
    node.icon = icon;
    parent.children.push_back(std::move(node));
    return parent.children.back();
}

void TrayMenuBuilder::separator(MenuNode& parent) {
    MenuNode node;
    node.kind = MenuNode::Kind::Separator;
    parent.children.push_back(std::move(node));
}

void TrayMenuBuilder::endWindow(bool topMost, bool monitored) {
    MenuEntry* header = currentHeader();
    if (header == nullptr) {
        return;
    }
    const std::uintptr_t hwnd = header->window;
    const std::size_t headerIndex = header_;
    auto t = [this](TextKey key) { return strings_.text(key); };
    auto slot = MenuIcon::fromSlot;

    ++windowCount_;
    MenuNode& menu = submenu(root_, header->text,
                             topMost ? slot(kSlotEnableTopMost) : MenuIcon::fromWindow(headerIndex, 0));
    if (topMost) {
        ++topMostCount_;
        item(menu, MenuCommand::DisableTopMost, t(TextKey::lm_TopMD), slot(kSlotDisableTopMost), hwnd);
    } else {
        item(menu, MenuCommand::EnableTopMost, t(TextKey::lm_TopME), slot(kSlotEnableTopMost), hwnd);
    }
    separator(menu);
    if (monitored) {
        item(menu, MenuCommand::DisableMonitor, t(TextKey::lm_MonMD), slot(kSlotDisableMonitor), hwnd);
    } else {
        item(menu, MenuCommand::EnableMonitor, t(TextKey::lm_MonME), slot(kSlotEnableMonitor), hwnd);
    }
    separator(menu);
    item(menu, MenuCommand::MoveToTop, t(TextKey::lm_MovTo), slot(kSlotMoveToTop), hwnd);
    item(menu, MenuCommand::MoveToBottom, t(TextKey::lm_MovBo), slot(kSlotMoveToBottom), hwnd);
    separator(menu);

    MenuNode& controls = submenu(menu, t(TextKey::wc_WindC), slot(kSlotWindowControls));
    item(controls, MenuCommand::Zero, t(TextKey::wc_Zeroo), MenuIcon::none(), hwnd);
    item(controls, MenuCommand::Restore, t(TextKey::wc_Resto), MenuIcon::none(), hwnd);
    item(controls, MenuCommand::Maximise, t(TextKey::wc_Maxim), MenuIcon::none(), hwnd);
    item(controls, MenuCommand::Minimise, t(TextKey::wc_Minim), MenuIcon::none(), hwnd);
    separator(controls);
    item(controls, MenuCommand::CloseGracefully, t(TextKey::wc_ClosG), MenuIcon::none(), hwnd);
    item(controls, MenuCommand::CloseForcibly, t(TextKey::wc_ClosF), MenuIcon::none(), hwnd);
    separator(menu);

    MenuNode& opacity = submenu(menu, t(TextKey::lm_WindT), slot(kSlotTransparency));
    for (int k = 0; k < kOpacitySteps; ++k) {
        const std::int32_t level = 100 - 10 * k;
        std::u16string text;
        for (char c : std::to_string(level)) {
            text.push_back(static_cast<char16_t>(c));
        }
        text.push_back(u'%');
        MenuEntry entry;
        entry.command = MenuCommand::SetOpacity;
        entry.text = text;
        entry.window = hwnd;
        entry.level = level;
        item(opacity, std::move(text), MenuIcon::fromWindow(headerIndex, k), std::move(entry));
    }
    separator(menu);

    item(menu, MenuCommand::WindowCapture, t(TextKey::lm_WindC), slot(kSlotWindowCapture), hwnd);
    separator(menu);
    item(menu, MenuCommand::WindowInformation, t(TextKey::lm_WindI), slot(kSlotWindowInformation), hwnd);

    // The next window's header takes the identifier after this window's last item.
    ++counter_;
    header_ = 0;
}

void TrayMenuBuilder::finish(const ToolsFacts& facts) {
    header_ = 0;
    table_.truncate(counter_);
    auto t = [this](TextKey key) { return strings_.text(key); };
    auto slot = MenuIcon::fromSlot;

    if (windowCount_ > 0) {
        separator(root_);
    }
    const std::size_t toolsAt = root_.children.size();
    submenu(root_, t(TextKey::lm_Tools), slot(kSlotTools));
    separator(root_);
    // Exit is appended before the Tools submenu is filled, so it takes the first identifier.
    item(root_, MenuCommand::Exit, t(TextKey::lm_Exitm), slot(kSlotExit));
    MenuNode& tools = root_.children[toolsAt];

    item(tools, MenuCommand::About, t(TextKey::lm_About), slot(kSlotAbout));
    separator(tools);
    item(tools, MenuCommand::ToggleTransparencyMode,
         t(facts.transparencyHookInstalled ? TextKey::lm_TranD : TextKey::lm_TranE), slot(kSlotTransparency));
    separator(tools);

    MenuNode& displays = submenu(tools, t(TextKey::lm_Displ), slot(kSlotDisplayDevices));
    item(displays, MenuCommand::CaptureDesktopForeground, t(TextKey::lm_CaptF), slot(kSlotCaptureForeground));
    item(displays, MenuCommand::CaptureDesktopBackground, t(TextKey::lm_CaptB), slot(kSlotCaptureBackground));
    separator(displays);
    for (const DisplayDevice& device : facts.displayDevices) {
        if ((device.stateFlags & kDisplayAttachedToDesktop) == 0) {
            continue;
        }
        // The command matches the monitors by the full device name, so the entry keeps that.
        MenuEntry entry;
        entry.command = MenuCommand::CaptureDisplay;
        entry.text = device.deviceName;
        item(displays, displayDeviceMenuText(device), slot(kSlotDisplayDevice), std::move(entry));
    }

    item(tools, MenuCommand::RegionCapture, t(TextKey::lm_RegiC), slot(kSlotRegionCapture));
    separator(tools);

    MenuNode& power = submenu(tools, t(TextKey::pm_haPOW), slot(kSlotPowerManagement));
    item(power, MenuCommand::PreventDisplaySleep, t(TextKey::pm_haPDS), MenuIcon::none()).checked =
        facts.displayRequestHeld;
    MenuNode& system = item(power, MenuCommand::PreventSystemSleep, t(TextKey::pm_haPSS), MenuIcon::none());
    if (facts.displayRequestHeld) {
        // The display command sets and clears the system request with it; it cannot be chosen alone.
        system.radioBullet = true;
        system.disabled = true;
    } else {
        system.checked = facts.systemRequestHeld;
    }
    item(power, MenuCommand::EnableAwayMode, t(TextKey::pm_haEAM), MenuIcon::none()).checked =
        facts.awayModeRequestHeld;

    separator(tools);
    item(tools, MenuCommand::WindowList, t(TextKey::lm_Liste), slot(kSlotWindowList));
    item(tools, MenuCommand::MonitoredWindows, t(TextKey::lm_Monit), slot(kSlotMonitoredWindows));
    separator(tools);
    if (facts.offerRunAtStartUp) {
        item(tools, MenuCommand::RunAtStartUp, t(TextKey::lm_RunUp), slot(kSlotRunAtStartUp));
    }
    if (facts.offerRunAsAdministrator) {
        item(tools, MenuCommand::RunAsAdministrator, t(TextKey::lm_Admin), slot(kSlotRunAsAdministrator));
    }
    item(tools, MenuCommand::CheckForUpdates, t(TextKey::lm_Updat), slot(kSlotCheckForUpdates));
    separator(tools);
    item(tools, MenuCommand::Preferences, t(TextKey::lm_Prefe), slot(kSlotPreferences));
}

} // namespace zorbel
