// The menu icon table (the program's own 64 x 64 PNG pictures, resized to the small-icon size as
// premultiplied 32-bit bitmaps for SetMenuItemBitmaps), the tray icon made from one of them, and
// menu bitmaps made from other programs' icons. GUI thread only.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/Handles_win.h"
#include "app/ImageOps.h"

namespace zorbel {

// Slots 0 .. 30; 1-24, 26 and 27 hold an image.
inline constexpr int kMenuIconSlotCount = 31;

// Decodes a PNG held in memory to straight-alpha RGBA (any colour type and bit depth). Nothing
// for data that is not a complete, undamaged PNG, or that is larger than kMaxImageSide.
std::optional<Image> decodePng(const void* data, std::size_t size);

// The decoded picture of a slot: the RCDATA resource ZORBEL_IDR_MENU_IMAGE_BASE + slot of module.
std::optional<Image> loadMenuImage(HMODULE module, int slot);

// Frees the table, then decodes every filled slot's picture from module and resizes it to
// width x height. False only when not a single slot could be loaded.
bool loadMenuIcons(HMODULE module, int width, int height);
// The slot's bitmap (owned by the table), or null for an empty, unloaded or out-of-range slot.
HBITMAP menuIcon(int slot);
void freeMenuIcons();

// An icon (colour DIB with alpha, plus mask) of width x height made from the slot's decoded
// picture; null when the slot holds none. For the tray icon.
UniqueIcon makeIconFromSlot(int slot, int width, int height);

// A premultiplied 32-bit bitmap of width x height showing icon, scaled to that size, on a fully
// transparent background, with its alpha scaled by constantAlpha (255 = as drawn). Icons without
// an alpha channel take their shape from their mask. Null when the icon cannot be drawn.
UniqueBitmap makeIconImage(HICON icon, int width, int height, std::uint8_t constantAlpha);
// The same in two steps, so that several alphas can be made from one drawing: the icon drawn and
// scaled to width x height with straight alpha, then one bitmap of it with a constant alpha.
std::optional<Image> drawIconImage(HICON icon, int width, int height);
UniqueBitmap makeIconImage(const Image& drawn, std::uint8_t constantAlpha);

// A 32-bit top-down DIB section holding image's bytes as they are (BGRA order expected).
UniqueBitmap createDibSection(const Image& image);

} // namespace zorbel
