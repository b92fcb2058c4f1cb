#include "inspect/PackageIdentity.h"

#include <cstring>

#include "inspect/ReportText.h"

namespace zorbel {
namespace {

// PACKAGE_ID: UINT32 reserved, UINT32 processorArchitecture, PACKAGE_VERSION (UINT64: Revision,
// Build, Minor, Major, 16 bits each), then PWSTR name, publisher, resourceId, publisherId.
constexpr std::size_t kArchitectureOffset = 4;
constexpr std::size_t kVersionOffset = 8;
constexpr std::size_t kFirstPointerOffset = 16;

constexpr std::size_t kMaxName = 50;
constexpr std::size_t kMaxPublisher = 8192;
constexpr std::size_t kMaxResourceId = 30;
constexpr std::size_t kMaxPublisherId = 13;

template <typename T>
T readAt(const std::uint8_t* buffer, std::size_t offset) {
    T value;
    std::memcpy(&value, buffer + offset, sizeof value);
    return value;
}

std::uint64_t pointerAt(const std::uint8_t* buffer, std::size_t offset, int pointerBits) {
    return pointerBits == 64 ? readAt<std::uint64_t>(buffer, offset) : readAt<std::uint32_t>(buffer, offset);
}

// The NUL-terminated UTF-16 string a pointer leads to, if all of it lies inside the buffer.
std::optional<std::u16string> stringAt(const std::uint8_t* buffer, std::size_t length, std::uint64_t address,
                                       std::uint64_t bufferAddress, std::size_t maxLength) {
    if (address == 0) return std::u16string();
    const std::uint64_t offset = address - bufferAddress; // wraps to a huge value below the buffer
    if (offset >= length) return std::nullopt;
    std::u16string text;
    for (std::size_t at = static_cast<std::size_t>(offset); length - at >= sizeof(char16_t); at += sizeof(char16_t)) {
        const auto unit = readAt<char16_t>(buffer, at);
        if (unit == u'\0') return cutText(text, maxLength);
        text.push_back(unit);
    }
    return std::nullopt; // no terminator before the end of the buffer
}

} // namespace

std::size_t packageIdHeadSize(int pointerBits) { return kFirstPointerOffset + 4 * static_cast<std::size_t>(pointerBits / 8); }

std::optional<PackageIdentity> parsePackageId(const std::uint8_t* buffer, std::size_t length,
                                              std::uint64_t bufferAddress, int pointerBits) {
    if (pointerBits != 32 && pointerBits != 64) return std::nullopt;
    if (!buffer || length < packageIdHeadSize(pointerBits)) return std::nullopt;
    PackageIdentity identity;
    identity.reserved = readAt<std::uint32_t>(buffer, 0);
    identity.processorArchitecture = readAt<std::uint32_t>(buffer, kArchitectureOffset);
    identity.revision = readAt<std::uint16_t>(buffer, kVersionOffset);
    identity.build = readAt<std::uint16_t>(buffer, kVersionOffset + 2);
    identity.minor = readAt<std::uint16_t>(buffer, kVersionOffset + 4);
    identity.major = readAt<std::uint16_t>(buffer, kVersionOffset + 6);

    const std::size_t pointerSize = static_cast<std::size_t>(pointerBits / 8);
    std::u16string* const fields[] = {&identity.name, &identity.publisher, &identity.resourceId, &identity.publisherId};
    const std::size_t limits[] = {kMaxName, kMaxPublisher, kMaxResourceId, kMaxPublisherId};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint64_t address = pointerAt(buffer, kFirstPointerOffset + i * pointerSize, pointerBits);
        std::optional<std::u16string> text = stringAt(buffer, length, address, bufferAddress, limits[i]);
        if (!text) return std::nullopt;
        *fields[i] = std::move(*text);
    }
    return identity;
}

std::u16string architectureName(std::uint32_t architecture) {
    switch (architecture) {
    case 0: return u"PROCESSOR_ARCHITECTURE_INTEL";
    case 5: return u"PROCESSOR_ARCHITECTURE_ARM";
    case 9: return u"PROCESSOR_ARCHITECTURE_AMD64";
    case 11: return u"PROCESSOR_ARCHITECTURE_NEUTRAL";
    case 12: return u"PROCESSOR_ARCHITECTURE_ARM64";
    case 14: return u"PROCESSOR_ARCHITECTURE_IA32_ON_ARM64";
    default: return u"PROCESSOR_ARCHITECTURE_UNKNOWN";
    }
}

std::u16string packageVersionText(const PackageIdentity& identity) {
    return unsignedDecimalText(identity.major) + u"." + unsignedDecimalText(identity.minor) + u"." +
           unsignedDecimalText(identity.build) + u"." + unsignedDecimalText(identity.revision);
}

StoreApp storeAppOf(bool immersive, const std::function<bool()>& ownProcessHasIdentity,
                    const std::function<bool()>& coreWindowHasIdentity) {
    if (ownProcessHasIdentity()) return StoreApp::Yes;
    if (immersive && coreWindowHasIdentity()) return StoreApp::ViaProcess;
    return StoreApp::No;
}

std::vector<std::u16string> winAppRows(const WinAppFacts& facts) {
    std::vector<std::u16string> rows;
    rows.push_back(u"Immersive\n" + std::u16string(facts.immersive ? u"Yes" : u"No"));
    const char16_t* storeApp = facts.storeApp == StoreApp::Yes          ? u"Yes"
                               : facts.storeApp == StoreApp::ViaProcess ? u"Yes, via process"
                                                                        : u"No";
    rows.push_back(u"Store App\n" + std::u16string(storeApp));
    if (facts.storeApp == StoreApp::No) return rows;
    const PackageIdentity& id = facts.identity;
    rows.push_back(u"App Name\n" + singleLine(id.name));
    rows.push_back(u"Publisher\n" + singleLine(id.publisher));
    rows.push_back(u"Architecture\n" + architectureName(id.processorArchitecture));
    rows.push_back(u"Version\n" + packageVersionText(id));
    rows.push_back(u"Publisher ID\n" + singleLine(id.publisherId));
    rows.push_back(u"Package Path\n" + singleLine(facts.packagePath));
    rows.push_back(u"Package Container\n" + singleLine(facts.packageContainer));
    return rows;
}

} // namespace zorbel
