// The survey's report and its protractor printed for real on the default printer (a PDF queue
// of the CUPS server) and read back: the report's lines in their places, and the protractor's
// 100 mm bar measured on the page rasterised at a known resolution.

#include "pdfreadback.h"
#include "sheettesting.h"

#include "survey/protractor.h"
#include "survey/rilievowindow.h"
#include "survey/surveyform.h"
#include "survey/surveywindows.h"

#include <QTemporaryDir>

namespace {

QString pdfText(const QString &path)
{
    QStringList words;
    for (const PdfWord &w : readPdfWords(path))
        words << w.text;
    return words.join(QLatin1Char(' '));
}

// Other programs may print on the same queue: waits for a new page that carries the marker.
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

struct GreyImage {
    int width = 0, height = 0;
    QByteArray pixels;
    bool dark(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]) < 128; }
};

// The first page rasterised in grey at the given resolution (pdftoppm writes a binary PGM).
GreyImage rasterise(const QString &pdf, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.path() + QStringLiteral("/page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                        QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                        QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, stem});
    p.waitForFinished(60000);
    QFile f(stem + QStringLiteral(".pgm"));
    GreyImage image;
    if (!f.open(QIODevice::ReadOnly))
        return image;
    const QByteArray data = f.readAll();
    // Header: "P5", width, height, maximum, each followed by white space, then the bytes.
    QList<QByteArray> fields;
    int pos = 0;
    while (fields.size() < 4 && pos < data.size()) {
        while (pos < data.size() && QChar::isSpace(data[pos]))
            ++pos;
        const int start = pos;
        while (pos < data.size() && !QChar::isSpace(data[pos]))
            ++pos;
        fields << data.mid(start, pos - start);
    }
    if (fields.size() < 4 || fields[0] != "P5")
        return image;
    image.width = fields[1].toInt();
    image.height = fields[2].toInt();
    image.pixels = data.mid(pos + 1);
    if (image.pixels.size() < image.width * image.height)
        image = {};
    return image;
}

} // namespace

class TestSurveyPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        survey::registerSurveyWindows(shell::WindowRegistry::instance());
        HORALO_REQUIRE_DEFAULT_PRINTER();
    }
    void cleanup() { closeAllWindows(); }

    // The report of two readings and a plumb line, every line where the page model put it.
    void reportPrintsEveryLineInItsPlace()
    {
        PrintRecorder recorder;
        auto *w = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        // A latitude unlike any other test's, so the page can be told apart on a shared queue.
        typeInto(w, "Lat", QStringLiteral("44,3217"));
        typeInto(w, "data1", QStringLiteral("01/03/2024"));
        typeInto(w, "ora1", QStringLiteral("11:00:00"));
        typeInto(w, "alfa1", QStringLiteral("-12"));
        typeInto(w, "data2", QStringLiteral("01/03/2024"));
        typeInto(w, "ora2", QStringLiteral("13:00:00"));
        typeInto(w, "alfa2", QStringLiteral("12,5"));
        typeInto(w, "filo", QStringLiteral("1000"));
        typeInto(w, "filoA", QStringLiteral("30"));
        typeInto(w, "filoB", QStringLiteral("10"));
        press(w, "Calcola");
        const QStringList before = pdfFiles();
        press(w, "Stampa");
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        const QString pdf = waitForPdfWith(before, QStringLiteral("44,3217"));
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new report in %1").arg(pdfOutputDir())));
        const survey::SurveyOutcome outcome = survey::ComputeSurvey(w->form());
        const sheet::ReportPage page = survey::BuildSurveyReport(w->form(), outcome);
        const QStringList problems = compareWithPrintedPage(pdf, page.items, page.fontPt, 1.0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QStringList printed;
        for (const auto &item : page.items)
            printed << qs(item.text);
        QVERIFY(printed.contains(QStringLiteral("Declinazione media: ") + textOf(w, "media")));
        QVERIFY(printed.contains(QStringLiteral("Inclinazione: 1,15°, la parete pende all'indietro (verso il cielo)")));
        QVERIFY(printed.contains(QStringLiteral("Filo a piombo: L = 1000 mm, a = 30 mm, b = 10 mm")));
    }

    // The protractor keeps its scale: the check bar measures 100 mm on the page.
    void protractorBarIsOneHundredMillimetres()
    {
        PrintRecorder recorder;
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        const QStringList before = pdfFiles();
        press(w, "StampaGoniometro");
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        const QString pdf = waitForPdfWith(before, QStringLiteral("GONIOMETRO"));
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new protractor in %1").arg(pdfOutputDir())));
        const int dpi = 600;
        const GreyImage image = rasterise(pdf, dpi);
        QVERIFY2(image.width > 0, "pdftoppm gave no page");
        const double pxPerMm = dpi / 25.4;
        // A4 is 210 mm wide: the raster must be too, or nothing below means anything.
        HORALO_COMPARE_NEAR(image.width / pxPerMm, 210.0, 0.5);
        const QPointF origin = printableOrigin();
        const int row = static_cast<int>((origin.y() + survey::kCheckBarTopMm + survey::kCheckBarHeightMm / 2) * pxPerMm);
        QVERIFY(row > 0 && row < image.height);
        int best = 0, bestStart = 0;
        for (int x = 0, run = 0; x < image.width; ++x) {
            run = image.dark(x, row) ? run + 1 : 0;
            if (run > best) {
                best = run;
                bestStart = x - run + 1;
            }
        }
        const double lengthMm = best / pxPerMm;
        qInfo("check bar on the printed page: %.3f mm long, starting %.2f mm from the left edge", lengthMm,
              bestStart / pxPerMm);
        // Two pixels at 600 dpi for the edges' anti-aliasing.
        const double tolMm = 2 / pxPerMm;
        HORALO_COMPARE_NEAR(lengthMm, survey::kCheckBarLengthMm, tolMm);
        // The bar sits centred across the page (the printable area is centred on A4 here).
        HORALO_COMPARE_NEAR((bestStart + best / 2.0) / pxPerMm, 105.0, 2.0);
    }
};

QTEST_MAIN(TestSurveyPrint)
#include "test_surveyprint.moc"
