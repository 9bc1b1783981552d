// The full-scale drawing window and what it writes: the drawing measured back from the SVG
// and PDF files, the tile plan, each tile's part of the dial, and a tiled print on the PDF
// printer read back page by page.

#include "pdfreadback.h"
#include "testsupport.h"

#include "sheet/qt/printjob.h"
#include "drawing/qt/drawingcanvas.h"
#include "drawing/qt/drawingexport.h"
#include "drawing/qt/drawingprint.h"
#include "drawing/qt/drawingrender.h"
#include "shell/drawingwindow.h"
#include "drawing/qt/exportdialogs.h"
#include "shell/registry.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPdfWriter>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cmath>
#include <csignal>

#include <sys/resource.h>

namespace {

constexpr double kMmPerPt = 25.4 / 72.0;

// Answers the save dialog with a prepared path and records the failures it is told of.
class DialogRecorder final : public drawing::ExportDialogs {
public:
    QString answer;
    QStringList asked;
    QStringList failures;
    QStringList reasons;
    DialogRecorder() { previous_ = drawing::setExportDialogs(this); }
    ~DialogRecorder() override { drawing::setExportDialogs(previous_); }
    QString chooseSavePath(QWidget *, const QString &suggestedPath, const QString &) override
    {
        asked << suggestedPath;
        return answer;
    }
    void exportFailed(QWidget *, const QString &path, const QString &reason) override
    {
        failures << path;
        reasons << reason;
    }

private:
    drawing::ExportDialogs *previous_ = nullptr;
};

class PrintRecorder final : public sheet::PrintNotifier {
public:
    QStringList messages;
    PrintRecorder() { previous_ = sheet::setPrintNotifier(this); }
    ~PrintRecorder() override { sheet::setPrintNotifier(previous_); }
    void printSent(QWidget *) override { messages << sheet::kPrintSent; }
    void printFailed(QWidget *) override { messages << sheet::kPrintFailed; }

private:
    sheet::PrintNotifier *previous_ = nullptr;
};

// Answers the tiled print's question with yes and records what it was asked.
class TileDialogRecorder final : public drawing::TilePrintDialogs {
public:
    QStringList questions;
    QStringList refusals;
    TileDialogRecorder() { previous_ = drawing::setTilePrintDialogs(this); }
    ~TileDialogRecorder() override { drawing::setTilePrintDialogs(previous_); }
    bool confirm(QWidget *, const QString &question) override
    {
        questions << question;
        return true;
    }
    void refuse(QWidget *, const QString &message) override { refusals << message; }

private:
    drawing::TilePrintDialogs *previous_ = nullptr;
};

void closeAll()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

drawing::DrawingPolyline line(drawing::DrawingPoint a, drawing::DrawingPoint b, bool dashed = false)
{
    return {{a, b}, drawing::DrawingPen::Frame, dashed, false, 0x000000};
}

// A drawing with a 100 mm bar at a known place, the two ticks at its ends, a dashed line and
// two words whose left edges stand 100 mm apart.
drawing::Drawing testDrawing()
{
    drawing::Drawing d;
    d.title = "Prova di scala";
    d.widthMm = 203.46;
    d.heightMm = 150.04;
    d.lines.push_back(line({20, 80}, {120, 80}));                      // the bar
    d.lines.push_back(line({20, 30}, {20, 60}));                       // tick at 20 mm
    d.lines.push_back(line({120, 30}, {120, 60}));                     // tick at 120 mm
    d.lines.push_back(line({20, 120}, {80, 120}, true));               // dashed
    d.texts.push_back({{20, 100}, "Inizio", 3.5, drawing::TextAnchor::TopLeft, 0});
    d.texts.push_back({{120, 100}, "Fine", 3.5, drawing::TextAnchor::TopLeft, 0});
    d.texts.push_back({{100, 140}, "Scala 1:1", 3.5, drawing::TextAnchor::BottomCentre, 0});
    d.dots.push_back({{160, 40}, 0.8});
    return d;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pages.match(run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page size in points of one page, as pdfinfo reports it.
QSizeF pdfPageSizePt(const QString &path, int page)
{
    static const QRegularExpression size(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const QString info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(page),
                                                          QStringLiteral("-l"), QString::number(page), path});
    const auto m = size.match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The words of one page with their boxes, in millimetres from the page's top-left corner.
struct Word {
    QRectF boxMm;
    QString text;
};
QList<Word> pageWords(const QString &path, int page)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                                            QString::number(page), QStringLiteral("-l"),
                                                            QString::number(page), path, QStringLiteral("-")});
    static const QRegularExpression word(QString::fromLatin1(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({QRectF(QPointF(m.captured(1).toDouble() * kMmPerPt, m.captured(2).toDouble() * kMmPerPt),
                             QPointF(m.captured(3).toDouble() * kMmPerPt, m.captured(4).toDouble() * kMmPerPt)),
                      m.captured(5)});
    }
    return words;
}

QList<Word> wordsReading(const QList<Word> &words, const QString &text)
{
    QList<Word> found;
    for (const Word &w : words)
        if (w.text == text)
            found << w;
    return found;
}

QString pageText(const QString &path, int page)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                             QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")})
        .simplified();
}

// The centres of the dark runs along one row of pixels, in pixels.
QList<double> darkRuns(const QImage &image, int y)
{
    QList<double> centres;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool dark = x < image.width() && qGray(image.pixel(x, y)) < 128;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            centres << (start + x - 1) / 2.0;
            start = -1;
        }
    }
    return centres;
}

