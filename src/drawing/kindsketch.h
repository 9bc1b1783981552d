#pragma once

// What the dials other than a plane with a style add to their drawing: the bifilar dial's two
// wires in plan, the analemmatic dial's ellipse with its hour marks, date scale and footprint,
// and the dark room's meridian line with its day marks and spots of light.

#include "drawing/dialsketch.h"
#include "drawing/furniture.h"

#include <vector>

namespace drawing {

// The kind's own lines, marks and names, added to the sketch (labels placed beside their marks).
void AddKindItems(DialSketch &sketch, const gnomonics::DialLines &dial, double labelMm);

// The analemmatic dial's table of the equation of time, one value a week, when its hours are
// the zone's (the ellipse cannot carry it); an empty piece otherwise.
Piece EquationOfTimePiece(const gnomonics::DialLines &dial, double th);

} // namespace drawing
