#include "gnomonics/zodiac.h"

#include "gnomonics/verticalstyle.h"
#include "sheet/numbers.h"

namespace gnomonics {

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
        const double hourAngle = HourAngleRad(style, clockHour);
        for (std::size_t column = 0; column < declinations.size(); ++column) {
            cells[row][column] = CurveCellText(style, hourAngle, declinations[column],
                                               Mask::TwoDecimals, zodiacDash(clockHour, column));
        }
    }
    return cells;
}

ZodiacSheetResult ComputeZodiacSheet(double latitudeDeg, double declinationDeg, double styleMm,
                                     double inclinationDeg, double sign1Deg, double sign2Deg,
                                     double anniversaryDeg)
{
    ZodiacSheetResult out;
    out.refusal = CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
    if (out.refusal != sheet::Refusal::None)
        return out;
    out.dlc4 = sheet::FormatGeneral(-sign1Deg);
    out.dlc3 = sheet::FormatGeneral(-sign2Deg);
    out.cells = ComputeZodiacTable(latitudeDeg, declinationDeg, styleMm, inclinationDeg, sign1Deg,
                                   sign2Deg, anniversaryDeg);
    return out;
}

} // namespace gnomonics
