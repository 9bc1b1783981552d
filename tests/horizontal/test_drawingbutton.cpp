// The "Disegno" button of the horizontal curves sheet: it reads the sheet as "Calcola" does,
// refuses what "Calcola" refuses, and shows the full-scale drawing of the current inputs in
// the one drawing window, which outlives the sheet.

#include "drawingtesting.h"

#include "horizontal/horizontalwindows.h"

namespace {

QWidget *openSheet()
{
    return shell::showWindow(QStringLiteral("CurveOrizz"));
}

} // namespace

class TestDrawingButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void buttonStandsWithTheOthers()
    {
        QWidget *sheet = openSheet();
        HORALO_FIND(QPushButton, drawing, sheet, "Disegno");
        QCOMPARE(drawing->text(), QStringLiteral("Disegno"));
        QVERIFY(drawing->isEnabled());
        HORALO_FIND(QPushButton, print, sheet, "Stampa");
        QCOMPARE(drawing->y(), print->y()); // on the row of buttons, beside the print button
    }

    void opensTheDrawingOfTheCurrentInputs_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("style");
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("styleMm");
        QTest::newRow("the sheet's defaults") << "38" << "10" << 38.0 << 10.0;
        QTest::newRow("decimal comma") << "45,5" << "62,25" << 45.5 << 62.25;
    }
    void opensTheDrawingOfTheCurrentInputs()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, style);
        QFETCH(double, latitudeDeg);
        QFETCH(double, styleMm);
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", latitude);
        typeInto(sheet, "s", style);
        const auto before = allTexts(sheet);
        press(sheet, "Disegno");
        shell::DrawingWindow *window = openDrawingWindow();
        QVERIFY(window);
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        const QString why = drawingDifference(window->drawing(), horizontalSheetDrawing(latitudeDeg, styleMm));
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QCOMPARE(allTexts(sheet), before); // the drawing writes nothing into the sheet
    }

    void refusedInputOpensNothing_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("warning");
        QTest::newRow("latitude empty") << "" << "10" << "errore";
        QTest::newRow("latitude zero, as after Azzera") << "0" << "10" << "errore";
        QTest::newRow("style not a number") << "38" << "dieci" << "errore";
    }
    void refusedInputOpensNothing()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, style);
        QFETCH(QString, warning);
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", latitude);
        typeInto(sheet, "s", style);
        press(sheet, "Disegno");
        QVERIFY(warningOpen(qPrintable(warning)));
        QVERIFY(!openDrawingWindow());
    }

    void pressingAgainReplacesTheDrawing()
    {
        shell::DrawingWindow *first = shell::showDrawing(strangerDrawing());
        QWidget *sheet = openSheet();
        typeInto(sheet, "Latx", "42");
        press(sheet, "Disegno");
        shell::DrawingWindow *window = openDrawingWindow();
        QCOMPARE(window, first);
        QString why = drawingDifference(window->drawing(), horizontalSheetDrawing(42, 10));
        QVERIFY2(why.isEmpty(), qPrintable(why));

        typeInto(sheet, "Latx", "50");
        typeInto(sheet, "s", "80");
        press(sheet, "Disegno");
        QCOMPARE(openDrawingWindow(), first);
        why = drawingDifference(window->drawing(), horizontalSheetDrawing(50, 80));
        QVERIFY2(why.isEmpty(), qPrintable(why));
        int drawingWindows = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            drawingWindows += w->objectName() == shell::DrawingWindow::kName && w->isVisible() ? 1 : 0;
        QCOMPARE(drawingWindows, 1);
    }

    void closingTheSheetLeavesTheDrawingOpen()
    {
        QWidget *sheet = openSheet();
        press(sheet, "Disegno");
        QPointer<shell::DrawingWindow> window = openDrawingWindow();
        QVERIFY(window);
        QVERIFY(sheet->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shell::WindowRegistry::instance().open(QStringLiteral("CurveOrizz")));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->drawing().lines.empty());
    }
};

QTEST_MAIN(TestDrawingButton)
#include "test_drawingbutton.moc"
