#include "inspect/InspectMenus.h"

#include "inspect/InspectText.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

// Virtual-key codes (winuser.h).
constexpr std::uint16_t kVkReturn = 0x0D;
constexpr std::uint16_t kVkEscape = 0x1B;
constexpr std::uint16_t kVkF1 = 0x70;
constexpr std::uint16_t kMenuTextWidth = 25;

MenuNode item(const StringTable& strings, TextKey key, InspectCommand command, bool checked = false) {
    MenuNode node;
    node.kind = MenuNode::Kind::Item;
    node.text = cutText(strings.text(key), kMenuTextWidth);
    node.identifier = static_cast<std::size_t>(command);
    node.checked = checked;
    return node;
}

MenuNode separator() {
    MenuNode node;
    node.kind = MenuNode::Kind::Separator;
    return node;
}

MenuNode submenu(const StringTable& strings, TextKey key, std::vector<MenuNode> children) {
    MenuNode node;
    node.kind = MenuNode::Kind::Submenu;
    node.text = cutText(strings.text(key), kMenuTextWidth);
    node.children = std::move(children);
    return node;
}

MenuNode popup(std::vector<MenuNode> children) {
    MenuNode node;
    node.kind = MenuNode::Kind::Submenu;
    node.children = std::move(children);
    return node;
}

} // namespace

std::u16string acceleratorLabel(const AcceleratorKey& key) {
    std::u16string label;
    if (key.modifiers & kKeyControl) label += u"Ctrl+";
    if (key.modifiers & kKeyShift) label += u"Shift+";
    if (key.modifiers & kKeyAlt) label += u"Alt+";
    if (key.virtualKey == kVkReturn) return label + u"Return";
    if (key.virtualKey == kVkEscape) return label + u"Esc";
    if (key.virtualKey >= kVkF1 && key.virtualKey < kVkF1 + 24) return label + u"F" + decimalText(key.virtualKey - kVkF1 + 1);
    if ((key.virtualKey >= u'A' && key.virtualKey <= u'Z') || (key.virtualKey >= u'0' && key.virtualKey <= u'9'))
        return label + static_cast<char16_t>(key.virtualKey);
    return label + u"#" + decimalText(key.virtualKey);
}

MenuNode informationContextMenu(const StringTable& strings, bool treeWindowOpen, bool pointerModeOn) {
    return popup({
        item(strings, TextKey::wi_WinLi, InspectCommand::WindowList, treeWindowOpen),
        item(strings, TextKey::wi_WinFP, InspectCommand::WindowPointer, pointerModeOn),
        separator(),
        item(strings, TextKey::wi_CoCel, InspectCommand::CopyCell),
        item(strings, TextKey::wi_CoRow, InspectCommand::CopyRow),
        item(strings, TextKey::wi_CoAll, InspectCommand::CopyAll),
    });
}

std::vector<AcceleratorKey> informationAccelerators() {
    return {
        {u'C', kKeyControl, InspectCommand::CopyRow},
        {u'A', kKeyControl, InspectCommand::CopyAll},
        {kVkF1, 0, InspectCommand::WindowList},
        {kVkF1 + 1, 0, InspectCommand::WindowPointer},
    };
}

