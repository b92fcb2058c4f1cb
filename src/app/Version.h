// The program's version text and the Windows version gate.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zorbel {

// "yyyy.mm.dd" of a UTC time; the result does not depend on the machine's time zone.
std::u16string formatBuildDate(std::int64_t unixSeconds);
// "Zorbel! v" + formatBuildDate: the caption of every message box and title of every balloon.
std::u16string versionText(std::int64_t unixSeconds);

inline constexpr std::uint32_t kWindows10Major = 10;

struct OsVersion {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t build;
};

// 1 when the system is at least the required version, 0 when it is older, -1 when its version
// could not be read (start-up lets that pass).
int versionGate(const std::optional<OsVersion>& version, std::uint32_t requiredMajor, std::uint32_t requiredMinor,
                std::uint32_t requiredBuild);

} // namespace zorbel
