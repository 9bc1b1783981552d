// The horizontal solstice and equinox curves sheet as a user works it, its distances against
// the shadow of the style's tip worked out from the Sun's direction, and the page its report
// prints.

#include "sheettesting.h"
#include "shadowframe.h"

#include "horizontal/curvesreport.h"
#include "horizontal/horizontalwindows.h"
#include "sheet/numbers.h"
#include "shell/sheetwindow.h"

#include <QLabel>

namespace {

const QString kDash = QStringLiteral("--------");

// Morning fields, 6 to 12 o'clock, and their afternoon partners, 18 to 12.
const QStringList kSummerMorning{"sei1", "sette1", "otto1", "nove111", "dieci1", "undici1", "dodici1"};
const QStringList kWinterMorning{"sei2", "sette2", "otto2", "nove2", "dieci2", "undici2", "dodici2"};
const QStringList kSummerAfternoon{"diciotto1", "diciasette1", "sedici1", "quindici1", "quattordici1",
                                   "tredici1", "dodici1"};
const QStringList kWinterAfternoon{"diciotto2", "diciasette2", "sedici2", "quindici2", "quattordici2",
                                   "tredici2", "dodici2"};

QStringList tableFields()
{
    QStringList all;
    for (int i = 0; i < kSummerMorning.size(); ++i)
        all << kSummerMorning[i] << kWinterMorning[i];
    for (int i = 0; i < kSummerAfternoon.size() - 1; ++i)
        all << kSummerAfternoon[i] << kWinterAfternoon[i];
    return all << QStringLiteral("dodici3");
}

QStringList labelTexts(QWidget *window)
{
    QStringList texts;
    for (QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

shell::SheetWindow *asSheet(QWidget *w) { return static_cast<shell::SheetWindow *>(w); }

// The page of a sheet that still shows its defaults (latitude 38, style 10, every result 0).
std::vector<sheet::ReportItem> defaultPage()
{
    return {
        {64, 10, "MERIDIANA   ORIZZONTALE   LAT.=38°"},
        {12, 20, "Progetto:_______________________________  Data____/_____/_____ Note:_______________"},
        {50, 30, "Ore"}, {80, 30, "SE"}, {110, 30, "SI"}, {140, 30, "Eq"},
        {50, 50, "6.00"}, {80, 50, "0"}, {110, 50, "0"},
        {50, 60, "7.00"}, {80, 60, "0"}, {110, 60, "0"},
        {50, 70, "8.00"}, {80, 70, "0"}, {110, 70, "0"},
        {50, 80, "9.00"}, {80, 80, "0"}, {110, 80, "0"},
        {50, 90, "10.00"}, {80, 90, "0"}, {110, 90, "0"},
        {50, 100, "11.00"}, {80, 100, "0"}, {110, 100, "0"},
        {50, 110, "12.00"}, {80, 110, "0"}, {110, 110, "0"}, {140, 110, "0"},
        {50, 120, "13.00"}, {80, 120, "0"}, {110, 120, "0"},
        {50, 130, "14.00"}, {80, 130, "0"}, {110, 130, "0"},
        {50, 140, "15.00"}, {80, 140, "0"}, {110, 140, "0"},
        {50, 150, "16.00"}, {80, 150, "0"}, {110, 150, "0"},
        {50, 160, "17.00"}, {80, 160, "0"}, {110, 160, "0"},
        {50, 170, "18.00"}, {80, 170, "0"}, {110, 170, "0"},
        {50, 180, "Stilo     = 10 mm"},
        {50, 190, "Base      = 0 mm"},
        {50, 200, "Altezza   = 0 mm"},
        {12, 38, "Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie"},
        {40, 260, sheet::kCreditLine},
    };
}

} // namespace

class TestCurvesSheet : public QObject {
    Q_OBJECT

    QWidget *openSheet() { return shell::showWindow(QStringLiteral("CurveOrizz")); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void opensWithDefaults()
    {
        QWidget *sheet = openSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Curve solstiziali ed equinoziali orizzontale."));
        QCOMPARE(textOf(sheet, "Latx"), QStringLiteral("38"));
        QCOMPARE(textOf(sheet, "s"), QStringLiteral("10"));
        // Only the latitude and the style are typed; the style's height and base are results,
        // shown like every other one: nobody can type 99 there and take it to the dial.
        for (const char *name : {"Latx", "s"})
            QVERIFY2(fieldOf(sheet, name)->isEnabled(), name);
        for (const char *name : {"h", "b"}) {
            QVERIFY2(!fieldOf(sheet, name)->isEnabled(), name);
            QCOMPARE(fieldOf(sheet, name)->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(textOf(sheet, "h"), QStringLiteral("0"));
        QCOMPARE(textOf(sheet, "b"), QStringLiteral("0"));
        const QStringList table = tableFields();
        QCOMPARE(table.size(), 27);
        for (const QString &name : table) {
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
            QVERIFY2(!fieldOf(sheet, name)->isEnabled(), qPrintable(name));
            QCOMPARE(fieldOf(sheet, name)->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(sheet->findChildren<QLineEdit *>().size(), 31);
    }

    void showsItsWords_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("hint") << "Per i decimali usare la virgola";
        QTest::newRow("latitude caption") << "Latitudine";
        QTest::newRow("phi degrees") << "φ°";
        QTest::newRow("style caption") << "Stilo";
        QTest::newRow("style height caption") << "Altezza Stilo";
        QTest::newRow("style base caption") << "Base stilo";
        QTest::newRow("hour column heading") << "h";
        QTest::newRow("summer column heading") << "Estate";
        QTest::newRow("winter column heading") << "Inverno";
        QTest::newRow("equinox column heading") << "Equinozi";
        for (int hour = 6; hour <= 18; ++hour) {
            const QString text = QStringLiteral("%1.00").arg(hour);
            QTest::newRow(qPrintable(QStringLiteral("hour label %1").arg(text))) << text;
        }
    }
    void showsItsWords()
    {
        QFETCH(QString, label);
        QWidget *sheet = openSheet();
        QCOMPARE(labelTexts(sheet).count(label), 1);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("compute") << "Calcola" << "Calcola";
        QTest::newRow("reset") << "Azzera" << "Azzera";
        QTest::newRow("print") << "Stampa" << "Stampa";
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
        QVERIFY(button->isEnabled());
    }

    void computes_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QStringList>("summer");  // 6 to 12 o'clock
        QTest::addColumn<QStringList>("winter");  // 6 to 12 o'clock
        QTest::addColumn<QString>("equinoxNoon");

        // The worked example of the dial's design at its defaults; the Sun is down at 6 and 7
        // on the winter solstice, so those points do not exist.
        QTest::newRow("defaults latitude 38 style 10") << "38" << "10" << "6,2" << "7,9"
            << QStringList{"23,1", "13,77", "11,06", "10,07", "9,68", "9,52", "9,48"}
            << QStringList{kDash, kDash, "57,58", "28,62", "22,13", "19,81", "19,20"} << "12,69";
        // Southern dial: its summer is the northern winter, so the columns swap; the 6 o'clock
        // winter point takes the two decimals of every winter field. Shadow of the tip of a
        // style pointing at the south pole: 23,053, 13,770, 11,057 ... (independent vectors).
        // South of the equator the dial's summer is the December solstice: the columns read
        // as the northern dial's, and the style's height is a length.
        QTest::newRow("southern latitude -38") << "-38" << "10" << "6,2" << "7,9"
            << QStringList{"23,1", "13,77", "11,06", "10,07", "9,68", "9,52", "9,48"}
            << QStringList{kDash, kDash, "57,58", "28,62", "22,13", "19,81", "19,20"} << "12,69";
        // Above the polar circle the winter Sun never rises: no winter point at any hour, noon
        // included (there the bare formula reads -38,50 at 11 and -39,44 at noon). The summer
        // Sun never sets. Shadow of the tip: 23,053 20,881 19,234 18,045 17,249 16,792 16,644;
        // equinox noon 10 / cos 80 = 57,588.
        QTest::newRow("latitude 80 blanks the whole winter column") << "80" << "10" << "9,8" << "1,7"
            << QStringList{"23,1", "20,88", "19,23", "18,05", "17,25", "16,79", "16,64"}
            << QStringList{kDash, kDash, kDash, kDash, kDash, kDash, kDash} << "57,59";
        // Hand computation with 25 sin 45,5 = 17,831 and 25 cos 45,5 = 17,523; distances from
        // the shadow of the tip: 57,634 37,488 30,109 26,973 25,551 24,924 24,745 and
        // 483,813 116,597 78,674 66,874 63,854; equinox 25 / cos 45,5 = 35,668.
        QTest::newRow("latitude 45,5 style 25 with commas") << "45,5" << "25" << "17,8" << "17,5"
            << QStringList{"57,6", "37,49", "30,11", "26,97", "25,55", "24,92", "24,75"}
            << QStringList{kDash, kDash, "483,81", "116,60", "78,67", "66,87", "63,85"} << "35,67";
        // A style of no length casts its tip's shadow on the centre itself.
    }
    void computes()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, style);
        QFETCH(QString, height);
        QFETCH(QString, base);
        QFETCH(QStringList, summer);
        QFETCH(QStringList, winter);
        QFETCH(QString, equinoxNoon);
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", latitude);
        typeInto(sheet, "s", style);
        press(sheet, "Calcola");
        QVERIFY(!warningOpen("errore"));
        QCOMPARE(textOf(sheet, "Latx"), latitude);
        QCOMPARE(textOf(sheet, "s"), style);
        QCOMPARE(textOf(sheet, "h"), height);
        QCOMPARE(textOf(sheet, "b"), base);
        for (int i = 0; i < kSummerMorning.size(); ++i) {
            QCOMPARE(textOf(sheet, kSummerMorning[i]), summer[i]);
            QCOMPARE(textOf(sheet, kWinterMorning[i]), winter[i]);
            // The afternoon mirrors the morning about the noon line.
            QCOMPARE(textOf(sheet, kSummerAfternoon[i]), summer[i]);
            QCOMPARE(textOf(sheet, kWinterAfternoon[i]), winter[i]);
        }
        QCOMPARE(textOf(sheet, "dodici3"), equinoxNoon);
    }

    void enterInTheStyleComputes()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "s", "20");
        QTest::keyClick(fieldOf(sheet, "s"), Qt::Key_Return);
        QCOMPARE(textOf(sheet, "dodici3"), QStringLiteral("25,38"));
    }

    void distancesMatchTheShadowOfTheTip()
    {
        // Every number on the sheet may differ from where the shadow of the style's tip falls
        // only by its rounding; a dash stands exactly where the Sun is below the horizon.
        const double tolTwoDecimalsMm = 0.005;
        const double tolOneDecimalMm = 0.05;
        const double relativeSlack = 1e-9; // far out near the horizon the distances run to metres
        double worst = 0;
        int points = 0;
        QWidget *sheet = openSheet();
        for (const QString &style : {QStringLiteral("10"), QStringLiteral("37,5")}) {
            for (double lat = -77.5; lat <= 87.5; lat += 2.5) {
                if (lat == 0)
                    continue;
                typeInto(sheet, "Latx", QString::number(lat).replace('.', ','));
                typeInto(sheet, "s", style);
                press(sheet, "Calcola");
                const double styleMm = *sheet::ReadNumber(style.toStdString());
                struct Cell { QString field; double hourAngleDeg; double declDeg; double tol; };
                QList<Cell> cells;
                for (int i = 0; i < kSummerMorning.size(); ++i) {
                    const double morning = -15.0 * (6 - i), afternoon = 15.0 * (6 - i);
                    const double summerTol = i == 0 ? tolOneDecimalMm : tolTwoDecimalsMm;
                    // The dial's own summer: the December solstice south of the equator.
                    const double summer = lat > 0 ? 23.45 : -23.45;
                    cells.append({kSummerMorning[i], morning, summer, summerTol});
                    cells.append({kWinterMorning[i], morning, -summer, tolTwoDecimalsMm});
                    cells.append({kSummerAfternoon[i], afternoon, summer, summerTol});
                    cells.append({kWinterAfternoon[i], afternoon, -summer, tolTwoDecimalsMm});
                }
                cells.append({QStringLiteral("dodici3"), 0.0, 0.0, tolTwoDecimalsMm});
                for (const Cell &cell : cells) {
                    const auto shadow = shadowframe::tipShadow(lat, 0.0, 90.0, styleMm, cell.hourAngleDeg, cell.declDeg);
                    const QString shown = textOf(sheet, cell.field);
                    const QString where = QStringLiteral("lat %1 style %2 %3").arg(lat).arg(style, cell.field);
                    if (!shadow.sunInFront || shadow.distanceMm > 1e6) {
                        QVERIFY2(shown == kDash, qPrintable(where + QStringLiteral(" shows ") + shown));
                        continue;
                    }
                    const auto value = sheet::ReadNumber(shown.toStdString());
                    QVERIFY2(value, qPrintable(where + QStringLiteral(" shows ") + shown));
                    worst = std::max(worst, std::abs(*value - shadow.distanceMm) / cell.tol);
                    HORALO_COMPARE_NEAR(*value, shadow.distanceMm, cell.tol + relativeSlack * shadow.distanceMm);
                    ++points;
                }
            }
        }
        qInfo("%d points; largest difference from the shadow: %.4f of the rounding allowance", points, worst);
    }

    void refusesAndChangesNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("latitude 0 is a latitude never entered") << "Latx" << "0";
        QTest::newRow("latitude 0,0") << "Latx" << "0,0";
        QTest::newRow("latitude letters") << "Latx" << "abc";
        QTest::newRow("latitude empty") << "Latx" << "";
        QTest::newRow("latitude two commas") << "Latx" << "38,5,1";
        QTest::newRow("style letters") << "s" << "abc";
        QTest::newRow("style empty") << "s" << "";
    }
    void refusesAndChangesNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QWidget *sheet = openSheet();
        press(sheet, "Calcola"); // so that a wrongly written field would show
        typeInto(sheet, field, typed);
        const auto before = allTexts(sheet);
        press(sheet, "Calcola");
        QVERIFY(warningOpen("errore"));
        QCOMPARE(allTexts(sheet), before);
        for (const QString &text : before)
            QVERIFY2(!text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf")), qPrintable(text));
    }

