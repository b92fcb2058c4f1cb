#include "inspect/PackageIdentity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zorbel {
namespace {

struct BufferLayout {
    int pointerBits = 64;
    std::uint64_t base = 0x10000;
    std::uint32_t architecture = 9;
    std::uint16_t major = 1, minor = 2, build = 3, revision = 4;
    std::u16string name = u"Microsoft.WindowsCalculator";
    std::u16string publisher = u"CN=Microsoft Corporation, O=Microsoft Corporation, L=Redmond, S=Washington, C=US";
    std::u16string resourceId = u"";
    std::u16string publisherId = u"8wekyb3d8bbwe";
    bool nullResourceId = true;
};

template <typename T>
void put(std::vector<std::uint8_t>& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// A buffer as GetPackageId leaves it: the structure, then the strings it points to, in the order
// name, publisher ID, publisher, resource ID.
std::vector<std::uint8_t> makeBuffer(const BufferLayout& layout) {
    const std::size_t pointerSize = static_cast<std::size_t>(layout.pointerBits / 8);
    const std::size_t head = 16 + 4 * pointerSize;
    std::vector<std::uint8_t> bytes(head);
    put<std::uint32_t>(bytes, 0, 0);
    put<std::uint32_t>(bytes, 4, layout.architecture);
    put<std::uint16_t>(bytes, 8, layout.revision);
    put<std::uint16_t>(bytes, 10, layout.build);
    put<std::uint16_t>(bytes, 12, layout.minor);
    put<std::uint16_t>(bytes, 14, layout.major);
    const auto appendString = [&](const std::u16string& text) {
        const std::uint64_t address = layout.base + bytes.size();
        for (char16_t unit : text + u'\0') {
            bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return address;
    };
    const std::uint64_t name = appendString(layout.name);
    const std::uint64_t publisherId = appendString(layout.publisherId);
    const std::uint64_t publisher = appendString(layout.publisher);
    const std::uint64_t resourceId = layout.nullResourceId ? 0 : appendString(layout.resourceId);
    const std::uint64_t pointers[] = {name, publisher, resourceId, publisherId};
    for (std::size_t i = 0; i < 4; ++i) {
        if (layout.pointerBits == 64)
            put<std::uint64_t>(bytes, 16 + i * pointerSize, pointers[i]);
        else
            put<std::uint32_t>(bytes, 16 + i * pointerSize, static_cast<std::uint32_t>(pointers[i]));
    }
    return bytes;
}

// Parses a copy of exactly length bytes, so that the sanitizer sees any read past them.
std::optional<PackageIdentity> parseCopy(const std::vector<std::uint8_t>& bytes, std::size_t length, const BufferLayout& layout) {
    std::vector<std::uint8_t> exact(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return parsePackageId(exact.data(), exact.size(), layout.base, layout.pointerBits);
}

TEST(PackageIdentity, ReadsTheStringsThroughTheStructuresPointersInBothLayouts) {
    for (int bits : {32, 64}) {
        for (bool nullResource : {true, false}) {
            BufferLayout layout;
            layout.pointerBits = bits;
            layout.nullResourceId = nullResource;
            layout.resourceId = nullResource ? u"" : u"split.scale-150";
            const auto bytes = makeBuffer(layout);
            const auto identity = parseCopy(bytes, bytes.size(), layout);
            ASSERT_TRUE(identity) << bits;
            EXPECT_EQ(identity->name, layout.name);
            EXPECT_EQ(identity->publisher, layout.publisher);
            EXPECT_EQ(identity->publisherId, layout.publisherId);
            EXPECT_EQ(identity->resourceId, layout.resourceId);
            EXPECT_EQ(identity->processorArchitecture, 9u);
            EXPECT_EQ(packageVersionText(*identity), u"1.2.3.4");
        }
    }
    EXPECT_EQ(packageIdHeadSize(32), 32u);
    EXPECT_EQ(packageIdHeadSize(64), 48u);
}

TEST(PackageIdentity, EveryTruncationIsNoIdentity) {
    for (int bits : {32, 64}) {
        BufferLayout layout;
        layout.pointerBits = bits;
        layout.nullResourceId = false;
        layout.resourceId = u"x";
        const auto bytes = makeBuffer(layout);
        for (std::size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(parseCopy(bytes, length, layout)) << bits << " bits cut at " << length;
        EXPECT_TRUE(parseCopy(bytes, bytes.size(), layout));
    }
}

TEST(PackageIdentity, VersionPartsAreUnsigned) {
    BufferLayout layout;
    layout.major = 33900;
    layout.minor = 65535;
    layout.build = 32768;
    layout.revision = 0;
    const auto bytes = makeBuffer(layout);
    const auto identity = parseCopy(bytes, bytes.size(), layout);
    ASSERT_TRUE(identity);
    EXPECT_EQ(packageVersionText(*identity), u"33900.65535.32768.0");
}

TEST(PackageIdentity, PointersOutsideTheBufferAreRefused) {
    for (int bits : {32, 64}) {
        BufferLayout layout;
        layout.pointerBits = bits;
        layout.base = 0x7FFF0000;
        auto bytes = makeBuffer(layout);
        const std::size_t nameSlot = 16;
        const auto withName = [&](std::uint64_t address) {
            auto changed = bytes;
            if (bits == 64)
                put<std::uint64_t>(changed, nameSlot, address);
            else
                put<std::uint32_t>(changed, nameSlot, static_cast<std::uint32_t>(address));
            return parseCopy(changed, changed.size(), layout);
        };
        EXPECT_FALSE(withName(layout.base - 2)) << bits;              // just before the buffer
        EXPECT_FALSE(withName(layout.base + bytes.size())) << bits;   // just past it
        EXPECT_FALSE(withName(layout.base + bytes.size() - 1)) << bits; // half a unit left
        EXPECT_FALSE(withName(0xFFFFFFFF)) << bits;
        // A pointer into the last string reads its tail.
        const auto tail = withName(layout.base + bytes.size() - 4);
        ASSERT_TRUE(tail) << bits;
        EXPECT_EQ(tail->name, layout.publisher.substr(layout.publisher.size() - 1));
        // A null pointer is an empty string.
        const auto empty = withName(0);
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->name, u"");
    }
    EXPECT_FALSE(parsePackageId(nullptr, 0, 0, 64));
    std::vector<std::uint8_t> head(48, 0);
    EXPECT_FALSE(parsePackageId(head.data(), head.size(), 0, 16));
    EXPECT_TRUE(parsePackageId(head.data(), head.size(), 0, 64)); // all strings null
}

TEST(PackageIdentity, OverlongStringsAreCutToTheirFields) {
    BufferLayout layout;
    layout.name = std::u16string(60, u'n');
    layout.publisherId = std::u16string(20, u'p');
    layout.nullResourceId = false;
    layout.resourceId = std::u16string(40, u'r');
    const auto bytes = makeBuffer(layout);
    const auto identity = parseCopy(bytes, bytes.size(), layout);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->name.size(), 50u);
    EXPECT_EQ(identity->publisherId.size(), 13u);
    EXPECT_EQ(identity->resourceId.size(), 30u);
}

TEST(PackageIdentity, ArchitectureTable) {
    const std::pair<std::uint32_t, const char16_t*> cases[] = {
        {0, u"PROCESSOR_ARCHITECTURE_INTEL"},   {5, u"PROCESSOR_ARCHITECTURE_ARM"},
        {9, u"PROCESSOR_ARCHITECTURE_AMD64"},   {11, u"PROCESSOR_ARCHITECTURE_NEUTRAL"},
        {12, u"PROCESSOR_ARCHITECTURE_ARM64"},  {14, u"PROCESSOR_ARCHITECTURE_IA32_ON_ARM64"},
        {6, u"PROCESSOR_ARCHITECTURE_UNKNOWN"}, {0xFFFF, u"PROCESSOR_ARCHITECTURE_UNKNOWN"},
    };
    for (auto [value, name] : cases) EXPECT_EQ(architectureName(value), name) << value;
}

TEST(WinAppRows, WhosePackageIsShown) {
    struct Case {
        bool immersive, own, core;
        StoreApp expected;
        bool coreAsked;
    } cases[] = {
        {false, false, false, StoreApp::No, false},
        {false, true, false, StoreApp::Yes, false},       // packaged desktop program
        {false, false, true, StoreApp::No, false},        // not immersive: no core window is looked at
        {true, false, true, StoreApp::ViaProcess, true},  // frame window of a store app
        {true, true, true, StoreApp::Yes, false},
        {true, false, false, StoreApp::No, true},
    };
    for (const Case& c : cases) {
        bool coreAsked = false;
        EXPECT_EQ(storeAppOf(c.immersive, [&] { return c.own; }, [&] { return coreAsked = true, c.core; }), c.expected);
        EXPECT_EQ(coreAsked, c.coreAsked);
    }
}

TEST(WinAppRows, ClassicPackagedAndViaProcess) {
    WinAppFacts classic;
    EXPECT_EQ(winAppRows(classic), (std::vector<std::u16string>{u"Immersive\nNo", u"Store App\nNo"}));
    classic.immersive = true;
    EXPECT_EQ(winAppRows(classic), (std::vector<std::u16string>{u"Immersive\nYes", u"Store App\nNo"}));

    WinAppFacts packaged;
    packaged.storeApp = StoreApp::Yes;
    packaged.identity.name = u"Contoso.App";
    packaged.identity.publisher = u"CN=Contoso";
    packaged.identity.processorArchitecture = 11;
    packaged.identity.major = 33900;
    packaged.identity.minor = 1;
    packaged.identity.publisherId = u"abcdefghijklm";
    packaged.packagePath = u"C:\\Program Files\\WindowsApps\\Contoso.App_1.0.0.0_neutral__abcdefghijklm";
    packaged.packageContainer = u"C:\\Program Files\\WindowsApps\\Contoso.App\\app.exe";
    EXPECT_EQ(winAppRows(packaged),
              (std::vector<std::u16string>{
                  u"Immersive\nNo", u"Store App\nYes", u"App Name\nContoso.App", u"Publisher\nCN=Contoso",
                  u"Architecture\nPROCESSOR_ARCHITECTURE_NEUTRAL", u"Version\n33900.1.0.0", u"Publisher ID\nabcdefghijklm",
                  u"Package Path\nC:\\Program Files\\WindowsApps\\Contoso.App_1.0.0.0_neutral__abcdefghijklm",
                  u"Package Container\nC:\\Program Files\\WindowsApps\\Contoso.App\\app.exe"}));

    WinAppFacts viaProcess = packaged;
    viaProcess.immersive = true;
    viaProcess.storeApp = StoreApp::ViaProcess;
    viaProcess.packagePath.clear();
    const auto rows = winAppRows(viaProcess);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[1], u"Store App\nYes, via process");
    EXPECT_EQ(rows[7], u"Package Path\n");
}

} // namespace
} // namespace zorbel
