#include "gnomonics/verticalstyle.h"

#include <cmath>

namespace gnomonics {

using sheet::Mask;

VerticalStyle MakeVerticalStyle(double latitudeDeg, double declinationDeg, double styleMm,
                                double inclinationDeg)
{
    const auto &k = sheet::angles();
    const double lat = latitudeDeg * k.rad;
    const double dcl = declinationDeg * k.rad;
    const double inc = inclinationDeg * k.rad;

    VerticalStyle style;
    style.latitudeDeg = latitudeDeg;
    style.declinationDeg = declinationDeg;
    style.inclinationDeg = inclinationDeg;
    style.styleMm = styleMm;

    const double x = std::sin(lat) * std::sin(inc) - std::cos(lat) * std::cos(inc) * std::cos(dcl);
    style.elevationSine = x;
    // The arc sine as an arc tangent, the way the dial's tables have always been computed, so
    // that the last digit of every shown number stays where it was.
    style.elevationRad = std::atan(x / std::sqrt(1.0 - x * x));

    // From its sine and its cosine, not from the sine alone: the arc sine folds the normal's
    // hour angle back into (-90, 90), which is wrong as soon as the wall leans.
    const double sinPart = std::sin(dcl) * std::cos(inc);
    const double cosPart =
        std::cos(dcl) * std::cos(inc) * std::sin(lat) + std::sin(inc) * std::cos(lat);
    style.longitudeDifferenceDeg = std::atan2(sinPart, cosPart) * k.deg;

    // The table starts from the substyle time angle as the sheet shows it, three decimals.
    style.substyleTimeAngleDeg =
        sheet::shownValue(180.0 - style.longitudeDifferenceDeg, Mask::ThreeDecimals);
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
    return style.styleMm * std::cos(style.elevationRad);
}

double StyleHeightMm(const VerticalStyle &style)
{
    return -style.styleMm * style.elevationSine;
}

double StyleElevationDeg(const VerticalStyle &style)
{
    return -style.elevationRad * sheet::angles().deg;
}

double SubstyleAngleDeg(const VerticalStyle &style)
{
    const auto &k = sheet::angles();
    const double q = std::sin(style.declinationDeg * k.rad) * std::cos(style.latitudeDeg * k.rad)
                     / std::cos(style.elevationRad);
    return std::atan(q / std::sqrt(1.0 - q * q)) * k.deg;
}

double SubstyleHour(const VerticalStyle &style)
{
    return style.substyleTimeAngleDeg / 15.0;
}

double HourAngleRad(const VerticalStyle &style, double clockHour)
{
    return (15.0 * clockHour - style.substyleTimeAngleDeg) * sheet::angles().rad;
}

double StyleToHourLineRad(const VerticalStyle &style, double hourAngleRad)
{
    return std::atan(std::tan(style.elevationRad) / std::cos(hourAngleRad));
}

double CurveDistanceMm(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg)
{
    const double delta = sunDeclinationDeg * sheet::angles().rad;
    const double theta = StyleToHourLineRad(style, hourAngleRad);
    return style.styleMm * (std::cos(delta) / std::cos(theta - delta));
}

bool SunInFrontOfWall(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg)
{
    const double delta = sunDeclinationDeg * sheet::angles().rad;
    const double eps = style.elevationRad;
    const double towardsNormal = std::sin(delta) * std::sin(eps)
                                 + std::cos(delta) * std::cos(eps) * std::cos(hourAngleRad);
    return towardsNormal > 0.0; // false for NaN as well
}

bool SunAboveHorizon(const VerticalStyle &style, double hourAngleRad, double sunDeclinationDeg)
{
    const auto &k = sheet::angles();
    const double phi = style.latitudeDeg * k.rad;
    const double delta = sunDeclinationDeg * k.rad;
    const double fromNoon = hourAngleRad - style.longitudeDifferenceDeg * k.rad;
    const double sinAltitude =
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(fromNoon);
    return sinAltitude > 0.0; // false for NaN as well
}

std::optional<double> ShadowDistanceMm(const VerticalStyle &style, double hourAngleRad,
                                       double sunDeclinationDeg)
{
    if (!SunInFrontOfWall(style, hourAngleRad, sunDeclinationDeg))
        return std::nullopt;
    // In front of the wall but with cos H < 0 the arc tangent of theta has taken the other
    // branch and rho comes out negative: the point is the same, its distance the magnitude.
    const double rho = std::fabs(CurveDistanceMm(style, hourAngleRad, sunDeclinationDeg));
    if (!std::isfinite(rho))
        return std::nullopt;
    return rho;
}

double HourLineDirectionDeg(const VerticalStyle &style, double hourAngleRad)
{
    // In the wall, with the substyle ray as first axis and the counter-clockwise
    // perpendicular as second, the tip's shadow lies at (s cos d / N) (cos H, -sin e sin H),
    // N being the Sun's component along the wall's normal: a direction free of d.
    return std::atan2(-style.elevationSine * std::sin(hourAngleRad), std::cos(hourAngleRad))
           * sheet::angles().deg;
}

bool SunUpAtClockHour(double latitudeDeg, double clockHour, double sunDeclinationDeg)
{
    const auto &k = sheet::angles();
    const double phi = latitudeDeg * k.rad;
    const double delta = sunDeclinationDeg * k.rad;
    const double fromNoon = (15.0 * clockHour - 180.0) * k.rad;
    const double sinAltitude =
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(fromNoon);
    return sinAltitude >= 0.0; // false for NaN as well
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

} // namespace gnomonics
