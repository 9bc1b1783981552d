// The vertical solstice and equinox curves: the style's construction values, the 15 x 3
// table with its dashes, the refusals, and the shared geometry of verticalstyle.h held
// against the shadow of the tip computed from the Sun's direction.

#include "gnomonics/angles.h"
#include "sheet/verticalcurves.h"
#include "sheet/verticalstyle.h"
#include "sheet/numbers.h"

#include "shadowframe.h"
#include "testsupport.h"

#include <QtTest/QtTest>

#include <cmath>

using namespace gnomonics;
using namespace sheet;

namespace {

// Half a unit of the last decimal a cell shows ("#0.0"): the most a correct cell may differ
// from the true distance by its rounding alone.
constexpr double kHalfCellUnitMm = 0.05;
// Double arithmetic on a shadow that grazes the wall: the distance grows like s / N with N
// the Sun's component along the normal, and so does its relative rounding error. One part in
// 10^9 of the distance covers the grazing points random walls can produce (far beyond any
// real wall) and is invisible on every ordinary point; the run prints how much of it was used.
constexpr double kGrazingRelative = 1e-9;
// Directions on the wall from two independent computations agree to the last bits.
constexpr double kDirectionTolDeg = 1e-7;

using shadowframe::Uniform;
using shadowframe::rowHourAngleFromNoonDeg;

bool isDash(const std::string &text)
{
    return text == kDashShort || text == kDashLong;
}

std::string_view expectedSolsticeDash(int clockHour, int column)
{
    if (clockHour >= 9 && clockHour <= 12)
        return kDashLong;
    if (clockHour >= 13 && clockHour <= 18)
        return kDashShort;
    return column == 0 ? kDashShort : kDashLong;
}

double wrapDeg(double a)
{
    while (a > 180.0)
        a -= 360.0;
    while (a <= -180.0)
        a += 360.0;
    return a;
}

} // namespace

class TestVerticalCurves : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void derivedTexts_data();
    void derivedTexts();
    void cells_data();
    void cells();
    void substyleTimeAngleIsRoundedBeforeTheRows_data();
    void substyleTimeAngleIsRoundedBeforeTheRows();
    void refusals_data();
    void refusals();
    void negativeInclinationIsComputed();
    void cellRoundingBoundary_data();
    void cellRoundingBoundary();
    void equinoxPointAtTwoLeavesTheWall_data();
    void equinoxPointAtTwoLeavesTheWall();
    void existenceBoundaryAtAnyHourAngle();
    void neverShowsNanOrInf_data();
    void neverShowsNanOrInf();
    void tableMatchesTheShadowOfTheTip();
    void inclinedWallsMatchTheShadowOfTheTip();
    void anyHourAngleMatchesTheShadowOfTheTip();
    void afternoonShadowTurnsToTheRight();
};

void TestVerticalCurves::derivedTexts_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<double>("incl");
    QTest::addColumn<QString>("e3");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("h");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("ts5");
    // The sheet's worked example with its default inputs.
    QTest::newRow("defaults 38,1217 / 38 / 40,32")
        << 38.1217 << 38.0 << 40.32 << 0.0 << "38,31" << "31,64" << "25,00" << "38,12" << "8,554";
    // Worked edge case: a wall declining little at a higher latitude.
    QTest::newRow("lat 45, decl 10, style 50")
        << 45.0 << 10.0 << 50.0 << 0.0 << "44,14" << "35,88" << "34,82" << "9,85" << "11,067";
    // Worked edge case: the defaults on a wall inclined by 10 degrees.
    QTest::newRow("defaults, inclination 10")
        << 38.1217 << 38.0 << 40.32 << 10.0 << "30,22" << "34,84" << "20,29" << "34,09" << "9,029";
}

void TestVerticalCurves::derivedTexts()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(double, incl);
    const VerticalCurvesResult r = ComputeVerticalCurves(lat, dcl, style, incl);
    QCOMPARE(r.refusal, sheet::Refusal::None);
    QTEST(qs(r.e3), "e3");
    QTEST(qs(r.b), "b");
    QTEST(qs(r.h), "h");
    QTEST(qs(r.f), "f");
    QTEST(qs(r.ts5), "ts5");
}

