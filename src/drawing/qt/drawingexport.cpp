#include "drawing/qt/drawingexport.h"

#include "drawing/qt/drawingrender.h"

#include "files/atomicfile.h"
#include "sheet/numbers.h"
#include "sheet/qt/uitext.h"

#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

const QString kCreator = QStringLiteral("Horalo 2002");
const sheet::UiText kPdfRefused{
    QT_TRANSLATE_NOOP("horalo", "Il generatore di PDF di Qt non ha accettato la pagina di %1 × %2 mm: nessun file è stato scritto.")};
const sheet::UiText kSvgRefused{
    QT_TRANSLATE_NOOP("horalo", "Il generatore di SVG di Qt non ha accettato la pagina di %1 × %2 mm: nessun file è stato scritto.")};

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;
// A PDF page at this resolution places every line to a fortieth of a millimetre.
constexpr int kPdfDpi = 1200;
// An SVG at 254 "dots" per inch has ten of them to the millimetre: its size in whole dots
// is a size in tenths of a millimetre, which the file states in millimetres exactly.
constexpr int kSvgDpi = 254;
constexpr double kSvgDotsPerMm = kSvgDpi / kMmPerInch;

double finiteSize(double mm)
{
    return std::isfinite(mm) && mm > 0 ? mm : 0.0;
}

// True when the document ends as a document of its kind must end: the last thing a writer
// puts out.
bool endsWith(const QByteArray &document, const QByteArray &ending)
{
    return document.right(1024).contains(ending);
}

// Paints one document in memory; empty unless it ends as a document of its kind must end.
template <typename Paint>
QByteArray paintDocument(const QByteArray &ending, Paint paint)
{
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) || !paint(buffer))
        return {};
    buffer.close();
    if (!endsWith(buffer.data(), ending))
        return {};
    return buffer.data();
}

// Writes a painted document through a temporary file in the same folder, renamed over the old
// file only when every byte is on the disk (onto the file a symbolic link leads to).
bool writeDocument(const QString &path, const QByteArray &document, QString *error)
{
    std::string why;
    if (files::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                   std::string_view(document.constData(), static_cast<std::size_t>(document.size())), &why))
        return true;
    if (error)
        *error = QString::fromStdString(why);
    return false;
}

QString pageText(const sheet::UiText &words, double widthMm, double heightMm)
{
    return words.text().arg(QString::fromStdString(sheet::FormatGeneral(widthMm)),
                            QString::fromStdString(sheet::FormatGeneral(heightMm)));
}

// Qt states a PDF page's size in whole points, and a plate is seldom a whole number of them:
// the page it writes is the one pdfPageSizeMm rounds up to. Each page's MediaBox is then
// rewritten to the exact size, its top-left corner (where the drawing starts) kept, so that a
// 1000 mm plate reads 1000 mm and not 1000.1. The box is rewritten in place at the same length,
// so no offset the file lists moves; a box that does not read as Qt writes it stays as it is.
void setExactPageSizes(QByteArray &pdf, const std::vector<QSizeF> &exactMm)
{
    static const QByteArray kKey = QByteArrayLiteral("/MediaBox [");
    qsizetype at = 0;
    for (const QSizeF &mm : exactMm) {
        at = pdf.indexOf(kKey, at);
        if (at < 0)
            return;
        const qsizetype open = at + kKey.size() - 1;
        const qsizetype close = pdf.indexOf(']', open);
        if (close < 0)
            return;
        at = close;
        const QList<QByteArray> corners = pdf.mid(open + 1, close - open - 1).simplified().split(' ');
        if (corners.size() != 4)
            continue;
        bool ok[4];
        const double written[4] = {corners[0].toDouble(&ok[0]), corners[1].toDouble(&ok[1]),
                                   corners[2].toDouble(&ok[2]), corners[3].toDouble(&ok[3])};
        if (!(ok[0] && ok[1] && ok[2] && ok[3]) || written[0] != 0 || written[1] != 0)
            continue;
        const double width = mm.width() / kMmPerInch * kPointsPerInch;
        const double height = mm.height() / kMmPerInch * kPointsPerInch;
        // Only a box within the point of rounding of the exact size is the page of this plate.
        if (!(std::abs(written[2] - width) < 1 && std::abs(written[3] - height) < 1))
            continue;
        const qsizetype room = close - open + 1;
        for (int decimals = 6; decimals >= 3; --decimals) {
            QByteArray box = "[0 " + QByteArray::number(written[3] - height, 'f', decimals) + ' ' +
                QByteArray::number(width, 'f', decimals) + ' ' + QByteArray::number(written[3], 'f', 0) + ']';
            if (box.size() > room)
                continue;
            box.insert(box.size() - 1, QByteArray(room - box.size(), ' '));
            pdf.replace(open, room, box);
            break;
        }
    }
}

} // namespace

