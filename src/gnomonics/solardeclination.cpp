#include "gnomonics/solardeclination.h"

#include "sheet/checks.h"

#include <cmath>

namespace gnomonics {

double JulianDayAtNoon(int year, int month, int day)
{
    // Count March as the first month, so that the leap day falls at the end of the year.
    const int a = (14 - month) / 12;
    const long y = year + 4800L - a;
    const long m = month + 12L * a - 3;
    const long jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return static_cast<double>(jdn); // the Julian Day number is the Julian Day at noon
}

double SolarDeclinationDeg(double julianDay)
{
    const auto &k = sheet::angles();
    const double n = julianDay - 2451545.0; // days from J2000.0
    const double meanLongitude = std::fmod(280.460 + 0.9856474 * n, 360.0);
    const double meanAnomaly = std::fmod(357.528 + 0.9856003 * n, 360.0) * k.rad;
    const double eclipticLongitude =
        (meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2 * meanAnomaly)) * k.rad;
    const double obliquity = (23.439 - 0.0000004 * n) * k.rad;
    const double sinDecl = std::sin(obliquity) * std::sin(eclipticLongitude);
    return std::atan2(sinDecl, std::sqrt(1 - sinDecl * sinDecl)) * k.deg;
}

double SolarDeclinationAtNoonDeg(int year, int month, int day)
{
    return SolarDeclinationDeg(JulianDayAtNoon(year, month, day));
}

} // namespace gnomonics
