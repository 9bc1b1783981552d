// Surveying a wall with the Sun: the declination a plumb line's shadow gives, against the
// shadow made from plain vectors and a solar formula written here apart from the program's;
// outliers, impossible rows, refusals and the inclination from a plumb line.

#include "testsupport.h"

#include "gnomonics/wallsurvey.h"
#include "sunframe.h"

#include <cmath>
#include <random>

using namespace gnomonics;

namespace {

constexpr double kRad = M_PI / 180.0;

// Julian Day of a Gregorian date and UT hours (Meeus, Astronomical Algorithms, ch. 7), written
// here so that the program's own calendar is not used to check itself.
double julianDay(int y, int m, int d, double utHours)
{
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d + b - 1524.5 + utHours / 24.0;
}

struct SkyPlace {
    double azimuthFromSouthDeg; // West positive
    double altitudeDeg;
};

// The Sun in a place's sky from Meeus's low-accuracy solar theory (ch. 25: mean longitude,
// anomaly, equation of the centre, the node's nutation and aberration), the mean sidereal time
// of ch. 12 with the equation of the equinoxes, and the horizon frame built from vectors.
// TT is taken equal to UT: over 1900-2100 that moves the Sun by at most 0.002 degree. Its own
// error is about 0.01 degree on the sky.
SkyPlace independentSun(int y, int mo, int d, double utHours, double latDeg, double lonDeg)
{
    const double jd = julianDay(y, mo, d, utHours);
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * kRad;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m)
        + (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = (125.04 - 1934.136 * t) * kRad;
    const double lambda = (l0 + c - 0.00569 - 0.00478 * std::sin(omega)) * kRad;
    const double eps0 = 23.439291 - 0.0130042 * t;
    const double eps = (eps0 + 0.00256 * std::cos(omega)) * kRad;
    const double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda));
    const double dec = std::asin(std::sin(eps) * std::sin(lambda));
    const double gmst = 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t;
    const double nutationInRaDeg = -17.20 / 3600.0 * std::sin(omega) * std::cos(eps);
    const double hourAngleDeg = gmst + nutationInRaDeg + lonDeg - ra / kRad;
    const sunframe::Vec3 s = sunframe::sunDirection(latDeg, std::remainder(hourAngleDeg, 360.0), dec / kRad);
    // s is East, North, Up: azimuth from South towards West.
    return {std::atan2(-s.x, -s.y) / kRad, std::asin(s.z) / kRad};
}

// The angle a plumb line's shadow makes on a horizontal board held against a vertical wall,
// made from vectors alone: the shadow runs away from the Sun, the perpendicular runs into the
// wall, and the angle is positive towards the right hand of a person facing the wall.
double shadowAngleDeg(double sunAzimuthFromSouthDeg, double wallDeclinationDeg)
{
    const double a = sunAzimuthFromSouthDeg * kRad;
    const sunframe::Vec3 sunHorizontal{-std::sin(a), -std::cos(a), 0};
    const bool east = wallDeclinationDeg < 0;
    const sunframe::Vec3 n = sunframe::verticalWallNormal(std::abs(wallDeclinationDeg), east);
    const sunframe::Vec3 right = sunframe::rightOnWall(n);
    const sunframe::Vec3 shadow = -1.0 * sunHorizontal;
    const sunframe::Vec3 intoWall = -1.0 * n;
    return std::atan2(sunframe::dot(shadow, right), sunframe::dot(shadow, intoWall)) / kRad;
}

double clockOf(int h, int m, int s) { return h + m / 60.0 + s / 3600.0; }

Place place(double lat, double lon, double zone, bool summer)
{
    Place p;
    p.latitudeDeg = lat;
    p.longitudeDeg = lon;
    p.zoneHours = zone;
    p.summerTime = summer;
    return p;
}

// Rounds an angle to the hundredth of a degree, as a maker types it.
double typed(double deg) { return std::round(deg * 100.0) / 100.0; }

