// The horizontal curves report printed for real on the default printer (a PDF queue of the
// CUPS server) and read back: every line's text and place on the page.

#include "pdfreadback.h"
#include "sheettesting.h"

#include "horizontal/curvesreport.h"
#include "horizontal/horizontalwindows.h"
#include "shell/sheetwindow.h"

class TestCurvesPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
        HORALO_REQUIRE_DEFAULT_PRINTER();
    }
    void cleanup() { closeAllWindows(); }

    void printsEveryLineInItsPlace_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("winterNoon"); // what the 12.00 row prints under "SI"
        QTest::newRow("worked example at latitude 38") << "38" << "10" << "19,20";
        QTest::newRow("latitude 80 prints dashes for the winter") << "80" << "10" << "--------";
    }
    void printsEveryLineInItsPlace()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, style);
        QFETCH(QString, winterNoon);
        PrintRecorder recorder;
        QWidget *window = shell::showWindow(QStringLiteral("CurveOrizz"));
        auto *sheet = static_cast<shell::SheetWindow *>(window);
        typeInto(window, "Latx", latitude);
        typeInto(window, "s", style);
        press(window, "Calcola");
        const QMap<QString, QString> before = allTexts(window);

        const QStringList pdfsBefore = pdfFiles();
        press(window, "Stampa");
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        QCOMPARE(allTexts(window), before);

        const QString pdf = waitForNewPdf(pdfsBefore);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new PDF in %1").arg(pdfOutputDir())));
        const auto page = horizontal::BuildCurvesReport(sheet->fieldTexts());
        QCOMPARE(page.items.size(), std::size_t(51));
        QCOMPARE(qs(page.items[26].text), winterNoon);
        const double tolMm = 1.0;
        const QStringList problems = compareWithPrintedPage(pdf, page.items, page.fontPt, tolMm);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCurvesPrint)
#include "test_curvesprint.moc"
