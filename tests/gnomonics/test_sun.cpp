// The Sun for an instant, against the worked examples of the astronomical literature and a
// second solar theory written here apart from the program's.

#include "testsupport.h"

#include "gnomonics/sun.h"
#include "shadowframe.h"

#include <cmath>

using namespace gnomonics;

namespace {

// Meeus's low-accuracy theory of the Sun (Astronomical Algorithms, ch. 25), with its own
// nutation and aberration from the Moon's node and its own mean Sun for the equation of time
// (ch. 28): a second computation that shares no line with the truncated VSOP87 under test. Its
// own error is about 0.01 degree in longitude, which is what the comparisons below allow.
struct LowAccuracySun {
    double apparentLongitudeDeg;
    double declinationDeg;
    double rightAscensionDeg;
    double equationOfTimeMinutes;
};

LowAccuracySun lowAccuracySun(double julianDayTt, double julianDayUt)
{
    const double r = M_PI / 180;
    const double t = (julianDayTt - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * r;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m)
        + (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = (125.04 - 1934.136 * t) * r;
    const double lambda = (l0 + c - 0.00569 - 0.00478 * std::sin(omega)) * r;
    const double eps0 = 23.0 + (26.0 + (21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 60.0) / 60.0;
    const double eps = (eps0 + 0.00256 * std::cos(omega)) * r;
    LowAccuracySun out;
    out.apparentLongitudeDeg = lambda / r;
    out.declinationDeg = std::asin(std::sin(eps) * std::sin(lambda)) / r;
    double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / r;
    if (ra < 0)
        ra += 360;
    out.rightAscensionDeg = ra;
    // Equation of time (Meeus 28.1): E = L0 - 0.0057183 - RA + nutation in RA. The mean Sun is
    // the clock of Universal Time, so its longitude L0 runs on UT (on TT it would drift by
    // TT - UT, about a second by 2200).
    const double tu = (julianDayUt - 2451545.0) / 36525.0;
    const double l0Deg = std::fmod(280.4664567 + 360007.6982779 * tu / 10 + 0.03032028 * tu * tu / 100, 360.0);
    const double dpsiDeg = -17.20 / 3600 * std::sin(omega) - 1.32 / 3600 * std::sin(2 * (280.4665 + 36000.7698 * t) * r);
    double e = l0Deg - 0.0057183 - ra + dpsiDeg * std::cos(eps);
    e = std::remainder(e, 360.0);
    out.equationOfTimeMinutes = e * 4;
    return out;
}

} // namespace

class TestSun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample()
    {
        // Meeus, Astronomical Algorithms, example 25.b: 1992 October 13 at 0h TD (JDE
        // 2448908.5), full VSOP87: apparent declination -7 47' 01.74" = -7.78382 degrees, right
        // ascension 13h 13m 30.749s = 198.37812 degrees. The low-accuracy example 25.a gives
        // -7.78507; example 28.b the equation of time +13m 42.6s (13,71 min).
        const double tolDeg = 0.0002;
        const double tolMinutes = 2.0 / 60.0;
        const double jdTt = 2448908.5;
        const SunPosition s = SunAtTimes(jdTt - DeltaTSeconds(1992.78) / 86400.0, jdTt);
        QCOMPARE_LE(std::abs(s.declinationDeg - -7.78382), tolDeg);
        QCOMPARE_LE(std::abs(s.rightAscensionDeg - 198.37812), tolDeg);
        QCOMPARE_LE(std::abs(s.declinationDeg - -7.78507), 0.005);
        QCOMPARE_LE(std::abs(s.equationOfTimeMinutes - (13 + 42.7 / 60)), tolMinutes);
        QCOMPARE_LE(std::abs(s.distanceAu - 0.99760775), 1e-7);
    }

    void equationOfTimeThroughTheYear_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("wantMinutes");
        QTest::addColumn<double>("tolMinutes");
        // The equation of time of every almanac: its extremes near +16 min (3 November) and
        // -14 min (11 February), its zeros near 15 April, 13 June, 1 September, 25 December.
        // Near a zero it moves by up to 0.3 min a day, so a zero is pinned within that.
        QTest::newRow("3 November") << 11 << 3 << 16.4 << 0.1;
        QTest::newRow("11 February") << 2 << 11 << -14.2 << 0.1;
        QTest::newRow("15 April") << 4 << 15 << 0.0 << 0.3;
        QTest::newRow("13 June") << 6 << 13 << 0.0 << 0.3;
        QTest::newRow("1 September") << 9 << 1 << 0.0 << 0.3;
        QTest::newRow("25 December") << 12 << 25 << 0.0 << 0.3;
    }
    void equationOfTimeThroughTheYear()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, wantMinutes);
        QFETCH(double, tolMinutes);
        const SunPosition s = SunAt(JulianDay({2026, month, day}, 12.0));
        QCOMPARE_LE(std::abs(s.equationOfTimeMinutes - wantMinutes), tolMinutes);
    }

    void againstTheLowAccuracyTheory()
    {
        // Thousands of instants from 1600 to 2400 (every year a date field accepts). The low-accuracy theory leaves out the pulls
        // of Venus, Jupiter and the Moon and is good to 0.01 degree in longitude (Meeus ch. 25),
        // at most 0.004 degree of declination and 0.011 degree of right ascension, 2.6 s of the
        // equation of time: the engine must agree within that. The differences are periodic;
        // a wrong secular term would show as a drift of their mean, held within 15" for every
        // quarter century. The largest differences are printed for the comment above SunAt.
        // "0.01 degree" is Meeus's round figure; the largest difference met is 36", so 40".
        const double tolLongitudeArcsec = 40.0;
        const double tolDeclinationDeg = 0.005;
        const double tolEotSeconds = 2.7;
        const double tolDriftArcsec = 15.0;
        shadowframe::Uniform random(1992);
        double worstLongitude = 0, worstDecl = 0, worstEot = 0, worstDrift = 0;
        for (int block = 0; block < 32; ++block) {
            double sum = 0;
            const int n = 300;
            for (int i = 0; i < n; ++i) {
                const double jdUt = JulianDay({1600 + 25 * block, 1, 1}, 0) + random.next() * 25 * 365.25;
                const SunPosition s = SunAt(jdUt);
                const LowAccuracySun w = lowAccuracySun(s.julianDayTt, s.julianDayUt);
                const double dl = std::remainder(s.apparentLongitudeDeg - w.apparentLongitudeDeg, 360.0) * 3600;
                sum += dl;
                worstLongitude = std::max(worstLongitude, std::abs(dl));
                worstDecl = std::max(worstDecl, std::abs(s.declinationDeg - w.declinationDeg));
                worstEot = std::max(worstEot, std::abs(s.equationOfTimeMinutes - w.equationOfTimeMinutes) * 60);
            }
            worstDrift = std::max(worstDrift, std::abs(sum / n));
        }
        qInfo("largest difference from the low-accuracy theory, 1600-2400: longitude %.1f\", "
              "declination %.5f deg, equation of time %.2f s; mean drift %.1f\"",
              worstLongitude, worstDecl, worstEot, worstDrift);
        QCOMPARE_LE(worstLongitude, tolLongitudeArcsec);
        QCOMPARE_LE(worstDecl, tolDeclinationDeg);
        QCOMPARE_LE(worstEot, tolEotSeconds);
        QCOMPARE_LE(worstDrift, tolDriftArcsec);
    }

    void skyPosition_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("utHours");
        QTest::newRow("Milano, summer afternoon") << 45.4642 << 9.19 << 2026 << 6 << 21 << 14.5;
        QTest::newRow("Sydney, winter morning") << -33.87 << 151.21 << 1900 << 7 << 1 << 22.0;
        QTest::newRow("Reykjavik, midnight Sun") << 64.15 << -21.94 << 2150 << 6 << 21 << 0.5;
        QTest::newRow("Quito, equinox noon") << -0.18 << -78.47 << 1850 << 3 << 20 << 17.25;
    }
    void skyPosition()
    {
        // Altitude and azimuth from the spherical triangle pole-zenith-Sun (Meeus 13.5, 13.6),
        // written here with its own formulas, from the engine's hour angle and declination.
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, utHours);
        const double tolDeg = 1e-9;
        const SunPosition s = SunAt(JulianDay({year, month, day}, utHours));
        const SunInSky sky = SunInSkyAt(s, lat, lon);
        const double r = M_PI / 180;
        const double h = std::remainder(s.apparentSiderealDeg + lon - s.rightAscensionDeg, 360.0);
        QCOMPARE_LE(std::abs(sky.hourAngleDeg - h), 1e-9);
        const double alt = std::asin(std::sin(lat * r) * std::sin(s.declinationDeg * r)
                                     + std::cos(lat * r) * std::cos(s.declinationDeg * r) * std::cos(h * r)) / r;
        // Meeus counts the azimuth from the South towards the West; the engine from the North
        // towards the East.
        const double azSouth = std::atan2(std::sin(h * r), std::cos(h * r) * std::sin(lat * r)
                                          - std::tan(s.declinationDeg * r) * std::cos(lat * r)) / r;
        const double az = std::fmod(azSouth + 180.0 + 360.0, 360.0);
        QCOMPARE_LE(std::abs(sky.altitudeDeg - alt), tolDeg);
        QCOMPARE_LE(std::abs(std::remainder(sky.azimuthDeg - az, 360.0)), tolDeg);
        const double refracted = SunInSkyAt(s, lat, lon, true).altitudeDeg;
        // Saemundsson's refraction is 29' on the horizon and grows to 45' two degrees below it.
        QCOMPARE_LE(refracted - alt, 0.75);
        QVERIFY(refracted >= alt);
    }

    void refractionOnTheHorizon()
    {
        // Saemundsson's refraction for a Sun whose centre is geometrically on the horizon:
        // 1.02 / tan(10.3 / 5.11 degrees) = 29.0 arc minutes.
        SunPosition s = SunAt(JulianDay({2026, 3, 20}, 12.0));
        // Choose the latitude and hour angle that put this Sun exactly on the horizon.
        const double lon = 0;
        const double h = std::remainder(s.apparentSiderealDeg + lon - s.rightAscensionDeg, 360.0);
        const double r = M_PI / 180;
        const double lat = std::atan(-std::cos(h * r) / std::tan(s.declinationDeg * r)) / r;
        const SunInSky sky = SunInSkyAt(s, lat, lon, true);
        QCOMPARE_LE(std::abs(sky.altitudeDeg - 29.0 / 60.0), 0.2 / 60.0);
    }

    void solarTableMatchesTheTheory()
    {
        const double tolDeg = 1e-6;
        const double tolMinutes = 0.001 / 60.0;
        const double first = JulianDay({2026, 1, 1}, 0);
        const SolarTable table(first, 365);
        shadowframe::Uniform random(7);
        double worstDecl = 0, worstEot = 0;
        for (int i = 0; i < 500; ++i) {
            const double jd = first + random.next() * 365;
            double d = 0, e = 0;
            table.at(jd, &d, &e);
            const SunPosition s = SunAt(jd);
            worstDecl = std::max(worstDecl, std::abs(d - s.declinationDeg));
            worstEot = std::max(worstEot, std::abs(e - s.equationOfTimeMinutes));
        }
        qInfo("daily table: worst %.2e deg, %.2e s", worstDecl, worstEot * 60);
        QCOMPARE_LE(worstDecl, tolDeg);
        QCOMPARE_LE(worstEot, tolMinutes);
    }

    void deltaT_data()
    {
        QTest::addColumn<double>("year");
        QTest::addColumn<double>("wantSeconds");
        QTest::addColumn<double>("tolSeconds");
        // Observed TT - UT (Espenak and Meeus's table of measured values).
        QTest::newRow("1600") << 1600.0 << 120.0 << 1.0;
        QTest::newRow("1700") << 1700.0 << 8.8 << 0.5;
        QTest::newRow("1800") << 1800.0 << 13.7 << 0.5;
        QTest::newRow("1900") << 1900.0 << -2.7 << 0.5;
        QTest::newRow("1950") << 1950.0 << 29.1 << 0.5;
        QTest::newRow("2000") << 2000.0 << 63.8 << 0.5;
    }
    void deltaT()
    {
        QFETCH(double, year);
        QFETCH(double, wantSeconds);
        QFETCH(double, tolSeconds);
        QCOMPARE_LE(std::abs(DeltaTSeconds(year) - wantSeconds), tolSeconds);
    }

    void calendarRoundTrip()
    {
        shadowframe::Uniform random(11);
        for (int i = 0; i < 2000; ++i) {
            const double jd = JulianDay({1800, 1, 1}, 0) + random.next() * 146000;
            double hours = 0;
            const gnomonics::CivilDate d = CalendarDate(jd, &hours);
            QVERIFY(DateExists(d));
            QCOMPARE_LE(std::abs(JulianDay(d, hours) - jd), 1e-8);
        }
        // J2000.0 is 2000 January 1 at 12h.
        QCOMPARE(JulianDay({2000, 1, 1}, 12.0), 2451545.0);
    }

    void clockRefusals_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("clock");
        QTest::addColumn<double>("zone");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("reason");
        auto row = [](const char *tag, int y, int m, int d, double clock, double zone,
                      InputField f, RefusalReason r) {
            QTest::newRow(tag) << y << m << d << clock << zone << int(f) << int(r);
        };
        row("a good instant", 2026, 6, 21, 12.0, 1.0, InputField::None, RefusalReason::None);
        row("31 February", 2026, 2, 31, 12.0, 1.0, InputField::Date, RefusalReason::NoSuchDate);
        row("29 February 2100", 2100, 2, 29, 12.0, 1.0, InputField::Date, RefusalReason::NoSuchDate);
        row("year 1599", 1599, 6, 1, 12.0, 1.0, InputField::Year, RefusalReason::OutOfRange);
        row("clock 25", 2026, 6, 1, 25.0, 1.0, InputField::ClockTime, RefusalReason::OutOfRange);
        row("clock nan", 2026, 6, 1, NAN, 1.0, InputField::ClockTime, RefusalReason::NotFinite);
        row("zone inf", 2026, 6, 1, 12.0, INFINITY, InputField::TimeZone, RefusalReason::NotFinite);
        row("zone 15", 2026, 6, 1, 12.0, 15.0, InputField::TimeZone, RefusalReason::OutOfRange);
    }
    void clockRefusals()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, clock);
        QFETCH(double, zone);
        QFETCH(int, field);
        QFETCH(int, reason);
        const SunAtClockResult r = SunAtClock({{year, month, day}, clock, zone, false});
        QCOMPARE(int(r.status.field), field);
        QCOMPARE(int(r.status.reason), reason);
        QVERIFY(std::isfinite(r.sun.declinationDeg) && std::isfinite(r.sun.equationOfTimeMinutes));
    }

    void summerTimeIsOneHourEarlierInUt()
    {
        // 13 o'clock summer time in Italy is 12 o'clock zone time, 11 UT.
        const auto summer = SunAtClock({{2026, 7, 1}, 13.0, 1.0, true});
        const auto zone = SunAtClock({{2026, 7, 1}, 12.0, 1.0, false});
        QCOMPARE(summer.sun.julianDayUt, zone.sun.julianDayUt);
        QCOMPARE(zone.sun.julianDayUt, JulianDay({2026, 7, 1}, 11.0));
    }
};

QTEST_APPLESS_MAIN(TestSun)
#include "test_sun.moc"
