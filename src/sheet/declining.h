#pragma once

#include "sheet/checks.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace sheet {

// Which way a vertical wall turns from facing due South.
enum class WallSide { East, West };

// The text of an hour line that does not exist on the wall.
inline constexpr const char *kDecliningDash = "--------";

// One hour line as the sheet shows it.
struct DecliningHourLine {
    // A in degrees, 0 to 180: the direction of the line at the dial centre, turning downwards
    // from the horizontal half-line on the afternoon side of the wall, so that the noon line
    // is 90, afternoon lines lie below 90 and morning lines above. Empty
    // when the line does not exist (it would run above the horizontal through the centre) or
    // could not be computed.
    std::optional<double> angleDeg;
    // What the field shows: -A with one decimal in its shortest form ("-124", "-176,1"), so
    // that the angle reads from the afternoon half-line, negative downwards; "-90" at noon;
    // the dash text when angleDeg is empty. Never "-0", never "nan" or "inf".
    std::string text;
};

// The hour line at a clock position (hours, 4.5 for 4.30 ... 20; 15 degrees of hour angle per
// hour from noon) on a vertical wall declining East or West by declinationDeg at the latitude
// (both meaningful strictly between 0 and 90), taken from the dial plane of the engine: the
// half-line on which the style's shadow falls at that hour angle, read as A. A line whose
// shadow half-line runs above the horizontal through the centre does not exist. Defined for
// every input: a value that is not finite gives the dash.
DecliningHourLine DecliningHourAngle(double latitudeDeg, double declinationDeg, WallSide side,
                                     double positionHours);

// True when some day between the solstices (solar declination -23.45 to 23.45 degrees) lights
// the hour line at that clock position: the Sun's centre on or above the geometric horizon and
// the Sun strictly in front of the wall. A line no day lights carries no shadow all year, so
// the sheet dashes it as the drawing leaves it out. Latitude and declination in degrees (the
// side says which way the wall turns), position in hours of apparent time (12 is noon).
//
// Both conditions are of the form a sin(delta) + b cos(delta) >= 0 in the Sun's declination,
// and a 47-degree range of declinations holds at most one root of each, so the days that
// satisfy the first form one interval; the second is then tested at that interval's ends and
// at its own extremum.
bool DecliningHourLineLit(double latitudeDeg, double declinationDeg, WallSide side,
                          double positionHours);

// Clock position of each of the sheet's 32 hour places: index 0 is 4.30, 1 is 5, ... 15 is
// noon, ... 31 is 20.
inline constexpr std::size_t kDecliningPositions = 32;
inline constexpr std::size_t kDecliningNoonIndex = 15;
constexpr double DecliningPositionHours(std::size_t index) { return 4.5 + 0.5 * index; }

struct DecliningSheetResult {
    sheet::Refusal refusal = sheet::Refusal::None;
    // Indexed like DecliningPositionHours; the noon place always reads "-90" (the sheet never
    // writes it). All empty when refused.
    std::array<std::string, kDecliningPositions> texts;
};

// Every hour text of a declining-wall sheet for a latitude and a declination in degrees, both
// entered as positive numbers; the side says which way the wall turns. Refuses, in this order:
// a zero latitude (Missing; a declination of 0 is the wall facing due South), a negative one (Negative), then a latitude or a
// declination of 90 or more, or one that is not a number (OutOfRange), since such a wall would
// not face the southern half of the sky. The latitude is tested before the declination.
DecliningSheetResult ComputeDecliningSheet(double latitudeDeg, double declinationDeg,
                                           WallSide side);

} // namespace sheet