void TestVerticalCurves::cells_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<double>("incl");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("summer");
    QTest::addColumn<QString>("winter");
    QTest::addColumn<QString>("equinox");

    const QString s6 = QStringLiteral("------");
    const QString s7 = QStringLiteral("-------");
    auto row = [](const char *tag, double lat, double dcl, double style, double incl, int hour,
                  const QString &a, const QString &b, const QString &c) {
        QTest::newRow(tag) << lat << dcl << style << incl << hour << a << b << c;
    };

    // Defaults: rows 8 to 13 are the sheet's worked example; 14 to 19 are where the Sun
    // really lights the wall (the old whole-row rule hid the winter and equinox points at
    // 14 and the winter point at 15). At 5, 6 and 7 the winter Sun has not risen (it rises
    // after 7 at this latitude), nor has the equinox Sun at 5; at 6 it stands on the horizon
    // and its point stays.
    const double L = 38.1217, D = 38, S = 40.32;
    row("defaults, 5 o'clock: winter and equinox Sun below the horizon", L, D, S, 0, 5, "156,8", s7, s7);
    row("defaults, 6 o'clock: the equinox Sun on the horizon", L, D, S, 0, 6, "101,6", s7, "57,2");
    row("defaults, 7 o'clock: the winter Sun still down", L, D, S, 0, 7, "84,9", s7, "53,2");
    row("defaults, 8 o'clock line", L, D, S, 0, 8, "78,9", "38,3", "51,6");
    row("defaults, 9 o'clock line", L, D, S, 0, 9, "78,7", "38,3", "51,5");
    row("defaults, 10 o'clock line", L, D, S, 0, 10, "83,8", "38,7", "52,9");
    row("defaults, 11 o'clock line", L, D, S, 0, 11, "98,8", "39,7", "56,6");
    row("defaults, 12 o'clock line", L, D, S, 0, 12, "146,0", "42,1", "65,3");
    row("defaults, 13 o'clock line", L, D, S, 0, 13, "671,5", "48,2", "90,0");
    row("defaults, 14 o'clock: winter and equinox points lit", L, D, S, 0, 14, s6, "66,5", "224,0");
    row("defaults, 15 o'clock: winter point lit", L, D, S, 0, 15, s6, "142,3", s6);
    row("defaults, 16 o'clock line", L, D, S, 0, 16, s6, s6, s6);
    row("defaults, 17 o'clock line", L, D, S, 0, 17, s6, s6, s6);
    row("defaults, 18 o'clock line", L, D, S, 0, 18, s6, s6, s6);
    row("defaults, 19 o'clock line", L, D, S, 0, 19, s6, s7, s7);

    // Latitude 45, declination 10, style 50: the Sun behind the wall in the early morning
    // on summer days only, and lighting the winter curve late into the afternoon.
    // The winter Sun rises at 7.43 and sets at 16.17 there: the early and late winter
    // points the wall would show lie below the horizon.
    row("lat 45 decl 10, 5 o'clock: summer behind the wall, winter not risen", 45, 10, 50, 0, 5, s6, s7, s7);
    row("lat 45 decl 10, 6 o'clock: the equinox Sun on the horizon", 45, 10, 50, 0, 6, s6, s7, "206,6");
    row("lat 45 decl 10, 7 o'clock: winter not risen", 45, 10, 50, 0, 7, "848,0", s7, "111,9");
    row("lat 45 decl 10, 12 o'clock line", 45, 10, 50, 0, 12, "124,9", "49,3", "70,7");
    row("lat 45 decl 10, 15 o'clock line", 45, 10, 50, 0, 15, "583,6", "58,7", "106,6");
    row("lat 45 decl 10, 16 o'clock line", 45, 10, 50, 0, 16, s6, "72,4", "183,0");
    row("lat 45 decl 10, 17 o'clock: winter has set", 45, 10, 50, 0, 17, s6, s6, "2785,8");
    row("lat 45 decl 10, 18 o'clock line", 45, 10, 50, 0, 18, s6, s6, s6);
    row("lat 45 decl 10, 19 o'clock line", 45, 10, 50, 0, 19, s6, s7, s7);

    // The declination the note on walls that do not decline recommends: the equinox Sun at 6
    // and 18 grazes the wall from the horizon and its point lies 6.6e17 mm away. No number
    // beyond a kilometre is shown.
    row("declination 1e-7, 6 o'clock: equinox point at infinity", L, 0.0000001, S, 0, 6, s6, s7, s7);
    row("declination 1e-7, 18 o'clock: equinox point at infinity", L, 0.0000001, S, 0, 18, s6, s6, s6);
    row("declination 0, 6 o'clock: the same wall", L, 0.0, S, 0, 6, s6, s7, s7);

    // The defaults on a wall inclined by 10 degrees: row 14 is the worked edge case; 15 and
    // 16 keep the points the Sun lights.
    row("inclination 10, 14 o'clock line", L, D, S, 10, 14, "1902,9", "49,8", "97,0");
    row("inclination 10, 15 o'clock line", L, D, S, 10, 15, s6, "90,2", "3058,5");
    row("inclination 10, 16 o'clock line", L, D, S, 10, 16, s6, "20208,5", s6);
    row("inclination 10, 17 o'clock line", L, D, S, 10, 17, s6, s6, s6);
    row("inclination 10, 18 o'clock line", L, D, S, 10, 18, s6, s6, s6);
    row("inclination 10, 19 o'clock line", L, D, S, 10, 19, s6, s7, s7);
}

