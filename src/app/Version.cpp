#include "app/Version.h"

#include <tuple>

namespace zorbel {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

struct CivilDate {
    std::int64_t year;
    unsigned month; // 1..12
    unsigned day;   // 1..31
};

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1970-01-01 to a proleptic Gregorian date, counted in 400-year eras that start on
// 1 March so that the leap day falls at the end of each year.
constexpr CivilDate civilFromDays(std::int64_t days) {
    const std::int64_t z = days + 719468; // days since 0000-03-01
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097; // 0..146096
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100); // 0..365
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153; // 0..11, March = 0
    const auto day = static_cast<unsigned>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const auto month = static_cast<unsigned>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

void appendPadded(std::u16string& out, std::uint64_t value, std::size_t digits) {
    char16_t buffer[20];
    std::size_t length = 0;
    do {
        buffer[length++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (; length < digits; ++length) {
        buffer[length] = u'0';
    }
    while (length > 0) {
        out += buffer[--length];
    }
}

} // namespace

std::u16string formatBuildDate(std::int64_t unixSeconds) {
    const CivilDate date = civilFromDays(floorDiv(unixSeconds, kSecondsPerDay));
    std::u16string text;
    if (date.year < 0) {
        text += u'-';
        appendPadded(text, 0 - static_cast<std::uint64_t>(date.year), 4);
    } else {
        appendPadded(text, static_cast<std::uint64_t>(date.year), 4);
    }
    text += u'.';
    appendPadded(text, date.month, 2);
    text += u'.';
    appendPadded(text, date.day, 2);
    return text;
}

std::u16string versionText(std::int64_t unixSeconds) { return u"Zorbel! v" + formatBuildDate(unixSeconds); }

int versionGate(const std::optional<OsVersion>& version, std::uint32_t requiredMajor, std::uint32_t requiredMinor,
                std::uint32_t requiredBuild) {
    if (!version) {
        return -1;
    }
    // Compared as a whole version, not field by field: a later major or minor version may start
    // its build numbers again below the required build and must still pass.
    const auto actual = std::tie(version->major, version->minor, version->build);
    const auto required = std::tie(requiredMajor, requiredMinor, requiredBuild);
    return actual >= required ? 1 : 0;
}

} // namespace zorbel
