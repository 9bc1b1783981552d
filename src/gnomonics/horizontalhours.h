#pragma once

#include "sheet/checks.h"

#include <array>
#include <string>

namespace gnomonics {

// The half-hour lines of a horizontal dial, morning rows from 5 to 11.30 (the afternoon rows
// are their mirror images about the noon line and carry the same texts).
struct HorizontalHourTexts {
    // Index 0 is 5 o'clock, 1 is 5.30, 2 is 6, ... 13 is 11.30.
    std::array<std::string, 14> morning;
};

// Angle between the noon line and each morning hour line of a horizontal dial at the given
// latitude (degrees, any sign), in degrees with two decimals ("#0.00").
//
// From 6 to 11.30 the line of hour angle H makes the angle A with tan A = sin(latitude) tan H
// (the shadow of a polar style on the horizontal plane). The 5 and 5.30 lines lie below the
// East-West line: they are the continuation through the dial centre of the 17 and 17.30
// lines, so they show 180 minus the magnitude shown at 7 and 6.30, with the sign of the
// latitude. At latitude 0 every line from 6 to 11.30 coincides with the noon line (0,00) and
// the 5 and 5.30 lines point the other way (180,00).
HorizontalHourTexts ComputeHorizontalHourAngles(double latitudeDeg);

// The one check of the hour-angle sheet: any latitude from -90 to 90 is a dial (zero
// included); beyond the poles, or not a number, is LatitudeRange.
sheet::Refusal CheckHorizontalLatitude(double latitudeDeg);

// Direction, in degrees in (-180, 180], of the half-line from the dial centre on which the
// shadow of the polar style falls at the hour angle H (degrees from noon, positive in the
// afternoon, any value): measured from the noon half-line (the one that runs from the centre
// towards the pole the style points to: North for a northern dial, South for a southern one),
// positive clockwise as seen from above the dial (towards East on a northern dial). Between
// 6 and 18 o'clock it is the angle A of the sheet, tan A = sin(latitude) tan H, computed the
// same way; beyond (|H| > 90) the shadow falls on the continuation of the line through the
// centre, so the angle is turned by half a circle towards the side of sin(latitude) sin H.
// Latitude in degrees, any value; at latitude 0 every hour from 6 to 18 lies on the noon line.
double HorizontalHourLineDirectionDeg(double latitudeDeg, double hourAngleDeg);

// Hour angle in degrees (from noon) of each morning row, 5 o'clock first.
inline constexpr std::array<double, 14> kHorizontalMorningHourAngles{
    105, 97.5, 90, 82.5, 75, 67.5, 60, 52.5, 45, 37.5, 30, 22.5, 15, 7.5};

} // namespace gnomonics