void TestVerticalCurves::cells()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(double, incl);
    QFETCH(int, hour);
    const VerticalCurvesResult r = ComputeVerticalCurves(lat, dcl, style, incl);
    QCOMPARE(r.refusal, sheet::Refusal::None);
    const auto &cells = r.cells[hour - kVerticalFirstHour];
    QTEST(qs(cells[0]), "summer");
    QTEST(qs(cells[1]), "winter");
    QTEST(qs(cells[2]), "equinox");
}

void TestVerticalCurves::substyleTimeAngleIsRoundedBeforeTheRows_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("roundedDeg");
    // Worked examples: 128,314 for the solstice sheet's defaults, 128,311 for the zodiac
    // sheet's latitude 38,1167, 165,998 for latitude 45 and declination 10.
    QTest::newRow("defaults: T 128,314") << 38.1217 << 38.0 << 128.314;
    QTest::newRow("zodiac defaults: T 128,311") << 38.1167 << 38.0 << 128.311;
    QTest::newRow("lat 45 decl 10: T 165,998") << 45.0 << 10.0 << 165.998;
}

void TestVerticalCurves::substyleTimeAngleIsRoundedBeforeTheRows()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, roundedDeg);
    const VerticalStyle style = MakeVerticalStyle(lat, dcl, 40.32, 0);
    QCOMPARE(style.substyleTimeAngleDeg, roundedDeg);
    // Every row starts from the rounded value: the hour angle of 12 o'clock is 180 - T.
    const double rad = gnomonics::angles::kRad;
    QCOMPARE(HourAngleRad(style, 12), (180.0 - roundedDeg) * rad);
    QCOMPARE(HourAngleRad(style, 5), (75.0 - roundedDeg) * rad);
}

void TestVerticalCurves::refusals_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<int>("refusal");
    const int missing = int(sheet::Refusal::Missing);
    const int negative = int(sheet::Refusal::Negative);
    const int range = int(sheet::Refusal::OutOfRange);
    const int none = int(sheet::Refusal::None);
    QTest::newRow("latitude 0 is missing") << 0.0 << 38.0 << 40.32 << missing;
    QTest::newRow("declination 0 is a wall facing South") << 38.1217 << 0.0 << 40.32 << none;
    QTest::newRow("style 0 is missing") << 38.1217 << 38.0 << 0.0 << missing;
    QTest::newRow("after a reset everything is missing") << 0.0 << 0.0 << 0.0 << missing;
    QTest::newRow("missing is told before negative") << 0.0 << -38.0 << 40.32 << missing;
    QTest::newRow("missing is told before out of range") << 95.0 << 38.0 << 0.0 << missing;
    QTest::newRow("latitude -38 is negative") << -38.0 << 38.0 << 40.32 << negative;
    QTest::newRow("declination -38 is negative") << 38.1217 << -38.0 << 40.32 << negative;
    QTest::newRow("style -1 is negative") << 38.1217 << 38.0 << -1.0 << negative;
    QTest::newRow("negative is told before out of range") << 95.0 << 38.0 << -1.0 << negative;
    QTest::newRow("latitude 90 is out of range") << 90.0 << 38.0 << 40.32 << range;
    QTest::newRow("declination 90 is out of range") << 38.1217 << 90.0 << 40.32 << range;
    QTest::newRow("declination 120 is out of range") << 38.1217 << 120.0 << 40.32 << range;
    QTest::newRow("latitude 89,999 is computed") << 89.999 << 38.0 << 40.32 << none;
    QTest::newRow("declination 89,999 is computed") << 38.1217 << 89.999 << 40.32 << none;
}

