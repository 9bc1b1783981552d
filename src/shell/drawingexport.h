#pragma once

#include "sheet/drawing.h"

#include <QSizeF>
#include <QString>

namespace shell {

// White border around the drawing on an exported page, in millimetres.
inline constexpr double kExportMarginMm = 10.0;

// The page an exported drawing is written on: the drawing plus the border all round, in
// millimetres, rounded up to what the file format stores exactly (whole PostScript points
// for a PDF page, tenths of a millimetre for an SVG).
QSizeF pdfPageSizeMm(const sheet::Drawing &drawing);
QSizeF svgPageSizeMm(const sheet::Drawing &drawing);

// Writes the drawing at full scale to a one-page PDF (QPdfWriter) or to an SVG whose width,
// height and viewBox are in millimetres (QSvgGenerator), the drawing's top-left corner at the
// border. Lines are paths, texts stay text. The file is written beside its place under a
// temporary name and renamed into place only once it is complete, so a failure (a full disk,
// a folder that may not be written) returns false and leaves whatever file was there before
// untouched and no half file behind.
bool exportDrawingPdf(const sheet::Drawing &drawing, const QString &path);
bool exportDrawingSvg(const sheet::Drawing &drawing, const QString &path);

} // namespace shell
