// Shared by the capture tests under Wine: images with known pixels, reading the clipboard's
// bitmap back, and the settings a capture reads, restored after each test.
#pragma once

#include <windows.h>

#include <png.h>

#include <cstring>
#include <optional>
#include <string>

#include "WinTestSupport.h"
#include "app/Clipboard_win.h"
#include "app/ImageOps.h"
#include "settings/Settings.h"

namespace zorbel::test {

// Every pixel different; the fourth byte is left at anything but 255, as GetDIBits leaves it.
inline Image patternImage(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 7);
            p[1] = static_cast<std::uint8_t>(y * 11);
            p[2] = static_cast<std::uint8_t>(x + y);
            p[3] = 0;
        }
    }
    return image;
}

// A picture read back from the clipboard or the screen: BGR colours, rows top-down.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // as RGB() values

    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x]; }
};

// Interprets a packed DIB of 24 or 32 bits per pixel, either row order.
inline std::optional<Picture> pictureFromPackedDib(const void* data, std::size_t size) {
    if (size < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof(header));
    if (header.biCompression != BI_RGB || (header.biBitCount != 24 && header.biBitCount != 32)) return std::nullopt;
    Picture picture;
    picture.width = header.biWidth;
    picture.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const std::size_t bytesPerPixel = header.biBitCount / 8;
    const std::size_t stride = (static_cast<std::size_t>(picture.width) * bytesPerPixel + 3) & ~std::size_t{3};
    if (size < header.biSize + stride * static_cast<std::size_t>(picture.height)) return std::nullopt;
    const auto* bits = static_cast<const std::uint8_t*>(data) + header.biSize;
    for (int y = 0; y < picture.height; ++y) {
        const int row = header.biHeight < 0 ? y : picture.height - 1 - y;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = bits + static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(x) * bytesPerPixel;
            picture.pixels.push_back(RGB(p[2], p[1], p[0]));
        }
    }
    return picture;
}

// Decodes a PNG file's bytes through libpng itself, whatever wrote them.
inline std::optional<Picture> pictureFromPng(const void* data, std::size_t size) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size)) return std::nullopt;
    png.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    Picture picture;
    picture.width = static_cast<int>(png.width);
    picture.height = static_cast<int>(png.height);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) picture.pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
    return picture;
}

// The registered format in which programs paste PNG files.
inline UINT pngClipboardFormat() { return RegisterClipboardFormatW(L"PNG"); }

// The clipboard's data in that format as bytes (the memory block may be rounded up past its
// end); nothing when the clipboard cannot be opened or holds no such data.
inline std::optional<std::string> clipboardBytes(UINT format) {
    const OpenClipboardScope clipboard(nullptr);
    if (!clipboard) return std::nullopt;
    HANDLE data = GetClipboardData(format);
    if (!data) return std::nullopt;
    const LockedGlobalMemory locked(data);
    if (!locked.data()) return std::nullopt;
    return std::string(static_cast<const char*>(locked.data()), GlobalSize(data));
}

inline std::optional<Picture> clipboardPicture() {
    const OpenClipboardScope clipboard(nullptr);
    if (!clipboard) return std::nullopt;
    std::optional<Picture> picture;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        const LockedGlobalMemory locked(data);
        if (locked.data()) picture = pictureFromPackedDib(locked.data(), GlobalSize(data));
    }
    return picture;
}

// Leaves something else on the clipboard, so that a test sees whether a copy replaced it.
inline bool putTextOnClipboard(HWND owner, const wchar_t* text) {
    const std::wstring wideText(text);
    return zorbel::putTextOnClipboard(owner, std::u16string(wideText.begin(), wideText.end())) == ERROR_SUCCESS;
}

inline bool clipboardHasDib() { return IsClipboardFormatAvailable(CF_DIB) != FALSE; }

// The process-wide settings and APPDATA as a test found them, given back at its end. APPDATA
// points at a temporary folder meanwhile, so that saved settings never reach the test prefix.
class CaptureSettingsScope {
public:
    CaptureSettingsScope() : saved_(currentSettings()) {
        wchar_t buffer[MAX_PATH]{};
        const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
        if (length > 0 && length < MAX_PATH) appData_ = buffer;
        SetEnvironmentVariableW(L"APPDATA", folder_.path().c_str());
    }
    ~CaptureSettingsScope() {
        currentSettings() = saved_;
        SetEnvironmentVariableW(L"APPDATA", appData_ ? appData_->c_str() : nullptr);
    }
    CaptureSettingsScope(const CaptureSettingsScope&) = delete;
    CaptureSettingsScope& operator=(const CaptureSettingsScope&) = delete;

    const TempFolder& appData() const { return folder_; }

private:
    Settings saved_;
    std::optional<std::wstring> appData_;
    TempFolder folder_;
};

} // namespace zorbel::test
