#pragma once

#include <optional>
#include <string_view>

namespace sheet {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate &) const = default;
};

// Reads a date written "gg/mm/aaaa" (day, month, year of the Gregorian calendar; blanks
// around it ignored, one or two digits for day and month, four for the year). Without a year ("15/08" or
// "15/08/") the given current year is meant. A date that does not exist ("31/02/2026"),
// letters, or a year outside 1 to 9999 give nothing.
std::optional<CivilDate> ReadDate(std::string_view text, int currentYear);

bool isLeapYear(int year);

} // namespace sheet
