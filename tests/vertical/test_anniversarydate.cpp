// The anniversary from a date: the maker types a day, the sheet fills in the Sun's
// declination of that day, and the fifth curve follows it.

#include "sheettesting.h"

#include <QLabel>

#include "gnomonics/datelines.h"
#include "sheet/zodiac.h"
#include "sheet/numbers.h"
#include "vertical/verticalwindows.h"

class TestAnniversaryDate : public QObject {
    Q_OBJECT

    QWidget *openSheet() { return shell::showWindow(QStringLiteral("ZodiacoVrt")); }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        vertical::registerVerticalWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void dateFieldStartsEmpty()
    {
        QWidget *sheet = openSheet();
        QCOMPARE(textOf(sheet, "dataan"), QString());
        QVERIFY(fieldOf(sheet, "dataan")->isEnabled());
        QCOMPARE(textOf(sheet, "an"), QStringLiteral("0"));
    }

    void fillsTheDeclination_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("an");
        // Declinations at Greenwich's apparent noon; a second, independent solar theory gives
        // 23.4381, -23.4383, 13.9514 and -7.6709 degrees at 12:00 UT of these days, and
        // 22.1025 for 1 June 1700 (the old low-precision formula gave 22,11). On 1 April 2026
        // an independent VSOP87 ephemeris gives 4.6536 at 12:00 UT and 4.6547 at Greenwich's
        // noon, 12:04 UT: 4,65 (the old formula wrote 4,66).
        QTest::newRow("June solstice 2026") << "21/06/2026" << "23,44";
        QTest::newRow("December solstice 2025") << "21/12/2025" << "-23,44";
        QTest::newRow("an ordinary summer day") << "15/08/2026" << "13,95";
        QTest::newRow("an ordinary spring day") << "1/4/2026" << "4,65";
        QTest::newRow("leap day") << "29/02/2024" << "-7,67";
        QTest::newRow("1 June 1700") << "01/06/1700" << "22,10";
        QTest::newRow("first year of the range") << "21/06/1600" << "23,49";
    }
    void fillsTheDeclination()
    {
        QFETCH(QString, date);
        QFETCH(QString, an);
        QWidget *sheet = openSheet();
        typeInto(sheet, "dataan", date);
        press(sheet, "Declinazione");
        QCOMPARE(textOf(sheet, "an"), an);
        QVERIFY(!warningOpen("errore4"));
    }

    void enterInTheDateFillsTheBox()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "dataan", "21/06/2026");
        QTest::keyClick(fieldOf(sheet, "dataan"), Qt::Key_Return);
        QCOMPARE(textOf(sheet, "an"), QStringLiteral("23,44"));
        QCOMPARE(textOf(sheet, "cinque1"), QStringLiteral("0")); // the table waits for "Calcola"
    }

    void emptyYearMeansThisYear()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "dataan", "15/08");
        press(sheet, "Declinazione");
        const int year = QDate::currentDate().year();
        QCOMPARE(textOf(sheet, "an"),
                 qs(sheet::FormatFixed(gnomonics::NoonDeclinationDeg({year, 8, 15}, 0.0), sheet::Mask::TwoDecimals)));
    }

    void refusesADateThatDoesNotExist_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("31 February") << "31/02/2026";
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("month 13") << "10/13/2026";
        QTest::newRow("year 500, before the range") << "01/06/0500";
        QTest::newRow("year 2401, after the range") << "01/06/2401";
    }
    void refusesADateThatDoesNotExist()
    {
        QFETCH(QString, date);
        QWidget *sheet = openSheet();
        typeInto(sheet, "dataan", date);
        const auto before = allTexts(sheet);
        press(sheet, "Declinazione");
        QVERIFY(warningOpen("errore4"));
        QWidget *warning = shell::WindowRegistry::instance().open(QStringLiteral("errore4"));
        QCOMPARE(warning->windowTitle(), QStringLiteral("Errore"));
        QCOMPARE(warning->findChild<QLabel *>()->text(), QStringLiteral("Data non valida: usare gg/mm/aaaa, con l'anno tra 1600 e 2400"));
        QCOMPARE(allTexts(sheet), before);
    }

    void roundTripDateToCurve()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "dataan", "21/06/2026");
        press(sheet, "Declinazione");
        press(sheet, "calcola");
        // The fifth column now holds the curve of declination 23,44 on the default wall.
        const auto cells = sheet::ComputeZodiacTable(38.1167, 38, 40.32, 0, 20.16, 11.48, 23.44);
        QCOMPARE(textOf(sheet, "dodici5"), qs(cells[7][4]));
        QCOMPARE(textOf(sheet, "otto5"), qs(cells[3][4]));
        QVERIFY(textOf(sheet, "dodici5") != QStringLiteral("65,32")); // no longer the equinox line
    }

    void handTypedDeclinationStillWorks()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "dataan", "21/06/2026");
        typeInto(sheet, "an", "0");
        press(sheet, "calcola");
        QCOMPARE(textOf(sheet, "dodici5"), QStringLiteral("65,32"));
    }
};

QTEST_MAIN(TestAnniversaryDate)
#include "test_anniversarydate.moc"