MenuNode treeMenuBar(const StringTable& strings) {
    return popup({
        submenu(strings, TextKey::tv_mFile,
                {
                    item(strings, TextKey::tv_SaveA, InspectCommand::TreeSaveAs),
                    item(strings, TextKey::tv_QuitA, InspectCommand::TreeClose),
                }),
        submenu(strings, TextKey::tv_mEnum,
                {
                    item(strings, TextKey::tv_Deskt, InspectCommand::EnumerateDesktop),
                    item(strings, TextKey::tv_TopLe, InspectCommand::EnumerateTopLevel),
                    item(strings, TextKey::tv_Child, InspectCommand::EnumerateChildren),
                    item(strings, TextKey::tv_Threa, InspectCommand::EnumerateThreads),
                    item(strings, TextKey::tv_Immer, InspectCommand::EnumerateImmersive),
                    item(strings, TextKey::tv_Store, InspectCommand::EnumerateStoreApps),
                }),
        submenu(strings, TextKey::tv_mTool,
                {
                    item(strings, TextKey::tv_WinIn, InspectCommand::TreeWindowInfo),
                    item(strings, TextKey::tv_CapIn, InspectCommand::TreeWindowCapture),
                    separator(),
                    item(strings, TextKey::tv_CoRow, InspectCommand::TreeCopyRow),
                    item(strings, TextKey::tv_CoAll, InspectCommand::TreeCopyAll),
                    item(strings, TextKey::tv_CoAdd, InspectCommand::TreeCopyAddress),
                    separator(),
                    item(strings, TextKey::tv_ExAll, InspectCommand::ExpandAll),
                    item(strings, TextKey::tv_ExSel, InspectCommand::ExpandSelected),
                    separator(),
                    item(strings, TextKey::tv_SeTre, InspectCommand::SearchTree),
                    separator(),
                    item(strings, TextKey::tv_SoAll, InspectCommand::SortAll),
                    item(strings, TextKey::tv_SoSel, InspectCommand::SortSelected),
                }),
    });
}

MenuNode treeContextMenu(const StringTable& strings) {
    return popup({
        item(strings, TextKey::tv_WinIn, InspectCommand::TreeWindowInfo),
        item(strings, TextKey::tv_CapIn, InspectCommand::TreeWindowCapture),
        separator(),
        item(strings, TextKey::tv_Child, InspectCommand::EnumerateChildren),
        item(strings, TextKey::tv_Threa, InspectCommand::EnumerateThreads),
        separator(),
        item(strings, TextKey::tv_CoRow, InspectCommand::TreeCopyRow),
        item(strings, TextKey::tv_CoAll, InspectCommand::TreeCopyAll),
        item(strings, TextKey::tv_CoAdd, InspectCommand::TreeCopyAddress),
        separator(),
        item(strings, TextKey::tv_ExAll, InspectCommand::ExpandAll),
        item(strings, TextKey::tv_ExSel, InspectCommand::ExpandSelected),
        separator(),
        item(strings, TextKey::tv_SeTre, InspectCommand::SearchTree),
        separator(),
        item(strings, TextKey::tv_SoAll, InspectCommand::SortAll),
        item(strings, TextKey::tv_SoSel, InspectCommand::SortSelected),
    });
}

std::vector<AcceleratorKey> treeAccelerators() {
    return {
        {u'S', kKeyControl, InspectCommand::TreeSaveAs},
        {kVkEscape, 0, InspectCommand::TreeClose},
        {kVkF1, 0, InspectCommand::EnumerateDesktop},
        {kVkF1 + 1, 0, InspectCommand::EnumerateTopLevel},
        {kVkF1 + 2, 0, InspectCommand::EnumerateChildren},
        {kVkF1 + 3, 0, InspectCommand::EnumerateThreads},
        {kVkF1 + 4, 0, InspectCommand::EnumerateImmersive},
        {kVkF1 + 5, 0, InspectCommand::EnumerateStoreApps},
        {kVkReturn, 0, InspectCommand::TreeWindowInfo},
        {u'P', kKeyControl, InspectCommand::TreeWindowCapture},
        {u'C', kKeyControl, InspectCommand::TreeCopyRow},
        {u'A', kKeyControl, InspectCommand::TreeCopyAll},
        {u'D', kKeyControl, InspectCommand::TreeCopyAddress},
        {u'E', kKeyShift, InspectCommand::ExpandAll},
        {u'E', kKeyAlt, InspectCommand::ExpandSelected},
        {u'F', kKeyControl, InspectCommand::SearchTree},
        {u'S', kKeyShift, InspectCommand::SortAll},
        {u'S', kKeyAlt, InspectCommand::SortSelected},
    };
}

std::vector<AcceleratorKey> searchAccelerators() {
    return {
        {kVkEscape, 0, InspectCommand::SearchClose},
        {kVkReturn, 0, InspectCommand::SearchRun},
    };
}

} // namespace zorbel
