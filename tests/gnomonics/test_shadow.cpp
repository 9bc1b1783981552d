// The shadow at one instant, held against the sky: the Sun's place comes from the solar theory,
// but its hour angle, its direction, the refraction that lifts it, the plane's axes and the
// nodus's shadow are all worked out here again with plain vectors (sunframe.h), and the hour
// readings against what each hour system means: how long ago the Sun stood on the horizon.

#include "testsupport.h"

#include "gnomonics/shadow.h"
#include "shadowframe.h"

#include <cmath>

using namespace gnomonics;

Q_DECLARE_METATYPE(gnomonics::ShadowSight)

namespace {

// The Sun's centre at sunrise and sunset: on the horizon, or 34' below it with refraction.
double horizonDeg(bool refraction) { return refraction ? -34.0 / 60.0 : 0.0; }

double wrap24(double h) { return std::fmod(std::fmod(h, 24.0) + 24.0, 24.0); }
double wrap180(double d) { return d - 360.0 * std::floor((d + 180.0) / 360.0); }

// Bennett's refraction (arc minutes) at an apparent altitude a (degrees), and the apparent
// altitude of a true one, solved by plain fixed-point steps: a = h + R(a).
double bennettArcmin(double a) { return 1.0 / std::tan(sunframe::radians(a + 7.31 / (a + 4.4))); }
double seenAltitudeDeg(double trueDeg)
{
    const double horizon = bennettArcmin(0.0) / 60.0;
    if (trueDeg <= -horizon)
        return trueDeg + horizon; // not seen: the horizon's refraction, so it stays below
    double a = trueDeg + horizon;
    for (int i = 0; i < 100; ++i)
        a = trueDeg + std::max(0.0, bennettArcmin(std::max(a, 0.0))) / 60.0;
    return a;
}

struct Expected {
    ShadowSight sight = ShadowSight::SunDown;
    double xMm = 0, yMm = 0;
    double hourAngleDeg = 0;
    double declinationDeg = 0;
    sunframe::Vec3 casting; // the Sun that casts the shadow
    sunframe::Vec3 normal, right, up;
    double heightMm = 0;
};

// The shadow worked out apart: the Sun from its right ascension and the sidereal time, raised
// by refraction in its own vertical, and the nodus h along the outward normal projected along it.
Expected shadowApart(const DialSpec &d, const CivilDate &date, double clock)
{
    Expected e;
    const double ut = clock - d.place.zoneHours - (d.place.summerTime ? 1.0 : 0.0);
    const SunPosition sun = SunAt(JulianDay(date, ut));
    e.declinationDeg = sun.declinationDeg;
    e.hourAngleDeg = wrap180(sun.apparentSiderealDeg + d.place.longitudeDeg - sun.rightAscensionDeg);
    sunframe::Vec3 s = sunframe::sunDirection(d.place.latitudeDeg, e.hourAngleDeg, e.declinationDeg);
    if (d.refraction) {
        const double across = std::hypot(s.x, s.y);
        const double a = sunframe::radians(seenAltitudeDeg(sunframe::degrees(std::atan2(s.z, across))));
        s = {s.x / across * std::cos(a), s.y / across * std::cos(a), std::sin(a)};
    }
    e.casting = s;
    e.normal = shadowframe::wallNormal(-d.declinationDeg, d.inclinationDeg);
    if (d.inclinationDeg == 90.0) {
        e.right = {1, 0, 0}; // a horizontal dial facing South read from the South: East to the right
        e.up = {0, 1, 0};
    } else {
        const sunframe::Vec3 r = sunframe::cross(sunframe::kUp, e.normal);
        e.right = (1.0 / sunframe::norm(r)) * r;
        e.up = sunframe::cross(e.normal, e.right);
    }
    e.heightMm = d.gnomonMm;
    if (s.z < 0) {
        e.sight = ShadowSight::SunDown;
        return e;
    }
    if (sunframe::dot(s, e.normal) <= 0) {
        e.sight = ShadowSight::BehindPlane;
        return e;
    }
    const auto p = sunframe::projectAlongSun(e.heightMm * e.normal, s, e.normal);
    e.sight = ShadowSight::OnPlane;
    e.xMm = sunframe::dot(*p, e.right);
    e.yMm = sunframe::dot(*p, e.up);
    return e;
}

DialSpec dialAt(double lat, double lon, double zone, bool summer, double declW, double incl, bool refraction)
{
    DialSpec d;
    d.place = {lat, lon, zone, summer};
    d.declinationDeg = declW;
    d.inclinationDeg = incl;
    d.gnomonMm = 100;
    d.refraction = refraction;
    return d;
}

DialPlane planeOf(const DialSpec &d)
{
    PlaneInput in;
    in.latitudeDeg = d.place.latitudeDeg;
    in.declinationDeg = d.declinationDeg;
    in.inclinationDeg = d.inclinationDeg;
    in.sizeMm = d.gnomonMm;
    const DialPlaneResult r = MakeDialPlane(in);
    return r.plane;
}

// The altitude (degrees, true) of a Sun of that declination at that hour angle.
double altitudeAt(double lat, double hourAngleDeg, double declDeg)
{
    return sunframe::degrees(std::asin(sunframe::sunDirection(lat, hourAngleDeg, declDeg).z));
}

} // namespace

