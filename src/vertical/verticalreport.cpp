#include "vertical/verticalreport.h"

#include "sheet/translation.h"

#include "sheet/verticalcurves.h"

namespace vertical {

namespace {

const char *const kTitle = QT_TRANSLATE_NOOP("horalo", "MERIDIANA   VERTICALE   LAT.=");
constexpr int kFontPt = 9;
constexpr int kNoteUnderscores = 18;
const char *const kDistanceUnits = QT_TRANSLATE_NOOP("horalo", "Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie");

} // namespace

sheet::ReportPage StartVerticalReport(const sheet::FieldText &field, const std::string &declinationCaption)
{
    sheet::ReportPage page;
    page.fontPt = kFontPt;
    page.add(64, 10, sheet::translated(kTitle) + sheet::withUnit(field("Latx"), sheet::kDegreeUnit));
    page.add(150, 10, declinationCaption + sheet::withUnit(field("DCL1"), sheet::kDegreeUnit));
    page.add(12, 20, sheet::projectLine(kNoteUnderscores));
    return page;
}

void AddVerticalLegend(sheet::ReportPage &page, double xMm, double yMm)
{
    page.add(xMm, yMm, sheet::translated(kDistanceUnits));
}

void FinishVerticalReport(sheet::ReportPage &page)
{
    page.add(40, 260, sheet::translated(sheet::kCreditLine));
}

double hourLineYMm(int clockHour)
{
    return 40.0 + 10.0 * (clockHour - sheet::kVerticalFirstHour);
}

} // namespace vertical
