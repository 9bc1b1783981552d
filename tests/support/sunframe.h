#pragma once

// Where the Sun is and where a shadow falls, from plain vectors and nothing of the program's
// dial formulas, so that a test can hold a dial's table against the sky itself.
//
// Frame: local East-North-Up at the dial (x East, y North, z Up). Angles are in degrees at the
// boundary; the hour angle is counted from local noon, positive in the afternoon (Sun in the
// West); a solar declination is positive in the northern summer.

#include <cmath>
#include <numbers>
#include <optional>

namespace sunframe {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double norm(Vec3 a) { return std::sqrt(dot(a, a)); }

inline double radians(double deg) { return deg * std::numbers::pi / 180.0; }
inline double degrees(double rad) { return rad * 180.0 / std::numbers::pi; }

inline constexpr Vec3 kUp{0.0, 0.0, 1.0};

// Unit vector along the Earth's axis towards the north celestial pole, which stands in the
// meridian at the latitude's height above the northern horizon (below it south of the equator).
inline Vec3 northPole(double latitudeDeg)
{
    const double p = radians(latitudeDeg);
    return {0.0, std::cos(p), std::sin(p)};
}

// Unit vector towards the Sun. On the sky the Sun is cos(decl) along its hour direction in the
// equator plus sin(decl) along the axis; the equator's point on the meridian stands 90 - latitude
// above the southern horizon, and the hour angle turns it towards the West.
inline Vec3 sunDirection(double latitudeDeg, double hourAngleDeg, double solarDeclinationDeg)
{
    const double p = radians(latitudeDeg);
    const double h = radians(hourAngleDeg);
    const double d = radians(solarDeclinationDeg);
    const Vec3 equatorOnMeridian{0.0, -std::sin(p), std::cos(p)};
    const Vec3 west{-1.0, 0.0, 0.0};
    const Vec3 hourDirection = std::cos(h) * equatorOnMeridian + std::sin(h) * west;
    return std::cos(d) * hourDirection + std::sin(d) * northPole(latitudeDeg);
}

// Outward normal of a vertical wall whose face looks due South turned by the declination towards
// East (towardsEast true) or towards West.
inline Vec3 verticalWallNormal(double declinationDeg, bool towardsEast)
{
    const double d = radians(declinationDeg);
    return {towardsEast ? std::sin(d) : -std::sin(d), -std::cos(d), 0.0};
}

// Horizontal unit vector in a vertical wall, to the right of someone standing in front of the
// wall and facing it (the afternoon side of a South-facing dial).
inline Vec3 rightOnWall(Vec3 outwardNormal)
{
    const Vec3 r = cross(kUp, outwardNormal);
    return (1.0 / norm(r)) * r;
}

// Central projection of a point onto the plane through the origin with the given normal, along
// the direction of the Sun: for a Sun on the plane's lit side this is the point's shadow. Empty
// when the Sun grazes the plane.
inline std::optional<Vec3> projectAlongSun(Vec3 point, Vec3 sun, Vec3 planeNormal)
{
    const double facing = dot(sun, planeNormal);
    if (facing == 0.0)
        return std::nullopt;
    return point - (dot(point, planeNormal) / facing) * sun;
}

} // namespace sunframe