class TestShadow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shadowAtInstant_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("zone");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<double>("declW");
        QTest::addColumn<double>("incl");
        QTest::addColumn<bool>("refraction");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("clock");
        QTest::addColumn<ShadowSight>("sight");
        const auto on = ShadowSight::OnPlane;
        const auto down = ShadowSight::SunDown;
        const auto behind = ShadowSight::BehindPlane;
        for (bool r : {false, true}) {
            const char *tag = r ? ", refraction" : "";
            auto row = [&](const char *name) { return &QTest::newRow(qPrintable(QString::fromLatin1(name) + QString::fromLatin1(tag))); };
            *row("Milano South wall, equinox noon") << 45.4642 << 9.19 << 1.0 << false << 0.0 << 0.0 << r << 2026 << 3 << 21 << 12.0 << on;
            *row("Milano South wall, June 20:00 summer, Sun behind") << 45.4642 << 9.19 << 1.0 << true << 0.0 << 0.0 << r << 2026 << 6 << 21 << 20.0 << behind;
            *row("Milano South wall, December 23:00, night") << 45.4642 << 9.19 << 1.0 << false << 0.0 << 0.0 << r << 2026 << 12 << 21 << 23.0 << down;
            *row("wall declining 40 West, August afternoon") << 45.4642 << 9.19 << 1.0 << true << 40.0 << 0.0 << r << 2026 << 8 << 15 << 16.25 << on;
            *row("wall declining 40 West, August morning, Sun behind") << 45.4642 << 9.19 << 1.0 << true << 40.0 << 0.0 << r << 2026 << 8 << 15 << 8.0 << behind;
            *row("horizontal Roma, May morning") << 41.9 << 12.5 << 1.0 << true << 0.0 << 90.0 << r << 2026 << 5 << 10 << 10.0 << on;
            *row("reclining 30, declining 15 West, lat 40, winter") << 40.0 << 15.0 << 1.0 << false << 15.0 << 30.0 << r << 2030 << 1 << 20 << 14.5 << on;
            *row("leaning forward 20, declining 25 East, autumn") << 45.0 << 7.0 << 1.0 << false << -25.0 << -20.0 << r << 2026 << 10 << 5 << 11.0 << on;
            *row("Sydney North wall, January noon summer") << -33.87 << 151.21 << 10.0 << true << 180.0 << 0.0 << r << 2027 << 1 << 15 << 13.0 << on;
            *row("Sydney North wall, June 7:00, night") << -33.87 << 151.21 << 10.0 << false << 180.0 << 0.0 << r << 2026 << 6 << 21 << 6.5 << down;
            *row("Sydney North wall, December 7:00 summer, Sun behind") << -33.87 << 151.21 << 10.0 << true << 180.0 << 0.0 << r << 2026 << 12 << 21 << 7.0 << behind;
            *row("year 1600, Milano South wall") << 45.4642 << 9.19 << 1.0 << false << 0.0 << 0.0 << r << 1600 << 1 << 1 << 12.0 << on;
            *row("year 2400, Milano South wall") << 45.4642 << 9.19 << 1.0 << false << 0.0 << 0.0 << r << 2400 << 12 << 31 << 12.0 << on;
            *row("Tromso horizontal, midnight Sun") << 69.65 << 18.96 << 1.0 << true << 0.0 << 90.0 << r << 2026 << 6 << 21 << 0.5 << on;
        }
        // 21/06/2026 21:12 summer time in Milano: the Sun is 0.33 degree below the horizon,
        // seen 0.20 degree above it through the air.
        QTest::newRow("Milano horizontal, sunset, geometric Sun down") << 45.4642 << 9.19 << 1.0 << true << 0.0 << 90.0 << false
                                                                       << 2026 << 6 << 21 << 21.2 << down;
        QTest::newRow("Milano horizontal, sunset, refracted Sun up") << 45.4642 << 9.19 << 1.0 << true << 0.0 << 90.0 << true
                                                                     << 2026 << 6 << 21 << 21.2 << on;
        QTest::newRow("Milano wall 40 West, sunset, geometric Sun down") << 45.4642 << 9.19 << 1.0 << true << 40.0 << 0.0 << false
                                                                         << 2026 << 6 << 21 << 21.2 << down;
        QTest::newRow("Milano wall 40 West, sunset, refracted Sun up") << 45.4642 << 9.19 << 1.0 << true << 40.0 << 0.0 << true
                                                                       << 2026 << 6 << 21 << 21.2 << on;
        // 21:14: seen 0.05 degree below the horizon even through the air.
        QTest::newRow("Milano horizontal, after sunset, refracted Sun down") << 45.4642 << 9.19 << 1.0 << true << 0.0 << 90.0 << true
                                                                             << 2026 << 6 << 21 << 21.0 + 14.0 / 60 << down;
    }

    void shadowAtInstant()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(double, zone);
        QFETCH(bool, summer);
        QFETCH(double, declW);
        QFETCH(double, incl);
        QFETCH(bool, refraction);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, clock);
        QFETCH(ShadowSight, sight);
        const DialSpec d = dialAt(lat, lon, zone, summer, declW, incl, refraction);
        const CivilDate date{year, month, day};
        const ShadowAtInstant got = ShadowAt(d, planeOf(d), date, clock);
        QVERIFY(got.status.ok());
        const Expected want = shadowApart(d, date, clock);
        QCOMPARE(want.sight, sight); // the row says what the sky shows
        QCOMPARE(got.sight, sight);
        const double tolDeg = 1e-9;
        QCOMPARE_LE(std::abs(got.hourAngleDeg - want.hourAngleDeg), tolDeg);
        QCOMPARE_LE(std::abs(got.declinationDeg - want.declinationDeg), tolDeg);
        // The altitude as seen: the casting Sun's.
        const double seen = sunframe::degrees(std::asin(want.casting.z));
        QCOMPARE_LE(std::abs(got.altitudeDeg - seen), 1e-7);
        QCOMPARE(got.clockHours, clock);
        QCOMPARE_LE(std::abs(got.apparentHours - wrap24(12 + want.hourAngleDeg / 15)), 1e-9);
        if (sight != ShadowSight::OnPlane)
            return;
        // Far shadows of a low Sun (tens of metres away) are held to the same share of their length.
        const double tolMm = 1e-6 + 1e-9 * std::hypot(want.xMm, want.yMm);
        QCOMPARE_LE(std::abs(got.point.xMm - want.xMm), tolMm);
        QCOMPARE_LE(std::abs(got.point.yMm - want.yMm), tolMm);

        // The style's shadow: both ends are shadows of points of the style, the line through
        // the nodus along the Earth's axis, and one end is the nodus's own.
        const sunframe::Vec3 s = want.casting;
        const sunframe::Vec3 pole = sunframe::northPole(lat);
        const sunframe::Vec3 nodus = want.heightMm * want.normal;
        auto shadowOf = [&](sunframe::Vec3 q) {
            const auto p = sunframe::projectAlongSun(q, s, want.normal);
            return QPointF(sunframe::dot(*p, want.right), sunframe::dot(*p, want.up));
        };
        const QPointF a = shadowOf(nodus), b = shadowOf(nodus + 50.0 * pole);
        const QPointF along = (b - a) / std::hypot((b - a).x(), (b - a).y());
        auto offStyleShadow = [&](Point2 q) {
            return std::abs((q.xMm - a.x()) * along.y() - (q.yMm - a.y()) * along.x());
        };
        QCOMPARE_LE(offStyleShadow(got.styleFrom), 1e-6 * (1 + std::hypot(got.styleFrom.xMm, got.styleFrom.yMm)));
        QCOMPARE_LE(offStyleShadow(got.styleTo), 1e-6 * (1 + std::hypot(got.styleTo.xMm, got.styleTo.yMm)));
        QCOMPARE_LE(std::abs(got.styleTo.xMm - want.xMm), tolMm);
        QCOMPARE_LE(std::abs(got.styleTo.yMm - want.yMm), tolMm);
    }

    void readingsMeanWhatTheySay_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<bool>("refraction");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("clock");
        QTest::addColumn<bool>("daylight");
        QTest::newRow("lat 45, June morning") << 45.0 << false << 6 << 21 << 8.0 << true;
        QTest::newRow("lat 45, June morning, refraction") << 45.0 << true << 6 << 21 << 8.0 << true;
        QTest::newRow("lat 45, March afternoon") << 45.0 << false << 3 << 20 << 15.5 << true;
        QTest::newRow("lat 45, December evening, night") << 45.0 << false << 12 << 21 << 21.0 << false;
        QTest::newRow("lat 45, December evening, night, refraction") << 45.0 << true << 12 << 21 << 21.0 << false;
        QTest::newRow("lat -33, January afternoon") << -33.0 << false << 1 << 10 << 16.0 << true;
        QTest::newRow("lat -33, January afternoon, refraction") << -33.0 << true << 1 << 10 << 16.0 << true;
        QTest::newRow("lat 60, before dawn") << 60.0 << true << 9 << 1 << 3.0 << false;
    }

    void readingsMeanWhatTheySay()
    {
        // On the day's declination the Sun stood on the horizon (its centre at 0, or 34' below
        // with refraction), rising, B Babylonian hours ago, and setting I Italic hours ago; by
        // day the temporary hour is the share of the daylight gone by, times twelve.
        QFETCH(double, lat);
        QFETCH(bool, refraction);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, clock);
        QFETCH(bool, daylight);
        DialSpec d = dialAt(lat, 0.0, 0.0, false, lat < 0 ? 180.0 : 0.0, 0.0, refraction);
        const ShadowAtInstant got = ShadowAt(d, planeOf(d), {2026, month, day}, clock);
        QVERIFY(got.status.ok());
        QVERIFY(got.italicHours && got.babylonianHours);
        const double h0 = horizonDeg(refraction);
        const double tolDeg = 1e-7; // of altitude, at the Sun's place on the horizon
        const double dec = got.declinationDeg;
        const double rose = got.hourAngleDeg - 15.0 * *got.babylonianHours;
        const double set = got.hourAngleDeg - 15.0 * *got.italicHours;
        QCOMPARE_LE(std::abs(altitudeAt(lat, rose, dec) - h0), tolDeg);
        QCOMPARE_LE(std::abs(altitudeAt(lat, set, dec) - h0), tolDeg);
        QVERIFY2(wrap180(rose) < 0, "the Babylonian hours count from the rising, in the East");
        QVERIFY2(wrap180(set) > 0, "the Italic hours count from the setting, in the West");
        QCOMPARE(got.temporaryHours.has_value(), daylight);
        if (daylight) {
            const double halfDay = std::abs(wrap180(rose));
            QCOMPARE_LE(std::abs(*got.temporaryHours - 12.0 * (got.hourAngleDeg + halfDay) / (2 * halfDay)), 1e-9);
            QCOMPARE_LE(std::abs(wrap180(set) - halfDay), 1e-7);
        }
        // By day or by night the Italic and Babylonian hours add up to twice the apparent time.
        QCOMPARE_LE(std::abs(wrap180(15.0 * (*got.italicHours + *got.babylonianHours - 2 * got.apparentHours))), 1e-7);
    }

    void noSunsetNoItalicHours()
    {
        // Tromso in June: the Sun never sets, so no Italic, Babylonian or temporary hour.
        const DialSpec d = dialAt(69.65, 18.96, 1.0, true, 0.0, 90.0, false);
        const ShadowAtInstant got = ShadowAt(d, planeOf(d), {2026, 6, 21}, 12.0);
        QVERIFY(got.status.ok());
        QVERIFY(!got.italicHours);
        QVERIFY(!got.babylonianHours);
        QVERIFY(!got.temporaryHours);
    }

    void localMeanClock()
    {
        // A dial of local mean time at longitude 12.5 East, zone 1, summer time: 14:00 on the
        // clock is 12:00 UT, 12:50 local mean time.
        DialSpec d = dialAt(41.9, 12.5, 1.0, true, 0.0, 0.0, false);
        d.hours.clockKind = ClockKind::LocalMean;
        const ShadowAtInstant got = ShadowAt(d, planeOf(d), {2026, 7, 1}, 14.0);
        QCOMPARE_LE(std::abs(got.clockHours - (12.0 + 50.0 / 60)), 1e-12);
    }

    void polarDialStyleShadow()
    {
        // Latitude 45, a South plane reclined 45 degrees holds the Earth's axis: no centre. The
        // style's shadow is a piece of the line through the point parallel to the substyle.
        const DialSpec d = dialAt(45.0, 0.0, 0.0, false, 0.0, 45.0, false);
        const DialPlane plane = planeOf(d);
        QVERIFY(!plane.hasCentre);
        const ShadowAtInstant got = ShadowAt(d, plane, {2026, 4, 10}, 10.0);
        QCOMPARE(got.sight, ShadowSight::OnPlane);
        // The substyle of this plane is its up-and-down line: x stays that of the point.
        const double tolMm = 1e-6;
        QCOMPARE_LE(std::abs(got.styleFrom.xMm - got.point.xMm), tolMm);
        QCOMPARE_LE(std::abs(got.styleTo.xMm - got.point.xMm), tolMm);
        QCOMPARE_LE(std::abs(std::abs(got.styleTo.yMm - got.styleFrom.yMm) - 200.0), tolMm);
    }

    void refusedInstants_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("clock");
        QTest::addColumn<int>("field");
        QTest::newRow("31 February") << 2026 << 2 << 31 << 12.0 << int(InputField::Date);
        QTest::newRow("29 February of a common year") << 2027 << 2 << 29 << 12.0 << int(InputField::Date);
        QTest::newRow("year 1599") << 1599 << 12 << 31 << 12.0 << int(InputField::Year);
        QTest::newRow("year 2401") << 2401 << 1 << 1 << 12.0 << int(InputField::Year);
        QTest::newRow("clock 25") << 2026 << 3 << 1 << 25.0 << int(InputField::ClockTime);
        QTest::newRow("clock below 0") << 2026 << 3 << 1 << -0.5 << int(InputField::ClockTime);
        QTest::newRow("clock not a number") << 2026 << 3 << 1 << double(NAN) << int(InputField::ClockTime);
        QTest::newRow("clock infinite") << 2026 << 3 << 1 << double(INFINITY) << int(InputField::ClockTime);
    }

    void refusedInstants()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, clock);
        QFETCH(int, field);
        const DialSpec d = dialAt(45.0, 9.0, 1.0, false, 0.0, 0.0, false);
        const ShadowAtInstant got = ShadowAt(d, planeOf(d), {year, month, day}, clock);
        QVERIFY(!got.status.ok());
        QCOMPARE(int(got.status.field), field);
        QCOMPARE(got.sight, ShadowSight::SunDown);
        QVERIFY(!got.italicHours && !got.babylonianHours && !got.temporaryHours);
    }

    void apparentNoonOnTheNoonLine()
    {
        // 21/03/2026 at apparent noon the shadow lies on the noon line (through O, straight down
        // a South wall), below F by h tan(Sun's altitude) = h / tan(latitude - declination).
        DialSpec d = dialAt(45.4642, 9.19, 1.0, false, 0.0, 0.0, false);
        const DialPlane plane = planeOf(d);
        double lo = 11.5, hi = 13.5; // the clock of apparent noon, halved on the hour angle
        for (int i = 0; i < 60; ++i) {
            const double mid = (lo + hi) / 2;
            (ShadowAt(d, plane, {2026, 3, 21}, mid).hourAngleDeg < 0 ? lo : hi) = mid;
        }
        const ShadowAtInstant got = ShadowAt(d, plane, {2026, 3, 21}, lo);
        QCOMPARE(got.sight, ShadowSight::OnPlane);
        const double tolMm = 1e-6;
        QCOMPARE_LE(std::abs(got.point.xMm - plane.centre.xMm), tolMm);
        QCOMPARE_LE(std::abs(got.point.yMm + 100.0 / std::tan(sunframe::radians(45.4642 - got.declinationDeg))), tolMm);
    }
};

QTEST_APPLESS_MAIN(TestShadow)
#include "test_shadow.moc"
