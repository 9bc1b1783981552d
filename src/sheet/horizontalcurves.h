#pragma once

#include "sheet/checks.h"

#include <array>
#include <cstddef>
#include <string>

namespace sheet {

// The text of a curve point that does not exist (the Sun is below the horizon at that hour).
inline constexpr const char *kHorizontalCurveDash = "--------";

// Farthest distance the table shows, in mm; beyond it the Sun grazes the horizon.
inline constexpr double kFarthestHorizontalCellMm = 1e6;

// Solar declinations of the curves, degrees.
inline constexpr double kSummerSolsticeDeclinationDeg = kSolsticeDeclinationDeg;
inline constexpr double kWinterSolsticeDeclinationDeg = -kSolsticeDeclinationDeg;

// Signed distance, in the unit of the style (millimetres), from the dial centre O of a
// horizontal dial to the shadow of the style's tip along the hour line of hour angle H.
// The style of length styleMm runs from O along the Earth's axis, so its tip stands
// styleMm sin(latitude) above the dial; the distance is that of the plane's nodus
// projection (in the plane of the hour line and the style, styleMm cos(declination) /
// cos(X - declination) with tan X = tan(latitude) / cos H). The distance is positive when
// the Sun is above the horizon and negative when it is below it (there is no shadow then). Latitude, hour angle and declination in degrees; any hour angle
// (the afternoon hour angle -H gives the same distance as H); meaningful for latitudes
// strictly between -90 and 90 other than 0. On the horizon the result is very large or not
// finite.
double HorizontalCurveDistanceMm(double latitudeDeg, double styleMm, double hourAngleDeg,
                                 double solarDeclinationDeg);

// Rows of the curve table: the whole hours 6 to 18; index 0 is 6 o'clock, 6 is noon, 12 is 18.
inline constexpr std::size_t kHorizontalCurveRows = 13;
inline constexpr std::size_t kHorizontalCurveNoonRow = 6;
constexpr int HorizontalCurveHour(std::size_t row) { return 6 + static_cast<int>(row); }

struct HorizontalCurvesResult {
    sheet::Refusal refusal = sheet::Refusal::None;
    std::string styleHeight; // h, "#0.0"
    std::string styleBase;   // b, "#0.0"
    // Distances of the summer and winter solstice curves by row, 6 to 18: "#0.00", except the
    // summer 6 o'clock (and so 18 o'clock) text, which has one decimal.
    std::array<std::string, kHorizontalCurveRows> summer;
    std::array<std::string, kHorizontalCurveRows> winter;
    std::string equinoxNoon; // "#0.00"
};

// The horizontal curves sheet for a latitude (degrees) and a style length (millimetres).
// Refused, in this order: a latitude or a style of exactly 0 (Missing), a style below 0
// (Negative), a latitude beyond 90 in magnitude or a value that is not finite (LatitudeRange).
// Negative latitudes (southern dials) are computed: "summer" and "winter" are then the
// December and June solstices, the seasons of the dial's own hemisphere. The nodus height
// and the style base are the lengths |styleMm sin(latitude)| and styleMm cos(latitude). The morning rows
// 6 to 12 are computed with HorizontalCurveDistanceMm; a distance whose shown text reads below
// zero (the Sun is down at that hour), that is not finite or that lies beyond
// kFarthestHorizontalCellMm (the equinox noon at a pole) shows the dash text instead. The afternoon rows 13 to 18
// repeat the texts of the morning rows 11 to 6, the dial being symmetric about its noon line.
HorizontalCurvesResult ComputeHorizontalCurves(double latitudeDeg, double styleMm);

} // namespace sheet
