// The zodiac and anniversary curves: the 15 x 5 table with its dashes, the southern sign
// declinations shown, the refusals, the agreement with the solstice sheet, and every cell held
// against the shadow of the style's tip computed from the Sun's direction.

#include "sheet/verticalcurves.h"
#include "sheet/verticalstyle.h"
#include "sheet/zodiac.h"
#include "sheet/numbers.h"

#include "shadowframe.h"
#include "testsupport.h"

#include <QtTest/QtTest>

#include <cmath>

using namespace gnomonics;
using namespace sheet;

namespace {

// Half a unit of the last decimal of a zodiac cell ("#0.00").
constexpr double kHalfZodiacUnitMm = 0.005;
// Half a unit of the last decimal of a solstice cell ("#0.0").
constexpr double kHalfSolsticeUnitMm = 0.05;
// Double arithmetic on a shadow that grazes the wall, as a part of the distance (see the
// solstice test): invisible on every ordinary point.
constexpr double kGrazingRelative = 1e-9;

const char *const kDefaultsTag = "defaults";

std::string_view expectedZodiacDash(int clockHour, int column)
{
    if (clockHour == 11 || clockHour == 12)
        return kDashLong;
    if (clockHour >= 13 && clockHour <= 18)
        return kDashShort;
    return column == 0 ? kDashShort : kDashLong;
}

bool isDash(const std::string &text)
{
    return text == kDashShort || text == kDashLong;
}

} // namespace

class TestZodiac : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cells_data();
    void cells();
    void southernSignsShown_data();
    void southernSignsShown();
    void refusals_data();
    void refusals();
    void sunDeclinationRefusals_data();
    void sunDeclinationRefusals();
    void mirrorsComeFromTheValuesGiven();
    void cellRoundingBoundary_data();
    void cellRoundingBoundary();
    void solsticeDeclinationsReproduceTheSolsticeSheet_data();
    void solsticeDeclinationsReproduceTheSolsticeSheet();
    void anniversaryNotFiniteDashesOnlyItsColumn();
    void neverShowsNanOrInf_data();
    void neverShowsNanOrInf();
    void tableMatchesTheShadowOfTheTip();
};

void TestZodiac::cells_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<double>("sign1");
    QTest::addColumn<double>("sign2");
    QTest::addColumn<double>("anniversary");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QStringList>("texts");

    const QString s6 = QStringLiteral("------");
    const QString s7 = QStringLiteral("-------");
    auto row = [](const QString &tag, double lat, double dcl, double style, double d1, double d2,
                  double d5, int hour, const QStringList &texts) {
        QTest::newRow(qPrintable(tag)) << lat << dcl << style << d1 << d2 << d5 << hour << texts;
    };

    // The sheet's worked example with its defaults (latitude 38,1167); rows 14 and 15 show
    // the points the Sun really lights (the southern signs and the equinox at 14). In the
    // early rows only the days whose Sun has risen keep their points: at this latitude it
    // rises at 4.53 (declination 20,16), 5.23 (11,48), 6.00 (equinox), 6.37 (-11,48) and
    // 7.07 (-20,16), from cos H = -tan(latitude) tan(declination).
    const double L = 38.1167, D = 38, S = 40.32, D1 = 20.16, D2 = 11.48;
    const QList<QStringList> defaults{
        {"129,94", s7, s7, s7, s7},
        {"90,78", "71,93", s7, s7, "57,22"},
        {"77,75", "64,45", "45,28", s7, "53,19"},
        {"73,00", "61,59", "44,40", "39,90", "51,60"},
        {"72,78", "61,45", "44,36", "39,88", "51,52"},
        {"76,95", "63,98", "45,13", "40,33", "52,93"},
        {"88,69", "70,77", "47,17", "41,57", "56,61"},
        {"122,77", "88,13", "51,89", "44,50", "65,32"},
        {"337,32", "151,46", "64,06", "51,95", "90,04"},
        {s6, s6, "106,18", "74,52", "224,06"},
        {s6, s6, "732,04", "185,49", s6},
        {s6, s6, s6, s6, s6},
        {s6, s6, s6, s6, s6},
        {s6, s6, s6, s6, s6},
        {s6, s7, s7, s7, s7},
    };
    for (int i = 0; i < kVerticalRows; ++i)
        row(QStringLiteral("%1, %2 o'clock line").arg(QLatin1String(kDefaultsTag)).arg(i + 5), L, D,
            S, D1, D2, 0, i + 5, defaults[i]);

    // Latitude 45, declination 10, style 50, anniversary 23,44: the worked edge case with the
    // points the Sun lights in the early morning and late afternoon.
    auto wall45 = [&](int hour, const char *what, const QStringList &texts) {
        row(QStringLiteral("lat 45 decl 10 anniversary 23,44, %1 o'clock%2").arg(hour).arg(QLatin1String(what)),
            45, 10, 50, D1, D2, 23.44, hour, texts);
    };
    // At latitude 45 the Sun rises at 4.34 (anniversary 23,44), 4.56 (20,16), 5.13 (11,48),
    // 6.47 (-11,48) and 7.26 (-20,16), and sets as far after noon: the southern signs lit by
    // the wall in the early morning and late afternoon are below the horizon then.
    wall45(5, ": northern signs behind the wall, southern ones not risen", {s6, s7, s7, s7, s7});
    wall45(6, ": Gemini and the anniversary behind the wall", {s6, "1113,56", s7, s7, s7});
    wall45(7, ": Sagittarius not risen", {"421,68", "188,45", "79,53", s7, "845,36"});
    wall45(12, "", {"111,73", "88,73", "58,77", "51,72", "124,84"});
    wall45(15, "", {"345,92", "172,74", "77,13", "63,04", "582,31"});
    wall45(16, "", {s6, "642,06", "106,70", "79,82", s6});
    wall45(17, ": Sagittarius has set", {s6, s6, "226,24", s6, s6});
    wall45(18, ": the southern signs have set", {s6, s6, s6, s6, s6});
    wall45(19, "", {s6, s7, s7, s7, s7});
}

