#include "vertical/curvesreport.h"

#include "vertical/verticalreport.h"

#include "sheet/numbers.h"

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
    AddVerticalLegend(page, kHourXMm, 190);
    // What the maker needs at the wall besides the table: the style and where it stands. The
    // substyle angle carries the side's sign, as the sheet shows it beside the field.
    const char *const sign = side == Side::East ? "-" : "+";
    const std::string substyle = field("f");
    page.add(kHourXMm, 200, "Costruzione dello stilo:");
    page.add(kHourXMm, 206, "Lunghezza stilo = " + sheet::withUnit(field("s"), sheet::kMillimetreUnit));
    page.add(kHourXMm, 211, "Altezza stilo = " + sheet::withUnit(field("h"), sheet::kMillimetreUnit));
    page.add(kHourXMm, 216, "Base stilo = " + sheet::withUnit(field("b"), sheet::kMillimetreUnit));
    page.add(kHourXMm, 221, "Angolo sustilare = "
                                + (sheet::ReadNumber(substyle) ? sign + substyle + sheet::kDegreeUnit : substyle));
    page.add(kHourXMm, 226, "Elevazione stilo = " + sheet::withUnit(field("e3"), sheet::kDegreeUnit));
    FinishVerticalReport(page);
    return page;
}

} // namespace vertical
