// Helpers of the inspection windows' Win32 tests: what they would have told the user, the
// clipboard, list and tree contents, and injected input.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "app/ToolAccelerators_win.h"
#include "inspect/Notices_win.h"
#include "inspect/ReportRows.h"
#include "inspect/ViewerUi_win.h"

namespace zorbel::test {

// Records what the inspection windows would have shown while it lives.
class RecordedNotices {
public:
    RecordedNotices() : saved_(viewerNotices()) {
        instance() = this;
        viewerNotices() = {[](int code) { instance()->balloons.push_back(code); },
                            [](DWORD code) { instance()->systemErrors.push_back(code); },
                            [] { ++instance()->sounds; },
                            [](std::u16string_view text) { instance()->texts.emplace_back(text); }};
    }
    ~RecordedNotices() {
        viewerNotices() = saved_;
        instance() = nullptr;
    }
    RecordedNotices(const RecordedNotices&) = delete;
    RecordedNotices& operator=(const RecordedNotices&) = delete;

    std::vector<int> balloons;
    std::vector<DWORD> systemErrors;
    int sounds = 0;
    std::vector<std::u16string> texts;

private:
    static RecordedNotices*& instance() {
        static RecordedNotices* current = nullptr;
        return current;
    }
    ViewerNotices saved_;
};

inline void setClipboardMarker() { (void)putTextOnClipboard(nullptr, u"<marker>"); }

// The rows of a report list, cell by cell.
inline std::vector<std::vector<std::u16string>> listRows(HWND list) {
    std::vector<std::vector<std::u16string>> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::u16string> cells;
        for (int column = 0; column < static_cast<int>(kReportColumns); ++column) cells.push_back(listCellText(list, row, column));
        rows.push_back(cells);
    }
    return rows;
}

// The row whose first cell is label, or an empty row.
inline std::vector<std::u16string> rowLabelled(HWND list, const std::u16string& label) {
    for (auto& row : listRows(list))
        if (row[0] == label) return row;
    return {};
}

// Pumps messages the way the program's loop does, accelerators included.
inline void pumpWithAccelerators() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (translateToolAccelerator(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline bool pumpWithAcceleratorsUntil(DWORD timeoutMs, const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return done();
        pumpWithAccelerators();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

inline void sendKeys(const std::vector<WORD>& down) {
    std::vector<INPUT> inputs;
    for (WORD key : down) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto it = down.rbegin(); it != down.rend(); ++it) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Moves the mouse to a screen point as input (low-level hooks see it).
inline void moveMouseTo(POINT point) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(point.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
}

inline void clickMouse(DWORD downFlag, DWORD upFlag) {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = downFlag;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = upFlag;
    SendInput(2, inputs, sizeof(INPUT));
}

inline POINT centreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace zorbel::test