void TestZodiac::cells()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(double, sign1);
    QFETCH(double, sign2);
    QFETCH(double, anniversary);
    QFETCH(int, hour);
    QFETCH(QStringList, texts);
    const ZodiacCells cells = ComputeZodiacTable(lat, dcl, style, 0, sign1, sign2, anniversary);
    const auto &got = cells[hour - kVerticalFirstHour];
    QStringList shown;
    for (const auto &t : got)
        shown << qs(t);
    QCOMPARE(shown, texts);
    // The sheet-level result writes the same table once the checks pass.
    const ZodiacSheetResult sheet = ComputeZodiacSheet(lat, dcl, style, 0, sign1, sign2, anniversary);
    QCOMPARE(sheet.refusal, sheet::Refusal::None);
    QVERIFY(sheet.cells == cells);
}

void TestZodiac::southernSignsShown_data()
{
    QTest::addColumn<double>("sign1");
    QTest::addColumn<double>("sign2");
    QTest::addColumn<QString>("dlc4");
    QTest::addColumn<QString>("dlc3");
    // Worked examples: the defaults, a Gemini value at the solstice, a negative one, zero.
    QTest::newRow("defaults 20,16 and 11,48") << 20.16 << 11.48 << "-20,16" << "-11,48";
    QTest::newRow("dlc1 23,45 shows -23,45") << 23.45 << 11.48 << "-23,45" << "-11,48";
    QTest::newRow("dlc1 -5 shows 5") << -5.0 << 11.48 << "5" << "-11,48";
    QTest::newRow("zero shows 0, no minus") << 0.0 << 0.0 << "0" << "0";
}

void TestZodiac::southernSignsShown()
{
    QFETCH(double, sign1);
    QFETCH(double, sign2);
    const ZodiacSheetResult r = ComputeZodiacSheet(38.1167, 38, 40.32, 0, sign1, sign2, 0);
    QCOMPARE(r.refusal, sheet::Refusal::None);
    QTEST(qs(r.dlc4), "dlc4");
    QTEST(qs(r.dlc3), "dlc3");
}

void TestZodiac::refusals_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<int>("refusal");
    const int missing = int(sheet::Refusal::Missing);
    const int negative = int(sheet::Refusal::Negative);
    const int range = int(sheet::Refusal::OutOfRange);
    QTest::newRow("declination 0 is a wall facing South") << 38.1167 << 0.0 << 40.32 << int(sheet::Refusal::None);
    QTest::newRow("latitude 0 is missing") << 0.0 << 38.0 << 40.32 << missing;
    QTest::newRow("style 0 is missing") << 38.1167 << 38.0 << 0.0 << missing;
    QTest::newRow("latitude -38 is negative") << -38.0 << 38.0 << 40.32 << negative;
    QTest::newRow("missing before negative") << -38.0 << 38.0 << 0.0 << missing;
    QTest::newRow("negative before out of range") << 90.0 << 38.0 << -2.0 << negative;
    QTest::newRow("latitude 90 is out of range") << 90.0 << 38.0 << 40.32 << range;
    QTest::newRow("declination 90 is out of range") << 38.1167 << 90.0 << 40.32 << range;
}

