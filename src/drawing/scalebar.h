#pragma once

// The 100 mm bar by which a maker checks with a ruler that a drawing or a print is at true
// scale. One model for every place that draws one: the dial's drawing, each tile of the 1:1
// print and the survey protractor.

#include "drawing/geometry2d.h"

#include <array>
#include <vector>

namespace drawing {

inline constexpr double kScaleBarMm = 100.0;
// What the drawing and the tiles write beside the bar.
inline constexpr const char *kScaleBarName = "100 mm";

struct ScaleBarTick {
    double atMm = 0;     // from the bar's left end
    double lengthMm = 0; // away from the bar
};

struct ScaleBar {
    double lengthMm = kScaleBarMm;
    std::vector<ScaleBarTick> ticks; // left to right
};

// The bar with a tick every spacingMm from its left end to its right end; the ticks on a
// multiple of majorEveryMm are majorMm long, the others minorMm.
ScaleBar HundredMillimetreBar(double spacingMm, double majorEveryMm, double majorMm, double minorMm);

// The bar as the dial's drawing and the protractor show it: a tick every centimetre, 4 mm long
// at 0, 5 and 10 cm, 2 mm between.
ScaleBar CentimetreBar();

// The bar's strokes, the bar itself first and then each tick from left to right: the bar's left
// end at `left`, the ticks leaving the bar along y, upwards for tickSide +1 and downwards for -1
// (in a frame whose y grows upwards; on a page whose y grows downwards, +1 runs down the page).
std::vector<std::array<Pt, 2>> ScaleBarStrokes(const ScaleBar &bar, Pt left, double tickSide);

} // namespace drawing
