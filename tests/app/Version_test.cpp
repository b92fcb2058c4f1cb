#include "app/Version.h"

#include <gtest/gtest.h>

#include <limits>

namespace zorbel {
namespace {

struct DateCase {
    std::int64_t seconds;
    std::u16string_view expected;
};

class FormatBuildDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(FormatBuildDateTest, GivesTheUtcCalendarDate) {
    EXPECT_EQ(formatBuildDate(GetParam().seconds), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, FormatBuildDateTest,
    testing::Values(DateCase{0, u"1970.01.01"},                  // the epoch
                    DateCase{86399, u"1970.01.01"},              // last second of the first day
                    DateCase{86400, u"1970.01.02"},
                    DateCase{-1, u"1969.12.31"},                 // before the epoch rounds down, not towards zero
                    DateCase{-86401, u"1969.12.30"},
                    DateCase{1664406106, u"2022.09.28"},         // this release
                    DateCase{951782400, u"2000.02.29"},          // leap day of a 400-year leap year
                    DateCase{951868800, u"2000.03.01"},
                    DateCase{1709164800, u"2024.02.29"},
                    DateCase{1709251199, u"2024.02.29"},
                    DateCase{1709251200, u"2024.03.01"},
                    DateCase{1677628800, u"2023.03.01"},         // 2023 has no 29 February
                    DateCase{1704067199, u"2023.12.31"},
                    DateCase{1704067200, u"2024.01.01"},
                    DateCase{2147483647, u"2038.01.19"},         // the last 32-bit second
                    DateCase{4107542400, u"2100.03.01"},         // 2100 is not a leap year
                    DateCase{4107542399, u"2100.02.28"},
                    DateCase{253402300799, u"9999.12.31"},
                    DateCase{253402300800, u"10000.01.01"},
                    DateCase{-2208988800, u"1900.01.01"},
                    DateCase{-62135596800, u"0001.01.01"}));

TEST(VersionTextTest, PrefixesTheBuildDate) {
    EXPECT_EQ(versionText(1664406106), u"Zorbel! v2022.09.28");
    EXPECT_EQ(versionText(0), u"Zorbel! v1970.01.01");
}

TEST(VersionTextTest, ExtremeTimesStayExact) {
    EXPECT_EQ(formatBuildDate(std::numeric_limits<std::int64_t>::max()), u"292277026596.12.04");
    EXPECT_EQ(formatBuildDate(std::numeric_limits<std::int64_t>::min()), u"-292277022657.01.27");
}

struct GateCase {
    OsVersion version;
    int expected;
};

class VersionGateTest : public testing::TestWithParam<GateCase> {};

TEST_P(VersionGateTest, ComparesAgainstWindows10Build14393) {
    const OsVersion v = GetParam().version;
    EXPECT_EQ(versionGate(v, 10, 0, 14393), GetParam().expected) << v.major << '.' << v.minor << '.' << v.build;
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionGateTest,
                         testing::Values(GateCase{{10, 0, 14393}, 1},   // exactly the required build
                                         GateCase{{10, 0, 14392}, 0},   // one build short
                                         GateCase{{10, 0, 22631}, 1},   // Windows 11 still reports 10.0
                                         GateCase{{10, 0, 0}, 0},
                                         GateCase{{6, 3, 9600}, 0},     // Windows 8.1
                                         GateCase{{6, 1, 7601}, 0},     // Windows 7 (a new Wine prefix)
                                         GateCase{{9, 9, 99999}, 0},    // a high build does not make up for the major
                                         GateCase{{11, 0, 100}, 1},     // a later major may restart its builds
                                         GateCase{{10, 1, 100}, 1}));   // likewise a later minor

TEST(VersionGateTest, UnreadableVersionIsReportedSeparately) {
    EXPECT_EQ(versionGate(std::nullopt, 10, 0, 14393), -1);
}

TEST(VersionGateTest, UsesTheRequiredValuesGiven) {
    EXPECT_EQ(versionGate(OsVersion{10, 0, 19041}, 10, 0, 19041), 1);
    EXPECT_EQ(versionGate(OsVersion{10, 0, 19040}, 10, 0, 19041), 0);
    EXPECT_EQ(versionGate(OsVersion{10, 0, 19041}, 11, 0, 0), 0);
    EXPECT_EQ(versionGate(OsVersion{10, 0, 19041}, 10, 1, 0), 0);
}

} // namespace
} // namespace zorbel
