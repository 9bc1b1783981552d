#pragma once

#include "sheet/checks.h"

#include <array>
#include <string>

namespace sheet {

// The half-hour lines of a horizontal dial, morning rows from 5 to 11.30 (the afternoon rows
// are their mirror images about the noon line and carry the same texts).
struct HorizontalHourTexts {
    // Index 0 is 5 o'clock, 1 is 5.30, 2 is 6, ... 13 is 11.30.
    std::array<std::string, 14> morning;
};

// Angle between the noon line and each morning hour line of a horizontal dial at the given
// latitude (degrees, any sign), in degrees with two decimals ("#0.00").
//
// Each angle is the direction of the style's shadow at that hour on the horizontal plane
// (from 6 to 11.30, tan A = sin(latitude) tan H), shown as its size from the noon line with
// the sign of the latitude. The 5 and 5.30 lines lie below the East-West line: they are the
// continuation through the dial centre of the 17 and 17.30 lines, beyond 90. At latitude 0
// every line from 6 to 11.30 coincides with the noon line (0,00) and the 5 and 5.30 lines
// point the other way (180,00).
HorizontalHourTexts ComputeHorizontalHourAngles(double latitudeDeg);

// The one check of the hour-angle sheet: any latitude from -90 to 90 is a dial (zero
// included); beyond the poles, or not a number, is LatitudeRange.
sheet::Refusal CheckHorizontalLatitude(double latitudeDeg);

// Hour angle in degrees (from noon) of each morning row, 5 o'clock first.
inline constexpr std::array<double, 14> kHorizontalMorningHourAngles{
    105, 97.5, 90, 82.5, 75, 67.5, 60, 52.5, 45, 37.5, 30, 22.5, 15, 7.5};

} // namespace sheet
