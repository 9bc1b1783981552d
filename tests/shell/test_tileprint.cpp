// "Stampa 1:1" before and without the printer: which tiles carry something and so are printed,
// the orientation that needs fewer sheets, the question and the refusal in words, the 100 mm
// check bar measured on a painted tile, and an overview that fills its sheet.

#include "testsupport.h"

#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "sheet/qt/printjob.h"
#include "drawing/qt/drawingprint.h"
#include "shell/drawingwindow.h"
#include "shell/registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// The printable area of an A4 sheet with 5 mm margins.
const QSizeF kPrintable(200, 287);

class Recorder final : public drawing::TilePrintDialogs, public sheet::PrintNotifier {
public:
    QStringList questions;
    QStringList refusals;
    QStringList messages;
    Recorder()
    {
        previousDialogs_ = drawing::setTilePrintDialogs(this);
        previousNotifier_ = sheet::setPrintNotifier(this);
    }
    ~Recorder() override
    {
        drawing::setTilePrintDialogs(previousDialogs_);
        sheet::setPrintNotifier(previousNotifier_);
    }
    bool confirm(QWidget *, const QString &question) override
    {
        questions << question;
        return false;
    }
    void refuse(QWidget *, const QString &message) override { refusals << message; }
    void printSent(QWidget *) override { messages << sheet::kPrintSent; }
    void printFailed(QWidget *) override { messages << sheet::kPrintFailed; }

private:
    drawing::TilePrintDialogs *previousDialogs_ = nullptr;
    sheet::PrintNotifier *previousNotifier_ = nullptr;
};

drawing::Drawing sized(double w, double h)
{
    drawing::Drawing d;
    d.title = "Piastrelle";
    d.widthMm = w;
    d.heightMm = h;
    return d;
}

void addLine(drawing::Drawing &d, drawing::DrawingPoint a, drawing::DrawingPoint b)
{
    d.lines.push_back({{a, b}, drawing::DrawingPen::HourLine, false, false, 0});
}

using Tiles = QList<QPair<int, int>>;

Tiles printedTiles(const drawing::TilePlan &plan)
{
    Tiles tiles;
    for (int r = 0; r < plan.grid.rows; ++r)
        for (int c = 0; c < plan.grid.columns; ++c)
            if (plan.isPrinted(r, c))
                tiles.append({r, c});
    return tiles;
}

// The unbroken dark run through the pixel `from` along one row or one column of an image.
QPair<int, int> darkRunThrough(const QImage &image, int at, int from, bool alongRow)
{
    auto dark = [&](int i) { return qGray(alongRow ? image.pixel(i, at) : image.pixel(at, i)) < 160; };
    const int n = alongRow ? image.width() : image.height();
    int first = from, last = from;
    while (first > 0 && dark(first - 1))
        --first;
    while (last + 1 < n && dark(last + 1))
        ++last;
    return dark(from) ? QPair<int, int>{first, last} : QPair<int, int>{-1, -1};
}


QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

Q_DECLARE_METATYPE(drawing::Drawing)

class TestTilePrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
    }

    // Tiles on 200 x 287 mm overlap by 10: upright, columns span [190 c, 190 c + 200] and rows
    // [277 r, 277 r + 287]; turned, columns [277 c, 277 c + 287] and rows [190 r, 190 r + 200].
    void plan_data()
    {
        QTest::addColumn<drawing::Drawing>("drawing");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<Tiles>("printed");

        // 390 x 500, one diagonal: in column 0 (x to 200) it stays above y 256, in row 0 only;
        // column 1 takes it from y 243 to 500, rows 0 and 1. Tile (1, 0) is blank. Turned it
        // would touch 4 of 6.
        drawing::Drawing diagonal = sized(390, 500);
        addLine(diagonal, {0, 0}, {390, 500});
        QTest::newRow("diagonal leaves a corner tile blank") << diagonal << false << 2 << 2 << Tiles{{0, 0}, {0, 1}, {1, 1}};

        // 800 x 200 along a line across: upright 5 columns, turned 3.
        drawing::Drawing wide = sized(800, 200);
        addLine(wide, {10, 100}, {790, 100});
        QTest::newRow("wide drawing turns the tiles") << wide << true << 1 << 3 << Tiles{{0, 0}, {0, 1}, {0, 2}};

        // 1000 x 1000 with a word near one corner and a dot near the other: 2 tiles either
        // way, and upright wins the tie. The dot at 980 lies in column 5 (950..1150) and row 3
        // (831..1118) only.
        drawing::Drawing sparse = sized(1000, 1000);
        sparse.texts.push_back({{20, 20}, "A", 3.5, drawing::TextAnchor::TopLeft, 0});
        sparse.dots.push_back({{980, 980}, 0.8});
        QTest::newRow("far corners only") << sparse << false << 4 << 6 << Tiles{{0, 0}, {3, 5}};

        // A point in the strip two tiles share is on both: the dot at 195 puts (0, 0) in,
        // the one at 282 only (0, 1) upright; turned, they would need 2 tiles too.
        drawing::Drawing shared = sized(390, 280);
        shared.dots.push_back({{195, 100}, 0.5});
        shared.dots.push_back({{282, 100}, 0.5});
        QTest::newRow("dot in the overlap strip") << shared << false << 1 << 2 << Tiles{{0, 0}, {0, 1}};
    }
    void plan()
    {
        QFETCH(drawing::Drawing, drawing);
        QFETCH(bool, landscape);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(Tiles, printed);
        const drawing::TilePlan plan = drawing::planDrawingPrint(drawing, kPrintable);
        QCOMPARE(plan.landscape, landscape);
        QCOMPARE(plan.grid.rows, rows);
        QCOMPARE(plan.grid.columns, columns);
        QCOMPARE(printedTiles(plan), printed);
        QCOMPARE(plan.printed, static_cast<int>(printed.size()));
    }

    void questionAndRefusalTexts()
    {
        QCOMPARE(drawing::tilePagesQuestion(7), QStringLiteral("Il disegno richiede 7 fogli A4. Stampare?"));
        QCOMPARE(drawing::tooLargeMessage(1234),
                 QStringLiteral("Il disegno è troppo grande per la stampa 1:1 (1234 fogli, al massimo 200): esportalo "
                                "in PDF o riduci lo stilo"));
    }

    // The largest dial drawn is far over the limit: the user reads why, and the printer is
    // never asked (no print message at all), quickly.
    void overTheLimitIsRefusedInWordsAndNothingIsSent()
    {
        Recorder recorder;
        const auto dial = drawing::BuildVerticalSheetSketch(1, 0.0000001, 10000, sheet::WallSide::West);
        QCOMPARE(dial.refusal, sheet::Refusal::None);
        const drawing::Drawing page = drawing::ToSheetDrawing(dial.sketch);
        shell::DrawingWindow *window = shell::showDrawing(page);
        QVERIFY(window);
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Stampa")), Qt::LeftButton);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        const int tiles = drawing::planDrawingPrint(page, kPrintable).printed;
        QVERIFY(tiles > drawing::kMaxTilePages);
        QCOMPARE(recorder.refusals, QStringList{drawing::tooLargeMessage(tiles)});
        QVERIFY(recorder.questions.isEmpty());
        QVERIFY(recorder.messages.isEmpty());
        window->close();
    }

    // Painted at 10 dots to the millimetre, the bar on a tile spans 100 mm, upright or turned.
    void checkBarIsOneHundredMillimetres_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::newRow("upright tile") << false;
        QTest::newRow("turned tile") << true;
    }
    void checkBarIsOneHundredMillimetres()
    {
        QFETCH(bool, landscape);
        constexpr double dotsPerMm = 10;
        drawing::TilePlan plan;
        plan.landscape = landscape;
        const QSizeF tile = landscape ? kPrintable.transposed() : kPrintable;
        plan.grid = drawing::PlanTiles(1000, 1000, tile.width(), tile.height(), drawing::kTileOverlapMm);
        plan.printed = plan.grid.count();
        QImage image(QSize(static_cast<int>(kPrintable.width() * dotsPerMm), static_cast<int>(kPrintable.height() * dotsPerMm)),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            drawing::paintTilePage(painter, sized(1000, 1000), plan, 0, 0, kPrintable, dotsPerMm);
        }
        // The bar runs 2,5 mm inside the tile's bottom edge; turned, that edge is the sheet's
        // left edge and the bar runs down it.
        const int at = static_cast<int>(std::lround((landscape ? 2.5 : tile.height() - 2.5) * dotsPerMm));
        // From a point of the bar a quarter along it, clear of its ticks.
        const int from = static_cast<int>(std::lround((12.0 + 25.0) * dotsPerMm));
        const auto [first, last] = darkRunThrough(image, at, from, !landscape);
        const double lengthMm = (last - first + 1) / dotsPerMm;
        // The ends are ticks as wide as the Frame pen (0,25 mm), and a pixel either side.
        HORALO_COMPARE_NEAR(lengthMm, 100.0 + 0.25, 0.25);
    }

    // The overview: its heading names the drawing and the pages, the reduced drawing fills
    // the sheet's width (a wide drawing) and the tiles' places are written on it.
    void overviewFillsTheSheetAndCountsThePages()
    {
        drawing::Drawing wide = sized(800, 200);
        addLine(wide, {10, 100}, {790, 100});
        const drawing::TilePlan plan = drawing::planDrawingPrint(wide, kPrintable);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("overview.pdf"));
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
            QPainter painter(&writer);
            drawing::paintOverviewPage(painter, wide, plan, kPrintable, 300 / 25.4);
        }
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Piastrelle")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Stampa 1:1 su 3 fogli A4 oltre a questo (1 x 3, orizzontali)")), qPrintable(text));
        for (const char *place : {"1,1", "1,2", "1,3"})
            QVERIFY2(text.contains(QLatin1String(place)), place);

        // On an image, the grid's outline spans the sheet's length: the overview is turned
        // and the 3 tiles of 287 mm (831 mm with overlaps) reach across 287 mm of paper.
        constexpr double dotsPerMm = 4;
        QImage image(QSize(static_cast<int>(kPrintable.width() * dotsPerMm), static_cast<int>(kPrintable.height() * dotsPerMm)),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            drawing::paintOverviewPage(painter, wide, plan, kPrintable, dotsPerMm);
        }
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 240) { // anything painted, the thin grid included
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    break;
                }
            }
        }
        QVERIFY2((bottom - top) / dotsPerMm > 0.97 * kPrintable.height(),
                 qPrintable(QStringLiteral("%1 mm of %2").arg((bottom - top) / dotsPerMm).arg(kPrintable.height())));
    }
};

QTEST_MAIN(TestTilePrint)
#include "test_tileprint.moc"
