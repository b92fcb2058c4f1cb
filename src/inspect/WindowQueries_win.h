// What the inspection reads about a window, each query as the reports need it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "inspect/DimensionsReport.h"
#include "inspect/ReportText.h"

namespace zorbel {

// InternalGetWindowText into 260 characters (never sends a message to the window); " " when
// that gives nothing.
std::u16string windowTitleText(HWND window);
// GetClassNameW into 260 characters; " " when it fails.
std::u16string windowClassText(HWND window);
// The full path of the window's process executable; empty when it cannot be had.
std::u16string processImagePath(HWND window);

template <typename Handle>
HandleNumber handleNumber(Handle handle) {
    return {static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(handle)), static_cast<int>(sizeof(void*) * 8)};
}

// One DWM attribute as DwmGetWindowAttribute gives it (4 bytes, or 16 for the rectangles).
DwmReading readDwmAttribute(HWND window, DwmAttribute attribute);
// The attribute's report text: value and comment, or the system's text for the failure.
std::u16string formatDwmAttribute(HWND window, DwmAttribute attribute);


} // namespace zorbel
