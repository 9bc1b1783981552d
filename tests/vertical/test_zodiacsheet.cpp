// The zodiac and anniversary sheet as a user works it, and the pages its two report buttons
// print.

#include "sheet/qt/colours.h"
#include "verticaltesting.h"

#include "shell/sheetwindow.h"
#include "vertical/verticalwindows.h"
#include "vertical/zodiacreport.h"

namespace {

const QString s6 = QStringLiteral("------");
const QString s7 = QStringLiteral("-------");

QWidget *openSheet()
{
    return shell::showWindow(QStringLiteral("ZodiacoVrt"));
}

sheet::ReportPage reportOf(QWidget *window, vertical::Side side)
{
    return vertical::BuildZodiacReport(static_cast<shell::SheetWindow *>(window)->fieldTexts(), side);
}

QColor textColour(QWidget *sheet, const QString &name)
{
    QLineEdit *edit = fieldOf(sheet, name);
    edit->ensurePolished();
    return edit->palette().color(edit->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
}

// The sheet's worked example on its defaults; from 14 o'clock on only the points the Sun
// lights in front of the wall (the southern signs and the anniversary at 14, the southern
// signs at 15), and before 8 only those whose Sun has risen.
const QList<QStringList> kDefaultRows{
    {"129,94", s7, s7, s7, s7},  {"90,78", "71,93", s7, s7, "57,22"},
    {"77,75", "64,45", "45,28", s7, "53,19"},   {"73,00", "61,59", "44,40", "39,90", "51,60"},
    {"72,78", "61,45", "44,36", "39,88", "51,52"},   {"76,95", "63,98", "45,13", "40,33", "52,93"},
    {"88,69", "70,77", "47,17", "41,57", "56,61"},   {"122,77", "88,13", "51,89", "44,50", "65,32"},
    {"337,32", "151,46", "64,06", "51,95", "90,04"}, {s6, s6, "106,18", "74,52", "224,06"},
    {s6, s6, "732,04", "185,49", s6},                {s6, s6, s6, s6, s6},
    {s6, s6, s6, s6, s6},                            {s6, s6, s6, s6, s6},
    {s6, s7, s7, s7, s7}};

} // namespace

class TestZodiacSheet : public QObject {
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

