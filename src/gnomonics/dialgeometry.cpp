#include "gnomonics/dialgeometry.h"

#include "gnomonics/horizontalcurves.h"
#include "gnomonics/horizontalhours.h"
#include "gnomonics/verticalstyle.h"
#include "sheet/numbers.h"

#include <cmath>

namespace gnomonics {

namespace {

using sheet::DrawingPoint;

double hourAngleFromNoonDeg(double clockHour) { return 15.0 * (clockHour - 12.0); }

// The direction of the wall's substyle ray in the drawing, as an angle in degrees counted
// counter-clockwise from the right-hand horizontal as the viewer facing the wall sees it (up
// is +90). HourLineDirectionDeg measures from the substyle ray; at the true noon (hour angle L
// from the style's meridian) its line is the meridian, which points straight down (-90).
double substyleRayDeg(const VerticalStyle &style)
{
    const double noonFromSubstyleDeg =
        HourLineDirectionDeg(style, style.longitudeDifferenceDeg * sheet::angles().rad);
    return -90.0 - noonFromSubstyleDeg;
}

// A direction counter-clockwise from the right-hand horizontal, in the drawing's y-down frame.
DrawingPoint fromViewerAngle(double angleDeg)
{
    const double a = angleDeg * sheet::angles().rad;
    return {std::cos(a), -std::sin(a)};
}

} // namespace

DialPlane HorizontalDialPlane(double latitudeDeg, double styleMm)
{
    DialPlane plane;
    plane.hourDirection = [latitudeDeg](double clockHour) {
        // Clockwise from the noon half-line, which points up the drawing.
        const double a = HorizontalHourLineDirectionDeg(latitudeDeg, hourAngleFromNoonDeg(clockHour))
                         * sheet::angles().rad;
        return DrawingPoint{std::sin(a), -std::cos(a)};
    };
    plane.shadowDistanceMm = [latitudeDeg, styleMm](double clockHour,
                                                   double sunDeclinationDeg) -> std::optional<double> {
        const double d = HorizontalCurveDistanceMm(latitudeDeg, styleMm,
                                                   hourAngleFromNoonDeg(clockHour), sunDeclinationDeg);
        if (!std::isfinite(d) || !(d > 0.0))
            return std::nullopt;
        return d;
    };
    return plane;
}

DialPlane VerticalDialPlane(double latitudeDeg, double declinationDeg, double styleMm,
                            WallSide side)
{
    const VerticalStyle style = MakeVerticalStyle(latitudeDeg, declinationDeg, styleMm, 0.0);
    const double substyleDeg = substyleRayDeg(style);
    const bool west = side == WallSide::West;
    // The West wall's clock time t is the East wall's 24 - t, its picture the East one mirrored.
    auto eastHour = [west](double clockHour) { return west ? 24.0 - clockHour : clockHour; };

    DialPlane plane;
    plane.hourDirection = [style, substyleDeg, west, eastHour](double clockHour) {
        const double h = HourAngleRad(style, eastHour(clockHour));
        DrawingPoint d = fromViewerAngle(substyleDeg + HourLineDirectionDeg(style, h));
        if (west)
            d.xMm = -d.xMm;
        return d;
    };
    plane.shadowDistanceMm = [style, eastHour](double clockHour,
                                              double sunDeclinationDeg) -> std::optional<double> {
        const double h = HourAngleRad(style, eastHour(clockHour));
        if (!SunAboveHorizon(style, h, sunDeclinationDeg))
            return std::nullopt;
        return ShadowDistanceMm(style, h, sunDeclinationDeg);
    };
    return plane;
}

DrawingPoint VerticalStyleFoot(double latitudeDeg, double declinationDeg, double styleMm,
                               WallSide side)
{
    const VerticalStyle style = MakeVerticalStyle(latitudeDeg, declinationDeg, styleMm, 0.0);
    const DrawingPoint d = fromViewerAngle(substyleRayDeg(style));
    const double b = StyleBaseMm(style);
    return {(side == WallSide::West ? -d.xMm : d.xMm) * b, d.yMm * b};
}

DrawingPoint HorizontalStyleFoot(double latitudeDeg, double styleMm)
{
    return {0.0, -HorizontalStyleBaseMm(latitudeDeg, styleMm)};
}

} // namespace gnomonics
