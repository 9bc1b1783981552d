#pragma once

#include "drawing/dialsketch.h"
#include "drawing/page.h"

namespace drawing {

// The sketch as the program's page renderers take it: the same millimetres, moved so that the
// sketch's extent starts at (0, 0) and with y turned downwards. This is the one place where the
// dial's frame (y up) meets the page's (y down). The screen shows this: the plate and whatever
// stands beside it.
drawing::Drawing ToSheetDrawing(const DialSketch &sketch);

// Where a point of the dial's frame (mm from F, y up) stands on the page ToSheetDrawing makes:
// (x - extent.left, extent.top - y), extent being the sketch's. For what is laid over that page,
// such as the shadow at an instant.
drawing::DrawingPoint ToSheetPoint(const Box &extent, Pt dialPoint);

// The plate alone, as a file shows it: the page is the plate (widthMm x heightMm its size), its
// top-left corner at (0, 0), so a point (x, y) of the dial's frame stands at
// (x - plate.left, plate.top - y) and the foot F at (-plate.left, plate.top). Items marked aside
// are left out.
drawing::Drawing ToPlatePage(const DialSketch &sketch);

// The items that stand beside the plate, on a page of their own just large enough for them
// (their box's top-left corner at (0, 0)); an empty drawing (size 0) when everything is on the
// plate.
drawing::Drawing ToAsidePage(const DialSketch &sketch);

} // namespace drawing
