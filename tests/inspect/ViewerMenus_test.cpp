#include "inspect/ViewerMenus.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/StringTable.h"
#include "settings/Utf.h"

namespace zorbel {
namespace {

using Kind = MenuNode::Kind;

struct Expected {
    Kind kind;
    ViewerCommand command;
    const char16_t* text;
};

void expectItems(const MenuNode& menu, const std::vector<Expected>& expected) {
    ASSERT_EQ(menu.children.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MenuNode& node = menu.children[i];
        EXPECT_EQ(node.kind, expected[i].kind) << i;
        if (expected[i].kind == Kind::Item) {
            EXPECT_EQ(node.identifier, static_cast<std::size_t>(expected[i].command)) << i;
            EXPECT_EQ(node.text, expected[i].text) << i;
        }
    }
}

constexpr Kind kItem = Kind::Item;
constexpr Kind kSeparator = Kind::Separator;
using C = ViewerCommand;

TEST(ViewerMenus, InformationContextMenu) {
    const StringTable strings;
    const MenuNode menu = informationContextMenu(strings, false, false);
    expectItems(menu, {{kItem, C::WindowList, u"Window List\tF1"},
                       {kItem, C::WindowPointer, u"Window Pointer\tF2"},
                       {kSeparator, C::None, u""},
                       {kItem, C::CopyCell, u"Copy Cell"},
                       {kItem, C::CopyRow, u"Copy Row\tCtrl+C"},
                       {kItem, C::CopyAll, u"Copy All\tCtrl+A"}});
    for (bool tree : {false, true})
        for (bool pointer : {false, true}) {
            const MenuNode checked = informationContextMenu(strings, tree, pointer);
            EXPECT_EQ(checked.children[0].checked, tree);
            EXPECT_EQ(checked.children[1].checked, pointer);
            EXPECT_FALSE(checked.children[3].checked || checked.children[4].checked || checked.children[5].checked);
        }
}

TEST(ViewerMenus, TreeMenuBarAndContextMenu) {
    const StringTable strings;
    const MenuNode bar = treeMenuBar(strings);
    ASSERT_EQ(bar.children.size(), 3u);
    EXPECT_EQ(bar.children[0].text, u"File");
    EXPECT_EQ(bar.children[1].text, u"Enumerations");
    EXPECT_EQ(bar.children[2].text, u"Tools");
    expectItems(bar.children[0], {{kItem, C::TreeSaveAs, u"Save As...\tCtrl+S"}, {kItem, C::TreeClose, u"Close\tEsc"}});
    expectItems(bar.children[1], {{kItem, C::EnumerateDesktop, u"Desktop\tF1"},
                                  {kItem, C::EnumerateTopLevel, u"Top-Level\tF2"},
                                  {kItem, C::EnumerateChildren, u"Children\tF3"},
                                  {kItem, C::EnumerateThreads, u"Threads\tF4"},
                                  {kItem, C::EnumerateImmersive, u"Immersive\tF5"},
                                  {kItem, C::EnumerateStoreApps, u"Store Apps\tF6"}});
    const Expected sep{kSeparator, C::None, u""};
    // Both the Tools menu and the context menu end in the copy, expand, search and sort items.
    const std::vector<Expected> editing{sep,
                                        {kItem, C::TreeCopyRow, u"Copy Row\tCtrl+C"},
                                        {kItem, C::TreeCopyAll, u"Copy All\tCtrl+A"},
                                        {kItem, C::TreeCopyAddress, u"Copy Address\tCtrl+D"},
                                        sep,
                                        {kItem, C::ExpandAll, u"Expand All\tShift+E"},
                                        {kItem, C::ExpandSelected, u"Expand Selected\tAlt+E"},
                                        sep,
                                        {kItem, C::SearchTree, u"Search Tree\tCtrl+F"},
                                        sep,
                                        {kItem, C::SortAll, u"Sort All\tShift+S"},
                                        {kItem, C::SortSelected, u"Sort Selected\tAlt+S"}};
    const auto then = [&editing](std::vector<Expected> head) {
        head.insert(head.end(), editing.begin(), editing.end());
        return head;
    };
    expectItems(bar.children[2], then({{kItem, C::TreeWindowInfo, u"Window Info\tReturn"},
                                       {kItem, C::TreeWindowCapture, u"Window Capture\tCtrl+P"}}));
    expectItems(treeContextMenu(strings), then({{kItem, C::TreeWindowInfo, u"Window Info\tReturn"},
                                                {kItem, C::TreeWindowCapture, u"Window Capture\tCtrl+P"},
                                                sep,
                                                {kItem, C::EnumerateChildren, u"Children\tF3"},
                                                {kItem, C::EnumerateThreads, u"Threads\tF4"}}));
}

TEST(ViewerMenus, MenuTextsComeFromTheStringTableCutTo25) {
    StringTable strings;
    strings.set(TextKey::tv_mFile, u"Datei");
    strings.set(TextKey::wi_CoCel, u"Zelle kopieren");
    EXPECT_EQ(treeMenuBar(strings).children[0].text, u"Datei");
    EXPECT_EQ(informationContextMenu(strings, false, false).children[3].text, u"Zelle kopieren");
    strings.set(TextKey::tv_SoSel, u"Ausgewählte Zweige sortieren\tAlt+S");
    const MenuNode bar = treeMenuBar(strings);
    EXPECT_EQ(bar.children[2].children.back().text, u"Ausgewählte Zweige sortie");
}

// Every shortcut written behind a tab in a menu item is an accelerator of that item's command,
// and every accelerator is written behind its command's item.
void collectLabels(const MenuNode& menu, std::map<std::size_t, std::u16string>& labels) {
    for (const MenuNode& node : menu.children) {
        if (node.kind == Kind::Submenu) collectLabels(node, labels);
        const std::size_t tab = node.text.find(u'\t');
        if (node.kind == Kind::Item && tab != std::u16string::npos) labels[node.identifier] = node.text.substr(tab + 1);
    }
}

void expectAcceleratorsMatchLabels(const MenuNode& menu, const std::vector<AcceleratorKey>& keys) {
    std::map<std::size_t, std::u16string> labels;
    collectLabels(menu, labels);
    ASSERT_EQ(labels.size(), keys.size());
    for (const AcceleratorKey& key : keys) {
        const auto found = labels.find(static_cast<std::size_t>(key.command));
        ASSERT_NE(found, labels.end()) << static_cast<int>(key.command);
        EXPECT_EQ(found->second, acceleratorLabel(key)) << utf16ToUtf8(found->second);
    }
}

TEST(ViewerMenus, AcceleratorsAreTheShortcutsTheMenusShow) {
    const StringTable strings;
    expectAcceleratorsMatchLabels(informationContextMenu(strings, false, false), informationAccelerators());
    expectAcceleratorsMatchLabels(treeMenuBar(strings), treeAccelerators());
    ASSERT_EQ(searchAccelerators().size(), 2u);
    EXPECT_EQ(acceleratorLabel(searchAccelerators()[0]), u"Esc");
    EXPECT_EQ(searchAccelerators()[0].command, C::SearchClose);
    EXPECT_EQ(acceleratorLabel(searchAccelerators()[1]), u"Return");
    EXPECT_EQ(searchAccelerators()[1].command, C::SearchRun);
    EXPECT_EQ(acceleratorLabel({0x7B, kKeyControl | kKeyShift | kKeyAlt, C::None}), u"Ctrl+Shift+Alt+F12");
    EXPECT_EQ(acceleratorLabel({0x2E, 0, C::None}), u"#46");
}

} // namespace
} // namespace zorbel
