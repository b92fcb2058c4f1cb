#include "inspect/InformationWindow_win.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/BoundWindowProc_win.h"
#include "app/DpiLayout.h"
#include "app/ToolAccelerators_win.h"
#include "app/ToolWindow_win.h"
#include "inspect/Notices_win.h"
#include "inspect/ReportFacts_win.h"
#include "inspect/ReportRows.h"
#include "inspect/TreeWindow_win.h"
#include "inspect/ViewerMenus.h"
#include "inspect/ViewerUi_win.h"
#include "inspect/WinAppDetails_win.h"
#include "settings/StringTable.h"

namespace zorbel {
namespace {

constexpr wchar_t kClassName[] = L"Zorbel!_Information_Window";
constexpr wchar_t kTitle[] = L"Window Information";
constexpr int kClientWidth = 1000; // at 96 DPI
constexpr int kClientHeight = 600;
constexpr int kInitialColumnWidth = 200;
constexpr int kTabControlId = 100;
constexpr int kTabPaddingX = 6; // the tab control's own padding at 96 DPI
constexpr int kTabPaddingY = 3;
constexpr int kFirstListId = 101;
constexpr UINT kPointerMovedMessage = WM_APP + 1;
constexpr int kHeaderTitleCapacity = 128;
constexpr int kHeaderMargin = 6; // at 96 DPI, either side of a column title: three 2-pixel edges

constexpr int kUserInfoTab = 0;
constexpr int kDimensionsTab = 1;
constexpr int kWinAppTab = 2;
constexpr int kTabCount = 3;

// Last right-clicked cell of any of the lists (Copy Cell and Copy Row use it).
int lastClickedRow = 0;
int lastClickedColumn = 0;

// The window-pointer mode. The hook only notes the point and posts; the report is built in the
// window procedure, because a low-level hook that overruns its time-out is removed silently.
UniqueHook pointerHook;
HWND lastPointerWindow = nullptr;
POINT pendingPointer{};
bool pointerMovePosted = false;

// The width a column's title needs: its text in the header's font and the header's margin on
// either side.
int headerTitleWidth(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    wchar_t text[kHeaderTitleCapacity]{};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = kHeaderTitleCapacity;
    if (!header || !SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item)))
        return 0;
    const WindowDc dc(header);
    if (!dc) return 0;
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(header, WM_GETFONT, 0, 0));
    const ScopedSelect selected(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &extent)) return 0;
    return extent.cx + 2 * MulDiv(kHeaderMargin, windowDpi(list), 96);
}

class InformationWindow {
public:
    static std::unique_ptr<InformationWindow> open();

    HWND hwnd() const { return hwnd_; }
    InformationWindowParts parts() const { return {hwnd_, tab_, lists_}; }
    void report(HWND target);

private:
    friend LRESULT CALLBACK zorbel::boundWindowProc<InformationWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    bool onCreate();
    void onSize(int width, int height);
    void onNotify(const NMHDR& header);
    void onCommand(ViewerCommand command);
    void onClose();
    void onDpiChanged(int dpi, const RECT& suggested);
    void onPointerMoved();
    void onDestroyed();

    void applyFonts(int dpi);
    void sizeColumns();
    void showSelectedList();
    HWND targetList() const;
    void copy(ViewerCommand command);

    HWND hwnd_ = nullptr;
    UniqueWindow window_;
    HWND tab_ = nullptr;
    std::array<HWND, kTabCount> lists_{};
    UniqueFont tabFont_;
    UniqueFont listFont_;
    UniqueAcceleratorTable accelerators_;
};

std::unique_ptr<InformationWindow> current;

LRESULT CALLBACK pointerHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE && current) {
        pendingPointer = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt;
        if (!pointerMovePosted) pointerMovePosted = PostMessageW(current->hwnd(), kPointerMovedMessage, 0, 0) != FALSE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void stopPointerMode() {
    pointerHook.reset();
    pointerMovePosted = false;
}

void fillList(HWND list, const std::vector<std::u16string>& rows) {
    const RedrawSuspended quiet(list);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const std::u16string& row : rows) {
        const auto cells = splitReportRow(row);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>(wide(cells[0]));
        const LRESULT at = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (at < 0) continue;
        for (int column = 1; column < static_cast<int>(kReportColumns); ++column) {
            LVITEMW cell{};
            cell.iSubItem = column;
            cell.pszText = const_cast<wchar_t*>(wide(cells[static_cast<std::size_t>(column)]));
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&cell));
        }
        ++index;
    }
}

std::vector<std::u16string> rowCells(HWND list, int row) {
    std::vector<std::u16string> cells;
    for (int column = 0; column < static_cast<int>(kReportColumns); ++column) cells.push_back(listCellText(list, row, column));
    return cells;
}

} // namespace

