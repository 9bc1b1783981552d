#pragma once

// The title block of a dial's drawing: its title, every input in words and numbers, the derived
// style elevation, substyle angle and longitude difference, and a legend of the line families
// in their colours.

#include "drawing/furniture.h"

#include <string>

namespace drawing {

// The block as a piece (top-left corner at the origin), its capitals th high and the title
// larger; `heading` is the drawing's title. A sheet's drawing (title.blockLines not empty) gives
// its own lines in place of the designer's account of the inputs.
Piece TitleBlockPiece(const gnomonics::DialLines &dial, const std::string &heading, const SketchTitle &title, double th);

} // namespace drawing
