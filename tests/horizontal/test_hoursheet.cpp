// The horizontal hour-angle sheet as a user works it, its numbers against the shadow of a
// polar style worked out from the Sun's direction, and the page its report prints.

#include "sheettesting.h"

#include "sheet/horizontalhours.h"
#include "horizontal/horizontalwindows.h"
#include "horizontal/hourreport.h"
#include "sheet/numbers.h"
#include "shell/sheetwindow.h"

#include <cmath>

namespace {

const QStringList kMorning{"V", "V5", "VI", "VI5", "VII", "VII5", "VIII", "VIII5", "IX", "IX5", "X", "X5", "XI", "XI5"};
const QStringList kAfternoon{"XIX", "XVIII5", "XVIII", "XVII5", "XVII", "XVI5", "XVI", "XV5", "XV", "XIV5", "XIV",
                             "XIII5", "XIII", "XII5"};

// Angle from the noon line of the shadow cast by a polar style on a horizontal plane, from
// first principles: the Sun's direction in East-North-Up coordinates for the hour angle H
// (negative in the morning) and declination d, the style along the Earth's axis, and the
// point where the line from the style's tip away from the Sun meets the plane.
double shadowAngleFromNoonDeg(double latDeg, double hourAngleDeg, double sunDeclDeg)
{
    const double r = M_PI / 180;
    const double phi = latDeg * r, h = hourAngleDeg * r, d = sunDeclDeg * r;
    const double sunE = -std::cos(d) * std::sin(h);
    const double sunN = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
    const double sunU = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
    const double tipN = std::cos(phi), tipU = std::sin(phi); // unit style from the dial centre
    const double t = tipU / sunU;
    const double shadowE = 0 - t * sunE;
    const double shadowN = tipN - t * sunN;
    return std::atan2(std::abs(shadowE), shadowN) / r;
}

} // namespace

class TestHourSheet : public QObject {
    Q_OBJECT

    QWidget *openSheet() { return shell::showWindow(QStringLiteral("GonOrz")); }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void opensWithDefaults()
    {
        QWidget *sheet = openSheet();
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Orizzontali"));
        QCOMPARE(textOf(sheet, "LAT"), QStringLiteral("38"));
        for (const QString &name : kMorning + kAfternoon + QStringList{"xii"}) {
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
            QVERIFY2(!fieldOf(sheet, name)->isEnabled(), qPrintable(name));
            QCOMPARE(fieldOf(sheet, name)->focusPolicy(), Qt::NoFocus);
        }
        QVERIFY(fieldOf(sheet, "LAT")->isEnabled());
    }

