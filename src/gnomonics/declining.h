#pragma once

#include "sheet/checks.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace gnomonics {

// Which way a vertical wall turns from facing due South.
enum class WallSide { East, West };

// The text of an hour line that does not exist on the wall.
inline constexpr const char *kDecliningDash = "--------";

// What every hour line of one declining wall shares: the maker's construction of the dial with
// ruler and compass, done once at the fixed unit length L = 10 and then reused for each hour.
// Lengths are in units of L's scale, angles in radians.
struct DecliningConstruction {
    WallSide side = WallSide::East;
    double latitudeDeg = 0;
    double declinationDeg = 0;
    // True when the construction cannot be laid out well in double precision: a wall within
    // a few hundredths of a degree of not declining (its equatorial circle shrinks to a point)
    // or a place as close to the equator or to the pole. Every hour then comes from the
    // closed form, which draws the same dial.
    bool usesClosedForm = false;
    double substyleRad = 0;     // theta: angle between the substyle and the noon line
    double substyleHourRad = 0; // sigma: hour angle of the substyle (the longitude difference)
    double radius = 0;          // r: radius of the equatorial circle the hour rays start from
    double offset = 0;          // q: length along the substyle from that circle to the line
                                //    the hour rays are marked on
    double span = 0;            // n: length along the noon line closing each hour's triangle
};

// Builds the construction for a wall at the given latitude and declination (degrees, both
// meaningful strictly between 0 and 90; other values are constructed by the same steps and
// carry no meaning). Never fails: where a step would divide by zero, give a value that is not
// finite or lose digits to cancellation, the result is marked to use the closed form instead.
DecliningConstruction BuildDecliningConstruction(double latitudeDeg, double declinationDeg,
                                                 WallSide side);

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
// hour from noon) on a constructed wall. From the construction: the hour's ray leaves the
// equatorial circle at the substyle's hour angle plus (East) or minus (West) the hour angle,
// meets the equinoctial line, and that point joined to the centre is the hour line. A morning
// line with A below 90 or an afternoon line with A above 90 points upwards: it does not exist.
// Where the hour's triangle degenerates (a line exactly horizontal) the closed form gives it.
DecliningHourLine DecliningHourAngle(const DecliningConstruction &construction,
                                     double positionHours);

// Convenience: builds the construction and gives the one hour line.
DecliningHourLine DecliningHourAngle(double latitudeDeg, double declinationDeg, WallSide side,
                                     double positionHours);

// The same angle A (degrees, 0 to 180) from the direct trigonometry of a vertical declining
// dial: the line makes the angle X with the noon line, positive on the afternoon side, where
//   X = atan2(cos phi sin H, cos d cos H - sin d sin phi sin H)   for a wall declining East,
//   X = atan2(cos phi sin H, cos d cos H + sin d sin phi sin H)   for a wall declining West,
// phi the latitude, d the declination, H the hour angle; and A = 90 - X, taken into 0 to 180.
// The line exists exactly when |X| <= 90. Defined for every input; meaningful for latitudes and
// declinations between 0 and 90 (a declination of 0 gives the South-facing wall).
double DecliningHourAngleClosedForm(double latitudeDeg, double declinationDeg, WallSide side,
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

} // namespace gnomonics
