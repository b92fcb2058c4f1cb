#include "inspect/TreeWindow_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "app/BoundWindowProc_win.h"
#include "app/Notifications.h"
#include "app/ToolAccelerators_win.h"
#include "app/ToolWindow_win.h"
#include "capture/ScreenCapture_win.h"
#include "inspect/InformationWindow_win.h"
#include "inspect/Notices_win.h"
#include "inspect/SearchWindow_win.h"
#include "inspect/TreeWalks.h"
#include "inspect/ViewerUi_win.h"
#include "inspect/WindowList_win.h"
#include "inspect/WindowQueries_win.h"
#include "settings/FileStore_win.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

constexpr wchar_t kClassName[] = L"Zorbel!_Window_List";
constexpr wchar_t kTitle[] = L"Window List";
constexpr int kClientWidth = 800; // at 96 DPI
constexpr int kClientHeight = 400;
constexpr int kTreeControlId = 100;
constexpr int kItemTextCapacity = 1024; // every item text is far shorter
constexpr DWORD kSaveNameCapacity = 32768; // the longest path the system takes

SearchState searchState; // kept while the program runs

// The tree control's items in pre-order, as the walks over it see them.
struct TreeSnapshot {
    std::vector<HTREEITEM> items;
    std::vector<std::u16string> texts;
    std::vector<int> levels;
    std::vector<bool> expanded;

    TreeModel model() const {
        TreeModel model = TreeModel::fromLevels(texts, levels);
        for (std::size_t i = 0; i < expanded.size(); ++i) model.setExpanded(i, expanded[i]);
        return model;
    }
    std::optional<std::size_t> indexOf(HTREEITEM item) const {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == item) return i;
        return std::nullopt;
    }
};

HTREEITEM nextItem(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::u16string itemText(HWND tree, HTREEITEM item) {
    if (!item) return {};
    wchar_t buffer[kItemTextCapacity]{};
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = kItemTextCapacity;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return {};
    return fromWide(query.pszText);
}

bool isExpanded(HWND tree, HTREEITEM item) {
    return (SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

TreeSnapshot snapshotTree(HWND tree) {
    TreeSnapshot snapshot;
    std::vector<HTREEITEM> chain; // ancestors of the current item
    HTREEITEM item = nextItem(tree, nullptr, TVGN_ROOT);
    while (item) {
        snapshot.items.push_back(item);
        snapshot.texts.push_back(itemText(tree, item));
        snapshot.levels.push_back(static_cast<int>(chain.size()));
        snapshot.expanded.push_back(isExpanded(tree, item));
        if (HTREEITEM child = nextItem(tree, item, TVGN_CHILD)) {
            chain.push_back(item);
            item = child;
            continue;
        }
        HTREEITEM next = nextItem(tree, item, TVGN_NEXT);
        while (!next && !chain.empty()) {
            next = nextItem(tree, chain.back(), TVGN_NEXT);
            chain.pop_back();
        }
        item = next;
    }
    return snapshot;
}

class TreeWindow {
public:
    static std::unique_ptr<TreeWindow> open();

    HWND hwnd() const { return hwnd_; }
    HWND tree() const { return tree_; }
    int paintCount() const { return paintCount_; }
    void run(ViewerCommand command);
    void search(const std::u16string& query, bool caseSensitive);

private:
    friend LRESULT CALLBACK zorbel::boundWindowProc<TreeWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    bool onCreate();
    void onSize(int width, int height);
    LRESULT onNotify(const NMHDR& header);
    void onDpiChanged(int dpi, const RECT& suggested);
    void onDestroyed();

    HTREEITEM selectedItem() const { return nextItem(tree_, nullptr, TVGN_CARET); }
    std::u16string selectedText() const { return itemText(tree_, selectedItem()); }
    HWND selectedHandle() const {
        return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handleFromItemText(selectedText())));
    }

    void enumerate(Enumeration enumeration);
    void rebuild(HWND root);
    void expand(bool all);
    void sort(bool all);
    void saveAs();
    void selectAndReveal(const TreeSnapshot& snapshot, std::size_t index);
    void highlight(const TreeSnapshot& snapshot, std::size_t index, bool on);
    void applyFonts(int dpi);

    HWND hwnd_ = nullptr;
    UniqueWindow window_;
    HWND tree_ = nullptr;
    UniqueFont font_;
    UniqueAcceleratorTable accelerators_;
    int paintCount_ = 0;
};

std::unique_ptr<TreeWindow> current;

} // namespace

