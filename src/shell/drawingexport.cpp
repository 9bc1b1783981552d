#include "shell/drawingexport.h"

#include "shell/drawingrender.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace shell {

namespace {

const QString kCreator = QStringLiteral("Horalo 2002");

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

// True when the file ends as a file of its kind must end: the last thing a writer puts out.
bool endsWith(const QString &path, const QByteArray &ending)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < ending.size())
        return false;
    const qint64 tail = std::min<qint64>(file.size(), 1024);
    file.seek(file.size() - tail);
    return file.read(tail).contains(ending);
}

// Runs one export: painting started means the file was opened (and emptied), so a failure
// after that point leaves nothing half-written behind.
template <typename Paint>
bool writeFile(const QString &path, const QByteArray &ending, Paint paint)
{
    if (path.isEmpty())
        return false;
    bool opened = false;
    const bool painted = paint(opened);
    const bool complete = painted && endsWith(path, ending);
    if (!complete && opened)
        QFile::remove(path);
    return complete;
}

} // namespace

QSizeF pdfPageSizeMm(const sheet::Drawing &drawing)
{
    auto points = [](double mm) { return std::ceil(mm / kMmPerInch * kPointsPerInch - 1e-9); };
    const double w = points(finiteSize(drawing.widthMm) + 2 * kExportMarginMm);
    const double h = points(finiteSize(drawing.heightMm) + 2 * kExportMarginMm);
    return {w * kMmPerInch / kPointsPerInch, h * kMmPerInch / kPointsPerInch};
}

QSizeF svgPageSizeMm(const sheet::Drawing &drawing)
{
    auto tenths = [](double mm) { return std::ceil(mm * 10 - 1e-9) / 10; };
    return {tenths(finiteSize(drawing.widthMm) + 2 * kExportMarginMm),
            tenths(finiteSize(drawing.heightMm) + 2 * kExportMarginMm)};
}

bool exportDrawingPdf(const sheet::Drawing &drawing, const QString &path)
{
    return writeFile(path, QByteArrayLiteral("%%EOF"), [&](bool &opened) {
        QPdfWriter writer(path);
        writer.setResolution(kPdfDpi);
        writer.setCreator(kCreator);
        writer.setTitle(QString::fromStdString(drawing.title));
        const QSizeF page = pdfPageSizeMm(drawing);
        writer.setPageSize(QPageSize(page, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        opened = true;
        const double dotsPerMm = writer.resolution() / kMmPerInch;
        DrawingRender(dotsPerMm, QPointF(kExportMarginMm * dotsPerMm, kExportMarginMm * dotsPerMm))
            .paint(painter, drawing);
        return painter.end();
    });
}

bool exportDrawingSvg(const sheet::Drawing &drawing, const QString &path)
{
    return writeFile(path, QByteArrayLiteral("</svg>"), [&](bool &opened) {
        const QSizeF page = svgPageSizeMm(drawing);
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setResolution(kSvgDpi);
        generator.setSize(QSize(static_cast<int>(std::lround(page.width() * kSvgDotsPerMm)),
                                static_cast<int>(std::lround(page.height() * kSvgDotsPerMm))));
        // The drawing's own unit is the millimetre: one unit of the viewBox is one of them.
        generator.setViewBox(QRectF(QPointF(0, 0), page));
        generator.setTitle(QString::fromStdString(drawing.title));
        generator.setDescription(kCreator);
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        opened = true;
        DrawingRender(1.0, QPointF(kExportMarginMm, kExportMarginMm)).paint(painter, drawing);
        return painter.end();
    });
}

} // namespace shell
