#include "inspect/ViewerMenus.h"

#include <utility>

#include "inspect/ReportText.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

// Virtual-key codes (winuser.h).
constexpr std::uint16_t kVkReturn = 0x0D;
constexpr std::uint16_t kVkEscape = 0x1B;
constexpr std::uint16_t kVkF1 = 0x70;
constexpr std::uint16_t kFunctionKeys = 24; // F1 to F24
constexpr std::uint16_t kMenuTextWidth = 25;

MenuNode item(const StringTable& strings, TextKey key, ViewerCommand command, bool checked = false) {
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

// The items that follow: copy, expand, search and sort, the same in the Tools menu and the
// context menu.
std::vector<MenuNode> withTreeEditing(const StringTable& strings, std::vector<MenuNode> items) {
    for (MenuNode& node : std::vector<MenuNode>{
             separator(),
             item(strings, TextKey::tv_CoRow, ViewerCommand::TreeCopyRow),
             item(strings, TextKey::tv_CoAll, ViewerCommand::TreeCopyAll),
             item(strings, TextKey::tv_CoAdd, ViewerCommand::TreeCopyAddress),
             separator(),
             item(strings, TextKey::tv_ExAll, ViewerCommand::ExpandAll),
             item(strings, TextKey::tv_ExSel, ViewerCommand::ExpandSelected),
             separator(),
             item(strings, TextKey::tv_SeTre, ViewerCommand::SearchTree),
             separator(),
             item(strings, TextKey::tv_SoAll, ViewerCommand::SortAll),
             item(strings, TextKey::tv_SoSel, ViewerCommand::SortSelected),
         })
        items.push_back(std::move(node));
    return items;
}

} // namespace

std::u16string acceleratorLabel(const AcceleratorKey& key) {
    std::u16string label;
    if (key.modifiers & kKeyControl) label += u"Ctrl+";
    if (key.modifiers & kKeyShift) label += u"Shift+";
    if (key.modifiers & kKeyAlt) label += u"Alt+";
    if (key.virtualKey == kVkReturn) return label + u"Return";
    if (key.virtualKey == kVkEscape) return label + u"Esc";
    if (key.virtualKey >= kVkF1 && key.virtualKey < kVkF1 + kFunctionKeys) return label + u"F" + decimalText(key.virtualKey - kVkF1 + 1);
    if ((key.virtualKey >= u'A' && key.virtualKey <= u'Z') || (key.virtualKey >= u'0' && key.virtualKey <= u'9'))
        return label + static_cast<char16_t>(key.virtualKey);
    return label + u"#" + decimalText(key.virtualKey);
}

MenuNode informationContextMenu(const StringTable& strings, bool treeWindowOpen, bool pointerModeOn) {
    return popup({
        item(strings, TextKey::wi_WinLi, ViewerCommand::WindowList, treeWindowOpen),
        item(strings, TextKey::wi_WinFP, ViewerCommand::WindowPointer, pointerModeOn),
        separator(),
        item(strings, TextKey::wi_CoCel, ViewerCommand::CopyCell),
        item(strings, TextKey::wi_CoRow, ViewerCommand::CopyRow),
        item(strings, TextKey::wi_CoAll, ViewerCommand::CopyAll),
    });
}

std::vector<AcceleratorKey> informationAccelerators() {
    return {
        {u'C', kKeyControl, ViewerCommand::CopyRow},
        {u'A', kKeyControl, ViewerCommand::CopyAll},
        {kVkF1, 0, ViewerCommand::WindowList},
        {kVkF1 + 1, 0, ViewerCommand::WindowPointer},
    };
}

MenuNode treeMenuBar(const StringTable& strings) {
    return popup({
        submenu(strings, TextKey::tv_mFile,
                {
                    item(strings, TextKey::tv_SaveA, ViewerCommand::TreeSaveAs),
                    item(strings, TextKey::tv_QuitA, ViewerCommand::TreeClose),
                }),
        submenu(strings, TextKey::tv_mEnum,
                {
                    item(strings, TextKey::tv_Deskt, ViewerCommand::EnumerateDesktop),
                    item(strings, TextKey::tv_TopLe, ViewerCommand::EnumerateTopLevel),
                    item(strings, TextKey::tv_Child, ViewerCommand::EnumerateChildren),
                    item(strings, TextKey::tv_Threa, ViewerCommand::EnumerateThreads),
                    item(strings, TextKey::tv_Immer, ViewerCommand::EnumerateImmersive),
                    item(strings, TextKey::tv_Store, ViewerCommand::EnumerateStoreApps),
                }),
        submenu(strings, TextKey::tv_mTool,
                withTreeEditing(strings, {
                                             item(strings, TextKey::tv_WinIn, ViewerCommand::TreeWindowInfo),
                                             item(strings, TextKey::tv_CapIn, ViewerCommand::TreeWindowCapture),
                                         })),
    });
}

MenuNode treeContextMenu(const StringTable& strings) {
    return popup(withTreeEditing(strings, {
                                              item(strings, TextKey::tv_WinIn, ViewerCommand::TreeWindowInfo),
                                              item(strings, TextKey::tv_CapIn, ViewerCommand::TreeWindowCapture),
                                              separator(),
                                              item(strings, TextKey::tv_Child, ViewerCommand::EnumerateChildren),
                                              item(strings, TextKey::tv_Threa, ViewerCommand::EnumerateThreads),
                                          }));
}

std::vector<AcceleratorKey> treeAccelerators() {
    return {
        {u'S', kKeyControl, ViewerCommand::TreeSaveAs},
        {kVkEscape, 0, ViewerCommand::TreeClose},
        {kVkF1, 0, ViewerCommand::EnumerateDesktop},
        {kVkF1 + 1, 0, ViewerCommand::EnumerateTopLevel},
        {kVkF1 + 2, 0, ViewerCommand::EnumerateChildren},
        {kVkF1 + 3, 0, ViewerCommand::EnumerateThreads},
        {kVkF1 + 4, 0, ViewerCommand::EnumerateImmersive},
        {kVkF1 + 5, 0, ViewerCommand::EnumerateStoreApps},
        {kVkReturn, 0, ViewerCommand::TreeWindowInfo},
        {u'P', kKeyControl, ViewerCommand::TreeWindowCapture},
        {u'C', kKeyControl, ViewerCommand::TreeCopyRow},
        {u'A', kKeyControl, ViewerCommand::TreeCopyAll},
        {u'D', kKeyControl, ViewerCommand::TreeCopyAddress},
        {u'E', kKeyShift, ViewerCommand::ExpandAll},
        {u'E', kKeyAlt, ViewerCommand::ExpandSelected},
        {u'F', kKeyControl, ViewerCommand::SearchTree},
        {u'S', kKeyShift, ViewerCommand::SortAll},
        {u'S', kKeyAlt, ViewerCommand::SortSelected},
    };
}

std::vector<AcceleratorKey> searchAccelerators() {
    return {
        {kVkEscape, 0, ViewerCommand::SearchClose},
        {kVkReturn, 0, ViewerCommand::SearchRun},
    };
}

} // namespace zorbel