    void computes_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QStringList>("morning"); // V, V5, VI ... XI5
        // The 5 and 5.30 lines continue the 17 and 17.30 lines through the centre.
        QTest::newRow("latitude 38") << "38"
            << QStringList{"113,52", "102,07", "90,00", "77,93", "66,48", "56,07", "46,84", "38,74", "31,62",
                           "25,29", "19,57", "14,31", "9,37", "4,63"};
        // 38,5 and 45: hand computation of tan A = sin(latitude) tan H, rounded half up.
        QTest::newRow("latitude 38,5 with comma") << "38,5"
            << QStringList{"113,29", "101,94", "90,00", "78,06", "66,71", "56,36", "47,16", "39,05", "31,90",
                           "25,53", "19,77", "14,46", "9,47", "4,69"};
        QTest::newRow("latitude 38.5 with dot reads the same") << "38.5"
            << QStringList{"113,29", "101,94", "90,00", "78,06", "66,71", "56,36", "47,16", "39,05", "31,90",
                           "25,53", "19,77", "14,46", "9,47", "4,69"};
        QTest::newRow("latitude 45") << "45"
            << QStringList{"110,75", "100,55", "90,00", "79,45", "69,25", "59,64", "50,77", "42,66", "35,26",
                           "28,48", "22,21", "16,32", "10,73", "5,32"};
        QTest::newRow("latitude 0") << "0"
            << QStringList{"180,00", "180,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00",
                           "0,00", "0,00", "0,00", "0,00"};
        QTest::newRow("latitude 90") << "90"
            << QStringList{"105,00", "97,50", "90,00", "82,50", "75,00", "67,50", "60,00", "52,50", "45,00",
                           "37,50", "30,00", "22,50", "15,00", "7,50"};
        QTest::newRow("latitude -38") << "-38"
            << QStringList{"-113,52", "-102,07", "-90,00", "-77,93", "-66,48", "-56,07", "-46,84", "-38,74",
                           "-31,62", "-25,29", "-19,57", "-14,31", "-9,37", "-4,63"};
    }
    void computes()
    {
        QFETCH(QString, latitude);
        QFETCH(QStringList, morning);
        QWidget *sheet = openSheet();
        typeInto(sheet, "LAT", latitude);
        press(sheet, "Calcola");
        for (int i = 0; i < kMorning.size(); ++i) {
            QCOMPARE(textOf(sheet, kMorning[i]), morning[i]);
            QCOMPARE(textOf(sheet, kAfternoon[i]), morning[i]); // the afternoon copies its partner
        }
        QCOMPARE(textOf(sheet, "xii"), QStringLiteral("0"));
        QVERIFY(!warningOpen("errore"));
    }

    void enterInTheLatitudeComputes()
    {
        QWidget *sheet = openSheet();
        typeInto(sheet, "LAT", "45");
        QTest::keyClick(fieldOf(sheet, "LAT"), Qt::Key_Return);
        QCOMPARE(textOf(sheet, "IX"), QStringLiteral("35,26"));
    }

    void anglesMatchTheShadowOfTheStyle()
    {
        // Every shown angle may differ from the shadow's only by its two-decimal rounding.
        const double tolDeg = 0.005 + 1e-9;
        double worst = 0;
        for (double lat = 35; lat <= 89.5; lat += 0.75) {
            const auto texts = sheet::ComputeHorizontalHourAngles(lat);
            for (std::size_t row = 0; row < texts.morning.size(); ++row) {
                const double shown = *sheet::ReadNumber(texts.morning[row]);
                // A summer Sun, so that even the 5 o'clock Sun stands above the horizon.
                const double physics = shadowAngleFromNoonDeg(lat, -sheet::kHorizontalMorningHourAngles[row], 23.45);
                worst = std::max(worst, std::abs(shown - physics));
                HORALO_COMPARE_NEAR(shown, physics, tolDeg);
            }
        }
        qInfo("largest difference from the shadow: %.6f degrees", worst);
    }

    void refusesWhatIsNotANumber_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("two commas") << "38,5,1";
    }
    void refusesWhatIsNotANumber()
    {
        QFETCH(QString, latitude);
        QWidget *sheet = openSheet();
        press(sheet, "Calcola");
        typeInto(sheet, "LAT", latitude);
        const auto before = allTexts(sheet);
        press(sheet, "Calcola");
        QVERIFY(warningOpen("errore"));
        QCOMPARE(allTexts(sheet), before);
    }

    void resetThenComputeGivesTheEquator()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Calcola");
        press(sheet, "Azzera");
        QCOMPARE(textOf(sheet, "LAT"), QStringLiteral("0"));
        for (const QString &name : kMorning + kAfternoon)
            QCOMPARE(textOf(sheet, name), QStringLiteral("0"));
        QCOMPARE(textOf(sheet, "xii"), QStringLiteral("0")); // not written by the reset
        press(sheet, "Calcola");
        QVERIFY(!warningOpen("errore")); // this sheet has no presence check
        QCOMPARE(textOf(sheet, "VI"), QStringLiteral("0,00"));
        QCOMPARE(textOf(sheet, "V"), QStringLiteral("180,00"));
    }

    void exampleOpensTheProtractor()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Esempio");
        QWidget *drawing = shell::WindowRegistry::instance().open(QStringLiteral("DisGonOrz"));
        QVERIFY(drawing && drawing->isVisible());
        QVERIFY(sheet->isVisible());
    }

    void reportBeforeCompute()
    {
        QWidget *sheet = openSheet();
        const auto page = horizontal::BuildHourReport(static_cast<shell::SheetWindow *>(sheet)->fieldTexts());
        QCOMPARE(page.fontPt, 12);
        QCOMPARE(page.items.size(), std::size_t(32));
        QCOMPARE(page.items[0], (sheet::ReportItem{69, 10, "MERIDIANA ORIZZONTALE   LAT.=38°"}));
        QCOMPARE(page.items[1], (sheet::ReportItem{12, 22, sheet::projectLine(12)}));
        for (std::size_t k = 0; k < 29; ++k) {
            QCOMPARE(page.items[2 + k].xMm, 80.0);
            QCOMPARE(page.items[2 + k].yMm, 34.0 + 8.0 * double(k));
            QVERIFY(page.items[2 + k].text.ends_with("=  0°"));
        }
        QCOMPARE(page.items[31], (sheet::ReportItem{40, 268, sheet::kCreditLine}));
    }

    void reportAfterCompute_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("line");
        QTest::newRow("5.00 first line") << 0 << QStringLiteral(" 5.00 =  113,52°");
        QTest::newRow("5.30") << 1 << QStringLiteral(" 5.30 =  102,07°");
        QTest::newRow("9.30") << 9 << QStringLiteral(" 9.30 =  25,29°");
        QTest::newRow("10.00 loses the leading blank") << 10 << QStringLiteral("10.00 =  19,57°");
        QTest::newRow("noon") << 14 << QStringLiteral("12.00 =  0°");
        QTest::newRow("12.30 prints 11.30's field") << 15 << QStringLiteral("12.30 =  4,63°");
        QTest::newRow("14.30") << 19 << QStringLiteral("14.30 =  25,29°");
        QTest::newRow("18.30") << 27 << QStringLiteral("18.30 =  102,07°");
        QTest::newRow("19.00 last line") << 28 << QStringLiteral("19.00 =  113,52°");
    }
    void reportAfterCompute()
    {
        QFETCH(int, k);
        QFETCH(QString, line);
        QWidget *sheet = openSheet();
        press(sheet, "Calcola");
        // An afternoon field changed by hand does not reach the page: the morning one does.
        fieldOf(sheet, "XIX")->setText(QStringLiteral("7"));
        const auto page = horizontal::BuildHourReport(static_cast<shell::SheetWindow *>(sheet)->fieldTexts());
        QCOMPARE(qs(page.items[2 + k].text), line);
    }
};

QTEST_MAIN(TestHourSheet)
#include "test_hoursheet.moc"