// Five readings of one July afternoon (13:00 to 17:40, summer time) on a wall of the given
// declination, each angle as a maker types it to 0,01 degree.
std::vector<SurveyObservation> afternoonReadings(const Place &p, double wallDeg)
{
    const std::array<double, 5> clocks{clockOf(13, 0, 0), clockOf(14, 10, 0), clockOf(15, 20, 0),
                                       clockOf(16, 30, 0), clockOf(17, 40, 0)};
    std::vector<SurveyObservation> obs;
    for (double c : clocks) {
        SurveyObservation o{{2024, 7, 15}, c, 0, {}};
        o.alphaDeg = typed(shadowAngleDeg(SunForSurvey(p, o).azimuthDeg, wallDeg));
        obs.push_back(o);
    }
    return obs;
}

} // namespace

class TestWallSurvey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Worked case: the Sun at Milan on 21 June 2024 at 15:00 summer time. Its azimuth from the
    // program and from the formula above agree; a wall declining 23 degrees West then shows the
    // shadow at A - 23, and that reading gives the wall back.
    void workedCase_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("zone");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("clock");
        QTest::addColumn<double>("wallDeg");
        QTest::newRow("Milan, 23 West, June afternoon, summer time")
            << 45.4642 << 9.19 << 1.0 << true << 2024 << 6 << 21 << clockOf(15, 0, 0) << 23.0;
        QTest::newRow("Milan, 40 East, December morning")
            << 45.4642 << 9.19 << 1.0 << false << 2023 << 12 << 10 << clockOf(10, 12, 30) << -40.0;
        QTest::newRow("Catania, East-North-East wall (-110), July dawn")
            << 37.5 << 15.09 << 1.0 << true << 2025 << 7 << 2 << clockOf(7, 5, 0) << -110.0;
        QTest::newRow("Oslo, North wall, June evening")
            << 59.91 << 10.75 << 1.0 << true << 2022 << 6 << 21 << clockOf(21, 30, 0) << 180.0;
        QTest::newRow("Sydney, North wall faces the noon Sun")
            << -33.87 << 151.21 << 10.0 << false << 2001 << 5 << 14 << clockOf(12, 0, 0) << 175.0;
        QTest::newRow("Buenos Aires, West wall, afternoon")
            << -34.6 << -58.38 << -3.0 << false << 1999 << 1 << 3 << clockOf(17, 45, 10) << 95.0;
    }
    void workedCase()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(double, zone);
        QFETCH(bool, summer);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, clock);
        QFETCH(double, wallDeg);
        const Place p = place(lat, lon, zone, summer);
        SurveyObservation o{{year, month, day}, clock, 0, {}};
        const SunForObservation sun = SunForSurvey(p, o);
        const SkyPlace ref = independentSun(year, month, day, clock - zone - (summer ? 1 : 0), lat, lon);
        const double tolSkyDeg = 0.02;
        HORALO_COMPARE_NEAR(std::remainder(sun.azimuthDeg - ref.azimuthFromSouthDeg, 360.0), 0.0, tolSkyDeg);
        HORALO_COMPARE_NEAR(sun.altitudeDeg, ref.altitudeDeg, tolSkyDeg);
        QVERIFY(sun.altitudeDeg > 0);

        o.alphaDeg = shadowAngleDeg(sun.azimuthDeg, wallDeg);
        QVERIFY2(std::abs(o.alphaDeg) < 90, "the Sun must light the wall in this case");
        const SurveyResult r = ReduceSurvey(p, {o});
        QVERIFY(r.status.ok());
        QCOMPARE(r.rows.size(), std::size_t(1));
        QCOMPARE(r.rows[0].state, SurveyRowState::Good);
        const double tolRoundTripDeg = 0.001;
        HORALO_COMPARE_NEAR(std::remainder(r.meanDeg - wallDeg, 360.0), 0.0, tolRoundTripDeg);
        QVERIFY(!r.spreadDeg.has_value());
    }

    // The sign of alpha, stated in words: a wall facing due South, Sun in the South-West in the
    // afternoon: the shadow points North-East, into the wall and to the right of a person facing
    // it (who looks North and has East on the right).
    void afternoonShadowOnASouthWallPointsRight()
    {
        HORALO_COMPARE_NEAR(shadowAngleDeg(30, 0), 30.0, 1e-12);
        HORALO_COMPARE_NEAR(DeclinationFromReading(30, 30), 0.0, 1e-12);
        // Morning Sun in the South-East on a wall declining 20 West: to the left, further.
        HORALO_COMPARE_NEAR(shadowAngleDeg(-30, 20), -50.0, 1e-12);
        HORALO_COMPARE_NEAR(DeclinationFromReading(-30, -50), 20.0, 1e-12);
    }

    // Hundreds of random observations over 1900-2100, both hemispheres, walls of every
    // declination, with and without summer time: the azimuth against the formula above and the
    // declination round trip.
    void randomObservationsRoundTrip()
    {
        std::mt19937 rng(20240614);
        std::uniform_real_distribution<double> uni(0.0, 1.0);
        int done = 0, tries = 0;
        double worstAzDeg = 0, worstAltDeg = 0, worstWallDeg = 0;
        while (done < 600 && tries < 100000) {
            ++tries;
            const int year = 1900 + static_cast<int>(uni(rng) * 201);
            const int month = 1 + static_cast<int>(uni(rng) * 12);
            const int day = 1 + static_cast<int>(uni(rng) * 28);
            const double lat = -65 + 130 * uni(rng);
            const double lon = -180 + 360 * uni(rng);
            const double zone = std::clamp(std::round(lon / 15.0), kSurveyFirstZone, kSurveyLastZone);
            const bool summer = uni(rng) < 0.5;
            const double clock = std::floor(uni(rng) * 86400.0) / 3600.0;
            const double wall = -180 + 360 * uni(rng);
            const Place p = place(lat, lon, zone, summer);
            SurveyObservation o{{year, month, day}, clock, 0, {}};
            const SunForObservation sun = SunForSurvey(p, o);
            // The Sun must be up and light the wall; near the zenith an azimuth means little.
            if (sun.altitudeDeg < 1 || sun.altitudeDeg > 75)
                continue;
            o.alphaDeg = shadowAngleDeg(sun.azimuthDeg, wall);
            if (std::abs(o.alphaDeg) >= 89)
                continue;
            ++done;
            const SkyPlace ref = independentSun(year, month, day, clock - zone - (summer ? 1 : 0), lat, lon);
            // An error on the sky of e grows to e / cos(altitude) in azimuth.
            const double azErr = std::abs(std::remainder(sun.azimuthDeg - ref.azimuthFromSouthDeg, 360.0))
                * std::cos(sun.altitudeDeg * kRad);
            worstAzDeg = std::max(worstAzDeg, azErr);
            worstAltDeg = std::max(worstAltDeg, std::abs(sun.altitudeDeg - ref.altitudeDeg));
            const SurveyResult r = ReduceSurvey(p, {o});
            QVERIFY(r.status.ok());
            QCOMPARE(r.goodRows, 1);
            worstWallDeg = std::max(worstWallDeg, std::abs(std::remainder(r.meanDeg - wall, 360.0)));
            // The same reading through the independent Sun gives the wall within the sky error.
            const double refWall = DeclinationFromReading(ref.azimuthFromSouthDeg, o.alphaDeg);
            const double tolSkyDeg = 0.02;
            HORALO_COMPARE_NEAR(std::remainder(refWall - wall, 360.0) * std::cos(sun.altitudeDeg * kRad), 0.0,
                                tolSkyDeg);
        }
        qInfo("%d observations: largest difference from the independent Sun %.4f deg on the sky in azimuth, "
              "%.4f deg in altitude; largest round-trip error %.2e deg",
              done, worstAzDeg, worstAltDeg, worstWallDeg);
        QCOMPARE(done, 600);
        const double tolSkyDeg = 0.02;
        QCOMPARE_LE(worstAzDeg, tolSkyDeg);
        QCOMPARE_LE(worstAltDeg, tolSkyDeg);
        QCOMPARE_LE(worstWallDeg, 1e-9);
    }

    // Five readings of a wall declining 23 degrees West in Milan on a summer afternoon; the
    // fourth was written in winter time (an hour early), so its Sun stands 15 degrees further
    // East and the wall it gives is off by about as much. It is left out, with its distance from
    // the median, and the mean of the other four is 23 within what typing to 0,01 allows.
    void oneMistypedHourIsAnOutlier()
    {
        const Place p = place(45.4642, 9.19, 1, true);
        const double wall = 23;
        std::vector<SurveyObservation> obs = afternoonReadings(p, wall);
        obs[3].clockHours -= 1;
        const SurveyResult r = ReduceSurvey(p, obs);
        QVERIFY(r.status.ok());
        QCOMPARE(r.goodRows, 4);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(r.rows[k].state, k == 3 ? SurveyRowState::Outlier : SurveyRowState::Good);
        const double tolMeanDeg = 0.01;
        HORALO_COMPARE_NEAR(r.meanDeg, wall, tolMeanDeg);
        QVERIFY2(std::abs(r.rows[3].deviationDeg) > 10,
                 qPrintable(QString::number(r.rows[3].deviationDeg)));
        QVERIFY(std::abs(r.rows[3].deviationDeg) > r.outlierLimitDeg);
        QVERIFY(r.spreadDeg.has_value() && *r.spreadDeg < 0.01);
        HORALO_COMPARE_NEAR(*r.accuracyDeg, *r.spreadDeg / 2.0, 1e-12);
    }

    // The same afternoon: the fourth reading's clock written an hour off either way is told
    // as an hour off, with the hour that puts it back among the others; an angle misread is an
    // outlier but no hour puts it right, and nothing else is marked.
    void readingAnHourOffIsTold_data()
    {
        QTest::addColumn<double>("clockErrorHours");
        QTest::addColumn<double>("alphaErrorDeg");
        QTest::addColumn<int>("wantHourOff");
        QTest::newRow("written an hour early") << -1.0 << 0.0 << 1;
        QTest::newRow("written an hour late") << 1.0 << 0.0 << -1;
        QTest::newRow("angle misread by 5 degrees") << 0.0 << 5.0 << 0;
        QTest::newRow("angle misread by 1 degree") << 0.0 << 1.0 << 0;
        QTest::newRow("written two hours early") << -2.0 << 0.0 << 0;
    }
    void readingAnHourOffIsTold()
    {
        QFETCH(double, clockErrorHours);
        QFETCH(double, alphaErrorDeg);
        QFETCH(int, wantHourOff);
        const Place p = place(45.4642, 9.19, 1, true);
        const double wall = 23;
        std::vector<SurveyObservation> obs = afternoonReadings(p, wall);
        obs[3].clockHours += clockErrorHours;
        obs[3].alphaDeg += alphaErrorDeg;
        const SurveyResult r = ReduceSurvey(p, obs);
        QVERIFY(r.status.ok());
        for (int k = 0; k < 5; ++k)
            QCOMPARE(r.rows[k].hourOff, k == 3 ? wantHourOff : 0);
    }

    // A reading's own summer time stands for the place's: the Sun is the same instant's.
    void readingsOwnSummerTime_data()
    {
        QTest::addColumn<bool>("placeSummer");
        QTest::addColumn<bool>("rowSummer");
        QTest::newRow("summer reading, place in standard time") << false << true;
        QTest::newRow("standard reading, place in summer time") << true << false;
    }
    void readingsOwnSummerTime()
    {
        QFETCH(bool, placeSummer);
        QFETCH(bool, rowSummer);
        SurveyObservation own{{2024, 4, 3}, clockOf(12, 30, 0), 0, rowSummer};
        SurveyObservation plain{{2024, 4, 3}, clockOf(12, 30, 0), 0, {}};
        const SunForObservation a = SunForSurvey(place(45.4642, 9.19, 1, placeSummer), own);
        const SunForObservation b = SunForSurvey(place(45.4642, 9.19, 1, rowSummer), plain);
        QCOMPARE(a.azimuthDeg, b.azimuthDeg);
        QCOMPARE(a.altitudeDeg, b.altitudeDeg);
        // An hour apart near noon the Sun's azimuth differs by tens of degrees.
        const SunForObservation other = SunForSurvey(place(45.4642, 9.19, 1, !rowSummer), plain);
        QVERIFY(std::abs(a.azimuthDeg - other.azimuthDeg) > 10);
    }

    // Readings that agree to the hundredth of a degree are never outliers, however small their
    // median deviation.
    void readingsThatAgreeAreKept()
    {
        const Place p = place(45.4642, 9.19, 1, false);
        std::vector<SurveyObservation> obs;
        for (int h = 11; h <= 15; ++h) {
            SurveyObservation o{{2024, 3, 1}, double(h), 0, {}};
            o.alphaDeg = shadowAngleDeg(SunForSurvey(p, o).azimuthDeg, 10) + (h == 13 ? 0.05 : 0);
            obs.push_back(o);
        }
        const SurveyResult r = ReduceSurvey(p, obs);
        QCOMPARE(r.goodRows, 5);
    }

    // The spread is the sample standard deviation of the good rows about their mean: readings
    // 0,1 above, 0,1 below and on the wall give 0,1, and the accuracy 0,1 / sqrt(3).
    void spreadAndAccuracy()
    {
        const Place p = place(41.9, 12.5, 1, false);
        std::vector<SurveyObservation> obs;
        const std::array<double, 3> errors{0.1, -0.1, 0.0};
        for (int k = 0; k < 3; ++k) {
            SurveyObservation o{{2010, 10, 1}, 10.0 + 2 * k, 0, {}};
            o.alphaDeg = shadowAngleDeg(SunForSurvey(p, o).azimuthDeg, -5) - errors[k];
            obs.push_back(o);
        }
        const SurveyResult r = ReduceSurvey(p, obs);
        QCOMPARE(r.goodRows, 3);
        HORALO_COMPARE_NEAR(r.meanDeg, -5.0, 1e-9);
        HORALO_COMPARE_NEAR(*r.spreadDeg, 0.1, 1e-9);
        HORALO_COMPARE_NEAR(*r.accuracyDeg, 0.1 / std::sqrt(3.0), 1e-9);
    }

    // A North wall: the readings straddle +-180 and must still be one group around 180.
    void northWallStraddlesTheSeam()
    {
        const Place p = place(59.91, 10.75, 1, true);
        std::vector<SurveyObservation> obs;
        const std::array<double, 4> clocks{clockOf(5, 0, 0), clockOf(6, 0, 0), clockOf(20, 0, 0), clockOf(21, 0, 0)};
        const std::array<double, 4> errors{0.03, -0.04, 0.02, -0.01};
        for (int k = 0; k < 4; ++k) {
            SurveyObservation o{{2022, 6, 21}, clocks[k], 0, {}};
            o.alphaDeg = shadowAngleDeg(SunForSurvey(p, o).azimuthDeg, 180) - errors[k];
            obs.push_back(o);
        }
        const SurveyResult r = ReduceSurvey(p, obs);
        QCOMPARE(r.goodRows, 4);
        HORALO_COMPARE_NEAR(std::remainder(r.meanDeg - 180.0, 360.0), 0.0, 0.01);
        QVERIFY(*r.spreadDeg < 0.05);
    }

    // Night and a time mistyped by eight hours: below the horizon, and behind the wall the
    // other readings agree on.
    void impossibleRows()
    {
        const Place p = place(45.4642, 9.19, 1, true);
        const double wall = 60;
        std::vector<SurveyObservation> obs;
        for (double c : {14.0, 15.0, 16.0, 17.0}) {
            SurveyObservation o{{2024, 6, 1}, c, 0, {}};
            o.alphaDeg = typed(shadowAngleDeg(SunForSurvey(p, o).azimuthDeg, wall));
            obs.push_back(o);
        }
        SurveyObservation morning = obs[2];
        morning.clockHours = 8; // 16 read as 8
        obs.push_back(morning);
        SurveyObservation night = obs[0];
        night.clockHours = 2;
        obs.push_back(night);
        const SurveyResult r = ReduceSurvey(p, obs);
        QVERIFY(r.status.ok());
        QCOMPARE(r.rows[4].state, SurveyRowState::BehindWall);
        QCOMPARE(r.rows[5].state, SurveyRowState::BelowHorizon);
        QVERIFY(r.rows[5].sunAltitudeDeg < 0);
        QCOMPARE(r.goodRows, 4);
        HORALO_COMPARE_NEAR(r.meanDeg, wall, 0.01);
    }

    void nothingGoodGivesNoNumbers()
    {
        const Place p = place(45.4642, 9.19, 1, false);
        const SurveyResult night = ReduceSurvey(p, {{{2024, 1, 10}, 23.5, 10, {}}});
        QVERIFY(night.status.ok());
        QCOMPARE(night.goodRows, 0);
        QCOMPARE(night.rows[0].state, SurveyRowState::BelowHorizon);
        QVERIFY(!night.spreadDeg && !night.accuracyDeg);
        const SurveyResult none = ReduceSurvey(p, {});
        QVERIFY(none.status.ok());
        QCOMPARE(none.goodRows, 0);
    }

    void refusals_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("zone");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("clock");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("reason");
        const double nan = std::nan("");
        auto f = [](InputField x) { return static_cast<int>(x); };
        auto why = [](RefusalReason x) { return static_cast<int>(x); };
        QTest::newRow("31 February") << 45.0 << 1.0 << 2023 << 2 << 31 << 12.0 << 0.0 << f(InputField::Date) << why(RefusalReason::NoSuchDate);
        QTest::newRow("29 February of a common year") << 45.0 << 1.0 << 1900 << 2 << 29 << 12.0 << 0.0 << f(InputField::Date) << why(RefusalReason::NoSuchDate);
        QTest::newRow("year 1500") << 45.0 << 1.0 << 1500 << 6 << 1 << 12.0 << 0.0 << f(InputField::Year) << why(RefusalReason::OutOfRange);
        QTest::newRow("clock 24:00:00") << 45.0 << 1.0 << 2023 << 6 << 1 << 24.0 << 0.0 << f(InputField::ClockTime) << why(RefusalReason::OutOfRange);
        QTest::newRow("clock negative") << 45.0 << 1.0 << 2023 << 6 << 1 << -0.1 << 0.0 << f(InputField::ClockTime) << why(RefusalReason::OutOfRange);
        QTest::newRow("alpha 90") << 45.0 << 1.0 << 2023 << 6 << 1 << 12.0 << 90.0 << f(InputField::Alpha) << why(RefusalReason::OutOfRange);
        QTest::newRow("alpha -90") << 45.0 << 1.0 << 2023 << 6 << 1 << 12.0 << -90.0 << f(InputField::Alpha) << why(RefusalReason::OutOfRange);
        QTest::newRow("alpha nan") << 45.0 << 1.0 << 2023 << 6 << 1 << 12.0 << nan << f(InputField::Alpha) << why(RefusalReason::NotFinite);
        QTest::newRow("zone -12,5") << 45.0 << -12.5 << 2023 << 6 << 1 << 12.0 << 0.0 << f(InputField::TimeZone) << why(RefusalReason::OutOfRange);
        QTest::newRow("zone 14,5") << 45.0 << 14.5 << 2023 << 6 << 1 << 12.0 << 0.0 << f(InputField::TimeZone) << why(RefusalReason::OutOfRange);
        QTest::newRow("latitude 90") << 90.0 << 1.0 << 2023 << 6 << 1 << 12.0 << 0.0 << f(InputField::Latitude) << why(RefusalReason::OutOfRange);
    }
    void refusals()
    {
        QFETCH(double, lat);
        QFETCH(double, zone);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, clock);
        QFETCH(double, alpha);
        QFETCH(int, field);
        QFETCH(int, reason);
        const SurveyObservation good{{2023, 6, 1}, 12, 0, {}};
        const SurveyResult r = ReduceSurvey(place(lat, 9, zone, false), {good, {{year, month, day}, clock, alpha, {}}});
        QCOMPARE(static_cast<int>(r.status.field), field);
        QCOMPARE(static_cast<int>(r.status.reason), reason);
        const bool placeField = r.status.field == InputField::Latitude || r.status.field == InputField::TimeZone;
        QCOMPARE(r.status.row, placeField ? -1 : 1);
        QVERIFY(r.rows.empty());
        QCOMPARE(r.goodRows, 0);
    }

    void zoneLimitsAreAccepted_data()
    {
        QTest::addColumn<double>("zone");
        QTest::newRow("zone -12") << -12.0;
        QTest::newRow("zone 14") << 14.0;
    }
    void zoneLimitsAreAccepted()
    {
        QFETCH(double, zone);
        QVERIFY(CheckSurveyPlace(place(0, 0, zone, false)).ok());
    }

    // A wall leaning back by i sets its top back by L tan i: a plumb line hung in front of it
    // stands further off at the top. Reference: atan(20 / 1000) = 1,14576 degrees.
    void inclination_data()
    {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("bottom");
        QTest::addColumn<double>("want");
        QTest::newRow("leans back 20 mm in a metre") << 1000.0 << 30.0 << 10.0 << 1.1457628381751;
        QTest::newRow("leans forward 20 mm in a metre") << 1000.0 << 10.0 << 30.0 << -1.1457628381751;
        QTest::newRow("plumb") << 1500.0 << 25.0 << 25.0 << 0.0;
        QTest::newRow("touching at the bottom, 45 degrees") << 100.0 << 100.0 << 0.0 << 45.0;
    }
    void inclination()
    {
        QFETCH(double, length);
        QFETCH(double, top);
        QFETCH(double, bottom);
        QFETCH(double, want);
        const InclinationResult r = InclinationFromPlumbLine(length, top, bottom);
        QVERIFY(r.status.ok());
        HORALO_COMPARE_NEAR(r.inclinationDeg, want, 1e-9);
    }

    void inclinationRefusals_data()
    {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("field");
        QTest::newRow("length 0") << 0.0 << 10.0 << static_cast<int>(InputField::PlumbLength);
        QTest::newRow("length negative") << -5.0 << 10.0 << static_cast<int>(InputField::PlumbLength);
        QTest::newRow("length infinite") << HUGE_VAL << 10.0 << static_cast<int>(InputField::PlumbLength);
        QTest::newRow("offset negative") << 1000.0 << -1.0 << static_cast<int>(InputField::PlumbOffset);
        QTest::newRow("offset nan") << 1000.0 << std::nan("") << static_cast<int>(InputField::PlumbOffset);
    }
    void inclinationRefusals()
    {
        QFETCH(double, length);
        QFETCH(double, top);
        QFETCH(int, field);
        const InclinationResult r = InclinationFromPlumbLine(length, top, 10);
        QVERIFY(!r.status.ok());
        QCOMPARE(static_cast<int>(r.status.field), field);
        QCOMPARE(r.inclinationDeg, 0.0);
    }

    void normalise_data()
    {
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("want");
        QTest::newRow("180 stays") << 180.0 << 180.0;
        QTest::newRow("-180 becomes 180") << -180.0 << 180.0;
        QTest::newRow("190 is -170") << 190.0 << -170.0;
        QTest::newRow("-540 is 180") << -540.0 << 180.0;
        QTest::newRow("719 is -1") << 719.0 << -1.0;
    }
    void normalise()
    {
        QFETCH(double, in);
        QFETCH(double, want);
        HORALO_COMPARE_NEAR(NormaliseDeg(in), want, 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestWallSurvey)
#include "test_wallsurvey.moc"