    void fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("latitude, red") << "Latx" << "38,1167" << true << QColor(Qt::red);
        QTest::newRow("declination, red") << "DCL1" << "38" << true << QColor(Qt::red);
        QTest::newRow("style, red") << "s" << "40,32" << true << QColor(Qt::red);
        QTest::newRow("inclination, red") << "i" << "0" << true << QColor(Qt::red);
        QTest::newRow("Gemini and Leo, blue") << "dlc1" << "20,16" << true << QColor(Qt::blue);
        QTest::newRow("Taurus and Virgo, blue") << "dlc2" << "11,48" << true << QColor(Qt::blue);
        QTest::newRow("Scorpio and Pisces, black") << "dlc3" << "0" << false << QColor(Qt::black);
        QTest::newRow("Aquarius and Sagittarius, black") << "dlc4" << "0" << false << QColor(Qt::black);
        QTest::newRow("anniversary, red") << "an" << "0" << true << QColor(Qt::red);
    }
    void fields()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, editable);
        QFETCH(QColor, colour);
        QWidget *sheet = openSheet();
        QCOMPARE(textOf(sheet, name), text);
        QCOMPARE(fieldOf(sheet, name)->isEnabled(), editable);
        // Red and blue in the shade that reads on the field (the pure red of old is too pale on
        // white: 4,0:1); the results keep their black.
        const QColor base = fieldOf(sheet, name)->palette().color(QPalette::Base);
        QCOMPARE(textColour(sheet, name), editable ? sheet::ReadableOn(colour, base) : colour);
        if (editable)
            QCOMPARE_GE(sheet::ContrastRatio(textColour(sheet, name), base), sheet::kReadableContrast);
        QVERIFY(isFont(fieldOf(sheet, name)->font(), 8.25, true));
        QCOMPARE(fieldOf(sheet, name)->isHidden(), name == QStringLiteral("i"));
    }

    // On a dark desktop the red and the blue turn lighter and stay readable; the hues stay.
    void readableInADarkTheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("red");
        QTest::newRow("latitude, red") << "Latx" << true;
        QTest::newRow("anniversary, red") << "an" << true;
        QTest::newRow("Gemini and Leo, blue") << "dlc1" << false;
    }
    void readableInADarkTheme()
    {
        QFETCH(QString, name);
        QFETCH(bool, red);
        QCOMPARE(sheet::ContrastRatio(Qt::black, Qt::white), 21.0);
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
        dark.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3b));
        dark.setColor(QPalette::Text, QColor(0xef, 0xf0, 0xf1));
        QApplication::setPalette(dark);
        QWidget *zodiac = openSheet();
        const QColor text = textColour(zodiac, name);
        const QColor base = fieldOf(zodiac, name)->palette().color(QPalette::Base);
        QApplication::setPalette(light);
        QCOMPARE_GE(sheet::ContrastRatio(text, base), sheet::kReadableContrast);
        QCOMPARE(red ? text.red() > text.blue() : text.blue() > text.red(), true);
    }

    void opensWithDefaults()
    {
        QWidget *sheet = openSheet();
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Curve solstiziali ed equinoziali verticale."));
        for (const QString &name : allCells(5)) {
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
            QVERIFY2(!fieldOf(sheet, name)->isEnabled(), qPrintable(name));
            QVERIFY2(isFont(fieldOf(sheet, name)->font(), 8.25, true), qPrintable(name));
        }
        QCOMPARE(rowLabelTexts(sheet), hourTexts(false)); // shown from the start here
        QCOMPARE(labelText(sheet, "Label13"), QString());
        QVERIFY(isFont(sheet->findChild<QLabel *>("Label13")->font(), 9.75, true));
        QVERIFY(sheet->findChild<QLabel *>("captionI")->isHidden());
        QVERIFY(!sheet->findChild<QLabel *>("Label15")); // no style outputs on this sheet
        QVERIFY(!sheet->findChild<QLineEdit *>("h"));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("hint") << "Per i decimali usare la virgola";
        QTest::newRow("latitude") << "Latitudine";
        QTest::newRow("phi") << "φ°";
        QTest::newRow("declination, seven blanks") << "Declin.       d°";
        QTest::newRow("style") << "Stilo";
        QTest::newRow("delta over the declination row") << "δ°";
        QTest::newRow("Gemini") << "Gemelli";
        QTest::newRow("Leo") << "Leone";
        QTest::newRow("Taurus") << "Toro";
        QTest::newRow("Virgo") << "Vergine";
        QTest::newRow("Scorpio") << "Scorpio.";
        QTest::newRow("Pisces") << "Pesci";
        QTest::newRow("Aquarius") << "Acqu.";
        QTest::newRow("Sagittarius") << "Sagittario";
        QTest::newRow("anniversary") << "Anniversario";
    }
    void labels()
    {
        QFETCH(QString, text);
        QWidget *sheet = openSheet();
        QCOMPARE(labelsReading(sheet, text), 1);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("place"); // top to bottom in the button column; -1 elsewhere
        QTest::newRow("east, leading blank") << "Est" << " Est" << 0;
        QTest::newRow("west") << "Ovest" << "Ovest" << 1;
        QTest::newRow("compute") << "calcola" << "Calcola" << 2;
        QTest::newRow("reset") << "azzera" << "Azzera" << 3;
        QTest::newRow("print east") << "StampaEst" << "Stampa Est" << 4;
        QTest::newRow("print west, spelled Ovst") << "Stampaovest" << "Stampa Ovst" << 5;
        QTest::newRow("info") << "Command1" << "Info" << -1;
        QTest::newRow("example") << "Esempio" << "Esempio" << -1;
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, place);
        QWidget *sheet = openSheet();
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        auto *button = sheet->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), text);
        auto *east = sheet->findChild<QPushButton *>("Est");
        if (place >= 0) {
            QCOMPARE(button->x(), east->x());
            QVERIFY(button->y() >= east->y() + place * east->height());
            QVERIFY(button->y() > fieldOf(sheet, "s")->y()); // below the inputs
        } else {
            QVERIFY(button->y() < fieldOf(sheet, "Latx")->y()); // at the top right
            QVERIFY(button->x() > fieldOf(sheet, "cinque3")->x());
        }
    }

    void computesTheWorkedExample_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QStringList>("cells");
        for (int k = 0; k < kDefaultRows.size(); ++k)
            QTest::newRow(qPrintable(QStringLiteral("defaults, %1 o'clock").arg(k + 5))) << k + 5 << kDefaultRows[k];
    }
    void computesTheWorkedExample()
    {
        QFETCH(int, hour);
        QFETCH(QStringList, cells);
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        QVERIFY(!warningOpen("errore"));
        QCOMPARE(textOf(sheet, "dlc4"), QStringLiteral("-20,16"));
        QCOMPARE(textOf(sheet, "dlc3"), QStringLiteral("-11,48"));
        for (int column = 1; column <= 5; ++column)
            QCOMPARE(textOf(sheet, cell(hour - 5, column)), cells[column - 1]);
    }

    void computesAnotherWall_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QStringList>("cells");
        // Latitude 45, declination 10, style 50, anniversary 23,44 (a day near midsummer).
        const QList<QPair<int, QStringList>> rows{
            {5, {s6, s7, s7, s7, s7}},
            {6, {s6, "1113,56", s7, s7, s7}},
            {7, {"421,68", "188,45", "79,53", s7, "845,36"}},
            {12, {"111,73", "88,73", "58,77", "51,72", "124,84"}},
            {15, {"345,92", "172,74", "77,13", "63,04", "582,31"}},
            {16, {s6, "642,06", "106,70", "79,82", s6}},
            {17, {s6, s6, "226,24", s6, s6}},
            {18, {s6, s6, s6, s6, s6}},
            {19, {s6, s7, s7, s7, s7}}};
        for (const auto &[hour, cells] : rows)
            QTest::newRow(qPrintable(QStringLiteral("lat 45 decl 10, %1 o'clock").arg(hour))) << hour << cells;
    }
    void computesAnotherWall()
    {
        QFETCH(int, hour);
        QFETCH(QStringList, cells);
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", "45");
        typeInto(sheet, "DCL1", "10");
        typeInto(sheet, "s", "50");
        typeInto(sheet, "an", "23,44");
        QTest::keyClick(fieldOf(sheet, "an"), Qt::Key_Return);
        for (int column = 1; column <= 5; ++column)
            QCOMPARE(textOf(sheet, cell(hour - 5, column)), cells[column - 1]);
    }

    void southernSignsMirrorTheNorthern_data()
    {
        QTest::addColumn<QString>("dlc1");
        QTest::addColumn<QString>("dlc2");
        QTest::addColumn<QString>("dlc4");
        QTest::addColumn<QString>("dlc3");
        QTest::newRow("solstice 23,45") << "23,45" << "11,48" << "-23,45" << "-11,48";
        QTest::newRow("negative -5 shows 5") << "-5" << "11,48" << "5" << "-11,48";
        QTest::newRow("zero is accepted and shows 0") << "20,16" << "0" << "-20,16" << "0";
        QTest::newRow("trailing zero dropped") << "20,10" << "11,5" << "-20,1" << "-11,5";
    }
    void southernSignsMirrorTheNorthern()
    {
        QFETCH(QString, dlc1);
        QFETCH(QString, dlc2);
        QFETCH(QString, dlc4);
        QFETCH(QString, dlc3);
        QWidget *sheet = openSheet();
        typeInto(sheet, "dlc1", dlc1);
        typeInto(sheet, "dlc2", dlc2);
        press(sheet, "calcola");
        QVERIFY(!warningOpen("errore"));
        QCOMPARE(textOf(sheet, "dlc4"), dlc4);
        QCOMPARE(textOf(sheet, "dlc3"), dlc3);
    }

    void emptyAnniversaryIsTheEquinox()
    {
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        const auto withZero = allTexts(sheet);
        closeAllWindows();
        sheet = openSheet();
        typeInto(sheet, "an", "");
        press(sheet, "calcola");
        QVERIFY(!warningOpen("errore"));
        auto withEmpty = allTexts(sheet);
        QCOMPARE(withEmpty.value("an"), QString()); // the box stays as the user left it
        withEmpty["an"] = QStringLiteral("0");
        QCOMPARE(withEmpty, withZero);
        QCOMPARE(textOf(sheet, "sei5"), QStringLiteral("57,22"));
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
        QWidget *sheet = openSheet();
        if (computeFirst)
            press(sheet, "calcola");
        const auto before = allTexts(sheet);
        press(sheet, west ? "Ovest" : "Est");
        QCOMPARE(allTexts(sheet), before);
        QCOMPARE(rowLabelTexts(sheet), hourTexts(west));
        QCOMPARE(labelText(sheet, "Label13"), west ? QStringLiteral("OVEST") : QStringLiteral("EST"));
        press(sheet, "calcola");
        // The top row still holds 5 o'clock of an East wall, whatever its label says.
        QCOMPARE(textOf(sheet, "cinque1"), QStringLiteral("129,94"));
        QCOMPARE(labelText(sheet, "Label3"), west ? QStringLiteral("19.00") : QStringLiteral("5.00"));
        QCOMPARE(rowLabelTexts(sheet), hourTexts(west));
    }

    void resetClearsTheTableAndTheWallInOrder()
    {
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        typeInto(sheet, "an", "5");
        const QString kept[] = {"dlc1", "dlc2", "dlc3", "dlc4", "an"};
        QMap<QString, QString> keptTexts;
        for (const QString &name : kept)
            keptTexts[name] = textOf(sheet, name);
        QStringList order;
        for (QLineEdit *edit : sheet->findChildren<QLineEdit *>()) {
            if (!keptTexts.contains(edit->objectName()))
                edit->setText(QStringLiteral("9")); // so that every clearing shows as a change
            connect(edit, &QLineEdit::textChanged, this, [&order, edit] { order << edit->objectName(); });
        }
        press(sheet, "azzera");
        const QStringList expected = allCells(5) + QStringList{"Latx", "DCL1", "s", "i"};
        QCOMPARE(order, expected);
        for (const QString &name : expected)
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
        for (const QString &name : kept)
            QCOMPARE(textOf(sheet, name), keptTexts[name]);
        QCOMPARE(rowLabelTexts(sheet), hourTexts(false));

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
        QTest::newRow("style 0 is missing") << "s" << "0" << "errore";
        QTest::newRow("latitude -38 is negative") << "Latx" << "-38" << "errore2";
        QTest::newRow("style -40 is negative") << "s" << "-40" << "errore2";
        QTest::newRow("latitude letters") << "Latx" << "abc" << "errore";
        QTest::newRow("declination empty") << "DCL1" << "" << "errore";
        QTest::newRow("style empty") << "s" << "" << "errore";
        QTest::newRow("Gemini letters") << "dlc1" << "abc" << "errore";
        QTest::newRow("Taurus empty") << "dlc2" << "" << "errore";
        QTest::newRow("anniversary letters") << "an" << "abc" << "errore";
        QTest::newRow("latitude 90 out of range") << "Latx" << "90" << "errore3";
        QTest::newRow("declination 90 out of range") << "DCL1" << "90" << "errore3";
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

    void signDeclinationsPassNoCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("untouched"); // a cell of another curve, as on the defaults
        QTest::addColumn<QString>("untouchedText");
        QTest::newRow("Gemini 0") << "dlc1" << "0" << "otto2" << "61,59";
        QTest::newRow("Taurus negative") << "dlc2" << "-3" << "otto1" << "73,00";
        QTest::newRow("anniversary negative") << "an" << "-23,44" << "otto3" << "44,40";
        QTest::newRow("anniversary at the solstice's rounded limit") << "an" << "23,5" << "otto4" << "39,90";
    }
    void signDeclinationsPassNoCheck()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, untouched);
        QFETCH(QString, untouchedText);
        QWidget *sheet = openSheet();
        typeInto(sheet, name, text);
        press(sheet, "calcola");
        QVERIFY(!warningOpen("errore") && !warningOpen("errore2") && !warningOpen("errore3"));
        QCOMPARE(textOf(sheet, untouched), untouchedText);
        for (const QString &t : allTexts(sheet)) {
            QVERIFY2(!t.contains(QStringLiteral("nan"), Qt::CaseInsensitive), qPrintable(t));
            QVERIFY2(!t.contains(QStringLiteral("inf"), Qt::CaseInsensitive), qPrintable(t));
        }
    }

    void infoAndExampleOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("Info opens the note on the colours") << "Command1" << "Declinazione";
        QTest::newRow("Esempio opens the zodiac drawing") << "Esempio" << "DisCurveZ";
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

    void reportAsOpened_data()
    {
        QTest::addColumn<bool>("west");
        QTest::addColumn<QString>("declination");
        QTest::newRow("East report") << false << "DCL EST =38°";
        QTest::newRow("West report, Ovest in small letters") << true << "DCL Ovest =38°";
    }
    void reportAsOpened()
    {
        QFETCH(bool, west);
        QFETCH(QString, declination);
        QWidget *sheet = openSheet();
        const auto page = reportOf(sheet, west ? vertical::Side::West : vertical::Side::East);
        QCOMPARE(page.fontPt, 9);
        std::vector<sheet::ReportItem> want{
            {64, 10, "MERIDIANA   VERTICALE   LAT.=38,1167°"},
            {150, 10, declination.toStdString()},
            {12, 20, "Progetto:_______________________________  Data____/_____/_____ Note:__________________"},
            {30, 29, "Ore"}, {50, 29, "Gem.li"}, {80, 29, "Toro"}, {110, 29, "Scorp"}, {140, 29, "Acq."},
            {170, 29, "An.rio"}, {50, 33, "Leone"}, {80, 33, "Vergine"}, {110, 33, "Pesci"}, {140, 33, "Sagit."}};
        for (int hour = 5; hour <= 19; ++hour) {
            const double y = 40 + 10 * (hour - 5);
            want.push_back({30, y, QStringLiteral("%1.00").arg(hour).toStdString()});
            for (int c = 0; c < 5; ++c)
                want.push_back({50.0 + 30.0 * c, y, "0"});
        }
        // Under the table: what the numbers measure, each curve's declination under its
        // column, and the style the table is for.
        want.push_back({30, 190, "Distanze in mm dal centro del quadrante O (radice dello stilo) lungo le linee orarie"});
        want.push_back({30, 200, "Decl."});
        const char *const declinations[] = {"20,16°", "11,48°", "0°", "0°", "0°"};
        for (int c = 0; c < 5; ++c)
            want.push_back({50.0 + 30.0 * c, 200, declinations[c]});
        want.push_back({30, 208, "Lunghezza dello stilo = 40,32 mm"});
        want.push_back({40, 260, sheet::kCreditLine});
        QCOMPARE(page.items.size(), want.size());
        for (std::size_t k = 0; k < want.size(); ++k)
            QCOMPARE(page.items[k], want[k]);
    }

    void reportLines_data()
    {
        QTest::addColumn<bool>("west");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QStringList>("printed"); // at X 50, 80, 110, 140, 170
        QTest::newRow("East 13.00") << false << 13 << kDefaultRows[8];
        QTest::newRow("East 14.00") << false << 14 << kDefaultRows[9];
        QTest::newRow("East 16.00 all dashes") << false << 16 << QStringList(QList<QString>(5, s6));
        QTest::newRow("West 5.00 prints the 19 o'clock row") << true << 5 << kDefaultRows[14];
        QTest::newRow("West 9.00 prints the 15 o'clock row") << true << 9 << kDefaultRows[10];
        QTest::newRow("West 12.00 prints the noon row") << true << 12 << kDefaultRows[7];
        QTest::newRow("West 19.00 prints the 5 o'clock row") << true << 19 << kDefaultRows[0];
    }
    void reportLines()
    {
        QFETCH(bool, west);
        QFETCH(int, hour);
        QFETCH(QStringList, printed);
        QWidget *sheet = openSheet();
        press(sheet, "calcola");
        const auto page = reportOf(sheet, west ? vertical::Side::West : vertical::Side::East);
        const double y = 40 + 10 * (hour - 5);
        QCOMPARE(itemAt(page, 30, y), QStringLiteral("%1.00").arg(hour));
        for (int c = 0; c < 5; ++c)
            QCOMPARE(itemAt(page, 50 + 30 * c, y), printed[c]);
    }
};

QTEST_MAIN(TestZodiacSheet)
#include "test_zodiacsheet.moc"
