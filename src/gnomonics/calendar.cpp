#include "gnomonics/calendar.h"

#include <cmath>

#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace gnomonics {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

bool DateExists(const CivilDate &date)
{
    return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

bool InYearRange(int year)
{
    return year >= kFirstYear && year <= kLastYear;
}

namespace {

std::optional<int> readDigits(std::string_view part, std::size_t maxDigits)
{
    if (part.empty() || part.size() > maxDigits)
        return std::nullopt;
    for (char c : part)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    int value = 0;
    std::from_chars(part.data(), part.data() + part.size(), value);
    return value;
}

} // namespace

namespace {

// Day, month and year as written, whether or not that day exists; without a year written (when
// one may be left out) the given one is meant.
std::optional<CivilDate> readFields(std::string_view text, std::optional<int> currentYear)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);

    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '/') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (currentYear && parts.size() == 3 && parts[2].empty())
        parts.pop_back();
    if (parts.size() != 3 && !(currentYear && parts.size() == 2))
        return std::nullopt;

    const auto dayRead = readDigits(parts[0], 2);
    const auto monthRead = readDigits(parts[1], 2);
    int year = currentYear.value_or(0);
    if (parts.size() == 3) {
        // The year is written in full (aaaa): "26" could mean 1926 or 2026, so it is refused.
        const auto yearRead = parts[2].size() == 4 ? readDigits(parts[2], 4) : std::nullopt;
        if (!yearRead)
            return std::nullopt;
        year = *yearRead;
    }
    if (!dayRead || !monthRead)
        return std::nullopt;
    return CivilDate{year, *monthRead, *dayRead};
}

} // namespace

std::optional<CivilDate> ReadDateForm(std::string_view text)
{
    return readFields(text, std::nullopt);
}

std::optional<CivilDate> ReadDate(std::string_view text, int currentYear)
{
    const auto date = readFields(text, currentYear);
    if (!date || date->year < 1 || date->year > 9999 || !DateExists(*date))
        return std::nullopt;
    return date;
}

double JulianDay(const CivilDate &date, double hours)
{
    // Count March as the first month, so that the leap day falls at the end of the year.
    const int a = (14 - date.month) / 12;
    const long y = date.year + 4800L - a;
    const long m = date.month + 12L * a - 3;
    const long jdn = date.day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return static_cast<double>(jdn) - 0.5 + hours / 24.0;
}

CivilDate CalendarDate(double julianDay, double *hoursOut)
{
    // Richards' inverse of the day count above, on the day that starts at midnight.
    const double shifted = julianDay + 0.5;
    const double dayStart = std::floor(shifted);
    const long j = static_cast<long>(dayStart);
    const long f = j + 1401 + (((4 * j + 274277) / 146097) * 3) / 4 - 38;
    const long e = 4 * f + 3;
    const long g = (e % 1461) / 4;
    const long h = 5 * g + 2;
    const int day = static_cast<int>((h % 153) / 5 + 1);
    const int month = static_cast<int>((h / 153 + 2) % 12 + 1);
    const int year = static_cast<int>(e / 1461 - 4716 + (12 + 2 - month) / 12);
    if (hoursOut)
        *hoursOut = (shifted - dayStart) * 24.0;
    return {year, month, day};
}

bool IsValidDate(const CivilDate &date)
{
    return gnomonics::DateExists(date) && gnomonics::InYearRange(date.year);
}

} // namespace gnomonics