void TestZodiac::refusals()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(int, refusal);
    const ZodiacSheetResult r = ComputeZodiacSheet(lat, dcl, style, 0, 20.16, 11.48, 0);
    QCOMPARE(int(r.refusal), refusal);
    // Nothing half-filled: the sheet keeps its previous texts.
    if (refusal == int(sheet::Refusal::None))
        return;
    QVERIFY(r.dlc3.empty() && r.dlc4.empty());
    for (const auto &row : r.cells)
        for (const auto &cell : row)
            QVERIFY(cell.empty());
}

void TestZodiac::sunDeclinationRefusals_data()
{
    QTest::addColumn<double>("sign1");
    QTest::addColumn<double>("sign2");
    QTest::addColumn<double>("anniversary");
    QTest::addColumn<int>("refusal");
    const int none = int(sheet::Refusal::None);
    const int beyond = int(sheet::Refusal::SunDeclinationRange);
    // The Sun reaches 23,44 degrees at the solstices; the sheet takes the rounded 23,5.
    QTest::newRow("the solstice itself") << 23.44 << 11.48 << -23.44 << none;
    QTest::newRow("23,5 on each side") << 23.5 << -23.5 << 23.5 << none;
    QTest::newRow("sign just beyond 23,5") << 23.5000001 << 11.48 << 0.0 << beyond;
    QTest::newRow("second sign beyond -23,5") << 20.16 << -23.6 << 0.0 << beyond;
    QTest::newRow("anniversary at the pole") << 20.16 << 11.48 << 90.0 << beyond;
    QTest::newRow("anniversary far beyond") << 20.16 << 11.48 << -1e300 << beyond;
}

void TestZodiac::sunDeclinationRefusals()
{
    QFETCH(double, sign1);
    QFETCH(double, sign2);
    QFETCH(double, anniversary);
    QFETCH(int, refusal);
    QCOMPARE(int(ComputeZodiacSheet(38.1167, 38, 40.32, 0, sign1, sign2, anniversary).refusal), refusal);
    QCOMPARE(int(CheckZodiacInputs(38.1167, 38, 40.32, sign1, sign2, anniversary)), refusal);
    // The wall's own refusals come first.
    QCOMPARE(int(CheckZodiacInputs(0, 38, 40.32, sign1, sign2, anniversary)), int(sheet::Refusal::Missing));
}

void TestZodiac::mirrorsComeFromTheValuesGiven()
{
    // Columns 3 and 4 are the curves of -d2 and -d1 themselves: with a value whose general
    // form would round (many digits), the columns still equal those of the exact opposite.
    const double d1 = 17.123456789012345, d2 = 8.987654321098765;
    const auto decl = ZodiacDeclinationsDeg(d1, d2, 3.0);
    QCOMPARE(decl[0], d1);
    QCOMPARE(decl[1], d2);
    QCOMPARE(decl[2], -d2);
    QCOMPARE(decl[3], -d1);
    QCOMPARE(decl[4], 3.0);
    const ZodiacCells a = ComputeZodiacTable(38.1167, 38, 40.32, 0, d1, d2, 0);
    const ZodiacCells b = ComputeZodiacTable(38.1167, 38, 40.32, 0, -d2, -d1, 0);
    for (int row = 0; row < kVerticalRows; ++row) {
        // The dashes differ only by the column's pattern; compare the numbers.
        if (!isDash(a[row][2]))
            QCOMPARE(qs(a[row][2]), qs(b[row][0]));
        if (!isDash(a[row][3]))
            QCOMPARE(qs(a[row][3]), qs(b[row][1]));
    }
}

void TestZodiac::cellRoundingBoundary_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("text");
    // Distances are proportional to the style: put the defaults' 9 o'clock anniversary point
    // at 100,005 mm and probe either side of the cell's rounding.
    QTest::newRow("100,005 less a little rounds down") << (1.0 - 1e-10) << "100,00";
    QTest::newRow("100,005 plus a little rounds up") << (1.0 + 1e-10) << "100,01";
}

