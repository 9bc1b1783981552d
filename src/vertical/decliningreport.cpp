#include "vertical/decliningreport.h"

#include "sheet/translation.h"

#include <array>

namespace vertical {

namespace {

const char *const kTitle = QT_TRANSLATE_NOOP("horalo", "MERIDIANA   VERTICALE   LAT.=");
const char *const kDeclinationEast = QT_TRANSLATE_NOOP("horalo", "DCL EST =");
const char *const kDeclinationWest = QT_TRANSLATE_NOOP("horalo", "DCL OVEST =");

constexpr int kFontPt = 12;
constexpr double kTitleX = 64, kTitleY = 10;
constexpr double kDeclinationX = 150;
constexpr double kProjectX = 12, kProjectY = 22;
constexpr int kNoteUnderscores = 12;
constexpr double kHourX = 80, kFirstHourY = 34, kHourStepY = 8;
constexpr double kCreditX = 40, kCreditY = 280;

struct HourLine {
    const char *label;
    const char *field;
};

// 5.00 to 20.00; the sheet's 4.30 is not printed.
constexpr std::array<HourLine, 31> kEastLines{{
    {" 5.00 =  ", "cinque"},      {" 5.30 =  ", "cinque5"},      {" 6.00 =  ", "SEI"},
    {" 6.30 =  ", "SEI5"},        {" 7.00 =  ", "SETTE"},        {" 7.30 =  ", "SETTE5"},
    {" 8.00 =  ", "OTTO"},        {" 8.30 =  ", "OTTO5"},        {" 9.00 =  ", "NOVE"},
    {" 9.30 =  ", "NOVE5"},       {"10.00 =  ", "DIECI"},        {"10.30 =  ", "DIECI5"},
    {"11.00 =  ", "UNDICI"},      {"11.30 =  ", "UNDICI5"},      {"12.00 =  ", "DODICI"},
    {"12.30 =  ", "dodici5"},     {"13.00 =  ", "tredici"},      {"13.30 =  ", "tredici5"},
    {"14.00 =  ", "QUATT"},       {"14.30 =  ", "QUATT5"},       {"15.00 =  ", "QUINDICI"},
    {"15.30 =  ", "QUINDICI5"},   {"16.00 =  ", "SEDICI"},       {"16.30 =  ", "SEDICI5"},
    {"17.00 =  ", "DICIASETTE"},  {"17.30 =  ", "DICIASETTE5"},  {"18.00 =  ", "diciotto"},
    {"18.30 =  ", "diciotto5"},   {"19.00 =  ", "diciannove"},   {"19.30 =  ", "diciannove5"},
    {"20.00 =  ", "venti"},
}};

// The last East line stands 6 below the one before it, not 8.
constexpr double kEastLastY = 272;

// 19.00 down to 5.00, each hour with the field that stands beside it on the West sheet; the
// irregular leading blanks are the design's.
constexpr std::array<HourLine, 29> kWestLines{{
    {" 19.00 =  ", "cinque"},     {" 18.30 =  ", "cinque5"},     {" 18.00 =  ", "SEI"},
    {" 17.30 =  ", "SEI5"},       {" 17.00 =  ", "SETTE"},       {" 16.30 =  ", "SETTE5"},
    {" 16.00 =  ", "OTTO"},       {" 15.30 =  ", "OTTO5"},       {" 15.00 =  ", "NOVE"},
    {" 14.30 =  ", "NOVE5"},      {"14.00 =  ", "DIECI"},        {"13.30 =  ", "DIECI5"},
    {"13.00 =  ", "UNDICI"},      {"12.30 =  ", "UNDICI5"},      {"12.00 =  ", "DODICI"},
    {"11.30 =  ", "dodici5"},     {"11.00 =  ", "tredici"},      {"10.30 =  ", "tredici5"},
    {"10.00 =  ", "QUATT"},       {" 9.30 =  ", "QUATT5"},       {" 9.00 =  ", "QUINDICI"},
    {" 8.30 =  ", "QUINDICI5"},   {" 8.00 =  ", "SEDICI"},       {" 7.30 =  ", "SEDICI5"},
    {" 7.00 =  ", "DICIASETTE"},  {" 6.30 =  ", "DICIASETTE5"},  {" 6.00 =  ", "diciotto"},
    {"5.30 =  ", "diciotto5"},    {"5.00 =  ", "diciannove"},
}};

template <std::size_t N>
void addHourLines(sheet::ReportPage &page, const std::array<HourLine, N> &lines, const sheet::FieldText &field,
                  double lastY)
{
    for (std::size_t k = 0; k < N; ++k) {
        const double y = k + 1 == N ? lastY : kFirstHourY + kHourStepY * static_cast<double>(k);
        page.add(kHourX, y, lines[k].label + sheet::withUnit(field(lines[k].field), sheet::kDegreeUnit));
    }
}

} // namespace

sheet::ReportPage BuildDecliningReport(sheet::WallSide side, const sheet::FieldText &field)
{
    const bool east = side == sheet::WallSide::East;
    sheet::ReportPage page;
    page.fontPt = kFontPt;
    page.add(kTitleX, kTitleY, sheet::translated(kTitle) + sheet::withUnit(field("LATX"), sheet::kDegreeUnit));
    page.add(kDeclinationX, kTitleY,
             sheet::translated(east ? kDeclinationEast : kDeclinationWest) + sheet::withUnit(field("DCL1"), sheet::kDegreeUnit));
    page.add(kProjectX, kProjectY, sheet::projectLine(kNoteUnderscores));
    if (east)
        addHourLines(page, kEastLines, field, kEastLastY);
    else
        addHourLines(page, kWestLines, field, kFirstHourY + kHourStepY * (kWestLines.size() - 1));
    page.add(kCreditX, kCreditY, sheet::translated(sheet::kCreditLine));
    return page;
}

} // namespace vertical
