#include "designer/constructionsheet.h"
#include "designer/designerexport.h"
#include "drawing/csvwriter.h"
#include "sheet/numbers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

// The construction sheet's numbers are the ones a maker sets out on the wall: each is pinned
// against the geometry of the style and the plane, worked out here on its own.
class TestConstructionSheet : public QObject {
    Q_OBJECT

    // The sheet shows hundredths.
    static constexpr double kShownTol = 0.0051;

    static QString value(const std::vector<designer::SheetFact> &facts, const QString &label)
    {
        for (const designer::SheetFact &f : facts)
            if (f.label == label)
                return f.value;
        qWarning("no fact %s", qPrintable(label));
        return {};
    }
    static double number(const QString &text) { return sheet::ReadNumber(text.toStdString()).value_or(NAN); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void factsOfTheDial_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("declination");
        QTest::addColumn<QString>("side");
        QTest::newRow("south wall at Milan") << 45.4642 << 0.0 << "0,00";
        QTest::newRow("wall declining 30 West at Milan") << 45.4642 << 30.0 << "30,00 Ovest";
        QTest::newRow("wall declining 50 East at Palermo") << 38.1157 << -50.0 << "50,00 Est";
    }
    void factsOfTheDial()
    {
        QFETCH(double, latitude);
        QFETCH(double, declination);
        QFETCH(QString, side);
        project::Project p;
        p.latitudeDeg = latitude;
        p.declinationDeg = declination;
        p.gnomonMm = 100;
        p.footFromLeftMm = 500;
        p.footFromTopMm = 300;
        const designer::DesignedDial dial = designer::DesignDial(p);
        QVERIFY(dial.ok);
        const auto facts = designer::ConstructionFacts(p, dial);
        // A vertical wall: normal (-sin D, -cos D, 0) in (East, North, up); the axis (0, cos φ, sin φ).
        const double deg = M_PI / 180, phi = latitude * deg, d = declination * deg;
        const double sinE = std::cos(phi) * std::cos(d);
        const double e = std::asin(sinE) / deg;
        const double h = 100, length = h / sinE, of = h / std::tan(e * deg);
        QCOMPARE(value(facts, "Declinazione della parete (°)"), side);
        QCOMPARE(number(value(facts, "Latitudine (°, Nord positiva)")), latitude);
        QCOMPARE_LE(std::abs(number(value(facts, "Altezza del nodo (mm)")) - h), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Elevazione dello stilo (°)")) - e), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Lunghezza dello stilo (mm)")) - length), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Lato O–N, stilo (mm)")) - length), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Lato O–F, sulla sustilare (mm)")) - of), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Angolo in O (°)")) - e), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Angolo in N (°)")) - (90 - e)), kShownTol);
        QCOMPARE(value(facts, "Piede dello gnomone F: da sinistra; dall'alto (mm)"), QStringLiteral("500,00; 300,00"));
        // O lies above F on the plate, at the distance O-F along the substyle.
        const QStringList o = value(facts, "Centro del quadrante O: da sinistra; dall'alto (mm)").split(QStringLiteral("; "));
        QCOMPARE(o.size(), 2);
        const double dx = number(o[0]) - 500, dy = number(o[1]) - 300;
        QVERIFY(dy < 0);
        QCOMPARE_LE(std::abs(std::hypot(dx, dy) - of), 2 * kShownTol);
        // On a vertical wall the substyle leans from the vertical toward the side the wall
        // turns away from: tan(angle) = sin D tan φ / ... here checked as the direction O→F.
        const double substyle = number(value(facts, "Angolo della sustilare (°, + verso il pomeriggio)"));
        QCOMPARE_LE(std::abs(std::abs(substyle) - std::abs(std::atan2(dx, -dy) / deg)), 0.01);
        // The longitude difference: the hour angle whose meridian plane holds the normal,
        // tan λ = sin D / (sin φ cos D) on a vertical wall.
        const double lambda = std::atan2(std::sin(d), std::sin(phi) * std::cos(d)) / deg;
        QCOMPARE_LE(std::abs(number(value(facts, "Differenza di longitudine (°, + Ovest)")) - lambda), kShownTol);
    }

    // A wall facing due West holds the Earth's axis: no O, no style length, no template sides
    // through O; the sheet says "—" rather than a number.
    void polarDialHasNoCentre()
    {
        project::Project p;
        p.declinationDeg = 90;
        const designer::DesignedDial dial = designer::DesignDial(p);
        QVERIFY(dial.ok);
        const auto facts = designer::ConstructionFacts(p, dial);
        for (const char *label : {"Lunghezza dello stilo (mm)", "Lato O–F, sulla sustilare (mm)", "Lato O–N, stilo (mm)",
                                  "Centro del quadrante O: da sinistra; dall'alto (mm)"})
            QCOMPARE(value(facts, QString::fromUtf8(label)), QStringLiteral("—"));
        QCOMPARE_LE(std::abs(number(value(facts, "Elevazione dello stilo (°)"))), kShownTol);
    }

    // The PDF: several A4 pages when the table is long, written whole or not at all.
    void pdfFile()
    {
        project::Project p;
        p.italic = true;
        p.babylonian = true;
        p.monthFirsts = true;
        const designer::DesignedDial dial = designer::DesignDial(p);
        QVERIFY(dial.ok);
        QVERIFY(drawing::DialCsvRowsShown(dial.lines).size() > 100);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scheda.pdf"));
        QString error;
        QVERIFY2(designer::ExportConstructionSheet(path, p, dial, &error), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page>") >= 2);
        const QString refused = dir.filePath(QStringLiteral("no/such/folder/scheda.pdf"));
        QVERIFY(!designer::ExportConstructionSheet(refused, p, dial, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(refused));
    }
};

QTEST_MAIN(TestConstructionSheet)
#include "test_constructionsheet.moc"