std::unique_ptr<InformationWindow> InformationWindow::open() {
    ensureCommonControls();
    if (!registerBoundWindowClass<InformationWindow>(kClassName, COLOR_BTNFACE)) return nullptr;

    auto self = std::make_unique<InformationWindow>();
    const ToolWindowLayout shape{.className = kClassName, .title = kTitle, .clientWidth = kClientWidth,
                                 .clientHeight = kClientHeight, .style = WS_OVERLAPPEDWINDOW,
                                 .createParameter = self.get()};
    if (openToolWindow(shape, self->window_) == 0) return nullptr;
    return self;
}

// An exception (a failed allocation while a report is built) ends the one message, not the program.
LRESULT InformationWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return dispatch(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT InformationWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_SIZE:
        onSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY:
        onNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_COMMAND:
        if (lParam == 0) onCommand(static_cast<ViewerCommand>(LOWORD(wParam)));
        return 0;
    case WM_CLOSE:
        onClose(); // destroys the window and this object
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kPointerMovedMessage:
        onPointerMoved();
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

bool InformationWindow::onCreate() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    tab_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabControlId)), instance, nullptr);
    if (!tab_) return false;
    const TextKey tabKeys[kTabCount] = {TextKey::wi_tTab1, TextKey::wi_tTab2, TextKey::wi_tTab3};
    for (int i = 0; i < kTabCount; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(wide(strings().text(tabKeys[i])));
        SendMessageW(tab_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }

    const std::u16string columnTitles[kReportColumns] = {u"Function", strings().text(TextKey::wi_tResu),
                                                        strings().text(TextKey::wi_tComm)};
    const bool dark = requestDarkTitleBar(hwnd_);
    for (int i = 0; i < kTabCount; ++i) {
        HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                    WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0, 0, 0,
                                    hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstListId + i)), instance, nullptr);
        if (!list) return false;
        lists_[static_cast<std::size_t>(i)] = list;
        const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
        for (int column = 0; column < static_cast<int>(kReportColumns); ++column) {
            LVCOLUMNW header{};
            header.mask = LVCF_TEXT | LVCF_WIDTH;
            header.cx = kInitialColumnWidth;
            header.pszText = const_cast<wchar_t*>(wide(columnTitles[column]));
            SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
        }
        if (dark) {
            SendMessageW(list, LVM_SETBKCOLOR, 0, kDarkModeListBackground);
            SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, kDarkModeListBackground);
            SendMessageW(list, LVM_SETTEXTCOLOR, 0, kDarkModeListText);
        }
        // Above the tab control, which covers the same area.
        SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    showSelectedList();

    accelerators_ = createAcceleratorTable(informationAccelerators());
    registerToolAccelerators(hwnd_, accelerators_.get());
    applyFonts(windowDpi(hwnd_));
    return true;
}

