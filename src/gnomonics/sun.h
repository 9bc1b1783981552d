#pragma once

// The Sun for any instant: from a civil date and clock reading to the instant in Universal
// Time, and from that instant to the Sun's apparent place (declination, right ascension), the
// equation of time and, for a place, its hour angle, altitude and azimuth.
//
// Conventions: angles in degrees, times in hours unless a name says otherwise; longitudes
// East positive; time zones in hours East of Greenwich (1 for Italy); hour angles from the
// local meridian, positive West (afternoon); azimuth from North through East.

#include "gnomonics/angles.h"
#include "gnomonics/enginestatus.h"
#include "gnomonics/vec3.h"
#include "gnomonics/calendar.h"

#include <cmath>
#include <vector>

namespace gnomonics {

// The civil time zones in use, hours East of Greenwich: from Baker Island's -12 to the Line
// Islands' +14.
inline constexpr double kFirstZoneHours = -12;
inline constexpr double kLastZoneHours = 14;


// Universal Time in hours of a clock reading on the civil date: clock minus the zone offset,
// minus one hour more while summer time is in force. May fall outside 0..24 (the previous or
// the next day in UT); JulianDay takes care of that.
double UtHoursFromClock(double clockHours, double zoneHours, bool summerTime);

// TT - UT in seconds for a decimal year: the polynomial fits of Espenak and Meeus (2006) to the
// historical record from 1600 to 2005 and their extrapolation after it. Their uncertainty, about
// twenty seconds in 1600 and a few minutes by 2400, moves the Sun by a few arc seconds at most,
// far below what a dial can show.
double DeltaTSeconds(double decimalYear);

// The Sun's apparent place and the sidereal time at one instant.
struct SunPosition {
    double julianDayUt = 0;
    double julianDayTt = 0;
    double apparentLongitudeDeg = 0;  // 0..360, of the true equinox of date
    double latitudeArcsec = 0;        // ecliptic latitude, under one arc second
    double distanceAu = 0;
    double trueObliquityDeg = 0;
    double rightAscensionDeg = 0;     // 0..360
    double declinationDeg = 0;
    double apparentSiderealDeg = 0;   // Greenwich apparent sidereal time, 0..360
    double equationOfTimeMinutes = 0; // apparent minus mean solar time, -20..20
};

// The Sun at an instant given in Universal Time (Julian Day); TT is UT plus DeltaTSeconds.
//
// Algorithm: the truncated VSOP87 series of the Earth (heliocentric L, B, R) of Meeus,
// Astronomical Algorithms (2nd ed., ch. 32 and appendix III), turned geocentric, moved to the
// FK5 frame, with the nutation in longitude and obliquity from the four largest terms (Meeus
// ch. 22, good to 0.5" and 0.1"), the annual aberration -20.4898"/R, and the mean obliquity
// of Laskar's fit to the third power of T. Greenwich mean sidereal time is the IAU 1982
// expression in UT (Meeus 12.4) plus the equation of the equinoxes. The equation of time is
// the Sun's Greenwich hour angle minus the mean Sun's: 12 h + (GAST - RA)/15 - UT.
// Measured: Meeus's worked example 25.b (1992 Oct 13, 0h TD) is reproduced within 0.0001
// degree in declination and right ascension (0.3" and 0.3"), and his equation of time of
// example 28.b within 0.3 s. Against an independent computation with Meeus's low-accuracy
// theory (ch. 25, its own nutation, aberration and mean Sun) at 4800 instants of 1800-2200
// the largest differences are 36" in longitude, 0.0035 degree in declination and 2.6 s in the
// equation of time, with no drift (mean difference under 10" in every quarter century): the
// size of that theory's own error, which leaves out the planets' pulls (test_sun). The
// truncated VSOP87 itself is good to about 1" over these centuries by Meeus's account, i.e.
// 0.0003 degree and 0.1 s. Valid for any finite Julian Day; meant for the years 1600-2400.
SunPosition SunAt(double julianDayUt);

// The same with TT given as well (for worked examples stated in dynamical time).
SunPosition SunAtTimes(double julianDayUt, double julianDayTt);

// Where the Sun stands in a place's sky.
struct SunInSky {
    double hourAngleDeg = 0; // -180..180, positive West
    double altitudeDeg = 0;  // geometric unless refraction was asked for
    double azimuthDeg = 0;   // 0..360 from North through East
    Vec3 direction;          // unit vector East, North, Up (geometric, never refracted)
};

// Hour angle, altitude and azimuth of the Sun at a place (latitude -90..90, longitude East
// positive). With refraction, the altitude is the apparent one (ApparentAltitudeDeg).
SunInSky SunInSkyAt(const SunPosition &sun, double latitudeDeg, double longitudeDeg,
                    bool refraction = false);

// Refraction of standard air (10 degrees C, 1010 hPa): how much higher the Sun looks than it
// is. Bennett's formula, R = cot(a + 7.31 / (a + 4.4)) arc minutes for an apparent altitude a
// in degrees, good to a few hundredths of an arc minute from the horizon to the zenith (Meeus,
// Astronomical Algorithms, ch. 16): 34.5' on the horizon, 5.3' at 10 degrees, none overhead.
// Degrees; an apparent altitude below the horizon is given the horizon's refraction.
double BennettRefractionDeg(double apparentAltitudeDeg);

// The altitude at which a Sun of that true (geometric) altitude is seen: the a with
// a - R(a) = h. A Sun more than R(0) below the horizon is not seen at all; it is given the
// horizon's refraction, so that the result runs on without a jump and stays below 0.
double ApparentAltitudeDeg(double trueAltitudeDeg);

// The direction in which the Sun is seen (unit vector East, North, Up): the geometric direction
// raised in its own vertical to the apparent altitude. The azimuth is unchanged.
Vec3 RefractedDirection(Vec3 geometric);

// The true altitude of the Sun's centre at sunrise and sunset when refraction is reckoned: 34'
// below the horizon, the almanacs' rule.
inline constexpr double kRefractedSunriseAltitudeDeg = -34.0 / 60.0;

// An angle in degrees with its sine and cosine, worked out once for the many Sun directions
// that share it: a dial's latitude, the hour angle of an hour line, the declination of a date
// line. Tracing a line asks for thousands of directions, and the sines are most of their cost.
struct AngleTrig {
    double deg = 0;
    double sin = 0;
    double cos = 1;
    AngleTrig() = default;
    explicit AngleTrig(double degrees)
        : deg(degrees), sin(std::sin(degrees * angles::kRad)), cos(std::cos(degrees * angles::kRad))
    {
    }
};

// Unit vector towards the Sun (East, North, Up) from the latitude, the hour angle (positive
// West) and the declination: the one place where a Sun direction is made from angles.
inline Vec3 SunDirection(const AngleTrig &latitude, const AngleTrig &hourAngle, const AngleTrig &declination)
{
    // The Sun is cos(decl) along its hour direction in the equator plus sin(decl) along the
    // axis; the equator's point on the meridian stands 90 - latitude above the southern
    // horizon, and the hour angle turns it towards the West.
    const Vec3 equatorOnMeridian{0.0, -latitude.sin, latitude.cos};
    const Vec3 west{-1.0, 0.0, 0.0};
    const Vec3 pole{0.0, latitude.cos, latitude.sin};
    return declination.cos * (hourAngle.cos * equatorOnMeridian + hourAngle.sin * west)
        + declination.sin * pole;
}

inline Vec3 SunDirection(double latitudeDeg, double hourAngleDeg, double declinationDeg)
{
    return SunDirection(AngleTrig(latitudeDeg), AngleTrig(hourAngleDeg), AngleTrig(declinationDeg));
}

// The instant (Julian Day, UT) in the given year at which the Sun's apparent ecliptic longitude
// reaches the given value (degrees): 0 the March equinox, 90 the June solstice, 270 the
// December solstice. Newton's iteration on SunAt, to a millionth of a day.
double InstantOfSolarLongitude(int year, double longitudeDeg);

// A civil instant and its checks.
struct ClockInstant {
    CivilDate date;
    double clockHours = 12;  // 0..24, as the clock reads (summer time included)
    double zoneHours = 0;    // kFirstZoneHours..kLastZoneHours (-12..14), East positive
    bool summerTime = false;
};

struct SunAtClockResult {
    EngineStatus status;
    SunPosition sun; // zero-filled when refused
};

// The Sun for a clock reading: refuses a date that does not exist or lies outside the years
// 1600-2400, a clock outside 0..24, a zone outside -12..14, and anything not finite.
SunAtClockResult SunAtClock(const ClockInstant &instant);

// The Sun's declination and equation of time over a span of days, tabulated once a day at 0h UT
// and interpolated with a four-point Lagrange cubic: tracing 24 analemmas then costs a few
// hundred evaluations of the theory instead of thousands. Measured against SunAt at random
// instants the interpolation adds less than 1e-6 degree and 0.001 s (test_sun).
class SolarTable {
public:
    // Covers the days firstJulianDay0h .. firstJulianDay0h + days (both at 0h UT).
    SolarTable(double firstJulianDay0h, int days);
    // Declination (degrees) and equation of time (minutes) at an instant inside the span.
    void at(double julianDayUt, double *declinationDeg, double *equationOfTimeMinutes) const;
    double firstDay() const { return first_; }
    double lastDay() const { return first_ + static_cast<double>(decl_.size()) - 3.0; }

private:
    double first_ = 0; // Julian Day of the first node inside the span
    std::vector<double> decl_;
    std::vector<double> eot_;
};

} // namespace gnomonics
