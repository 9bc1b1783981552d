#include "drawing/csvwriter.h"
#include "drawing/dialsketch.h"
#include "drawing/dxfwriter.h"
#include "gnomonics/hoursystems.h"
#include "project/projectfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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

double number(const QString &cell) { return QString(cell).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); }

gnomonics::DialLines defaultDial(bool everything)
{
    project::Project p;
    p.clock = everything;
    p.italic = everything;
    p.babylonian = everything;
    p.zodiac = everything;
    return gnomonics::BuildDialLines(project::ToDialSpec(p).spec);
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
        const auto dial = gnomonics::BuildDialLines(project::ToDialSpec(p).spec);
        QVERIFY(!dial.status.ok());
        QVERIFY(drawing::DialCsv(dial).empty());
        QTemporaryDir dir;
        std::string error;
        const std::string path = (dir.path() + QStringLiteral("/x.csv")).toStdString();
        QVERIFY(!drawing::WriteDialCsv(path, dial, &error));
        QVERIFY(!QFile::exists(QString::fromStdString(path)));
    }

    // Labels of the drawing never cover one another, and each stays off its own line.
    void labelsDoNotOverlap()
    {
        const auto sketch = drawing::BuildDialSketch(defaultDial(true), {"Milano"});
        QVERIFY(sketch.labels.size() > 20);
        for (std::size_t i = 0; i < sketch.labels.size(); ++i)
            for (std::size_t j = i + 1; j < sketch.labels.size(); ++j)
                QVERIFY2(!sketch.labels[i].box().overlaps(sketch.labels[j].box()),
                         (sketch.labels[i].text + " / " + sketch.labels[j].text).c_str());
    }

    void dxfHasUnitsLayersAndOnlyLines()
    {
        const auto sketch = drawing::BuildDialSketch(defaultDial(true), {"Milano"});
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
        for (const char *layer : {"ORE", "ORE_CIVILI", "ITALICHE", "BABILONESI", "DATE", "STILO", "LASTRA", "TESTI", "COSTRUZIONE"})
            QVERIFY2(values.contains(QString::fromLatin1(layer)), layer);
        for (const char *forbidden : {"SPLINE", "LWPOLYLINE", "MTEXT"})
            QVERIFY2(!values.contains(QString::fromLatin1(forbidden)), forbidden);
        QVERIFY(values.contains(QStringLiteral("EOF")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDialFiles)
#include "test_dialfiles.moc"