std::unique_ptr<TreeWindow> TreeWindow::open() {
    ensureCommonControls();
    if (!registerBoundWindowClass<TreeWindow>(kClassName, COLOR_WINDOW)) return nullptr;

    auto self = std::make_unique<TreeWindow>();
    const ToolWindowLayout shape{.className = kClassName, .title = kTitle, .clientWidth = kClientWidth,
                                 .clientHeight = kClientHeight, .style = WS_OVERLAPPEDWINDOW,
                                 .createParameter = self.get()};
    if (openToolWindow(shape, self->window_) == 0) return nullptr;
    return self;
}

// An exception (a failed allocation, say) ends the one message, not the program.
LRESULT TreeWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return dispatch(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT TreeWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_SIZE:
        onSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        if (lParam == 0) run(static_cast<ViewerCommand>(LOWORD(wParam)));
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd_); // WM_NCDESTROY deletes this object
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

bool TreeWindow::onCreate() {
    tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS,
                            0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTreeControlId)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!tree_) return false;
    SendMessageW(tree_, TVM_SETEXTENDEDSTYLE, TVS_EX_DOUBLEBUFFER, TVS_EX_DOUBLEBUFFER);

    UniqueMenu menuBar = renderMenu(treeMenuBar(strings()), true);
    if (menuBar && SetMenu(hwnd_, menuBar.get())) menuBar.release(); // the window owns it now
    accelerators_ = createAcceleratorTable(treeAccelerators());
    registerToolAccelerators(hwnd_, accelerators_.get());
    if (requestDarkTitleBar(hwnd_)) {
        SendMessageW(tree_, TVM_SETBKCOLOR, 0, kDarkModeListBackground);
        SendMessageW(tree_, TVM_SETTEXTCOLOR, 0, kDarkModeListText);
    }
    applyFonts(windowDpi(hwnd_));
    RECT client{};
    GetClientRect(hwnd_, &client);
    onSize(client.right, client.bottom);
    return true;
}

void TreeWindow::onSize(int width, int height) {
    SetWindowPos(tree_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TreeWindow::onNotify(const NMHDR& header) {
    if (header.hwndFrom != tree_) return 0;
    switch (header.code) {
    case NM_CUSTOMDRAW:
        if (reinterpret_cast<const NMCUSTOMDRAW&>(header).dwDrawStage == CDDS_PREPAINT) ++paintCount_;
        return CDRF_DODEFAULT;
    case NM_DBLCLK:
        // No desktop fallback here: with nothing selected the report says the handle is invalid.
        (void)showWindowReport(selectedHandle());
        return 0;
    case NM_RCLICK: {
        // The menu acts on the item that was clicked, as a tree's context menu does.
        TVHITTESTINFO hit{};
        GetCursorPos(&hit.pt);
        ScreenToClient(tree_, &hit.pt);
        if (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))))
            SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        showPopupMenu(hwnd_, treeContextMenu(strings()));
        return 1; // handled: no WM_CONTEXTMENU
    }
    default:
        return 0;
    }
}

void TreeWindow::onDpiChanged(int dpi, const RECT& suggested) {
    applyFonts(dpi);
    moveToSuggestedRect(hwnd_, suggested);
}

void TreeWindow::onDestroyed() {
    unregisterToolAccelerators(hwnd_);
    window_.release(); // being destroyed already
    if (current.get() == this) current.reset();
}

void TreeWindow::applyFonts(int dpi) {
    // The old font is deleted only once the control uses the new one.
    UniqueFont font = createInterfaceFont(L"Courier New", 9, false, dpi);
    setControlFont(tree_, font.get());
    font_ = std::move(font);
}

