#pragma once

// Where on the plate a rectangle covers nothing already drawn, for the title block, the style
// template, the 100 mm bar and the arrows.

#include "drawing/dialsketch.h"

#include <optional>
#include <vector>

namespace drawing {

// The plate cut into square cells, a cell taken when a line, a label or a dot touches it, and a
// table of running sums, so that asking whether a rectangle is free costs four look-ups. The
// table is made once and brought up to date where a piece set on the plate changed it.
class FreeSpace {
public:
    // Everything the sketch holds already, on the plate less an inset all round.
    FreeSpace(const DialSketch &sketch, double insetMm);
    // The plate less an inset with its first lines only (lines[0 .. count)), to be completed
    // once the rest is drawn: the map of a dial's lines is made while their names are placed.
    FreeSpace(const Box &plate, const std::vector<Polyline> &lines, std::size_t count, double insetMm);
    // Completes a map begun on the sketch's first `marked` lines with its other lines, its
    // labels and its dots.
    void complete(const DialSketch &sketch, std::size_t marked);

    void occupy(const Box &box);

    // The lower-left corner of a free w x h rectangle inside the plate's inset, the one nearest
    // to a corner of the plate, or with nearTop the one nearest its top edge and, of those, its
    // middle; nothing when there is none.
    std::optional<Pt> find(double w, double h, bool nearTop = false) const;

private:
    void markLine(const Polyline &l);
    void mark(double x, double y);
    void markBox(const Box &b);
    // Samples the part of the segment over the plate every half cell.
    void markSegment(Pt a, Pt b);
    // The running sums of the cells from column c0 and row r0 on, those before them as they are.
    void sumFrom(long c0, long r0);
    long &sum(long c, long r) { return sum_[static_cast<std::size_t>(r * (cols_ + 1) + c)]; }
    long sum(long c, long r) const { return sum_[static_cast<std::size_t>(r * (cols_ + 1) + c)]; }

    Box area_;
    double cell_ = 1;
    long cols_ = 0, rows_ = 0;
    std::vector<unsigned char> taken_;
    // sum(c, r): how many cells are taken in the first c columns of the first r rows.
    std::vector<long> sum_;
};

} // namespace drawing
