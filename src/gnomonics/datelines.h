#pragma once

// The days a dial marks: each date line is the path of the shadow through one day, traced at
// one declination of the Sun (the declination changes by at most 0.4 degree in a day, less than
// the width of a line on the plate).

#include "gnomonics/enginestatus.h"
#include "gnomonics/hoursystems.h"
#include "gnomonics/calendar.h"

#include <string>
#include <vector>

namespace gnomonics {

enum class DateLineKind {
    Solstice,    // index 3 (June) or 9 (December): the zodiac sign the Sun enters
    Equinoxes,   // both equinoxes: one line, index 0 and partner 6
    ZodiacEntry, // index 0 Aries ... 11 Pisces; partner the sign entered at the same declination
    MonthFirst,  // index 1..12
    Date,        // a date the user chose; index its position in the list
    Declination, // a day given by the Sun's declination alone (a sheet's curve); index its
                 // position in the list, name its label
};

struct DateLine {
    DateLineKind kind = DateLineKind::Date;
    int index = 0;
    int partner = -1;         // a second sign on the same line, -1 when none
    gnomonics::CivilDate date;    // the day of the line (the day of entry in the zone's calendar)
    double declinationDeg = 0;
    std::string name;         // Declination lines: the label the user gave it
};

// A date line given by the Sun's declination, as the sheets give their curves.
struct NamedDeclination {
    double declinationDeg = 0;
    std::string name;
};

struct DateLineChoice {
    bool solsticesEquinoxes = true;
    bool zodiac = false;                   // entries into the twelve signs
    bool monthFirsts = false;
    std::vector<gnomonics::CivilDate> dates;   // any days, each in kFirstYear..kLastYear
    std::vector<NamedDeclination> declinations; // any declinations below 90 in magnitude
};

struct DateLinesResult {
    EngineStatus status;
    std::vector<DateLine> lines;
};

// The declination of the Sun entering the sign that begins at ecliptic longitude lambda, for an
// obliquity epsilon: sin d = sin(epsilon) sin(lambda). Degrees.
double ZodiacEntryDeclinationDeg(double eclipticLongitudeDeg, double obliquityDeg);

// The Sun's declination at the place's apparent noon of a date (the Sun on the meridian of the
// longitude, East positive), degrees.
double NoonDeclinationDeg(const gnomonics::CivilDate &date, double longitudeDeg);

// The date lines of a choice for a year, in this order: solstices and equinoxes (June solstice, December
// solstice, equinoxes), the zodiac entries (those not already there, by increasing ecliptic
// longitude, each pair of signs at one declination on one line), the firsts of the months, the
// dates, the declinations. A sign's line sits at sin d = sin(epsilon) sin(lambda) with the true obliquity at the
// instant of entry in the chosen year. Refuses a year outside 1600-2400 (Year) or a date that
// does not exist or lies outside those years (Date), and a declination that is not finite or
// is 90 or more in magnitude (Date: no Sun stands there).
DateLinesResult ChooseDateLines(const DateLineChoice &choice, const Place &place, int year);

} // namespace gnomonics
