#include "horizontal/curvesreport.h"

#include "sheet/translation.h"

#include "horizontal/curvefields.h"

namespace horizontal {

namespace {

const char *const kTitle = QT_TRANSLATE_NOOP("horalo", "MERIDIANA   ORIZZONTALE   LAT.=");
const char *const kHoursHeading = QT_TRANSLATE_NOOP("horalo", "Ore");
const char *const kSummerHeading = QT_TRANSLATE_NOOP("horalo", "SE");
const char *const kWinterHeading = QT_TRANSLATE_NOOP("horalo", "SI");
const char *const kEquinoxHeading = QT_TRANSLATE_NOOP("horalo", "Eq");
const char *const kStyleLine = QT_TRANSLATE_NOOP("horalo", "Stilo     = ");
const char *const kBaseLine = QT_TRANSLATE_NOOP("horalo", "Base      = ");
const char *const kHeightLine = QT_TRANSLATE_NOOP("horalo", "Altezza   = ");

const char *const kDistanceUnits = QT_TRANSLATE_NOOP("horalo", "Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie");

constexpr int kNoteUnderscores = 15;

constexpr double kLabelX = 50;
constexpr double kSummerX = 80;
constexpr double kWinterX = 110;
constexpr double kEquinoxX = 140;
constexpr double kFirstRowY = 50;
constexpr double kRowStepY = 10;

} // namespace

sheet::ReportPage BuildCurvesReport(const sheet::FieldText &field)
{
    sheet::ReportPage page;
    page.fontPt = 12;
    page.add(64, 10, sheet::translated(kTitle) + sheet::withUnit(field("Latx"), sheet::kDegreeUnit));
    page.add(12, 20, sheet::projectLine(kNoteUnderscores));
    page.add(kLabelX, 30, sheet::translated(kHoursHeading));
    page.add(kSummerX, 30, sheet::translated(kSummerHeading));
    page.add(kWinterX, 30, sheet::translated(kWinterHeading));
    page.add(kEquinoxX, 30, sheet::translated(kEquinoxHeading));
    for (std::size_t row = 0; row < kCurveRows.size(); ++row) {
        const double y = kFirstRowY + kRowStepY * static_cast<double>(row);
        page.add(kLabelX, y, kCurveRows[row].label);
        page.add(kSummerX, y, field(kCurveRows[row].summer));
        page.add(kWinterX, y, field(kCurveRows[row].winter));
        if (row == sheet::kHorizontalCurveNoonRow)
            page.add(kEquinoxX, y, field(kEquinoxNoonField));
    }
    page.add(kLabelX, 180, sheet::translated(kStyleLine) + sheet::withUnit(field("s"), sheet::kMillimetreUnit));
    page.add(kLabelX, 190, sheet::translated(kBaseLine) + sheet::withUnit(field("b"), sheet::kMillimetreUnit));
    page.add(kLabelX, 200, sheet::translated(kHeightLine) + sheet::withUnit(field("h"), sheet::kMillimetreUnit));
    // From the page's left margin: the line names the point the distances are measured from in
    // full, and in English too it must stay on the page.
    page.add(12, 38, sheet::translated(kDistanceUnits));
    page.add(40, 260, sheet::translated(sheet::kCreditLine));
    return page;
}

} // namespace horizontal
