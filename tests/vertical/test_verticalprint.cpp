// The vertical solstice and zodiac reports printed for real on the default printer (a PDF
// queue of the CUPS server) through the sheets' own buttons, and read back: every line's
// text and place on the page.

#include "pdfreadback.h"
#include "verticaltesting.h"

#include "shell/sheetwindow.h"
#include "vertical/curvesreport.h"
#include "vertical/verticalwindows.h"
#include "vertical/zodiacreport.h"

class TestVerticalPrint : public QObject {
    Q_OBJECT

    // Presses the print button and compares the page the printer wrote with the report.
    void printAndReadBack(QWidget *window, const char *button, const sheet::ReportPage &page)
    {
        PrintRecorder recorder;
        const QMap<QString, QString> before = allTexts(window);
        const QStringList pdfsBefore = pdfFiles();
        press(window, button);
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        QCOMPARE(allTexts(window), before);
        const QString pdf = waitForNewPdf(pdfsBefore);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new PDF in %1").arg(pdfOutputDir())));
        const double tolMm = 1.0;
        const QStringList problems = compareWithPrintedPage(pdf, page.items, page.fontPt, tolMm);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        vertical::registerVerticalWindows(shell::WindowRegistry::instance());
        HORALO_REQUIRE_DEFAULT_PRINTER();
    }
    void cleanup() { closeAllWindows(); }

    void curvesWestPageAsPrinted()
    {
        QWidget *window = shell::showWindow(QStringLiteral("CurveVrt"));
        press(window, "calcola");
        const auto page = vertical::BuildCurvesReport(static_cast<shell::SheetWindow *>(window)->fieldTexts(),
                                                      vertical::Side::West);
        // What the maker reads on the West page: 19.00 carries the 5 o'clock row.
        QCOMPARE(itemAt(page, 80, 180), QStringLiteral("156,8"));
        QCOMPARE(itemAt(page, 150, 10), QStringLiteral("DCL OVEST =38°"));
        printAndReadBack(window, "Stampaovest", page);
    }

    void zodiacEastPageAsPrinted()
    {
        QWidget *window = shell::showWindow(QStringLiteral("ZodiacoVrt"));
        press(window, "calcola");
        const auto page = vertical::BuildZodiacReport(static_cast<shell::SheetWindow *>(window)->fieldTexts(),
                                                      vertical::Side::East);
        QCOMPARE(itemAt(page, 50, 120), QStringLiteral("337,32"));
        QCOMPARE(itemAt(page, 150, 10), QStringLiteral("DCL EST =38°"));
        printAndReadBack(window, "StampaEst", page);
    }
};

QTEST_MAIN(TestVerticalPrint)
#include "test_verticalprint.moc"