void TestVerticalCurves::refusals()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(int, refusal);
    const VerticalCurvesResult r = ComputeVerticalCurves(lat, dcl, style, 0);
    QCOMPARE(int(r.refusal), refusal);
    QCOMPARE(int(CheckVerticalWallInputs(lat, dcl, style)), refusal);
    if (r.refusal != sheet::Refusal::None) {
        // A refused result carries no half-filled texts.
        QVERIFY(r.e3.empty() && r.b.empty() && r.h.empty() && r.f.empty() && r.ts5.empty());
        for (const auto &row : r.cells)
            for (const auto &cell : row)
                QVERIFY(cell.empty());
    } else {
        for (const auto &row : r.cells)
            for (const auto &cell : row)
                QVERIFY(!cell.empty());
    }
}

void TestVerticalCurves::negativeInclinationIsComputed()
{
    // The inclination passes no check: a wall leaning forward by 5 degrees is computed.
    const VerticalCurvesResult r = ComputeVerticalCurves(38.1217, 38, 40.32, -5);
    QCOMPARE(r.refusal, sheet::Refusal::None);
    QVERIFY(sheet::ReadNumber(r.e3).has_value());
    QVERIFY(sheet::ReadNumber(r.cells[12 - kVerticalFirstHour][2]).has_value());
}

void TestVerticalCurves::cellRoundingBoundary_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("text");
    // The distances are proportional to the style, so a style chosen to put the defaults'
    // 9 o'clock equinox point at 100,05 mm probes both sides of the cell's rounding.
    QTest::newRow("100,05 less a little rounds down") << (1.0 - 1e-9) << "100,0";
    QTest::newRow("100,05 plus a little rounds up") << (1.0 + 1e-9) << "100,1";
}

void TestVerticalCurves::cellRoundingBoundary()
{
    QFETCH(double, scale);
    const VerticalStyle unit = MakeVerticalStyle(38.1217, 38, 1.0, 0);
    const auto perMm = ShadowDistanceMm(unit, HourAngleRad(unit, 9), 0.0);
    QVERIFY(perMm.has_value());
    const double styleMm = 100.05 / *perMm * scale;
    const VerticalCurvesResult r = ComputeVerticalCurves(38.1217, 38, styleMm, 0);
    QTEST(qs(r.cells[9 - kVerticalFirstHour][2]), "text");
}

void TestVerticalCurves::equinoxPointAtTwoLeavesTheWall_data()
{
    QTest::addColumn<double>("offsetDeg");
    QTest::addColumn<bool>("lit");
    // On the equinox the Sun leaves a vertical wall when its hour angle is 90 degrees from
    // the wall's normal. At latitude 38,1217 the normal's meridian lies 60 degrees before
    // noon when tan D = tan 60 sin(lat) (the substyle at 8 o'clock), so at 14 o'clock the
    // equinox Sun grazes the wall. A wall turned a little less towards East still has it.
    QTest::newRow("declination a little below: 14 o'clock equinox point lit") << -0.05 << true;
    QTest::newRow("declination a little above: 14 o'clock equinox point dashed") << 0.05 << false;
}

void TestVerticalCurves::equinoxPointAtTwoLeavesTheWall()
{
    QFETCH(double, offsetDeg);
    QFETCH(bool, lit);
    const double lat = 38.1217;
    const double grazing =
        shadowframe::toDeg(std::atan(std::tan(shadowframe::toRad(60.0)) * std::sin(shadowframe::toRad(lat))));
    const VerticalCurvesResult r = ComputeVerticalCurves(lat, grazing + offsetDeg, 40.32, 0);
    const std::string &cell = r.cells[14 - kVerticalFirstHour][2];
    if (lit) {
        const auto value = sheet::ReadNumber(cell);
        QVERIFY2(value.has_value(), cell.c_str());
        QVERIFY(*value > 1000.0); // a grazing Sun throws the shadow far away
    } else {
        QCOMPARE(qs(cell), QStringLiteral("------"));
    }
}

