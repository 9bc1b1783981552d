// The families that follow the Sun's place in the sky rather than the clock, and the air's
// refraction, held against the physics: every point of a temporary-hour, azimuth or altitude
// line is the shadow of the Sun it stands for, computed here with plain vectors and the test's
// own inversion of Bennett's formula; the Sun stands at the named azimuth or altitude, between
// the solstices, and the temporary hours divide the day from a sunrise 34' below the horizon.

#include "testsupport.h"

#include "gnomonics/diallines.h"
#include "shadowframe.h"

#include <cmath>

using namespace gnomonics;

namespace {

constexpr double kRad = M_PI / 180.0;

// Bennett's refraction in degrees for an apparent altitude, and the apparent altitude of a true
// one found by bisection (the program iterates; the two must agree).
double bennettDeg(double apparentDeg)
{
    const double a = std::clamp(apparentDeg, 0.0, 90.0);
    return std::max(0.0, 1.0 / std::tan((a + 7.31 / (a + 4.4)) * kRad) / 60.0);
}

double seenAltitudeDeg(double trueDeg)
{
    double lo = trueDeg, hi = trueDeg + 1.0;
    for (int i = 0; i < 100; ++i) {
        const double mid = (lo + hi) / 2;
        (mid - bennettDeg(mid) < trueDeg ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

sunframe::Vec3 seen(sunframe::Vec3 sun, bool refraction)
{
    if (!refraction)
        return sun;
    const double across = std::hypot(sun.x, sun.y);
    const double a = seenAltitudeDeg(std::atan2(sun.z, across) / kRad) * kRad;
    return {sun.x * std::cos(a) / across, sun.y * std::cos(a) / across, std::sin(a)};
}

DialSpec skyDial(double lat, double decl, double incl, bool refraction)
{
    DialSpec design;
    design.place = {lat, 10.0, 1.0, false};
    design.declinationDeg = decl;
    design.inclinationDeg = incl;
    design.gnomonMm = 100;
    design.hours.apparent = true;
    design.hours.quarterHours = true;
    design.hours.temporary = true;
    design.sky = {15.0, 10.0};
    design.refraction = refraction;
    design.plate = {-700, 700, -900, 500, 0, {}};
    return design;
}

} // namespace

class TestSkyLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refraction_data()
    {
        QTest::addColumn<double>("trueDeg");
        QTest::addColumn<double>("seenDeg");
        // Bennett's formula gives 34.5' on the horizon (Meeus ch. 16): a Sun whose centre is
        // on the horizon is seen 28.9' above it, one 34' below just above it (0.4').
        QTest::newRow("on the horizon") << 0.0 << 0.4822;
        QTest::newRow("34' below: seen on the horizon") << -34.0 / 60 << 0.0066;
        QTest::newRow("10 degrees: 5.3'") << 10.0 << 10.0891;
        QTest::newRow("45 degrees: 1'") << 45.0 << 45.0166;
        QTest::newRow("overhead") << 90.0 << 90.0;
        QTest::newRow("well below: the horizon's refraction") << -5.0 << -5.0 + 0.5746;
    }
    void refraction()
    {
        QFETCH(double, trueDeg);
        QFETCH(double, seenDeg);
        const double a = ApparentAltitudeDeg(trueDeg);
        QCOMPARE_LE(std::abs(a - seenDeg), 1e-4);
        if (trueDeg > -0.5)
            QCOMPARE_LE(std::abs(a - BennettRefractionDeg(a) - trueDeg), 1e-12);
    }

    void everyPointIsItsSunsShadow_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("incl");
        QTest::addColumn<bool>("refraction");
        QTest::newRow("Milano, wall 23 West") << 45.4642 << 23.0 << 0.0 << false;
        QTest::newRow("Milano, wall 23 West, refraction") << 45.4642 << 23.0 << 0.0 << true;
        QTest::newRow("Rome, horizontal, refraction") << 41.9 << 0.0 << 90.0 << true;
        QTest::newRow("tropics, horizontal: the zenith") << 10.0 << 0.0 << 90.0 << false;
        QTest::newRow("Sydney, North wall reclining") << -33.87 << 180.0 << 30.0 << true;
        QTest::newRow("Oslo, East wall") << 59.91 << -90.0 << 0.0 << true;
        QTest::newRow("leaning forward, West-North-West") << 38.0 << 112.5 << -35.0 << true;
    }
    void everyPointIsItsSunsShadow()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, incl);
        QFETCH(bool, refraction);
        const double tolMm = 1e-6, tolDeg = 1e-7;
        const DialSpec design = skyDial(lat, decl, incl, refraction);
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.status.ok());
        const sunframe::Vec3 n = shadowframe::wallNormal(-decl, incl);
        const sunframe::Vec3 up = d.plane.up.x * sunframe::Vec3{1, 0, 0} + d.plane.up.y * sunframe::Vec3{0, 1, 0} +
                                  d.plane.up.z * sunframe::Vec3{0, 0, 1};
        const sunframe::Vec3 right{d.plane.right.x, d.plane.right.y, d.plane.right.z};
        const double h0 = -34.0 / 60.0 * (refraction ? 1 : 0);
        int temporary = 0, azimuth = 0, altitude = 0;
        for (const DialLine &line : d.lines)
            for (const auto &piece : line.pieces)
                for (const DialPoint &p : piece) {
                    const sunframe::Vec3 sun = sunframe::sunDirection(lat, p.hourAngleDeg, p.declinationDeg);
                    const sunframe::Vec3 s = seen(sun, refraction);
                    QVERIFY(s.z >= -1e-9);
                    QVERIFY(sunframe::dot(s, n) > -1e-12);
                    const auto shadow = sunframe::projectAlongSun(d.plane.nodusHeightMm * n, s, n);
                    QVERIFY(shadow);
                    QCOMPARE_LE(std::abs(sunframe::dot(*shadow, right) - p.xMm), tolMm * 100);
                    QCOMPARE_LE(std::abs(sunframe::dot(*shadow, up) - p.yMm), tolMm * 100);
                    const double altitudeDeg = std::asin(std::clamp(s.z, -1.0, 1.0)) / kRad;
                    const bool between = p.declinationDeg >= d.lowestDeclinationDeg - 1e-9 &&
                                         p.declinationDeg <= d.highestDeclinationDeg + 1e-9;
                    switch (line.family) {
                    case LineFamily::Temporary: {
                        // cos H0 = (sin h0 - sin phi sin d) / (cos phi cos d); H = H0 (T / 6 - 1).
                        const double dd = p.declinationDeg * kRad, ph = lat * kRad;
                        const double H0 = std::acos((std::sin(h0 * kRad) - std::sin(ph) * std::sin(dd)) /
                                                    (std::cos(ph) * std::cos(dd))) / kRad;
                        QCOMPARE_LE(std::abs(p.hourAngleDeg - H0 * (line.hour / 6.0 - 1.0)), tolDeg);
                        ++temporary;
                        break;
                    }
                    case LineFamily::Azimuth:
                        QVERIFY(between);
                        if (altitudeDeg < 89.9) {
                            const double az = std::atan2(-s.x, -s.y) / kRad; // from South, West positive
                            QCOMPARE_LE(std::abs(std::remainder(az - line.hour, 360.0)), 1e-6);
                        }
                        ++azimuth;
                        break;
                    case LineFamily::Altitude:
                        QVERIFY(between);
                        QCOMPARE_LE(std::abs(altitudeDeg - line.hour), 1e-6);
                        ++altitude;
                        break;
                    default:
                        break;
                    }
                }
        qInfo("%d temporary, %d azimuth and %d altitude points", temporary, azimuth, altitude);
        QVERIFY(temporary > 0 && azimuth > 0 && altitude > 0);
    }

    void familiesAndTheirLabels()
    {
        // Quarter hours between the half hours; temporary hours 1 to 11; azimuths from the South
        // both ways round, -180 and 180 once; altitudes every step below 90.
        const DialLines d = BuildDialLines(skyDial(45.0, 0.0, 90.0, false));
        QVERIFY(d.status.ok());
        QList<double> apparent, temporary, azimuths, altitudes;
        for (const DialLine &line : d.lines) {
            QList<double> *list = line.family == LineFamily::ApparentTime ? &apparent
                : line.family == LineFamily::Temporary                    ? &temporary
                : line.family == LineFamily::Azimuth                      ? &azimuths
                : line.family == LineFamily::Altitude                     ? &altitudes
                                                                          : nullptr;
            if (list)
                list->append(line.hour);
        }
        QCOMPARE(apparent.size(), 96);
        QCOMPARE(apparent[41], 10.25);
        QCOMPARE(temporary, (QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(azimuths.size(), 24);
        QCOMPARE(azimuths.front(), -165.0);
        QCOMPARE(azimuths.back(), 180.0);
        QCOMPARE(altitudes, (QList<double>{10, 20, 30, 40, 50, 60, 70, 80}));
    }

    void refusesABadStep_data()
    {
        QTest::addColumn<double>("azimuthStep");
        QTest::addColumn<double>("altitudeStep");
        QTest::addColumn<int>("field");
        QTest::newRow("azimuth half a degree") << 0.5 << 0.0 << int(InputField::AzimuthStep);
        QTest::newRow("altitude beyond 90") << 0.0 << 91.0 << int(InputField::AltitudeStep);
        QTest::newRow("azimuth negative") << -15.0 << 0.0 << int(InputField::AzimuthStep);
        QTest::newRow("altitude not a number") << 0.0 << std::nan("") << int(InputField::AltitudeStep);
    }
    void refusesABadStep()
    {
        QFETCH(double, azimuthStep);
        QFETCH(double, altitudeStep);
        QFETCH(int, field);
        DialSpec design = skyDial(45.0, 0.0, 0.0, false);
        design.sky = {azimuthStep, altitudeStep};
        const DialLines d = BuildDialLines(design);
        QVERIFY(!d.status.ok());
        QCOMPARE(int(d.status.field), field);
        QVERIFY(d.lines.empty());
    }
};

QTEST_APPLESS_MAIN(TestSkyLines)
#include "test_skylines.moc"
