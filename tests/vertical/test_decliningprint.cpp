// The declining-wall hour reports printed for real on the default printer (a PDF queue of the
// CUPS server) and read back: every line's text and place on the East and the West page.

#include "pdfreadback.h"
#include "sheettesting.h"

#include "shell/sheetwindow.h"
#include "vertical/decliningreport.h"
#include "vertical/decliningsheet.h"
#include "vertical/verticalwindows.h"

namespace {

// Every word of a page, in reading order, joined by blanks.
QString pdfText(const QString &path)
{
    QStringList words;
    for (const PdfWord &w : readPdfWords(path))
        words << w.text;
    return words.join(QLatin1Char(' '));
}

// Other programs may print on the same queue while the test runs: waits for a new page that
// carries the marker, setting aside the new pages that do not.
QString waitForPdfWith(QStringList before, const QString &marker)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 90000) {
        const QString pdf = waitForNewPdf(before);
        if (pdf.isEmpty())
            return {};
        if (pdfText(pdf).contains(marker))
            return pdf;
        before << pdf;
    }
    return {};
}

} // namespace

class TestDecliningPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        vertical::registerVerticalWindows(shell::WindowRegistry::instance());
        HORALO_REQUIRE_DEFAULT_PRINTER();
    }
    void cleanup() { closeAllWindows(); }

    void printsEveryLineInItsPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<QStringList>("spotChecks");
        // Inputs unlike any other test's, so that the page can be told apart on a shared queue.
        // Spot checks: the title, noon and a line that never exists on that side.
        QTest::newRow("Stampa Est") << "GonvrtEst" << "Stampa Est" << "41,9028" << "23,5"
                                    << QStringList{"MERIDIANA   VERTICALE   LAT.=41,9028°", "DCL EST =23,5°",
                                                   "12.00 =  -90°", "20.00 =  --------"};
        // A West wall where the 20 o'clock line exists, though the report leaves it out.
        QTest::newRow("Stampa Ovest") << "GonvrtOvest" << "Stampa Ovest" << "55,0001" << "60"
                                      << QStringList{"MERIDIANA   VERTICALE   LAT.=55,0001°", "DCL OVEST =60°",
                                                     "12.00 =  -90°", "5.00 =  --------"};
    }
    void printsEveryLineInItsPlace()
    {
        QFETCH(QString, name);
        QFETCH(QString, button);
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(QStringList, spotChecks);
        PrintRecorder recorder;
        QWidget *window = shell::showWindow(name);
        auto *sheet = static_cast<vertical::DecliningSheet *>(window);
        typeInto(window, "LATX", latitude);
        typeInto(window, "DCL1", declination);
        press(window, "Command1");
        QCOMPARE(window->findChild<QPushButton *>(QStringLiteral("Command4"))->text(), button);
        const QMap<QString, QString> before = allTexts(window);

        const QStringList pdfsBefore = pdfFiles();
        press(window, "Command4");
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        QCOMPARE(allTexts(window), before);

        const QString pdf = waitForPdfWith(pdfsBefore, QStringLiteral("LAT.=") + latitude);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new PDF with latitude %1 in %2")
                                                .arg(latitude, pdfOutputDir())));
        const auto page = vertical::BuildDecliningReport(sheet->side(), sheet->fieldTexts());
        QCOMPARE(page.items.size(), std::size_t(name == QLatin1String("GonvrtEst") ? 35 : 33));
        const double tolMm = 1.0;
        const QStringList problems = compareWithPrintedPage(pdf, page.items, page.fontPt, tolMm);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QStringList printed;
        for (const auto &item : page.items)
            printed << qs(item.text);
        for (const QString &line : spotChecks)
            QVERIFY2(printed.contains(line), qPrintable(line));
        // The page holds nothing but the report's lines.
        QString all;
        for (const auto &item : page.items)
            all += qs(item.text) + QLatin1Char(' ');
        QCOMPARE(pdfText(pdf).split(QLatin1Char(' '), Qt::SkipEmptyParts).size(),
                 all.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    }
};

QTEST_MAIN(TestDecliningPrint)
#include "test_decliningprint.moc"