void TestVerticalCurves::existenceBoundaryAtAnyHourAngle()
{
    // For the defaults' wall the Sun of declination d leaves the wall where
    // sin d sin e + cos d cos e cos H = 0; probe a hair on either side of that hour angle,
    // morning and afternoon, for summer, winter and equinox, and ask the shadow model too.
    const VerticalStyle style = MakeVerticalStyle(38.1217, 38, 40.32, 0);
    const double normalHour = shadowframe::normalHourAngleDeg(38.1217, shadowframe::wallNormal(38, 0));
    for (double d : {23.45, -23.45, 0.0, 10.0}) {
        const double dr = shadowframe::toRad(d);
        const double edge = std::acos(-std::tan(dr) * std::tan(-shadowframe::toRad(StyleElevationDeg(style))));
        for (double side : {1.0, -1.0}) {
            for (double hair : {-1e-7, 1e-7}) {
                const double h = side * (edge + hair);
                const bool inside = hair < 0;
                QCOMPARE(SunInFrontOfWall(style, h, d), inside);
                QCOMPARE(ShadowDistanceMm(style, h, d).has_value(), inside);
                const auto shadow = shadowframe::tipShadow(38.1217, 38, 0, 40.32,
                                                           shadowframe::toDeg(h) + normalHour, d);
                QCOMPARE(shadow.sunInFront, inside);
            }
        }
    }
}

void TestVerticalCurves::neverShowsNanOrInf_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("dcl");
    QTest::addColumn<double>("style");
    QTest::addColumn<double>("incl");
    QTest::newRow("latitude just below 90") << 89.9999999 << 38.0 << 40.32 << 0.0;
    QTest::newRow("declination just below 90") << 38.1217 << 89.9999999 << 40.32 << 0.0;
    QTest::newRow("both just below 90") << 89.9999999 << 89.9999999 << 40.32 << 0.0;
    QTest::newRow("tiny latitude and declination") << 1e-300 << 1e-300 << 40.32 << 0.0;
    QTest::newRow("style near the largest double") << 38.1217 << 38.0 << 1e308 << 0.0;
    QTest::newRow("wall lying face up") << 38.1217 << 38.0 << 40.32 << 90.0;
    QTest::newRow("wall lying face down") << 38.1217 << 38.0 << 40.32 << -90.0;
    QTest::newRow("wall turned over") << 38.1217 << 38.0 << 40.32 << 180.0;
    QTest::newRow("inclination not finite") << 38.1217 << 38.0 << 40.32 << double(NAN);
    QTest::newRow("inclination infinite") << 38.1217 << 38.0 << 40.32 << double(INFINITY);
}

void TestVerticalCurves::neverShowsNanOrInf()
{
    QFETCH(double, lat);
    QFETCH(double, dcl);
    QFETCH(double, style);
    QFETCH(double, incl);
    const VerticalCurvesResult r = ComputeVerticalCurves(lat, dcl, style, incl);
    QCOMPARE(r.refusal, sheet::Refusal::None);
    auto shownOrDash = [](const std::string &text) {
        return isDash(text) || sheet::ReadNumber(text).has_value();
    };
    for (const std::string *t : {&r.e3, &r.b, &r.h, &r.f, &r.ts5})
        QVERIFY2(shownOrDash(*t), t->c_str());
    for (int row = 0; row < kVerticalRows; ++row)
        for (int c = 0; c < 3; ++c) {
            const std::string &cell = r.cells[row][c];
            QVERIFY2(shownOrDash(cell), cell.c_str());
            if (isDash(cell))
                QCOMPARE(qs(cell), qs(std::string(expectedSolsticeDash(row + kVerticalFirstHour, c))));
        }
}