void InformationWindow::onSize(int width, int height) {
    MoveWindow(tab_, 0, 0, width, height, TRUE);
    RECT page{0, 0, width, height};
    SendMessageW(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    for (HWND list : lists_)
        MoveWindow(list, page.left + 1, page.top + 1, page.right - page.left - 2, page.bottom - page.top - 2, TRUE);
}

void InformationWindow::onNotify(const NMHDR& header) {
    if (header.hwndFrom == tab_ && header.code == TCN_SELCHANGE) {
        showSelectedList();
        return;
    }
    if (header.code != NM_RCLICK) return;
    for (HWND list : lists_) {
        if (header.hwndFrom != list) continue;
        const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
        lastClickedRow = click.iItem;
        lastClickedColumn = click.iSubItem;
        showPopupMenu(hwnd_, informationContextMenu(strings(), isTreeWindowOpen(), isWindowPointerOn()));
        return;
    }
}

void InformationWindow::onCommand(ViewerCommand command) {
    switch (command) {
    case ViewerCommand::WindowList:
        if (isTreeWindowOpen())
            closeTreeWindow();
        else
            openTreeWindow();
        break;
    case ViewerCommand::WindowPointer:
        if (pointerHook) {
            stopPointerMode();
        } else {
            lastPointerWindow = nullptr;
            pointerMovePosted = false;
            SetLastError(0);
            pointerHook.reset(SetWindowsHookExW(WH_MOUSE_LL, pointerHookProc, GetModuleHandleW(nullptr), 0));
            if (!pointerHook) viewerNotices().systemError(GetLastError());
        }
        break;
    case ViewerCommand::CopyCell:
    case ViewerCommand::CopyRow:
    case ViewerCommand::CopyAll:
        copy(command);
        break;
    default:
        break;
    }
}

void InformationWindow::onClose() {
    stopPointerMode();
    DestroyWindow(hwnd_); // the last use of this object: WM_NCDESTROY deletes it
}

void InformationWindow::onDestroyed() {
    unregisterToolAccelerators(hwnd_);
    stopPointerMode();
    window_.release(); // being destroyed already
    if (current.get() == this) current.reset();
}

void InformationWindow::onDpiChanged(int dpi, const RECT& suggested) {
    applyFonts(dpi);
    moveToSuggestedRect(hwnd_, suggested);
    // The lists are children: WM_DPICHANGED_AFTERPARENT goes to them, not here. Their new font
    // needs new column widths now.
    sizeColumns();
}

void InformationWindow::onPointerMoved() {
    pointerMovePosted = false;
    if (!pointerHook) return;
    const auto fromPoint = bound().WindowFromPhysicalPoint;
    HWND target = fromPoint ? fromPoint(pendingPointer) : WindowFromPoint(pendingPointer);
    // The report window itself is never reported: that would replace the report being read.
    if (!target || target == lastPointerWindow || GetAncestor(target, GA_ROOT) == hwnd_) return;
    lastPointerWindow = target;
    report(target);
}

void InformationWindow::applyFonts(int dpi) {
    // The old fonts are deleted only once the controls use the new ones.
    UniqueFont tabFont = createInterfaceFont(L"Arial", 8, true, dpi);
    UniqueFont listFont = createInterfaceFont(L"Courier New", 9, false, dpi);
    // The tab control pads its labels by a fixed number of pixels whatever the DPI; scaled, the tab
    // strip (and the page below it) scales with the font. Set before the font, which sizes the tabs.
    SendMessageW(tab_, TCM_SETPADDING, 0, MAKELPARAM(scaleForDpi(kTabPaddingX, dpi), scaleForDpi(kTabPaddingY, dpi)));
    setControlFont(tab_, tabFont.get());
    for (HWND list : lists_) setControlFont(list, listFont.get());
    tabFont_ = std::move(tabFont);
    listFont_ = std::move(listFont);
}

// Each column as wide as its widest cell or its title, whichever is wider: sized to the cells
// alone, a title wider than them ("Result" over short results) would be cut with an ellipsis.
// LVSCW_AUTOSIZE_USEHEADER is not used: it makes the last column fill the list instead.
void InformationWindow::sizeColumns() {
    for (HWND list : lists_)
        for (int column = 0; column < static_cast<int>(kReportColumns); ++column) {
            SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
            const int cells = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
            if (const int title = headerTitleWidth(list, column); title > cells)
                SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), title);
        }
}

void InformationWindow::showSelectedList() {
    const int selected = static_cast<int>(SendMessageW(tab_, TCM_GETCURSEL, 0, 0));
    for (int i = 0; i < kTabCount; ++i) ShowWindow(lists_[static_cast<std::size_t>(i)], i == selected ? SW_SHOW : SW_HIDE);
}

HWND InformationWindow::targetList() const {
    HWND focus = GetFocus();
    for (HWND list : lists_)
        if (list == focus) return list;
    // The keyboard focus is elsewhere (on the tabs, say): the list on show is meant.
    const int selected = static_cast<int>(SendMessageW(tab_, TCM_GETCURSEL, 0, 0));
    return lists_[static_cast<std::size_t>(selected >= 0 && selected < kTabCount ? selected : 0)];
}

void InformationWindow::copy(ViewerCommand command) {
    HWND list = targetList();
    std::u16string text;
    if (command == ViewerCommand::CopyCell) {
        text = listCellText(list, lastClickedRow, lastClickedColumn);
    } else if (command == ViewerCommand::CopyRow) {
        text = copyRowText(rowCells(list, lastClickedRow));
    } else {
        std::vector<std::vector<std::u16string>> rows;
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) rows.push_back(rowCells(list, row));
        text = copyAllText(rows);
    }
    copyToClipboard(hwnd_, text);
}

void InformationWindow::report(HWND target) {
    fillList(lists_[kUserInfoTab], userInfoRows(gatherUserInfoFacts(target)));
    fillList(lists_[kDimensionsTab], dimensionsRows(gatherDimensionsFacts(target)));
    fillList(lists_[kWinAppTab], winAppDetailsRows(target));
    sizeColumns();
}

bool showWindowReport(HWND window) {
    if (!IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        viewerNotices().systemError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (!current) current = InformationWindow::open();
    if (!current) return false;
    current->report(window);
    return true;
}

InformationWindowParts informationWindowParts() { return current ? current->parts() : InformationWindowParts{}; }

void closeInformationWindow() {
    if (current) SendMessageW(current->hwnd(), WM_CLOSE, 0, 0);
}

bool isWindowPointerOn() { return static_cast<bool>(pointerHook); }

} // namespace zorbel
