// Feeds arbitrary package-identity buffers to the parser. The input's first byte picks the
// pointer width (bit 0: 64-bit) and whether the next eight bytes give the buffer's address (bit 1)
// or the address is 0, so that offsets work as pointers; the rest is the buffer, copied to a
// block of exactly its size so that any read past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "inspect/PackageIdentity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int pointerBits = (data[0] & 1) ? 64 : 32;
    std::uint64_t address = 0;
    std::size_t offset = 1;
    if (data[0] & 2) {
        if (size < 9) return 0;
        std::memcpy(&address, data + 1, sizeof address);
        offset = 9;
    }
    const std::vector<std::uint8_t> buffer(data + offset, data + size);
    const auto identity = zorbel::parsePackageId(buffer.data(), buffer.size(), address, pointerBits);
    if (!identity) return 0;
    if (buffer.size() < zorbel::packageIdHeadSize(pointerBits)) std::abort();
    if (identity->name.size() > 50 || identity->publisherId.size() > 13 || identity->publisher.size() > 8192 ||
        identity->resourceId.size() > 30)
        std::abort();
    // The same bytes at the same address always read the same.
    if (zorbel::parsePackageId(buffer.data(), buffer.size(), address, pointerBits) != identity) std::abort();
    (void)zorbel::winAppRows({true, zorbel::StoreApp::Yes, *identity, u"", u""});
    return 0;
}