void TestVerticalCurves::tableMatchesTheShadowOfTheTip()
{
    // Random vertical walls: every shown distance against the shadow of the tip, every dash
    // against the Sun standing behind the wall or below the horizon, every dash text against its row's pattern,
    // and the direction of the hour line against the direction of the shadow.
    Uniform random(20020505);
    double maxErrorUnits = 0; // in units of the last shown decimal
    double maxBeyondRoundingRelative = 0; // what the grazing allowance had to absorb
    double maxDirectionErrorDeg = 0;
    int shown = 0, dashed = 0;
    for (int wall = 0; wall < 3000; ++wall) {
        const double lat = random.in(0.05, 89.95);
        const double dcl = random.in(0.05, 89.95);
        const double styleMm = random.in(5.0, 200.0);
        const VerticalCurvesResult r = ComputeVerticalCurves(lat, dcl, styleMm, 0);
        QCOMPARE(r.refusal, sheet::Refusal::None);
        const VerticalStyle style = MakeVerticalStyle(lat, dcl, styleMm, 0);
        for (int row = 0; row < kVerticalRows; ++row) {
            const int hour = kVerticalFirstHour + row;
            const double h = rowHourAngleFromNoonDeg(lat, dcl, 0, hour);
            for (int c = 0; c < 3; ++c) {
                const double d = kSolsticeDeclinationsDeg[c];
                const auto shadow = shadowframe::tipShadow(lat, dcl, 0, styleMm, h, d);
                const std::string &cell = r.cells[row][c];
                const QString where = QStringLiteral("lat %1 decl %2 style %3, %4 o'clock, sun %5: %6")
                                          .arg(lat, 0, 'g', 17).arg(dcl, 0, 'g', 17)
                                          .arg(styleMm, 0, 'g', 17).arg(hour).arg(d).arg(qs(cell));
                if (!shadowframe::traceable(shadow, lat, hour, d)) {
                    QVERIFY2(cell == expectedSolsticeDash(hour, c), qPrintable(where));
                    ++dashed;
                    continue;
                }
                const auto value = sheet::ReadNumber(cell);
                QVERIFY2(value.has_value(), qPrintable(where));
                const double tol = kHalfCellUnitMm + kGrazingRelative * shadow.distanceMm;
                if (!(std::abs(*value - shadow.distanceMm) <= tol))
                    QFAIL(qPrintable(where + QStringLiteral(" vs %1").arg(shadow.distanceMm, 0, 'g', 15)));
                maxErrorUnits = std::max(maxErrorUnits, std::abs(*value - shadow.distanceMm) / 0.1);
                maxBeyondRoundingRelative =
                    std::max(maxBeyondRoundingRelative,
                             (std::abs(*value - shadow.distanceMm) - kHalfCellUnitMm) / shadow.distanceMm);
                const double dir = HourLineDirectionDeg(style, HourAngleRad(style, hour));
                const double dirErr = std::abs(wrapDeg(dir - shadowframe::directionOnWallDeg(shadow)));
                HORALO_COMPARE_NEAR(dirErr, 0.0, kDirectionTolDeg);
                maxDirectionErrorDeg = std::max(maxDirectionErrorDeg, dirErr);
                ++shown;
            }
        }
    }
    qInfo("random walls: %d cells shown, %d dashed; largest error %.6f units of 0,1 mm "
          "(beyond the rounding: %.3g of the distance); largest direction error %.3g deg",
          shown, dashed, maxErrorUnits, std::max(0.0, maxBeyondRoundingRelative),
          maxDirectionErrorDeg);
    QVERIFY(shown > 0 && dashed > 0);
}

void TestVerticalCurves::inclinedWallsMatchTheShadowOfTheTip()
{
    // The longitude difference is taken from its sine and cosine, so the table stays right
    // for a leaning wall too; the distances and dashes are checked as for vertical walls.
    Uniform random(2002);
    double maxErrorUnits = 0;
    int shown = 0;
    for (int wall = 0; wall < 2000; ++wall) {
        const double lat = random.in(0.05, 89.95);
        const double dcl = random.in(0.05, 89.95);
        const double incl = random.in(-30.0, 30.0);
        const double styleMm = random.in(5.0, 200.0);
        const VerticalCurvesResult r = ComputeVerticalCurves(lat, dcl, styleMm, incl);
        for (int row = 0; row < kVerticalRows; ++row) {
            const int hour = kVerticalFirstHour + row;
            const double h = rowHourAngleFromNoonDeg(lat, dcl, incl, hour);
            for (int c = 0; c < 3; ++c) {
                const auto shadow =
                    shadowframe::tipShadow(lat, dcl, incl, styleMm, h, kSolsticeDeclinationsDeg[c]);
                const std::string &cell = r.cells[row][c];
                const QString where = QStringLiteral("lat %1 decl %2 incl %3, %4 o'clock: %5")
                                          .arg(lat, 0, 'g', 17).arg(dcl, 0, 'g', 17)
                                          .arg(incl, 0, 'g', 17).arg(hour).arg(qs(cell));
                if (!shadowframe::traceable(shadow, lat, hour, kSolsticeDeclinationsDeg[c])) {
                    QVERIFY2(isDash(cell), qPrintable(where));
                    continue;
                }
                const auto value = sheet::ReadNumber(cell);
                QVERIFY2(value.has_value(), qPrintable(where));
                const double err = std::abs(*value - shadow.distanceMm);
                if (!(err <= kHalfCellUnitMm + kGrazingRelative * shadow.distanceMm))
                    QFAIL(qPrintable(where + QStringLiteral(" vs %1").arg(shadow.distanceMm, 0, 'g', 15)));
                maxErrorUnits = std::max(maxErrorUnits, err / 0.1);
                ++shown;
            }
        }
    }
    qInfo("inclined walls: %d cells shown; largest error %.4f units of 0,1 mm", shown, maxErrorUnits);
}

