// The solstice and equinox curves of a horizontal dial: the texts of the sheet, and every
// distance against where the shadow of the style's tip really falls.

#include "testsupport.h"

#include "sunframe.h"

#include "sheet/horizontalcurves.h"
#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

using sheet::ComputeHorizontalCurves;
using sheet::HorizontalCurveDistanceMm;
using sheet::HorizontalCurvesResult;
using sheet::Refusal;

Q_DECLARE_METATYPE(sheet::Refusal)

namespace {

const char *kDash = "--------";

// Distances agree with the shadow to within double rounding, relative to their size.
constexpr double kRelativeSlack = 1e-9;
// A shown distance stands within half its last decimal of the true one, millimetres.
constexpr double kHalfHundredthMm = 0.005;
constexpr double kHalfTenthMm = 0.05;
// Sun altitudes closer than this to the horizon may fall either way, degrees.
constexpr double kHorizonBandDeg = 1e-6;

// The text of a field by its name on the sheet.
std::string field(const HorizontalCurvesResult &r, const QString &name)
{
    static const char *summer[] = {"sei1",   "sette1",       "otto1",     "nove111", "dieci1",
                                   "undici1", "dodici1",     "tredici1",  "quattordici1",
                                   "quindici1", "sedici1",   "diciasette1", "diciotto1"};
    static const char *winter[] = {"sei2",   "sette2",       "otto2",     "nove2",   "dieci2",
                                   "undici2", "dodici2",     "tredici2",  "quattordici2",
                                   "quindici2", "sedici2",   "diciasette2", "diciotto2"};
    if (name == QLatin1String("h"))
        return r.styleHeight;
    if (name == QLatin1String("b"))
        return r.styleBase;
    if (name == QLatin1String("dodici3"))
        return r.equinoxNoon;
    for (std::size_t row = 0; row < sheet::kHorizontalCurveRows; ++row) {
        if (name == QLatin1String(summer[row]))
            return r.summer[row];
        if (name == QLatin1String(winter[row]))
            return r.winter[row];
    }
    qFatal("no field %s", qPrintable(name));
}

struct Shadow {
    double sunAltitudeDeg;
    double distanceMm; // from the dial centre to the shadow of the tip, when the Sun is up
};

// From first principles: the style runs from the dial centre along the Earth's axis towards
// the pole above the horizon, its tip styleMm from the centre; the tip's shadow is where the
// line from the tip away from the Sun meets the horizontal plane.
Shadow tipShadow(double latitudeDeg, double styleMm, double hourAngleDeg, double solarDeclinationDeg)
{
    using namespace sunframe;
    const Vec3 pole = northPole(latitudeDeg);
    const Vec3 tip = styleMm * (latitudeDeg >= 0 ? pole : -1.0 * pole);
    const Vec3 sun = sunDirection(latitudeDeg, hourAngleDeg, solarDeclinationDeg);
    const double altitudeDeg = degrees(std::asin(std::clamp(sun.z, -1.0, 1.0)));
    const auto shadow = projectAlongSun(tip, sun, kUp);
    return {altitudeDeg, shadow ? norm(*shadow) : NAN};
}

} // namespace