void TreeWindow::run(ViewerCommand command) {
    switch (command) {
    case ViewerCommand::TreeSaveAs: saveAs(); break;
    case ViewerCommand::TreeClose: DestroyWindow(hwnd_); break; // the last use of this object
    case ViewerCommand::EnumerateDesktop: enumerate(Enumeration::Desktop); break;
    case ViewerCommand::EnumerateTopLevel: enumerate(Enumeration::TopLevel); break;
    case ViewerCommand::EnumerateChildren: enumerate(Enumeration::Children); break;
    case ViewerCommand::EnumerateThreads: enumerate(Enumeration::Threads); break;
    case ViewerCommand::EnumerateImmersive: enumerate(Enumeration::Immersive); break;
    case ViewerCommand::EnumerateStoreApps: enumerate(Enumeration::StoreApps); break;
    case ViewerCommand::TreeWindowInfo: {
        HWND selected = selectedHandle();
        (void)showWindowReport(selected ? selected : GetDesktopWindow());
        break;
    }
    case ViewerCommand::TreeWindowCapture:
        (void)captureWindow(selectedHandle()); // a failure has been reported
        break;
    case ViewerCommand::TreeCopyRow: copyToClipboard(hwnd_, selectedText()); break;
    case ViewerCommand::TreeCopyAll: copyToClipboard(hwnd_, treeCopyAllText(snapshotTree(tree_).model())); break;
    case ViewerCommand::TreeCopyAddress: copyToClipboard(hwnd_, itemHandleText(selectedText())); break;
    case ViewerCommand::ExpandAll: expand(true); break;
    case ViewerCommand::ExpandSelected: expand(false); break;
    case ViewerCommand::SearchTree: openSearchWindow(hwnd_); break;
    case ViewerCommand::SortAll: sort(true); break;
    case ViewerCommand::SortSelected: sort(false); break;
    default: break;
    }
}

void TreeWindow::enumerate(Enumeration enumeration) {
    if (const std::optional<HWND> root = runEnumeration(enumeration, selectedHandle())) rebuild(*root);
}

void TreeWindow::rebuild(HWND root) {
    const std::vector<WindowListEntry>& entries = windowList();
    std::vector<std::u16string> texts{treeItemText(reinterpret_cast<std::uintptr_t>(root), windowTitleText(root),
                                                   windowClassText(root))};
    std::vector<std::int32_t> levels{0};
    for (const WindowListEntry& entry : entries) {
        if (!isShownEntry(entry)) continue;
        texts.push_back(treeItemText(entry.handle, entry.title, entry.className));
        levels.push_back(entry.depth);
    }
    const std::vector<std::size_t> parents = parentsByAppendRule(levels);
    {
        const RedrawSuspended quiet(tree_);
        SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        std::vector<HTREEITEM> items(texts.size(), nullptr);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            TVINSERTSTRUCTW insert{};
            insert.hParent = i == 0 || !items[parents[i]] ? TVI_ROOT : items[parents[i]];
            insert.hInsertAfter = TVI_LAST;
            insert.item.mask = TVIF_TEXT;
            insert.item.pszText = const_cast<wchar_t*>(wide(texts[i]));
            items[i] = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
        }
        if (items[0]) SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items[0]));
    }
    const int count = static_cast<int>(SendMessageW(tree_, TVM_GETCOUNT, 0, 0));
    wchar_t currentTitle[64]{};
    GetWindowTextW(hwnd_, currentTitle, static_cast<int>(std::size(currentTitle)));
    SetWindowTextW(hwnd_, wide(treeWindowTitle(fromWide(currentTitle), static_cast<std::size_t>(count > 0 ? count : 0))));
}

void TreeWindow::expand(bool all) {
    const TreeSnapshot snapshot = snapshotTree(tree_);
    if (snapshot.items.empty()) return;
    HTREEITEM selected = selectedItem();
    const std::optional<std::size_t> selectedIndex = snapshot.indexOf(selected);
    if (!all && !selectedIndex) return;
    TreeModel model = snapshot.model();
    const std::size_t steps = windowList().size();
    const std::vector<std::size_t> expanded = all ? expandAllWalk(model, steps) : expandSelectedWalk(model, *selectedIndex, steps);
    for (std::size_t index : expanded)
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(snapshot.items[index]));
    if (selected) SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
    // With nothing selected, Expand All still ends on the first item, selected and in view.
    selectAndReveal(snapshot, selectedIndex.value_or(0));
}

