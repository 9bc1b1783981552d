#include "vertical/curvesreport.h"

#include "sheet/translation.h"

#include "vertical/verticalreport.h"

#include "sheet/numbers.h"

#include <array>

namespace vertical {

namespace {

const char *const kDeclinationEast = QT_TRANSLATE_NOOP("horalo", "DCL EST =");
const char *const kDeclinationWest = QT_TRANSLATE_NOOP("horalo", "DCL OVEST =");
const char *const kHoursHeading = QT_TRANSLATE_NOOP("horalo", "Ore");
const char *const kStyleConstruction = QT_TRANSLATE_NOOP("horalo", "Costruzione dello stilo:");
const char *const kStyleLength = QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo = ");
const char *const kStyleHeight = QT_TRANSLATE_NOOP("horalo", "Altezza del nodo = ");
const char *const kStyleBase = QT_TRANSLATE_NOOP("horalo", "Base dello stilo (da O a F) = ");
const char *const kSubstyleAngle = QT_TRANSLATE_NOOP("horalo", "Angolo della sustilare = ");
const char *const kStyleElevation = QT_TRANSLATE_NOOP("horalo", "Elevazione dello stilo = ");

struct Column {
    double xMm;
    int sheetColumn;
    const char *heading;
};

// The equinox line stands between the two solstice curves on the wall, so the page puts its
// column between theirs.
constexpr std::array<Column, 3> kColumns{{{80, 1, QT_TRANSLATE_NOOP("horalo", "SE")},
                                              {110, 3, QT_TRANSLATE_NOOP("horalo", "Eq")},
                                              {140, 2, QT_TRANSLATE_NOOP("horalo", "SI")}}};
constexpr double kHourXMm = 50;
constexpr double kHeadingYMm = 30;

} // namespace

sheet::ReportPage BuildCurvesReport(const sheet::FieldText &field, Side side)
{
    sheet::ReportPage page = StartVerticalReport(field, sheet::translated(side == Side::East ? kDeclinationEast : kDeclinationWest));
    page.add(kHourXMm, kHeadingYMm, sheet::translated(kHoursHeading));
    for (const Column &column : kColumns)
        page.add(column.xMm, kHeadingYMm, sheet::translated(column.heading));
    for (int hour = sheet::kVerticalFirstHour; hour <= sheet::kVerticalLastHour; ++hour) {
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
    page.add(kHourXMm, 200, sheet::translated(kStyleConstruction));
    page.add(kHourXMm, 206, sheet::translated(kStyleLength) + sheet::withUnit(field("s"), sheet::kMillimetreUnit));
    page.add(kHourXMm, 211, sheet::translated(kStyleHeight) + sheet::withUnit(field("h"), sheet::kMillimetreUnit));
    page.add(kHourXMm, 216, sheet::translated(kStyleBase) + sheet::withUnit(field("b"), sheet::kMillimetreUnit));
    page.add(kHourXMm, 221, sheet::translated(kSubstyleAngle)
                                + (sheet::ReadNumber(substyle) ? sign + substyle + sheet::kDegreeUnit : substyle));
    page.add(kHourXMm, 226, sheet::translated(kStyleElevation) + sheet::withUnit(field("e3"), sheet::kDegreeUnit));
    FinishVerticalReport(page);
    return page;
}

} // namespace vertical
