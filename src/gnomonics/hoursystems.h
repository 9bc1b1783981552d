#pragma once

// The hour systems of a dial, each a rule that gives the Sun's hour angle for an hour label:
// apparent time, local mean and zone time (with the equation of time and summer time), the
// Italic hours (since the last sunset) and the Babylonian hours (since sunrise).
//
// Hour angles in degrees from the local meridian, positive West (afternoon); declinations in
// degrees; times in decimal hours.

#include "gnomonics/enginestatus.h"
#include "gnomonics/sun.h"

#include <optional>

namespace gnomonics {

struct Place {
    double latitudeDeg = 45.4642;
    double longitudeDeg = 9.19; // East positive, -180..180
    double zoneHours = 1;       // the zone's offset from UT, East positive, -12..14
    bool summerTime = false;    // clocks one hour ahead of the zone
};

// Refuses a latitude beyond +-89.99, a longitude beyond +-180, a zone outside -12..14 hours, and
// anything not finite.
EngineStatus CheckPlace(const Place &place);

// Local apparent time: H = 15 (T - 12).
double ApparentTimeHourAngleDeg(double apparentHours);
// Apparent time of an hour angle, 0..24.
double ApparentHoursOf(double hourAngleDeg);

enum class ClockKind {
    LocalMean, // the place's own mean time ("tempo medio locale")
    Zone,      // the time of the zone ("tempo civile"), summer time included when in force
};

// The Sun's hour angle when a clock of that kind reads clockHours on a day whose equation of
// time is eotMinutes (apparent minus mean time; pass 0 for lines without it):
//   local mean:  H = 15 (T - 12) + E / 4
//   zone:        H = 15 (T - S - 12) + (longitude - 15 zone) + E / 4, S = 1 in summer time.
// Summer time is a civil rule and leaves local mean time alone.
double ClockHourAngleDeg(const Place &place, ClockKind kind, double clockHours, double eotMinutes);

// Universal Time (hours) of a clock reading of that kind (local mean time: T - longitude / 15).
double ClockToUtHours(const Place &place, ClockKind kind, double clockHours);

// Sunrise and sunset are when the Sun's centre stands at this true altitude (degrees): on the
// geometric horizon (0), or 34' below it when refraction is reckoned
// (kRefractedSunriseAltitudeDeg).
double SunriseAltitudeDeg(bool refraction);

// Hour angle of sunset, 0..180: cos H0 = (sin h0 - sin(latitude) sin(declination)) /
// (cos(latitude) cos(declination)) for the Sun's centre at true altitude h0. Nothing on a day
// the Sun neither rises nor sets.
std::optional<double> SunsetHourAngleDeg(double latitudeDeg, double declinationDeg,
                                         double horizonAltitudeDeg = 0.0);

// Italic hour I (hours since the last sunset, 24 at sunset) on a day of that declination:
// H = H0 + 15 I - 360, taken into -180..180. Nothing when the Sun does not set that day.
std::optional<double> ItalicHourAngleDeg(double latitudeDeg, double declinationDeg,
                                         double italicHour, double horizonAltitudeDeg = 0.0);

// Babylonian hour B (hours since sunrise, 0 at sunrise): H = 15 B - H0, in -180..180.
std::optional<double> BabylonianHourAngleDeg(double latitudeDeg, double declinationDeg,
                                             double babylonianHour, double horizonAltitudeDeg = 0.0);

// Temporary (unequal) hour T: the day from sunrise (0) to sunset (12) in twelve equal parts,
// H = H0 (T / 6 - 1). Nothing when the Sun does not rise and set that day.
std::optional<double> TemporaryHourAngleDeg(double latitudeDeg, double declinationDeg,
                                            double temporaryHour, double horizonAltitudeDeg = 0.0);

// The Italic and Babylonian hour (0..24) at an instant of hour angle H on a day of that
// declination; nothing when the Sun does not set that day. Their sum is twice the apparent
// time, modulo 24.
std::optional<double> ItalicHourAt(double latitudeDeg, double declinationDeg, double hourAngleDeg,
                                   double horizonAltitudeDeg = 0.0);
std::optional<double> BabylonianHourAt(double latitudeDeg, double declinationDeg,
                                       double hourAngleDeg, double horizonAltitudeDeg = 0.0);

// The temporary hour (0..12) at an instant of hour angle H by day; nothing by night or when
// the Sun does not rise and set that day.
std::optional<double> TemporaryHourAt(double latitudeDeg, double declinationDeg, double hourAngleDeg,
                                      double horizonAltitudeDeg = 0.0);

} // namespace gnomonics
