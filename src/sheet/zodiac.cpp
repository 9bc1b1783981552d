#include "sheet/zodiac.h"

#include "sheet/verticalstyle.h"
#include "sheet/numbers.h"

#include <cmath>

namespace sheet {

using sheet::Mask;

namespace {

// The dash a missing point of this row and column shows, the pattern of the sheet's tables.
std::string_view zodiacDash(int clockHour, std::size_t column)
{
    if (clockHour == 11 || clockHour == 12)
        return kDashLong;
    if (clockHour >= 13 && clockHour <= 18)
        return kDashShort;
    return column == 0 ? kDashShort : kDashLong;
}

} // namespace

std::array<double, kZodiacColumns> ZodiacDeclinationsDeg(double sign1Deg, double sign2Deg,
                                                        double anniversaryDeg)
{
    return {sign1Deg, sign2Deg, -sign2Deg, -sign1Deg, anniversaryDeg};
}

ZodiacCells ComputeZodiacTable(double latitudeDeg, double declinationDeg, double styleMm,
                               double inclinationDeg, double sign1Deg, double sign2Deg,
                               double anniversaryDeg)
{
    const VerticalStyle style =
        MakeVerticalStyle(latitudeDeg, declinationDeg, styleMm, inclinationDeg);
    const auto declinations = ZodiacDeclinationsDeg(sign1Deg, sign2Deg, anniversaryDeg);
    ZodiacCells cells;
    for (int row = 0; row < kVerticalRows; ++row) {
        const int clockHour = kVerticalFirstHour + row;
        for (std::size_t column = 0; column < declinations.size(); ++column) {
            cells[row][column] = CurveCellText(style, clockHour, declinations[column],
                                               Mask::TwoDecimals, zodiacDash(clockHour, column));
        }
    }
    return cells;
}

sheet::Refusal CheckZodiacInputs(double latitudeDeg, double declinationDeg, double styleMm,
                                 double sign1Deg, double sign2Deg, double anniversaryDeg)
{
    if (const sheet::Refusal wall = CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
        wall != sheet::Refusal::None)
        return wall;
    for (double sun : {sign1Deg, sign2Deg, anniversaryDeg})
        if (!(std::fabs(sun) <= kLargestSunDeclinationDeg))
            return sheet::Refusal::SunDeclinationRange;
    return sheet::Refusal::None;
}

ZodiacSheetResult ComputeZodiacSheet(double latitudeDeg, double declinationDeg, double styleMm,
                                     double inclinationDeg, double sign1Deg, double sign2Deg,
                                     double anniversaryDeg)
{
    ZodiacSheetResult out;
    out.refusal = CheckZodiacInputs(latitudeDeg, declinationDeg, styleMm, sign1Deg, sign2Deg, anniversaryDeg);
    if (out.refusal != sheet::Refusal::None)
        return out;
    out.dlc4 = sheet::FormatGeneral(-sign1Deg);
    out.dlc3 = sheet::FormatGeneral(-sign2Deg);
    out.cells = ComputeZodiacTable(latitudeDeg, declinationDeg, styleMm, inclinationDeg, sign1Deg,
                                   sign2Deg, anniversaryDeg);
    return out;
}

} // namespace sheet