void TreeWindow::sort(bool all) {
    const TreeSnapshot snapshot = snapshotTree(tree_);
    if (snapshot.items.empty()) return;
    const std::optional<std::size_t> start = all ? std::optional<std::size_t>(0) : snapshot.indexOf(selectedItem());
    if (!start) return;
    // Every branch of the subtree in turn: not every tree control sorts recursively when asked to.
    const TreeModel model = snapshot.model();
    const int startLevel = model.level(*start);
    for (std::size_t i = *start; i < model.size() && (i == *start || model.level(i) > startLevel); ++i)
        if (model.firstChild(i)) SendMessageW(tree_, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(snapshot.items[i]));
}

void TreeWindow::saveAs() {
    const std::u16string text = treeCopyAllText(snapshotTree(tree_).model());
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::vector<wchar_t> name(kSaveNameCapacity, L'\0');
    const std::u16string defaultName = timestampFileName(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    defaultName.copy(reinterpret_cast<char16_t*>(name.data()), defaultName.size());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = L"Text documents (*.txt)\0*.txt\0";
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kSaveNameCapacity;
    dialog.lpstrTitle = L"Save as...";
    // The dialogue adds ".txt" to a name typed without an extension, and asks before replacing the
    // file it returns: so that file, and no other, is written. The program's working directory
    // stays where it was.
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) {
        // A dialogue that failed is not a cancel: the user chose a name and nothing was saved.
        if (const DWORD error = CommDlgExtendedError(); error != 0) viewerNotices().text(saveDialogueFailureText(error));
        return;
    }
    if (name[0] == L'\0') return;
    Win32FileStore files;
    (void)writeFileAtomically(files, fromWide(name.data()), utf8FileBytes(text));
}

void TreeWindow::selectAndReveal(const TreeSnapshot& snapshot, std::size_t index) {
    if (index >= snapshot.items.size()) return;
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(snapshot.items[index]));
    SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(snapshot.items[index]));
}

void TreeWindow::highlight(const TreeSnapshot& snapshot, std::size_t index, bool on) {
    if (index >= snapshot.items.size()) return;
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = snapshot.items[index];
    item.stateMask = TVIS_DROPHILITED;
    item.state = on ? TVIS_DROPHILITED : 0;
    SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    RedrawWindow(tree_, nullptr, nullptr, RDW_UPDATENOW);
}

void TreeWindow::search(const std::u16string& query, bool caseSensitive) {
    if (query.empty()) return;
    const TreeSnapshot snapshot = snapshotTree(tree_);
    const SearchOutcome outcome = searchTree(snapshot.texts, query, caseSensitive, searchState);
    if (!outcome.hit) {
        viewerNotices().sound();
        return;
    }
    highlight(snapshot, outcome.previousHit, false);
    selectAndReveal(snapshot, *outcome.hit);
    highlight(snapshot, *outcome.hit, true);
}

void openTreeWindow() {
    if (current) return;
    current = TreeWindow::open();
    if (current) current->run(ViewerCommand::EnumerateDesktop);
}

void closeTreeWindow() {
    if (current) SendMessageW(current->hwnd(), WM_CLOSE, 0, 0);
}

bool isTreeWindowOpen() { return current != nullptr; }
HWND treeWindow() { return current ? current->hwnd() : nullptr; }
HWND treeControl() { return current ? current->tree() : nullptr; }
int treePaintCount() { return current ? current->paintCount() : 0; }

void runTreeCommand(ViewerCommand command) {
    if (current) current->run(command);
}

void searchTreeItems(const std::u16string& query, bool caseSensitive) {
    if (current) current->search(query, caseSensitive);
}

void resetTreeSearchState() { searchState = SearchState{}; }

} // namespace zorbel
