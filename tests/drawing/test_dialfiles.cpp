#include "drawing/csvwriter.h"
#include "drawing/dialsketch.h"
#include "drawing/dxfwriter.h"
#include "drawing/textformat.h"
#include "gnomonics/hoursystems.h"
#include "project/projectfile.h"
#include "sunframe.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// Two decimals in the file: half a hundredth of a millimetre of rounding per coordinate (the
// four decimals of the declination move a shadow of this dial by under 0.0005 mm).
constexpr double kTolMm = 0.0051;

double toRad(double deg) { return deg * M_PI / 180.0; }

// Where the shadow of a nodus 100 mm out of a wall facing due South falls, for the Sun at hour
// angle H and declination d seen from latitude phi: plain vectors, East-North-Up. The wall is
// the plane North = 0, the nodus at North = -100; x is East (a person facing the wall has East
// on the right), y is Up. Nothing when the Sun is behind the wall or below the horizon.
std::optional<std::pair<double, double>> southWallShadow(double phiDeg, double hDeg, double dDeg)
{
    const double phi = toRad(phiDeg), h = toRad(hDeg), d = toRad(dDeg);
    const double e = -std::cos(d) * std::sin(h);
    const double n = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
    const double u = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
    // Ends of lines on the horizon are found by bisection: allow the Sun a hair below it.
    if (n >= 0 || u < -1e-6)
        return std::nullopt;
    const double t = -100.0 / n; // the nodus moves away from the Sun until it meets the wall
    return std::pair{-t * e, -t * u};
}


// The Sun's apparent right ascension and declination (degrees) and Greenwich apparent sidereal
// time (degrees) at an instant of Universal Time, from the low-precision solar theory of
// Meeus, Astronomical Algorithms, ch. 25 (0.01 degree), written here apart from the engine's.
struct SkySun {
    double raDeg = 0, decDeg = 0, gastDeg = 0;
};
SkySun skySun(int year, int month, int day, double utHours)
{
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    const double jd = std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b - 1524.5 +
        utHours / 24.0;
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = toRad(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
        (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = toRad(125.04 - 1934.136 * t);
    const double lambda = toRad(l0 + c - 0.00569 - 0.00478 * std::sin(omega));
    const double eps = toRad(23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0 +
                             0.00256 * std::cos(omega));
    SkySun s;
    s.raDeg = sunframe::degrees(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)));
    s.decDeg = sunframe::degrees(std::asin(std::sin(eps) * std::sin(lambda)));
    s.gastDeg = 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t;
    return s;
}

// A plane as a maker sets it up, in plain East-North-Up vectors: it faces the horizontal
// direction turned from South by the declination (West positive) and leans back by the
// inclination (90: lying flat, facing the sky); right is horizontal, to the right of someone
// facing the dial, and up completes the frame. The nodus stands h mm along the normal from F.
struct TestPlane {
    sunframe::Vec3 normal, right, up;
    double nodusMm = 100;
};
TestPlane testPlane(double declinationDeg, double inclinationDeg, double nodusMm)
{
    const double d = toRad(declinationDeg), i = toRad(inclinationDeg);
    const sunframe::Vec3 facing{-std::sin(d), -std::cos(d), 0};
    TestPlane p;
    p.normal = std::cos(i) * facing + std::sin(i) * sunframe::kUp;
    p.right = sunframe::cross(sunframe::kUp, facing);
    p.up = sunframe::cross(p.normal, p.right);
    p.nodusMm = nodusMm;
    return p;
}

// The shadow of the nodus (x, y in mm from F) for the Sun in that direction; nothing when the
// Sun is behind the plane.
std::optional<std::pair<double, double>> shadowOn(const TestPlane &p, sunframe::Vec3 sun)
{
    const double facing = sunframe::dot(sun, p.normal);
    if (facing <= 0)
        return std::nullopt;
    const sunframe::Vec3 nodus = p.nodusMm * p.normal;
    const sunframe::Vec3 shadow = nodus - (p.nodusMm / facing) * sun;
    return std::pair{sunframe::dot(shadow, p.right), sunframe::dot(shadow, p.up)};
}

