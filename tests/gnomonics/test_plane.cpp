// Any plane with a nodus: the published worked examples of declining and horizontal dials, the
// shadow of the nodus against a plain vector construction, the existing sheets reproduced, and
// every refusal.

#include "testsupport.h"

#include "sheet/declining.h"
#include "sheet/horizontalhours.h"
#include "gnomonics/plane.h"
#include "sheet/verticalcurves.h"
#include "shadowframe.h"
#include "sheet/numbers.h"

#include <cmath>

using namespace gnomonics;
using namespace sheet;

namespace {

DialPlane plane(double lat, double decl, double incl, double nodusMm = 100)
{
    const DialPlaneResult r = MakeDialPlane({lat, decl, incl, GnomonSize::NodusHeight, nodusMm});
    return r.plane;
}

double shownNumber(const std::string &text) { return *sheet::ReadNumber(text); }

// The frame of the plane built independently: up is the zenith's projection on the plane (on a
// horizontal plane, the azimuth opposite the one it was turned to), right is up x normal.
struct TestFrame {
    sunframe::Vec3 normal, right, up;
};

TestFrame testFrame(double decl, double incl)
{
    TestFrame f;
    f.normal = shadowframe::wallNormal(-decl, incl);
    sunframe::Vec3 up = sunframe::kUp - sunframe::dot(sunframe::kUp, f.normal) * f.normal;
    if (sunframe::norm(up) < 1e-9) {
        const double d = decl * M_PI / 180;
        up = {std::sin(d), std::cos(d), 0.0};
    }
    f.up = (1.0 / sunframe::norm(up)) * up;
    f.right = sunframe::cross(f.up, f.normal);
    return f;
}

} // namespace