void TestZodiac::cellRoundingBoundary()
{
    QFETCH(double, scale);
    const VerticalStyle unit = MakeVerticalStyle(38.1167, 38, 1.0, 0);
    const auto perMm = ShadowDistanceMm(unit, HourAngleRad(unit, 9), 0.0);
    QVERIFY(perMm.has_value());
    const ZodiacCells cells =
        ComputeZodiacTable(38.1167, 38, 100.005 / *perMm * scale, 0, 20.16, 11.48, 0);
    QTEST(qs(cells[9 - kVerticalFirstHour][4]), "text");
}

void TestZodiac::solsticeDeclinationsReproduceTheSolsticeSheet_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::newRow("solstice sheet defaults") << 38.1217 << 38.0 << 40.32;
    QTest::newRow("zodiac sheet defaults") << 38.1167 << 38.0 << 40.32;
    QTest::newRow("lat 45 decl 10 style 50") << 45.0 << 10.0 << 50.0;
    QTest::newRow("lat 60 decl 70 style 25") << 60.0 << 70.0 << 25.0;
    QTest::newRow("lat 12,5 decl 5 style 120") << 12.5 << 5.0 << 120.0;
}

void TestZodiac::solsticeDeclinationsReproduceTheSolsticeSheet()
{
    // Sign declinations 23,45 and -23,45 and anniversary 0: columns 1, 2 and 5 are the
    // solstice sheet's columns 1, 2 and 3 with two decimals instead of one; columns 3 and 4
    // repeat columns 1 and 2. Both sheets dash a cell exactly when the Sun is behind the wall,
    // so they dash the same cells (each with its own row pattern).
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    const ZodiacCells z = ComputeZodiacTable(lat, dcl, style, 0, 23.45, -23.45, 0);
    const VerticalCurvesResult v = ComputeVerticalCurves(lat, dcl, style, 0);
    QCOMPARE(v.refusal, sheet::Refusal::None);
    const int pairs[3][2] = {{0, 0}, {1, 1}, {4, 2}};
    int compared = 0;
    for (int row = 0; row < kVerticalRows; ++row) {
        for (const auto &p : pairs) {
            const std::string &zc = z[row][p[0]];
            const std::string &vc = v.cells[row][p[1]];
            QCOMPARE(isDash(zc), isDash(vc));
            if (isDash(zc))
                continue;
            // Each text is within half its unit of the same distance.
            HORALO_COMPARE_NEAR(*sheet::ReadNumber(zc), *sheet::ReadNumber(vc),
                                kHalfZodiacUnitMm + kHalfSolsticeUnitMm);
            // And rounding the two-decimal text's exact distance gives the one-decimal text,
            // except where the two-decimal text itself sits on the one-decimal boundary.
            const double two = *sheet::ReadNumber(zc);
            if (std::abs(std::fmod(two * 10.0, 1.0) - 0.5) > 0.051)
                QCOMPARE(qs(sheet::FormatFixed(two, sheet::Mask::OneDecimal)), qs(vc));
            ++compared;
        }
        for (int c : {0, 1}) {
            const std::string &repeat = z[row][c + 2];
            if (isDash(repeat))
                QCOMPARE(isDash(z[row][c]), true);
            else
                QCOMPARE(qs(repeat), qs(z[row][c]));
        }
    }
    QVERIFY(compared > 0);
}

void TestZodiac::anniversaryNotFiniteDashesOnlyItsColumn()
{
    // A value that makes a cell non-finite dashes that cell and nothing else.
    const ZodiacCells ok = ComputeZodiacTable(38.1167, 38, 40.32, 0, 20.16, 11.48, 0);
    for (double bad : {double(NAN), double(INFINITY), -double(INFINITY)}) {
        const ZodiacCells r = ComputeZodiacTable(38.1167, 38, 40.32, 0, 20.16, 11.48, bad);
        for (int row = 0; row < kVerticalRows; ++row) {
            for (int c = 0; c < 4; ++c)
                QCOMPARE(qs(r[row][c]), qs(ok[row][c]));
            QCOMPARE(qs(r[row][4]), qs(std::string(expectedZodiacDash(row + kVerticalFirstHour, 4))));
        }
    }
}

