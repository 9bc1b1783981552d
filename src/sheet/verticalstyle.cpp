#include "sheet/verticalstyle.h"

#include "gnomonics/angles.h"
#include "gnomonics/sun.h"

#include <cmath>

namespace sheet {

using gnomonics::BuildDialPlane;
using gnomonics::CentreToProjectionMm;
using gnomonics::DialPlane;
using gnomonics::GnomonSize;
using gnomonics::PlaneInput;
using gnomonics::Point2;
using gnomonics::SunDirection;
using gnomonics::Vec3;
using gnomonics::dot;

using sheet::Mask;

VerticalStyle MakeVerticalStyle(double latitudeDeg, double declinationDeg, double styleMm,
                                double inclinationDeg)
{
    VerticalStyle style;
    style.latitudeDeg = latitudeDeg;
    if (!std::isfinite(latitudeDeg) || !std::isfinite(declinationDeg) || !std::isfinite(inclinationDeg)
        || !std::isfinite(styleMm) || !(styleMm > 0.0)) {
        style.substyleTimeAngleDeg = std::nan("");
        return style;
    }
    PlaneInput in;
    in.latitudeDeg = latitudeDeg;
    in.declinationDeg = -declinationDeg; // the engine counts West positive
    in.inclinationDeg = inclinationDeg;
    in.gnomon = GnomonSize::StyleLength;
    in.sizeMm = styleMm;
    style.plane = BuildDialPlane(in, 0.0);
    // The engine's longitude difference is West positive; the sheet's L counts towards morning.
    style.substyleTimeAngleDeg =
        sheet::shownValue(180.0 + style.plane.longitudeDifferenceDeg, Mask::ThreeDecimals);
    return style;
}

sheet::Refusal CheckVerticalWallInputs(double latitudeDeg, double declinationDeg,
                                       double styleMm)
{
    // A declination of 0 is the wall facing due South, the commonest of all: only the latitude
    // and the style have no meaning at zero.
    if (!sheet::CheckPresent({latitudeDeg, styleMm}))
        return sheet::Refusal::Missing;
    if (!sheet::CheckPositive({declinationDeg, latitudeDeg, styleMm}))
        return sheet::Refusal::Negative;
    if (latitudeDeg >= 90.0 || declinationDeg >= 90.0)
        return sheet::Refusal::OutOfRange;
    return sheet::Refusal::None;
}

double StyleBaseMm(const VerticalStyle &style)
{
    const Point2 o = style.plane.centre;
    return style.plane.hasCentre ? std::hypot(o.xMm, o.yMm) : std::nan("");
}

double StyleHeightMm(const VerticalStyle &style)
{
    return style.plane.hasCentre ? style.plane.nodusHeightMm : std::nan("");
}

double StyleElevationDeg(const VerticalStyle &style)
{
    return style.plane.hasCentre ? style.plane.styleElevationDeg : std::nan("");
}

double SubstyleAngleDeg(const VerticalStyle &style)
{
    if (!style.plane.hasCentre)
        return std::nan("");
    // The substyle runs from O to F; the wall's vertical is its line of greatest slope, down
    // from O. On the sheet's East wall the substyle turns to the left of it, a positive angle.
    const Point2 o = style.plane.centre;
    return std::atan2(o.xMm, o.yMm) * gnomonics::angles::kDeg + 0.0;
}

double SubstyleHour(const VerticalStyle &style)
{
    return style.substyleTimeAngleDeg / 15.0;
}

double HourAngleRad(const VerticalStyle &style, double clockHour)
{
    return (15.0 * clockHour - style.substyleTimeAngleDeg) * gnomonics::angles::kRad;
}

namespace {

// The engine's hour angle (degrees from noon, West positive) of a table hour angle.
double fromNoonDeg(const VerticalStyle &style, double hourAngleRad)
{
    return hourAngleRad * gnomonics::angles::kDeg + style.plane.longitudeDifferenceDeg;
}

} // namespace

bool SunInFrontOfWall(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg)
{
    const Vec3 sun = SunDirection(style.latitudeDeg, fromNoonDeg(style, hourAngleRad), sunDeclinationDeg);
    return dot(sun, style.plane.normal) > 0.0; // false for NaN as well
}

std::optional<double> ShadowDistanceMm(const VerticalStyle &style, double hourAngleRad,
                                       double sunDeclinationDeg)
{
    if (!style.plane.hasCentre || !SunInFrontOfWall(style, hourAngleRad, sunDeclinationDeg))
        return std::nullopt;
    const auto distance =
        CentreToProjectionMm(style.plane, fromNoonDeg(style, hourAngleRad), sunDeclinationDeg);
    if (!distance || !std::isfinite(*distance))
        return std::nullopt;
    return std::fabs(*distance);
}

double HourLineDirectionDeg(const VerticalStyle &style, double hourAngleRad)
{
    // The engine measures from the noon line, positive on the afternoon side, which is the way
    // the shadow turns; the tables measure from the substyle.
    const double fromNoon = gnomonics::HourLineDirectionDeg(style.plane, fromNoonDeg(style, hourAngleRad));
    return std::remainder(fromNoon - style.plane.substyleAngleDeg, 360.0);
}

bool SunUpAtClockHour(double latitudeDeg, double clockHour, double sunDeclinationDeg)
{
    return SunDirection(latitudeDeg, 15.0 * clockHour - 180.0, sunDeclinationDeg).z >= 0.0; // false for NaN as well
}

std::string CurveCellText(const VerticalStyle &style, double clockHour, double sunDeclinationDeg,
                          Mask mask, std::string_view dash)
{
    if (!SunUpAtClockHour(style.latitudeDeg, clockHour, sunDeclinationDeg))
        return std::string(dash);
    const auto distance = ShadowDistanceMm(style, HourAngleRad(style, clockHour), sunDeclinationDeg);
    if (!distance || !(*distance <= kFarthestCellMm))
        return std::string(dash);
    const std::string text = sheet::FormatFixed(*distance, mask);
    return text.empty() ? std::string(dash) : text;
}

std::string FiniteOrDash(double value, Mask mask)
{
    const std::string text = sheet::FormatFixed(value, mask);
    return text.empty() ? std::string(kDashShort) : text;
}

} // namespace sheet
