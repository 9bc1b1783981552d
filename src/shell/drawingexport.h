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
// border. Lines are paths, texts stay text. Returns false when the file could not be written
// completely; the half-written file is then removed (a file that was there before and could
// not even be opened is left alone).
bool exportDrawingPdf(const sheet::Drawing &drawing, const QString &path);
bool exportDrawingSvg(const sheet::Drawing &drawing, const QString &path);

} // namespace shell
