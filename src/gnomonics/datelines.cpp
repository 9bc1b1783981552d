#include "gnomonics/datelines.h"

#include "gnomonics/angles.h"

#include "gnomonics/sun.h"

#include <cmath>
#include <numbers>

namespace gnomonics {

namespace {

using angles::kDeg;
using angles::kRad;

DateLine signLine(DateLineKind kind, int sign, int year, const Place &place)
{
    const double jd = InstantOfSolarLongitude(year, 30.0 * sign);
    const SunPosition sun = SunAt(jd);
    DateLine line;
    line.kind = kind;
    line.index = sign;
    // lambda and 180 - lambda share their declination.
    const int partner = ((6 - sign) % 12 + 12) % 12;
    line.partner = partner == sign ? -1 : partner;
    line.date = CalendarDate(jd + place.zoneHours / 24.0);
    line.declinationDeg = ZodiacEntryDeclinationDeg(30.0 * sign, sun.trueObliquityDeg);
    return line;
}

} // namespace

double ZodiacEntryDeclinationDeg(double eclipticLongitudeDeg, double obliquityDeg)
{
    return std::asin(std::sin(obliquityDeg * kRad) * std::sin(eclipticLongitudeDeg * kRad)) * kDeg;
}

double NoonDeclinationDeg(const gnomonics::CivilDate &date, double longitudeDeg)
{
    // Apparent noon comes at 12 h - longitude / 15 - E in UT; the equation of time moves by
    // under a minute a day, so one correction settles it.
    double ut = 12.0 - longitudeDeg / 15.0;
    SunPosition sun = SunAt(JulianDay(date, ut));
    ut -= sun.equationOfTimeMinutes / 60.0;
    sun = SunAt(JulianDay(date, ut));
    return sun.declinationDeg;
}

DateLinesResult ChooseDateLines(const DateLineChoice &choice, const Place &place, int year)
{
    DateLinesResult out;
    if (year < kFirstYear || year > kLastYear) {
        out.status = Refuse(InputField::Year, RefusalReason::OutOfRange);
        return out;
    }
    for (const gnomonics::CivilDate &d : choice.dates) {
        if (!IsValidDate(d)) {
            const bool exists = DateExists(d);
            out.status = Refuse(exists ? InputField::Year : InputField::Date,
                                exists ? RefusalReason::OutOfRange : RefusalReason::NoSuchDate);
            return out;
        }
    }
    for (const NamedDeclination &d : choice.declinations) {
        if (!std::isfinite(d.declinationDeg)) {
            out.status = Refuse(InputField::Date, RefusalReason::NotFinite);
            return out;
        }
        if (!(std::abs(d.declinationDeg) < 90.0)) {
            out.status = Refuse(InputField::Date, RefusalReason::OutOfRange);
            return out;
        }
    }
    if (choice.solsticesEquinoxes) {
        out.lines.push_back(signLine(DateLineKind::Solstice, 3, year, place));
        out.lines.push_back(signLine(DateLineKind::Solstice, 9, year, place));
        DateLine equinoxes = signLine(DateLineKind::Equinoxes, 0, year, place);
        equinoxes.declinationDeg = 0.0;
        out.lines.push_back(equinoxes);
    }
    if (choice.zodiac) {
        // Signs from Capricorn (-90) round to Cancer (+90): each line once, named by the sign
        // whose entry comes first in the year from the March equinox (0..5), with its partner.
        for (int sign : {0, 1, 2, 3, 10, 11, 9}) {
            if (choice.solsticesEquinoxes && (sign == 0 || sign == 3 || sign == 9))
                continue;
            DateLine line = signLine(DateLineKind::ZodiacEntry, sign, year, place);
            if (sign == 0)
                line.declinationDeg = 0.0;
            out.lines.push_back(line);
        }
    }
    if (choice.monthFirsts) {
        for (int month = 1; month <= 12; ++month) {
            DateLine line;
            line.kind = DateLineKind::MonthFirst;
            line.index = month;
            line.date = {year, month, 1};
            line.declinationDeg = NoonDeclinationDeg(line.date, place.longitudeDeg);
            out.lines.push_back(line);
        }
    }
    for (std::size_t i = 0; i < choice.dates.size(); ++i) {
        DateLine line;
        line.kind = DateLineKind::Date;
        line.index = static_cast<int>(i);
        line.date = choice.dates[i];
        line.declinationDeg = NoonDeclinationDeg(line.date, place.longitudeDeg);
        out.lines.push_back(line);
    }
    for (std::size_t i = 0; i < choice.declinations.size(); ++i) {
        DateLine line;
        line.kind = DateLineKind::Declination;
        line.index = static_cast<int>(i);
        line.declinationDeg = choice.declinations[i].declinationDeg;
        line.name = choice.declinations[i].name;
        out.lines.push_back(line);
    }
    return out;
}

} // namespace gnomonics
