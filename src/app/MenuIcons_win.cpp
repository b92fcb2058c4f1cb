#include "app/MenuIcons_win.h"

#include <png.h>

#include <array>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "app/ResourceIds.h"

namespace zorbel {

namespace {

// ---- PNG decoding ------------------------------------------------------------------------------
//
// libpng reports errors by longjmp. The two functions that call setjmp hold nothing with a
// destructor and change no local after it, so the jump skips no C++ clean-up; the buffers live
// in decodePng's frame, which the jump never leaves.

struct MemorySource {
    const png_byte* data;
    std::size_t size;
    std::size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (count > source->size - source->offset) png_error(png, "unexpected end of data");
    std::memcpy(out, source->data + source->offset, count);
    source->offset += count;
}

[[noreturn]] void failDecoding(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// The default handler writes warnings to stderr; a warning leaves the image usable.
void ignoreWarning(png_structp, png_const_charp) {}

struct PngDimensions {
    png_uint_32 width;
    png_uint_32 height;
    png_size_t rowBytes;
};

// Reads the header and asks libpng for 8-bit RGBA whatever the file holds.
bool readPngHeader(png_structp png, png_infop info, PngDimensions* dimensions) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    png_set_expand(png);      // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER); // no alpha: opaque
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    dimensions->width = png_get_image_width(png, info);
    dimensions->height = png_get_image_height(png, info);
    dimensions->rowBytes = png_get_rowbytes(png, info);
    return true;
}

bool readPngRows(png_structp png, png_infop info, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, info);
    return true;
}

class PngReader {
public:
    PngReader() noexcept {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failDecoding, ignoreWarning);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~PngReader() {
        if (png_) png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
    }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    explicit operator bool() const noexcept { return png_ && info_; }
    png_structp png() const noexcept { return png_; }
    png_infop info() const noexcept { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// ---- DIB sections ------------------------------------------------------------------------------

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, like Image
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

UniqueBitmap createDib(int width, int height, std::uint8_t** bits) {
    const BITMAPINFO info = topDownInfo(width, height);
    void* memory = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (!bitmap || !memory) return {};
    *bits = static_cast<std::uint8_t*>(memory);
    return bitmap;
}

// ---- The table ---------------------------------------------------------------------------------

struct MenuIconSlot {
    Image picture;       // decoded, straight RGBA at the size it was drawn
    UniqueBitmap bitmap; // resized, premultiplied BGRA
};

std::array<MenuIconSlot, kMenuIconSlotCount>& slots() {
    static std::array<MenuIconSlot, kMenuIconSlotCount> table;
    return table;
}

bool isFilledSlot(int slot) { return (slot >= 1 && slot <= 24) || slot == 26 || slot == 27; }

bool validSlot(int slot) { return slot >= 0 && slot < kMenuIconSlotCount; }

bool validSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

// A menu bitmap from a straight-alpha RGBA picture.
UniqueBitmap menuBitmap(const Image& picture, int width, int height) {
    Image image = resizeImage(picture, width, height);
    if (image.empty()) return {};
    swapRedAndBlue(image);
    premultiplyAlpha(image);
    return createDibSection(image);
}

// ---- Drawing icons -----------------------------------------------------------------------------

struct IconSize {
    int width;
    int height;
};

std::optional<IconSize> iconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return std::nullopt;
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP bm{};
    if (colour && GetObjectW(colour.get(), sizeof bm, &bm)) return IconSize{bm.bmWidth, bm.bmHeight};
    // A monochrome icon keeps its AND and XOR masks one above the other.
    if (mask && GetObjectW(mask.get(), sizeof bm, &bm)) return IconSize{bm.bmWidth, bm.bmHeight / 2};
    return std::nullopt;
}

// Draws the icon at width x height into a 32-bit DIB whose every byte starts as fill and returns
// the pixels as BGRA.
std::optional<Image> drawIcon(HICON icon, int width, int height, std::uint8_t fill, UINT flags) {
    std::uint8_t* bits = nullptr;
    UniqueBitmap bitmap = createDib(width, height, &bits);
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) return std::nullopt;
    Image image = makeImage(width, height);
    if (image.empty()) return std::nullopt;
    std::memset(bits, fill, image.pixels.size());
    {
        ScopedSelect select(dc.get(), bitmap.get());
        if (!DrawIconEx(dc.get(), 0, 0, icon, width, height, 0, nullptr, flags)) return std::nullopt;
    }
    GdiFlush();
    std::memcpy(image.pixels.data(), bits, image.pixels.size());
    return image;
}

} // namespace