QSizeF pdfPageSizeMm(const Drawing &drawing, double marginMm)
{
    auto points = [](double mm) { return std::ceil(mm / kMmPerInch * kPointsPerInch - 1e-9); };
    const double w = points(finiteSize(drawing.widthMm) + 2 * marginMm);
    const double h = points(finiteSize(drawing.heightMm) + 2 * marginMm);
    return {w * kMmPerInch / kPointsPerInch, h * kMmPerInch / kPointsPerInch};
}

QSizeF svgPageSizeMm(const Drawing &drawing, double marginMm)
{
    auto tenths = [](double mm) { return std::ceil(mm * 10 - 1e-9) / 10; };
    return {tenths(finiteSize(drawing.widthMm) + 2 * marginMm), tenths(finiteSize(drawing.heightMm) + 2 * marginMm)};
}

QByteArray renderPagesPdf(const std::vector<Drawing> &pages, double marginMm)
{
    if (pages.empty() || !(std::isfinite(marginMm) && marginMm >= 0))
        return {};
    return paintDocument(QByteArrayLiteral("%%EOF"), [&](QBuffer &device) {
        QPdfWriter writer(&device);
        writer.setResolution(kPdfDpi);
        writer.setCreator(kCreator);
        writer.setTitle(QString::fromStdString(pages.front().title));
        auto setPage = [&](const Drawing &drawing) {
            const QSizeF page = pdfPageSizeMm(drawing, marginMm);
            return writer.setPageSize(QPageSize(page, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        };
        // A page Qt does not take would otherwise be written on its default paper, cut short.
        if (!setPage(pages.front()))
            return false;
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const double dotsPerMm = writer.resolution() / kMmPerInch;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && (!setPage(pages[i]) || !writer.newPage()))
                return false;
            DrawingRender(dotsPerMm, QPointF(marginMm * dotsPerMm, marginMm * dotsPerMm)).paint(painter, pages[i]);
        }
        if (!painter.end())
            return false;
        std::vector<QSizeF> exact;
        for (const Drawing &page : pages)
            exact.emplace_back(finiteSize(page.widthMm) + 2 * marginMm, finiteSize(page.heightMm) + 2 * marginMm);
        setExactPageSizes(device.buffer(), exact);
        return true;
    });
}

QString pdfRefusedText(double widthMm, double heightMm) { return pageText(kPdfRefused, widthMm, heightMm); }
QString svgRefusedText(double widthMm, double heightMm) { return pageText(kSvgRefused, widthMm, heightMm); }

bool exportDrawingPdf(const Drawing &drawing, const QString &path, QString *error)
{
    const QByteArray document = renderPagesPdf({drawing}, kExportMarginMm);
    if (document.isEmpty()) {
        const QSizeF page = pdfPageSizeMm(drawing);
        if (error)
            *error = pdfRefusedText(page.width(), page.height());
        return false;
    }
    return writeDocument(path, document, error);
}

QByteArray renderDrawingSvg(const Drawing &drawing, double marginMm)
{
    if (!(std::isfinite(marginMm) && marginMm >= 0))
        return {};
    return paintDocument(QByteArrayLiteral("</svg>"), [&](QIODevice &device) {
        const QSizeF page = svgPageSizeMm(drawing, marginMm);
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        generator.setResolution(kSvgDpi);
        generator.setSize(QSize(static_cast<int>(std::lround(page.width() * kSvgDotsPerMm)),
                                static_cast<int>(std::lround(page.height() * kSvgDotsPerMm))));
        // The drawing's own unit is the millimetre: one unit of the viewBox is one of them.
        generator.setViewBox(QRectF(QPointF(0, 0), page));
        // The generator writes its title and description into the XML as they are, unlike
        // the texts it draws: a place such as "B&B La Meridiana" would make the whole file
        // unreadable.
        generator.setTitle(QString::fromStdString(drawing.title).toHtmlEscaped());
        generator.setDescription(QString(kCreator).toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        DrawingRender(1.0, QPointF(marginMm, marginMm)).paint(painter, drawing);
        return painter.end();
    });
}

bool exportDrawingSvg(const Drawing &drawing, const QString &path, QString *error)
{
    const QByteArray document = renderDrawingSvg(drawing, kExportMarginMm);
    if (document.isEmpty()) {
        const QSizeF page = svgPageSizeMm(drawing);
        if (error)
            *error = svgRefusedText(page.width(), page.height());
        return false;
    }
    return writeDocument(path, document, error);
}

} // namespace drawing
