// The "User Info" tab of the information report: what the system tells about one window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inspect/DimensionsReport.h"
#include "inspect/ReportText.h"

namespace zorbel {

// A query that gives a number or fails; on failure errorText is the system's text for it.
struct NumberQuery {
    std::optional<std::uint32_t> value;
    std::u16string errorText;
};

// GetLayeredWindowAttributes flags.
inline constexpr std::uint32_t kLayeredColourKey = 0x1; // LWA_COLORKEY
inline constexpr std::uint32_t kLayeredAlpha = 0x2;     // LWA_ALPHA

struct LayeredFacts {
    bool layered = false; // WS_EX_LAYERED is set
    bool queried = false; // GetLayeredWindowAttributes succeeded
    std::u16string errorText;
    std::uint32_t colourKey = 0;
    std::uint8_t alpha = 0;
    std::uint32_t flags = 0; // which of the two values the window uses
};

struct UserInfoFacts {
    std::u16string title;
    std::u16string className;
    std::uint16_t classAtom = 0;
    std::uint16_t creatorVersion = 0;
    bool enabled = false;
    bool hung = false;
    bool visible = false;
    bool zoomed = false;
    bool iconic = false;
    bool touchWindow = false;
    std::uint32_t touchFlags = 0;
    NumberQuery displayAffinity;
    bool unicode = false;
    NumberQuery band;
    DwmReading cloaked;
    LayeredFacts layered;
    HandleNumber theme;
    std::u16string processImagePath;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
    HandleNumber handle;
    HandleNumber parent;
    std::u16string parentClass;
    HandleNumber root;
    std::u16string rootClass;
    HandleNumber rootOwner;
    std::u16string rootOwnerClass;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};

// The 26 rows of the tab, each "label\nresult" or "label\nresult\ncomment".
std::vector<std::u16string> userInfoRows(const UserInfoFacts& facts);

// The texts the rows are made of.
std::u16string classAtomText(std::uint16_t atom);
std::u16string touchText(bool touchWindow, std::uint32_t flags);
std::u16string displayAffinityText(const NumberQuery& affinity);
std::u16string bandText(const NumberQuery& band);
std::u16string opacityText(const LayeredFacts& layered);
std::u16string colourKeyText(const LayeredFacts& layered);
// "file\nfolder": the part after the last "\" or "/", then the part up to and including it.
std::u16string directoryPathText(std::u16string_view imagePath);
// D(v, 8) " (0x" H(v, 6) ")", and for a window also "\n" and its class.
std::u16string handleText(const HandleNumber& handle);
// D(id, 10) " (0x" H(id, 8) ")"
std::u16string idText(std::uint32_t id);
// D(style, 10) " (0x" H(style, 8) ")", the style taken as the signed 32-bit value it is.
std::u16string styleValueText(std::uint32_t style);

} // namespace zorbel
