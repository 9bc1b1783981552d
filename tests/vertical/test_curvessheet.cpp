// The vertical solstice and equinox curves sheet as a user works it, and the pages its two
// report buttons print.

#include "verticaltesting.h"

#include "shell/sheetwindow.h"
#include "vertical/curvesreport.h"
#include "vertical/verticalwindows.h"

namespace {

const QString s6 = QStringLiteral("------");
const QString s7 = QStringLiteral("-------");

const QStringList kDerived{"h", "b", "f", "e3", "ts5"};

QWidget *openSheet()
{
    return shell::showWindow(QStringLiteral("CurveVrt"));
}

sheet::ReportPage reportOf(QWidget *window, vertical::Side side)
{
    return vertical::BuildCurvesReport(static_cast<shell::SheetWindow *>(window)->fieldTexts(), side);
}

} // namespace

class TestCurvesSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        vertical::registerVerticalWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void opensWithDefaults()
    {
        QWidget *sheet = openSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->objectName(), QStringLiteral("CurveVrt"));
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Curve solstiziali ed equinoziali verticale."));
        QCOMPARE(textOf(sheet, "Latx"), QStringLiteral("38,1217"));
        QCOMPARE(textOf(sheet, "DCL1"), QStringLiteral("38"));
        QCOMPARE(textOf(sheet, "s"), QStringLiteral("40,32"));
        QCOMPARE(textOf(sheet, "i"), QStringLiteral("0"));
        for (const QString &name : QStringList{"Latx", "DCL1", "s"}) {
            QVERIFY2(fieldOf(sheet, name)->isVisible() && fieldOf(sheet, name)->isEnabled(), qPrintable(name));
            QVERIFY2(isFont(fieldOf(sheet, name)->font(), 8.25, true), qPrintable(name));
        }
        for (const QString &name : kDerived + allCells(3)) {
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
            QVERIFY2(!fieldOf(sheet, name)->isEnabled(), qPrintable(name));
            QCOMPARE(fieldOf(sheet, name)->focusPolicy(), Qt::NoFocus);
            QVERIFY2(isFont(fieldOf(sheet, name)->font(), 8.25, true), qPrintable(name));
        }
        QCOMPARE(fieldOf(sheet, "Dieci3")->objectName(), QStringLiteral("Dieci3"));
        // Kept out of sight: the inclination of an upright wall and the substyle hour.
        for (const char *name : {"i", "captionI", "ts5", "captionTs5", "symbolTs5"}) {
            auto *w = sheet->findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(w && w->isHidden(), name);
        }
        // Labelled as for an East wall from the start, so the hour column is never empty.
        QStringList east;
        for (int hour = 5; hour <= 19; ++hour)
            east << QStringLiteral("%1.00").arg(hour);
        QCOMPARE(rowLabelTexts(sheet), east);
        QCOMPARE(labelText(sheet, "Label13"), QStringLiteral("EST"));
        QCOMPARE(labelText(sheet, "Label15"), QStringLiteral("-"));
        QVERIFY(isFont(sheet->findChild<QLabel *>("Label13")->font(), 9.75, true));
        QVERIFY(isFont(sheet->findChild<QLabel *>("Label15")->font(), 13.5, true));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("hint") << "LabelHint" << "Per i decimali usare la virgola";
        QTest::newRow("latitude") << "captionLatx" << "Latitudine";
        QTest::newRow("latitude phi") << "symbolLatx" << "φ°";
        QTest::newRow("declination, seven blanks") << "captionDCL1" << "Declin.       d°";
        QTest::newRow("style") << "captionS" << "Stilo";
        QTest::newRow("inclination") << "captionI" << "Inclinazione";
        QTest::newRow("height, seventeen blanks") << "captionH" << "Altezza Stilo                 ";
        QTest::newRow("base, three blanks") << "captionB" << "Base stilo   ";
        QTest::newRow("substyle angle") << "captionF" << "Ang. substilo";
        QTest::newRow("substyle sigma") << "symbolF" << "σ°";
        QTest::newRow("elevation") << "captionE3" << "Ang. El.zione";
        QTest::newRow("elevation epsilon") << "symbolE3" << "ε°";
        QTest::newRow("substyle hour, seven blanks") << "captionTs5" << "Ora sustilare       t";
        QTest::newRow("substyle hour sigma") << "symbolTs5" << "σ°";
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget *sheet = openSheet();
        QCOMPARE(labelText(sheet, name), text);
        if (name.startsWith(QStringLiteral("caption")))
            QVERIFY(isFont(sheet->findChild<QLabel *>(name)->font(), 8.25, true));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("compute") << "calcola" << "Calcola";
        QTest::newRow("reset") << "azzera" << "Azzera";
        QTest::newRow("east, leading blank") << "Est" << " Est";
        QTest::newRow("west") << "Ovest" << "Ovest";
        QTest::newRow("print east") << "StampaEst" << "Stampa Est";
        QTest::newRow("print west") << "Stampaovest" << "Stampa Ovest";
        QTest::newRow("info") << "Command1" << "Info";
        QTest::newRow("example") << "Esempio" << "Esempio";
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget *sheet = openSheet();
        auto *button = sheet->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), text);
    }

    void headingsNameTheSummerCurveFirst()
    {
        QWidget *sheet = openSheet();
        QCOMPARE(labelsReading(sheet, "h"), 2);
        QCOMPARE(labelsReading(sheet, "Estate"), 2);
        QCOMPARE(labelsReading(sheet, "Inverno"), 2);
        QCOMPARE(labelsReading(sheet, "Eq"), 1);
        QCOMPARE(labelsReading(sheet, "Eq."), 1);
        // Column 1 holds +23,45 degrees, the summer curve, farther from the root.
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        auto centreX = [&](QWidget *w) { return w->mapTo(sheet, w->rect().center()).x(); };
        QList<QLabel *> summer, winter;
        for (QLabel *l : sheet->findChildren<QLabel *>()) {
            if (l->text() == QStringLiteral("Estate"))
                summer << l;
            if (l->text() == QStringLiteral("Inverno"))
                winter << l;
        }
        std::sort(summer.begin(), summer.end(), [&](QLabel *a, QLabel *b) { return centreX(a) < centreX(b); });
        std::sort(winter.begin(), winter.end(), [&](QLabel *a, QLabel *b) { return centreX(a) < centreX(b); });
        QCOMPARE(centreX(summer[0]), centreX(fieldOf(sheet, "cinque1")));
        QCOMPARE(centreX(winter[0]), centreX(fieldOf(sheet, "cinque2")));
        QCOMPARE(centreX(summer[1]), centreX(fieldOf(sheet, "tredici1")));
        QCOMPARE(centreX(winter[1]), centreX(fieldOf(sheet, "tredici2")));
        // Two blocks: the afternoon to the right of the morning, 13 level with 5.
        QVERIFY(centreX(fieldOf(sheet, "tredici1")) > centreX(fieldOf(sheet, "cinque3")));
        QCOMPARE(fieldOf(sheet, "tredici1")->y(), fieldOf(sheet, "cinque1")->y());
        QCOMPARE(fieldOf(sheet, "diciannove1")->y(), fieldOf(sheet, "undici1")->y());
    }

    void derived_data()
    {
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("dcl");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("texts"); // h, b, f, e3, ts5
        // The sheet's worked example and the one for a wall nearly facing South.
        QTest::newRow("defaults") << "38,1217" << "38" << "40,32" << QStringList{"25,00", "31,64", "38,12", "38,31", "8,554"};
        QTest::newRow("lat 45 decl 10 style 50") << "45" << "10" << "50"
                                                 << QStringList{"34,82", "35,88", "9,85", "44,14", "11,067"};
    }
    void derived()
    {
        QFETCH(QString, lat);
        QFETCH(QString, dcl);
        QFETCH(QString, style);
        QFETCH(QStringList, texts);
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", lat);
        typeInto(sheet, "DCL1", dcl);
        typeInto(sheet, "s", style);
        press(sheet, "calcola");
        QVERIFY(!warningOpen("errore"));
        for (int k = 0; k < kDerived.size(); ++k)
            QCOMPARE(textOf(sheet, kDerived[k]), texts[k]);
    }

    void rows_data()
    {
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("dcl");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QStringList>("cells"); // columns 1, 2, 3
        // Defaults: the sheet's worked example; after 13 o'clock only the cells whose Sun
        // stands in front of the wall show a distance (winter and equinox at 14, winter at 15),
        // and before 8 only those whose Sun has risen (the winter Sun rises after 7).
        const QList<QStringList> defaults{
            {"156,8", s7, s7}, {"101,6", s7, "57,2"}, {"84,9", s7, "53,2"},
            {"78,9", "38,3", "51,6"},  {"78,7", "38,3", "51,5"},  {"83,8", "38,7", "52,9"},
            {"98,8", "39,7", "56,6"},  {"146,0", "42,1", "65,3"}, {"671,5", "48,2", "90,0"},
            {s6, "66,5", "224,0"},     {s6, "142,3", s6},         {s6, s6, s6},
            {s6, s6, s6},              {s6, s6, s6},              {s6, s7, s7}};
        for (int k = 0; k < defaults.size(); ++k)
            QTest::newRow(qPrintable(QStringLiteral("defaults, %1 o'clock").arg(k + 5)))
                << "38,1217" << "38" << "40,32" << k + 5 << defaults[k];
        // Latitude 45, declination 10, style 50: the same worked from the Sun's position.
        const QList<QPair<int, QStringList>> south{
            {5, {s6, s7, s7}},              {6, {s6, s7, "206,6"}},       {7, {"848,0", s7, "111,9"}},
            {12, {"124,9", "49,3", "70,7"}}, {15, {"583,6", "58,7", "106,6"}}, {16, {s6, "72,4", "183,0"}},
            {17, {s6, s6, "2785,8"}},       {18, {s6, s6, s6}},           {19, {s6, s7, s7}}};
        for (const auto &[hour, cells] : south)
            QTest::newRow(qPrintable(QStringLiteral("lat 45 decl 10, %1 o'clock").arg(hour)))
                << "45" << "10" << "50" << hour << cells;
    }
    void rows()
    {
        QFETCH(QString, lat);
        QFETCH(QString, dcl);
        QFETCH(QString, style);
        QFETCH(int, hour);
        QFETCH(QStringList, cells);
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", lat);
        typeInto(sheet, "DCL1", dcl);
        typeInto(sheet, "s", style);
        QTest::keyClick(fieldOf(sheet, "s"), Qt::Key_Return); // Enter computes like "Calcola"
        for (int column = 1; column <= 3; ++column)
            QCOMPARE(textOf(sheet, cell(hour - 5, column)), cells[column - 1]);
    }

    void sidesOnlyRelabel_data()
    {
        QTest::addColumn<bool>("west");
        QTest::addColumn<bool>("computeFirst");
        QTest::newRow("Est before Calcola") << false << false;
        QTest::newRow("Est after Calcola") << false << true;
        QTest::newRow("Ovest before Calcola") << true << false;
        QTest::newRow("Ovest after Calcola") << true << true;
    }
    void sidesOnlyRelabel()
    {
        QFETCH(bool, west);
        QFETCH(bool, computeFirst);
        QWidget *reference = openSheet();
        press(reference, "calcola");
        const auto computed = allTexts(reference);
        closeAllWindows();

        QWidget *sheet = openSheet();
        if (computeFirst)
            press(sheet, "calcola");
        const auto before = allTexts(sheet);
        press(sheet, west ? "Ovest" : "Est");
        QCOMPARE(allTexts(sheet), before);
        QCOMPARE(rowLabelTexts(sheet), hourTexts(west));
        QCOMPARE(labelText(sheet, "Label13"), west ? QStringLiteral("OVEST") : QStringLiteral("EST"));
        QCOMPARE(labelText(sheet, "Label15"), west ? QStringLiteral("+") : QStringLiteral("-"));
        press(sheet, "calcola");
        QCOMPARE(allTexts(sheet), computed);
        QCOMPARE(rowLabelTexts(sheet), hourTexts(west));
        // And back again.
        press(sheet, west ? "Est" : "Ovest");
        QCOMPARE(rowLabelTexts(sheet), hourTexts(!west));
        QCOMPARE(allTexts(sheet), computed);
    }

    void resetClearsEveryFieldInItsOrder()
    {
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        press(sheet, "Ovest");
        QStringList order;
        for (QLineEdit *edit : sheet->findChildren<QLineEdit *>()) {
            edit->setText(QStringLiteral("9")); // so that every clearing shows as a change
            connect(edit, &QLineEdit::textChanged, this, [&order, edit] { order << edit->objectName(); });
        }
        press(sheet, "azzera");
        const QStringList expected = allCells(3) + QStringList{"Latx", "DCL1", "b", "s", "h", "f", "i", "ts5", "e3"};
        QCOMPARE(order, expected);
        for (const QString &name : order)
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
        QCOMPARE(rowLabelTexts(sheet), hourTexts(true)); // labels stay
        QCOMPARE(labelText(sheet, "Label13"), QStringLiteral("OVEST"));
    }

    void resetThenComputeRefuses()
    {
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        press(sheet, "azzera");
        const auto before = allTexts(sheet);
        press(sheet, "calcola");
        QVERIFY(warningOpen("errore"));
        QCOMPARE(allTexts(sheet), before);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("latitude 0 is missing") << "Latx" << "0" << "errore";
        QTest::newRow("declination empty is missing") << "DCL1" << "" << "errore";
        QTest::newRow("style 0,0 is missing") << "s" << "0,0" << "errore";
        QTest::newRow("latitude -38 is negative") << "Latx" << "-38" << "errore2";
        QTest::newRow("declination -38 is negative") << "DCL1" << "-38" << "errore2";
        QTest::newRow("style -1 is negative") << "s" << "-1" << "errore2";
        QTest::newRow("latitude letters") << "Latx" << "abc" << "errore";
        QTest::newRow("declination empty") << "DCL1" << "" << "errore";
        QTest::newRow("style two commas") << "s" << "40,3,2" << "errore";
        QTest::newRow("latitude 90 out of range") << "Latx" << "90" << "errore3";
        QTest::newRow("declination 90 out of range") << "DCL1" << "90" << "errore3";
        QTest::newRow("declination 120 out of range") << "DCL1" << "120" << "errore3";
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        typeInto(sheet, name, text);
        const auto before = allTexts(sheet);
        press(sheet, "calcola");
        QVERIFY2(warningOpen(qPrintable(warning)), qPrintable(warning));
        for (const char *other : {"errore", "errore2", "errore3"})
            if (warning != QLatin1String(other))
                QVERIFY2(!warningOpen(other), other);
        QCOMPARE(allTexts(sheet), before);
    }

    void nearNinetyShowsNoNanOrInf()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "DCL1", "89,9999999");
        press(sheet, "calcola");
        for (const QString &text : allTexts(sheet)) {
            QVERIFY2(!text.contains(QStringLiteral("nan"), Qt::CaseInsensitive), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("inf"), Qt::CaseInsensitive), qPrintable(text));
        }
    }

    void infoAndExampleOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("Info opens the note on walls that do not decline") << "Command1" << "InfoDCL";
        QTest::newRow("Esempio opens the drawing") << "Esempio" << "DisCurveV";
    }
    void infoAndExampleOpenTheirWindows()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QWidget *sheet = openSheet();
        press(sheet, button);
        QWidget *opened = shell::WindowRegistry::instance().open(window);
        QVERIFY(opened && opened->isVisible());
        QVERIFY(sheet->isVisible());
    }

    void reportHeader_data()
    {
        QTest::addColumn<bool>("west");
        QTest::addColumn<QString>("declination");
        QTest::newRow("East report") << false << "DCL EST =38°";
        QTest::newRow("West report, capitals") << true << "DCL OVEST =38°";
    }
    // Below the table, what the maker needs at the wall, with units; the substyle angle
    // carries the side's sign as the sheet shows it beside the field.
    void reportConstructionValues()
    {
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        for (bool west : {false, true}) {
            const auto page = reportOf(sheet, west ? vertical::Side::West : vertical::Side::East);
            QStringList lines;
            for (const auto &item : page.items)
                if (item.yMm > 185 && item.yMm < 250)
                    lines << qs(item.text);
            QCOMPARE(lines, (QStringList{"Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie",
                                         "Costruzione dello stilo:", "Lunghezza dello stilo = 40,32 mm",
                                         "Altezza del nodo = 25,00 mm", "Base dello stilo (da O a F) = 31,64 mm",
                                         west ? "Angolo della sustilare = +38,12°" : "Angolo della sustilare = -38,12°",
                                         "Elevazione dello stilo = 38,31°"}));
        }
    }

    void reportHeader()
    {
        QFETCH(bool, west);
        QFETCH(QString, declination);
        QWidget *sheet = openSheet();
        const auto page = reportOf(sheet, west ? vertical::Side::West : vertical::Side::East);
        QCOMPARE(page.fontPt, 9);
        // The header, the table, the legend and the six lines of the style's construction, the
        // credit line.
        QCOMPARE(page.items.size(), std::size_t(3 + 4 + 15 * 4 + 1 + 6 + 1));
        QCOMPARE(page.items[0], (sheet::ReportItem{64, 10, "MERIDIANA   VERTICALE   LAT.=38,1217°"}));
        QCOMPARE(qs(page.items[1].text), declination);
        QCOMPARE(page.items[1].xMm, 150.0);
        QCOMPARE(page.items[1].yMm, 10.0);
        QCOMPARE(page.items[2], (sheet::ReportItem{12, 20, "Progetto:_______________________________  Data____/_____/_____ Note:__________________"}));
        QCOMPARE(page.items[3], (sheet::ReportItem{50, 30, "Ore"}));
        QCOMPARE(page.items[4], (sheet::ReportItem{80, 30, "SE"}));
        QCOMPARE(page.items[5], (sheet::ReportItem{110, 30, "Eq"}));
        QCOMPARE(page.items[6], (sheet::ReportItem{140, 30, "SI"}));
        for (int hour = 5; hour <= 19; ++hour) {
            const std::size_t k = 7 + 4 * std::size_t(hour - 5);
            const double y = 40 + 10 * (hour - 5);
            QCOMPARE(page.items[k], (sheet::ReportItem{50, y, QStringLiteral("%1.00").arg(hour).toStdString()}));
            for (std::size_t c = 1; c <= 3; ++c) // never computed: the cells' first "0"
                QCOMPARE(page.items[k + c], (sheet::ReportItem{50.0 + 30.0 * double(c), y, "0"}));
        }
        QCOMPARE(page.items.back(), (sheet::ReportItem{40, 260, sheet::kCreditLine}));
    }

    void reportLines_data()
    {
        QTest::addColumn<bool>("west");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QStringList>("printed"); // at X 80, 110, 140: columns 1, 3, 2
        QTest::newRow("East 5.00") << false << 5 << QStringList{"156,8", s7, s7};
        QTest::newRow("East 13.00") << false << 13 << QStringList{"671,5", "90,0", "48,2"};
        QTest::newRow("East 14.00 keeps the lit points") << false << 14 << QStringList{s6, "224,0", "66,5"};
        QTest::newRow("East 19.00") << false << 19 << QStringList{s6, s7, s7};
        QTest::newRow("West 5.00 prints the 19 o'clock row") << true << 5 << QStringList{s6, s7, s7};
        QTest::newRow("West 10.00 prints the 14 o'clock row") << true << 10 << QStringList{s6, "224,0", "66,5"};
        QTest::newRow("West 12.00 prints the noon row") << true << 12 << QStringList{"146,0", "65,3", "42,1"};
        QTest::newRow("West 13.00 prints the 11 o'clock row") << true << 13 << QStringList{"98,8", "56,6", "39,7"};
        QTest::newRow("West 19.00 prints the 5 o'clock row") << true << 19 << QStringList{"156,8", s7, s7};
    }
    void reportLines()
    {
        QFETCH(bool, west);
        QFETCH(int, hour);
        QFETCH(QStringList, printed);
        QWidget *sheet = openSheet();
        press(sheet, west ? "Est" : "Ovest"); // the labels on screen do not steer the page
        press(sheet, "calcola");
        const auto page = reportOf(sheet, west ? vertical::Side::West : vertical::Side::East);
        const double y = 40 + 10 * (hour - 5);
        QCOMPARE(itemAt(page, 50, y), QStringLiteral("%1.00").arg(hour));
        QCOMPARE(itemAt(page, 80, y), printed[0]);
        QCOMPARE(itemAt(page, 110, y), printed[1]);
        QCOMPARE(itemAt(page, 140, y), printed[2]);
    }
};

QTEST_MAIN(TestCurvesSheet)
#include "test_curvessheet.moc"
