#include "gnomonics/plane.h"

#include "gnomonics/angles.h"

#include "gnomonics/sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gnomonics {

namespace {

using angles::kDeg;
using angles::kRad;
using angles::wrap180;

EngineStatus checkInput(const PlaneInput &in)
{
    if (!std::isfinite(in.latitudeDeg))
        return Refuse(InputField::Latitude, RefusalReason::NotFinite);
    if (std::abs(in.latitudeDeg) > kMaxLatitudeDeg)
        return Refuse(InputField::Latitude, RefusalReason::OutOfRange);
    if (!std::isfinite(in.declinationDeg))
        return Refuse(InputField::Declination, RefusalReason::NotFinite);
    if (std::abs(in.declinationDeg) > 180.0)
        return Refuse(InputField::Declination, RefusalReason::OutOfRange);
    if (!std::isfinite(in.inclinationDeg))
        return Refuse(InputField::Inclination, RefusalReason::NotFinite);
    if (in.inclinationDeg < kMinInclinationDeg || in.inclinationDeg > kMaxInclinationDeg)
        return Refuse(InputField::Inclination, RefusalReason::OutOfRange);
    const InputField sizeField = in.gnomon == GnomonSize::NodusHeight ? InputField::NodusHeight
                                                                      : InputField::StyleLength;
    if (!std::isfinite(in.sizeMm))
        return Refuse(sizeField, RefusalReason::NotFinite);
    if (!(in.sizeMm > 0))
        return Refuse(sizeField, RefusalReason::NotPositive);
    return {};
}

// Direction from O of the style's shadow at hour angle H. For a Sun s = cos(d) e + sin(d) p of
// that hour (e its direction in the equator) lighting the face, the shadow of the nodus minus O
// is (h/b) p - (h / s.n) s = h cos(d) / (b s.n) (a p - b e), with a = e.n and b = p.n: the
// declination only moves the point along the half-line sign(b) (a p - b e).
std::optional<Point2> hourDirection(const DialPlane &plane, double hourAngleDeg)
{
    const double p = plane.input.latitudeDeg * kRad;
    const double h = hourAngleDeg * kRad;
    const Vec3 e = std::cos(h) * Vec3{0.0, -std::sin(p), std::cos(p)} + std::sin(h) * Vec3{-1, 0, 0};
    const double a = dot(e, plane.normal);
    const double b = dot(plane.pole, plane.normal);
    const Vec3 w = (b < 0 ? -1.0 : 1.0) * (a * plane.pole - b * e);
    if (!(length(w) > 0))
        return std::nullopt;
    return ToFrame(plane, w);
}

} // namespace

DialPlaneResult MakeDialPlane(const PlaneInput &input)
{
    DialPlaneResult out;
    out.status = checkInput(input);
    if (!out.status.ok())
        return out;
    out.plane = BuildDialPlane(input);
    if (input.gnomon == GnomonSize::StyleLength && !out.plane.hasCentre) {
        out.status = Refuse(InputField::StyleLength, RefusalReason::NoCentre);
        out.plane = {};
    }
    return out;
}

DialPlane BuildDialPlane(const PlaneInput &input, double polarStyleAngleDeg)
{
    DialPlane d;
    d.input = input;
    const double dcl = input.declinationDeg;
    const double inc = input.inclinationDeg;
    const double lat = input.latitudeDeg * kRad;
    // The horizontal direction the face looks to: South turned towards West by D.
    const Vec3 facing{-angles::sinDeg(dcl), -angles::cosDeg(dcl), 0.0};
    const Vec3 zenith{0, 0, 1};
    d.normal = angles::cosDeg(inc) * facing + angles::sinDeg(inc) * zenith;
    d.up = (-angles::sinDeg(inc)) * facing + angles::cosDeg(inc) * zenith;
    d.right = cross(d.up, d.normal);
    d.pole = {0.0, std::cos(lat), std::sin(lat)};

    const double pn = dot(d.pole, d.normal);
    const bool polar = pn == 0.0 || std::abs(pn) < std::sin(polarStyleAngleDeg * kRad);
    d.nodusHeightMm = input.gnomon == GnomonSize::StyleLength ? input.sizeMm * std::abs(pn)
                                                              : input.sizeMm;
    d.nodus = d.nodusHeightMm * d.normal;
    d.styleElevationDeg = std::asin(std::min(1.0, std::abs(pn))) * kDeg;

    // The substyle's meridian holds the normal: its hour angle from the normal's components
    // along the West and along the equator's point on the meridian.
    d.longitudeDifferenceDeg = std::atan2(-d.normal.x, -d.normal.y * std::sin(lat)
                                                           + d.normal.z * std::cos(lat)) * kDeg;
    if (std::abs(d.normal.x) < 1e-15 && std::abs(-d.normal.y * std::sin(lat) + d.normal.z * std::cos(lat)) < 1e-15)
        d.longitudeDifferenceDeg = 0; // an equatorial plane: every meridian holds the normal
    d.longitudeDifferenceDeg = wrap180(d.longitudeDifferenceDeg); // -180 and 180 are one meridian

    if (!polar) {
        d.hasCentre = true;
        d.centre = ToFrame(d, d.nodus - (d.nodusHeightMm / pn) * d.pole);
        d.styleLengthMm = d.nodusHeightMm / std::abs(pn);
        // The substyle is the hour line of the normal's meridian; on an equatorial plane the
        // substyle shrinks to the point O = F and is given as the noon line.
        d.substyleAngleDeg = std::abs(d.longitudeDifferenceDeg) > 0
            ? HourLineAngleDeg(d, d.longitudeDifferenceDeg) : 0.0;
    } else if (std::abs(d.normal.z) < std::sin(kPolarStyleAngleDeg * kRad)) {
        // A polar wall, which faces East or West (within the polar limit): the style lies
        // parallel to it and so does the meridian, so the noon line is at infinity. The substyle
        // (the style's own shadow line, parallel to the Earth's axis) is measured from the
        // vertical, the direction the noon line has on every wall declining a hair less than
        // 90: 90 - latitude towards the afternoon on a West wall, towards the morning on an East
        // wall, at either hemisphere's latitudes (an East wall at latitude 45,46 gives -44,54°,
        // as one declining 89,9°; at -33,87 it gives -123,87°, as one declining 89,9° there).
        d.substyleAngleDeg = (d.normal.x < 0 ? 1.0 : -1.0) * (90.0 - input.latitudeDeg);
        d.substyleFromVertical = true;
    }
    return d;
}

