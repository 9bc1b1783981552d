#pragma once

// The 100 mm bar painted straight onto a page, for a print that draws with QPainter in device
// dots rather than through a Drawing.

#include "drawing/scalebar.h"

class QPainter;

namespace drawing {

// The bar as a solid black band bandMm thick whose top-left corner is at (leftMm, topMm) on the
// page, its ticks hanging below it in black penMm wide (the pen is left set); dotsPerMm device
// dots to the millimetre, no transform.
void PaintScaleBar(QPainter &painter, const ScaleBar &bar, double leftMm, double topMm, double bandMm, double penMm,
                   double dotsPerMm);

} // namespace drawing
