#include "drawing/freespace.h"

#include <algorithm>
#include <cmath>

namespace drawing {

FreeSpace::FreeSpace(const DialSketch &sketch, double insetMm)
    : FreeSpace(sketch.plate, sketch.lines, sketch.lines.size(), insetMm)
{
    complete(sketch, sketch.lines.size());
}

FreeSpace::FreeSpace(const Box &plate, const std::vector<Polyline> &lines, std::size_t count, double insetMm)
{
    const Box &p = plate;
    area_ = {p.left + insetMm, p.bottom + insetMm, p.right - insetMm, p.top - insetMm};
    const double w = area_.right - area_.left, h = area_.top - area_.bottom;
    if (!(w > 0 && h > 0))
        return;
    // Near 100 000 cells whatever the plate's size, never finer than 2 mm.
    cell_ = std::max(2.0, std::sqrt(w * h / 100000.0));
    cols_ = static_cast<long>(std::ceil(w / cell_));
    rows_ = static_cast<long>(std::ceil(h / cell_));
    taken_.assign(static_cast<std::size_t>(cols_ * rows_), 0);
    for (std::size_t k = 0; k < count && k < lines.size(); ++k)
        markLine(lines[k]);
}

void FreeSpace::complete(const DialSketch &sketch, std::size_t marked)
{
    if (taken_.empty())
        return;
    // A cell is taken or not whatever marked it first: the map is the same as if made at once.
    for (std::size_t k = marked; k < sketch.lines.size(); ++k)
        markLine(sketch.lines[k]);
    for (const Label &l : sketch.labels)
        markBox(l.box());
    for (const Dot &d : sketch.dots)
        markBox({d.at.x - d.radiusMm, d.at.y - d.radiusMm, d.at.x + d.radiusMm, d.at.y + d.radiusMm});
    sum_.assign(static_cast<std::size_t>((cols_ + 1) * (rows_ + 1)), 0);
    sumFrom(0, 0);
}

void FreeSpace::markLine(const Polyline &l)
{
    // The grid is a guide drawn under everything: it takes no room.
    if (l.layer == Layer::Plate || l.layer == Layer::Grid || l.points.empty())
        return;
    const std::size_t n = l.points.size();
    const std::size_t segments = l.closed ? n : n - 1;
    for (std::size_t i = 0; i < segments || n == 1; ++i) {
        markSegment(l.points[i], l.points[(i + 1) % n]);
        if (n == 1)
            break;
    }
}

void FreeSpace::sumFrom(long c0, long r0)
{
    for (long r = r0; r < rows_; ++r)
        for (long c = c0; c < cols_; ++c)
            sum(c + 1, r + 1) = taken_[static_cast<std::size_t>(r * cols_ + c)] + sum(c, r + 1) + sum(c + 1, r) - sum(c, r);
}

void FreeSpace::occupy(const Box &b)
{
    if (taken_.empty())
        return;
    markBox(b);
    // Only the sums of the cells to the right of the box's left edge and above its bottom edge
    // count a cell of it.
    const long c0 = std::max(0L, static_cast<long>(std::floor((b.left - area_.left) / cell_)));
    const long r0 = std::max(0L, static_cast<long>(std::floor((b.bottom - area_.bottom) / cell_)));
    sumFrom(std::min(c0, cols_), std::min(r0, rows_));
}

std::optional<Pt> FreeSpace::find(double w, double h, bool nearTop) const
{
    if (taken_.empty())
        return std::nullopt;
    const long cw = static_cast<long>(std::ceil(w / cell_)), ch = static_cast<long>(std::ceil(h / cell_));
    if (cw > cols_ || ch > rows_)
        return std::nullopt;
    auto isFree = [&](long c, long r) { return sum(c + cw, r + ch) - sum(c, r + ch) - sum(c + cw, r) + sum(c, r) == 0; };
    std::optional<Pt> best;
    long bestScore = 0;
    if (nearTop) {
        // Rows from the top first; within a row, off the middle by as little as may be. A row
        // that has a free place beats every row below it, whatever the places' columns.
        for (long r = rows_ - ch; r >= 0 && !best; --r)
            for (long c = 0; c + cw <= cols_; ++c) {
                if (!isFree(c, r))
                    continue;
                const long score = (rows_ - r - ch) * (cols_ + 1) + std::abs(2 * c + cw - cols_) / 2;
                if (!best || score < bestScore) {
                    bestScore = score;
                    best = Pt{area_.left + c * cell_, area_.top - (rows_ - r) * cell_};
                }
            }
        return best;
    }
    for (long r = 0; r + ch <= rows_; ++r) {
        // Nearer no edge than the best so far: nothing in this row can do better.
        if (best && std::min(r, rows_ - r - ch) >= bestScore)
            continue;
        for (long c = 0; c + cw <= cols_; ++c) {
            if (best && std::min(c, cols_ - c - cw) >= bestScore)
                continue;
            if (!isFree(c, r))
                continue;
            const long score = std::max(std::min(c, cols_ - c - cw), std::min(r, rows_ - r - ch));
            if (!best || score < bestScore) {
                bestScore = score;
                // Flush with the inset's edge on the side the rectangle is nearer to.
                const double x = c <= cols_ - c - cw ? area_.left + c * cell_ : area_.right - (cols_ - c) * cell_;
                const double yb = r <= rows_ - r - ch ? area_.bottom + r * cell_ : area_.top - (rows_ - r) * cell_;
                best = Pt{x, yb};
            }
        }
    }
    return best;
}

void FreeSpace::mark(double x, double y)
{
    // Only points of segments clipped to the plate come here: well within a long.
    const long c = floorToLong((x - area_.left) / cell_);
    const long r = floorToLong((y - area_.bottom) / cell_);
    if (c >= 0 && c < cols_ && r >= 0 && r < rows_)
        taken_[static_cast<std::size_t>(r * cols_ + c)] = 1;
}

void FreeSpace::markBox(const Box &b)
{
    if (taken_.empty())
        return;
    const long c0 = std::max(0L, static_cast<long>(std::floor((b.left - area_.left) / cell_)));
    const long c1 = std::min(cols_ - 1, static_cast<long>(std::floor((b.right - area_.left) / cell_)));
    const long r0 = std::max(0L, static_cast<long>(std::floor((b.bottom - area_.bottom) / cell_)));
    const long r1 = std::min(rows_ - 1, static_cast<long>(std::floor((b.top - area_.bottom) / cell_)));
    for (long r = r0; r <= r1; ++r)
        for (long c = c0; c <= c1; ++c)
            taken_[static_cast<std::size_t>(r * cols_ + c)] = 1;
}

void FreeSpace::markSegment(Pt a, Pt b)
{
    if (taken_.empty() || !std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return;
    // A segment with both ends on the plate is taken whole (the clipping would say 0 and 1).
    const auto inside = area_.contains(a) && area_.contains(b) ? std::pair{0.0, 1.0} : clipToBox(a, b, area_);
    if (!inside)
        return;
    const auto [t0, t1] = *inside;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy) * (t1 - t0);
    const long steps = static_cast<long>(std::ceil(length / (cell_ * 0.5))) + 1;
    for (long k = 0; k <= steps; ++k) {
        const double t = t0 + (t1 - t0) * static_cast<double>(k) / static_cast<double>(steps);
        mark(a.x + dx * t, a.y + dy * t);
    }
}

} // namespace drawing