// The two ends of the dark run that crosses a given column along one row.
QPair<int, int> darkSpan(const QImage &image, int y, int x)
{
    int left = x;
    int right = x;
    while (left > 0 && qGray(image.pixel(left - 1, y)) < 128)
        --left;
    while (right + 1 < image.width() && qGray(image.pixel(right + 1, y)) < 128)
        ++right;
    return {left, right};
}

// What an SVG holds, in the units of its viewBox: every path as its subpaths of points, with
// the transforms of the groups around it applied, and every text.
struct SvgContent {
    QString width;
    QString height;
    QString viewBox;
    QList<QList<QPointF>> subpaths;
    QStringList texts;
    bool wellFormed = false;
};

QTransform svgMatrix(const QString &transform)
{
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const auto m = matrix.match(transform);
    if (!m.hasMatch())
        return {};
    const QStringList v = m.captured(1).split(QLatin1Char(','));
    if (v.size() != 6)
        return {};
    return QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(), v[4].toDouble(),
                      v[5].toDouble());
}

SvgContent readSvg(const QString &path)
{
    SvgContent svg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return svg;
    QXmlStreamReader xml(&file);
    QList<QTransform> stack{QTransform()};
    static const QRegularExpression command(QStringLiteral("([ML])\\s*(-?[\\d.eE+-]+)[ ,]+(-?[\\d.eE+-]+)"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto attributes = xml.attributes();
            if (xml.name() == QStringLiteral("svg")) {
                svg.width = attributes.value(QStringLiteral("width")).toString();
                svg.height = attributes.value(QStringLiteral("height")).toString();
                svg.viewBox = attributes.value(QStringLiteral("viewBox")).toString();
            }
            const QTransform local = svgMatrix(attributes.value(QStringLiteral("transform")).toString());
            stack.push_back(local * stack.back());
            if (xml.name() == QStringLiteral("path")) {
                const QString d = attributes.value(QStringLiteral("d")).toString();
                for (auto it = command.globalMatch(d); it.hasNext();) {
                    const auto m = it.next();
                    const QPointF p = stack.back().map(QPointF(m.captured(2).toDouble(), m.captured(3).toDouble()));
                    if (m.captured(1) == QStringLiteral("M"))
                        svg.subpaths.append(QList<QPointF>{});
                    if (!svg.subpaths.isEmpty())
                        svg.subpaths.back().append(p);
                }
            } else if (xml.name() == QStringLiteral("text")) {
                svg.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
                stack.pop_back();
            }
        } else if (xml.isEndElement()) {
            stack.pop_back();
        }
    }
    svg.wellFormed = !xml.hasError();
    return svg;
}

double length(const QList<QPointF> &points)
{
    double total = 0;
    for (int i = 1; i < points.size(); ++i)
        total += std::hypot(points[i].x() - points[i - 1].x(), points[i].y() - points[i - 1].y());
    return total;
}

bool fileHasNoBadNumbers(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll().toLower();
    return !all.contains("nan") && !all.contains("inf\"") && !all.contains("inf,") && !all.contains("inf ");
}

