#include "horizontal/curvesreport.h"

#include "horizontal/curvefields.h"

namespace horizontal {

namespace {

const char *const kTitle = "MERIDIANA   ORIZZONTALE   LAT.=";
const char *const kHoursHeading = "Ore";
const char *const kSummerHeading = "SE";
const char *const kWinterHeading = "SI";
const char *const kEquinoxHeading = "Eq";
const char *const kStyleLine = "Stilo     = ";
const char *const kBaseLine = "Base      = ";
const char *const kHeightLine = "Altezza   = ";

const char *const kDistanceUnits = "Distanze in mm dal centro O lungo le linee orarie";

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
    page.add(64, 10, kTitle + sheet::withUnit(field("Latx"), sheet::kDegreeUnit));
    page.add(12, 20, sheet::projectLine(kNoteUnderscores));
    page.add(kLabelX, 30, kHoursHeading);
    page.add(kSummerX, 30, kSummerHeading);
    page.add(kWinterX, 30, kWinterHeading);
    page.add(kEquinoxX, 30, kEquinoxHeading);
    for (std::size_t row = 0; row < kCurveRows.size(); ++row) {
        const double y = kFirstRowY + kRowStepY * static_cast<double>(row);
        page.add(kLabelX, y, kCurveRows[row].label);
        page.add(kSummerX, y, field(kCurveRows[row].summer));
        page.add(kWinterX, y, field(kCurveRows[row].winter));
        if (row == gnomonics::kHorizontalCurveNoonRow)
            page.add(kEquinoxX, y, field(kEquinoxNoonField));
    }
    page.add(kLabelX, 180, kStyleLine + sheet::withUnit(field("s"), sheet::kMillimetreUnit));
    page.add(kLabelX, 190, kBaseLine + sheet::withUnit(field("b"), sheet::kMillimetreUnit));
    page.add(kLabelX, 200, kHeightLine + sheet::withUnit(field("h"), sheet::kMillimetreUnit));
    page.add(kLabelX, 38, kDistanceUnits);
    page.add(40, 260, sheet::kCreditLine);
    return page;
}

} // namespace horizontal
