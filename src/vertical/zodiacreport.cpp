#include "vertical/zodiacreport.h"

#include "sheet/translation.h"

#include "sheet/zodiac.h"
#include "vertical/verticalreport.h"

#include <array>

namespace vertical {

namespace {

const char *const kDeclinationEast = QT_TRANSLATE_NOOP("horalo", "DCL EST =");
const char *const kDeclinationWest = QT_TRANSLATE_NOOP("horalo", "DCL Ovest =");
const char *const kHoursHeading = QT_TRANSLATE_NOOP("horalo", "Ore");
const char *const kDeclinationRow = QT_TRANSLATE_NOOP("horalo", "Decl.");
const char *const kStyleLength = QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo = ");

struct Column {
    double xMm;
    const char *firstHeading;
    const char *secondHeading; // nullptr: the anniversary has one heading line
};

// Each sign pair shares one curve: the Sun crosses the same declination entering both signs.
constexpr std::array<Column, sheet::kZodiacColumns> kColumns{{
    {50, QT_TRANSLATE_NOOP("horalo", "Gem.li"), QT_TRANSLATE_NOOP("horalo", "Leone")},
    {80, QT_TRANSLATE_NOOP("horalo", "Toro"), QT_TRANSLATE_NOOP("horalo", "Vergine")},
    {110, QT_TRANSLATE_NOOP("horalo", "Scorp"), QT_TRANSLATE_NOOP("horalo", "Pesci")},
    {140, QT_TRANSLATE_NOOP("horalo", "Acq."), QT_TRANSLATE_NOOP("horalo", "Sagit.")},
    {170, QT_TRANSLATE_NOOP("horalo", "An.rio"), nullptr},
}};
constexpr double kHourXMm = 30;
// The fields that hold each column's declination: the two signs, their southern mirrors and
// the anniversary.
constexpr std::array<const char *, sheet::kZodiacColumns> kDeclinationFields{"dlc1", "dlc2", "dlc3", "dlc4", "an"};
constexpr double kFirstHeadingYMm = 29;
constexpr double kSecondHeadingYMm = 33;

} // namespace

sheet::ReportPage BuildZodiacReport(const sheet::FieldText &field, Side side)
{
    sheet::ReportPage page = StartVerticalReport(field, sheet::translated(side == Side::East ? kDeclinationEast : kDeclinationWest));
    page.add(kHourXMm, kFirstHeadingYMm, sheet::translated(kHoursHeading));
    for (const Column &column : kColumns)
        page.add(column.xMm, kFirstHeadingYMm, sheet::translated(column.firstHeading));
    for (const Column &column : kColumns)
        if (column.secondHeading)
            page.add(column.xMm, kSecondHeadingYMm, sheet::translated(column.secondHeading));
    for (int hour = sheet::kVerticalFirstHour; hour <= sheet::kVerticalLastHour; ++hour) {
        const double y = hourLineYMm(hour);
        const int row = rowOfClockHour(hour, side);
        page.add(kHourXMm, y, hourText(hour));
        for (int c = 0; c < sheet::kZodiacColumns; ++c)
            page.add(kColumns[static_cast<std::size_t>(c)].xMm, y, field(cellName(row, c + 1)));
    }
    AddVerticalLegend(page, kHourXMm, 190);
    // The Sun's declination of each curve under its column, and the style the table is for.
    page.add(kHourXMm, 200, sheet::translated(kDeclinationRow));
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        page.add(kColumns[c].xMm, 200, sheet::withUnit(field(kDeclinationFields[c]), sheet::kDegreeUnit));
    page.add(kHourXMm, 208, sheet::translated(kStyleLength) + sheet::withUnit(field("s"), sheet::kMillimetreUnit));
    FinishVerticalReport(page);
    return page;
}

} // namespace vertical
