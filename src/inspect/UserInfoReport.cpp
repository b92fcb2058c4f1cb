#include "inspect/UserInfoReport.h"

#include <array>
#include <cstdio>

#include "inspect/StyleNames.h"

namespace zorbel {
namespace {

std::u16string yesNo(bool value) { return value ? u"Yes" : u"No"; }

std::u16string unknownEnumeration(std::uint32_t value) { return unsignedDecimalText(value) + u"\nUnknown enumeration."; }

constexpr std::array<const char16_t*, 19> kBandNames{{
    u"ZBID_DEFAULT",
    u"ZBID_DESKTOP",
    u"ZBID_UIACCESS",
    u"ZBID_IMMERSIVE_IHM",
    u"ZBID_IMMERSIVE_NOTIFICATION",
    u"ZBID_IMMERSIVE_APPCHROME",
    u"ZBID_IMMERSIVE_MOGO",
    u"ZBID_IMMERSIVE_EDGY",
    u"ZBID_IMMERSIVE_INACTIVEMOBODY",
    u"ZBID_IMMERSIVE_INACTIVEDOCK",
    u"ZBID_IMMERSIVE_ACTIVEMOBODY",
    u"ZBID_IMMERSIVE_ACTIVEDOCK",
    u"ZBID_IMMERSIVE_BACKGROUND",
    u"ZBID_IMMERSIVE_SEARCH",
    u"ZBID_GENUINE_WINDOWS",
    u"ZBID_IMMERSIVE_RESTRICTED",
    u"ZBID_SYSTEM_TOOLS",
    u"ZBID_LOCK",
    u"ZBID_ABOVELOCK_UX",
}};

std::u16string windowText(const HandleNumber& handle, std::u16string_view className) {
    return handleText(handle) + u"\n" + singleLine(className);
}

} // namespace

std::u16string classAtomText(std::uint16_t atom) {
    return decimalText(static_cast<std::int16_t>(atom)) + u" (0x" + paddedHex(atom, 1) + u")";
}

std::u16string touchText(bool touchWindow, std::uint32_t flags) {
    if (!touchWindow) return u"No\nDoes not support Windows Touch.";
    switch (flags) {
    case 1: return u"Yes\nPrefers noncoalesced touch input.";
    case 2: return u"Yes\nPalm detection enabled.";
    default: return unknownEnumeration(flags);
    }
}

std::u16string displayAffinityText(const NumberQuery& affinity) {
    if (!affinity.value) return trimLineEnd(affinity.errorText);
    switch (*affinity.value) {
    case 0: return u"WDA_NONE\nDisabled, no restrictions.";
    case 1: return u"WDA_MONITOR\nThe window content is displayed only on a monitor.";
    case 0x11: return u"WDA_EXCLUDEFROMCAPTURE\nThe window is displayed only on a monitor.";
    default: return unknownEnumeration(*affinity.value);
    }
}

std::u16string bandText(const NumberQuery& band) {
    if (!band.value) return trimLineEnd(band.errorText);
    if (*band.value < kBandNames.size()) return kBandNames[*band.value];
    return unknownEnumeration(*band.value);
}

std::u16string opacityText(const LayeredFacts& layered) {
    if (!layered.layered) return u"Opaque\nWS_EX_LAYERED bit not set.";
    if (!layered.queried) return trimLineEnd(layered.errorText);
    // Without LWA_ALPHA the stored alpha is not applied: the window is drawn opaque.
    if (!(layered.flags & kLayeredAlpha)) return u"Opaque\nLWA_ALPHA flag not set.";
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.2f", static_cast<double>(static_cast<float>(layered.alpha) * 100.0f / 255.0f));
    const std::string digits(percent);
    return decimalText(layered.alpha) + u" (" + std::u16string(digits.begin(), digits.end()) + u"%)";
}

std::u16string colourKeyText(const LayeredFacts& layered) {
    if (!layered.layered) return u"Opaque\nWS_EX_LAYERED bit not set.";
    if (!layered.queried) return trimLineEnd(layered.errorText);
    // Without LWA_COLORKEY the stored key means nothing: no colour is transparent.
    if (!(layered.flags & kLayeredColourKey)) return u"None\nLWA_COLORKEY flag not set.";
    const std::uint32_t key = layered.colourKey;
    return u"Red=" + decimalText(key & 0xFF) + u" | Green=" + decimalText((key >> 8) & 0xFF) + u" | Blue=" +
           decimalText((key >> 16) & 0xFF) + u" (0x" + paddedHex(key, 6) + u")";
}

std::u16string directoryPathText(std::u16string_view imagePath) {
    const std::u16string path = singleLine(imagePath);
    const std::size_t separator = path.find_last_of(u"\\/");
    if (separator == std::u16string::npos) return path + u"\n";
    return path.substr(separator + 1) + u"\n" + path.substr(0, separator + 1);
}

std::u16string handleText(const HandleNumber& handle) {
    return paddedDecimal(handle.value, 8) + u" (0x" + paddedHex(handle.unsignedBits(), 6) + u")";
}

std::u16string idText(std::uint32_t id) { return paddedDecimal(id, 10) + u" (0x" + paddedHex(id, 8) + u")"; }

std::u16string styleValueText(std::uint32_t style) {
    return paddedDecimal(static_cast<std::int32_t>(style), 10) + u" (0x" + paddedHex(style, 8) + u")";
}

std::vector<std::u16string> userInfoRows(const UserInfoFacts& f) {
    std::vector<std::u16string> rows;
    rows.push_back(u"Title\n" + singleLine(f.title));
    rows.push_back(u"Class\n" + singleLine(f.className));
    rows.push_back(u"Class Atom \n" + classAtomText(f.classAtom));
    rows.push_back(u"Creator Version\n" + decimalText(static_cast<std::int16_t>(f.creatorVersion)));
    rows.push_back(u"Enabled\n" + std::u16string(f.enabled ? u"Yes\nEnabled for mouse and keyboard input."
                                                           : u"No\nMouse and keyboard input disabled."));
    rows.push_back(u"Active\n" + std::u16string(f.hung ? u"No\nWindow is hung (ghost)." : u"Yes\nWindow is responding."));
    rows.push_back(u"Visible\n" + yesNo(f.visible));
    rows.push_back(u"Maximised\n" + yesNo(f.zoomed));
    rows.push_back(u"Minimised\n" + yesNo(f.iconic));
    rows.push_back(u"Touch\n" + touchText(f.touchWindow, f.touchFlags));
    rows.push_back(u"Affinity\n" + displayAffinityText(f.displayAffinity));
    rows.push_back(u"Encoding\n" + std::u16string(f.unicode ? u"Unicode" : u"ANSI"));
    rows.push_back(u"Z-Order Band\n" + bandText(f.band));
    rows.push_back(u"DWMWA_CLOAKED\n" + dwmAttributeText(DwmAttribute::Cloaked, f.cloaked));
    rows.push_back(u"Opacity\n" + opacityText(f.layered));
    rows.push_back(u"Colour Key\n" + colourKeyText(f.layered));
    rows.push_back(u"Theme Handle\n" + decimalText(f.theme.value) + u" (0x" + paddedHex(f.theme.unsignedBits(), 8) + u")");
    rows.push_back(u"Directory Path\n" + directoryPathText(f.processImagePath));
    rows.push_back(u"ProcessID\n" + idText(f.processId));
    rows.push_back(u"ThreadID\n" + idText(f.threadId));
    rows.push_back(u"Handle\n" + handleText(f.handle));
    rows.push_back(u"Parent\n" + windowText(f.parent, f.parentClass));
    rows.push_back(u"Root\n" + windowText(f.root, f.rootClass));
    rows.push_back(u"Root Owner\n" + windowText(f.rootOwner, f.rootOwnerClass));
    rows.push_back(u"Styles\n" + styleValueText(f.style) + u"\n" + windowStyleNames(f.style));
    rows.push_back(u"Extended Styles\n" + styleValueText(f.exStyle) + u"\n" + extendedStyleNames(f.exStyle));
    return rows;
}

} // namespace zorbel