// The Sun's direction implied by a point of the plane: from the point to the nodus.
sunframe::Vec3 sunThrough(const TestPlane &p, double xMm, double yMm)
{
    const sunframe::Vec3 v = p.nodusMm * p.normal - (xMm * p.right + yMm * p.up);
    return (1.0 / sunframe::norm(v)) * v;
}

// Sunset hour angle of the Sun's centre on the geometric horizon: cos H0 = -tan(phi) tan(d).
double sunsetDeg(double phiDeg, double dDeg)
{
    return sunframe::degrees(std::acos(-std::tan(toRad(phiDeg)) * std::tan(toRad(dDeg))));
}

// Every point of the CSV lies within this of the true shadow (two decimals of rounding, the
// declination's four decimals and the hour's six, with room to spare).
constexpr double kShadowTolMm = 0.02;
// An analemma point is checked by the direction it implies, against the solar theory above.
constexpr double kAnalemmaTolDeg = 0.02;

double number(const QString &cell) { return QString(cell).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); }

gnomonics::DialLines defaultDial(bool everything)
{
    project::Project p;
    p.clock = everything;
    p.italic = everything;
    p.babylonian = everything;
    p.zodiac = everything;
    return gnomonics::BuildDialLines(project::ToDialSpec(p).design);
}

} // namespace

class TestDialFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every row of the default dial (Milano, wall facing South, nodus 100 mm) is where the
    // shadow really falls for the Sun its hour and declination describe.
    void csvRowsAreShadows()
    {
        const auto dial = defaultDial(true);
        QVERIFY(dial.status.ok());
        const QStringList rows = QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.front(), QStringLiteral("tipo;etichetta;ora;data;declinazione;x_mm;y_mm"));
        const double phi = 45.4642;
        QHash<QString, int> count;
        double worst = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList c = rows[i].split(QLatin1Char(';'));
            QCOMPARE(c.size(), 7);
            const double x = number(c[5]), y = number(c[6]);
            QVERIFY2(x >= -500 && x <= 500 && y >= -600 && y <= 200, qPrintable(rows[i]));
            ++count[c[0]];
            double h = 0;
            if (c[0] == QLatin1String("ora_vera") || c[0] == QLatin1String("linea_data")) {
                h = 15.0 * (number(c[2]) - 12.0);
            } else if (c[0] == QLatin1String("italica")) {
                h = *gnomonics::ItalicHourAngleDeg(phi, number(c[4]), number(c[2]));
            } else if (c[0] == QLatin1String("babilonese")) {
                h = *gnomonics::BabylonianHourAngleDeg(phi, number(c[4]), number(c[2]));
            } else if (c[0] == QLatin1String("ora_civile")) {
                // The whole figure eight closes on the first of January of the next year.
                QVERIFY2(QRegularExpression(QStringLiteral("^(2026-\\d\\d-\\d\\d|2027-01-01)$")).match(c[3]).hasMatch(), qPrintable(rows[i]));
                continue;
            } else {
                continue;
            }
            const auto s = southWallShadow(phi, h, number(c[4]));
            QVERIFY2(s, qPrintable(QStringLiteral("no shadow for ") + rows[i]));
            // Each coordinate is rounded on its own to two decimals.
            const double miss = std::max(std::abs(s->first - x), std::abs(s->second - y));
            worst = std::max(worst, miss);
            // The declination is written to four decimals: half a unit of the last moves a point
            // L mm from the nodus by L^2 / h times that angle in radians.
            const double tol = kTolMm + (x * x + y * y + 1e4) / 100.0 * toRad(0.00005);
            QVERIFY2(miss <= tol, qPrintable(rows[i] + QStringLiteral(" expected %1 %2").arg(s->first).arg(s->second)));
        }
        qInfo("largest distance from the true shadow: %.4f mm over %d rows", worst, int(rows.size() - 1));
        for (const char *type : {"ora_vera", "ora_civile", "italica", "babilonese", "linea_data", "centro", "piede"})
            QVERIFY2(count.value(QString::fromLatin1(type)) > 0, type);
        // O of a vertical wall facing South lies above F at h / tan(latitude): 98.39 mm at 45.4642.
        QVERIFY(rows.contains(QStringLiteral("centro;O;;;;0,00;98,39")) || rows.contains(QStringLiteral("centro;O;;;;0,00;101,63")));
    }

    // Every row of a dial on any plane is the shadow of the nodus for the Sun its columns
    // describe, computed here from plain vectors: apparent hours and date lines from the hour
    // and the declination, Italic and Babylonian hours from sunset and sunrise, the analemmas
    // from the clock reading and the date through an independent solar theory.
    void csvRowsAreShadowsOnAnyPlane_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("zone");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("inclination");
        QTest::addColumn<int>("analemma");
        QTest::newRow("wall facing East-North-East, D -110, lat 15,75 N, summer time")
            << 15.75 << -61.5 << -4.0 << true << -110.0 << 0.0 << int(gnomonics::AnalemmaMode::Whole);
        QTest::newRow("reclining plane, D 20 West, i 30, Milano")
            << 45.4642 << 9.19 << 1.0 << false << 20.0 << 30.0 << int(gnomonics::AnalemmaMode::Halves);
        QTest::newRow("horizontal dial, lat -34, Cape Town, zone +2")
            << -34.0 << 18.42 << 2.0 << false << 0.0 << 90.0 << int(gnomonics::AnalemmaMode::Whole);
        QTest::newRow("wall facing South-West, D 45, lat 45, summer time, noon analemma")
            << 45.0 << 7.0 << 1.0 << true << 45.0 << 0.0 << int(gnomonics::AnalemmaMode::NoonOnly);
    }
    void csvRowsAreShadowsOnAnyPlane()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, zone);
        QFETCH(bool, summer);
        QFETCH(double, declination);
        QFETCH(double, inclination);
        QFETCH(int, analemma);
        project::Project p;
        p.latitudeDeg = latitude;
        p.longitudeDeg = longitude;
        p.zoneHours = zone;
        p.summerTime = summer;
        p.declinationDeg = declination;
        p.inclinationDeg = inclination;
        p.clock = p.italic = p.babylonian = p.zodiac = true;
        p.analemma = static_cast<gnomonics::AnalemmaMode>(analemma);
        p.plateWidthMm = 1200;
        p.plateHeightMm = 1000;
        p.footFromLeftMm = 600;
        p.footFromTopMm = 500;
        const auto design = project::ToDialSpec(p);
        QVERIFY(design.ok);
        const auto dial = gnomonics::BuildDialLines(design.design);
        QVERIFY(dial.status.ok());
        const QStringList rows = QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const TestPlane plane = testPlane(declination, inclination, 100);
        QHash<QString, int> count;
        QSet<QString> seen, ends;
        double worstMm = 0, worstDeg = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList c = rows[i].split(QLatin1Char(';'));
            QCOMPARE(c.size(), 7);
            const QString &type = c[0];
            const double x = number(c[5]), y = number(c[6]);
            ++count[type];
            // No end of an hour line written again where it is already listed as a crossing.
            if (type == QLatin1String("ora_vera") || type == QLatin1String("italica") || type == QLatin1String("babilonese")) {
                const bool end = !c[1].contains(QStringLiteral(" - "));
                (end ? ends : seen).insert(type + c[1].section(QStringLiteral(" - "), 0, 0) + c[5] + c[6]);
            }
            QVERIFY2(x >= -600.005 && x <= 600.005 && y >= -500.005 && y <= 500.005, qPrintable(QStringLiteral("off the plate: ") + rows[i]));
            if (type == QLatin1String("ora_civile")) {
                const QStringList ymd = c[3].split(QLatin1Char('-'));
                QCOMPARE(ymd.size(), 3);
                const double ut = number(c[2]) - zone - (summer ? 1.0 : 0.0);
                const SkySun sky = skySun(ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt(), ut);
                const double hourAngle = sky.gastDeg + longitude - sky.raDeg;
                const sunframe::Vec3 sun = sunframe::sunDirection(latitude, std::remainder(hourAngle, 360.0), sky.decDeg);
                const double cosAngle = std::clamp(sunframe::dot(sun, sunThrough(plane, x, y)), -1.0, 1.0);
                const double missDeg = sunframe::degrees(std::acos(cosAngle));
                worstDeg = std::max(worstDeg, missDeg);
                QVERIFY2(missDeg <= kAnalemmaTolDeg, qPrintable(rows[i] + QStringLiteral(" off the Sun by %1 deg").arg(missDeg)));
                continue;
            }
            if (type == QLatin1String("centro")) {
                // O: where the polar axis through the nodus meets the plane.
                const sunframe::Vec3 pole = sunframe::northPole(latitude);
                const auto o = shadowOn(plane, sunframe::dot(pole, plane.normal) > 0 ? pole : -1.0 * pole);
                QVERIFY(o);
                QCOMPARE_LE(std::max(std::abs(o->first - x), std::abs(o->second - y)), 0.0051);
                continue;
            }
            if (type == QLatin1String("piede")) {
                QCOMPARE(c[5], QStringLiteral("0,00"));
                QCOMPARE(c[6], QStringLiteral("0,00"));
                continue;
            }
            const double d = number(c[4]);
            const double hour = number(c[2]);
            double hourAngle = 0;
            if (type == QLatin1String("ora_vera") || type == QLatin1String("linea_data"))
                hourAngle = 15.0 * (hour - 12.0);
            else if (type == QLatin1String("italica"))
                hourAngle = sunsetDeg(latitude, d) + 15.0 * hour - 360.0; // hours since sunset
            else if (type == QLatin1String("babilonese"))
                hourAngle = 15.0 * hour - sunsetDeg(latitude, d); // hours since sunrise
            else
                QFAIL(qPrintable(QStringLiteral("unknown row ") + rows[i]));
            const sunframe::Vec3 sun = sunframe::sunDirection(latitude, std::remainder(hourAngle, 360.0), d);
            // A line's end on the horizon is found by bisection and its declination written to
            // four decimals: the Sun there may stand a few millionths of a radian below.
            QVERIFY2(sun.z > -2e-5, qPrintable(QStringLiteral("Sun below the horizon: ") + rows[i]));
            const auto shadow = shadowOn(plane, sun);
            QVERIFY2(shadow, qPrintable(QStringLiteral("Sun behind the plane: ") + rows[i]));
            const double miss = std::hypot(shadow->first - x, shadow->second - y);
            worstMm = std::max(worstMm, miss);
            QVERIFY2(miss <= kShadowTolMm,
                     qPrintable(rows[i] + QStringLiteral(" true shadow %1 %2").arg(shadow->first).arg(shadow->second)));
        }
        for (const QString &end : ends)
            QVERIFY2(!seen.contains(end), qPrintable(QStringLiteral("an end written again as a crossing: ") + end));
        QVERIFY(!ends.isEmpty() && !seen.isEmpty());
        qInfo("%d rows; largest distance from the true shadow %.4f mm, analemmas off the Sun by at most %.4f deg",
              int(rows.size() - 1), worstMm, worstDeg);
        for (const char *type : {"ora_vera", "ora_civile", "italica", "babilonese", "linea_data", "piede"})
            QVERIFY2(count.value(QString::fromLatin1(type)) > 0, type);
    }

    void noonRowOfTheJuneSolstice()
    {
        // The noon line meets the June solstice line at h tan(phi - d) below F... on a south wall
        // the shadow of noon with the Sun at declination d falls 100 / tan(90 - phi + d) mm
        // below the nodus: checked against the independent shadow above.
        const auto dial = defaultDial(false);
        const QString csv = QString::fromStdString(drawing::DialCsv(dial));
        const QStringList rows = csv.split(QLatin1Char('\n'));
        bool found = false;
        for (const QString &r : rows) {
            if (!r.startsWith(QStringLiteral("ora_vera;12 - 21 giugno;12,000000;")))
                continue;
            const QStringList c = r.split(QLatin1Char(';'));
            const auto s = southWallShadow(45.4642, 0, number(c[4]));
            QVERIFY(s);
            QCOMPARE(c[5], QStringLiteral("0,00"));
            QCOMPARE_LE(std::abs(number(c[6]) - s->second), kTolMm);
            found = true;
        }
        QVERIFY(found);
    }

    void refusedDialWritesNothing()
    {
        project::Project p;
        p.latitudeDeg = 90;
        const auto dial = gnomonics::BuildDialLines(project::ToDialSpec(p).design);
        QVERIFY(!dial.status.ok());
        QVERIFY(drawing::DialCsv(dial).empty());
        QTemporaryDir dir;
        std::string error;
        const std::string path = (dir.path() + QStringLiteral("/x.csv")).toStdString();
        QVERIFY(!drawing::WriteDialCsv(path, dial, &error));
        QVERIFY(!QFile::exists(QString::fromStdString(path)));
    }

    // Labels of the drawing never cover one another, and each stays off its own line.
    // The construction values of the title block are those of the plane, computed here apart:
    // on a vertical wall declining D from South (West positive) at latitude phi, the style
    // elevation e has sin e = cos phi cos D, the substyle stands at atan(sin D / tan phi) from
    // the vertical noon line and its meridian at atan(tan D / sin phi) from the place's. On a
    // wall facing exactly East or West the style lies in the wall (e = 0), its shadow line rises
    // at the latitude, and on a North wall the substyle is the vertical above O.
    void titleBlockValuesAreThePlanes_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("decl");
        QTest::addColumn<double>("nodusMm");
        QTest::addColumn<double>("elevationDeg");
        QTest::addColumn<double>("substyleDeg");
        QTest::addColumn<double>("longitudeDifferenceDeg");
        auto wall = [](const char *tag, double lat, double decl, double nodus) {
            const double phi = toRad(lat), d = toRad(decl);
            QTest::newRow(tag) << lat << decl << nodus << sunframe::degrees(std::asin(std::cos(phi) * std::cos(d)))
                               << sunframe::degrees(std::atan(std::sin(d) / std::tan(phi)))
                               << sunframe::degrees(std::atan(std::tan(d) / std::sin(phi)));
        };
        wall("Milano, 23 West", 45.4642, 23, 100);
        wall("Milano, 23 West, nodus 142,25", 45.4642, 23, 142.25);
        wall("Oslo, 89,9 East", 59.91, -89.9, 100);
        QTest::newRow("Milano, exact East") << 45.4642 << -90.0 << 100.0 << 0.0 << -(90 - 45.4642) << -90.0;
        QTest::newRow("Milano, exact West") << 45.4642 << 90.0 << 100.0 << 0.0 << 90 - 45.4642 << 90.0;
        QTest::newRow("Milano, North 180") << 45.4642 << 180.0 << 100.0 << 90 - 45.4642 << 180.0 << 180.0;
        QTest::newRow("Milano, North -180") << 45.4642 << -180.0 << 100.0 << 90 - 45.4642 << 180.0 << 180.0;
    }
    void titleBlockValuesAreThePlanes()
    {
        QFETCH(double, lat);
        QFETCH(double, decl);
        QFETCH(double, nodusMm);
        QFETCH(double, elevationDeg);
        QFETCH(double, substyleDeg);
        QFETCH(double, longitudeDifferenceDeg);
        project::Project p;
        p.latitudeDeg = lat;
        p.declinationDeg = decl;
        p.gnomonMm = nodusMm;
        const auto dial = gnomonics::BuildDialLines(project::ToDialSpec(p).design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Prova", false, {}, {}});
        QString block;
        for (const auto &l : sketch.labels)
            block += QString::fromStdString(l.text) + QLatin1Char('\n');
        for (double v : {elevationDeg, substyleDeg, longitudeDifferenceDeg}) {
            const QString want = QString::fromStdString(drawing::Decimal(v, 2)) + QStringLiteral("°");
            QVERIFY2(block.contains(want), qPrintable(want + QStringLiteral(" not in:\n") + block));
        }
        // One rounding rule: the nodus is written half away from zero (142,25 gives 142,3).
        const QString nodus = QString::fromStdString(drawing::Decimal(nodusMm, 1)) + QStringLiteral(" mm");
        QVERIFY2(block.contains(nodus), qPrintable(nodus + QStringLiteral(" not in:\n") + block));
        if (nodusMm == 142.25)
            QCOMPARE(nodus, QStringLiteral("142,3 mm"));
    }

    void labelsDoNotOverlap()
    {
        const auto sketch = drawing::BuildDialSketch(defaultDial(true), {"Milano", false, {}, {}});
        QVERIFY(sketch.labels.size() > 20);
        for (std::size_t i = 0; i < sketch.labels.size(); ++i)
            for (std::size_t j = i + 1; j < sketch.labels.size(); ++j)
                QVERIFY2(!sketch.labels[i].box().overlaps(sketch.labels[j].box()),
                         (sketch.labels[i].text + " / " + sketch.labels[j].text).c_str());
    }

    // Every line drawn carries its name, even where curves of one family crowd a few
    // millimetres apart; no label covers another; with summer time an analemma reads both
    // clocks, winter first, as the apparent lines do, while the file keeps the summer reading.
    void everyLineIsNamed_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("inclination");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<bool>("everything");
        QTest::addColumn<double>("plateMm");
        QTest::newRow("Milano, signs, month firsts and 15 August") << 45.4642 << 0.0 << 0.0 << false << false << 1000.0;
        QTest::newRow("Milano, every system, summer time") << 45.4642 << 20.0 << 0.0 << true << true << 1000.0;
        QTest::newRow("southern horizontal dial") << -33.9 << 0.0 << 90.0 << false << false << 800.0;
        QTest::newRow("wall 30 West reclining 30, summer time") << 45.4642 << 30.0 << 30.0 << true << true << 1200.0;
    }
    void everyLineIsNamed()
    {
        QFETCH(double, latitude);
        QFETCH(double, declination);
        QFETCH(double, inclination);
        QFETCH(bool, summer);
        QFETCH(bool, everything);
        QFETCH(double, plateMm);
        project::Project p;
        p.latitudeDeg = latitude;
        p.declinationDeg = declination;
        p.inclinationDeg = inclination;
        p.summerTime = summer;
        p.clock = p.italic = p.babylonian = p.halfHours = everything;
        p.zodiac = p.monthFirsts = true;
        p.days = {"15/08/2026"};
        p.plateWidthMm = plateMm;
        p.plateHeightMm = plateMm * 0.8;
        p.footFromLeftMm = plateMm / 2;
        p.footFromTopMm = inclination == 90.0 ? plateMm * 0.4 : plateMm * 0.2;
        const auto design = project::ToDialSpec(p);
        QVERIFY(design.ok);
        const auto dial = gnomonics::BuildDialLines(design.design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Prova", false, {}, {}});
        QMultiHash<QString, int> shown;
        for (const auto &l : sketch.labels)
            shown.insert(QString::fromStdString(l.text), 0);
        int named = 0;
        for (const auto &line : dial.lines) {
            if (line.pieces.empty())
                continue;
            const QString text = QString::fromStdString(drawing::ShownLineLabel(line, summer));
            QVERIFY2(shown.contains(text), qPrintable(text + " has no label"));
            ++named;
            if (summer && line.family == gnomonics::LineFamily::ClockTime) {
                auto clock = [](double h) {
                    const int minutes = static_cast<int>(std::lround(h * 60));
                    return QString::number(minutes / 60) + (minutes % 60 ? QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0')) : QString());
                };
                QCOMPARE(text, clock(line.hour - 1) + " (" + clock(line.hour) + ")");
            }
        }
        QVERIFY(named > 10);
        for (std::size_t i = 0; i < sketch.labels.size(); ++i)
            for (std::size_t j = i + 1; j < sketch.labels.size(); ++j)
                QVERIFY2(!sketch.labels[i].box().overlaps(sketch.labels[j].box()),
                         (sketch.labels[i].text + " / " + sketch.labels[j].text).c_str());
        if (summer) {
            // The file: the clock reading with summer time, the label with both readings.
            const QStringList rows = QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'));
            bool seen = false;
            for (const QString &row : rows) {
                const QStringList c = row.split(QLatin1Char(';'));
                if (c.size() == 7 && c[0] == QLatin1String("ora_civile") && c[1] == QLatin1String("12 (13)")) {
                    QCOMPARE(c[2], QStringLiteral("13,000000"));
                    seen = true;
                }
            }
            QVERIFY(seen);
        }
    }

    // Every point of the CSV lies on the line drawn for it (the DXF's, the PDF's), within the
    // file's rounding: a date line a metre and more from the foot is traced finely enough that
    // its chords do not stray from the curve its crossings are computed on.
    void csvPointsLieOnTheDrawnLines()
    {
        project::Project p;
        p.clock = p.italic = p.babylonian = p.zodiac = p.monthFirsts = p.halfHours = true;
        p.plateWidthMm = 3000;
        p.plateHeightMm = 3000;
        p.footFromLeftMm = 1500;
        p.footFromTopMm = 1000;
        const auto dial = gnomonics::BuildDialLines(project::ToDialSpec(p).design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}});
        const QHash<QString, drawing::Layer> layerOf{{"ora_vera", drawing::Layer::Hours},
                                                     {"ora_civile", drawing::Layer::ClockHours},
                                                     {"italica", drawing::Layer::Italic},
                                                     {"babilonese", drawing::Layer::Babylonian},
                                                     {"linea_data", drawing::Layer::Dates}};
        auto distance = [](drawing::Pt q, drawing::Pt a, drawing::Pt b) {
            const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
            const double t = l2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
            return std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy);
        };
        const QStringList rows = QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        double worst = 0;
        int checked = 0, fiveMinuteSamples = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList c = rows[i].split(QLatin1Char(';'));
            if (!layerOf.contains(c[0]))
                continue;
            const drawing::Pt q{number(c[5]), number(c[6])};
            double best = 1e9;
            for (const auto &line : sketch.lines)
                if (line.layer == layerOf[c[0]])
                    for (std::size_t k = 0; k + 1 < line.points.size(); ++k)
                        best = std::min(best, distance(q, line.points[k], line.points[k + 1]));
            worst = std::max(worst, best);
            QVERIFY2(best < 0.01, qPrintable(rows[i] + QStringLiteral(" is %1 mm off its line").arg(best)));
            ++checked;
            // A date line's own samples are 5 minutes apart.
            if (c[0] == QLatin1String("linea_data") && !c[1].contains(QLatin1String(" - ")) &&
                std::abs(number(c[2]) * 12 - std::round(number(c[2]) * 12)) < 1e-5)
                ++fiveMinuteSamples;
        }
        QVERIFY(checked > 5000);
        QVERIFY(fiveMinuteSamples > 1000);
        qInfo("%d points, worst %.4f mm from their drawn line", checked, worst);
    }

    void dxfHasUnitsLayersAndOnlyLines()
    {
        const auto sketch = drawing::BuildDialSketch(defaultDial(true), {"Milano", false, {}, {}});
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/q.dxf");
        std::string error;
        QVERIFY2(drawing::WriteDialDxf(path.toStdString(), sketch, &error), error.c_str());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList pairs = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
        QStringList values;
        for (const QString &s : pairs)
            values << s.trimmed();
        auto after = [&](const QString &name) {
            const auto k = values.indexOf(name);
            return k >= 0 && k + 2 < values.size() ? values[k + 2] : QString();
        };
        QCOMPARE(after(QStringLiteral("$ACADVER")), QStringLiteral("AC1009"));
        QCOMPARE(after(QStringLiteral("$INSUNITS")), QStringLiteral("4"));
        QCOMPARE(after(QStringLiteral("$MEASUREMENT")), QStringLiteral("1"));
        // Texts in the file's code page: the times sign as its byte, the degree as %%d.
        QCOMPARE(after(QStringLiteral("$DWGCODEPAGE")), QStringLiteral("ANSI_1252"));
        QVERIFY(values.contains(QString::fromLatin1("Lastra 1000 \xD7 800 mm, piede a 500 mm dal bordo sinistro e 200 mm dal bordo alto")));
        QVERIFY(values.contains(QStringLiteral("Altezza dello stilo 44,54%%d  altezza del nodo 100,0 mm")));
        for (const char *layer : {"ORE", "ORE_CIVILI", "ITALICHE", "BABILONESI", "DATE", "STILO", "LASTRA", "TESTI", "COSTRUZIONE"})
            QVERIFY2(values.contains(QString::fromLatin1(layer)), layer);
        for (const char *forbidden : {"SPLINE", "LWPOLYLINE", "MTEXT"})
            QVERIFY2(!values.contains(QString::fromLatin1(forbidden)), forbidden);
        QVERIFY(values.contains(QStringLiteral("EOF")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        // A cutter goes over each line once: on a wall facing South the substyle is the noon
        // line, drawn a single time.
        QSet<QString> seen;
        for (const auto &line : sketch.lines) {
            QString key = QString::number(int(line.layer));
            for (const auto &p : line.points)
                key += QStringLiteral(";%1,%2").arg(p.x, 0, 'f', 3).arg(p.y, 0, 'f', 3);
            QVERIFY2(!seen.contains(key), qPrintable("drawn twice: " + key.left(80)));
            seen.insert(key);
        }
    }
};

QTEST_GUILESS_MAIN(TestDialFiles)
#include "test_dialfiles.moc"
