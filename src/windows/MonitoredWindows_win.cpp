#include "windows/MonitoredWindows_win.h"

#include <windowsx.h>

#include <memory>
#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/BoundWindowProc_win.h"
#include "app/Clipboard_win.h"
#include "app/CoreServices.h"
#include "app/DpiLayout.h"
#include "app/Handles_win.h"
#include "app/ResourceIds.h"
#include "app/ToolWindow_win.h"
#include "settings/StringTable.h"
#include "windows/MonitoredWindowsText.h"
#include "windows/WindowMonitor.h"

namespace zorbel {
namespace {

constexpr int kClientWidth = 600; // at 96 DPI
constexpr int kClientHeight = 300;
constexpr int kListId = 1;
constexpr DWORD kDarkModeAttribute = 20; // DWMWA_USE_IMMERSIVE_DARK_MODE
constexpr COLORREF kDarkListBackground = 0xDDDDDD;
constexpr COLORREF kDarkListText = 0x000000;
constexpr int kFontPoints = 9;
constexpr int kTextMargin = 8; // right of the widest row, for the horizontal scroll range
// The list's owner gets WM_VKEYTOITEM for every key (LBS_WANTKEYBOARDINPUT): that is where
// Ctrl+C, Ctrl+A and Delete are taken, so the window needs no accelerator table in the loop.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_GROUP | WS_TABSTOP | LBS_NOTIFY |
                             LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL | LBS_WANTKEYBOARDINPUT;
// WM_VKEYTOITEM answers.
constexpr LRESULT kKeyHandled = -2;
constexpr LRESULT kKeyDefault = -1;

struct BrushTraits {
    using Handle = HBRUSH;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle h) noexcept { DeleteObject(h); }
};
using UniqueBrush = UniqueHandle<BrushTraits>;

class MonitoredWindows {
public:
    static void open();
    static MonitoredWindows* instance() { return instance_.get(); }

    HWND hwnd() const { return hwnd_; }
    void fill();

private:
    friend LRESULT CALLBACK zorbel::boundWindowProc<MonitoredWindows>(HWND, UINT, WPARAM, LPARAM) noexcept;
    void onDestroyed() noexcept;
    static bool registerClass();

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void createList();
    void applyFonts(int dpi);
    void onSize(int width, int height);
    void onDpiChanged(int dpi, const RECT& suggested);
    void onContextMenu(HWND source, int x, int y);
    LRESULT onKey(UINT virtualKey);
    LRESULT onListColour(HDC hdc);
    void run(MonitoredWindowsCommand command);

    std::vector<int> selectedRows() const;
    std::u16string rowText(int row) const;
    void copyRows(bool selectedOnly);
    void removeSelectedRules();
    void fitHorizontalExtent(const std::vector<std::u16string>& rows);

    static std::unique_ptr<MonitoredWindows> instance_;

    UniqueWindow window_;
    HWND hwnd_ = nullptr;
    HWND list_ = nullptr; // a child: destroyed with the window
    UniqueFont font_;
    int fontDpi_ = kDesignDpi; // the DPI the font was made for
    UniqueBrush darkBrush_;
};

std::unique_ptr<MonitoredWindows> MonitoredWindows::instance_;

bool MonitoredWindows::registerClass() {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ZORBEL_IDI_APP));
    return registerBoundWindowClass<MonitoredWindows>(kMonitoredWindowsClass, COLOR_WINDOW, icon);
}

