#pragma once

// The shadow of a polar style's tip on a wall, possibly leaning, computed from the Sun's
// direction with plain vectors (sunframe.h): no formula of the program's dial geometry is used
// here, so a test can hold the program's tables against where the shadow really falls.
//
// Frame: local East-North-Up at the dial, x East, y North, z Up, unit vectors. Angles in
// degrees at the boundary, as everywhere in the program.

#include "sunframe.h"

#include <cmath>
#include <cstdint>
#include <random>

namespace shadowframe {

using sunframe::Vec3;
using sunframe::cross;
using sunframe::dot;
using sunframe::norm;

inline double toRad(double deg) { return sunframe::radians(deg); }
inline double toDeg(double rad) { return sunframe::degrees(rad); }

// Outward normal of a wall whose face turns from due South towards East by the declination
// D, and whose face is tilted up towards the sky by the inclination i (0 for a vertical wall).
inline Vec3 wallNormal(double declinationEastDeg, double inclinationDeg)
{
    const double dcl = toRad(declinationEastDeg);
    const double inc = toRad(inclinationDeg);
    return {std::sin(dcl) * std::cos(inc), -std::cos(dcl) * std::cos(inc), std::sin(inc)};
}

// Hour angle from noon, in degrees, of the meridian that holds the wall's normal (negative
// when the normal looks towards the morning Sun). The substyle lies in that meridian.
inline double normalHourAngleDeg(double latitudeDeg, Vec3 normal)
{
    const double p = toRad(latitudeDeg);
    // Components of the normal along the West direction and along the equator's point on the
    // meridian (0, -sin phi, cos phi), the two axes of the hour angle in sunframe::sunDirection.
    return toDeg(std::atan2(-normal.x, -normal.y * std::sin(p) + normal.z * std::cos(p)));
}

// The hour angle from noon, in degrees, at which a vertical-curve sheet's row of clock hour t
// really stands. Those sheets count their hours from the substyle's hour angle (counted from
// midnight) rounded to three decimals, so each row sits that rounding away from the exact
// clock hour; the rounding is redone here from the wall's normal.
inline double rowHourAngleFromNoonDeg(double latitudeDeg, double declinationEastDeg,
                                      double inclinationDeg, double clockHour)
{
    constexpr double kStepDeg = 0.001;
    const double exact = 180.0 + normalHourAngleDeg(latitudeDeg,
                                                    wallNormal(declinationEastDeg, inclinationDeg));
    const double rounded = std::round(exact / kStepDeg) * kStepDeg;
    return 15.0 * (clockHour - 12.0) + (exact - rounded);
}

// A deterministic stream of numbers in [0, 1), the same on every machine and library (the
// standard distributions are not).
class Uniform {
public:
    explicit Uniform(std::uint64_t seed) : engine_(seed) {}
    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    double in(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::mt19937_64 engine_;
};

struct Shadow {
    bool sunInFront = false; // the Sun lights the face of the wall
    double distanceMm = NAN; // from the style root to the shadow of the tip, when lit
    Vec3 point;              // the shadow of the tip, relative to the root, when lit
    Vec3 tip;                // the tip, relative to the root
    Vec3 normal;             // the wall's outward normal
};

// The shadow of the tip of a polar style of length s planted at the root (the origin) of the
// wall: the tip lies s along the Earth's axis on the side of the wall's face; the shadow is
// where the line from the tip going away from the Sun meets the wall plane.
inline Shadow tipShadow(double latitudeDeg, double declinationEastDeg, double inclinationDeg,
                        double styleMm, double hourAngleFromNoonDeg, double sunDeclinationDeg)
{
    Shadow out;
    out.normal = wallNormal(declinationEastDeg, inclinationDeg);
    const Vec3 axis = sunframe::northPole(latitudeDeg);
    out.tip = dot(out.normal, axis) < 0 ? (-styleMm) * axis : styleMm * axis;
    const Vec3 sun = sunframe::sunDirection(latitudeDeg, hourAngleFromNoonDeg, sunDeclinationDeg);
    out.sunInFront = dot(out.normal, sun) > 0;
    if (!out.sunInFront)
        return out;
    const auto point = sunframe::projectAlongSun(out.tip, sun, out.normal);
    if (!point)
        return out;
    out.point = *point;
    out.distanceMm = norm(out.point);
    return out;
}

// True when the Sun's centre stands on or above the geometric horizon at the clock hour
// (apparent time) of a table row: the z component of its direction from the sky itself.
inline bool sunUpAtClockHour(double latitudeDeg, double clockHour, double sunDeclinationDeg)
{
    return sunframe::sunDirection(latitudeDeg, 15.0 * (clockHour - 12.0), sunDeclinationDeg).z >= 0.0;
}

// What a table cell shows a number for: a shadow of the tip that a maker can trace, with the
// Sun in front of the wall and above the horizon, at most a kilometre from the root.
inline bool traceable(const Shadow &shadow, double latitudeDeg, double clockHour, double sunDeclinationDeg)
{
    return shadow.sunInFront && sunUpAtClockHour(latitudeDeg, clockHour, sunDeclinationDeg)
           && shadow.distanceMm <= 1e6;
}

// Direction of the shadow point on the wall, in degrees in (-180, 180]: measured from the ray
// that runs from the root to the foot of the tip's perpendicular, counter-clockwise as seen
// by someone facing the wall (about the outward normal).
inline double directionOnWallDeg(const Shadow &shadow)
{
    const Vec3 foot = shadow.tip - dot(shadow.tip, shadow.normal) * shadow.normal;
    const Vec3 along = (1.0 / norm(foot)) * foot;
    const Vec3 across = cross(shadow.normal, along);
    return toDeg(std::atan2(dot(shadow.point, across), dot(shadow.point, along)));
}

} // namespace shadowframe
