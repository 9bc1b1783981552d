#include "sheet/dates.h"

#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace sheet {

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

std::optional<CivilDate> ReadDate(std::string_view text, int currentYear)
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
    if (parts.size() == 3 && parts[2].empty())
        parts.pop_back();
    if (parts.size() != 2 && parts.size() != 3)
        return std::nullopt;

    const auto dayRead = readDigits(parts[0], 2);
    const auto monthRead = readDigits(parts[1], 2);
    int year = currentYear;
    if (parts.size() == 3) {
        // The year is written in full (aaaa): "26" could mean 1926 or 2026, so it is refused.
        const auto yearRead = parts[2].size() == 4 ? readDigits(parts[2], 4) : std::nullopt;
        if (!yearRead)
            return std::nullopt;
        year = *yearRead;
    }
    if (!dayRead || !monthRead)
        return std::nullopt;
    const CivilDate date{year, *monthRead, *dayRead};
    if (year < 1 || year > 9999 || !DateExists(date))
        return std::nullopt;
    return date;
}

} // namespace sheet
