#pragma once

#include <cmath>
#include <numbers>

// Degrees and the folding of angles, shared by the Sun, the plane and the hour systems, so that
// every part of the engine turns an angle the same way.
namespace gnomonics::angles {

inline constexpr double kRad = std::numbers::pi / 180.0;
inline constexpr double kDeg = 180.0 / std::numbers::pi;

// An angle in degrees taken into [0, 360).
inline double wrap360(double deg)
{
    const double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// An angle in degrees taken into (-180, 180].
inline double wrap180(double deg)
{
    const double r = wrap360(deg);
    return r > 180.0 ? r - 360.0 : r;
}

// Sine and cosine of an angle in degrees, exact (and the same zero) at whole multiples of 90°:
// a wall declining exactly 90° or 180° is the same plane however it was typed (180 or -180),
// not one whose normal leans by 1e-16 to one side or the other.
inline double sinDeg(double deg)
{
    const double r = wrap360(deg);
    if (r == 0.0 || r == 180.0)
        return 0.0;
    if (r == 90.0)
        return 1.0;
    if (r == 270.0)
        return -1.0;
    return std::sin(deg * kRad);
}

inline double cosDeg(double deg) { return sinDeg(deg + 90.0); }

// A time of day in hours taken into [0, 24).
inline double wrap24(double hours)
{
    const double r = std::fmod(hours, 24.0);
    return r < 0 ? r + 24.0 : r;
}

} // namespace gnomonics::angles
