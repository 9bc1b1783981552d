#include "drawing/csvwriter.h"
#include "drawing/dialsketch.h"
#include "drawing/dxfwriter.h"
#include "drawing/geometry2d.h"
#include "drawing/sheetdrawing.h"
#include "drawing/textformat.h"
#include "gnomonics/hoursystems.h"
#include "project/projectfile.h"
#include "labelcheck.h"
#include "sunframe.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <random>

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

// A dial with every hour system and the solstices and zodiac entries, on a plate 1200 x 1000
// mm with F in its middle.
struct DialInputs {
    double latitude = 45.4642, longitude = 9.19, zone = 1, declination = 0, inclination = 0, nodusMm = 100;
    gnomonics::AnalemmaMode analemma = gnomonics::AnalemmaMode::Whole;
    bool summer = false;
};
gnomonics::DialLines dialOf(const DialInputs &in)
{
    project::Project p;
    p.latitudeDeg = in.latitude;
    p.longitudeDeg = in.longitude;
    p.zoneHours = in.zone;
    p.summerTime = in.summer;
    p.declinationDeg = in.declination;
    p.inclinationDeg = in.inclination;
    p.gnomonMm = in.nodusMm;
    p.clock = p.italic = p.babylonian = p.zodiac = true;
    p.analemma = in.analemma;
    p.plateWidthMm = 1200;
    p.plateHeightMm = 1000;
    p.footFromLeftMm = 600;
    p.footFromTopMm = 500;
    return gnomonics::BuildDialLines(project::ToDialSpec(p).design);
}

const char *csvType(gnomonics::LineFamily f)
{
    switch (f) {
    case gnomonics::LineFamily::ApparentTime: return "ora_vera";
    case gnomonics::LineFamily::ClockTime: return "ora_civile";
    case gnomonics::LineFamily::Italic: return "italica";
    case gnomonics::LineFamily::Babylonian: return "babilonese";
    case gnomonics::LineFamily::DateLine: return "linea_data";
    case gnomonics::LineFamily::Temporary: return "temporaria";
    case gnomonics::LineFamily::Azimuth: return "azimut";
    case gnomonics::LineFamily::Altitude: return "altezza";
    }
    return "";
}

// The name the CSV gives a line: its label, and for a half analemma the half.
QString csvName(const gnomonics::DialLine &line, bool summer)
{
    QString name = QString::fromStdString(drawing::LineLabel(line, summer));
    if (line.analemma == gnomonics::AnalemmaHalf::DecemberToJune)
        name += QStringLiteral(" dic-giu");
    if (line.analemma == gnomonics::AnalemmaHalf::JuneToDecember)
        name += QStringLiteral(" giu-dic");
    return name;
}

// The layer of every LINE and POLYLINE of a DXF file, and the linetype of every layer.
struct DxfLayers {
    QStringList entityLayers;
    QHash<QString, QString> linetypeOfLayer;
};
DxfLayers readDxfLayers(const QString &path)
{
    DxfLayers out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    QString entity, layerName;
    for (int i = 0; i + 1 < lines.size(); i += 2) {
        const int code = lines[i].trimmed().toInt();
        const QString value = lines[i + 1].trimmed();
        if (code == 0) {
            entity = value;
            layerName.clear();
        } else if (code == 8 && (entity == QLatin1String("LINE") || entity == QLatin1String("POLYLINE"))) {
            out.entityLayers << value;
        } else if (entity == QLatin1String("LAYER") && code == 2) {
            layerName = value;
        } else if (entity == QLatin1String("LAYER") && code == 6) {
            out.linetypeOfLayer[layerName] = value;
        }
    }
    return out;
}

// How far a point of the plane is from the horizon line: the sine of the height of the Sun
// whose shadow would fall there.
double sunHeightThrough(const TestPlane &plane, double x, double y) { return sunThrough(plane, x, y).z; }

} // namespace

class TestDialFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The title block names O, F and the style's angle with the words of the glossary: the
    // angle is the style's elevation, O the dial centre (root of the style), F the foot of the
    // gnomon that every coordinate is measured from.
    void titleBlockNamesThePoints_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("the style's angle is its elevation") << R"(Elevazione dello stilo \d+,\d\d°  altezza del nodo \d+,\d mm  stilo O-nodo \d+,\d mm)";
        QTest::newRow("O, the dial centre, from F")
            << R"(Centro del quadrante O \(radice dello stilo\) a x -?\d+,\d, y -?\d+,\d mm da F)";
        QTest::newRow("plate and foot of the gnomon")
            << R"(Lastra \d+ × \d+ mm, piede dello gnomone F a \d+ mm da sinistra e \d+ mm dall'alto)";
        QTest::newRow("scale from the foot of the gnomon")
            << R"(Scala 1:1, misure in mm dal piede dello gnomone F \(x a destra, y in alto\))";
    }
    void titleBlockNamesThePoints()
    {
        QFETCH(QString, pattern);
        const auto sketch = drawing::BuildDialSketch(defaultDial(false), {"Milano", false, {}, {}, 0, {}});
        const QRegularExpression want(QRegularExpression::anchoredPattern(pattern));
        int matches = 0;
        QStringList all;
        for (const auto &label : sketch.labels) {
            const QString text = QString::fromStdString(label.text);
            all << text;
            if (want.match(text).hasMatch())
                ++matches;
            QVERIFY2(!text.startsWith(QLatin1String("Altezza dello stilo")), qPrintable(text));
        }
        QVERIFY2(matches == 1, qPrintable(all.join(QStringLiteral(" | "))));
    }

    // The title block names only what the kind draws: with Italic hours, quarters and azimuth
    // lines ticked, an analemmatic dial lists its ellipse and no Italic hours, a dark room its
    // noon lines and spots.
    void titleBlockOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("plane") << int(gnomonics::DialKind::Plane)
                               << QStringList{"Ore italiche", "Linee di azimut", "Linee diurne: solstizi ed equinozi"}
                               << QStringList{"Scala delle date"};
        QTest::newRow("bifilar") << int(gnomonics::DialKind::Bifilar) << QStringList{"Ore italiche", "Fili, in pianta"}
                                 << QStringList{"Scala delle date"};
        QTest::newRow("analemmatic")
            << int(gnomonics::DialKind::Analemmatic)
            << QStringList{"Punti delle ore sull'ellisse", "Scala delle date", "Date segnate: solstizi ed equinozi",
                           "Lastra 5000 × 4000 mm, centro dell'ellisse a 2500 mm da sinistra e 2000 mm dall'alto"}
            << QStringList{"Ore italiche", "Linee di azimut", "Quarti d'ora: linee sottili senza numero", "Ore: "};
        QTest::newRow("dark room")
            << int(gnomonics::DialKind::DarkRoom)
            << QStringList{"Ore: mezzogiorno vero, mezzogiorno medio locale (anno 2026); senza rifrazione", "Mezzogiorno medio locale",
                           "Macchie di luce ai solstizi e agli equinozi"}
            << QStringList{"Ore italiche", "Linee di azimut", "Quarti d'ora: linee sottili senza numero", "Linee diurne: "};
    }
    void titleBlockOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        project::Project p;
        p.kind = static_cast<gnomonics::DialKind>(kind);
        p.italic = p.quarterHours = p.halfHours = true;
        p.azimuthStepDeg = 15;
        p.year = 2026;
        p.plateWidthMm = 5000;
        p.plateHeightMm = 4000;
        p.footFromLeftMm = 2500;
        p.footFromTopMm = 2000;
        if (p.kind == gnomonics::DialKind::DarkRoom) {
            p.inclinationDeg = 90;
            p.gnomonMm = 2000;
        }
        const auto dial = gnomonics::BuildDialLines(project::ToDialSpec(p).design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}, 0, {}});
        QStringList all;
        for (const auto &label : sketch.labels)
            all << QString::fromStdString(label.text);
        for (const QString &text : present)
            QVERIFY2(all.contains(text), qPrintable(text + QStringLiteral(" not in: ") + all.join(QStringLiteral(" | "))));
        for (const QString &text : absent)
            for (const QString &label : all)
                QVERIFY2(!label.startsWith(text), qPrintable(label));
    }

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
                // The whole figure eight closes on the first of January of the next year. An
                // end between two days, on the plate's edge or on the horizon, has no date.
                if (c[3].isEmpty()) {
                    const bool edge = std::abs(std::abs(x) - 500) < 1e-9 || y == -600 || y == 200;
                    QVERIFY2(edge || c[6] == QLatin1String("0,00"), qPrintable(rows[i]));
                    continue;
                }
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
        double worstMm = 0, worstDeg = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList c = rows[i].split(QLatin1Char(';'));
            QCOMPARE(c.size(), 7);
            const QString &type = c[0];
            const double x = number(c[5]), y = number(c[6]);
            ++count[type];
            QVERIFY2(x >= -600.005 && x <= 600.005 && y >= -500.005 && y <= 500.005, qPrintable(QStringLiteral("off the plate: ") + rows[i]));
            if (type == QLatin1String("ora_civile") && c[3].isEmpty()) {
                // An end of an analemma between two days: on the plate's edge, or where the
                // Sun its point stands for leaves the horizon or the face, at the declination
                // the row gives.
                const sunframe::Vec3 sun = sunThrough(plane, x, y);
                const double missDeg = std::abs(sunframe::degrees(std::asin(sunframe::dot(sun, sunframe::northPole(latitude)))) - number(c[4]));
                worstDeg = std::max(worstDeg, missDeg);
                QVERIFY2(missDeg <= kAnalemmaTolDeg, qPrintable(rows[i] + QStringLiteral(" off the declination by %1 deg").arg(missDeg)));
                const bool edge = std::abs(std::abs(x) - 600) < 1e-9 || std::abs(std::abs(y) - 500) < 1e-9;
                const bool grazing = std::abs(sun.z) < 1e-4 || std::abs(sunframe::dot(sun, plane.normal)) < 1e-4;
                QVERIFY2(edge || grazing, qPrintable(QStringLiteral("an analemma's end in the open: ") + rows[i]));
                ++count[QStringLiteral("analemma end")];
                continue;
            }
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
        // South of the equator the substyle of an exact East wall passes 90 from the vertical,
        // as on a wall declining a hair less (-123,87 at Sydney; it printed 56,13).
        QTest::newRow("Sydney, exact East") << -33.87 << -90.0 << 100.0 << 0.0 << -(90 + 33.87) << -90.0;
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
        const auto sketch = drawing::BuildDialSketch(dial, {"Prova", false, {}, {}, 0, {}});
        QString block;
        for (const auto &l : sketch.labels)
            block += QString::fromStdString(l.text) + QLatin1Char('\n');
        for (double v : {elevationDeg, substyleDeg, longitudeDifferenceDeg}) {
            const QString want = QString::fromStdString(drawing::Decimal(v, 2)) + QStringLiteral("°");
            QVERIFY2(block.contains(want), qPrintable(want + QStringLiteral(" not in:\n") + block));
        }
        // The noon line of an exact East or West wall is at infinity: the block says from where the
        // substyle's angle is measured.
        const bool fromVertical = std::abs(std::abs(decl) - 90) < 1e-12;
        QVERIFY(block.contains(QStringLiteral("dalla verticale")) == fromVertical);
        QVERIFY(block.contains(QStringLiteral("dalla meridiana")) == !fromVertical);
        // There the block also says which way the style's own line rises from the vertical, as
        // a maker lays it out with a protractor: the Earth's axis seen by someone facing the
        // wall (right hand = up × outward normal), turned upwards.
        if (fromVertical) {
            const double d = toRad(decl), phi = toRad(lat);
            const sunframe::Vec3 normal{-std::sin(d), -std::cos(d), 0.0};
            const sunframe::Vec3 right = sunframe::cross(sunframe::kUp, normal);
            const sunframe::Vec3 axis{0.0, std::cos(phi), std::sin(phi)};
            const double sideways = sunframe::dot(axis, right) * (axis.z < 0 ? -1 : 1);
            const QString want = QStringLiteral("La sustilare sale verso %1, a %2° dalla verticale")
                                     .arg(sideways > 0 ? QStringLiteral("destra") : QStringLiteral("sinistra"),
                                          QString::fromStdString(drawing::Decimal(sunframe::degrees(std::atan2(std::abs(sideways), std::abs(axis.z))), 2)));
            QVERIFY2(block.contains(want), qPrintable(want + QStringLiteral(" not in:\n") + block));
        } else {
            QVERIFY(!block.contains(QStringLiteral("sale verso")));
        }
        // One rounding rule: the nodus is written half away from zero (142,25 gives 142,3).
        const QString nodus = QString::fromStdString(drawing::Decimal(nodusMm, 1)) + QStringLiteral(" mm");
        QVERIFY2(block.contains(nodus), qPrintable(nodus + QStringLiteral(" not in:\n") + block));
        if (nodusMm == 142.25)
            QCOMPARE(nodus, QStringLiteral("142,3 mm"));
    }

    void labelsDoNotOverlap()
    {
        const auto sketch = drawing::BuildDialSketch(defaultDial(true), {"Milano", false, {}, {}, 0, {}});
        QVERIFY(sketch.labels.size() > 20);
        for (std::size_t i = 0; i < sketch.labels.size(); ++i)
            for (std::size_t j = i + 1; j < sketch.labels.size(); ++j)
                QVERIFY2(!sketch.labels[i].box().overlaps(sketch.labels[j].box()),
                         (sketch.labels[i].text + " / " + sketch.labels[j].text).c_str());
    }

    // A name stands off every line of its own family, wherever the plate lies about the foot
    // F: to its left, to its right, below it, or around it with lines crossing the whole plate.
    void namesStandOffTheirFamily_data()
    {
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<double>("heightMm");
        QTest::addColumn<double>("footFromLeftMm");
        QTest::addColumn<double>("footFromTopMm");
        QTest::newRow("F in the middle") << 1200.0 << 1000.0 << 600.0 << 500.0;
        QTest::newRow("F beyond the left edge") << 800.0 << 900.0 << -150.0 << 200.0;
        QTest::newRow("F beyond the right edge") << 800.0 << 900.0 << 950.0 << 200.0;
        QTest::newRow("F above the plate") << 1500.0 << 700.0 << 750.0 << -100.0;
        QTest::newRow("small plate round F") << 300.0 << 250.0 << 150.0 << 60.0;
    }
    void namesStandOffTheirFamily()
    {
        QFETCH(double, widthMm);
        QFETCH(double, heightMm);
        QFETCH(double, footFromLeftMm);
        QFETCH(double, footFromTopMm);
        // A name's box shrunk by this much may not meet its family's lines (they are kept 0.3
        // mm apart; a touch at the edge by rounding is not a name over a line).
        const double inMm = 0.01;
        project::Project p;
        p.declinationDeg = 20;
        p.halfHours = p.clock = p.italic = p.babylonian = p.zodiac = p.monthFirsts = true;
        p.plateWidthMm = widthMm;
        p.plateHeightMm = heightMm;
        p.footFromLeftMm = footFromLeftMm;
        p.footFromTopMm = footFromTopMm;
        const auto design = project::ToDialSpec(p);
        QVERIFY(design.ok);
        const auto dial = gnomonics::BuildDialLines(design.design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}, 0, {}});
        const std::vector<drawing::Layer> families{drawing::Layer::Hours, drawing::Layer::ClockHours,
                                                    drawing::Layer::Italic, drawing::Layer::Babylonian,
                                                    drawing::Layer::Dates};
        int checked = 0;
        for (const drawing::Label &label : sketch.labels) {
            if (std::find(families.begin(), families.end(), label.layer) == families.end())
                continue;
            drawing::Box box = label.box();
            box = {box.left + inMm, box.bottom + inMm, box.right - inMm, box.top - inMm};
            for (const drawing::Polyline &line : sketch.lines) {
                if (line.layer != label.layer)
                    continue;
                for (std::size_t i = 0; i + 1 < line.points.size(); ++i)
                    QVERIFY2(!drawing::segmentMeetsBox(line.points[i], line.points[i + 1], box), label.text.c_str());
            }
            ++checked;
        }
        QVERIFY(checked > 20);
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
        const auto sketch = drawing::BuildDialSketch(dial, {"Prova", false, {}, {}, 0, {}});
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

    // Every piece of every line carries its name: a date line that the horizon cuts in two on
    // a North wall is named on both sides, morning and evening; each name stands clearly nearer
    // its own line than any other of its family, or is tied to it by a leader; none covers
    // another.
    void everyPieceIsNamedOnANorthWall()
    {
        project::Project p;
        p.placeName = "Oslo";
        p.latitudeDeg = 59.91;
        p.longitudeDeg = 10.75;
        p.zoneHours = 1;
        p.declinationDeg = 180;
        p.zodiac = p.monthFirsts = true;
        p.days = {"17/05/2026"};
        const auto design = project::ToDialSpec(p);
        QVERIFY(design.ok);
        const auto dial = gnomonics::BuildDialLines(design.design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Oslo", false, {}, {}, 0, {}});
        const QStringList faults = labelcheck::labelFaults(dial, sketch, false);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // The lines the maker found named on one side only: two pieces, two names.
        for (const char *name : {"21 giugno", "1 giugno", "17 maggio", "1 agosto"}) {
            const auto line = std::find_if(dial.lines.begin(), dial.lines.end(), [&](const gnomonics::DialLine &l) {
                return drawing::ShownLineLabel(l, false) == name;
            });
            QVERIFY2(line != dial.lines.end(), name);
            QCOMPARE(line->pieces.size(), std::size_t(2));
            const auto named = std::count_if(sketch.labels.begin(), sketch.labels.end(),
                                             [&](const drawing::Label &l) { return l.text == name; });
            QCOMPARE(named, 2);
        }
    }

    // The same on dials chosen at random over the world and over the planes a maker meets,
    // every system of hours (split analemmas on half of them) and every date line on: no piece
    // unnamed, no name nearer a neighbour than its
    // own line, no name over another.
    void everyPieceIsNamedOnRandomDials_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("inclination");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<double>("gnomonMm");
        std::mt19937 random(20260520);
        std::uniform_real_distribution<double> lat(-65, 65), dcl(-180, 180), gnomon(40, 200);
        const std::array<double, 5> inclinations{0, 0, 0, 30, 90};
        for (int k = 0; k < 12; ++k) {
            const double la = std::round(lat(random) * 100) / 100, dc = std::round(dcl(random) * 100) / 100;
            const double in = inclinations[static_cast<std::size_t>(k) % inclinations.size()];
            const double g = std::round(gnomon(random));
            QTest::addRow("lat %.2f decl %.2f incl %.0f nodus %.0f", la, dc, in, g) << la << dc << in << (k % 2 == 0) << g;
        }
    }
    void everyPieceIsNamedOnRandomDials()
    {
        QFETCH(double, latitude);
        QFETCH(double, declination);
        QFETCH(double, inclination);
        QFETCH(bool, summer);
        QFETCH(double, gnomonMm);
        project::Project p;
        p.latitudeDeg = latitude;
        p.declinationDeg = declination;
        p.inclinationDeg = inclination;
        p.summerTime = summer;
        p.gnomonMm = gnomonMm;
        p.clock = p.italic = p.babylonian = p.halfHours = true;
        p.analemma = summer ? gnomonics::AnalemmaMode::Halves : gnomonics::AnalemmaMode::Whole;
        p.zodiac = p.monthFirsts = true;
        p.footFromTopMm = inclination == 90 ? 400 : 200;
        const auto design = project::ToDialSpec(p);
        QVERIFY(design.ok);
        const auto dial = gnomonics::BuildDialLines(design.design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Prova", false, {}, {}, 0, {}});
        const QStringList faults = labelcheck::labelFaults(dial, sketch, summer);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // Crowded drawings where a name once found no free place and its piece was left bare: a
    // plate narrow for its nodus, every date line on; a short Babylonian piece in a corner.
    // A name that finds no room beside its line still goes on the drawing, apart, with a leader.
    void everyPieceIsNamedWhereNamesCrowd_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("250 mm plate, nodus 21 mm, signs and days") << QStringLiteral(
            R"({"formato":"horalo-quadrante","versione":1,"luogo":{"nome":"Caso 385","latitudine":50.2674,"longitudine":58.61,"fuso":4,"ora_legale":true},"piano":{"declinazione":-30.374,"inclinazione":5.081},"gnomone":{"stilo_mm":43.99},"ore":{"vere":true,"mezze":true,"civili":true,"analemma":"meta","anno":2024,"italiche":false,"babiloniche":true},"date":{"solstizi_equinozi":true,"zodiaco":true,"mesi":false,"giorni":["04/07/2024","01/10/2024","13/04/2024"]},"lastra":{"larghezza_mm":250,"altezza_mm":643,"piede_da_sinistra_mm":156.3,"piede_da_alto_mm":313.8}})");
        QTest::newRow("low wide plate far south, short Babylonian piece") << QStringLiteral(
            R"({"formato":"horalo-quadrante","versione":1,"luogo":{"nome":"Caso 39","latitudine":-65.269,"longitudine":-48.924,"fuso":-3,"ora_legale":true},"piano":{"declinazione":0.0,"inclinazione":-8.993},"gnomone":{"stilo_mm":83.63},"ore":{"vere":false,"mezze":true,"civili":true,"analemma":"intero","anno":2025,"italiche":false,"babiloniche":true},"date":{"solstizi_equinozi":true,"zodiaco":false,"mesi":true,"giorni":["19/05/2025","07/03/2025","20/06/2025"]},"lastra":{"larghezza_mm":1341,"altezza_mm":142,"piede_da_sinistra_mm":398.2,"piede_da_alto_mm":42.6}})");
    }
    void everyPieceIsNamedWhereNamesCrowd()
    {
        QFETCH(QString, json);
        const auto read = project::ReadProject(json.toStdString());
        QVERIFY2(read.ok, read.message.c_str());
        const auto design = project::ToDialSpec(read.project);
        QVERIFY(design.ok);
        const auto dial = gnomonics::BuildDialLines(design.design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {read.project.placeName, false, {}, {}, 0, {}});
        const QStringList faults = labelcheck::labelFaults(dial, sketch, read.project.summerTime);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
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
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}, 0, {}});
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

    // Every piece of every line has its two ends in the CSV, as rows of that line, where the
    // drawing ends it: on the plate's edge, on the horizon, at a solstice. The lines that lie on
    // the horizon (Italic 24, at sunset; Babylonian 0, at sunrise) are one piece each, every
    // point of them on the horizon line. Walls of the trials and dials drawn at random.
    void everyPieceEndsInTheCsv_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("zone");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("inclination");
        QTest::addColumn<int>("analemma");
        QTest::addColumn<bool>("summer");
        auto row = [](const char *tag, double lat, double lon, double zone, double d, double i,
                      gnomonics::AnalemmaMode a, bool summer) {
            QTest::newRow(tag) << lat << lon << zone << d << i << int(a) << summer;
        };
        using gnomonics::AnalemmaMode;
        row("Milano, wall 23 West", 45.4642, 9.19, 1, 23, 0, AnalemmaMode::Whole, false);
        row("Milano, wall 23 West, analemmas in halves", 45.4642, 9.19, 1, 23, 0, AnalemmaMode::Halves, true);
        row("Oslo, North wall", 59.91, 10.75, 1, 180, 0, AnalemmaMode::Whole, false);
        row("Sydney, plane 30 East reclining 40", -33.87, 151.21, 10, -30, 40, AnalemmaMode::Halves, false);
        row("Rome, horizontal", 41.9, 12.5, 1, 0, 90, AnalemmaMode::Whole, false);
        row("Milano, exact East wall", 45.4642, 9.19, 1, -90, 0, AnalemmaMode::Whole, false);
        QRandomGenerator random(20);
        for (int k = 0; k < 10; ++k) {
            const double lat = random.bounded(130.0) - 65.0, d = random.bounded(360.0) - 180.0;
            const double i = random.bounded(4) == 0 ? 90.0 : random.bounded(110.0) - 30.0;
            const auto a = static_cast<AnalemmaMode>(random.bounded(3));
            const QByteArray tag = QStringLiteral("random %1: lat %2, D %3, i %4").arg(k).arg(lat, 0, 'f', 2).arg(d, 0, 'f', 2).arg(i, 0, 'f', 2).toLatin1();
            row(tag.constData(), lat, random.bounded(360.0) - 180.0, 0, d, i, a, random.bounded(2) == 1);
        }
    }
    void everyPieceEndsInTheCsv()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, zone);
        QFETCH(double, declination);
        QFETCH(double, inclination);
        QFETCH(int, analemma);
        QFETCH(bool, summer);
        const auto dial = dialOf({latitude, longitude, zone, declination, inclination, 100,
                                  static_cast<gnomonics::AnalemmaMode>(analemma), summer});
        QVERIFY(dial.status.ok());
        // The rows named by each line alone (type and name): a reader who picks the rows of
        // "12" finds where each piece of 12 starts and stops, even where the same point is
        // also listed as a crossing "12 - 21 giugno".
        QHash<QString, QList<drawing::Pt>> rowsOf;
        const QStringList rows = QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList c = rows[i].split(QLatin1Char(';'));
            rowsOf[c[0] + QLatin1Char(';') + c[1]].append({number(c[5]), number(c[6])});
        }
        const TestPlane plane = testPlane(declination, inclination, 100);
        constexpr double kEndTolMm = 0.01;
        int ends = 0;
        for (const auto &line : dial.lines) {
            const QString key = QString::fromLatin1(csvType(line.family)) + QLatin1Char(';') + csvName(line, summer);
            const auto listed = rowsOf.value(key);
            for (const auto &piece : line.pieces)
                for (const auto &end : {piece.front(), piece.back()}) {
                    double nearest = 1e9;
                    for (const drawing::Pt &q : listed)
                        nearest = std::min(nearest, std::hypot(q.x - end.xMm, q.y - end.yMm));
                    QVERIFY2(nearest <= kEndTolMm, qPrintable(QStringLiteral("%1: no row at its end (%2; %3), nearest %4 mm")
                                                                  .arg(key).arg(end.xMm, 0, 'f', 2).arg(end.yMm, 0, 'f', 2).arg(nearest)));
                    ++ends;
                }
            const bool onHorizon = (line.family == gnomonics::LineFamily::Italic && line.hour == 24)
                || (line.family == gnomonics::LineFamily::Babylonian && line.hour == 0);
            if (!onHorizon)
                continue;
            QVERIFY2(line.pieces.size() <= 1, qPrintable(key + QStringLiteral(" in %1 pieces").arg(line.pieces.size())));
            for (const auto &piece : line.pieces)
                for (const auto &p : piece)
                    QVERIFY2(std::abs(sunHeightThrough(plane, p.xMm, p.yMm)) < 1e-9,
                             qPrintable(key + QStringLiteral(" off the horizon at %1 %2").arg(p.xMm).arg(p.yMm)));
        }
        qInfo("%d ends of pieces, each a row of its line", ends);
    }

    // The trials' wall at Milano (23 West, nodus 150 mm): the Babylonian lines 9, 10 and 11 end
    // on the horizon where the Sun sets 9, 10 and 11 hours after rising, and the Italic line of
    // sunset runs along the horizon as one line, from the sunset of the December solstice to the
    // plate's edge. Each end is where the sky puts it, and a row of its own line.
    void horizonEndsAtMilano()
    {
        const double phi = 45.4642;
        const auto dial = dialOf({phi, 9.19, 1, 23, 0, 150, gnomonics::AnalemmaMode::Whole, false});
        QVERIFY(dial.status.ok());
        const QStringList rows = QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const TestPlane plane = testPlane(23, 0, 150);
        auto rowNear = [&](const QString &start, double x, double y) {
            for (const QString &r : rows) {
                const QStringList c = r.split(QLatin1Char(';'));
                if (r.startsWith(start) && std::hypot(number(c[5]) - x, number(c[6]) - y) <= 0.0051)
                    return true;
            }
            return false;
        };
        const double wantX[] = {112.37, 157.51, 226.93};
        for (int b = 9; b <= 11; ++b) {
            // Sunset b hours after sunrise: the half-day arc is 7.5 b degrees.
            const double d = sunframe::degrees(std::atan(-std::cos(toRad(7.5 * b)) / std::tan(toRad(phi))));
            const auto at = shadowOn(plane, sunframe::sunDirection(phi, 7.5 * b, d));
            QVERIFY(at);
            QCOMPARE_LE(std::abs(at->second), 1e-9);
            QCOMPARE_LE(std::abs(at->first - wantX[b - 9]), 0.0051);
            QVERIFY2(rowNear(QStringLiteral("babilonese;%1;").arg(b), at->first, at->second),
                     qPrintable(QStringLiteral("Babylonian %1 has no row at its end on the horizon").arg(b)));
        }
        const gnomonics::DialLine *sunset = nullptr;
        for (const auto &line : dial.lines)
            if (line.family == gnomonics::LineFamily::Italic && line.hour == 24)
                sunset = &line;
        QVERIFY(sunset);
        QCOMPARE(sunset->pieces.size(), std::size_t(1));
        const auto start = shadowOn(plane, sunframe::sunDirection(phi, sunsetDeg(phi, dial.lowestDeclinationDeg), dial.lowestDeclinationDeg));
        QVERIFY(start);
        QCOMPARE_LE(std::hypot(sunset->pieces[0].front().xMm - start->first, sunset->pieces[0].front().yMm - start->second), 1e-6);
        QCOMPARE_LE(std::abs(sunset->pieces[0].back().xMm - 600), 1e-9);
        // One polyline on the Italic layer along the horizon, not dashes.
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}, 0, {}});
        int along = 0;
        for (const auto &l : sketch.lines)
            if (l.layer == drawing::Layer::Italic
                && std::all_of(l.points.begin(), l.points.end(), [](drawing::Pt p) { return std::abs(p.y) < 1e-6; }))
                ++along;
        QCOMPARE(along, 1);
    }

    // Italic hours count from sunset: the line of sunset reads 24; Babylonian hours count from
    // sunrise: the line of sunrise reads 0. The CSV's hour and label, and the drawing, say so.
    void italicSunsetReads24()
    {
        const auto dial = dialOf({45.4642, 9.19, 1, 23, 0, 100, gnomonics::AnalemmaMode::Whole, false});
        QVERIFY(dial.status.ok());
        const QString csv = QString::fromStdString(drawing::DialCsv(dial));
        QVERIFY(csv.contains(QStringLiteral("\nitalica;24 - 21 dicembre;24,000000;;")));
        QVERIFY(csv.contains(QStringLiteral("\nbabilonese;0 - 21 dicembre;0,000000;;")));
        QVERIFY(!csv.contains(QStringLiteral("\nitalica;0")));
        QVERIFY(!csv.contains(QStringLiteral("\nbabilonese;24")));
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}, 0, {}});
        QStringList italic, babylonian;
        for (const auto &l : sketch.labels) {
            if (l.layer == drawing::Layer::Italic)
                italic << QString::fromStdString(l.text);
            if (l.layer == drawing::Layer::Babylonian)
                babylonian << QString::fromStdString(l.text);
        }
        QVERIFY2(italic.contains(QStringLiteral("24")) && !italic.contains(QStringLiteral("0")), qPrintable(italic.join(QLatin1Char(' '))));
        QVERIFY2(babylonian.contains(QStringLiteral("0")) && !babylonian.contains(QStringLiteral("24")), qPrintable(babylonian.join(QLatin1Char(' '))));
    }

    // Analemmas "a metà": the December to June half solid, the June to December half dashed on
    // the page, each on its own DXF layer, both said in the title block; the CSV names the half,
    // and its days fall within that half of the year. Whole analemmas stay on ORE_CIVILI.
    void splitAnalemmasAreToldApart()
    {
        const auto dial = dialOf({45.4642, 9.19, 1, 23, 0, 100, gnomonics::AnalemmaMode::Halves, false});
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {"Milano", false, {}, {}, 0, {}});
        int decemberToJune = 0, juneToDecember = 0;
        for (const auto &l : sketch.lines) {
            if (l.layer != drawing::Layer::ClockHours)
                continue;
            QVERIFY(l.half == gnomonics::AnalemmaHalf::DecemberToJune || l.half == gnomonics::AnalemmaHalf::JuneToDecember);
            QCOMPARE(l.dashed, l.half == gnomonics::AnalemmaHalf::JuneToDecember);
            ++(l.half == gnomonics::AnalemmaHalf::DecemberToJune ? decemberToJune : juneToDecember);
        }
        QVERIFY(decemberToJune > 0 && juneToDecember > 0);
        // The page that becomes the PDF, the SVG and the print dashes the same lines.
        const drawing::Drawing page = drawing::ToPlatePage(sketch);
        const auto dashedGreen = std::count_if(page.lines.begin(), page.lines.end(), [](const drawing::DrawingPolyline &l) {
            return l.dashed && l.rgb == drawing::LayerColour(drawing::Layer::ClockHours);
        });
        QCOMPARE(int(dashedGreen), juneToDecember);
        QStringList block;
        for (const auto &l : sketch.labels)
            block << QString::fromStdString(l.text);
        QVERIFY(block.contains(QStringLiteral("Da dicembre a giugno: linea continua")));
        QVERIFY(block.contains(QStringLiteral("Da giugno a dicembre: linea tratteggiata")));

        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/meta.dxf");
        std::string error;
        QVERIFY2(drawing::WriteDialDxf(path.toStdString(), sketch, &error), error.c_str());
        const DxfLayers dxf = readDxfLayers(path);
        QCOMPARE(int(dxf.entityLayers.count(QStringLiteral("ORE_CIVILI_DIC_GIU"))), decemberToJune);
        QCOMPARE(int(dxf.entityLayers.count(QStringLiteral("ORE_CIVILI_GIU_DIC"))), juneToDecember);
        QCOMPARE(int(dxf.entityLayers.count(QStringLiteral("ORE_CIVILI"))), 0);
        QCOMPARE(dxf.linetypeOfLayer.value(QStringLiteral("ORE_CIVILI_GIU_DIC")), QStringLiteral("DASHED"));
        QCOMPARE(dxf.linetypeOfLayer.value(QStringLiteral("ORE_CIVILI_DIC_GIU")), QStringLiteral("CONTINUOUS"));

        // The December solstice of 2025 and the June and December solstices of 2026, in days.
        const QDate december(2025, 12, 21), june(2026, 6, 21), nextDecember(2026, 12, 21);
        int dated = 0;
        for (const QString &r : QString::fromStdString(drawing::DialCsv(dial)).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList c = r.split(QLatin1Char(';'));
            if (c[0] != QLatin1String("ora_civile"))
                continue;
            const bool first = c[1].endsWith(QLatin1String(" dic-giu"));
            QVERIFY2(first || c[1].endsWith(QLatin1String(" giu-dic")), qPrintable(r));
            if (c[3].isEmpty())
                continue;
            const QDate day = QDate::fromString(c[3], Qt::ISODate);
            QVERIFY2(first ? day >= december && day <= june : day >= june && day <= nextDecember, qPrintable(r));
            ++dated;
        }
        QVERIFY(dated > 1000);

        const auto whole = drawing::BuildDialSketch(dialOf({}), {"Milano", false, {}, {}, 0, {}});
        const QString wholePath = dir.path() + QStringLiteral("/intero.dxf");
        QVERIFY2(drawing::WriteDialDxf(wholePath.toStdString(), whole, &error), error.c_str());
        const DxfLayers wholeDxf = readDxfLayers(wholePath);
        QVERIFY(wholeDxf.entityLayers.count(QStringLiteral("ORE_CIVILI")) > 0);
        QCOMPARE(int(wholeDxf.entityLayers.count(QStringLiteral("ORE_CIVILI_DIC_GIU"))), 0);
        QCOMPARE(int(wholeDxf.entityLayers.count(QStringLiteral("ORE_CIVILI_GIU_DIC"))), 0);
    }

    void dxfHasUnitsLayersAndOnlyLines()
    {
        const auto sketch = drawing::BuildDialSketch(defaultDial(true), {"Milano", false, {}, {}, 0, {}});
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
        QVERIFY(values.contains(QString::fromLatin1("Lastra 1000 \xD7 800 mm, piede dello gnomone F a 500 mm da sinistra e 200 mm dall'alto")));
        QVERIFY(values.contains(QStringLiteral("Elevazione dello stilo 44,54%%d  altezza del nodo 100,0 mm  stilo O-nodo 142,6 mm")));
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

    // The new families each on a layer of their own (the clock lines of local mean time on
    // ORE_MEDIE, their halves too); quarter hours drawn fine and unnamed between the named half
    // hours; a grid through F on GRIGLIA that takes no room from the pieces; the motto on TESTI
    // in the free place nearest the plate's top.
    void newFamiliesGridAndMotto()
    {
        project::Project p;
        p.quarterHours = p.temporary = p.clock = p.localMean = p.refraction = true;
        p.analemma = gnomonics::AnalemmaMode::Halves;
        p.azimuthStepDeg = 15;
        p.altitudeStepDeg = 10;
        p.gridMm = 50;
        p.motto = "Sine sole sileo";
        const auto inputs = project::ToDialSpec(p);
        QVERIFY(inputs.ok);
        const auto dial = gnomonics::BuildDialLines(inputs.design);
        QVERIFY(dial.status.ok());
        const auto sketch = drawing::BuildDialSketch(dial, {p.placeName, false, {}, {}, p.gridMm, p.motto});
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/q.dxf");
        std::string error;
        QVERIFY2(drawing::WriteDialDxf(path.toStdString(), sketch, &error), error.c_str());
        const DxfLayers dxf = readDxfLayers(path);
        for (const char *layer : {"TEMPORARIE", "AZIMUT", "ALTEZZE", "ORE_MEDIE_DIC_GIU", "ORE_MEDIE_GIU_DIC", "GRIGLIA"})
            QVERIFY2(dxf.entityLayers.contains(QString::fromLatin1(layer)), layer);
        QVERIFY(!dxf.entityLayers.contains(QStringLiteral("ORE_CIVILI_DIC_GIU")));
        QCOMPARE(dxf.linetypeOfLayer.value(QStringLiteral("ORE_MEDIE_GIU_DIC")), QStringLiteral("DASHED"));
        // 1000 x 800 plate, F 500 from the left and 200 from the top: lines every 50 mm through
        // F, 21 upright and 17 across.
        QCOMPARE(int(dxf.entityLayers.count(QStringLiteral("GRIGLIA"))), 21 + 17);
        QStringList texts;
        for (const auto &l : sketch.labels)
            texts << QString::fromStdString(l.text);
        QVERIFY(texts.contains(QStringLiteral("10:30")));
        QVERIFY(!texts.contains(QStringLiteral("10:15")) && !texts.contains(QStringLiteral("10:45")));
        for (const char *name : {"30° O", "15° E", "20°", "3"})
            QVERIFY2(texts.contains(QString::fromUtf8(name)), name);
        int fine = 0;
        for (const auto &l : sketch.lines)
            fine += l.fine && l.layer == drawing::Layer::Hours;
        QCOMPARE(fine > 0, true);
        const auto motto = std::find_if(sketch.labels.begin(), sketch.labels.end(),
                                        [](const drawing::Label &l) { return l.text == "Sine sole sileo"; });
        QVERIFY(motto != sketch.labels.end());
        QVERIFY(!motto->aside);
        const drawing::Box box = motto->box();
        // On the plate, in its upper third, as tall as a 25th of the plate's smaller side.
        QVERIFY(box.top <= sketch.plate.top && box.left >= sketch.plate.left && box.right <= sketch.plate.right);
        QVERIFY(box.bottom > sketch.plate.top - (sketch.plate.top - sketch.plate.bottom) / 3);
        QCOMPARE(motto->heightMm, 800.0 / 25.0);
        for (const auto &l : sketch.labels)
            if (&l != &*motto && !l.aside) {
                const drawing::Box o = l.box();
                QVERIFY2(o.right <= box.left || o.left >= box.right || o.top <= box.bottom || o.bottom >= box.top,
                         l.text.c_str());
            }
    }
};

QTEST_GUILESS_MAIN(TestDialFiles)
#include "test_dialfiles.moc"
