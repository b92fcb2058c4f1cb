#include "inspect/WindowQueries_win.h"

#include <vector>

#include "app/BoundFunctions_win.h"
#include "app/Handles_win.h"
#include "inspect/ViewerUi_win.h"

namespace zorbel {
namespace {

constexpr int kWindowTextCapacity = 260;
// The longest path the system can give (UNICODE_STRING limit), in characters.
constexpr DWORD kLongestPath = 32768;

} // namespace

std::u16string windowTitleText(HWND window) {
    wchar_t buffer[kWindowTextCapacity]{};
    int length = 0;
    if (const auto internalGetWindowText = bound().InternalGetWindowText; internalGetWindowText && window)
        length = internalGetWindowText(window, buffer, kWindowTextCapacity);
    return length > 0 ? fromWide(buffer, static_cast<std::size_t>(length)) : u" ";
}

std::u16string windowClassText(HWND window) {
    wchar_t buffer[kWindowTextCapacity]{};
    const int length = window ? GetClassNameW(window, buffer, kWindowTextCapacity) : 0;
    return length > 0 ? fromWide(buffer, static_cast<std::size_t>(length)) : u" ";
}

std::u16string processImagePath(HWND window) {
    const auto queryImageName = bound().QueryFullProcessImageNameW;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (!queryImageName || processId == 0) return {};
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    // MAX_PATH covers nearly every program; a longer path gets the room it asks for.
    for (DWORD capacity = MAX_PATH;; capacity = kLongestPath) {
        std::vector<wchar_t> buffer(capacity);
        DWORD length = capacity;
        if (queryImageName(process.get(), 0, buffer.data(), &length)) return fromWide(buffer.data(), length);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || capacity == kLongestPath) return {};
    }
}

DwmReading readDwmAttribute(HWND window, DwmAttribute attribute) {
    DwmReading reading;
    const auto getAttribute = bound().DwmGetWindowAttribute;
    if (!getAttribute) {
        reading.result = static_cast<std::int32_t>(HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND));
        reading.errorText = systemText(ERROR_PROC_NOT_FOUND);
        return reading;
    }
    const bool isRect = attribute == DwmAttribute::CaptionButtonBounds || attribute == DwmAttribute::ExtendedFrameBounds;
    RECT value{};
    const HRESULT result = getAttribute(window, static_cast<DWORD>(attribute), &value, isRect ? sizeof(RECT) : sizeof(DWORD));
    reading.result = static_cast<std::int32_t>(result);
    if (result != S_OK) {
        reading.errorText = systemText(static_cast<DWORD>(result));
        return reading;
    }
    reading.words = {static_cast<std::int32_t>(value.left), static_cast<std::int32_t>(value.top),
                     static_cast<std::int32_t>(value.right), static_cast<std::int32_t>(value.bottom)};
    return reading;
}

std::u16string formatDwmAttribute(HWND window, DwmAttribute attribute) {
    return dwmAttributeText(attribute, readDwmAttribute(window, attribute));
}


} // namespace zorbel
