#include "sheet/horizontalcurves.h"

#include "gnomonics/plane.h"

#include "sheet/numbers.h"

#include <cmath>
#include <limits>

namespace sheet {

using gnomonics::BuildDialPlane;
using gnomonics::CentreToProjectionMm;
using gnomonics::DialPlane;
using gnomonics::GnomonSize;
using gnomonics::Vec3;
using gnomonics::dot;
using gnomonics::length;

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
    // A horizontal face (inclination 90) whose style of that length reaches the nodus.
    const DialPlane dial =
        BuildDialPlane({latitudeDeg, 0.0, 90.0, GnomonSize::StyleLength, styleMm});
    const auto d = CentreToProjectionMm(dial, hourAngleDeg, solarDeclinationDeg);
    return d ? *d : std::numeric_limits<double>::infinity();
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

    // The nodus height is the tip's above the dial, the style base the distance from O to the
    // foot of the gnomon F: lengths, as high for a southern dial as for a northern one.
    const DialPlane dial =
        BuildDialPlane({latitudeDeg, 0.0, 90.0, GnomonSize::StyleLength, styleMm});
    out.styleHeight = measureText(dial.nodusHeightMm);
    const Vec3 alongDial = dial.pole - dot(dial.pole, dial.normal) * dial.normal;
    out.styleBase = measureText(styleMm * length(alongDial));
    // Each column is the dial's own season: south of the equator summer comes with the
    // December solstice.
    const bool north = latitudeDeg > 0.0;
    const double summerDeclinationDeg = north ? kSummerSolsticeDeclinationDeg : kWinterSolsticeDeclinationDeg;
    const double winterDeclinationDeg = north ? kWinterSolsticeDeclinationDeg : kSummerSolsticeDeclinationDeg;

    for (std::size_t row = 0; row <= kHorizontalCurveNoonRow; ++row) {
        const double hourAngleDeg = 15.0 * static_cast<double>(kHorizontalCurveNoonRow - row);
        // The 6 o'clock summer point lies far out on the East-West line: one decimal is enough
        // for the maker, as for the nodus height and the style base.
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

} // namespace sheet