void TestZodiac::neverShowsNanOrInf_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<double>("sign1");
    QTest::addColumn<double>("anniversary");
    QTest::newRow("latitude just below 90") << 89.9999999 << 38.0 << 40.32 << 20.16 << 0.0;
    QTest::newRow("declination just below 90") << 38.1167 << 89.9999999 << 40.32 << 20.16 << 0.0;
    QTest::newRow("style near the largest double") << 38.1167 << 38.0 << 1e308 << 20.16 << 0.0;
    QTest::newRow("Sun at its farthest") << 38.1167 << 38.0 << 40.32 << 23.5 << -23.5;
}

void TestZodiac::neverShowsNanOrInf()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(double, sign1);
    QFETCH(double, anniversary);
    const ZodiacSheetResult r = ComputeZodiacSheet(lat, dcl, style, 0, sign1, 11.48, anniversary);
    QCOMPARE(r.refusal, sheet::Refusal::None);
    for (int row = 0; row < kVerticalRows; ++row)
        for (int c = 0; c < kZodiacColumns; ++c) {
            const std::string &cell = r.cells[row][c];
            QVERIFY2(isDash(cell) || sheet::ReadNumber(cell).has_value(), cell.c_str());
            if (isDash(cell))
                QCOMPARE(qs(cell), qs(std::string(expectedZodiacDash(row + kVerticalFirstHour, c))));
        }
}

void TestZodiac::tableMatchesTheShadowOfTheTip()
{
    // Random vertical walls and random sign and anniversary declinations within the Sun's
    // range: every shown distance against the shadow of the tip, every dash against the Sun
    // standing behind the wall, every dash text against its row's pattern.
    shadowframe::Uniform random(5050);
    double maxErrorUnits = 0; // in units of the last shown decimal, 0,01 mm
    int shown = 0, dashed = 0;
    for (int wall = 0; wall < 3000; ++wall) {
        const double lat = random.in(0.05, 89.95);
        const double dcl = random.in(0.05, 89.95);
        const double styleMm = random.in(5.0, 200.0);
        const double d1 = random.in(-23.45, 23.45);
        const double d2 = random.in(-23.45, 23.45);
        const double d5 = random.in(-23.45, 23.45);
        const auto decl = ZodiacDeclinationsDeg(d1, d2, d5);
        const ZodiacSheetResult r = ComputeZodiacSheet(lat, dcl, styleMm, 0, d1, d2, d5);
        QCOMPARE(r.refusal, sheet::Refusal::None);
        for (int row = 0; row < kVerticalRows; ++row) {
            const int hour = kVerticalFirstHour + row;
            const double h = shadowframe::rowHourAngleFromNoonDeg(lat, dcl, 0, hour);
            for (int c = 0; c < kZodiacColumns; ++c) {
                const auto shadow = shadowframe::tipShadow(lat, dcl, 0, styleMm, h, decl[c]);
                const std::string &cell = r.cells[row][c];
                const QString where =
                    QStringLiteral("lat %1 decl %2 style %3, %4 o'clock, sun %5: %6")
                        .arg(lat, 0, 'g', 17).arg(dcl, 0, 'g', 17).arg(styleMm, 0, 'g', 17)
                        .arg(hour).arg(decl[c], 0, 'g', 17).arg(qs(cell));
                if (!shadowframe::traceable(shadow, lat, hour, decl[c])) {
                    QVERIFY2(cell == expectedZodiacDash(hour, c), qPrintable(where));
                    ++dashed;
                    continue;
                }
                const auto value = sheet::ReadNumber(cell);
                QVERIFY2(value.has_value(), qPrintable(where));
                const double err = std::abs(*value - shadow.distanceMm);
                if (!(err <= kHalfZodiacUnitMm + kGrazingRelative * shadow.distanceMm))
                    QFAIL(qPrintable(where + QStringLiteral(" vs %1").arg(shadow.distanceMm, 0, 'g', 15)));
                maxErrorUnits = std::max(maxErrorUnits, err / 0.01);
                ++shown;
            }
        }
    }
    qInfo("random walls: %d cells shown, %d dashed; largest error %.6f units of 0,01 mm",
          shown, dashed, maxErrorUnits);
    QVERIFY(shown > 0 && dashed > 0);
}

QTEST_APPLESS_MAIN(TestZodiac)
#include "test_zodiac.moc"
