#pragma once

// What a dial's drawing carries besides its lines: the style template at 1:1, the 100 mm bar
// and the arrows (up on the plane, North on a horizontal dial), and with the title block each
// set on the plate where it covers nothing, nearest a corner, or else beside the plate.

#include "drawing/dialsketch.h"
#include "drawing/freespace.h"

#include <vector>

namespace drawing {

// A group of lines and texts that travels as one: the title block, the style template, the
// bar, the arrows. Built with its box's top edge at y = 0, then moved to where it goes.
struct Piece {
    std::vector<Polyline> lines;
    std::vector<Label> labels;
    Box box;
    bool aside = false;
    bool nearTop = false; // set nearest the plate's top edge rather than a corner
};

// A straight line of the drawing from a to b.
Polyline SegmentLine(Pt a, Pt b, Layer layer, bool dashed = false);

// The style template at 1:1: the triangle F, nodus, O that the style and its support form, to
// cut out and hold against the wall; its angle at O is the style elevation. Texts th high.
Piece StyleTemplatePiece(const gnomonics::DialPlane &plane, double th);

// The 100 mm bar, its ticks every centimetre, named "100 mm" th high at its right end.
Piece ScaleBarPiece(double th);

// An arrow pointing up on the plane, and one pointing North on a horizontal dial; the longer
// the larger the plate's smaller side.
Piece ArrowsPiece(const gnomonics::DialSpec &design, const gnomonics::DialPlane &plane, double plateSide, double th);

// The motto: one line of text, as tall as the plate's scale allows (a 25th of the plate's
// smaller side, no wider than four fifths of the plate, and never smaller than th), to be set
// in the free place nearest the plate's top.
Piece MottoPiece(const std::string &motto, const Box &plate, double th);

// A grid of squares of that side over the plate, on its own layer, drawn fine; its lines
// through F, so that a square's corners are whole multiples of the side in the CSV's frame.
std::vector<Polyline> GridLines(const Box &plate, double sideMm);

// Sets the pieces on the sketch's plate, each where it covers nothing, nearest a corner, in
// turn (the arrows, the last piece, first when they would otherwise find no room); a piece left
// without room stands beside the plate, to its right, one under the other, marked aside.
// `space` is the sketch's free space as PiecesFreeSpace begins it, completed on the sketch.
void SetPiecesOnPlate(DialSketch &sketch, std::vector<Piece> pieces, const gnomonics::ClipRect &clip, double th,
                      const FreeSpace &space);

// The free space the pieces are set in, for pieces of text height th, begun on the first
// `count` of the lines (see FreeSpace).
FreeSpace PiecesFreeSpace(const Box &plate, const std::vector<Polyline> &lines, std::size_t count, double th);

} // namespace drawing
