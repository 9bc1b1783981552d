#pragma once

#include "sheet/checks.h"
#include "sheet/numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace gnomonics {

// The geometry of a polar style on a vertical (or slightly inclined) wall, shared by the
// solstice-curve sheet and the zodiac sheet and by any drawing of those curves.
//
// The dial is always computed as for a wall declining East: a West wall is its mirror image,
// and the windows only relabel its rows (clock hour t becomes 24 - t).
//
// Frame used throughout: the polar style runs from its root on the wall to its tip along the
// Earth's axis, towards the south celestial pole (it leans out of the wall and down). The
// wall's outward normal points to the sky at the declination epsilon (the signed style
// elevation below) and at the hour angle -L (the longitude difference below), so the hour
// angle H of these functions is the Sun's hour angle counted from the meridian of that
// normal, i.e. from the plane that holds the style and the substyle.

// Dash marks shown in place of a point that does not exist.
inline constexpr std::string_view kDashShort = "------";
inline constexpr std::string_view kDashLong = "-------";

// The construction values of the style, computed once per wall.
struct VerticalStyle {
    double latitudeDeg = 0;
    double declinationDeg = 0;   // wall declination, towards East
    double inclinationDeg = 0;   // 0 for a vertical wall; positive tilts the face to the sky
    double styleMm = 0;          // length of the style from root to tip
    // sin epsilon = sin(lat) sin(i) - cos(lat) cos(i) cos(D): the sine of the declination of the
    // wall's normal. Negative for every vertical wall declining less than 90 degrees.
    double elevationSine = 0;
    // epsilon in radians, signed (negative for the walls above). Its magnitude is the angle
    // between the style and the wall, the style elevation.
    double elevationRad = 0;
    // L in degrees: the hour angle, counted from noon towards morning, of the meridian that
    // holds the style and the substyle.
    double longitudeDifferenceDeg = 0;
    // T = 180 - L in degrees (the substyle's hour angle counted from midnight), already
    // rounded to three decimals as the sheets show it; every hour angle is taken from it.
    double substyleTimeAngleDeg = 0;
};

// Style elevation, longitude difference and rounded substyle time angle of a wall.
//
// latitudeDeg and declinationDeg are meant to lie in (0, 90), inclinationDeg near 0, styleMm
// above 0 (the sheets refuse anything else before calling; see CheckVerticalWallInputs).
// epsilon is the arc sine of the normal's declination sine, formed as
// atan(X / sqrt(1 - X^2)); L = atan2(sin D cos i, cos D cos i sin(lat) + sin i cos(lat)),
// the hour angle of the normal taken from its sine and cosine, which stays in the right
// quadrant for an inclined wall. T = 180 - L is rounded through "#0.000" and read back.
// Outside the meant range the values follow the same formulas and may be NaN.
VerticalStyle MakeVerticalStyle(double latitudeDeg, double declinationDeg, double styleMm,
                                double inclinationDeg);

// The sheets' checks on latitude, wall declination and style length, in their order:
// Missing when the latitude or the style is exactly 0 (a declination of 0 is a wall facing due
// South), then Negative when any is below 0, then OutOfRange when the
// latitude or the declination is 90 or more (at 90 the style lies in the wall; beyond, the
// wall faces the northern sky, which these dials do not represent). None otherwise.
sheet::Refusal CheckVerticalWallInputs(double latitudeDeg, double declinationDeg,
                                       double styleMm);

// Style base: the distance on the wall from the root to the foot of the tip's perpendicular,
// s cos(epsilon), in mm.
double StyleBaseMm(const VerticalStyle &style);

// Style height: the distance of the tip from the wall, -s sin(epsilon), in mm (positive for
// the walls of the sheets).
double StyleHeightMm(const VerticalStyle &style);

// Style elevation shown to the user: -epsilon in degrees (positive for a vertical wall
// declining less than 90 degrees).
double StyleElevationDeg(const VerticalStyle &style);

// Substyle angle in degrees: the angle on the wall between the vertical and the substyle of
// a vertical wall, the arc sine of sin D cos(lat) / cos(epsilon), formed as an arc tangent.
// The formula has no inclination term; for an inclined wall it is the vertical wall's value
// with that wall's epsilon, and it can be NaN when the quotient exceeds 1.
double SubstyleAngleDeg(const VerticalStyle &style);

// Substyle hour shown to the user: T / 15, in decimal clock hours (8,554 for an East wall
// declining 38 degrees at latitude 38,1217).
double SubstyleHour(const VerticalStyle &style);