void MonitoredWindows::open() {
    if (instance_) return;
    if (!registerClass()) return;
    // Not yet the instance: should creation fail half-way, WM_NCDESTROY must not free it under us.
    auto window = std::make_unique<MonitoredWindows>();
    const ToolWindowLayout shape{.className = kMonitoredWindowsClass, .title = kMonitoredWindowsTitle,
                                 .clientWidth = kClientWidth, .clientHeight = kClientHeight,
                                 .style = WS_OVERLAPPEDWINDOW, .createParameter = window.get()};
    const int dpi = openToolWindow(shape, window->window_);
    if (dpi == 0) return;
    instance_ = std::move(window);
    MonitoredWindows& self = *instance_;

    self.createList();
    BOOL dark = TRUE;
    if (const auto setAttribute = bound().DwmSetWindowAttribute) {
        if (setAttribute(self.hwnd_, kDarkModeAttribute, &dark, sizeof(dark)) == S_OK)
            self.darkBrush_.reset(CreateSolidBrush(kDarkListBackground));
    }
    self.applyFonts(dpi);
    self.fill();
    SetFocus(self.list_);
}

void MonitoredWindows::createList() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", nullptr, kListStyle, 0, 0, client.right, client.bottom, hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), GetModuleHandleW(nullptr),
                            nullptr);
}

void MonitoredWindows::applyFonts(int dpi) {
    if (!list_) return;
    UniqueFont font = createInterfaceFont(L"Courier New", kFontPoints, false, dpi);
    if (!font) return;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The list no longer uses the old font once the new one is set.
    font_ = std::move(font);
    fontDpi_ = dpi;
}

void MonitoredWindows::fill() {
    if (!list_) return;
    const std::vector<std::u16string> rows = monitorRuleRows(monitorRules());
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& row : rows) SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row)));
    fitHorizontalExtent(rows);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void MonitoredWindows::fitHorizontalExtent(const std::vector<std::u16string>& rows) {
    // A list box scrolls sideways only as far as it is told.
    WindowDc dc(list_);
    if (!dc) return;
    ScopedSelect selected(dc.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(SYSTEM_FONT));
    int widest = 0;
    for (const std::u16string& row : rows) {
        SIZE size{};
        if (GetTextExtentPoint32W(dc.get(), wide(row), static_cast<int>(row.size()), &size) && size.cx > widest)
            widest = size.cx;
    }
    SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest > 0 ? widest + scaleForDpi(kTextMargin, fontDpi_) : 0), 0);
}

std::vector<int> MonitoredWindows::selectedRows() const {
    const LRESULT count = SendMessageW(list_, LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR || count <= 0) return {};
    std::vector<int> rows(static_cast<std::size_t>(count));
    const LRESULT got = SendMessageW(list_, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rows.data()));
    rows.resize(got == LB_ERR || got < 0 ? 0 : static_cast<std::size_t>(got));
    return rows;
}

std::u16string MonitoredWindows::rowText(int row) const {
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR || length < 0) return {};
    // LB_GETTEXTLEN counts characters without the terminating zero; LB_GETTEXT writes it too.
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const LRESULT copied = SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.data()));
    if (copied == LB_ERR || copied < 0) return {};
    return fromWide(buffer.data(), static_cast<std::size_t>(copied));
}

void MonitoredWindows::copyRows(bool selectedOnly) {
    std::vector<std::u16string> texts;
    if (selectedOnly) {
        for (int row : selectedRows()) texts.push_back(rowText(row));
    } else {
        const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
        for (int row = 0; count != LB_ERR && row < count; ++row) texts.push_back(rowText(row));
    }
    if (const DWORD error = putTextOnClipboard(hwnd_, clipboardRows(texts)); error != ERROR_SUCCESS)
        core::reportSystemError(error);
}

void MonitoredWindows::removeSelectedRules() {
    const std::vector<int> rows = selectedRows();
    if (removeSelectedMonitorRules(monitorRules(), rows) == 0) return;
    fill();
    core::saveSettings();
    core::requestMenuRebuild();
}

void MonitoredWindows::run(MonitoredWindowsCommand command) {
    switch (command) {
    case MonitoredWindowsCommand::CopyRow:
        copyRows(true);
        break;
    case MonitoredWindowsCommand::CopyAll:
        copyRows(false);
        break;
    case MonitoredWindowsCommand::Remove:
        removeSelectedRules();
        break;
    }
}

void MonitoredWindows::onSize(int width, int height) {
    if (list_) MoveWindow(list_, 0, 0, width, height, TRUE);
}

