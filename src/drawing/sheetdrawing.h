#pragma once

#include "drawing/dialsketch.h"
#include "sheet/drawing.h"

namespace drawing {

// The sketch as the program's page renderers take it: the same millimetres, moved so that the
// sketch's extent starts at (0, 0) and with y turned downwards. This is the one place where the
// dial's frame (y up) meets the page's (y down).
sheet::Drawing ToSheetDrawing(const DialSketch &sketch);

} // namespace drawing
