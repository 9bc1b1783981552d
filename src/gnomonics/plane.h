#pragma once

// Any plane with a nodus: the one vector model every line of a dial is computed from.
//
// The place's frame is x East, y North, z Up. The plane goes through the foot F of the nodus;
// its outward normal n points to the sky it faces; on it, "right" and "up" are the axes a
// person facing the dial sees (up is uphill along the line of greatest slope; on a horizontal
// face-up plane, up points to the azimuth opposite the one the plane was declined to, North
// for D = 0). The nodus stands h mm along n above F. The style through the nodus is parallel
// to the Earth's axis; where it meets the plane is the dial centre O.

#include "gnomonics/enginestatus.h"
#include "gnomonics/vec3.h"

#include <optional>

namespace gnomonics {

// Limits of the inputs (degrees).
inline constexpr double kMaxLatitudeDeg = 89.99;
inline constexpr double kMinInclinationDeg = -80.0;
inline constexpr double kMaxInclinationDeg = 90.0;

// A style whose angle to the plane is below this (degrees) is taken as parallel to it: a polar
// dial, with no centre. Its centre would lie more than 5.7 km away for a nodus of 100 mm.
inline constexpr double kPolarStyleAngleDeg = 1e-3;

enum class GnomonSize {
    NodusHeight, // sizeMm is h, the nodus's height above the plane
    StyleLength, // sizeMm is the length from O to the nodus along the style
};

struct PlaneInput {
    double latitudeDeg = 45;     // -89.99..89.99
    double declinationDeg = 0;   // gnomonic declination: azimuth the plane faces, from South,
                                 // West positive, -180..180 (a wall facing East-North-East is -110)
    double inclinationDeg = 0;   // 0 vertical, 90 horizontal face up, -80 leaning forward
    GnomonSize gnomon = GnomonSize::NodusHeight;
    double sizeMm = 100;         // above 0
};

struct Point2 {
    double xMm = 0;
    double yMm = 0;
};

struct DialPlane {
    PlaneInput input;
    Vec3 normal; // outward, unit
    Vec3 right;  // unit, in the plane
    Vec3 up;     // unit, in the plane
    Vec3 pole;   // unit, along the Earth's axis towards the north celestial pole
    Vec3 nodus;  // mm from F
    double nodusHeightMm = 0;
    // Angle between the style and the plane, 0..90 degrees (0 for a polar dial).
    double styleElevationDeg = 0;
    // Hour angle (degrees, West positive, (-180, 180]) of the meridian that holds the substyle: the
    // longitude difference between the place and the place where this plane would be horizontal.
    double longitudeDifferenceDeg = 0;
    bool hasCentre = false;
    Point2 centre;              // O, mm from F (meaningful when hasCentre)
    double styleLengthMm = 0;   // O to the nodus (0 for a polar dial)
    // Angle at O from the noon line to the substyle, positive on the afternoon side,
    // (-180, 180] (0 for a polar dial, whose lines are all parallel to its style; on a wall
    // facing East or West, whose noon line is at infinity, the angle of the substyle from the
    // vertical, 90 - latitude towards the afternoon on a West wall, towards the morning on an
    // East one: the limit of walls declining a little less).
    double substyleAngleDeg = 0;
    // True on a wall facing exactly East or West: its noon line is at infinity and the
    // substyle angle is measured from the vertical.
    bool substyleFromVertical = false;
};

struct DialPlaneResult {
    EngineStatus status;
    DialPlane plane; // default-filled when refused
};

// Builds the plane after checking every input: latitude within +-89.99, declination within
// +-180, inclination -80..90, size above 0, all finite; a style length is refused for a polar
// dial (NoCentre). From the normal n, the pole p and the nodus N = h n:
// style elevation asin |p.n|, O = N - (h / p.n) p, style length h / |p.n|.
DialPlaneResult MakeDialPlane(const PlaneInput &input);

// The same plane without the checks, for a caller that has already checked its inputs by its
// own rules (the hour-angle sheet of a horizontal dial takes any latitude up to the pole
// itself). The inputs must be finite and the size above 0. A style length on a polar plane
// gives the nodus height that length makes with the plane (almost 0); hasCentre says whether
// there is a centre. The 2002 sheets give every wall whose style is not exactly parallel to it a
// centre (polarStyleAngleDeg 0): their tables show what such a wall gives, however far.
DialPlane BuildDialPlane(const PlaneInput &input, double polarStyleAngleDeg = kPolarStyleAngleDeg);

// Frame coordinates of a point of the plane given in the place's frame (mm from F).
Point2 ToFrame(const DialPlane &plane, Vec3 point);

// The shadow of the nodus for the Sun's unit vector: where the line from the nodus away from
// the Sun meets the plane. It exists exactly when the Sun's centre is not below the horizon
// (z >= 0) and the Sun lights the face (s.n > 0), and the point is finite; nothing otherwise.
std::optional<Point2> NodusShadow(const DialPlane &plane, Vec3 sun);

// The central projection of the nodus along the Sun onto the plane, whether or not the Sun is
// up and in front (the geometry of a line beyond where its shadow exists); nothing when the
// Sun grazes the plane or the point is not finite.
std::optional<Point2> NodusProjection(const DialPlane &plane, Vec3 sun);

// The shadow for a Sun given by hour angle (degrees, West positive) and declination.
std::optional<Point2> NodusShadowAt(const DialPlane &plane, double hourAngleDeg,
                                    double declinationDeg);

// Signed distance (mm) from the dial centre O to the central projection of the nodus for the
// Sun of that hour angle (degrees, West positive) and declination: the length, along its hour
// line, of the shadow of a style of length styleLengthMm that reaches the nodus. Positive
// when the Sun lights the face (the point is the shadow), negative when it does not (the
// point lies on the line's continuation beyond O). Computed from the style's own direction,
// so it holds also on a plane whose style is nearly parallel to it. Nothing when the style or
// the Sun is exactly parallel to the plane.
std::optional<double> CentreToProjectionMm(const DialPlane &plane, double hourAngleDeg,
                                           double declinationDeg);

// Angle at O, degrees in -180..180, from the noon line to the line on which the style's shadow
// falls at the hour angle H (West positive), positive on the afternoon side: the half-line
// that holds the shadows of the nodus at that hour angle for the declinations that light the
// face. Meaningful only on a plane with a centre (0 for a polar dial).
double HourLineAngleDeg(const DialPlane &plane, double hourAngleDeg);

// The same angle on any plane, also one whose style is nearly or exactly parallel to it (no
// centre): the direction the hour lines take there, the limit of those of a style tilting
// towards the plane (on the equator's horizontal dial every line from 6 to 18 is the noon
// line's own direction, 0, and the lines before 6 and after 18 run the other way, 180).
double HourLineDirectionDeg(const DialPlane &plane, double hourAngleDeg);

// How the substyle of a plane whose style lies in it (a wall facing exactly East or West) is
// laid out from the vertical through F: the acute angle, degrees 0..90, between the style's own
// line and the plane's up axis, and the side its upper end leans to as seen by someone facing
// the plane. Meaningful when substyleFromVertical.
struct SubstyleRise {
    bool toTheRight = false;
    double fromVerticalDeg = 0;
};
SubstyleRise SubstyleRiseOf(const DialPlane &plane);

// A straight line of the plane given as a point and a unit direction (frame coordinates).
struct FrameLine {
    Point2 point;
    Point2 direction;
};

// The line on which the shadow of the nodus falls whenever the Sun lies on the great circle
// of the sky with the given unit normal g (the hour circle, the equator, the horizon): the
// plane meets the plane through the nodus perpendicular to g. Nothing when that circle is
// parallel to the plane (its line lies at infinity).
std::optional<FrameLine> GreatCircleLine(const DialPlane &plane, Vec3 circleNormal);

} // namespace gnomonics