    void resetWritesZeroIntoEveryField()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Calcola");
        QCOMPARE(textOf(sheet, "dodici3"), QStringLiteral("12,69"));
        press(sheet, "Azzera");
        const auto texts = allTexts(sheet);
        QCOMPARE(texts.size(), 31);
        for (auto it = texts.begin(); it != texts.end(); ++it)
            QVERIFY2(it.value() == QStringLiteral("0"), qPrintable(it.key() + QStringLiteral(" = ") + it.value()));
        QVERIFY(!warningOpen("errore"));
    }

    void computeAfterResetIsRefused()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Azzera");
        const auto before = allTexts(sheet);
        press(sheet, "Calcola");
        QVERIFY(warningOpen("errore"));
        QCOMPARE(allTexts(sheet), before);
    }

    void exampleOpensTheDrawing()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Esempio");
        QWidget *drawing = shell::WindowRegistry::instance().open(QStringLiteral("DisCurveO"));
        QVERIFY(drawing && drawing->isVisible());
        QVERIFY(sheet->isVisible());
        QVERIFY(!drawing->isModal());
    }

    void everyButtonOfTheHorizontalMenuIsEnabled()
    {
        QWidget *menu = shell::showWindow(QStringLiteral("MenuOrz"));
        QVERIFY(menu);
        const auto buttons = menu->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 4);
        for (QPushButton *button : buttons)
            QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
    }

    void theMenuOpensTheSheetAndItsDrawing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("Curve Solstiziali opens the sheet") << "CurveSolstiziali" << "CurveOrizz";
        QTest::newRow("its Esempio opens the drawing") << "EsempioCurveO" << "DisCurveO";
    }
    void theMenuOpensTheSheetAndItsDrawing()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QWidget *menu = shell::showWindow(QStringLiteral("MenuOrz"));
        press(menu, button);
        QWidget *opened = shell::WindowRegistry::instance().open(window);
        QVERIFY(opened && opened->isVisible());
    }

    void reportBeforeCompute()
    {
        QWidget *sheet = openSheet();
        const auto page = horizontal::BuildCurvesReport(asSheet(sheet)->fieldTexts());
        QCOMPARE(page.fontPt, 12);
        const auto want = defaultPage();
        QCOMPARE(page.items.size(), want.size());
        for (std::size_t k = 0; k < want.size(); ++k)
            QCOMPARE(page.items[k], want[k]);
    }

    void reportAfterCompute()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Calcola");
        const auto page = horizontal::BuildCurvesReport(asSheet(sheet)->fieldTexts());
        // The worked example at the defaults, as the sheet shows it.
        const std::vector<sheet::ReportItem> want{
            {64, 10, "MERIDIANA   ORIZZONTALE   LAT.=38°"},
            {12, 20, "Progetto:_______________________________  Data____/_____/_____ Note:_______________"},
            {50, 30, "Ore"}, {80, 30, "SE"}, {110, 30, "SI"}, {140, 30, "Eq"},
            {50, 50, "6.00"}, {80, 50, "23,1"}, {110, 50, "--------"},
            {50, 60, "7.00"}, {80, 60, "13,77"}, {110, 60, "--------"},
            {50, 70, "8.00"}, {80, 70, "11,06"}, {110, 70, "57,58"},
            {50, 80, "9.00"}, {80, 80, "10,07"}, {110, 80, "28,62"},
            {50, 90, "10.00"}, {80, 90, "9,68"}, {110, 90, "22,13"},
            {50, 100, "11.00"}, {80, 100, "9,52"}, {110, 100, "19,81"},
            {50, 110, "12.00"}, {80, 110, "9,48"}, {110, 110, "19,20"}, {140, 110, "12,69"},
            {50, 120, "13.00"}, {80, 120, "9,52"}, {110, 120, "19,81"},
            {50, 130, "14.00"}, {80, 130, "9,68"}, {110, 130, "22,13"},
            {50, 140, "15.00"}, {80, 140, "10,07"}, {110, 140, "28,62"},
            {50, 150, "16.00"}, {80, 150, "11,06"}, {110, 150, "57,58"},
            {50, 160, "17.00"}, {80, 160, "13,77"}, {110, 160, "--------"},
            {50, 170, "18.00"}, {80, 170, "23,1"}, {110, 170, "--------"},
            {50, 180, "Stilo     = 10 mm"},
            {50, 190, "Base      = 7,9 mm"},
            {50, 200, "Altezza   = 6,2 mm"},
            {12, 38, "Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie"},
            {40, 260, sheet::kCreditLine},
        };
        QCOMPARE(page.items.size(), want.size());
        for (std::size_t k = 0; k < want.size(); ++k)
            QCOMPARE(page.items[k], want[k]);
    }

    void afternoonRowsPrintTheirOwnFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("item");
        QTest::newRow("13.00 summer") << "tredici1" << 29;
        QTest::newRow("15.00 winter") << "quindici2" << 36;
        QTest::newRow("18.00 winter") << "diciotto2" << 45;
    }
    void afternoonRowsPrintTheirOwnFields()
    {
        QFETCH(QString, field);
        QFETCH(int, item);
        QWidget *sheet = openSheet();
        press(sheet, "Calcola");
        // Whatever an afternoon field shows reaches the page, not its morning partner.
        asSheet(sheet)->setText(field, QStringLiteral("7,77"));
        const auto page = horizontal::BuildCurvesReport(asSheet(sheet)->fieldTexts());
        QCOMPARE(qs(page.items[static_cast<std::size_t>(item)].text), QStringLiteral("7,77"));
    }
};

QTEST_MAIN(TestCurvesSheet)
#include "test_curvessheet.moc"