Point2 ToFrame(const DialPlane &plane, Vec3 point)
{
    return {dot(point, plane.right), dot(point, plane.up)};
}

std::optional<Point2> NodusShadow(const DialPlane &plane, Vec3 sun)
{
    if (!(sun.z >= 0.0) || !(dot(sun, plane.normal) > 0.0))
        return std::nullopt;
    return NodusProjection(plane, sun);
}

std::optional<Point2> NodusProjection(const DialPlane &plane, Vec3 sun)
{
    const double facing = dot(sun, plane.normal);
    if (facing == 0.0)
        return std::nullopt;
    const Vec3 p = plane.nodus - (plane.nodusHeightMm / facing) * sun;
    const Point2 f = ToFrame(plane, p);
    if (!std::isfinite(f.xMm) || !std::isfinite(f.yMm))
        return std::nullopt;
    return f;
}

std::optional<Point2> NodusShadowAt(const DialPlane &plane, double hourAngleDeg,
                                    double declinationDeg)
{
    return NodusShadow(plane, SunDirection(plane.input.latitudeDeg, hourAngleDeg, declinationDeg));
}

std::optional<double> CentreToProjectionMm(const DialPlane &plane, double hourAngleDeg,
                                           double declinationDeg)
{
    const Vec3 sun = SunDirection(plane.input.latitudeDeg, hourAngleDeg, declinationDeg);
    const double pn = dot(plane.pole, plane.normal);
    const double sn = dot(sun, plane.normal);
    if (pn == 0.0 || sn == 0.0)
        return std::nullopt;
    // O = N - (h / p.n) p and the projection is N - (h / s.n) s, so their difference needs
    // neither point, only the two directions.
    const Vec3 d = plane.nodusHeightMm * ((1.0 / pn) * plane.pole - (1.0 / sn) * sun);
    const double len = length(d);
    if (!std::isfinite(len))
        return std::nullopt;
    return sn > 0.0 ? len : -len;
}

double HourLineAngleDeg(const DialPlane &plane, double hourAngleDeg)
{
    return plane.hasCentre ? HourLineDirectionDeg(plane, hourAngleDeg) : 0.0;
}

double HourLineDirectionDeg(const DialPlane &plane, double hourAngleDeg)
{
    const auto noon = hourDirection(plane, 0.0);
    const auto line = hourDirection(plane, hourAngleDeg);
    if (!noon || !line)
        return 0.0;
    // The angle from the noon direction to the line's, taken from their cross and dot
    // products rather than as a difference of two directions, so that a line close to the
    // noon line keeps every digit of its small angle.
    const double across = noon->xMm * line->yMm - noon->yMm * line->xMm;
    const double along = noon->xMm * line->xMm + noon->yMm * line->yMm;
    const double fromNoonDeg = std::atan2(across, along) * kDeg;
    // Seen by the person facing the dial the shadow turns counter-clockwise through the day
    // when the style points away from the face towards the south pole (p.n < 0, a wall
    // facing South), clockwise otherwise.
    const double turn = dot(plane.pole, plane.normal) < 0 ? 1.0 : -1.0;
    return wrap180(turn * fromNoonDeg);
}

SubstyleRise SubstyleRiseOf(const DialPlane &plane)
{
    Point2 style = ToFrame(plane, plane.pole);
    if (style.yMm < 0) // the end that rises: south of the equator the pole is below the horizon
        style = {-style.xMm, -style.yMm};
    return {style.xMm >= 0, std::atan2(std::abs(style.xMm), style.yMm) * kDeg};
}

std::optional<FrameLine> GreatCircleLine(const DialPlane &plane, Vec3 circleNormal)
{
    const Vec3 g = (1.0 / length(circleNormal)) * circleNormal;
    const Vec3 inPlane = g - dot(g, plane.normal) * plane.normal;
    const double k = dot(inPlane, inPlane);
    if (!(k > 1e-18))
        return std::nullopt;
    // Points X of the plane with (X - N).g = 0; the nearest one to F lies along g's projection.
    const Vec3 point = (dot(plane.nodus, g) / k) * inPlane;
    const Vec3 dir = cross(plane.normal, g);
    const double len = length(dir);
    FrameLine line;
    line.point = ToFrame(plane, point);
    const Point2 d = ToFrame(plane, (1.0 / len) * dir);
    line.direction = d;
    if (!std::isfinite(line.point.xMm) || !std::isfinite(line.point.yMm))
        return std::nullopt;
    return line;
}

} // namespace gnomonics
