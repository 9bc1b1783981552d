// The kinds of dial besides the plane with a style, held against their own definitions: the
// bifilar point is where the two wires' shadows cross, x = -b Sx / Sz, y = -a Sy / Sz; the
// analemmatic hour marks lie on x = M sin H, y = M sin(latitude) cos H and its dates on
// y = M tan(d) cos(latitude); the dark room's noon spots are the hole's image at apparent noon
// and their edges the Sun's disc through the hole; the presets' planes hold the Earth's axis.

#include "testsupport.h"

#include "gnomonics/diallines.h"
#include "shadowframe.h"

#include <cmath>

using namespace gnomonics;

namespace {

constexpr double kRad = M_PI / 180.0;

DialSpec kindDial(DialKind kind, double lat)
{
    DialSpec design;
    design.kind = kind;
    design.place = {lat, 9.19, 1.0, false};
    design.inclinationDeg = 90;
    design.gnomonMm = 100;
    design.hours.apparent = true;
    design.hours.italic = true;
    design.dates.monthFirsts = true;
    design.bifilar = {100, 150};
    design.analemmatic = {2000, 0};
    design.darkRoom = {25};
    design.plate = {-3000, 3000, -3000, 3000, 0, {}};
    return design;
}

} // namespace

class TestDialKinds : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bifilarPointIsWhereTheWiresShadowsCross_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("Milano, b = 1.5 a") << 45.4642 << 100.0 << 150.0;
        QTest::newRow("Rome, evenly spaced hours") << 41.9 << 80.0 << 80.0 / std::sin(41.9 * kRad);
        QTest::newRow("Sydney") << -33.87 << 120.0 << 60.0;
    }
    void bifilarPointIsWhereTheWiresShadowsCross()
    {
        QFETCH(double, lat);
        QFETCH(double, a);
        QFETCH(double, b);
        DialSpec design = kindDial(DialKind::Bifilar, lat);
        design.declinationDeg = 23; // the plane fields are not the bifilar's: it is horizontal
        design.inclinationDeg = 0;
        design.bifilar = {a, b};
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.status.ok());
        long points = 0;
        for (const DialLine &line : d.lines)
            for (const auto &piece : line.pieces)
                for (const DialPoint &p : piece) {
                    const sunframe::Vec3 s = sunframe::sunDirection(lat, p.hourAngleDeg, p.declinationDeg);
                    QVERIFY(s.z > -1e-12);
                    QCOMPARE_LE(std::abs(-b * s.x / s.z - p.xMm), 1e-6 * std::max(1.0, std::abs(p.xMm)));
                    QCOMPARE_LE(std::abs(-a * s.y / s.z - p.yMm), 1e-6 * std::max(1.0, std::abs(p.yMm)));
                    ++points;
                }
        QVERIFY(points > 1000);
        // The apparent hour lines meet at (0; -a cot(latitude)).
        QVERIFY(d.plane.hasCentre);
        QCOMPARE_LE(std::abs(d.plane.centre.xMm), 1e-9);
        QCOMPARE_LE(std::abs(d.plane.centre.yMm + a / std::tan(lat * kRad)), 1e-9);
    }

    void analemmaticMarks_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<bool>("clock");
        QTest::newRow("Milano, apparent time") << 45.4642 << false;
        QTest::newRow("Milano, zone time") << 45.4642 << true;
        QTest::newRow("Sydney, apparent time") << -33.87 << false;
    }
    void analemmaticMarks()
    {
        QFETCH(double, lat);
        QFETCH(bool, clock);
        DialSpec design = kindDial(DialKind::Analemmatic, lat);
        design.hours.apparent = !clock;
        design.hours.clock = clock;
        design.dates.solsticesEquinoxes = true;
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.status.ok());
        QVERIFY(d.lines.empty());
        const double m = design.analemmatic.semiAxisMm;
        int hours = 0, days = 0;
        for (const DialMark &mark : d.marks) {
            if (mark.kind == MarkKind::AnalemmaticHour) {
                // Apparent time, or the zone's clock moved by the longitude difference (9.19 - 15).
                const double h = (15.0 * (mark.hour - 12.0) + (clock ? 9.19 - 15.0 : 0.0)) * kRad;
                QCOMPARE_LE(std::abs(mark.at.xMm - m * std::sin(h)), 1e-9);
                QCOMPARE_LE(std::abs(mark.at.yMm - m * std::sin(lat * kRad) * std::cos(h)), 1e-9);
                ++hours;
            } else if (mark.kind == MarkKind::DateScale) {
                QCOMPARE(mark.at.xMm, 0.0);
                QCOMPARE_LE(std::abs(mark.at.yMm - m * std::tan(mark.declinationDeg * kRad) * std::cos(lat * kRad)), 1e-9);
                QCOMPARE_LE(std::abs(mark.declinationDeg - NoonDeclinationDeg(mark.dateLine.date, 9.19)), 1e-12);
                ++days;
            }
        }
        // The hours of the longest day (at Milano 4 to 20, at Sydney 5 to 19), 12 firsts of the
        // months, two solstices and two equinoxes.
        QVERIFY2(hours >= 14 && hours <= 17, qPrintable(QString::number(hours)));
        QCOMPARE(days, 12 + 4);
    }

    void darkRoomSpots()
    {
        // A hole 15 m above a church floor at Milano: every day's spot at apparent noon lies on the
        // noon line, North of the foot, as far as h tan(zenith distance); a solstice's spot is as
        // long as the Sun's disc (32') seen through the hole and widened by the hole.
        DialSpec design = kindDial(DialKind::DarkRoom, 45.4642);
        design.gnomonMm = 15000;
        design.dates.solsticesEquinoxes = true;
        design.plate = {-4000, 4000, -1000, 59000, 0, {}};
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.status.ok());
        int spots = 0, edges = 0;
        for (const DialMark &mark : d.marks) {
            QCOMPARE(mark.kind, MarkKind::NoonSpot);
            const double zenith = (45.4642 - mark.declinationDeg) * kRad;
            QCOMPARE_LE(std::abs(mark.at.xMm), 1e-6);
            QCOMPARE_LE(std::abs(mark.at.yMm - 15000 * std::tan(zenith)), 1e-6);
            ++spots;
            if (mark.outline.empty())
                continue;
            ++edges;
            double north = -1e9, south = 1e9;
            for (const Point2 &p : mark.outline) {
                north = std::max(north, p.yMm);
                south = std::min(south, p.yMm);
            }
            // Along the line the disc of about 0.53 degrees spans h / cos^2(zenith) per radian.
            const double disc = 15000 / std::pow(std::cos(zenith), 2) * 0.53 * kRad + 25;
            QCOMPARE_LE(std::abs((north - south) - disc), 0.05 * disc);
        }
        QCOMPARE(edges, 4);
        QVERIFY(spots >= 4 + 12);
    }

    void presetsHoldTheEarthsAxis_data()
    {
        QTest::addColumn<double>("lat");
        QTest::newRow("Milano") << 45.4642;
        QTest::newRow("Oslo") << 59.91;
        QTest::newRow("Sydney") << -33.87;
        QTest::newRow("Quito") << -0.2;
    }
    void presetsHoldTheEarthsAxis()
    {
        QFETCH(double, lat);
        const sunframe::Vec3 pole = sunframe::northPole(lat);
        auto normalOf = [](PlaneOrientation o) { return shadowframe::wallNormal(-o.declinationDeg, o.inclinationDeg); };
        // Equatorial: the normal along the axis, towards the pole above the horizon.
        const sunframe::Vec3 eq = normalOf(EquatorialPlane(lat));
        QCOMPARE_LE(std::abs(std::abs(sunframe::dot(eq, pole)) - 1.0), 1e-12);
        QVERIFY(eq.z >= -1e-12);
        // Polar: the normal square to the axis; facing the equator it looks up towards it.
        for (PolarFacing f : {PolarFacing::Equator, PolarFacing::East, PolarFacing::West}) {
            const sunframe::Vec3 n = normalOf(PolarPlane(lat, f));
            QCOMPARE_LE(std::abs(sunframe::dot(n, pole)), 1e-12);
        }
        const sunframe::Vec3 east = normalOf(PolarPlane(lat, PolarFacing::East));
        QCOMPARE_LE(std::abs(east.x - 1.0), 1e-12);
        const sunframe::Vec3 equator = normalOf(PolarPlane(lat, PolarFacing::Equator));
        QVERIFY(equator.z > 0 && (lat >= 0 ? equator.y < 0 : equator.y > 0));
    }
};

QTEST_APPLESS_MAIN(TestDialKinds)
#include "test_dialkinds.moc"
