#pragma once

#include "sheet/verticalcurves.h"
#include "sheet/checks.h"

#include <array>
#include <string>

namespace sheet {

inline constexpr int kZodiacColumns = 5;

// cells[row][column]: row 0 is clock hour 5 ... row 14 is 19 (East wall); columns 1 to 5 of
// the sheet are indices 0 to 4.
using ZodiacCells = std::array<std::array<std::string, kZodiacColumns>, kVerticalRows>;

// The Sun's declination of each column, in degrees: Gemini/Leo, Taurus/Virgo, their southern
// mirrors Scorpio/Pisces and Sagittarius/Aquarius, and the anniversary date:
// {d1, d2, -d2, -d1, d5}. The mirrors come from the values given, never from shown texts.
std::array<double, kZodiacColumns> ZodiacDeclinationsDeg(double sign1Deg, double sign2Deg,
                                                        double anniversaryDeg);

// The five date curves of a wall declining East: for each clock hour 5 to 19 and each
// declination of ZodiacDeclinationsDeg, the distance in mm from the style root along the
// hour line of the shadow of the style's tip, written with "#0.00".
//
// Angles in degrees, styleMm in mm. The wall values are meant to have passed
// CheckVerticalWallInputs (latitude and declination in (0, 90), style above 0); the sign
// and anniversary declinations take any value, zero and negative ones included. The geometry
// is that of the solstice sheet (verticalstyle.h), so an equinox column here is that sheet's
// equinox column with one more decimal.
//
// A cell whose Sun is behind the wall or below the horizon, or whose distance is not finite or
// beyond kFarthestCellMm, shows its row's dash:
// "------" in column 1 and "-------" in columns 2 to 5 for the hours 5 to 10 and 19,
// "-------" for 11 and 12, "------" for 13 to 18.
ZodiacCells ComputeZodiacTable(double latitudeDeg, double declinationDeg, double styleMm,
                               double inclinationDeg, double sign1Deg, double sign2Deg,
                               double anniversaryDeg);

// Everything the zodiac sheet writes when "Calcola" is pressed.
struct ZodiacSheetResult {
    // None when the texts below are filled; otherwise they are empty and nothing changes.
    sheet::Refusal refusal = sheet::Refusal::None;
    std::string dlc4; // -d1 in general form ("-20,16")
    std::string dlc3; // -d2 in general form ("-11,48")
    ZodiacCells cells;
};

// The Sun never stands farther than this from the equator (23.44 degrees today; the sheet
// allows the rounded value its users type).
inline constexpr double kLargestSunDeclinationDeg = 23.5;

// The zodiac sheet's checks: those of CheckVerticalWallInputs, in the same order, then
// SunDeclinationRange when a sign or the anniversary declination lies beyond
// kLargestSunDeclinationDeg in magnitude (or is not a number): no day of the year has it.
sheet::Refusal CheckZodiacInputs(double latitudeDeg, double declinationDeg, double styleMm,
                                 double sign1Deg, double sign2Deg, double anniversaryDeg);

// The zodiac sheet's checks (CheckZodiacInputs), then its
// shown southern sign declinations and ComputeZodiacTable. A non-finite sign declination
// shows an empty dlc text (it cannot come from a field that reads as a number).
ZodiacSheetResult ComputeZodiacSheet(double latitudeDeg, double declinationDeg, double styleMm,
                                     double inclinationDeg, double sign1Deg, double sign2Deg,
                                     double anniversaryDeg);

} // namespace sheet