class TestPlane : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decliningWallExamples_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("hour");
        QTest::addColumn<double>("wantDeg");
        // Worked example of a vertical dial declining West in the sundial literature: latitude
        // 44.23 N, declination 42.2 W, hour lines measured at O from the noon line, afternoon
        // positive, two decimals.
        QTest::newRow("44.23 N, 42.2 W, 10 h") << 44.23 << 42.2 << 10.0 << -41.34;
        QTest::newRow("44.23 N, 42.2 W, 11 h") << 44.23 << 42.2 << 11.0 << -17.33;
        QTest::newRow("44.23 N, 42.2 W, 13 h") << 44.23 << 42.2 << 13.0 << 12.50;
        QTest::newRow("44.23 N, 42.2 W, 15 h") << 44.23 << 42.2 << 15.0 << 30.65;
        QTest::newRow("44.23 N, 42.2 W, 17 h") << 44.23 << 42.2 << 17.0 << 47.05;
        // A second worked example: 45 N, declining 30 W.
        QTest::newRow("45 N, 30 W, 9 h") << 45.0 << 30.0 << 9.0 << -54.07;
        QTest::newRow("45 N, 30 W, 10 h") << 45.0 << 30.0 << 10.0 << -31.67;
        QTest::newRow("45 N, 30 W, 11 h") << 45.0 << 30.0 << 11.0 << -13.80;
        QTest::newRow("45 N, 30 W, 13 h") << 45.0 << 30.0 << 13.0 << 11.16;
        QTest::newRow("45 N, 30 W, 14 h") << 45.0 << 30.0 << 14.0 << 20.88;
        QTest::newRow("45 N, 30 W, 15 h") << 45.0 << 30.0 << 15.0 << 30.10;
        QTest::newRow("45 N, 30 W, 16 h") << 45.0 << 30.0 << 16.0 << 39.64;
        QTest::newRow("45 N, 30 W, 17 h") << 45.0 << 30.0 << 17.0 << 50.37;
    }
    void decliningWallExamples()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, hour);
        QFETCH(double, wantDeg);
        const double tolDeg = 0.005 + 1e-9; // half the last digit shown
        const double got = HourLineAngleDeg(plane(lat, decl, 0), 15 * (hour - 12));
        QCOMPARE_LE(std::abs(got - wantDeg), tolDeg);
    }

    void styleOfExamples_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("styleElevationDeg");
        QTest::addColumn<double>("substyleDeg");
        QTest::addColumn<double>("tolDeg");
        // The same worked examples: style height 32.06 and substyle 34.61 from the noon line;
        // 37.76; and a wall facing East 20 degrees North (D = -110) at 15.7513 N, style height
        // 19.22 (makers who typed 20 instead of 110 got a dial that does not work). The
        // substyle angles of the last two are hand computations with the vertical wall's
        // tan = sin D / tan(lat): atan(0.5) = 26.565, and for the wall turned past East
        // atan(-3.3311) = -73.29 taken across O, -106.71.
        QTest::newRow("44.23 N, 42.2 W") << 44.23 << 42.2 << 32.06 << 34.61 << 0.005;
        QTest::newRow("45 N, 30 W") << 45.0 << 30.0 << 37.76 << 26.565 << 0.0005;
        QTest::newRow("15.7513 N, facing ENE") << 15.7513 << -110.0 << 19.22 << -106.71 << 0.005;
    }
    void styleOfExamples()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, styleElevationDeg);
        QFETCH(double, substyleDeg);
        QFETCH(double, tolDeg);
        const DialPlane p = plane(lat, decl, 0);
        QCOMPARE_LE(std::abs(p.styleElevationDeg - styleElevationDeg), 0.005 + 1e-9);
        QCOMPARE_LE(std::abs(p.substyleAngleDeg - substyleDeg), tolDeg + 1e-9);
        // The substyle runs from O through F: its direction is the angle at O towards F.
        QVERIFY(p.hasCentre);
        QCOMPARE_LE(std::abs(p.styleLengthMm * std::sin(p.styleElevationDeg * M_PI / 180) - 100.0), 1e-9);
    }

    void horizontalMeanTimeExample_data()
    {
        QTest::addColumn<double>("clockHour");
        QTest::addColumn<double>("wantDeg");
        // Worked example: a horizontal dial at 4.95 S, 0.5 degree East of its zone meridian
        // (the Sun crosses the meridian two minutes before 12), mean time without the equation
        // of time. Angles at O from the noon line; morning side negative here; the 18 h line
        // lies beyond the East-West line.
        QTest::newRow("6 h") << 6.0 << -84.225;
        QTest::newRow("7 h") << 7.0 << -17.283;
        QTest::newRow("8 h") << 8.0 << -8.334;
        QTest::newRow("9 h") << 9.0 << -4.847;
        QTest::newRow("10 h") << 10.0 << -2.795;
        QTest::newRow("11 h") << 11.0 << -1.278;
        QTest::newRow("12 h") << 12.0 << 0.043;
        QTest::newRow("13 h") << 13.0 << 1.371;
        QTest::newRow("14 h") << 14.0 << 2.910;
        QTest::newRow("15 h") << 15.0 << 5.018;
        QTest::newRow("16 h") << 16.0 << 8.671;
        QTest::newRow("17 h") << 17.0 << 18.451;
        QTest::newRow("18 h") << 18.0 << 95.775;
    }
    void horizontalMeanTimeExample()
    {
        QFETCH(double, clockHour);
        QFETCH(double, wantDeg);
        const double tolDeg = 0.0005 + 1e-9;
        const double h = 15 * (clockHour - 12) + 0.5;
        QCOMPARE_LE(std::abs(HourLineAngleDeg(plane(-4.95, 0, 90), h) - wantDeg), tolDeg);
    }

    void shadowAgainstVectors()
    {
        // Thousands of random planes, Suns and nodus heights: the engine's shadow against the
        // nodus's shadow built here from plain vectors (sunframe/shadowframe), with its own
        // frame on the plane. 0.01 mm for a nodus of 100 mm.
        const double tolMm = 0.01;
        shadowframe::Uniform random(12);
        int compared = 0;
        for (int i = 0; i < 20000; ++i) {
            const double lat = random.in(-89.99, 89.99);
            const double decl = random.in(-180, 180);
            const double incl = random.in(-80, 90);
            const double h = random.in(-180, 180);
            const double d = random.in(-23.5, 23.5);
            const DialPlane p = plane(lat, decl, incl);
            const TestFrame f = testFrame(decl, incl);
            const sunframe::Vec3 sun = sunframe::sunDirection(lat, h, d);
            const bool lit = sun.z >= 0 && sunframe::dot(sun, f.normal) > 0;
            const auto got = NodusShadowAt(p, h, d);
            if (std::abs(sunframe::dot(sun, f.normal)) < 1e-9 || std::abs(sun.z) < 1e-12)
                continue; // grazing: either answer is right
            QCOMPARE(got.has_value(), lit);
            if (!lit)
                continue;
            const auto point = sunframe::projectAlongSun(100.0 * f.normal, sun, f.normal);
            const double x = sunframe::dot(*point, f.right);
            const double y = sunframe::dot(*point, f.up);
            if (std::hypot(x, y) > 1e6)
                continue; // a Sun almost in the plane: far beyond any plate
            QCOMPARE_LE(std::abs(got->xMm - x), tolMm * std::max(1.0, std::hypot(x, y) / 1e4));
            QCOMPARE_LE(std::abs(got->yMm - y), tolMm * std::max(1.0, std::hypot(x, y) / 1e4));
            ++compared;
        }
        QVERIFY(compared > 5000);
    }

    void frameAsTheMakerSeesIt_data()
    {
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("incl");
        QTest::addColumn<double>("rightEast");
        QTest::addColumn<double>("rightNorth");
        QTest::addColumn<double>("upNorth");
        QTest::addColumn<double>("upZenith");
        // A wall facing South: x East, y up. Facing West: x South. Horizontal, not turned:
        // up is North, x East. Horizontal turned West: up points East, x South.
        QTest::newRow("wall facing South") << 0.0 << 0.0 << 1.0 << 0.0 << 0.0 << 1.0;
        QTest::newRow("wall facing West") << 90.0 << 0.0 << 0.0 << -1.0 << 0.0 << 1.0;
        QTest::newRow("horizontal") << 0.0 << 90.0 << 1.0 << 0.0 << 1.0 << 0.0;
        QTest::newRow("horizontal, turned West") << 90.0 << 90.0 << 0.0 << -1.0 << 0.0 << 0.0;
    }
    void frameAsTheMakerSeesIt()
    {
        QFETCH(double, decl);
        QFETCH(double, incl);
        QFETCH(double, rightEast);
        QFETCH(double, rightNorth);
        QFETCH(double, upNorth);
        QFETCH(double, upZenith);
        const double tol = 1e-12;
        const DialPlane p = plane(45, decl, incl);
        QCOMPARE_LE(std::abs(p.right.x - rightEast), tol);
        QCOMPARE_LE(std::abs(p.right.y - rightNorth), tol);
        QCOMPARE_LE(std::abs(p.up.y - upNorth), tol);
        QCOMPARE_LE(std::abs(p.up.z - upZenith), tol);
    }

    void refusals_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("incl");
        QTest::addColumn<int>("gnomon");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("reason");
        const int h = int(GnomonSize::NodusHeight), s = int(GnomonSize::StyleLength);
        auto row = [](const char *tag, double lat, double decl, double incl, int g, double size,
                      InputField f, RefusalReason r) {
            QTest::newRow(tag) << lat << decl << incl << g << size << int(f) << int(r);
        };
        row("a good wall", 45, 0, 0, h, 100, InputField::None, RefusalReason::None);
        row("latitude 90", 90, 0, 0, h, 100, InputField::Latitude, RefusalReason::OutOfRange);
        row("latitude -90", -90, 0, 0, h, 100, InputField::Latitude, RefusalReason::OutOfRange);
        row("latitude 89.99 accepted", 89.99, 0, 0, h, 100, InputField::None, RefusalReason::None);
        row("latitude nan", NAN, 0, 0, h, 100, InputField::Latitude, RefusalReason::NotFinite);
        row("declination 181", 45, 181, 0, h, 100, InputField::Declination, RefusalReason::OutOfRange);
        row("declination inf", 45, INFINITY, 0, h, 100, InputField::Declination, RefusalReason::NotFinite);
        row("facing the ground", 45, 0, -80.01, h, 100, InputField::Inclination, RefusalReason::OutOfRange);
        row("beyond horizontal", 45, 0, 90.01, h, 100, InputField::Inclination, RefusalReason::OutOfRange);
        row("nodus 0", 45, 0, 0, h, 0, InputField::NodusHeight, RefusalReason::NotPositive);
        row("nodus negative", 45, 0, 0, h, -1, InputField::NodusHeight, RefusalReason::NotPositive);
        row("nodus nan", 45, 0, 0, h, NAN, InputField::NodusHeight, RefusalReason::NotFinite);
        row("style 0", 45, 0, 0, s, 0, InputField::StyleLength, RefusalReason::NotPositive);
        // A wall facing East at the equator holds the Earth's axis: a polar dial.
        row("style on a polar dial", 0, -90, 0, s, 100, InputField::StyleLength, RefusalReason::NoCentre);
        row("nodus on a polar dial", 0, -90, 0, h, 100, InputField::None, RefusalReason::None);
    }
    void refusals()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, incl);
        QFETCH(int, gnomon);
        QFETCH(double, size);
        QFETCH(int, field);
        QFETCH(int, reason);
        const DialPlaneResult r = MakeDialPlane({lat, decl, incl, GnomonSize(gnomon), size});
        QCOMPARE(int(r.status.field), field);
        QCOMPARE(int(r.status.reason), reason);
        for (double v : {r.plane.styleElevationDeg, r.plane.centre.xMm, r.plane.centre.yMm,
                         r.plane.styleLengthMm, r.plane.substyleAngleDeg, r.plane.longitudeDifferenceDeg})
            QVERIFY(std::isfinite(v));
    }

    void exactEastWestAndNorthWalls_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("substyleDeg");
        QTest::addColumn<double>("longitudeDifferenceDeg");
        // On a wall facing exactly East or West the style lies in the wall along the Earth's
        // axis, so its shadow line (the substyle) rises at the latitude from the horizontal:
        // 90 - latitude from the vertical, towards the morning on an East wall. South of the
        // equator the axis points to the pole below the horizon, so the angle passes 90 (an
        // East wall at Sydney reads -123,87, as one declining 89,9 East there; it read 56,13,
        // the same line turned end for end, 180 degrees from the drawn substyle). On a North
        // wall the substyle is the vertical above O, opposite the noon line below it. Within
        // the polar limit (89,9999) a wall counts as East or West too.
        QTest::newRow("Milano, East wall") << 45.4642 << -90.0 << -(90 - 45.4642) << -90.0;
        QTest::newRow("Milano, West wall") << 45.4642 << 90.0 << 90 - 45.4642 << 90.0;
        QTest::newRow("Milano, West wall within the polar limit") << 45.4642 << 89.9999 << 90 - 45.4642 << 90.0;
        QTest::newRow("Oslo, East wall") << 59.91 << -90.0 << -(90 - 59.91) << -90.0;
        QTest::newRow("Sydney, East wall") << -33.87 << -90.0 << -(90 + 33.87) << -90.0;
        QTest::newRow("Sydney, West wall") << -33.87 << 90.0 << 90 + 33.87 << 90.0;
        QTest::newRow("latitude -65, West wall") << -65.0864 << 90.0 << 90 + 65.0864 << 90.0;
        QTest::newRow("latitude -65, East wall within the polar limit") << -65.0864 << -89.9999 << -(90 + 65.0864) << -90.0;
        QTest::newRow("Milano, North wall typed 180") << 45.4642 << 180.0 << 180.0 << 180.0;
        QTest::newRow("Milano, North wall typed -180") << 45.4642 << -180.0 << 180.0 << 180.0;
    }
    void exactEastWestAndNorthWalls()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, substyleDeg);
        QFETCH(double, longitudeDifferenceDeg);
        const double tolDeg = 1e-9;
        const DialPlane p = plane(lat, decl, 0);
        QCOMPARE_LE(std::abs(p.substyleAngleDeg - substyleDeg), tolDeg);
        // Within the polar limit the normal's meridian stands 90 from noon within 0,001.
        QCOMPARE_LE(std::abs(std::remainder(p.longitudeDifferenceDeg - longitudeDifferenceDeg, 360.0)), 1e-3);
        // The printed value joins those of the walls that decline a hair less (towards South,
        // with a centre and a vertical noon line): the maker's protractor reads the same angle.
        // Declining 0,01 less moves the substyle by under 0,01 degrees (measured: 5e-7 on the
        // East and West walls, 0,0098 on the North wall).
        const double towardsSouth = decl > 0 ? decl - 0.01 : decl + 0.01;
        const DialPlane near = plane(lat, towardsSouth, 0);
        QVERIFY(near.hasCentre);
        QCOMPARE_LE(std::abs(std::remainder(near.substyleAngleDeg - p.substyleAngleDeg, 360.0)), 0.01);
        // The substyle's direction on the wall is the Earth's axis seen on the wall: its angle
        // from the vertical, measured apart with the test's own frame.
        if (std::abs(std::abs(decl) - 90) < 1e-12) {
            const TestFrame f = testFrame(decl, 0);
            const sunframe::Vec3 axis{0, std::cos(lat * M_PI / 180), std::sin(lat * M_PI / 180)};
            const double x = sunframe::dot(axis, f.right), y = sunframe::dot(axis, f.up);
            const double fromVerticalDeg = std::atan(std::abs(x) / std::abs(y)) * 180 / M_PI;
            QCOMPARE_LE(std::abs(std::abs(std::remainder(p.substyleAngleDeg, 180.0)) - fromVerticalDeg), 1e-9);
        }
    }

    void styleLengthGivesTheSameDial()
    {
        // A style of length L at style height a puts the nodus L sin(a) above the plane.
        const DialPlane byHeight = plane(44.23, 42.2, 10);
        const DialPlaneResult byStyle = MakeDialPlane({44.23, 42.2, 10, GnomonSize::StyleLength, byHeight.styleLengthMm});
        QCOMPARE_LE(std::abs(byStyle.plane.nodusHeightMm - 100.0), 1e-9);
        QCOMPARE_LE(std::abs(byStyle.plane.centre.yMm - byHeight.centre.yMm), 1e-9);
    }

    // On a plane whose style lies in it (the horizontal dial on the equator) or almost (a
    // thousandth of a degree away) the hour lines still have their directions: along the noon
    // line from 6 to 18, the other way before 6 and after 18, and the nearly polar plane's
    // lines keep the small angles tan A = sin(latitude) tan H.
    void hourLineDirectionWithoutCentre_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("hourAngleDeg");
        QTest::addColumn<double>("wantDeg");
        QTest::newRow("equator, 9 o'clock") << 0.0 << -45.0 << 0.0;
        QTest::newRow("equator, 6 o'clock") << 0.0 << -90.0 << 0.0;
        QTest::newRow("equator, 5 o'clock") << 0.0 << -105.0 << 180.0;
        QTest::newRow("equator, 19 o'clock") << 0.0 << 105.0 << 180.0;
        const double nearly = 5e-4;
        const double at82 = std::atan(std::sin(nearly * M_PI / 180) * std::tan(82.5 * M_PI / 180)) * 180 / M_PI;
        QTest::newRow("nearly the equator, 17.30") << nearly << 82.5 << at82;
        QTest::newRow("nearly the equator, 6.30") << nearly << -82.5 << -at82;
    }
    void hourLineDirectionWithoutCentre()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, hourAngleDeg);
        QFETCH(double, wantDeg);
        const DialPlane dial = BuildDialPlane({latitudeDeg, 0.0, 90.0, GnomonSize::NodusHeight, 1.0});
        QVERIFY(!dial.hasCentre);
        const double tol = 1e-12;
        QCOMPARE_LE(std::abs(HourLineDirectionDeg(dial, hourAngleDeg) - wantDeg), tol);
        QCOMPARE(HourLineAngleDeg(dial, hourAngleDeg), 0.0); // no centre, no angle at O
    }

    // The distance from O to the nodus's projection against the tip's shadow worked out from
    // the sky, on walls and horizontal dials, and its sign where the Sun leaves the face.
    void centreToProjectionAgainstTheShadow()
    {
        shadowframe::Uniform rnd(2222);
        int lit = 0, unlit = 0;
        for (int k = 0; k < 20000; ++k) {
            const double lat = rnd.in(-89.0, 89.0), decl = rnd.in(-89.0, 89.0);
            const double incl = k % 2 ? 90.0 : 0.0, style = rnd.in(1.0, 300.0);
            const double h = rnd.in(-179.0, 179.0), sunDecl = rnd.in(-23.45, 23.45);
            const DialPlane dial = BuildDialPlane({lat, decl, incl, GnomonSize::StyleLength, style});
            if (!dial.hasCentre || dial.styleElevationDeg < 1.0)
                continue;
            const auto d = CentreToProjectionMm(dial, h, sunDecl);
            const shadowframe::Shadow s = shadowframe::tipShadow(lat, -decl, incl, style, h, sunDecl);
            QVERIFY(d.has_value());
            QCOMPARE(*d > 0, s.sunInFront);
            if (!s.sunInFront || !std::isfinite(s.distanceMm) || s.distanceMm > 1e5) {
                ++unlit;
                continue;
            }
            ++lit;
            const double tol = 1e-9 * s.distanceMm;
            QCOMPARE_LE(std::abs(*d - s.distanceMm), tol);
        }
        QVERIFY(lit > 1000 && unlit > 1000);
    }

    void horizontalHourSheet()
    {
        // ComputeHorizontalHourAngles at several latitudes, to its two shown decimals: the
        // morning half-hour rows from 5 to 11.30, magnitudes from the noon line.
        const double tolDeg = 0.005 + 1e-9;
        for (double lat : {38.0, 45.4642, 12.5, -33.87, 60.0}) {
            const HorizontalHourTexts sheet = ComputeHorizontalHourAngles(lat);
            const DialPlane p = plane(lat, 0, 90);
            for (std::size_t k = 0; k < sheet.morning.size(); ++k) {
                const double h = -kHorizontalMorningHourAngles[k];
                QCOMPARE_LE(std::abs(std::abs(HourLineAngleDeg(p, h)) - std::abs(shownNumber(sheet.morning[k]))), tolDeg);
            }
        }
    }

    void decliningHourSheet()
    {
        // ComputeDecliningSheet: each text is -A, A = 90 - X with X the angle from the noon
        // line (afternoon positive), one decimal; a dash where the line does not exist.
        const double tolDeg = 0.05 + 1e-9;
        int compared = 0;
        for (double lat : {38.1217, 44.23, 52.0})
            for (double decl : {10.0, 38.0, 75.0})
                for (WallSide side : {WallSide::East, WallSide::West}) {
                    const DecliningSheetResult r = ComputeDecliningSheet(lat, decl, side);
                    const DialPlane p = plane(lat, side == WallSide::West ? decl : -decl, 0);
                    for (std::size_t i = 0; i < kDecliningPositions; ++i) {
                        if (r.texts[i] == kDecliningDash)
                            continue;
                        const double x = HourLineAngleDeg(p, 15 * (DecliningPositionHours(i) - 12));
                        QCOMPARE_LE(std::abs(-(90 - x) - shownNumber(r.texts[i])), tolDeg);
                        ++compared;
                    }
                }
        QVERIFY(compared > 300);
    }

    void verticalCurvesSheet()
    {
        // ComputeVerticalCurves (a wall declining East, the style given by its length): the
        // style elevation, height and base, and each cell's distance from O to the shadow of
        // the nodus, to the digits shown. The sheet does not test the horizon; the engine
        // gives no shadow below it, so those cells are skipped.
        int compared = 0;
        for (double lat : {38.1217, 45.0, 50.0})
            for (double decl : {10.0, 38.0, 60.0})
                for (double incl : {0.0, 10.0}) {
                    const double style = 40.32;
                    const VerticalCurvesResult r = ComputeVerticalCurves(lat, decl, style, incl);
                    const DialPlaneResult made = MakeDialPlane({lat, -decl, incl, GnomonSize::StyleLength, style});
                    QVERIFY(made.status.ok());
                    const DialPlane &p = made.plane;
                    QCOMPARE_LE(std::abs(p.styleElevationDeg - shownNumber(r.e3)), 0.005 + 1e-9);
                    QCOMPARE_LE(std::abs(p.nodusHeightMm - shownNumber(r.h)), 0.005 + 1e-9);
                    QCOMPARE_LE(std::abs(std::hypot(p.centre.xMm, p.centre.yMm) - shownNumber(r.b)), 0.005 + 1e-9);
                    if (incl == 0)
                        QCOMPARE_LE(std::abs(std::abs(p.substyleAngleDeg) - shownNumber(r.f)), 0.005 + 1e-9);
                    for (int row = 0; row < kVerticalRows; ++row)
                        for (std::size_t col = 0; col < kSolsticeDeclinationsDeg.size(); ++col) {
                            const std::string &cell = r.cells[static_cast<std::size_t>(row)][col];
                            const auto shown = sheet::ReadNumber(cell);
                            const double h = shadowframe::rowHourAngleFromNoonDeg(lat, decl, incl, kVerticalFirstHour + row);
                            const auto at = NodusShadowAt(p, h, kSolsticeDeclinationsDeg[col]);
                            if (!shown || !at)
                                continue;
                            const double dist = std::hypot(at->xMm - p.centre.xMm, at->yMm - p.centre.yMm);
                            QCOMPARE_LE(std::abs(dist - *shown), 0.05 + 1e-6);
                            ++compared;
                        }
                }
        QVERIFY(compared > 300);
    }
};

QTEST_APPLESS_MAIN(TestPlane)
#include "test_plane.moc"
