// The horizontal hour report printed for real on the default printer (a PDF queue of the
// CUPS server) and read back: every line's text and place on the page.

#include "pdfreadback.h"
#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"
#include "horizontal/hourreport.h"
#include "shell/sheetwindow.h"

class TestHourPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
        HORALO_REQUIRE_DEFAULT_PRINTER();
    }

    void printsEveryLineInItsPlace()
    {
        PrintRecorder recorder;
        QWidget *window = shell::showWindow(QStringLiteral("GonOrz"));
        auto *sheet = static_cast<shell::SheetWindow *>(window);
        typeInto(window, "LAT", "38");
        press(window, "Calcola");
        const QMap<QString, QString> before = allTexts(window);

        const QStringList pdfsBefore = pdfFiles();
        press(window, "Stampa");
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        QCOMPARE(allTexts(window), before);

        const QString pdf = waitForNewPdf(pdfsBefore);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new PDF in %1").arg(pdfOutputDir())));
        const auto page = horizontal::BuildHourReport(sheet->fieldTexts());
        const double tolMm = 1.0;
        const QStringList problems = compareWithPrintedPage(pdf, page.items, page.fontPt, tolMm);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        // Spot checks of what the maker reads.
        QVERIFY(page.items[2].text == " 5.00 =  113,52°");
        QVERIFY(page.items[30].text == "19.00 =  113,52°");
    }
};

QTEST_MAIN(TestHourPrint)
#include "test_hourprint.moc"