void MonitoredWindows::onDpiChanged(int dpi, const RECT& suggested) {
    applyFonts(dpi);
    fitHorizontalExtent(monitorRuleRows(monitorRules()));
    moveToSuggestedRect(hwnd_, suggested);
}

void MonitoredWindows::onContextMenu(HWND source, int x, int y) {
    if (source != list_) return;
    if (x == -1 && y == -1) {
        // From the keyboard: at the caret row, or the list's corner.
        RECT item{};
        const LRESULT caret = SendMessageW(list_, LB_GETCARETINDEX, 0, 0);
        POINT at{0, 0};
        if (caret != LB_ERR && SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(caret), reinterpret_cast<LPARAM>(&item)) != LB_ERR)
            at = {item.left, item.bottom};
        ClientToScreen(list_, &at);
        x = at.x;
        y = at.y;
    }
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    for (const ContextMenuItem& item : monitoredWindowsContextMenu(strings())) {
        const BOOL added = item.separator ? AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr)
                                          : AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(item.command),
                                                        wide(item.text));
        if (!added) return;
    }
    // The chosen item comes back as WM_COMMAND to this window.
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, x, y, 0, hwnd_, nullptr);
}

LRESULT MonitoredWindows::onKey(UINT virtualKey) {
    switch (listKeyAction(virtualKey, GetKeyState(VK_CONTROL) < 0)) {
    case ListKeyAction::CopyRow:
        run(MonitoredWindowsCommand::CopyRow);
        return kKeyHandled;
    case ListKeyAction::CopyAll:
        run(MonitoredWindowsCommand::CopyAll);
        return kKeyHandled;
    case ListKeyAction::Remove:
        run(MonitoredWindowsCommand::Remove);
        return kKeyHandled;
    case ListKeyAction::None:
        break;
    }
    return kKeyDefault;
}

LRESULT MonitoredWindows::onListColour(HDC hdc) {
    SetTextColor(hdc, kDarkListText);
    SetBkColor(hdc, kDarkListBackground);
    return reinterpret_cast<LRESULT>(darkBrush_.get());
}

// An exception (a failed allocation) ends the one message, not the program.
LRESULT MonitoredWindows::handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return dispatch(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT MonitoredWindows::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        onSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETFOCUS:
        if (list_) SetFocus(list_);
        return 0;
    case WM_CONTEXTMENU:
        onContextMenu(reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_VKEYTOITEM:
        if (reinterpret_cast<HWND>(lParam) == list_) return onKey(LOWORD(wParam));
        break;
    case WM_CTLCOLORLISTBOX:
        if (darkBrush_ && reinterpret_cast<HWND>(lParam) == list_) return onListColour(reinterpret_cast<HDC>(wParam));
        break;
    case WM_COMMAND:
        // Menu items only; the list's own notifications carry its handle.
        if (lParam == 0 && HIWORD(wParam) == 0) {
            const auto command = static_cast<MonitoredWindowsCommand>(LOWORD(wParam));
            if (command == MonitoredWindowsCommand::CopyRow || command == MonitoredWindowsCommand::CopyAll ||
                command == MonitoredWindowsCommand::Remove)
                run(command);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MonitoredWindows::onDestroyed() noexcept {
    window_.release(); // being destroyed already
    hwnd_ = nullptr;
    list_ = nullptr;
    if (instance_.get() == this) instance_.reset();
}

} // namespace

void openMonitoredWindows() {
    // Rules added or cleared from the tray menu show at once in an open window.
    setMonitorRulesListener(refreshMonitoredWindows);
    MonitoredWindows::open();
}

void refreshMonitoredWindows() {
    if (MonitoredWindows* window = MonitoredWindows::instance()) window->fill();
}

HWND monitoredWindowsWindow() {
    const MonitoredWindows* window = MonitoredWindows::instance();
    return window ? window->hwnd() : nullptr;
}

} // namespace zorbel
