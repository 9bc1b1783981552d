#include "vertical/curvesreport.h"

#include "vertical/verticalreport.h"

#include <array>

namespace vertical {

namespace {

const char *const kDeclinationEast = "DCL EST =";
const char *const kDeclinationWest = "DCL OVEST =";

struct Column {
    double xMm;
    int sheetColumn;
    const char *heading;
};

// The equinox line stands between the two solstice curves on the wall, so the page puts its
// column between theirs.
constexpr std::array<Column, 3> kColumns{{{80, 1, "SE"}, {110, 3, "Eq"}, {140, 2, "SI"}}};
constexpr double kHourXMm = 50;
constexpr double kHeadingYMm = 30;

} // namespace

sheet::ReportPage BuildCurvesReport(const sheet::FieldText &field, Side side)
{
    sheet::ReportPage page = StartVerticalReport(field, side == Side::East ? kDeclinationEast : kDeclinationWest);
    page.add(kHourXMm, kHeadingYMm, "Ore");
    for (const Column &column : kColumns)
        page.add(column.xMm, kHeadingYMm, column.heading);
    for (int hour = gnomonics::kVerticalFirstHour; hour <= gnomonics::kVerticalLastHour; ++hour) {
        const double y = hourLineYMm(hour);
        const int row = rowOfClockHour(hour, side);
        page.add(kHourXMm, y, hourText(hour));
        for (const Column &column : kColumns)
            page.add(column.xMm, y, field(cellName(row, column.sheetColumn)));
    }
    FinishVerticalReport(page);
    return page;
}

} // namespace vertical
