// Every line of a dial, held against the physics: each traced point is the shadow of the nodus
// for the Sun it claims, computed here from plain vectors; apparent-time lines run through O;
// Italic and Babylonian lines are straight and cross where the apparent time is half their sum;
// lines stay on the plate and only where the shadow exists.

#include "testsupport.h"

#include "gnomonics/diallines.h"
#include "shadowframe.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

using namespace gnomonics;

namespace {

DialSpec busyDial(double lat, double lon, double zone, bool summer, double decl, double incl, int year)
{
    DialSpec design;
    design.place = {lat, lon, zone, summer};
    design.declinationDeg = decl;
    design.inclinationDeg = incl;
    design.gnomonMm = 100;
    design.year = year;
    design.hours.apparent = true;
    design.hours.halfHours = true;
    design.hours.clock = true;
    design.hours.italic = true;
    design.hours.babylonian = true;
    design.dates.solsticesEquinoxes = true;
    design.dates.zodiac = true;
    design.dates.monthFirsts = true;
    design.dates.dates = {{year, 8, 15}};
    design.plate = {-600, 600, -800, 400, 0, {}};
    design.dateLineStepMinutes = 10;
    return design;
}

// Distance of a point from the straight line through a and b.
double offLine(const DialPoint &a, const DialPoint &b, double x, double y)
{
    const double dx = b.xMm - a.xMm, dy = b.yMm - a.yMm;
    return std::abs((x - a.xMm) * dy - (y - a.yMm) * dx) / std::hypot(dx, dy);
}

// Distance of a point from the segment ab.
double offSegment(const DialPoint &a, const DialPoint &b, double x, double y)
{
    const double dx = b.xMm - a.xMm, dy = b.yMm - a.yMm, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((x - a.xMm) * dx + (y - a.yMm) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(x - a.xMm - t * dx, y - a.yMm - t * dy);
}

double wrap24(double h) { return std::fmod(std::fmod(h, 24.0) + 24.0, 24.0); }

// How far apart two clock readings are, around the dial.
double hoursApart(double a, double b)
{
    const double d = wrap24(a - b);
    return std::min(d, 24.0 - d);
}

} // namespace

class TestDialLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPointIsTheShadowOfItsSun()
    {
        // Random dials (any latitude, any plane, zone time with and without summer time, years
        // 1600 to 2400): every point of every line against the nodus's shadow computed here
        // from the point's hour angle and declination with plain vectors, and its hour angle
        // and declination against what its line stands for. 0.01 mm for a nodus of 100 mm.
        const double tolMm = 0.01;
        const double tolDeg = 1e-5;
        shadowframe::Uniform random(2026);
        long points = 0;
        for (int dial = 0; dial < 24; ++dial) {
            const double lat = random.in(-70, 70);
            const double decl = random.in(-180, 180);
            const double incl = random.in(-80, 90);
            const int year = 1600 + static_cast<int>(random.in(0, 800));
            const double lon = random.in(-180, 180);
            const double zone = std::round(lon / 15.0);
            const bool summer = random.next() < 0.5;
            const DialSpec design = busyDial(lat, lon, zone, summer, decl, incl, year);
            const DialLines d = BuildDialLines(design);
            QVERIFY(d.status.ok());
            const sunframe::Vec3 n = shadowframe::wallNormal(-decl, incl);
            for (const DialLine &line : d.lines)
                for (const auto &piece : line.pieces) {
                    QVERIFY(piece.size() >= 2);
                    for (const DialPoint &p : piece) {
                        QVERIFY(std::isfinite(p.xMm) && std::isfinite(p.yMm));
                        QVERIFY(design.plate.contains({p.xMm, p.yMm}));
                        const sunframe::Vec3 sun = sunframe::sunDirection(lat, p.hourAngleDeg, p.declinationDeg);
                        QVERIFY(sun.z >= -1e-12);
                        QVERIFY(sunframe::dot(sun, n) > 0);
                        // The frame's axes were checked against the maker's view in test_plane.
                        const auto shadow = sunframe::projectAlongSun(100.0 * n, sun, n);
                        const sunframe::Vec3 right{d.plane.right.x, d.plane.right.y, d.plane.right.z};
                        const sunframe::Vec3 up{d.plane.up.x, d.plane.up.y, d.plane.up.z};
                        QCOMPARE_LE(std::abs(sunframe::dot(*shadow, right) - p.xMm), tolMm);
                        QCOMPARE_LE(std::abs(sunframe::dot(*shadow, up) - p.yMm), tolMm);
                        switch (line.family) {
                        case LineFamily::ApparentTime:
                            QCOMPARE_LE(std::abs(std::remainder(p.hourAngleDeg - 15 * (line.hour - 12), 360.0)), tolDeg);
                            break;
                        case LineFamily::Italic:
                        case LineFamily::Babylonian: {
                            // Hours since sunset or sunrise, from the sunset hour angle on the
                            // geometric horizon, cos H0 = -tan(lat) tan(decl).
                            const double r = M_PI / 180;
                            const double h0 = std::acos(-std::tan(lat * r) * std::tan(p.declinationDeg * r)) / r;
                            const double count = line.family == LineFamily::Italic
                                ? (p.hourAngleDeg - h0) / 15 + 24 : (p.hourAngleDeg + h0) / 15;
                            QCOMPARE_LE(hoursApart(count, line.hour), tolDeg);
                            break;
                        }
                        case LineFamily::ClockTime:
                            if (p.hasDate) {
                                // The Sun itself at that clock reading on that day.
                                const double ut = p.clockHours - zone - (summer ? 1 : 0);
                                const SunInSky sky = SunInSkyAt(SunAt(JulianDay(p.date, ut)), lat, lon);
                                QCOMPARE_LE(std::abs(std::remainder(sky.hourAngleDeg - p.hourAngleDeg, 360.0)), tolDeg);
                                QCOMPARE_LE(std::abs(SunAt(JulianDay(p.date, ut)).declinationDeg - p.declinationDeg), tolDeg);
                            }
                            QCOMPARE(p.clockHours, line.hour);
                            break;
                        case LineFamily::DateLine:
                            QCOMPARE(p.declinationDeg, line.dateLine.declinationDeg);
                            break;
                        case LineFamily::Temporary:
                        case LineFamily::Azimuth:
                        case LineFamily::Altitude:
                            QFAIL("no such lines were asked for");
                        }
                        ++points;
                    }
                }
        }
        qInfo("%ld points checked", points);
        QVERIFY(points > 20000);
    }