// Hour angle H in radians, counted from the style-substyle plane, of a clock time given in
// decimal hours (13.5 is half past one): (15 t - T) in radians. Any real t is accepted, so a
// drawing may sample the day as finely as it likes.
double HourAngleRad(const VerticalStyle &style, double clockHour);

// theta in radians: the angle, inside the hour plane of the hour angle H, between the style
// and that hour's line on the wall, atan(tan epsilon / cos H). It lies in (-pi/2, pi/2); when
// cos H < 0 it is the supplement's branch, which flips the sign of CurveDistanceMm.
double StyleToHourLineRad(const VerticalStyle &style, double hourAngleRad);

// rho in mm: s cos(delta) / cos(theta - delta), the distance from the root, along the hour line
// of H, of the shadow of the tip when the Sun's declination is delta (degrees). It is the
// sine rule in the triangle root-tip-shadow, whose angle at the root is theta and whose Sun
// ray leaves the equator plane at delta. The sign follows the branch of theta: the true
// distance is its magnitude (ShadowDistanceMm). May be infinite or NaN at a degenerate angle.
double CurveDistanceMm(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg);

// True when the Sun of declination delta (degrees) at hour angle H stands in front of the
// wall: sin(delta) sin(epsilon) + cos(delta) cos(epsilon) cos(H) > 0, the scalar product of
// the Sun's direction and the wall's outward normal. False also for NaN inputs.
bool SunInFrontOfWall(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg);

// True when the Sun of declination delta (degrees) at hour angle H (radians, counted from the
// style-substyle plane as everywhere here) stands above the horizon:
// sin(lat) sin(delta) + cos(lat) cos(delta) cos(H - L) > 0, the sine of the Sun's altitude,
// with H - L the hour angle from noon (L the longitude difference). A drawing needs it on top
// of SunInFrontOfWall: the tables do not test the horizon, a traced curve must. False also for
// NaN inputs.
bool SunAboveHorizon(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg);

// The distance in mm of the tip's shadow from the root when it exists: the magnitude of
// CurveDistanceMm while the Sun is in front of the wall and the distance is finite; no value
// otherwise (the Sun behind the wall, or a degenerate angle). The horizon is not tested: a
// Sun in front of the wall but below the horizon still gives its point.
std::optional<double> ShadowDistanceMm(const VerticalStyle &style, double hourAngleRad,
                                       double sunDeclinationDeg);

// Direction on the wall, in degrees in (-180, 180], of the ray from the root on which the
// tip's shadow falls at hour angle H (whatever the Sun's declination, while the Sun is in
// front of the wall). It is measured from the substyle ray that runs from the root under the
// style (towards the foot of the tip's perpendicular; straight down on a wall facing due
// South), positive counter-clockwise as seen by someone facing the wall, which is the way
// the shadow turns as the day goes on: atan2(-sin(epsilon) sin H, cos H). Its tangent is the
// classical sin(epsilon) tan H of the hour-line angle from the substyle, up to the sign of
// the side. The hour line itself is the whole straight line through the root in that
// direction. Meant for walls with epsilon < 0 (the style pointing to the south celestial
// pole), which are all the walls the sheets accept.
double HourLineDirectionDeg(const VerticalStyle &style, double hourAngleRad);

// Farthest distance a table cell shows, in mm. Beyond it the Sun only grazes the plane (or the
// horizon) and the point lies kilometres away: no maker can trace it, and such numbers only
// hide that the shadow has left the dial.
inline constexpr double kFarthestCellMm = 1e6;

// True when the Sun of declination delta (degrees) at the given apparent clock time (decimal
// hours, noon 12) has its centre on or above the geometric horizon at the latitude (degrees):
// sin(lat) sin(delta) + cos(lat) cos(delta) cos(15 t - 180) >= 0. The hour angle comes from the
// clock time itself, not from the rounded substyle time angle the table rows use, so the
// equinox Sun at 6 and 18 o'clock, which stands exactly on the horizon, counts as up. False for
// NaN inputs.
bool SunUpAtClockHour(double latitudeDeg, double clockHour, double sunDeclinationDeg);

// The text of one table cell at a clock hour of the East-frame table: the shadow distance with
// the given mask, or the given dash text when there is no shadow to trace: the Sun behind the
// wall or below the horizon, a distance that is not finite or beyond kFarthestCellMm.
std::string CurveCellText(const VerticalStyle &style, double clockHour, double sunDeclinationDeg,
                          sheet::Mask mask, std::string_view dash);

// A derived value as text with the given mask, or the short dash when it is not finite.
std::string FiniteOrDash(double value, sheet::Mask mask);

} // namespace gnomonics
