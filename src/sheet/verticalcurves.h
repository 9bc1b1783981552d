#pragma once

#include "sheet/checks.h"

#include <array>
#include <string>

namespace sheet {

// The clock hours of the rows of the vertical curve tables, top to bottom (East wall).
inline constexpr int kVerticalFirstHour = 5;
inline constexpr int kVerticalLastHour = 19;
inline constexpr int kVerticalRows = kVerticalLastHour - kVerticalFirstHour + 1;

// Solar declinations of the three curves of the solstice sheet, in column order: the summer
// solstice, the winter solstice and the equinoxes.
inline constexpr std::array<double, 3> kSolsticeDeclinationsDeg{kSolsticeDeclinationDeg, -kSolsticeDeclinationDeg, 0.0};

// Everything the vertical solstice and equinox curves sheet shows.
struct VerticalCurvesResult {
    // None when the texts below are filled; otherwise they are left empty and the sheet
    // shows its warning and keeps its previous texts.
    sheet::Refusal refusal = sheet::Refusal::None;
    std::string e3;  // style elevation, degrees, "#0.00"
    std::string b;   // style base, mm, "#0.00"
    std::string h;   // nodus height, mm, "#0.00"
    std::string f;   // substyle angle, degrees, "#0.00"
    std::string ts5; // substyle hour, decimal hours, "#0.000"
    // cells[row][column]: row 0 is clock hour 5 ... row 14 is 19; columns are the curves of
    // kSolsticeDeclinationsDeg. Each cell is a distance in mm with "#0.0" or a dash text.
    std::array<std::array<std::string, 3>, kVerticalRows> cells;
};

// The style's construction values and the three date curves of a wall declining East.
//
// latitudeDeg and declinationDeg in degrees, styleMm in mm, inclinationDeg in degrees (0 for
// a vertical wall; it passes no check). Refused as Missing when the latitude or the style
// is exactly 0 (a declination of 0 is a wall facing due South), then as Negative when any of them is below 0, then as OutOfRange when
// the latitude or the declination is 90 or more.
//
// Each cell is the distance from the style root, along the row's hour line, of the shadow of
// the style's tip on that day (see CurveCellText). A cell whose Sun stands behind the wall or
// below the horizon, or whose distance is not finite or beyond kFarthestCellMm, shows its row's
// dash: "------" in column 1 and "-------"
// in columns 2 and 3 for the hours 5 to 8 and 19, "-------" for 9 to 12, "------" for 13
// to 18. A derived value that is not finite shows "------".
VerticalCurvesResult ComputeVerticalCurves(double latitudeDeg, double declinationDeg,
                                           double styleMm, double inclinationDeg);

} // namespace sheet
