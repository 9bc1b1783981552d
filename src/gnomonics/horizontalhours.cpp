#include "gnomonics/horizontalhours.h"

#include "sheet/checks.h"
#include "sheet/numbers.h"

#include <cmath>

namespace gnomonics {

using sheet::FormatFixed;
using sheet::Mask;

double HorizontalHourLineDirectionDeg(double latitudeDeg, double hourAngleDeg)
{
    const auto &k = sheet::angles();
    const double sinLat = std::sin(latitudeDeg * k.rad);
    // The tangent is formed as sine over cosine: at 6 o'clock cos 90 is not exactly zero in
    // double precision, so the quotient is huge but finite and the angle is 90,00 (or -90,00,
    // or 0,00 on the equator).
    const double h = hourAngleDeg * k.rad;
    const double across = sinLat * std::sin(h);
    const double q = across / std::cos(h);
    double angle = std::atan(q) * k.deg;
    // Beyond 6 o'clock the arc tangent names the other half of the line.
    if (std::cos(h) < 0.0)
        angle += across >= 0.0 ? 180.0 : -180.0;
    return angle;
}

HorizontalHourTexts ComputeHorizontalHourAngles(double latitudeDeg)
{
    HorizontalHourTexts out;
    // 6 o'clock to 11.30.
    for (std::size_t row = 2; row < out.morning.size(); ++row) {
        out.morning[row] = FormatFixed(
            HorizontalHourLineDirectionDeg(latitudeDeg, kHorizontalMorningHourAngles[row]),
            Mask::TwoDecimals);
    }
    // 5 and 5.30 continue the 17 and 17.30 lines through the centre: the supplement of the
    // shown 7 and 6.30 angles, on the side the latitude gives.
    const double sign = latitudeDeg < 0 ? -1.0 : 1.0;
    auto beyondSix = [&](std::size_t mirrorRow) {
        const double shown = *sheet::ReadNumber(out.morning[mirrorRow]);
        return FormatFixed(sign * (180.0 - std::fabs(shown)), Mask::TwoDecimals);
    };
    out.morning[0] = beyondSix(4); // 5 from 7
    out.morning[1] = beyondSix(3); // 5.30 from 6.30
    return out;
}

sheet::Refusal CheckHorizontalLatitude(double latitudeDeg)
{
    return std::fabs(latitudeDeg) <= 90.0 ? sheet::Refusal::None : sheet::Refusal::LatitudeRange;
}

} // namespace gnomonics
