#include "gnomonics/horizontalcurves.h"

#include "sheet/numbers.h"

#include <cmath>

namespace gnomonics {

namespace {

using sheet::Mask;

// A distance as the table shows it: a number, or the dash where the Sun is down (the distance
// reads below zero once rounded) or where there is no number at all.
std::string distanceText(double distanceMm, Mask mask)
{
    // Near the horizon the shadow runs off towards infinity: kilometres are no point to trace.
    if (!(std::fabs(distanceMm) <= kFarthestHorizontalCellMm))
        return kHorizontalCurveDash;
    const std::string text = sheet::FormatFixed(distanceMm, mask);
    const auto shown = sheet::ReadNumber(text);
    if (!shown || *shown < 0.0)
        return kHorizontalCurveDash;
    return text;
}

std::string measureText(double valueMm)
{
    const std::string text = sheet::FormatFixed(valueMm, Mask::OneDecimal);
    return text.empty() ? std::string(kHorizontalCurveDash) : text;
}

} // namespace

double HorizontalCurveDistanceMm(double latitudeDeg, double styleMm, double hourAngleDeg,
                                 double solarDeclinationDeg)
{
    const auto &k = sheet::angles();
    const double tanLat = std::tan(latitudeDeg * k.rad);
    const double cosH = std::cos(hourAngleDeg * k.rad);
    // Between 6 and 18 o'clock cos H is positive and the arc tangent is the angle itself (at
    // 6 o'clock cos 90 is a hair above zero in double precision, so X is a hair under 90).
    // Beyond, the style and the hour line make an obtuse angle: the arc tangent gives its
    // supplement, so turn it by half a circle.
    double x = std::atan(tanLat / cosH);
    if (cosH < 0.0)
        x += tanLat >= 0.0 ? k.pi : -k.pi;
    const double decl = solarDeclinationDeg * k.rad;
    return styleMm * std::cos(decl) / std::cos(x - decl);
}

double HorizontalStyleHeightMm(double latitudeDeg, double styleMm)
{
    return styleMm * std::sin(latitudeDeg * sheet::angles().rad);
}

double HorizontalStyleBaseMm(double latitudeDeg, double styleMm)
{
    return styleMm * std::cos(latitudeDeg * sheet::angles().rad);
}

HorizontalCurvesResult ComputeHorizontalCurves(double latitudeDeg, double styleMm)
{
    HorizontalCurvesResult out;
    if (!sheet::CheckPresent({latitudeDeg, styleMm})) {
        out.refusal = sheet::Refusal::Missing;
        return out;
    }
    if (!sheet::CheckPositive({styleMm})) {
        out.refusal = sheet::Refusal::Negative;
        return out;
    }
    // Written so that a value that is not a number is refused as well.
    if (!(std::fabs(latitudeDeg) <= 90.0) || !std::isfinite(styleMm)) {
        out.refusal = sheet::Refusal::LatitudeRange;
        return out;
    }

    // Lengths: a southern dial's style stands as high as a northern one's.
    out.styleHeight = measureText(std::fabs(HorizontalStyleHeightMm(latitudeDeg, styleMm)));
    out.styleBase = measureText(std::fabs(HorizontalStyleBaseMm(latitudeDeg, styleMm)));
    // Each column is the dial's own season: south of the equator summer comes with the
    // December solstice.
    const bool north = latitudeDeg > 0.0;
    const double summerDeclinationDeg = north ? kSummerSolsticeDeclinationDeg : kWinterSolsticeDeclinationDeg;
    const double winterDeclinationDeg = north ? kWinterSolsticeDeclinationDeg : kSummerSolsticeDeclinationDeg;

    for (std::size_t row = 0; row <= kHorizontalCurveNoonRow; ++row) {
        const double hourAngleDeg = 15.0 * static_cast<double>(kHorizontalCurveNoonRow - row);
        // The 6 o'clock summer point lies far out on the East-West line: one decimal is enough
        // for the maker, as for the style's height and base.
        const Mask summerMask = row == 0 ? Mask::OneDecimal : Mask::TwoDecimals;
        out.summer[row] = distanceText(
            HorizontalCurveDistanceMm(latitudeDeg, styleMm, hourAngleDeg, summerDeclinationDeg),
            summerMask);
        out.winter[row] = distanceText(
            HorizontalCurveDistanceMm(latitudeDeg, styleMm, hourAngleDeg, winterDeclinationDeg),
            Mask::TwoDecimals);
    }
    out.equinoxNoon =
        distanceText(HorizontalCurveDistanceMm(latitudeDeg, styleMm, 0.0, 0.0), Mask::TwoDecimals);

    // The afternoon mirrors the morning: 13 takes the texts of 11, ... 18 those of 6.
    for (std::size_t row = kHorizontalCurveNoonRow + 1; row < kHorizontalCurveRows; ++row) {
        out.summer[row] = out.summer[2 * kHorizontalCurveNoonRow - row];
        out.winter[row] = out.winter[2 * kHorizontalCurveNoonRow - row];
    }
    return out;
}

} // namespace gnomonics
