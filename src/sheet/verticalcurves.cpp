#include "sheet/verticalcurves.h"

#include "sheet/verticalstyle.h"
#include "sheet/numbers.h"

namespace sheet {

using sheet::Mask;

namespace {

// The dash a missing point of this row and column shows. The pattern is the one the sheet's
// users know from its printed tables: it tells the early and late hours from the midday ones.
std::string_view solsticeDash(int clockHour, std::size_t column)
{
    if (clockHour >= 9 && clockHour <= 12)
        return kDashLong;
    if (clockHour >= 13 && clockHour <= 18)
        return kDashShort;
    return column == 0 ? kDashShort : kDashLong;
}

} // namespace

VerticalCurvesResult ComputeVerticalCurves(double latitudeDeg, double declinationDeg,
                                           double styleMm, double inclinationDeg)
{
    VerticalCurvesResult out;
    out.refusal = CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
    if (out.refusal != sheet::Refusal::None)
        return out;

    const VerticalStyle style =
        MakeVerticalStyle(latitudeDeg, declinationDeg, styleMm, inclinationDeg);
    out.e3 = FiniteOrDash(StyleElevationDeg(style), Mask::TwoDecimals);
    out.b = FiniteOrDash(StyleBaseMm(style), Mask::TwoDecimals);
    out.h = FiniteOrDash(StyleHeightMm(style), Mask::TwoDecimals);
    out.f = FiniteOrDash(SubstyleAngleDeg(style), Mask::TwoDecimals);
    out.ts5 = FiniteOrDash(SubstyleHour(style), Mask::ThreeDecimals);

    for (int row = 0; row < kVerticalRows; ++row) {
        const int clockHour = kVerticalFirstHour + row;
        for (std::size_t column = 0; column < kSolsticeDeclinationsDeg.size(); ++column) {
            out.cells[row][column] =
                CurveCellText(style, clockHour, kSolsticeDeclinationsDeg[column],
                              Mask::OneDecimal, solsticeDash(clockHour, column));
        }
    }
    return out;
}

} // namespace sheet
