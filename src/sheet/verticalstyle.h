#pragma once

#include "gnomonics/plane.h"
#include "sheet/checks.h"
#include "sheet/numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace sheet {

// The wall of the solstice-curve sheet and the zodiac sheet, as those tables read it from the
// engine's dial plane.
//
// The dial is always computed as for a wall declining East: a West wall is its mirror image,
// and the windows only relabel its rows (clock hour t becomes 24 - t). The style runs from the
// dial centre O on the wall along the Earth's axis to its tip, s mm away.
//
// The tables count their hour angle H (radians) from the meridian that holds the style and the
// substyle, starting from the substyle time angle T = 180 - L as the sheet shows it, rounded to
// three decimals: a maker working from the printed T finds the same rows.

// Dash marks shown in place of a point that does not exist.
inline constexpr std::string_view kDashShort = "------";
inline constexpr std::string_view kDashLong = "-------";

struct VerticalStyle {
    double latitudeDeg = 0;
    gnomonics::DialPlane plane; // the wall, declining East, with a style of length s
    // T = 180 - L in degrees (L the longitude difference, counted from noon towards morning),
    // rounded to three decimals as the sheets show it; every table hour angle is taken from it.
    double substyleTimeAngleDeg = 0;
};

// The wall of latitude, declination (towards East), style length and inclination (0 for a
// vertical wall, positive tilting the face to the sky). The inputs are meant to have passed
// CheckVerticalWallInputs; values that are not finite give a style whose every number is NaN
// and every cell a dash.
VerticalStyle MakeVerticalStyle(double latitudeDeg, double declinationDeg, double styleMm,
                                double inclinationDeg);

// The sheets' checks on latitude, wall declination and style length, in their order:
// Missing when the latitude or the style is exactly 0 (a declination of 0 is a wall facing due
// South), then Negative when any is below 0, then OutOfRange when the
// latitude or the declination is 90 or more (at 90 the style lies in the wall; beyond, the
// wall faces the northern sky, which these dials do not represent). None otherwise.
sheet::Refusal CheckVerticalWallInputs(double latitudeDeg, double declinationDeg,
                                       double styleMm);

// Style base: the distance on the wall from O to the foot of the tip's perpendicular, in mm.
double StyleBaseMm(const VerticalStyle &style);

// Nodus height: the distance of the tip from the wall, in mm.
double StyleHeightMm(const VerticalStyle &style);

// Style elevation: the angle between the style and the wall, degrees.
double StyleElevationDeg(const VerticalStyle &style);

// Substyle angle in degrees: the angle on the wall between the vertical and the substyle,
// positive when the substyle lies on the morning side of the noon line seen from the sheet's
// East wall.
double SubstyleAngleDeg(const VerticalStyle &style);

// Substyle hour shown to the user: T / 15, in decimal clock hours (8,554 for an East wall
// declining 38 degrees at latitude 38,1217).
double SubstyleHour(const VerticalStyle &style);

// Hour angle H in radians, counted from the style-substyle plane, of a clock time given in
// decimal hours (13.5 is half past one): (15 t - T) in radians. Any real t is accepted, so a
// drawing may sample the day as finely as it likes.
double HourAngleRad(const VerticalStyle &style, double clockHour);

// True when the Sun of declination delta (degrees) at the table hour angle H stands in front
// of the wall. False also for NaN inputs.
bool SunInFrontOfWall(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg);

// The distance in mm from O of the tip's shadow when the Sun stands in front of the wall and
// the distance is finite; no value otherwise. The horizon is not tested: a Sun in front of the
// wall but below the horizon still gives its point.
std::optional<double> ShadowDistanceMm(const VerticalStyle &style, double hourAngleRad,
                                       double sunDeclinationDeg);

// Direction on the wall, in degrees in (-180, 180], of the ray from O on which the tip's
// shadow falls at the table hour angle H, measured from the substyle ray (from O towards the
// foot of the tip's perpendicular; straight down on a wall facing due South), positive
// counter-clockwise as seen by someone facing the wall, the way the shadow turns through the
// day.
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

} // namespace sheet