std::optional<Image> decodePng(const void* data, std::size_t size) {
    constexpr std::size_t kSignatureSize = 8;
    if (!data || size < kSignatureSize || png_sig_cmp(static_cast<png_const_bytep>(data), 0, kSignatureSize) != 0) {
        return std::nullopt;
    }
    PngReader reader;
    if (!reader) return std::nullopt;
    MemorySource source{static_cast<const png_byte*>(data), size, 0};
    png_set_read_fn(reader.png(), &source, readFromMemory);
    png_set_user_limits(reader.png(), kMaxImageSide, kMaxImageSide);
    // libpng only warns about some damage (a wrong checksum on an ancillary chunk or at the end
    // of the image data) and would hand back what it could read: refuse that image instead.
    png_set_crc_action(reader.png(), PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
    png_set_benign_errors(reader.png(), 0);

    PngDimensions dimensions{};
    if (!readPngHeader(reader.png(), reader.info(), &dimensions)) return std::nullopt;
    Image image = makeImage(static_cast<int>(dimensions.width), static_cast<int>(dimensions.height));
    if (image.empty() || dimensions.rowBytes != static_cast<png_size_t>(image.width) * kImageChannels) {
        return std::nullopt;
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) rows[static_cast<std::size_t>(y)] = image.pixel(0, y);
    if (!readPngRows(reader.png(), reader.info(), rows.data())) return std::nullopt;
    return image;
}

std::optional<Image> loadMenuImage(HMODULE module, int slot) {
    if (!validSlot(slot)) return std::nullopt;
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(ZORBEL_IDR_MENU_IMAGE_BASE + slot), RT_RCDATA);
    if (!resource) return std::nullopt;
    // Resource memory belongs to the module: nothing to free.
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, resource);
    if (!data || size == 0) return std::nullopt;
    return decodePng(data, size);
}

bool loadMenuIcons(HMODULE module, int width, int height) {
    freeMenuIcons();
    if (!validSize(width, height)) return false;
    bool any = false;
    for (int slot = 0; slot < kMenuIconSlotCount; ++slot) {
        if (!isFilledSlot(slot)) continue;
        std::optional<Image> picture = loadMenuImage(module, slot);
        if (!picture) continue;
        UniqueBitmap bitmap = menuBitmap(*picture, width, height);
        if (!bitmap) continue;
        MenuIconSlot& entry = slots()[static_cast<std::size_t>(slot)];
        entry.picture = std::move(*picture);
        entry.bitmap = std::move(bitmap);
        any = true;
    }
    return any;
}

HBITMAP menuIcon(int slot) {
    if (!validSlot(slot)) return nullptr;
    return slots()[static_cast<std::size_t>(slot)].bitmap.get();
}

void freeMenuIcons() {
    for (MenuIconSlot& entry : slots()) {
        entry.bitmap.reset();
        entry.picture = Image{};
    }
}

UniqueIcon makeIconFromSlot(int slot, int width, int height) {
    if (!validSlot(slot) || !validSize(width, height)) return {};
    const Image& picture = slots()[static_cast<std::size_t>(slot)].picture;
    if (picture.empty()) return {};
    Image image = resizeImage(picture, width, height);
    if (image.empty()) return {};
    swapRedAndBlue(image); // icons take straight alpha: no premultiplying here

    // The mask marks the transparent pixels; it is what is drawn where alpha is not used.
    const int maskStride = (width + 15) / 16 * 2; // CreateBitmap rows are WORD-aligned
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(maskStride) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (image.pixel(x, y)[kAlphaChannel] == 0) {
                maskBits[static_cast<std::size_t>(y * maskStride + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    UniqueBitmap colour = createDibSection(image);
    UniqueBitmap mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
    if (!colour || !mask) return {};
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.get();
    info.hbmMask = mask.get();
    // The icon keeps copies: the bitmaps are freed here.
    return UniqueIcon(CreateIconIndirect(&info));
}

std::optional<Image> drawIconImage(HICON icon, int width, int height) {
    if (!icon || !validSize(width, height)) return std::nullopt;
    const std::optional<IconSize> native = iconSize(icon);
    if (!native || !validSize(native->width, native->height)) return std::nullopt;

    // Drawn at its own size and resized here: DrawIconEx stretches without smoothing. Drawn on
    // transparent black, an icon with alpha comes out premultiplied.
    std::optional<Image> image = drawIcon(icon, native->width, native->height, 0x00, DI_NORMAL);
    if (!image) return std::nullopt;
    if (hasAlpha(*image)) {
        unpremultiplyAlpha(*image);
    } else {
        // DrawIconEx leaves alpha at 0 for icons without an alpha channel: their shape is the
        // AND mask, drawn here in black on white.
        const std::optional<Image> mask = drawIcon(icon, native->width, native->height, 0xFF, DI_MASK);
        if (!mask || !applyMask(*image, *mask)) return std::nullopt;
    }
    Image sized = resizeImage(*image, width, height);
    if (sized.empty()) return std::nullopt;
    return sized;
}

UniqueBitmap makeIconImage(const Image& drawn, std::uint8_t constantAlpha) {
    Image image = drawn;
    applyConstantAlpha(image, constantAlpha);
    premultiplyAlpha(image);
    return createDibSection(image);
}

UniqueBitmap makeIconImage(HICON icon, int width, int height, std::uint8_t constantAlpha) {
    const std::optional<Image> drawn = drawIconImage(icon, width, height);
    return drawn ? makeIconImage(*drawn, constantAlpha) : UniqueBitmap();
}

UniqueBitmap createDibSection(const Image& image) {
    if (image.empty() || image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * kImageChannels) {
        return {};
    }
    std::uint8_t* bits = nullptr;
    UniqueBitmap bitmap = createDib(image.width, image.height, &bits);
    if (!bitmap) return {};
    std::memcpy(bits, image.pixels.data(), image.pixels.size());
    return bitmap;
}

} // namespace zorbel