class TestHorizontalCurves : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Sources: the worked example at latitude 38 with a style of 10 (every text); latitude 80,
    // where the winter Sun does not rise (its 11 o'clock and noon distances come out -38,50 and
    // -39,44 and must not be shown); the southern dial at -38, the mirror image of the northern
    // one: its summer is the December solstice, so it shows the northern dial's texts in the
    // same columns, and its style's height is a length; the poles, where the equinox Sun runs
    // along the horizon and its noon point lies at infinity.
    void sheetTexts_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("styleMm");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const std::map<QString, QString> example{
            {"h", "6,2"},          {"b", "7,9"},           {"sei1", "23,1"},
            {"sei2", kDash},       {"sette1", "13,77"},    {"sette2", kDash},
            {"otto1", "11,06"},    {"otto2", "57,58"},     {"nove111", "10,07"},
            {"nove2", "28,62"},    {"dieci1", "9,68"},     {"dieci2", "22,13"},
            {"undici1", "9,52"},   {"undici2", "19,81"},   {"dodici1", "9,48"},
            {"dodici2", "19,20"},  {"dodici3", "12,69"},   {"tredici1", "9,52"},
            {"tredici2", "19,81"}, {"quattordici1", "9,68"}, {"quattordici2", "22,13"},
            {"quindici1", "10,07"}, {"quindici2", "28,62"}, {"sedici1", "11,06"},
            {"sedici2", "57,58"},  {"diciasette1", "13,77"}, {"diciasette2", kDash},
            {"diciotto1", "23,1"}, {"diciotto2", kDash}};
        for (const auto &[name, text] : example)
            QTest::addRow("lat 38 style 10, %s", qPrintable(name)) << 38.0 << 10.0 << name << text;

        auto add = [](const char *what, double lat, double style, const char *name, const char *text) {
            QTest::addRow("%s, %s", what, name) << lat << style << QString::fromLatin1(name)
                                                << QString::fromLatin1(text);
        };
        add("lat 80, winter Sun never rises", 80.0, 10.0, "undici2", kDash);
        add("lat 80, winter Sun never rises", 80.0, 10.0, "dodici2", kDash);
        add("lat 80, winter Sun never rises", 80.0, 10.0, "tredici2", kDash);
        add("lat 80, winter Sun never rises", 80.0, 10.0, "otto2", kDash);
        add("lat 80, equinox noon", 80.0, 10.0, "dodici3", "57,59");
        add("southern dial lat -38", -38.0, 10.0, "sei1", "23,1");
        add("southern dial lat -38", -38.0, 10.0, "sei2", kDash);
        add("southern dial lat -38", -38.0, 10.0, "sette2", kDash);
        add("southern dial lat -38", -38.0, 10.0, "dodici1", "9,48");
        add("southern dial lat -38", -38.0, 10.0, "dodici2", "19,20");
        add("southern dial lat -38", -38.0, 10.0, "dodici3", "12,69");
        add("southern dial lat -38", -38.0, 10.0, "h", "6,2");
        add("southern dial lat -38", -38.0, 10.0, "b", "7,9");
        add("north pole", 90.0, 10.0, "dodici3", kDash);
        // At the pole the style stands upright: 10 / tan 23,45 = 23,05 from its foot.
        add("north pole", 90.0, 10.0, "dodici1", "23,05");
        add("south pole", -90.0, 10.0, "dodici3", kDash);
        add("south pole", -90.0, 10.0, "h", "10,0");
    }
    void sheetTexts()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, styleMm);
        QFETCH(QString, name);
        QFETCH(QString, text);
        const auto r = ComputeHorizontalCurves(latitudeDeg, styleMm);
        QCOMPARE(r.refusal, Refusal::None);
        QCOMPARE(qs(field(r, name)), text);
    }

    // The distance function keeps its sign: negative where the Sun is below the horizon.
    void signedDistances_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("hourAngleDeg");
        QTest::addColumn<double>("solarDeclinationDeg");
        QTest::addColumn<QString>("text");
        QTest::newRow("lat 80, winter 11 o'clock") << 80.0 << 15.0 << -23.45 << "-38,50";
        QTest::newRow("lat 80, winter noon") << 80.0 << 0.0 << -23.45 << "-39,44";
        QTest::newRow("lat 38, winter 7 o'clock") << 38.0 << 75.0 << -23.45 << "-102,77";
        QTest::newRow("lat 38, winter 17 o'clock") << 38.0 << -75.0 << -23.45 << "-102,77";
        QTest::newRow("lat 38, summer 6 o'clock") << 38.0 << 90.0 << 23.45 << "23,05";
    }
    void signedDistances()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, hourAngleDeg);
        QFETCH(double, solarDeclinationDeg);
        QFETCH(QString, text);
        const double d = HorizontalCurveDistanceMm(latitudeDeg, 10.0, hourAngleDeg, solarDeclinationDeg);
        QCOMPARE(qs(sheet::FormatFixed(d, sheet::Mask::TwoDecimals)), text);
    }

    void refusals_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("styleMm");
        QTest::addColumn<Refusal>("refusal");
        QTest::newRow("latitude 0") << 0.0 << 10.0 << Refusal::Missing;
        QTest::newRow("latitude 0 and style 0") << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("negative latitude computed") << -38.0 << 10.0 << Refusal::None;
        QTest::newRow("style 0 is missing") << 38.0 << 0.0 << Refusal::Missing;
        QTest::newRow("negative style") << 38.0 << -10.0 << Refusal::Negative;
        QTest::newRow("missing before negative") << 0.0 << -10.0 << Refusal::Missing;
        QTest::newRow("negative style before latitude beyond the pole") << 95.0 << -10.0 << Refusal::Negative;
        QTest::newRow("latitude 90 computed") << 90.0 << 10.0 << Refusal::None;
        QTest::newRow("latitude -90 computed") << -90.0 << 10.0 << Refusal::None;
        QTest::newRow("latitude just beyond 90") << 90.000001 << 10.0 << Refusal::LatitudeRange;
        QTest::newRow("latitude -95") << -95.0 << 10.0 << Refusal::LatitudeRange;
        QTest::newRow("latitude not a number") << std::nan("") << 10.0 << Refusal::LatitudeRange;
        QTest::newRow("style infinite") << 38.0 << HUGE_VAL << Refusal::LatitudeRange;
    }
    void refusals()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, styleMm);
        QFETCH(Refusal, refusal);
        const auto r = ComputeHorizontalCurves(latitudeDeg, styleMm);
        QCOMPARE(r.refusal, refusal);
        const bool refused = refusal != Refusal::None;
        QCOMPARE(r.styleHeight.empty(), refused);
        QCOMPARE(r.equinoxNoon.empty(), refused);
        for (std::size_t row = 0; row < sheet::kHorizontalCurveRows; ++row) {
            QCOMPARE(r.summer[row].empty(), refused);
            QCOMPARE(r.winter[row].empty(), refused);
        }
    }

    // Every text of the table against the shadow of the tip, over many dials; the afternoon
    // rows against their own hour angles, so that the copies are checked by the sky as well.
    void distancesMatchTheShadow_data()
    {
        QTest::addColumn<double>("latitudeFromDeg");
        QTest::addColumn<double>("latitudeToDeg");
        QTest::addColumn<int>("dials");
        QTest::newRow("northern dials") << 0.0 << 89.9 << 20000;
        QTest::newRow("southern dials") << -89.9 << 0.0 << 20000;
        QTest::newRow("inside the polar circles") << 60.0 << 89.9 << 5000;
        QTest::newRow("near the equator") << -1.0 << 1.0 << 5000;
    }
    void distancesMatchTheShadow()
    {
        QFETCH(double, latitudeFromDeg);
        QFETCH(double, latitudeToDeg);
        QFETCH(int, dials);
        std::mt19937 rng(38 + static_cast<unsigned>(dials) + static_cast<unsigned>(latitudeToDeg));
        std::uniform_real_distribution<double> latDist(latitudeFromDeg, latitudeToDeg);
        std::uniform_real_distribution<double> styleDist(0.5, 500.0);

        double worstTwoDecimalsMm = 0, worstOneDecimalMm = 0;
        int shown = 0, dashed = 0, onHorizon = 0;
        auto check = [&](double lat, double style, int hour, double decl, const std::string &text,
                         double halfLastDecimalMm) {
            const Shadow s = tipShadow(lat, style, 15.0 * (12 - hour), decl);
            const QString where = QStringLiteral("lat %1 style %2, %3 o'clock, declination %4: "
                                                 "shows %5, Sun at %6 degrees, shadow %7 mm")
                                      .arg(lat, 0, 'g', 17).arg(style, 0, 'g', 17).arg(hour)
                                      .arg(decl).arg(qs(text)).arg(s.sunAltitudeDeg, 0, 'g', 17)
                                      .arg(s.distanceMm, 0, 'g', 17);
            if (std::abs(s.sunAltitudeDeg) < kHorizonBandDeg) {
                ++onHorizon;
                return;
            }
            // Below the horizon there is no shadow; beyond a kilometre none a maker can trace.
            if (s.sunAltitudeDeg < 0 || s.distanceMm > 1e6) {
                QVERIFY2(text == kDash, qPrintable(where));
                ++dashed;
                return;
            }
            const auto value = sheet::ReadNumber(text);
            QVERIFY2(value.has_value(), qPrintable(where));
            const double err = std::abs(*value - s.distanceMm);
            double &worstMm = halfLastDecimalMm == kHalfTenthMm ? worstOneDecimalMm : worstTwoDecimalsMm;
            worstMm = std::max(worstMm, err);
            QVERIFY2(err <= halfLastDecimalMm + kRelativeSlack * s.distanceMm, qPrintable(where));
            ++shown;
        };
        for (int k = 0; k < dials; ++k) {
            const double lat = latDist(rng);
            const double style = styleDist(rng);
            if (lat == 0)
                continue;
            const auto r = ComputeHorizontalCurves(lat, style);
            QCOMPARE(r.refusal, Refusal::None);
            for (std::size_t row = 0; row < sheet::kHorizontalCurveRows; ++row) {
                const int hour = sheet::HorizontalCurveHour(row);
                const bool sixOrEighteen = hour == 6 || hour == 18;
                // Each column is the season of the dial's own hemisphere.
                const double summer = lat > 0 ? sheet::kSummerSolsticeDeclinationDeg
                                              : sheet::kWinterSolsticeDeclinationDeg;
                check(lat, style, hour, summer, r.summer[row], sixOrEighteen ? kHalfTenthMm : kHalfHundredthMm);
                check(lat, style, hour, -summer, r.winter[row], kHalfHundredthMm);
                if (QTest::currentTestFailed())
                    return;
            }
            check(lat, style, 12, 0.0, r.equinoxNoon, kHalfHundredthMm);
            // The style's height and base: a style of this length laid along the axis towards
            // the north pole; the height is a length, whichever pole the style points to.
            const auto tip = style * sunframe::northPole(lat);
            HORALO_COMPARE_NEAR(*sheet::ReadNumber(r.styleHeight), std::abs(tip.z), kHalfTenthMm + 1e-9);
            HORALO_COMPARE_NEAR(*sheet::ReadNumber(r.styleBase), tip.y, kHalfTenthMm + 1e-9);
        }
        qInfo("%d distances shown, %d dashed, %d on the horizon; worst from the shadow %.5f mm "
              "with two decimals, %.5f mm with one",
              shown, dashed, onHorizon, worstTwoDecimalsMm, worstOneDecimalMm);
        QVERIFY(shown > 0);
    }

    // The distance function at any hour angle and declination, sign included, against the sky.
    void distanceAtAnyHourMatchesTheShadow()
    {
        std::mt19937 rng(2002);
        std::uniform_real_distribution<double> latDist(-89.0, 89.0);
        std::uniform_real_distribution<double> hourDist(-179.0, 179.0);
        std::uniform_real_distribution<double> declDist(-23.45, 23.45);
        double worstRelative = 0;
        for (int k = 0; k < 200000; ++k) {
            const double lat = latDist(rng), h = hourDist(rng), decl = declDist(rng);
            const Shadow s = tipShadow(lat, 1.0, h, decl);
            if (std::abs(s.sunAltitudeDeg) < 1e-3 || std::abs(lat) < 1e-3)
                continue;
            const double d = HorizontalCurveDistanceMm(lat, 1.0, h, decl);
            QVERIFY2((d > 0) == (s.sunAltitudeDeg > 0),
                     qPrintable(QStringLiteral("lat %1 H %2 decl %3: %4").arg(lat).arg(h).arg(decl).arg(d)));
            worstRelative = std::max(worstRelative, std::abs(std::abs(d) - s.distanceMm) / s.distanceMm);
        }
        qInfo("distance at any hour: worst relative difference from the shadow %.3g", worstRelative);
        QCOMPARE_LE(worstRelative, kRelativeSlack);
    }

    // Style lengths placed a hair either side of a rounding boundary of the noon summer
    // distance and of the one-decimal 6 o'clock summer distance at latitude 38, by scaling the
    // shadow of a unit style.
    void roundingBoundaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hour");
        QTest::addColumn<double>("boundaryMm");
        QTest::addColumn<QString>("belowText");
        QTest::addColumn<QString>("aboveText");
        QTest::newRow("noon summer 9,485") << "dodici1" << 12 << 9.485 << "9,48" << "9,49";
        QTest::newRow("6 o'clock summer 23,05") << "sei1" << 6 << 23.05 << "23,0" << "23,1";
        QTest::newRow("18 o'clock summer 23,05") << "diciotto1" << 18 << 23.05 << "23,0" << "23,1";
        QTest::newRow("9 o'clock summer 10,075") << "nove111" << 9 << 10.075 << "10,07" << "10,08";
    }
    void roundingBoundaries()
    {
        QFETCH(QString, name);
        QFETCH(int, hour);
        QFETCH(double, boundaryMm);
        QFETCH(QString, belowText);
        QFETCH(QString, aboveText);
        const double perMm = tipShadow(38.0, 1.0, 15.0 * (12 - hour), 23.45).distanceMm;
        for (const double offsetMm : {-1e-7, 1e-7}) {
            const auto r = ComputeHorizontalCurves(38.0, (boundaryMm + offsetMm) / perMm);
            QCOMPARE(qs(field(r, name)), offsetMm < 0 ? belowText : aboveText);
        }
    }

    // A hair either side of the latitude at which the winter Sun stands on the horizon at a
    // given hour: sin(decl) sin(lat) + cos(decl) cos(H) cos(lat) = 0, so
    // tan(lat) = cos(H) / tan(23,45) (a hand derivation from the Sun's altitude). On the nearer
    // side of the equator the point is shown (very far out), beyond it the dash.
    void dashBoundaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("hourAngleDeg");
        QTest::newRow("winter 7 o'clock") << "sette2" << 75.0;
        QTest::newRow("winter 17 o'clock, copy of 7") << "diciasette2" << 75.0;
        QTest::newRow("winter 11 o'clock") << "undici2" << 15.0;
        QTest::newRow("winter noon at the polar circle") << "dodici2" << 0.0;
    }
    void dashBoundaries()
    {
        QFETCH(QString, name);
        QFETCH(double, hourAngleDeg);
        using sunframe::degrees;
        using sunframe::radians;
        const double critical = degrees(std::atan(std::cos(radians(hourAngleDeg)) / std::tan(radians(23.45))));
        // A hair inside, the point lies kilometres out and is dashed as untraceable; a little
        // more inside it is shown, thousands of millimetres away.
        const double hairDeg = 1e-6;
        QCOMPARE(qs(field(ComputeHorizontalCurves(critical - hairDeg, 10.0), name)), QString(kDash));
        const auto nearer = sheet::ReadNumber(field(ComputeHorizontalCurves(critical - 1e-3, 10.0), name));
        QVERIFY2(nearer.has_value() && *nearer > 1000.0, qPrintable(name));
        QCOMPARE(qs(field(ComputeHorizontalCurves(critical + hairDeg, 10.0), name)), QString(kDash));
    }

    void neverNotANumber()
    {
        const double values[] = {1e-300, 1e-7, 38, 89.9999999, 90, 120, -90, 1e6, std::nan(""), HUGE_VAL, -HUGE_VAL};
        for (double lat : values) {
            for (double style : values) {
                const auto r = ComputeHorizontalCurves(lat, style);
                if (r.refusal != Refusal::None)
                    continue; // refused: nothing is written at all
                auto ok = [&](const std::string &t) {
                    QVERIFY2(t == kDash || sheet::ReadNumber(t).has_value(),
                             qPrintable(QStringLiteral("lat %1 style %2: %3").arg(lat).arg(style).arg(qs(t))));
                };
                ok(r.styleHeight);
                ok(r.styleBase);
                ok(r.equinoxNoon);
                for (std::size_t row = 0; row < sheet::kHorizontalCurveRows; ++row) {
                    ok(r.summer[row]);
                    ok(r.winter[row]);
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestHorizontalCurves)
#include "test_horizontalcurves.moc"
