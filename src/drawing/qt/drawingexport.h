#pragma once

#include "drawing/page.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <vector>

namespace drawing {

// White border around the drawing on an exported page, in millimetres.
inline constexpr double kExportMarginMm = 10.0;

// The page an exported drawing is written on: the drawing plus the border all round, in
// millimetres, rounded up to what the writer takes (whole PostScript points for Qt's PDF
// writer, tenths of a millimetre for an SVG). The PDF file then states its page at the exact
// size, cut at the right and bottom edges.
QSizeF pdfPageSizeMm(const Drawing &drawing, double marginMm = kExportMarginMm);
QSizeF svgPageSizeMm(const Drawing &drawing, double marginMm = kExportMarginMm);

// Writes the drawing at full scale to a one-page PDF (QPdfWriter) or to an SVG whose width,
// height and viewBox are in millimetres (QSvgGenerator), the drawing's top-left corner at the
// border. Lines are paths, texts stay text. The file is written beside its place under a
// temporary name and renamed into place only once it is complete (onto the file a symbolic
// link leads to), so a failure (a full disk, a folder that may not be written, a page the
// writer does not take) returns false with the reason in words in *error and leaves whatever
// file was there before untouched and no half file behind.
bool exportDrawingPdf(const Drawing &drawing, const QString &path, QString *error);
bool exportDrawingSvg(const Drawing &drawing, const QString &path, QString *error);

// The documents themselves, painted in memory: empty when the writer refused to paint them.
// marginMm is the border round each drawing (0: the page is the drawing, its top-left corner at
// the page's); the PDF has one page per drawing, each page of its drawing's size.
QByteArray renderPagesPdf(const std::vector<Drawing> &pages, double marginMm);
QByteArray renderDrawingSvg(const Drawing &drawing, double marginMm);

// Why no PDF or SVG was written for a drawing: Qt's writer did not take its page.
QString pdfRefusedText(double widthMm, double heightMm);
QString svgRefusedText(double widthMm, double heightMm);

} // namespace drawing
