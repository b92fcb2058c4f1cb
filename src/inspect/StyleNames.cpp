#include "inspect/StyleNames.h"

#include <array>

namespace zorbel {
namespace {

enum class Rule {
    AnyBit,        // (value & mask) != 0
    Never,         // an alias of another name, never listed
    Always,        // value 0: listed whatever the style is
    Overlapped,    // WS_OVERLAPPED: the style is an overlapped one
    AnyBitUnlessO, // listed alone only when WS_EX_OVERLAPPEDWINDOW does not stand for it
    AnyBitUnlessP, // ... when WS_EX_PALETTEWINDOW does not
    AnyBitUnlessOorP,
    OnlyWhenO,
    OnlyWhenP,
};

struct StyleName {
    const char16_t* name;
    std::uint32_t mask;
    Rule rule;
};

constexpr std::array<StyleName, 28> kWindowStyles{{
    {u"WS_ACTIVECAPTION", 0x00000001, Rule::AnyBit},
    {u"WS_BORDER", 0x00800000, Rule::AnyBit},
    {u"WS_CAPTION", 0x00C00000, Rule::AnyBit},
    {u"WS_CHILD", 0x40000000, Rule::Never},
    {u"WS_CHILDWINDOW", 0x40000000, Rule::AnyBit},
    {u"WS_CLIPCHILDREN", 0x02000000, Rule::AnyBit},
    {u"WS_CLIPSIBLINGS", 0x04000000, Rule::AnyBit},
    {u"WS_DISABLED", 0x08000000, Rule::AnyBit},
    {u"WS_DLGFRAME", 0x00400000, Rule::AnyBit},
    {u"WS_GROUP", 0x00020000, Rule::AnyBit},
    {u"WS_HSCROLL", 0x00100000, Rule::AnyBit},
    {u"WS_ICONIC", 0x20000000, Rule::AnyBit},
    {u"WS_MAXIMIZE", 0x01000000, Rule::AnyBit},
    {u"WS_MAXIMIZEBOX", 0x00010000, Rule::AnyBit},
    {u"WS_MINIMIZE", 0x20000000, Rule::Never},
    {u"WS_MINIMIZEBOX", 0x00020000, Rule::AnyBit},
    {u"WS_OVERLAPPED", 0, Rule::Overlapped},
    {u"WS_OVERLAPPEDWINDOW", 0x00CF0000, Rule::AnyBit},
    {u"WS_POPUP", 0x80000000, Rule::AnyBit},
    {u"WS_POPUPWINDOW", 0x80880000, Rule::AnyBit},
    {u"WS_SIZEBOX", 0x00040000, Rule::Never},
    {u"WS_SYSMENU", 0x00080000, Rule::AnyBit},
    {u"WS_TABSTOP", 0x00010000, Rule::AnyBit},
    {u"WS_THICKFRAME", 0x00040000, Rule::AnyBit},
    {u"WS_TILED", 0, Rule::Never},
    {u"WS_TILEDWINDOW", 0x00CF0000, Rule::AnyBit},
    {u"WS_VISIBLE", 0x10000000, Rule::AnyBit},
    {u"WS_VSCROLL", 0x00200000, Rule::AnyBit},
}};

constexpr std::array<StyleName, 27> kExtendedStyles{{
    {u"WS_EX_ACCEPTFILES", 0x00000010, Rule::AnyBit},
    {u"WS_EX_APPWINDOW", 0x00040000, Rule::AnyBit},
    {u"WS_EX_CLIENTEDGE", 0x00000200, Rule::AnyBitUnlessO},
    {u"WS_EX_COMPOSITED", 0x02000000, Rule::AnyBit},
    {u"WS_EX_CONTEXTHELP", 0x00000400, Rule::AnyBit},
    {u"WS_EX_CONTROLPARENT", 0x00010000, Rule::AnyBit},
    {u"WS_EX_DLGMODALFRAME", 0x00000001, Rule::AnyBit},
    {u"WS_EX_LAYERED", 0x00080000, Rule::AnyBit},
    {u"WS_EX_LAYOUTRTL", 0x00400000, Rule::AnyBit},
    {u"WS_EX_LEFT", 0, Rule::Always},
    {u"WS_EX_LEFTSCROLLBAR", 0x00004000, Rule::AnyBit},
    {u"WS_EX_LTRREADING", 0, Rule::Always},
    {u"WS_EX_MDICHILD", 0x00000040, Rule::AnyBit},
    {u"WS_EX_NOACTIVATE", 0x08000000, Rule::AnyBit},
    {u"WS_EX_NOINHERITLAYOUT", 0x00100000, Rule::AnyBit},
    {u"WS_EX_NOPARENTNOTIFY", 0x00000004, Rule::AnyBit},
    {u"WS_EX_NOREDIRECTIONBITMAP", 0x00200000, Rule::AnyBit},
    {u"WS_EX_OVERLAPPEDWINDOW", 0x00000300, Rule::OnlyWhenO},
    {u"WS_EX_PALETTEWINDOW", 0x00000188, Rule::OnlyWhenP},
    {u"WS_EX_RIGHT", 0x00001000, Rule::AnyBit},
    {u"WS_EX_RIGHTSCROLLBAR", 0, Rule::Always},
    {u"WS_EX_RTLREADING", 0x00002000, Rule::AnyBit},
    {u"WS_EX_STATICEDGE", 0x00020000, Rule::AnyBit},
    {u"WS_EX_TOOLWINDOW", 0x00000080, Rule::AnyBitUnlessP},
    {u"WS_EX_TOPMOST", 0x00000008, Rule::AnyBitUnlessP},
    {u"WS_EX_TRANSPARENT", 0x00000020, Rule::AnyBit},
    {u"WS_EX_WINDOWEDGE", 0x00000100, Rule::AnyBitUnlessOorP},
}};

constexpr std::uint32_t kOverlappedWindowBits = 0x00CF0000;
constexpr std::uint32_t kPopupBit = 0x80000000;
constexpr std::uint32_t kChildBit = 0x40000000;
constexpr std::uint32_t kExOverlappedWindow = 0x00000300; // WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE
constexpr std::uint32_t kExPaletteWindow = 0x00000188;    // WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST

bool listed(const StyleName& entry, std::uint32_t value, bool o, bool p) {
    const bool anyBit = (value & entry.mask) != 0;
    switch (entry.rule) {
    case Rule::AnyBit: return anyBit;
    case Rule::Never: return false;
    case Rule::Always: return true;
    case Rule::Overlapped: return (value & kOverlappedWindowBits) != 0 || (value & (kPopupBit | kChildBit)) == 0;
    case Rule::AnyBitUnlessO: return !o && anyBit;
    case Rule::AnyBitUnlessP: return !p && anyBit;
    case Rule::AnyBitUnlessOorP: return !o && !p && anyBit;
    case Rule::OnlyWhenO: return o;
    case Rule::OnlyWhenP: return p;
    }
    return false;
}

template <std::size_t N>
std::u16string joinNames(const std::array<StyleName, N>& table, std::uint32_t value, bool o, bool p) {
    std::u16string names;
    for (const StyleName& entry : table) {
        if (!listed(entry, value, o, p)) continue;
        if (!names.empty()) names += u" | ";
        names += entry.name;
    }
    return names;
}

} // namespace

std::u16string windowStyleNames(std::uint32_t style) { return joinNames(kWindowStyles, style, false, false); }

std::u16string extendedStyleNames(std::uint32_t exStyle) {
    const bool o = (exStyle & kExOverlappedWindow) == kExOverlappedWindow;
    const bool p = (exStyle & kExPaletteWindow) == kExPaletteWindow;
    return joinNames(kExtendedStyles, exStyle, o, p);
}

} // namespace zorbel
