// Operations on 32-bit pixel buffers for the menu images and icon images. Four bytes per pixel,
// rows top-down without padding, alpha in the fourth byte; the order of the three colour bytes
// (RGBA from libpng, BGRA for DIB sections) does not matter to any of these operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorbel {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes

    bool empty() const noexcept { return width <= 0 || height <= 0; }
    std::uint8_t* pixel(int x, int y) noexcept { return pixels.data() + offset(x, y); }
    const std::uint8_t* pixel(int x, int y) const noexcept { return pixels.data() + offset(x, y); }

private:
    std::size_t offset(int x, int y) const noexcept {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    }
};

inline constexpr int kImageChannels = 4;
inline constexpr int kAlphaChannel = 3;
// Larger images are refused (and never allocated): nothing the program draws comes near this.
inline constexpr int kMaxImageSide = 4096;

// A fully transparent black image; an empty one when a side is not in 1..kMaxImageSide.
Image makeImage(int width, int height);

// Resamples an image with straight (not premultiplied) alpha to width x height; the result has
// straight alpha too. Colours are weighted by alpha, which is the same as averaging premultiplied
// values, so transparent pixels never darken or tint the edge of what they surround. A shrinking
// axis averages the source area under each target pixel; a growing axis interpolates linearly
// between pixel centres. An empty source or a size outside 1..kMaxImageSide gives an empty image.
Image resizeImage(const Image& source, int width, int height);

// alpha := round(alpha * constantAlpha / 255) for every pixel; the colour bytes are untouched.
void applyConstantAlpha(Image& image, std::uint8_t constantAlpha);

// colour := round(colour * alpha / 255) for the three colour bytes of every pixel.
void premultiplyAlpha(Image& image);

// The inverse of premultiplyAlpha: colour := round(colour * 255 / alpha), at most 255; pixels
// with alpha 0 become transparent black. For premultiplied input (no colour byte above its
// alpha), premultiplying the result again gives back the input exactly.
void unpremultiplyAlpha(Image& image);

// True when at least one pixel has a non-zero alpha byte.
bool hasAlpha(const Image& image);

// For images without an alpha channel (old icons, whose shape is an AND mask): every pixel whose
// mask pixel is black (all three colour bytes 0) becomes opaque; every other pixel becomes
// transparent black. The mask must have the image's size; otherwise nothing changes and the
// result is false.
bool applyMask(Image& image, const Image& mask);

// Exchanges the first and third byte of every pixel (RGBA <-> BGRA).
void swapRedAndBlue(Image& image);

} // namespace zorbel
