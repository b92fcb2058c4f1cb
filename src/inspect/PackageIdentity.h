// The package identity of a packaged ("store") application's process, read from the buffer that
// GetPackageId fills, and the "WinApp Details" rows of the information report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorbel {

struct PackageIdentity {
    std::uint32_t reserved = 0;
    std::uint32_t processorArchitecture = 0;
    std::uint16_t major = 0, minor = 0, build = 0, revision = 0;
    std::u16string name;        // at most 50 characters
    std::u16string publisher;   // at most 8192
    std::u16string resourceId;  // at most 30
    std::u16string publisherId; // at most 13

    bool operator==(const PackageIdentity&) const = default;
};

// Reads a PACKAGE_ID as GetPackageId leaves it in its buffer: the fixed head, then the four
// strings through the structure's own pointers, which point into the same buffer. bufferAddress
// is the address the buffer had when the system filled it; pointerBits (32 or 64) the pointer
// size of the process that called (the head is 32 bytes there, 48 here). Nothing is read outside
// the length bytes of buffer: a pointer that leads outside it or a string that does not end
// inside it means no identity. A null pointer is an empty string (packages without a resource
// identifier leave it null).
std::optional<PackageIdentity> parsePackageId(const std::uint8_t* buffer, std::size_t length,
                                              std::uint64_t bufferAddress, int pointerBits);

// PACKAGE_ID size for a pointer width: 32 or 48 bytes.
std::size_t packageIdHeadSize(int pointerBits);

// "PROCESSOR_ARCHITECTURE_AMD64" and the others; "PROCESSOR_ARCHITECTURE_UNKNOWN" for any other.
std::u16string architectureName(std::uint32_t architecture);
// "Major.Minor.Build.Revision", each part unsigned.
std::u16string packageVersionText(const PackageIdentity& identity);

enum class StoreApp { No, Yes, ViaProcess };

// Whose package the tab shows: the window's own process's; failing that, and only when the
// window's process is immersive, the process of its core-window child (a store app's frame window
// usually belongs to a host process without a package). The tests run in that order and stop at
// the first identity found.
StoreApp storeAppOf(bool immersive, const std::function<bool()>& ownProcessHasIdentity,
                    const std::function<bool()>& coreWindowHasIdentity);

struct WinAppFacts {
    bool immersive = false;
    StoreApp storeApp = StoreApp::No;
    PackageIdentity identity;       // meaningful unless storeApp is No
    std::u16string packagePath;     // of the reported window's own process
    std::u16string packageContainer; // the reported window's process image path
};

// Immersive and Store App, then (for a store app) App Name, Publisher, Architecture, Version,
// Publisher ID, Package Path and Package Container.
std::vector<std::u16string> winAppRows(const WinAppFacts& facts);

} // namespace zorbel