void TestVerticalCurves::anyHourAngleMatchesTheShadowOfTheTip()
{
    // A full-scale drawing samples the day every 5 minutes with any declination of the Sun:
    // the unrounded distance, the existence test and the direction at every such instant.
    // Relative tolerance: nothing is rounded here, only double arithmetic differs.
    constexpr double kRelativeTol = 1e-9;
    Uniform random(5);
    double maxRelative = 0;
    double maxDirectionErrorDeg = 0;
    for (int wall = 0; wall < 300; ++wall) {
        const double lat = random.in(0.05, 89.95);
        const double dcl = random.in(0.05, 89.95);
        const double styleMm = random.in(5.0, 200.0);
        const double sunDecl = random.in(-23.45, 23.45);
        const VerticalStyle style = MakeVerticalStyle(lat, dcl, styleMm, 0);
        const double normalHour = shadowframe::normalHourAngleDeg(lat, shadowframe::wallNormal(dcl, 0));
        for (int minute = 0; minute < 24 * 60; minute += 5) {
            const double clock = minute / 60.0;
            const double hourAngle = HourAngleRad(style, clock);
            const double h = shadowframe::toDeg(hourAngle) + normalHour;
            const auto shadow = shadowframe::tipShadow(lat, dcl, 0, styleMm, h, sunDecl);
            const auto distance = ShadowDistanceMm(style, hourAngle, sunDecl);
            QCOMPARE(distance.has_value(), shadow.sunInFront);
            QCOMPARE(SunInFrontOfWall(style, hourAngle, sunDecl), shadow.sunInFront);
            if (!distance)
                continue;
            const double rel = std::abs(*distance - shadow.distanceMm) / shadow.distanceMm;
            HORALO_COMPARE_NEAR(rel, 0.0, kRelativeTol);
            maxRelative = std::max(maxRelative, rel);
            const double dirErr = std::abs(
                wrapDeg(HourLineDirectionDeg(style, hourAngle) - shadowframe::directionOnWallDeg(shadow)));
            HORALO_COMPARE_NEAR(dirErr, 0.0, kDirectionTolDeg);
            maxDirectionErrorDeg = std::max(maxDirectionErrorDeg, dirErr);
        }
    }
    qInfo("every 5 minutes: largest relative distance error %.3g, largest direction error %.3g deg",
          maxRelative, maxDirectionErrorDeg);
}

void TestVerticalCurves::afternoonShadowTurnsToTheRight()
{
    // The sign of the hour-line direction, told in plain words: at 15 o'clock on a wall
    // declining 10 degrees East at latitude 45 the shadow falls below the root and to the
    // right of someone facing the wall; at 9 o'clock to the left.
    const VerticalStyle style = MakeVerticalStyle(45, 10, 50, 0);
    const sunframe::Vec3 right = sunframe::rightOnWall(sunframe::verticalWallNormal(10, true));
    for (double hour : {9.0, 15.0}) {
        const auto shadow = shadowframe::tipShadow(45, 10, 0, 50,
                                                   rowHourAngleFromNoonDeg(45, 10, 0, hour), 0);
        QVERIFY(shadow.sunInFront);
        const double towardsRight = sunframe::dot(shadow.point, right);
        const double direction = HourLineDirectionDeg(style, HourAngleRad(style, hour));
        QVERIFY(shadow.point.z < 0);
        if (hour > 12) {
            QVERIFY(towardsRight > 0);
            QVERIFY(direction > 0 && direction < 90);
        } else {
            QVERIFY(towardsRight < 0);
            QVERIFY(direction < 0 && direction > -90);
        }
    }
}

QTEST_APPLESS_MAIN(TestVerticalCurves)
#include "test_verticalcurves.moc"
