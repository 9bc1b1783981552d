#pragma once

namespace gnomonics {

// Julian Day of 12:00 UT on a day of the Gregorian calendar (year, month 1-12, day 1-31).
double JulianDayAtNoon(int year, int month, int day);

// The Sun's apparent declination, in degrees, at the given Julian Day (UT).
//
// This is the low-precision solar theory of the astronomical almanacs: the Sun's mean
// longitude and mean anomaly grow linearly with time from the epoch J2000.0, the equation of
// the centre (two terms of the anomaly) gives the ecliptic longitude, and the obliquity of
// the ecliptic, slowly shrinking, turns it into a declination: sin d = sin e sin l. Its error
// stays below 0.01 degree for the years 1900 to 2100, far less than a shadow can show.
double SolarDeclinationDeg(double julianDay);

// The Sun's declination at noon (12:00 UT) of a Gregorian date, degrees. This is what the
// anniversary curve of a dial needs: on a given day the declination moves by less than half
// a degree, so one value stands for the whole day.
double SolarDeclinationAtNoonDeg(int year, int month, int day);

} // namespace gnomonics
