#include "sheet/horizontalhours.h"

#include "gnomonics/plane.h"

#include "sheet/checks.h"
#include "sheet/numbers.h"

#include <cmath>

namespace sheet {

using gnomonics::BuildDialPlane;
using gnomonics::DialPlane;
using gnomonics::GnomonSize;
using gnomonics::HourLineDirectionDeg;

namespace {

// The angle the sheet shows for the line of hour angle H: its size from the noon line, with
// the sign of the latitude (a southern dial's lines read negative). On the equator the style
// lies in the dial and every line from 6 to 18 runs along the noon line.
double shownAngleDeg(const DialPlane &dial, double hourAngleDeg)
{
    const double sign = dial.input.latitudeDeg < 0 ? -1.0 : 1.0;
    return sign * std::fabs(HourLineDirectionDeg(dial, hourAngleDeg));
}

} // namespace

HorizontalHourTexts ComputeHorizontalHourAngles(double latitudeDeg)
{
    // A horizontal face: inclination 90, no declination; the nodus height plays no part in
    // the lines' directions.
    const DialPlane dial = BuildDialPlane({latitudeDeg, 0.0, 90.0, GnomonSize::NodusHeight, 1.0});
    HorizontalHourTexts out;
    std::array<double, 14> shown{};
    for (std::size_t row = 2; row < out.morning.size(); ++row) {
        shown[row] = sheet::shownValue(shownAngleDeg(dial, kHorizontalMorningHourAngles[row]),
                                       sheet::Mask::TwoDecimals);
    }
    // 5 and 5.30 continue the 17 and 17.30 lines through the centre: the supplement of the
    // angles shown at 7 and 6.30, so that the two ends of one straight line always add up to
    // 180 as the maker reads them.
    const double sign = latitudeDeg < 0 ? -1.0 : 1.0;
    shown[0] = sign * (180.0 - std::fabs(shown[4]));
    shown[1] = sign * (180.0 - std::fabs(shown[3]));
    for (std::size_t row = 0; row < out.morning.size(); ++row)
        out.morning[row] = sheet::FormatFixed(shown[row], sheet::Mask::TwoDecimals);
    return out;
}

sheet::Refusal CheckHorizontalLatitude(double latitudeDeg)
{
    return std::fabs(latitudeDeg) <= 90.0 ? sheet::Refusal::None : sheet::Refusal::LatitudeRange;
}

} // namespace sheet