    void apparentTimeLinesRunThroughTheCentre()
    {
        const double tolMm = 0.01;
        shadowframe::Uniform random(5);
        int lines = 0;
        for (int dial = 0; dial < 40; ++dial) {
            DialSpec design = busyDial(random.in(-80, 80), 0, 0, false, random.in(-180, 180), random.in(-80, 90), 2026);
            design.hours.clock = false;
            const DialLines d = BuildDialLines(design);
            if (!d.plane.hasCentre)
                continue;
            for (const DialLine &line : d.lines) {
                if (line.family != LineFamily::ApparentTime)
                    continue;
                for (const auto &piece : line.pieces) {
                    const DialPoint &a = piece.front();
                    const DialPoint &b = piece.back();
                    if (std::hypot(b.xMm - a.xMm, b.yMm - a.yMm) < 1.0)
                        continue; // too short to aim at O
                    const double scale = std::max(1.0, std::hypot(d.plane.centre.xMm - a.xMm, d.plane.centre.yMm - a.yMm)
                                                      / std::hypot(b.xMm - a.xMm, b.yMm - a.yMm));
                    QCOMPARE_LE(offLine(a, b, d.plane.centre.xMm, d.plane.centre.yMm), tolMm * scale);
                    for (const DialPoint &p : piece)
                        QCOMPARE_LE(offLine(a, b, p.xMm, p.yMm), tolMm);
                    ++lines;
                }
            }
        }
        QVERIFY(lines > 200);
    }

