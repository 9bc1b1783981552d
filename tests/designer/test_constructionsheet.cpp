#include "designer/constructionsheet.h"
#include "designer/coordinatemodel.h"
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
        for (const designer::SheetFact &f : facts)
            QVERIFY(f.label != QString::fromUtf8("La sustilare sale dalla verticale per F (°)"));
        const double lambda = std::atan2(std::sin(d), std::sin(phi) * std::cos(d)) / deg;
        QCOMPARE_LE(std::abs(number(value(facts, "Differenza di longitudine (°, + Ovest)")) - lambda), kShownTol);
    }

    // A wall facing due East or West holds the Earth's axis: no O, no style length, no template
    // sides through O; the sheet says "—" rather than a number. The substyle is the style
    // itself, lying in the wall at 90 - latitude from the vertical (past 90 south of the
    // equator), and the sheet gives that angle as the drawing's title block does, signed as on
    // a wall declining a hair less (towards the morning on an East wall).
    void polarDialHasNoCentre_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("substyle");
        QTest::addColumn<QString>("rises");
        // Facing the wall, North is on the left of a West wall and on the right of an East one;
        // the style rises towards the celestial pole above the horizon: the North one at Milan,
        // the South one (90 - 33,87 from the vertical) at Sydney.
        QTest::newRow("West wall at Milan") << 45.46 << 90.0 << 44.54 << "44,54 verso sinistra";
        QTest::newRow("East wall at Milan") << 45.46 << -90.0 << -44.54 << "44,54 verso destra";
        QTest::newRow("East wall at Sydney") << -33.87 << -90.0 << -123.87 << "56,13 verso sinistra";
    }
    void polarDialHasNoCentre()
    {
        QFETCH(double, latitude);
        QFETCH(double, declination);
        QFETCH(double, substyle);
        QFETCH(QString, rises);
        project::Project p;
        p.latitudeDeg = latitude;
        p.declinationDeg = declination;
        const designer::DesignedDial dial = designer::DesignDial(p);
        QVERIFY(dial.ok);
        const auto facts = designer::ConstructionFacts(p, dial);
        for (const char *label : {"Lunghezza dello stilo (mm)", "Lato O–F, sulla sustilare (mm)", "Lato O–N, stilo (mm)",
                                  "Centro del quadrante O: da sinistra; dall'alto (mm)"})
            QCOMPARE(value(facts, QString::fromUtf8(label)), QStringLiteral("—"));
        QCOMPARE_LE(std::abs(number(value(facts, "Elevazione dello stilo (°)"))), kShownTol);
        QCOMPARE_LE(std::abs(number(value(facts, "Angolo della sustilare dalla verticale (°, + verso il pomeriggio)")) - substyle),
                    kShownTol);
        QCOMPARE(value(facts, QString::fromUtf8("La sustilare sale dalla verticale per F (°)")), rises);
        // The longitude difference of a wall facing East or West is the hour angle of the Sun
        // due East or West on the equator: six hours before or after noon.
        QCOMPARE_LE(std::abs(number(value(facts, "Differenza di longitudine (°, + Ovest)")) - (declination > 0 ? 90 : -90)), kShownTol);
    }

    // A bifilar dial's hour lines meet at a cot(latitude) South of F (y = -a cot φ), and its hours
    // are 15 degrees apart when b = a / sin φ; an analemmatic ellipse's minor semi-axis is
    // M sin φ. The sheet lists no style for either.
    void factsOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("latitude");
        QTest::newRow("bifilar at Milan") << int(gnomonics::DialKind::Bifilar) << 45.4642;
        QTest::newRow("bifilar at Sydney") << int(gnomonics::DialKind::Bifilar) << -33.87;
        QTest::newRow("analemmatic at Milan") << int(gnomonics::DialKind::Analemmatic) << 45.4642;
        QTest::newRow("analemmatic at Oslo") << int(gnomonics::DialKind::Analemmatic) << 59.91;
    }
    void factsOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(double, latitude);
        project::Project p;
        p.kind = static_cast<gnomonics::DialKind>(kind);
        p.latitudeDeg = latitude;
        p.wireEastWestMm = 120;
        p.wireNorthSouthMm = 200;
        p.semiAxisMm = 1500;
        p.footFromLeftMm = 500;
        p.footFromTopMm = 400;
        if (p.kind == gnomonics::DialKind::Analemmatic) {
            p.plateWidthMm = 4000;
            p.plateHeightMm = 3000;
            p.footFromLeftMm = 2000;
            p.footFromTopMm = 1500;
        }
        const designer::DesignedDial dial = designer::DesignDial(p);
        QVERIFY2(dial.ok, qPrintable(dial.message));
        const auto facts = designer::ConstructionFacts(p, dial);
        const double phi = latitude * M_PI / 180;
        for (const designer::SheetFact &f : facts) // no style on either kind
            QVERIFY(f.label != QStringLiteral("Altezza del nodo (mm)"));
        if (p.kind == gnomonics::DialKind::Bifilar) {
            QCOMPARE(value(facts, "Filo Est-Ovest, a sopra la linea per F (mm)"), QStringLiteral("120,00"));
            QCOMPARE(value(facts, "Filo Nord-Sud, b sopra la linea per F (mm)"), QStringLiteral("200,00"));
            const QStringList meet = value(facts, "Le linee orarie si incontrano in: x; y da F (mm)").split(QStringLiteral("; "));
            QCOMPARE(meet.size(), 2);
            QCOMPARE_LE(std::abs(number(meet[0])), kShownTol);
            // Toward the equator's pole below the horizon: South of F in the North, North in the South.
            QCOMPARE_LE(std::abs(number(meet[1]) - (-120 / std::tan(phi))), kShownTol);
            QCOMPARE_LE(std::abs(number(value(facts, "Filo Nord-Sud per ore equidistanti di 15°, b = a / sin(latitudine) (mm)")) -
                                 120 / std::abs(std::sin(phi))), kShownTol);
            QCOMPARE(value(facts, "F, sotto l'incrocio dei fili: da sinistra; dall'alto (mm)"), QStringLiteral("500,00; 400,00"));
        } else {
            QCOMPARE(value(facts, "Semiasse maggiore M, Est-Ovest (mm)"), QStringLiteral("1500,00"));
            QCOMPARE_LE(std::abs(number(value(facts, "Semiasse minore M sin(latitudine), Nord-Sud (mm)")) - 1500 * std::abs(std::sin(phi))),
                        kShownTol);
            QCOMPARE(value(facts, "Altezza dello gnomone verticale (mm)"), QStringLiteral("una persona"));
            QCOMPARE(value(facts, "Centro dell'ellisse: da sinistra; dall'alto (mm)"), QStringLiteral("2000,00; 1500,00"));
        }
    }

    // A dark room's meridian: the hole's size among the gnomon's facts, and each day's distance
    // from F both in the list and in the table's last column, equal to the CSV's x and y.
    void darkRoomDistancesFromTheFoot()
    {
        project::Project p;
        p.kind = gnomonics::DialKind::DarkRoom;
        p.declinationDeg = 0;
        p.inclinationDeg = 90;
        p.gnomonMm = 8000;
        p.holeMm = 25;
        p.plateWidthMm = 3000;
        p.plateHeightMm = 40000;
        p.footFromLeftMm = 1500;
        p.footFromTopMm = 39000;
        p.solsticesEquinoxes = true;
        p.monthFirsts = true;
        p.clock = true; // the zone's noon as well as the place's mean noon
        const designer::DesignedDial dial = designer::DesignDial(p);
        QVERIFY2(dial.ok, qPrintable(dial.message));
        const auto facts = designer::ConstructionFacts(p, dial);
        QCOMPARE(value(facts, "Diametro del foro, il cui centro è il nodo (mm)"), QStringLiteral("25,00"));
        std::vector<double> fromFoot;
        const std::vector<drawing::CsvRow> rows = drawing::DialCsvRowsShown(dial.lines, &fromFoot);
        QCOMPARE(fromFoot.size(), rows.size());
        int days = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const double x = number(QString::fromStdString(rows[r][5])), y = number(QString::fromStdString(rows[r][6]));
            QCOMPARE_LE(std::abs(fromFoot[r] - std::hypot(x, y)), 0.0075); // x and y are rounded to hundredths
            if (rows[r][0] != "linea_data")
                continue;
            // On a floor the noon line runs North from F: the distance is the Sun's noon shadow h / tan(altitude).
            const double altitude = (90 - p.latitudeDeg + number(QString::fromStdString(rows[r][4]))) * M_PI / 180;
            // The CSV's declination has four decimals: half the last one moves a low winter Sun's
            // spot by h / sin² a × 0,00005°.
            const double tol = 8000 / std::pow(std::sin(altitude), 2) * 0.00005 * M_PI / 180 + 0.01;
            QCOMPARE_LE(std::abs(fromFoot[r] - 8000 / std::tan(altitude)), tol);
            QCOMPARE(value(facts, QString::fromStdString(rows[r][1])), QString::fromStdString(sheet::FormatFixed(fromFoot[r], sheet::Mask::TwoDecimals)));
            ++days;
        }
        QVERIFY(days >= 12);
        // The window's table shows the same distances after x and y's columns.
        designer::CoordinateModel table;
        table.showDial(dial.lines);
        QCOMPARE(table.rowCount(), static_cast<int>(rows.size()));
        QCOMPARE(table.columnCount(), 8);
        QCOMPARE(table.headerData(7, Qt::Horizontal).toString(), QStringLiteral("distanza da F (mm)"));
        for (int r : {0, table.rowCount() / 2, table.rowCount() - 1})
            QCOMPARE(table.data(table.index(r, 7)).toString(),
                     QString::fromStdString(sheet::FormatFixed(fromFoot[static_cast<std::size_t>(r)], sheet::Mask::TwoDecimals)));
        // Each figure eight says its clock.
        QSet<QString> eights;
        for (const drawing::CsvRow &row : rows)
            if (row[0] == "ora_civile")
                eights.insert(QString::fromStdString(row[1]));
        QCOMPARE(eights, (QSet<QString>{QStringLiteral("12 tempo medio locale"), QStringLiteral("12 tempo civile")}));
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
