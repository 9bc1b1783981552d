// The "Disegno Est" and "Disegno Ovest" buttons of the vertical curves sheet and of the zodiac
// sheet: they read the sheet as "Calcola" does, refuse what it refuses, choose the side as the
// print buttons do, and show the full-scale drawing in the one drawing window; the zodiac
// drawing names its fifth curve after the date the anniversary was taken from.

#include "drawingtesting.h"
#include "verticaltesting.h"

#include "sheet/numbers.h"
#include "vertical/verticalwindows.h"
#include "vertical/zodiacsheet.h"

namespace {

const QString kCurves = QStringLiteral("CurveVrt");
const QString kZodiac = QStringLiteral("ZodiacoVrt");

sheet::WallSide sideOf(const QString &button)
{
    return button == QStringLiteral("DisegnoOvest") ? sheet::WallSide::West : sheet::WallSide::East;
}

} // namespace

class TestDrawingButtons : public QObject {
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

    void buttonsStandBesideThePrintButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printButton");
        QTest::newRow("curves, East") << kCurves << "DisegnoEst" << "Disegno Est" << "StampaEst";
        QTest::newRow("curves, West") << kCurves << "DisegnoOvest" << "Disegno Ovest" << "Stampaovest";
        QTest::newRow("zodiac, East") << kZodiac << "DisegnoEst" << "Disegno Est" << "StampaEst";
        QTest::newRow("zodiac, West") << kZodiac << "DisegnoOvest" << "Disegno Ovest" << "Stampaovest";
    }
    void buttonsStandBesideThePrintButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, printButton);
        QWidget *sheet = shell::showWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        auto *button = sheet->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), text);
        auto *print = sheet->findChild<QPushButton *>(printButton);
        QVERIFY2(print, qPrintable(printButton));
        // In the print buttons' column, just below them.
        QCOMPARE(button->x(), print->x());
        QVERIFY(button->y() > print->y());
        QVERIFY(button->y() <= print->y() + 3 * print->height());
    }

    void opensTheDrawingOfTheChosenSide_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::newRow("curves, East wall") << kCurves << "DisegnoEst";
        QTest::newRow("curves, West wall") << kCurves << "DisegnoOvest";
        QTest::newRow("zodiac, East wall") << kZodiac << "DisegnoEst";
        QTest::newRow("zodiac, West wall") << kZodiac << "DisegnoOvest";
    }
    void opensTheDrawingOfTheChosenSide()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QWidget *sheet = shell::showWindow(window);
        typeInto(sheet, "Latx", "44,5");
        typeInto(sheet, "DCL1", "25");
        typeInto(sheet, "s", "60");
        const auto before = allTexts(sheet);
        press(sheet, button);
        shell::DrawingWindow *drawing = openDrawingWindow();
        QVERIFY(drawing);
        QVERIFY(!drawing->isModal());
        const drawing::Drawing want =
            window == kCurves ? verticalSheetDrawing(44.5, 25, 60, sideOf(button))
                              : zodiacSheetDrawing(44.5, 25, 60, sideOf(button), 20.16, 11.48, 0, "Anniversario");
        const QString why = drawingDifference(drawing->drawing(), want);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QCOMPARE(allTexts(sheet), before);
    }

    void refusedInputOpensNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("curves, declination empty") << kCurves << "DCL1" << "" << "errore";
        QTest::newRow("curves, style zero") << kCurves << "s" << "0" << "errore";
        QTest::newRow("curves, negative latitude") << kCurves << "Latx" << "-38" << "errore2";
        QTest::newRow("curves, latitude 90") << kCurves << "Latx" << "90" << "errore3";
        QTest::newRow("zodiac, latitude not a number") << kZodiac << "Latx" << "nord" << "errore";
        QTest::newRow("zodiac, declination 95") << kZodiac << "DCL1" << "95" << "errore3";
        QTest::newRow("zodiac, sign declination not a number") << kZodiac << "dlc1" << "x" << "errore";
        QTest::newRow("zodiac, anniversary not a number") << kZodiac << "an" << "giugno" << "errore";
    }
    void refusedInputOpensNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        for (const QString &button : {QStringLiteral("DisegnoEst"), QStringLiteral("DisegnoOvest")}) {
            QWidget *sheet = shell::showWindow(window);
            typeInto(sheet, field, text);
            press(sheet, button);
            QVERIFY2(warningOpen(qPrintable(warning)), qPrintable(button));
            QVERIFY2(!openDrawingWindow(), qPrintable(button));
            closeAllWindows();
        }
    }

    void pressingAgainReplacesTheDrawing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("curves") << kCurves;
        QTest::newRow("zodiac") << kZodiac;
    }
    void pressingAgainReplacesTheDrawing()
    {
        QFETCH(QString, window);
        shell::DrawingWindow *first = shell::showDrawing(strangerDrawing());
        QWidget *sheet = shell::showWindow(window);
        typeInto(sheet, "Latx", "41");
        press(sheet, "DisegnoEst");
        QCOMPARE(openDrawingWindow(), first);
        const auto build = [&](double latitude, sheet::WallSide side) {
            return window == kCurves
                       ? verticalSheetDrawing(latitude, 38, 40.32, side)
                       : zodiacSheetDrawing(latitude, 38, 40.32, side, 20.16, 11.48, 0, "Anniversario");
        };
        QString why = drawingDifference(first->drawing(), build(41, sheet::WallSide::East));
        QVERIFY2(why.isEmpty(), qPrintable(why));
        // The other side, then new inputs: the same window each time, with the latest drawing.
        press(sheet, "DisegnoOvest");
        QCOMPARE(openDrawingWindow(), first);
        why = drawingDifference(first->drawing(), build(41, sheet::WallSide::West));
        QVERIFY2(why.isEmpty(), qPrintable(why));
        typeInto(sheet, "Latx", "47");
        press(sheet, "DisegnoOvest");
        QCOMPARE(openDrawingWindow(), first);
        why = drawingDifference(first->drawing(), build(47, sheet::WallSide::West));
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    void closingTheSheetLeavesTheDrawingOpen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("curves") << kCurves;
        QTest::newRow("zodiac") << kZodiac;
    }
    void closingTheSheetLeavesTheDrawingOpen()
    {
        QFETCH(QString, window);
        QWidget *sheet = shell::showWindow(window);
        press(sheet, "DisegnoOvest");
        QPointer<shell::DrawingWindow> drawing = openDrawingWindow();
        QVERIFY(drawing);
        QVERIFY(sheet->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shell::WindowRegistry::instance().open(window));
        QVERIFY(drawing);
        QVERIFY(drawing->isVisible());
    }

    void anniversaryCurveIsNamedAfterItsDate_data()
    {
        QTest::addColumn<QString>("date");        // typed into dataan, then "Declinazione"
        QTest::addColumn<QString>("anAfter");     // then typed into an (empty: left alone)
        QTest::addColumn<QString>("dateAfter");   // then typed into dataan (empty: left alone)
        QTest::addColumn<QString>("label");
        QTest::newRow("no date used") << "" << "" << "" << "Anniversario";
        QTest::newRow("box still as the date filled it") << "21/06/2026" << "" << "" << "21/06/2026";
        QTest::newRow("date with blanks around it") << " 4/10/2026 " << "" << "" << "4/10/2026";
        QTest::newRow("box typed over by hand") << "21/06/2026" << "5,5" << "" << "Anniversario";
        QTest::newRow("date changed without pressing again") << "21/06/2026" << "" << "25/12/2026"
                                                             << "Anniversario";
    }
    void anniversaryCurveIsNamedAfterItsDate()
    {
        QFETCH(QString, date);
        QFETCH(QString, anAfter);
        QFETCH(QString, dateAfter);
        QFETCH(QString, label);
        QWidget *window = shell::showWindow(kZodiac);
        auto *zodiac = dynamic_cast<vertical::ZodiacSheet *>(window);
        QVERIFY(zodiac);
        if (!date.isEmpty()) {
            typeInto(window, "dataan", date);
            press(window, "Declinazione");
            QVERIFY(textOf(window, "an") != QStringLiteral("0"));
        }
        if (!anAfter.isEmpty())
            typeInto(window, "an", anAfter);
        if (!dateAfter.isEmpty())
            typeInto(window, "dataan", dateAfter);
        QCOMPARE(zodiac->anniversaryLabel(), label);

        press(window, "DisegnoEst");
        shell::DrawingWindow *drawing = openDrawingWindow();
        QVERIFY(drawing);
        const double anniversaryDeg = *sheet::ReadNumber(textOf(window, "an").toStdString());
        const drawing::Drawing want = zodiacSheetDrawing(38.1167, 38, 40.32, sheet::WallSide::East, 20.16, 11.48,
                                                       anniversaryDeg, label.toStdString());
        const QString why = drawingDifference(drawing->drawing(), want);
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }

    void pressingTheDateAgainNamesTheCurveAgain()
    {
        QWidget *window = shell::showWindow(kZodiac);
        auto *zodiac = dynamic_cast<vertical::ZodiacSheet *>(window);
        QVERIFY(zodiac);
        typeInto(window, "dataan", "21/06/2026");
        press(window, "Declinazione");
        typeInto(window, "an", "3");
        QCOMPARE(zodiac->anniversaryLabel(), QStringLiteral("Anniversario"));
        typeInto(window, "dataan", "21/03/2026");
        press(window, "Declinazione");
        QCOMPARE(zodiac->anniversaryLabel(), QStringLiteral("21/03/2026"));
    }
};

QTEST_MAIN(TestDrawingButtons)
#include "test_drawingbuttons.moc"
