#include "horizontal/hourreport.h"

#include "sheet/translation.h"

#include <array>

namespace horizontal {

namespace {

const char *const kTitle = QT_TRANSLATE_NOOP("horalo", "MERIDIANA ORIZZONTALE   LAT.=");

struct HourLine {
    const char *label;
    const char *field;
};

// 5.00 to 19.00; after noon the morning field of the mirrored hour.
constexpr std::array<HourLine, 29> kLines{{
    {" 5.00 =  ", "V"},     {" 5.30 =  ", "V5"},    {" 6.00 =  ", "VI"},    {" 6.30 =  ", "VI5"},
    {" 7.00 =  ", "VII"},   {" 7.30 =  ", "VII5"},  {" 8.00 =  ", "VIII"},  {" 8.30 =  ", "VIII5"},
    {" 9.00 =  ", "IX"},    {" 9.30 =  ", "IX5"},   {"10.00 =  ", "X"},     {"10.30 =  ", "X5"},
    {"11.00 =  ", "XI"},    {"11.30 =  ", "XI5"},   {"12.00 =  ", "xii"},   {"12.30 =  ", "XI5"},
    {"13.00 =  ", "XI"},    {"13.30 =  ", "X5"},    {"14.00 =  ", "X"},     {"14.30 =  ", "IX5"},
    {"15.00 =  ", "IX"},    {"15.30 =  ", "VIII5"}, {"16.00 =  ", "VIII"},  {"16.30 =  ", "VII5"},
    {"17.00 =  ", "VII"},   {"17.30 =  ", "VI5"},   {"18.00 =  ", "VI"},    {"18.30 =  ", "V5"},
    {"19.00 =  ", "V"},
}};

} // namespace

sheet::ReportPage BuildHourReport(const sheet::FieldText &field)
{
    sheet::ReportPage page;
    page.fontPt = 12;
    page.add(69, 10, sheet::translated(kTitle) + sheet::withUnit(field("LAT"), sheet::kDegreeUnit));
    page.add(12, 22, sheet::projectLine(12));
    for (std::size_t k = 0; k < kLines.size(); ++k)
        page.add(80, 34 + 8.0 * static_cast<double>(k), kLines[k].label + sheet::withUnit(field(kLines[k].field), sheet::kDegreeUnit));
    page.add(40, 268, sheet::translated(sheet::kCreditLine));
    return page;
}

} // namespace horizontal
