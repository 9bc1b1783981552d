#pragma once

#include "designer/designerexport.h"

#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace designer {

// The construction sheet: what a maker needs at the wall, on A4 pages in the program's
// language. First the facts (the place, the plane, the gnomon and its template, where O and F
// stand on the plate), then the coordinates of every line as the "Coordinate" tab shows them.
struct SheetFact {
    QString label; // empty for a heading
    QString value; // the heading's words when label is empty
};
// The facts of an accepted dial; a measure that does not exist (a polar dial's O) reads "—".
std::vector<SheetFact> ConstructionFacts(const project::Project &project, const DesignedDial &dial);

// Paints the sheet on a device already open with the painter, A4 upright, starting each page
// after the first with newPage(); the painter's origin is the printable area's corner, which is
// printableWidthMm x printableHeightMm at dotsPerMm device units to the millimetre. False when
// the device refused a page.
bool PaintConstructionSheet(QPainter &painter, const std::function<bool()> &newPage, const project::Project &project,
                            const DesignedDial &dial, double printableWidthMm, double printableHeightMm,
                            double dotsPerMm);

// Writes the sheet as a PDF at path, atomically; false with the reason in *error.
bool ExportConstructionSheet(const QString &path, const project::Project &project, const DesignedDial &dial,
                             QString *error);

} // namespace designer