shell::DrawingWindow *openWith(const drawing::Drawing &drawing)
{
    return shell::showDrawing(drawing);
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestDrawingWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAll(); }

    void tilePlan_data()
    {
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<double>("heightMm");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        // Tiles of 200 x 280 mm overlapping by 10: each further tile adds 190 mm across and
        // 270 mm down (counted by hand).
        QTest::newRow("small drawing, one tile") << 120.0 << 90.0 << 1 << 1;
        QTest::newRow("exact fit of one tile") << 200.0 << 280.0 << 1 << 1;
        QTest::newRow("one mm wider than a tile") << 201.0 << 280.0 << 1 << 2;
        QTest::newRow("one mm taller than a tile") << 200.0 << 281.0 << 2 << 1;
        QTest::newRow("two columns exactly, 200 + 190") << 390.0 << 100.0 << 1 << 2;
        QTest::newRow("one mm beyond two columns") << 391.0 << 100.0 << 1 << 3;
        QTest::newRow("large wall, 1 m by 1.5 m") << 1000.0 << 1500.0 << 6 << 6;
        QTest::newRow("empty drawing still one page") << 0.0 << 0.0 << 1 << 1;
    }
    void tilePlan()
    {
        QFETCH(double, widthMm);
        QFETCH(double, heightMm);
        QFETCH(int, rows);
        QFETCH(int, columns);
        drawing::Drawing d;
        d.widthMm = widthMm;
        d.heightMm = heightMm;
        const drawing::TileGrid grid = drawing::planDrawingTiles(d, QSizeF(200, 280));
        QCOMPARE(grid.rows, rows);
        QCOMPARE(grid.columns, columns);
        QCOMPARE(grid.overlapMm, drawing::kTileOverlapMm);
        // The grid covers the drawing, and one tile fewer either way would not.
        const drawing::DrawingPoint last = grid.offset(rows - 1, columns - 1);
        QVERIFY(last.xMm + grid.tileWidthMm >= widthMm);
        QVERIFY(last.yMm + grid.tileHeightMm >= heightMm);
        if (columns > 1)
            QVERIFY(grid.offset(0, columns - 2).xMm + grid.tileWidthMm < widthMm);
        if (rows > 1)
            QVERIFY(grid.offset(rows - 2, 0).yMm + grid.tileHeightMm < heightMm);
    }

    void tileLabels_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("label");
        QTest::newRow("first tile") << 0 << 0 << "riga 1, colonna 1 (di 2 x 3)";
        QTest::newRow("first row, second column") << 0 << 1 << "riga 1, colonna 2 (di 2 x 3)";
        QTest::newRow("last tile") << 1 << 2 << "riga 2, colonna 3 (di 2 x 3)";
    }
    void tileLabels()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, label);
        drawing::TileGrid grid{2, 3, 190, 277, 10};
        QCOMPARE(drawing::tileLabel(grid, row, column), label);
    }

    void tileContentIsOffsetByItsPlace_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<double>("xMm"); // where the word starts in the drawing
        // A 400 x 500 mm drawing on pages printing 200 x 287 mm: columns start at 0, 190 and
        // 380 mm, rows at 0 and 277 mm.
        QTest::newRow("first tile") << "Alfa" << 0 << 0 << 50.0;
        QTest::newRow("second column") << "Beta" << 0 << 1 << 250.0;
        QTest::newRow("third column") << "Gamma" << 0 << 2 << 385.0;
        QTest::newRow("second row") << "Delta" << 1 << 0 << 100.0;
        QTest::newRow("column overlap seen from the left tile") << "Q" << 0 << 0 << 192.0;
        QTest::newRow("column overlap seen from the right tile") << "Q" << 0 << 1 << 192.0;
        QTest::newRow("row overlap seen from the upper tile") << "R" << 0 << 0 << 60.0;
        QTest::newRow("row overlap seen from the lower tile") << "R" << 1 << 0 << 60.0;
    }
    void tileContentIsOffsetByItsPlace()
    {
        QFETCH(QString, word);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(double, xMm);
        drawing::Drawing d;
        d.widthMm = 400;
        d.heightMm = 500;
        const auto add = [&](const char *text, double x, double y) {
            d.texts.push_back({{x, y}, text, 4.0, drawing::TextAnchor::TopLeft, 0});
        };
        add("Alfa", 50, 60);
        add("Beta", 250, 100);
        add("Gamma", 385, 40);
        add("Delta", 100, 350);
        add("Q", 192, 150); // inside the 190..200 mm strip two columns share
        add("R", 60, 279);  // inside the 277..287 mm strip two rows share

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("tiles.pdf"));
        constexpr double kMarginMm = 5;
        {
            QPdfWriter writer(path);
            writer.setResolution(600);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
            QPainter painter(&writer);
            const QSizeF printable = writer.pageLayout().paintRect(QPageLayout::Millimeter).size();
            HORALO_COMPARE_NEAR(printable.width(), 200.0, 0.01);
            HORALO_COMPARE_NEAR(printable.height(), 287.0, 0.01);
            // Every tile of the upright grid, blank or not, to see each one's part of the drawing.
            drawing::TilePlan plan;
            plan.grid = drawing::planDrawingTiles(d, printable);
            plan.printed = plan.grid.count();
            QVERIFY(drawing::paintTiledPages(painter, writer, d, plan, printable, 600 / 25.4));
        }
        const drawing::TileGrid grid = drawing::planDrawingTiles(d, QSizeF(200, 287));
        QCOMPARE(grid.rows, 2);
        QCOMPARE(grid.columns, 3);
        QCOMPARE(pdfPages(path), grid.count() + 1);

        const int page = 2 + row * grid.columns + column; // the overview comes first
        const QList<Word> words = pageWords(path, page);
        const QList<Word> found = wordsReading(words, word);
        QVERIFY2(found.size() == 1, qPrintable(QStringLiteral("%1 on page %2: %3 times").arg(word).arg(page).arg(found.size())));
        // Text boxes of pdftotext start at the glyph origin: exact to the PDF's own rounding.
        const double tolMm = 0.05;
        HORALO_COMPARE_NEAR(found[0].boxMm.left(), kMarginMm + xMm - grid.offset(row, column).xMm, tolMm);
        QVERIFY2(pageText(path, page).contains(drawing::tileLabel(grid, row, column)),
                 qPrintable(pageText(path, page)));

        // Down the page the box starts at the font's ascent above the baseline, the same on
        // every page, so a word seen on two tiles moves by the difference of their offsets.
        const QList<Word> onFirst = wordsReading(pageWords(path, 2), word);
        if (row == 1 && !onFirst.isEmpty())
            HORALO_COMPARE_NEAR(onFirst[0].boxMm.top() - found[0].boxMm.top(), grid.offset(1, 0).yMm, tolMm);
    }

    void svgHoldsTheDrawingInMillimetres()
    {
        DialogRecorder dialogs;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        dialogs.answer = dir.filePath(QStringLiteral("disegno.svg"));
        shell::DrawingWindow *window = openWith(testDrawing());
        QTest::mouseClick(button(window, "EsportaSVG"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY2(dialogs.asked[0].endsWith(QStringLiteral("Prova_di_scala.svg")), qPrintable(dialogs.asked[0]));
        QVERIFY(dialogs.failures.isEmpty());

        const SvgContent svg = readSvg(dialogs.answer);
        QVERIFY(svg.wellFormed);
        // 203,46 + 2 x 10 mm of border, rounded up to the tenth: 223,5 mm; 150,04 + 20: 170,1.
        QCOMPARE(svg.width, QStringLiteral("223.5mm"));
        QCOMPARE(svg.height, QStringLiteral("170.1mm"));
        QCOMPARE(svg.viewBox, QStringLiteral("0 0 223.5 170.1"));
        QVERIFY(QSvgRenderer(dialogs.answer).isValid());
        QVERIFY(fileHasNoBadNumbers(dialogs.answer));

        // One viewBox unit is one millimetre: the bar, moved by the border, is 100 units long.
        const double tolMm = 0.001;
        bool foundBar = false;
        int dashes = 0;
        for (const QList<QPointF> &sub : svg.subpaths) {
            if (sub.size() == 2 && std::abs(sub[0].y() - 90) < tolMm && std::abs(sub[0].x() - 30) < tolMm) {
                HORALO_COMPARE_NEAR(length(sub), 100.0, tolMm);
                HORALO_COMPARE_NEAR(sub[1].x(), 130.0, tolMm);
                foundBar = true;
            }
            // The dashed line from 30 to 90 mm: fourteen dashes of 3 mm every 4,5 mm, the
            // last one starting at 88,5 mm and cut at 90.
            if (sub.size() == 2 && std::abs(sub[0].y() - 130) < tolMm) {
                ++dashes;
                const double want = sub[0].x() < 88 ? 3.0 : 90.0 - 88.5;
                HORALO_COMPARE_NEAR(length(sub), want, tolMm);
            }
        }
        QVERIFY(foundBar);
        QCOMPARE(dashes, 14);
        QVERIFY2(svg.texts.contains(QStringLiteral("Inizio")), qPrintable(svg.texts.join('|')));
        QVERIFY(svg.texts.contains(QStringLiteral("Fine")));
        QVERIFY(svg.texts.contains(QStringLiteral("Scala 1:1")));
    }

    void pdfHoldsTheDrawingAtFullScale()
    {
        DialogRecorder dialogs;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Without the suffix: the window adds it.
        dialogs.answer = dir.filePath(QStringLiteral("disegno"));
        shell::DrawingWindow *window = openWith(testDrawing());
        QTest::mouseClick(button(window, "EsportaPDF"), Qt::LeftButton);
        QVERIFY(dialogs.failures.isEmpty());
        const QString path = dialogs.answer + QStringLiteral(".pdf");
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(pdfPages(path), 1);

        // The page: 223,46 x 170,04 mm are 633,43 x 482,01 pt, stated as they are, although
        // Qt writes the page rounded up to whole points.
        const QSizeF pagePt = pdfPageSizePt(path, 1);
        HORALO_COMPARE_NEAR(pagePt.width(), 223.46 / kMmPerPt, 0.006);
        HORALO_COMPARE_NEAR(pagePt.height(), 170.04 / kMmPerPt, 0.006);
        const QSizeF pageMm = drawing::pdfPageSizeMm(testDrawing());
        HORALO_COMPARE_NEAR(pageMm.width(), 634 * kMmPerPt, 1e-9);
        QVERIFY(pageMm.width() >= 223.46 && pageMm.height() >= 170.04);

        // The words at the two ends of the bar start 100 mm apart, the first at 10 + 20 mm.
        const QList<Word> words = pageWords(path, 1);
        const QList<Word> start = wordsReading(words, QStringLiteral("Inizio"));
        const QList<Word> end = wordsReading(words, QStringLiteral("Fine"));
        QCOMPARE(start.size(), 1);
        QCOMPARE(end.size(), 1);
        const double textTolMm = 0.05;
        HORALO_COMPARE_NEAR(start[0].boxMm.left(), 30.0, textTolMm);
        HORALO_COMPARE_NEAR(end[0].boxMm.left() - start[0].boxMm.left(), 100.0, textTolMm);

        // The lines themselves, rasterised at ten pixels to the millimetre: the two ticks
        // stand 100 mm apart, and the bar between them is 100 mm plus its round caps.
        QVERIFY(QProcess::execute(QStringLiteral("pdftoppm"),
                                  {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                                   QStringLiteral("-singlefile"), path, dir.filePath(QStringLiteral("page"))}) == 0);
        const QImage image(dir.filePath(QStringLiteral("page.png")));
        QVERIFY(!image.isNull());
        constexpr double pxPerMm = 10.0;
        const QList<double> ticks = darkRuns(image, static_cast<int>((10 + 45) * pxPerMm));
        QCOMPARE(ticks.size(), 2);
        const double pixelTolMm = 0.15; // one pixel and a half of antialiasing
        HORALO_COMPARE_NEAR(ticks[0] / pxPerMm, 30.0, pixelTolMm);
        HORALO_COMPARE_NEAR((ticks[1] - ticks[0]) / pxPerMm, 100.0, pixelTolMm);
        const auto [left, right] = darkSpan(image, static_cast<int>((10 + 80) * pxPerMm), static_cast<int>(80 * pxPerMm));
        const double capsMm = drawing::DrawingRender::penWidthMm(drawing::DrawingPen::Frame);
        HORALO_COMPARE_NEAR((right - left + 1) / pxPerMm - capsMm, 100.0, pixelTolMm);
    }

    void failedExportSaysSoAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("PDF") << "EsportaPDF";
        QTest::newRow("SVG") << "EsportaSVG";
    }
    void failedExportSaysSoAndLeavesNoFile()
    {
        QFETCH(QString, button);
        DialogRecorder dialogs;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        dialogs.answer = dir.filePath(QStringLiteral("no such folder/disegno"));
        shell::DrawingWindow *window = openWith(testDrawing());
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(dialogs.failures.size(), 1);
        QVERIFY(!QFileInfo::exists(dialogs.failures[0]));
        // The message says why, not only that the file was not written.
        QVERIFY2(dialogs.reasons[0].endsWith(QStringLiteral(": la cartella non esiste.")), qPrintable(dialogs.reasons[0]));
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    // A disk that fills up while the new file is written: the failure is said and the file
    // that was there keeps every byte. The full disk is a limit on the size of the files this
    // process may write, far below a drawing's.
    void failedReplacementKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("PDF") << "EsportaPDF" << "lavoro.pdf";
        QTest::newRow("SVG") << "EsportaSVG" << "lavoro.svg";
    }
    void failedReplacementKeepsTheOldFile()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(name);
        const QByteArray old = QByteArrayLiteral("the maker's good file");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        DialogRecorder dialogs;
        dialogs.answer = path;
        shell::DrawingWindow *window = openWith(testDrawing());
        rlimit before{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = before;
        full.rlim_cur = 512;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(dialogs.failures, QStringList{path});
        QVERIFY2(dialogs.reasons[0].contains(QStringLiteral("il file supera la dimensione più grande che si può scrivere qui")),
                 qPrintable(dialogs.reasons[0]));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{name});
    }

    // Typing "lavoro" in the save dialog when "lavoro.pdf" exists asks before replacing it,
    // as typing the whole name does: the dialog adds the extension first.
    void bareNameAsksBeforeReplacing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("lavoro.pdf"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        shell::DrawingWindow *window = openWith(testDrawing());
        QString asked;
        bool typed = false;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    asked = box->text();
                    box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
                    return;
                }
            }
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QFileDialog *>(w);
                if (!dialog || !dialog->isVisible())
                    continue;
                if (typed || !asked.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->setDirectory(dir.path());
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (!name)
                    return;
                name->setText(QStringLiteral("lavoro"));
                typed = true;
                QMetaObject::invokeMethod(name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
                return;
            }
        });
        driver.start(50);
        QTest::mouseClick(button(window, "EsportaPDF"), Qt::LeftButton);
        driver.stop();
        QVERIFY(typed);
        QVERIFY2(asked.contains(QStringLiteral("lavoro.pdf")), qPrintable(asked));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArrayLiteral("old"));
    }

    void cancelledDialogWritesNothing()
    {
        DialogRecorder dialogs; // answers with an empty path, as Cancel does
        shell::DrawingWindow *window = openWith(testDrawing());
        QTest::mouseClick(button(window, "EsportaPDF"), Qt::LeftButton);
        QTest::mouseClick(button(window, "EsportaSVG"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), 2);
        QVERIFY(dialogs.failures.isEmpty());
    }

    // On the screen a line in one piece goes to the rasteriser without a path; it must paint
    // the very pixels the path paints (as a file or a printer receives it), at any zoom. The
    // path's paint is had by recording onto a picture, which keeps every line a path, and
    // playing it back on an image like the screen's.
    void screenPaintsWhatThePathPaints_data()
    {
        QTest::addColumn<double>("dotsPerMm");
        QTest::addColumn<double>("minimumPenDots");
        QTest::newRow("a pixel a millimetre, hair lines") << 1.0 << 0.0;
        QTest::newRow("as the window paints, no line under a pixel") << 1.0 << 1.0;
        QTest::newRow("zoomed, pens about a pixel and a half") << 2.5 << 1.0;
        QTest::newRow("zoomed, pens two pixels wide") << 4.0 << 1.0;
        QTest::newRow("zoomed far, pens five pixels wide") << 11.3 << 1.0;
    }
    void screenPaintsWhatThePathPaints()
    {
        QFETCH(double, dotsPerMm);
        QFETCH(double, minimumPenDots);
        drawing::Drawing d;
        d.widthMm = 200;
        d.heightMm = 150;
        drawing::DrawingPolyline curve{{}, drawing::DrawingPen::Curve, false, false, 0x7a4a00};
        for (int k = 0; k <= 400; ++k)
            curve.points.push_back({5 + 0.45 * k, 75 + 40 * std::sin(k * 0.031) + 0.37 * std::cos(k * 1.7)});
        d.lines.push_back(curve);
        d.lines.push_back({{{-40, 10}, {90, 140}, {250, 20}}, drawing::DrawingPen::HourLine, false, false, 0x1a7f37});
        d.lines.push_back({{{10, 140}, {190, 100}}, drawing::DrawingPen::Construction, true, false, 0});
        d.lines.push_back({{{30, 20}, {30, 50}, {70, 20}}, drawing::DrawingPen::Frame, false, true, 0x875b18});
        d.lines.push_back({{{120, 20}, {160, 30}, {140, 60}, {120, 20}}, drawing::DrawingPen::HourLine, false, false, 0});
        d.lines.push_back({{{150, 100}, {std::nan(""), 110}, {170, 120}, {185, 140}}, drawing::DrawingPen::Curve, false,
                           false, 0x2050a0});
        // Outlines that close at every angle, dashes at every slope, and a wave that leaves the
        // view and comes back in pieces.
        for (int k = 0; k < 24; ++k) {
            const double a = k * 0.27, cx = 15 + (k % 6) * 34, cy = 15 + (k / 6) * 38;
            const double r = 4 + k % 5;
            d.lines.push_back({{{cx, cy}, {cx + r * std::cos(a), cy + r * std::sin(a)}, {cx + r * std::cos(a + 2), cy + r * std::sin(a + 2.1)}},
                               drawing::DrawingPen::Frame, false, true, 0x875b18});
            d.lines.push_back({{{cx + 3, cy - 6}, {cx + 3 + 25 * std::cos(a), cy - 6 + 25 * std::sin(a)}},
                               drawing::DrawingPen::Construction, true, false, 0});
        }
        drawing::DrawingPolyline wave{{}, drawing::DrawingPen::Curve, false, false, 0x1a7f37};
        for (int k = 0; k <= 600; ++k)
            wave.points.push_back({-20 + 0.4 * k, 75 + 110 * std::sin(k * 0.05)});
        d.lines.push_back(wave);
        const QSize size(static_cast<int>(std::ceil(200 * dotsPerMm)) / 3 + 40, static_cast<int>(std::ceil(150 * dotsPerMm)) / 3 + 30);
        const QPointF origin(-0.35 * 200 * dotsPerMm + size.width() / 2.0, -0.4 * 150 * dotsPerMm + size.height() / 2.0);
        drawing::DrawingRender render(dotsPerMm, dotsPerMm < 2 ? QPointF(3.3, 2.7) : origin);
        render.setMinimumPenDots(minimumPenDots);
        QImage screen(dotsPerMm < 2 ? QSize(220, 170) : size, QImage::Format_ARGB32_Premultiplied);
        screen.fill(Qt::white);
        {
            QPainter painter(&screen);
            painter.setRenderHint(QPainter::Antialiasing);
            render.paint(painter, d);
        }
        QPicture picture;
        picture.setBoundingRect(QRect(QPoint(0, 0), screen.size()));
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            render.paint(painter, d);
        }
        QImage viaPath(screen.size(), QImage::Format_ARGB32_Premultiplied);
        viaPath.fill(Qt::white);
        {
            QPainter painter(&viaPath);
            painter.drawPicture(0, 0, picture);
        }
        int differ = 0, inked = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) {
                differ += screen.pixel(x, y) != viaPath.pixel(x, y);
                inked += screen.pixel(x, y) != qRgb(255, 255, 255);
            }
        QVERIFY(inked > 500);
        QCOMPARE(differ, 0);
    }

    void drawingThatIsNotANumberWritesNoNumberThatIsNot()
    {
        DialogRecorder dialogs;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        drawing::Drawing d = testDrawing();
        const double nan = std::nan("");
        d.lines.push_back({{{10, 10}, {nan, 20}, {30, 30}, {40, 45}}, drawing::DrawingPen::Curve, false, false, 0});
        d.lines.push_back({{{10, 10}, {INFINITY, 20}}, drawing::DrawingPen::Curve, true, false, 0});
        d.texts.push_back({{nan, 10}, "perso", 3.5, drawing::TextAnchor::Centre, 0});
        d.texts.push_back({{10, 10}, "alto", nan, drawing::TextAnchor::Centre, 0});
        d.dots.push_back({{10, INFINITY}, 1});
        shell::DrawingWindow *window = openWith(d);
        dialogs.answer = dir.filePath(QStringLiteral("guasto.svg"));
        QTest::mouseClick(button(window, "EsportaSVG"), Qt::LeftButton);
        QVERIFY(dialogs.failures.isEmpty());
        QVERIFY(fileHasNoBadNumbers(dialogs.answer));
        const SvgContent svg = readSvg(dialogs.answer);
        QVERIFY(svg.wellFormed);
        QVERIFY(!svg.texts.contains(QStringLiteral("perso")));
        // The curve keeps its finite stretch from (30, 30) to (40, 45).
        bool kept = false;
        for (const QList<QPointF> &sub : svg.subpaths)
            kept = kept || (sub.size() == 2 && sub[0] == QPointF(40, 40) && sub[1] == QPointF(50, 55));
        QVERIFY(kept);
        window->grab(); // and the screen paints it without trouble
    }

    void windowIsNamedAndHasItsButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("fit") << "Adatta" << "Adatta";
        QTest::newRow("tiled print") << "Stampa" << "Stampa 1:1";
        QTest::newRow("PDF") << "EsportaPDF" << "Esporta PDF";
        QTest::newRow("SVG") << "EsportaSVG" << "Esporta SVG";
    }
    void windowIsNamedAndHasItsButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        shell::DrawingWindow *window = openWith(testDrawing());
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("Disegno"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Prova di scala"));
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        auto *b = window->findChild<QPushButton *>(name);
        QVERIFY2(b, qPrintable(name));
        QCOMPARE(b->text(), text);
        QVERIFY(b->isEnabled());
    }

    void windowWithoutADrawingOffersNothingToWrite()
    {
        QWidget *window = shell::showWindow(QStringLiteral("Disegno"));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Disegno"));
        for (const char *name : {"Stampa", "EsportaPDF", "EsportaSVG"})
            QVERIFY2(!button(window, name)->isEnabled(), name);
        QVERIFY(button(window, "Adatta")->isEnabled());
        QTest::mouseClick(button(window, "Adatta"), Qt::LeftButton);
        window->grab();
    }

    void secondDrawingReplacesTheFirstInTheSameWindow()
    {
        shell::DrawingWindow *first = openWith(testDrawing());
        first->canvas()->zoomBy(3, QPointF(10, 10));
        drawing::Drawing other;
        other.title = "Altro";
        other.widthMm = 50;
        other.heightMm = 40;
        shell::DrawingWindow *second = openWith(other);
        QCOMPARE(second, first);
        QCOMPARE(second->drawing().title, std::string("Altro"));
        QCOMPARE(second->drawing().widthMm, 50.0);
        QCOMPARE(second->windowTitle(), QStringLiteral("Altro"));
        QVERIFY(second->canvas()->fitted()); // a new drawing comes back whole
    }

    void keyOneShowsTheScreensTrueScale()
    {
        shell::DrawingWindow *window = openWith(testDrawing());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_1);
        drawing::DrawingCanvas *canvas = window->canvas();
        const double dpi = canvas->screen()->physicalDotsPerInch();
        HORALO_COMPARE_NEAR(canvas->dotsPerMm(), dpi / 25.4, 1e-9);
        // 100 mm of the drawing cover 100 mm of glass.
        const double pixels = canvas->toWidget({120, 80}).x() - canvas->toWidget({20, 80}).x();
        HORALO_COMPARE_NEAR(pixels / (dpi / 25.4), 100.0, 1e-9);
        // The middle of the drawing in the middle of the view.
        HORALO_COMPARE_NEAR(canvas->toWidget({203.46 / 2, 150.04 / 2}).x(), canvas->width() / 2.0, 1e-9);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Zoom"))->text(), QStringLiteral("100 %"));
    }

    // The zoom reads as every number of the program does, with the decimal comma, and keeps two
    // digits however far out a large plate is fitted (the farthest zoom is 0,02 %).
    void zoomReadsWithTwoDigitsAtLeast_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("shown");
        QTest::newRow("true size") << 1.0 << "100 %";
        QTest::newRow("a tenth, rounded half away") << 0.09949 << "9,9 %";
        QTest::newRow("just under ten") << 0.0996 << "10 %";
        QTest::newRow("two and a half per cent") << 0.025 << "2,5 %";
        QTest::newRow("under one per cent") << 0.0042 << "0,42 %";
        QTest::newRow("the farthest zoom") << 1e-6 << "0,02 %";
    }
    void zoomReadsWithTwoDigitsAtLeast()
    {
        QFETCH(double, factor);
        QFETCH(QString, shown);
        shell::DrawingWindow *window = openWith(testDrawing());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_1);
        drawing::DrawingCanvas *canvas = window->canvas();
        canvas->zoomBy(factor, QPointF(canvas->width() / 2.0, canvas->height() / 2.0));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Zoom"))->text(), shown);
    }

    void wheelZoomsAboutTheCursor_data()
    {
        QTest::addColumn<int>("notches");
        QTest::addColumn<double>("zoom");
        QTest::newRow("one notch in") << 1 << 1.25;
        QTest::newRow("two notches out") << -2 << 0.64;
    }
    void wheelZoomsAboutTheCursor()
    {
        QFETCH(int, notches);
        QFETCH(double, zoom);
        shell::DrawingWindow *window = openWith(testDrawing());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_1);
        drawing::DrawingCanvas *canvas = window->canvas();
        const QPointF cursor(canvas->width() * 0.3, canvas->height() * 0.6);
        const drawing::DrawingPoint under = canvas->toDrawing(cursor);
        QWheelEvent wheel(cursor, canvas->mapToGlobal(cursor), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        HORALO_COMPARE_NEAR(canvas->zoom(), zoom, 1e-12);
        const QPointF back = canvas->toWidget(under);
        HORALO_COMPARE_NEAR(back.x(), cursor.x(), 1e-9);
        HORALO_COMPARE_NEAR(back.y(), cursor.y(), 1e-9);
    }

    // The window opens with the drawing whole; after zooming about, "Adatta" and the 0 key
    // bring it back whole.
    void fitShowsTheWholeDrawing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("as it opens") << "open";
        QTest::newRow("Adatta after zooming in") << "Adatta";
        QTest::newRow("key 0 after zooming in") << "0";
    }
    void fitShowsTheWholeDrawing()
    {
        QFETCH(QString, how);
        drawing::Drawing wall = testDrawing();
        wall.widthMm = 1200; // far larger than any screen at 1:1
        wall.heightMm = 900;
        shell::DrawingWindow *window = openWith(wall);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        drawing::DrawingCanvas *canvas = window->canvas();
        if (how != QLatin1String("open")) {
            QTest::keyClick(window, Qt::Key_Plus);
            QTest::keyClick(window, Qt::Key_Plus);
            QVERIFY(!canvas->fitted());
            if (how == QLatin1String("Adatta"))
                QTest::mouseClick(button(window, "Adatta"), Qt::LeftButton);
            else
                QTest::keyClick(window, Qt::Key_0);
        }
        const QPointF topLeft = canvas->toWidget({0, 0});
        const QPointF bottomRight = canvas->toWidget({1200, 900});
        QVERIFY(topLeft.x() >= 0 && topLeft.y() >= 0);
        QVERIFY(bottomRight.x() <= canvas->width() && bottomRight.y() <= canvas->height());
        // ... and as large as it can: it touches two opposite sides but for the small border.
        const double border = 5 * canvas->dotsPerMm();
        const bool touches = std::abs(topLeft.x() - border) < 1e-6 || std::abs(topLeft.y() - border) < 1e-6;
        QVERIFY(touches);
        QVERIFY(canvas->zoom() < 1);
    }

    // + and - step the zoom about the middle of the view, as a notch of the wheel: the point in
    // the middle stays there.
    void keysZoomAboutTheMiddle_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<double>("factor");
        QTest::newRow("plus") << QList<int>{Qt::Key_Plus} << 1.25;
        QTest::newRow("equals, the plus key without shift") << QList<int>{Qt::Key_Equal} << 1.25;
        QTest::newRow("minus twice") << QList<int>{Qt::Key_Minus, Qt::Key_Minus} << 0.64;
        QTest::newRow("plus then minus") << QList<int>{Qt::Key_Plus, Qt::Key_Minus} << 1.0;
    }
    void keysZoomAboutTheMiddle()
    {
        QFETCH(QList<int>, keys);
        QFETCH(double, factor);
        shell::DrawingWindow *window = openWith(testDrawing());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        drawing::DrawingCanvas *canvas = window->canvas();
        const double before = canvas->zoom();
        const QPointF middle(canvas->width() / 2.0, canvas->height() / 2.0);
        const drawing::DrawingPoint under = canvas->toDrawing(middle);
        for (int key : keys)
            QTest::keyClick(window, static_cast<Qt::Key>(key));
        HORALO_COMPARE_NEAR(canvas->zoom() / before, factor, 1e-12);
        const drawing::DrawingPoint still = canvas->toDrawing(middle);
        HORALO_COMPARE_NEAR(still.xMm, under.xMm, 1e-9);
        HORALO_COMPARE_NEAR(still.yMm, under.yMm, 1e-9);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Zoom"))->text(),
                 QStringLiteral("%1 %").arg(std::round(canvas->zoom() * 100)));
    }

    void draggingMovesThePaperWithTheHand()
    {
        shell::DrawingWindow *window = openWith(testDrawing());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window, Qt::Key_1);
        drawing::DrawingCanvas *canvas = window->canvas();
        const QPointF before = canvas->toWidget({20, 80});
        const QPoint start(100, 100);
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(canvas, start + QPoint(40, -25));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, start + QPoint(40, -25));
        const QPointF after = canvas->toWidget({20, 80});
        HORALO_COMPARE_NEAR(after.x() - before.x(), 40.0, 1e-9);
        HORALO_COMPARE_NEAR(after.y() - before.y(), -25.0, 1e-9);
        QCOMPARE(canvas->zoom(), 1.0);
    }

    void printsTilesOnThePdfPrinter()
    {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            if (printerRequired())
                QFAIL("no default printer: the PDF queue of the test set-up is missing");
            QSKIP("no default printer on this machine");
        }
        PrintRecorder recorder;
        TileDialogRecorder questions;
        // Taller than wide, the test drawing's lines in the top left corner and a far word near
        // the bottom right: upright, the two tiles between them are blank and skipped; turned,
        // the word would fall on two tiles.
        drawing::Drawing wall = testDrawing();
        wall.widthMm = 300;
        wall.heightMm = 400;
        wall.texts.push_back({{250, 350}, "Lontano", 4, drawing::TextAnchor::TopLeft, 0});
        shell::DrawingWindow *window = openWith(wall);
        const QStringList before = pdfFiles();
        QTest::mouseClick(button(window, "Stampa"), Qt::LeftButton);
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintSent});
        const QString pdf = waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new PDF in %1").arg(pdfOutputDir())));

        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        const drawing::TilePlan plan = drawing::planDrawingPrint(wall, printable.size());
        const drawing::TileGrid &grid = plan.grid;
        qInfo("printable area %.2f x %.2f mm at (%.2f, %.2f): %d x %d tiles, %d printed", printable.width(),
              printable.height(), printable.left(), printable.top(), grid.rows, grid.columns, plan.printed);
        QVERIFY(!plan.landscape);
        QCOMPARE(grid.count(), 4);
        QCOMPARE(plan.printed, 2);
        QCOMPARE(questions.questions, QStringList{QStringLiteral("Il disegno richiede 3 fogli A4. Stampare?")});
        QCOMPARE(pdfPages(pdf), plan.printed + 1);
        for (int page = 1; page <= plan.printed + 1; ++page) {
            const QSizeF a4 = pdfPageSizePt(pdf, page);
            HORALO_COMPARE_NEAR(a4.width(), 595.0, 1.0);
            HORALO_COMPARE_NEAR(a4.height(), 842.0, 1.0);
        }
        // Each tile page says which it is, blank tiles skipped but counted; the far word stands
        // on its tile at its place.
        QList<QPair<int, int>> printedTiles;
        for (int r = 0; r < grid.rows; ++r)
            for (int c = 0; c < grid.columns; ++c)
                if (plan.isPrinted(r, c))
                    printedTiles.append({r, c});
        QCOMPARE(printedTiles, (QList<QPair<int, int>>{{0, 0}, {1, 1}}));
        for (int i = 0; i < printedTiles.size(); ++i)
            QVERIFY(pageText(pdf, 2 + i).contains(drawing::tileLabel(grid, printedTiles[i].first, printedTiles[i].second)));
        int seen = 0;
        for (int i = 0; i < printedTiles.size(); ++i) {
            {
                const auto [r, c] = printedTiles[i];
                const QList<Word> far = wordsReading(pageWords(pdf, 2 + i), QStringLiteral("Lontano"));
                const drawing::DrawingPoint o = grid.offset(r, c);
                const bool inside = 250 >= o.xMm && 250 + 15 <= o.xMm + grid.tileWidthMm && 350 >= o.yMm &&
                                    350 + 4 <= o.yMm + grid.tileHeightMm;
                if (!inside)
                    continue;
                QCOMPARE(far.size(), 1);
                HORALO_COMPARE_NEAR(far[0].boxMm.left(), printable.left() + 250 - o.xMm, 0.1);
                ++seen;
            }
        }
        QVERIFY(seen >= 1);
    }
};

QTEST_MAIN(TestDrawingWindow)
#include "test_drawingwindow.moc"