    void italicAndBabylonianLinesAreStraight()
    {
        // Each is the shadow of a great circle of the sky (the horizon turned about the
        // Earth's axis), hence straight on any plane.
        const double tolMm = 0.01;
        shadowframe::Uniform random(8);
        int lines = 0;
        for (int dial = 0; dial < 40; ++dial) {
            DialSpec design = busyDial(random.in(-65, 65), 0, 0, false, random.in(-180, 180), random.in(-80, 90), 2026);
            design.hours.clock = false;
            const DialLines d = BuildDialLines(design);
            for (const DialLine &line : d.lines) {
                if (line.family != LineFamily::Italic && line.family != LineFamily::Babylonian)
                    continue;
                for (const auto &piece : line.pieces) {
                    if (std::hypot(piece.back().xMm - piece.front().xMm, piece.back().yMm - piece.front().yMm) < 1.0)
                        continue;
                    for (const DialPoint &p : piece)
                        QCOMPARE_LE(offLine(piece.front(), piece.back(), p.xMm, p.yMm), tolMm);
                    ++lines;
                }
            }
        }
        QVERIFY(lines > 200);
    }

    // Near the polar circle the day shrinks to nothing at a solstice, and the hour lines
    // counted from sunrise or sunset run ever faster as the declination nears that edge: the
    // drawn line must follow its curve there too (it strayed 0.03 to 0.2 mm, between samples
    // half a degree of declination apart). Every piece is held against the shadow of the nodus
    // computed here at twenty declinations between each two of its points.
    void hourLinesFollowTheirCurveNearThePolarCircle_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("incl");
        QTest::addColumn<double>("nodus");
        QTest::newRow("latitude 65.95, plane 52.2 West leaning -58.5") << 65.9549 << 52.233 << -58.498 << 95.3;
        QTest::newRow("latitude -68.92, plane 33 East leaning 58") << -68.9153 << -32.953 << 58.059 << 250.69;
        QTest::newRow("latitude 67.21, East wall leaning -22") << 67.21 << -90.0 << -22.065 << 118.4;
        QTest::newRow("latitude 66, wall facing South") << 66.0 << 0.0 << 0.0 << 100.0;
    }
    void hourLinesFollowTheirCurveNearThePolarCircle()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, incl);
        QFETCH(double, nodus);
        const double tolMm = 0.01;
        DialSpec design = busyDial(lat, 0, 0, false, decl, incl, 2024);
        design.gnomonMm = nodus;
        design.hours.clock = false;
        design.hours.temporary = true;
        design.plate = {-1500, 1500, -1500, 1500, 0, {}};
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.status.ok());
        const sunframe::Vec3 n = shadowframe::wallNormal(-decl, incl);
        const sunframe::Vec3 right{d.plane.right.x, d.plane.right.y, d.plane.right.z};
        const sunframe::Vec3 up{d.plane.up.x, d.plane.up.y, d.plane.up.z};
        const double r = M_PI / 180;
        double worst = 0;
        long tried = 0;
        for (const DialLine &line : d.lines) {
            if (line.family != LineFamily::Italic && line.family != LineFamily::Babylonian &&
                line.family != LineFamily::Temporary)
                continue;
            for (const auto &piece : line.pieces)
                for (std::size_t i = 0; i + 1 < piece.size(); ++i)
                    for (int k = 1; k < 20; ++k) {
                        const double dcl = piece[i].declinationDeg +
                                           (piece[i + 1].declinationDeg - piece[i].declinationDeg) * k / 20.0;
                        const double c = -std::tan(lat * r) * std::tan(dcl * r);
                        if (!(std::abs(c) < 1))
                            continue;
                        const double h0 = std::acos(c) / r; // sunset, on the geometric horizon
                        const double h = line.family == LineFamily::Italic ? h0 + 15 * line.hour - 360
                            : line.family == LineFamily::Babylonian        ? 15 * line.hour - h0
                                                                           : h0 * (line.hour / 6 - 1);
                        const sunframe::Vec3 sun = sunframe::sunDirection(lat, h, dcl);
                        if (sun.z < 0 || sunframe::dot(sun, n) <= 0)
                            continue;
                        const auto shadow = sunframe::projectAlongSun(nodus * n, sun, n);
                        QVERIFY(shadow.has_value());
                        const double x = sunframe::dot(*shadow, right), y = sunframe::dot(*shadow, up);
                        if (!design.plate.contains({x, y}))
                            continue;
                        double off = std::numeric_limits<double>::infinity();
                        for (std::size_t j = 0; j + 1 < piece.size(); ++j)
                            off = std::min(off, offSegment(piece[j], piece[j + 1], x, y));
                        worst = std::max(worst, off);
                        ++tried;
                    }
        }
        qInfo("%ld shadows, the farthest %.4f mm from its drawn line", tried, worst);
        QVERIFY(tried > 1000);
        QCOMPARE_LE(worst, tolMm);
    }

    void italicPlusBabylonianIsTwiceTheApparentTime()
    {
        // Where the Italic line I crosses the Babylonian line B the Sun stands at one instant:
        // I + B = 2 T (modulo 24) with T the apparent time, and both point meanings agree.
        const double tolHours = 1e-6;
        const double tolMm = 1e-4;
        DialSpec design = busyDial(45.4642, 9.19, 1, false, 20, 0, 2026);
        design.hours.clock = false;
        const DialLines d = BuildDialLines(design);
        const auto crossings = FindCrossings(d, LineFamily::Italic, LineFamily::Babylonian);
        QVERIFY(crossings.size() > 40);
        for (const Crossing &c : crossings) {
            const double i = d.lines[c.lineA].hour;
            const double b = d.lines[c.lineB].hour;
            QCOMPARE_LE(std::hypot(c.onA.xMm - c.onB.xMm, c.onA.yMm - c.onB.yMm), tolMm);
            QCOMPARE_LE(hoursApart(i + b, 2 * c.onA.apparentHours), tolHours * 100);
            QCOMPARE_LE(std::abs(c.onA.declinationDeg - c.onB.declinationDeg), tolHours);
            // And the hour systems' own counts at that instant.
            const auto it = ItalicHourAt(45.4642, c.onA.declinationDeg, c.onA.hourAngleDeg);
            const auto ba = BabylonianHourAt(45.4642, c.onA.declinationDeg, c.onA.hourAngleDeg);
            QVERIFY(it && ba);
            QCOMPARE_LE(hoursApart(*it + *ba, 2 * c.onA.apparentHours), tolHours);
        }
    }

    void hourLinesCrossDateLinesAtTheirSun()
    {
        // The crossing of the apparent-time line T with the date line of declination d is the
        // shadow at hour angle 15 (T - 12) and declination d.
        const double tolMm = 1e-4;
        const DialSpec design = busyDial(45.4642, 9.19, 1, false, 0, 0, 2026);
        const DialLines d = BuildDialLines(design);
        const auto crossings = FindCrossings(d, LineFamily::ApparentTime, LineFamily::DateLine);
        QVERIFY(crossings.size() > 100);
        for (const Crossing &c : crossings) {
            const double h = 15 * (d.lines[c.lineA].hour - 12);
            const double decl = d.lines[c.lineB].dateLine.declinationDeg;
            const auto at = NodusShadowAt(d.plane, h, decl);
            QVERIFY(at.has_value());
            QCOMPARE_LE(std::hypot(at->xMm - c.onA.xMm, at->yMm - c.onA.yMm), tolMm);
            QCOMPARE_LE(std::hypot(at->xMm - c.onB.xMm, at->yMm - c.onB.yMm), tolMm);
        }
        // The analemmas cross the date lines too, each crossing a point of both curves.
        const auto analemma = FindCrossings(d, LineFamily::ClockTime, LineFamily::DateLine);
        QVERIFY(analemma.size() > 50);
        for (const Crossing &c : analemma) {
            QCOMPARE_LE(std::hypot(c.onA.xMm - c.onB.xMm, c.onA.yMm - c.onB.yMm), tolMm);
            QCOMPARE_LE(std::abs(c.onA.declinationDeg - d.lines[c.lineB].dateLine.declinationDeg), 1e-6);
        }
    }

    void analemmaModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("firstLabel");
        // Whole hours 0..23 (those that never reach the plate keep no pieces), two halves each,
        // or the clock's noon alone: 12, or 13 in summer time.
        QTest::newRow("whole") << int(AnalemmaMode::Whole) << false << 24 << 0.0;
        QTest::newRow("halves") << int(AnalemmaMode::Halves) << false << 48 << 0.0;
        QTest::newRow("noon only") << int(AnalemmaMode::NoonOnly) << false << 1 << 12.0;
        QTest::newRow("noon only, summer time") << int(AnalemmaMode::NoonOnly) << true << 1 << 13.0;
    }
    void analemmaModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, summer);
        QFETCH(int, lines);
        QFETCH(double, firstLabel);
        DialSpec design = busyDial(45.4642, 9.19, 1, summer, 0, 0, 2026);
        design.hours.apparent = false;
        design.hours.halfHours = false;
        design.hours.italic = false;
        design.hours.babylonian = false;
        design.hours.analemma = AnalemmaMode(mode);
        const DialLines d = BuildDialLines(design);
        std::vector<const DialLine *> clock;
        for (const DialLine &line : d.lines)
            if (line.family == LineFamily::ClockTime)
                clock.push_back(&line);
        QCOMPARE(int(clock.size()), lines);
        QCOMPARE(clock.front()->hour, firstLabel);
        if (AnalemmaMode(mode) == AnalemmaMode::Halves) {
            // The first half runs from the December solstice of 2025 (21 December) to the June
            // solstice of 2026 (21 June), the second from there to 21 December 2026.
            const DialLine &rising = *clock[24];
            const DialLine &falling = *clock[25];
            QCOMPARE(rising.analemma, AnalemmaHalf::DecemberToJune);
            QCOMPARE(rising.analemmaFirstDay, (gnomonics::CivilDate{2025, 12, 21}));
            QCOMPARE(falling.analemmaFirstDay, (gnomonics::CivilDate{2026, 6, 21}));
            QCOMPARE(rising.analemmaDays + falling.analemmaDays, 365);
        }
        if (AnalemmaMode(mode) == AnalemmaMode::NoonOnly) {
            // The zone's noon in Milano (9.19 E, zone 1 E) is 11.6127 local mean time; apparent
            // time adds the equation of time, -14.2 to +16.4 min: 11.376 to 11.886.
            const double tolHours = 0.002;
            for (const auto &piece : clock.front()->pieces)
                for (const DialPoint &p : piece) {
                    QVERIFY(p.apparentHours > 11.376 - tolHours);
                    QVERIFY(p.apparentHours < 11.886 + tolHours);
                }
        }
    }

    void analemmasFollowTheYear_data()
    {
        // The same dial drawn for one year, then others, then the first again: the analemmas of
        // each are that year's Sun, whatever year was drawn just before (the table of the Sun's
        // days is kept from one drawing to the next).
        QTest::addColumn<int>("year");
        QTest::newRow("2026") << 2026;
        QTest::newRow("1700 after 2026") << 1700;
        QTest::newRow("2026 after 1700") << 2026;
        QTest::newRow("2400 after 2026") << 2400;
        QTest::newRow("2400 again") << 2400;
    }
    void analemmasFollowTheYear()
    {
        QFETCH(int, year);
        // The table interpolates the theory to under 1e-6 degree; a neighbouring year's Sun on
        // the same date stands a tenth of a degree away or more.
        const double tolDeg = 1e-5;
        DialSpec design = busyDial(45.4642, 9.19, 1, false, 0, 0, year);
        design.hours.apparent = false;
        design.hours.italic = false;
        design.hours.babylonian = false;
        design.dates.dates.clear();
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.status.ok());
        int checked = 0;
        for (const DialLine &line : d.lines) {
            if (line.family != LineFamily::ClockTime)
                continue;
            const double ut = ClockToUtHours(design.place, line.clockKind, line.hour);
            for (const auto &piece : line.pieces)
                for (const DialPoint &p : piece) {
                    if (!p.hasDate || p.date.day != 1)
                        continue;
                    // The whole year's figure closes on 1 January of the next.
                    QVERIFY(p.date.year == year || (p.date.year == year + 1 && p.date.month == 1));
                    const SunPosition sun = SunAt(JulianDay(p.date, ut));
                    QCOMPARE_LE(std::abs(p.declinationDeg - sun.declinationDeg), tolDeg);
                    ++checked;
                }
        }
        QVERIFY(checked > 50);
    }

    void sameDialEveryTime_data()
    {
        // A dial's lines are traced side by side on the machine's cores when there are enough of
        // them: the drawing must not depend on which core traced which line, nor on another
        // dial being drawn at the same time (the designer and an export, say).
        QTest::addColumn<bool>("refraction");
        QTest::addColumn<double>("azimuthStepDeg");
        QTest::newRow("every hour system, Milano") << false << 0.0;
        QTest::newRow("with refraction and sky lines") << true << 15.0;
    }
    void sameDialEveryTime()
    {
        QFETCH(bool, refraction);
        QFETCH(double, azimuthStepDeg);
        DialSpec design = busyDial(45.4642, 9.19, 1, true, 20, 0, 2026);
        design.hours.temporary = true;
        design.refraction = refraction;
        design.sky.azimuthStepDeg = azimuthStepDeg;
        design.sky.altitudeStepDeg = azimuthStepDeg;
        const DialLines first = BuildDialLines(design);
        QVERIFY(first.status.ok());

        // The lines stand family by family in a fixed order, each family's by its hour.
        const std::vector<LineFamily> order{LineFamily::ApparentTime, LineFamily::ClockTime, LineFamily::Italic,
                                            LineFamily::Babylonian,   LineFamily::Temporary, LineFamily::Azimuth,
                                            LineFamily::Altitude,     LineFamily::DateLine};
        auto rank = [&](LineFamily f) { return std::find(order.begin(), order.end(), f) - order.begin(); };
        for (std::size_t i = 1; i < first.lines.size(); ++i) {
            const DialLine &a = first.lines[i - 1], &b = first.lines[i];
            QVERIFY(rank(a.family) <= rank(b.family));
            if (a.family == b.family && a.family != LineFamily::DateLine)
                QVERIFY(a.hour <= b.hour);
        }

        // Built again, and by three threads at once (one of them for another year, so that the
        // kept table of the Sun's days changes under the others): every point the same.
        DialSpec otherYear = design;
        otherYear.year = 1900;
        std::vector<DialLines> again(3);
        {
            std::vector<std::thread> builders;
            for (std::size_t k = 0; k < again.size(); ++k)
                builders.emplace_back([&, k] { again[k] = BuildDialLines(k == 1 ? otherYear : design); });
            for (std::thread &t : builders)
                t.join();
        }
        again[1] = BuildDialLines(design);
        for (const DialLines &d : again) {
            QCOMPARE(d.lines.size(), first.lines.size());
            for (std::size_t l = 0; l < d.lines.size(); ++l) {
                QCOMPARE(d.lines[l].family, first.lines[l].family);
                QCOMPARE(d.lines[l].hour, first.lines[l].hour);
                QCOMPARE(d.lines[l].pieces.size(), first.lines[l].pieces.size());
                for (std::size_t p = 0; p < d.lines[l].pieces.size(); ++p) {
                    const auto &got = d.lines[l].pieces[p], &want = first.lines[l].pieces[p];
                    QCOMPARE(got.size(), want.size());
                    for (std::size_t i = 0; i < got.size(); ++i) {
                        QCOMPARE(got[i].xMm, want[i].xMm);
                        QCOMPARE(got[i].yMm, want[i].yMm);
                        QCOMPARE(got[i].parameter, want[i].parameter);
                    }
                }
            }
        }
    }

    void dateLines()
    {
        // Sign entries in 2026 at sin d = sin(e) sin(lambda), with e the true obliquity at the
        // entry: Laskar's mean obliquity and the four main nutation terms, evaluated apart (a
        // hand computation in Python) at the entry instants of the almanac (Taurus 20 April
        // 2026 02h UT, Gemini 21 May 02h, solstices 21 June 08h24, 21 December 20h50):
        // e = 23.43827, 23.43806, 23.43798, 23.43765, so Taurus and Virgo at +11.47149,
        // Gemini and Leo at +20.14933, the solstices at +23.43798 and -23.43765.
        const double tolDeg = 0.0002;
        Place milano;
        DateLineChoice choice;
        choice.zodiac = true;
        choice.monthFirsts = true;
        choice.dates = {{2026, 6, 21}};
        const DateLinesResult r = ChooseDateLines(choice, milano, 2026);
        QVERIFY(r.status.ok());
        // Solstices and equinoxes: 3 lines; the zodiac adds the 4 other lines; 12 months; 1 date.
        QCOMPARE(int(r.lines.size()), 3 + 4 + 12 + 1);
        QCOMPARE_LE(std::abs(r.lines[0].declinationDeg - 23.43798), tolDeg);
        QCOMPARE(r.lines[0].date, (gnomonics::CivilDate{2026, 6, 21}));
        QCOMPARE_LE(std::abs(r.lines[1].declinationDeg + 23.43765), tolDeg);
        QCOMPARE(r.lines[1].date, (gnomonics::CivilDate{2026, 12, 21}));
        QCOMPARE(r.lines[2].declinationDeg, 0.0);
        QCOMPARE(r.lines[3].kind, DateLineKind::ZodiacEntry);
        QCOMPARE(r.lines[3].index, 1);
        QCOMPARE(r.lines[3].partner, 5);
        QCOMPARE_LE(std::abs(r.lines[3].declinationDeg - 11.47149), tolDeg);
        QCOMPARE_LE(std::abs(r.lines[4].declinationDeg - 20.14933), tolDeg);
        // 1 January at noon: the Sun at -23.0 (almanac).
        QCOMPARE_LE(std::abs(r.lines[7].declinationDeg - -23.0), 0.05);
        // The typed date: the June solstice day, within 0.01 of the solstice's declination.
        QCOMPARE_LE(std::abs(r.lines.back().declinationDeg - 23.43798), 0.01);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("reason");
        QTest::newRow("latitude 90") << 0 << int(InputField::Latitude) << int(RefusalReason::OutOfRange);
        QTest::newRow("plane facing the ground") << 1 << int(InputField::Inclination) << int(RefusalReason::OutOfRange);
        QTest::newRow("nodus 0") << 2 << int(InputField::NodusHeight) << int(RefusalReason::NotPositive);
        QTest::newRow("longitude nan") << 3 << int(InputField::Longitude) << int(RefusalReason::NotFinite);
        QTest::newRow("31 February") << 4 << int(InputField::Date) << int(RefusalReason::NoSuchDate);
        QTest::newRow("plate 5 mm wide") << 5 << int(InputField::Plate) << int(RefusalReason::OutOfRange);
        QTest::newRow("plate edge inf") << 6 << int(InputField::Plate) << int(RefusalReason::NotFinite);
        QTest::newRow("year 2401") << 7 << int(InputField::Year) << int(RefusalReason::OutOfRange);
        QTest::newRow("step 0") << 8 << int(InputField::Step) << int(RefusalReason::OutOfRange);
    }
    void refusals()
    {
        QFETCH(int, what);
        QFETCH(int, field);
        QFETCH(int, reason);
        DialSpec design = busyDial(45, 9, 1, false, 0, 0, 2026);
        switch (what) {
        case 0: design.place.latitudeDeg = 90; break;
        case 1: design.inclinationDeg = -85; break;
        case 2: design.gnomonMm = 0; break;
        case 3: design.place.longitudeDeg = NAN; break;
        case 4: design.dates.dates = {{2026, 2, 31}}; break;
        case 5: design.plate = {0, 5, 0, 100, 0, {}}; break;
        case 6: design.plate.topMm = INFINITY; break;
        case 7: design.year = 2401; break;
        case 8: design.dateLineStepMinutes = 0; break;
        }
        const DialLines d = BuildDialLines(design);
        QCOMPARE(int(d.status.field), field);
        QCOMPARE(int(d.status.reason), reason);
        QVERIFY(d.lines.empty());
    }

    void constructionLines()
    {
        // A wall facing South at 45 N, nodus 100 mm: O lies 100 mm above F, the substyle and
        // the noon line are the vertical through F, the equinoctial line is horizontal 100 mm
        // below F (the equator's shadow: tan 45 x 100), the horizon line is the horizontal
        // through the nodus's foot.
        const double tolMm = 1e-9;
        DialSpec design = busyDial(45, 9, 1, false, 0, 0, 2026);
        const DialLines d = BuildDialLines(design);
        QVERIFY(d.centreOnPlate && d.footOnPlate);
        QCOMPARE_LE(std::abs(d.plane.centre.yMm - 100), tolMm);
        QVERIFY(d.construction.noon && d.construction.substyle && d.construction.equinoctial && d.construction.horizon);
        QCOMPARE_LE(std::abs(d.construction.noon->a.xMm), tolMm);
        QCOMPARE_LE(std::abs(d.construction.substyle->b.xMm), tolMm);
        QCOMPARE_LE(std::abs(d.construction.equinoctial->a.yMm + 100), tolMm);
        QCOMPARE_LE(std::abs(d.construction.equinoctial->b.yMm + 100), tolMm);
        QCOMPARE_LE(std::abs(d.construction.horizon->a.yMm), tolMm);
    }
};

QTEST_APPLESS_MAIN(TestDialLines)
#include "test_diallines.moc"
