#include "inspect/SearchWindow_win.h"

#include <memory>
#include <utility>
#include <vector>

#include "app/BoundWindowProc_win.h"
#include "app/DpiLayout.h"
#include "app/ToolAccelerators_win.h"
#include "app/ToolWindow_win.h"
#include "inspect/TreeWindow_win.h"
#include "inspect/ViewerMenus.h"
#include "inspect/ViewerUi_win.h"

namespace zorbel {
namespace {

constexpr wchar_t kClassName[] = L"Zorbel!_Search_Window";
constexpr wchar_t kTitle[] = L"Search String...";
constexpr int kClientWidth = 320; // at 96 DPI
constexpr int kClientHeight = 30;
constexpr int kFieldId = 100;
constexpr int kCaseSensitiveId = 101;

struct ControlRect {
    int x, y, width, height;
};
constexpr ControlRect kFieldRect{5, 5, 190, 20};
constexpr ControlRect kCaseSensitiveRect{200, 5, 110, 20};

class SearchWindow {
public:
    static std::unique_ptr<SearchWindow> open(HWND owner);

    HWND hwnd() const { return hwnd_; }
    SearchWindowParts parts() const { return {hwnd_, field_, caseSensitive_}; }

private:
    friend LRESULT CALLBACK zorbel::boundWindowProc<SearchWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    bool onCreate();
    void onCommand(ViewerCommand command);
    LRESULT onFieldColour(HDC hdc);
    void onDpiChanged(int dpi, const RECT& suggested);
    void onDestroyed();
    void layOut(int dpi);

    HWND hwnd_ = nullptr;
    UniqueWindow window_;
    HWND field_ = nullptr;
    HWND caseSensitive_ = nullptr;
    UniqueFont font_;
    UniqueAcceleratorTable accelerators_;
    UniqueBrush darkFieldBrush_; // set when the dark title bar was granted
};

std::unique_ptr<SearchWindow> current;

} // namespace

std::unique_ptr<SearchWindow> SearchWindow::open(HWND owner) {
    if (!registerBoundWindowClass<SearchWindow>(kClassName, COLOR_BTNFACE)) return nullptr;

    auto self = std::make_unique<SearchWindow>();
    const ToolWindowLayout shape{.className = kClassName, .title = kTitle, .clientWidth = kClientWidth,
                                 .clientHeight = kClientHeight, .style = WS_CAPTION | WS_SYSMENU, .parent = owner,
                                 .createParameter = self.get()};
    if (openToolWindow(shape, self->window_) == 0) return nullptr;
    SetFocus(self->field_);
    return self;
}

// An exception (a failed allocation, say) ends the one message, not the program.
LRESULT SearchWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return dispatch(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT SearchWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_COMMAND:
        if (lParam == 0) onCommand(static_cast<ViewerCommand>(LOWORD(wParam)));
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == field_ && darkFieldBrush_) return onFieldColour(reinterpret_cast<HDC>(wParam));
        return DefWindowProcW(hwnd_, message, wParam, lParam);
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

bool SearchWindow::onCreate() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    field_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0,
                             0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFieldId)), instance, nullptr);
    caseSensitive_ = CreateWindowExW(0, L"BUTTON", L"Case Sensitive", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                     0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCaseSensitiveId)),
                                     instance, nullptr);
    if (!field_ || !caseSensitive_) return false;
    SendMessageW(caseSensitive_, BM_SETCHECK, BST_CHECKED, 0);
    accelerators_ = createAcceleratorTable(searchAccelerators());
    registerToolAccelerators(hwnd_, accelerators_.get());
    if (requestDarkTitleBar(hwnd_)) darkFieldBrush_.reset(CreateSolidBrush(kDarkModeListBackground));
    layOut(windowDpi(hwnd_));
    return true;
}

void SearchWindow::onCommand(ViewerCommand command) {
    if (command == ViewerCommand::SearchClose) {
        DestroyWindow(hwnd_); // the last use of this object
        return;
    }
    if (command != ViewerCommand::SearchRun) return;
    const int length = GetWindowTextLengthW(field_);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(field_, text.data(), length + 1);
    const bool caseSensitive = SendMessageW(caseSensitive_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    searchTreeItems(fromWide(text.data()), caseSensitive);
}

LRESULT SearchWindow::onFieldColour(HDC hdc) {
    SetTextColor(hdc, kDarkModeListText);
    SetBkColor(hdc, kDarkModeListBackground);
    return reinterpret_cast<LRESULT>(darkFieldBrush_.get());
}

void SearchWindow::onDpiChanged(int dpi, const RECT& suggested) {
    layOut(dpi);
    moveToSuggestedRect(hwnd_, suggested);
}

void SearchWindow::onDestroyed() {
    unregisterToolAccelerators(hwnd_);
    window_.release(); // being destroyed already
    if (current.get() == this) current.reset();
}

void SearchWindow::layOut(int dpi) {
    // The old font is deleted only once no control uses it any more.
    UniqueFont font = createInterfaceFont(L"Arial", 8, false, dpi);
    const auto place = [dpi](HWND control, const ControlRect& r) {
        SetWindowPos(control, nullptr, scaleForDpi(r.x, dpi), scaleForDpi(r.y, dpi), scaleForDpi(r.width, dpi),
                     scaleForDpi(r.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(field_, kFieldRect);
    place(caseSensitive_, kCaseSensitiveRect);
    setControlFont(field_, font.get());
    setControlFont(caseSensitive_, font.get());
    font_ = std::move(font);
}

void openSearchWindow(HWND owner) {
    if (current) return;
    current = SearchWindow::open(owner);
}

void closeSearchWindow() {
    if (current) SendMessageW(current->hwnd(), WM_CLOSE, 0, 0);
}

SearchWindowParts searchWindowParts() { return current ? current->parts() : SearchWindowParts{}; }

} // namespace zorbel
