#include "vertical/verticalreport.h"

#include "gnomonics/verticalcurves.h"

namespace vertical {

namespace {

const char *const kTitle = "MERIDIANA   VERTICALE   LAT.=";
constexpr int kFontPt = 9;
constexpr int kNoteUnderscores = 18;

} // namespace

sheet::ReportPage StartVerticalReport(const sheet::FieldText &field, const std::string &declinationCaption)
{
    sheet::ReportPage page;
    page.fontPt = kFontPt;
    page.add(64, 10, kTitle + field("Latx"));
    page.add(150, 10, declinationCaption + field("DCL1"));
    page.add(12, 20, sheet::projectLine(kNoteUnderscores));
    return page;
}

void FinishVerticalReport(sheet::ReportPage &page)
{
    page.add(40, 260, sheet::kCreditLine);
}

double hourLineYMm(int clockHour)
{
    return 40.0 + 10.0 * (clockHour - gnomonics::kVerticalFirstHour);
}

} // namespace vertical
