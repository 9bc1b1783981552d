#pragma once

// Where on the plate a rectangle covers nothing already drawn, for the title block, the style
// template, the 100 mm bar and the arrows.

#include "drawing/dialsketch.h"

#include <optional>
#include <vector>

namespace drawing {

// The plate cut into square cells, a cell taken when a line, a label or a dot touches it, and a
// table of running sums, so that asking whether a rectangle is free costs four look-ups.
class FreeSpace {
public:
    // Everything the sketch holds already, on the plate less an inset all round.
    FreeSpace(const DialSketch &sketch, double insetMm);

    void occupy(const Box &box) { markBox(box); }

    // The lower-left corner of a free w x h rectangle inside the plate's inset, the one nearest
    // to a corner of the plate, or with nearTop the one nearest its top edge and, of those, its
    // middle; nothing when there is none.
    std::optional<Pt> find(double w, double h, bool nearTop = false) const;

private:
    void mark(double x, double y);
    void markBox(const Box &b);
    // Samples the part of the segment over the plate every half cell.
    void markSegment(Pt a, Pt b);

    Box area_;
    double cell_ = 1;
    long cols_ = 0, rows_ = 0;
    std::vector<unsigned char> taken_;
};

} // namespace drawing
