#pragma once

#include <optional>
#include <string_view>

namespace gnomonics {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate &) const = default;
};

// The years every date of the program may take, in every window and file: the span over which
// the solar theory and the difference between the Earth's clock and ours are checked.
inline constexpr int kFirstYear = 1600;
inline constexpr int kLastYear = 2400;

bool isLeapYear(int year);

// Days of a month (1-12) of a Gregorian year; 0 for a month that does not exist.
int DaysInMonth(int year, int month);

// True when the date exists in the proleptic Gregorian calendar, whatever its year.
bool DateExists(const CivilDate &date);

// True when the year lies in kFirstYear..kLastYear.
bool InYearRange(int year);

// Reads a date written "gg/mm/aaaa" (day, month, year of the Gregorian calendar; blanks
// and tabs around it ignored, one or two digits for day and month, four for the year). Without a year ("15/08" or
// "15/08/") the given current year is meant. A date that does not exist ("31/02/2026"),
// letters, or a year outside 1 to 9999 give nothing. The caller checks InYearRange and says
// the range when it refuses.
std::optional<CivilDate> ReadDate(std::string_view text, int currentYear);

// The day, month and year of a date written in full "gg/mm/aaaa" (blanks and tabs around it
// ignored), whether or not that day exists: for a form that says which of the two is wrong.
std::optional<CivilDate> ReadDateForm(std::string_view text);


// Julian Day of a Gregorian date at the given hours of that day (0 is midnight; any value,
// 25 meaning 1 o'clock of the next day). The calendar is proleptic Gregorian.
double JulianDay(const CivilDate &date, double hours);

// The Gregorian date and the hours into it of a Julian Day (inverse of JulianDay).
CivilDate CalendarDate(double julianDay, double *hoursOut = nullptr);

// True when the date exists in the Gregorian calendar and its year lies in kFirstYear..kLastYear.
bool IsValidDate(const CivilDate &date);

} // namespace gnomonics
