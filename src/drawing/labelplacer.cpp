#include "drawing/labelplacer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <numbers>
#include <utility>

namespace drawing {

namespace {

// The segments of every line, bucketed in square cells, so that a label's box is tested only
// against the segments near it. The cells are one flat table over the lines' extent, each
// holding its segments side by side: a label tries thousands of places, and each asks for a
// few cells.
class SegmentGrid {
public:
    explicit SegmentGrid(const std::vector<Polyline> &lines, double cellMm) : cell_(cellMm)
    {
        // Every segment under every cell it passes through, then sorted into the cells.
        std::vector<std::pair<Cell, Segment>> filed;
        std::size_t points = 0;
        for (const Polyline &line : lines)
            points += line.points.size();
        filed.reserve(2 * points); // most segments lie in one or two cells
        for (std::size_t l = 0; l < lines.size(); ++l) {
            if (lines[l].layer == Layer::Plate || lines[l].layer == Layer::Grid)
                continue; // the plate check covers the outline; names may stand over the grid
            const auto &pts = lines[l].points;
            const std::size_t n = pts.size();
            const std::size_t segments = lines[l].closed ? n : (n > 0 ? n - 1 : 0);
            for (std::size_t i = 0; i < segments; ++i)
                file({pts[i], pts[(i + 1) % n], l}, filed);
        }
        if (filed.empty())
            return;
        long x1 = filed.front().first.x, y1 = filed.front().first.y;
        x0_ = x1;
        y0_ = y1;
        for (const auto &[cell, segment] : filed) {
            x0_ = std::min(x0_, cell.x);
            x1 = std::max(x1, cell.x);
            y0_ = std::min(y0_, cell.y);
            y1 = std::max(y1, cell.y);
        }
        columns_ = x1 - x0_ + 1;
        rows_ = y1 - y0_ + 1;
        if (static_cast<double>(columns_) * static_cast<double>(rows_) > kMostCells) {
            // Lines spread far beyond any plate the designer accepts: one cell holds them all,
            // and every question looks at every segment, as slowly as that is, with the same
            // answers.
            oneCell_ = true;
            x0_ = y0_ = 0;
            columns_ = rows_ = 1;
            for (auto &[cell, segment] : filed)
                cell = {0, 0};
        }
        start_.assign(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
        for (const auto &[cell, segment] : filed)
            ++start_[index(cell.x, cell.y) + 1];
        for (std::size_t k = 1; k < start_.size(); ++k)
            start_[k] += start_[k - 1];
        segments_.resize(filed.size());
        std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
        for (const auto &[cell, segment] : filed)
            segments_[next[index(cell.x, cell.y)]++] = segment;
    }
    // Does any segment of a line that `wanted(line index)` accepts meet the box?
    template <typename Wanted>
    bool meets(const Box &box, Wanted wanted) const
    {
        const Box grown = withRoundingMargin(box);
        return forEachNear(box, wanted, [&](Pt a, Pt b) { return !surelyApart(a, b, grown) && segmentMeetsBox(a, b, box); });
    }
    // Does any segment of a line that `wanted` accepts meet the segment ab?
    template <typename Wanted>
    bool crosses(Pt a, Pt b, Wanted wanted) const
    {
        bool found = false;
        auto inCell = [&](Cell cell) {
            if (found || !holds(cell.x, cell.y))
                return;
            const std::size_t k = index(cell.x, cell.y);
            work_ += start_[k + 1] - start_[k];
            for (std::size_t s = start_[k]; s < start_[k + 1]; ++s) {
                if (wanted(segments_[s].line) && segmentsMeet(a, b, segments_[s].a, segments_[s].b)) {
                    found = true;
                    return;
                }
            }
        };
        if (oneCell_)
            inCell({0, 0});
        else
            alongSegment(a, b, inCell);
        return found;
    }
    // Is any segment that `wanted` accepts nearer to c than radius?
    template <typename Wanted>
    bool anyNearer(Pt c, double radius, Wanted wanted) const
    {
        return forEachNear(Box{c.x - radius, c.y - radius, c.x + radius, c.y + radius}, wanted,
                           [&](Pt a, Pt b) { return distanceToSegment(c, a, b) < radius; });
    }

    // The segments looked at so far, each counted once per look, the measure of the work done.
    std::size_t work() const { return work_; }

private:
    struct Cell {
        long x, y;
    };
    // A segment filed under a cell carries its ends with it: a label's box asks for the
    // segments of a few cells, and reading them side by side beats looking each up in its line.
    struct Segment {
        Pt a, b;
        std::size_t line;
    };

    bool holds(long x, long y) const { return x >= x0_ && x < x0_ + columns_ && y >= y0_ && y < y0_ + rows_; }
    std::size_t index(long x, long y) const { return static_cast<std::size_t>((y - y0_) * columns_ + (x - x0_)); }

    // Visits the segments that `wanted` accepts in the cells the box covers until `visit` says
    // it has found what it looks for; whether it did. No answer depends on the order.
    template <typename Wanted, typename Visit>
    bool forEachNear(const Box &box, Wanted wanted, Visit visit) const
    {
        if (segments_.empty())
            return false;
        // Only the cells that hold something: a label far from its line asks how near the
        // others are over a box wider than the whole grid.
        const long x0 = oneCell_ ? 0 : std::max(key(box.left), x0_);
        const long x1 = oneCell_ ? 0 : std::min(key(box.right), x0_ + columns_ - 1);
        const long y0 = oneCell_ ? 0 : std::max(key(box.bottom), y0_);
        const long y1 = oneCell_ ? 0 : std::min(key(box.top), y0_ + rows_ - 1);
        for (long y = y0; y <= y1; ++y)
            for (long x = x0; x <= x1; ++x) {
                const std::size_t k = index(x, y);
                work_ += start_[k + 1] - start_[k];
                for (std::size_t s = start_[k]; s < start_[k + 1]; ++s) {
                    const Segment &segment = segments_[s];
                    if (wanted(segment.line) && visit(segment.a, segment.b))
                        return true;
                }
            }
        return false;
    }
    // The cell of a coordinate; one beyond any cell of the grid for a coordinate beyond it.
    long key(double v) const
    {
        const double k = v / cell_;
        if (!(k > -1e15))
            return std::numeric_limits<long>::min() / 2;
        if (!(k < 1e15))
            return std::numeric_limits<long>::max() / 2;
        return floorToLong(k);
    }
    // Every cell the segment ab passes through, perhaps more than once: samples a quarter cell
    // apart, each with the cells within a quarter cell of it, so that a segment that only
    // grazes a cell's corner is still seen there. A long straight hour line crosses a few
    // hundred cells.
    template <typename Visit>
    void alongSegment(Pt a, Pt b, Visit visit) const
    {
        if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
            return;
        const double q = cell_ / 4;
        const long steps = static_cast<long>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / q));
        if (steps > 1000000)
            return;
        long px0 = 1, px1 = 0, py0 = 1, py1 = 0; // the cells of the sample before
        for (long k = 0; k <= steps; ++k) {
            const double t = steps > 0 ? static_cast<double>(k) / static_cast<double>(steps) : 0.0;
            const Pt m{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            const long x0 = key(m.x - q), x1 = key(m.x + q), y0 = key(m.y - q), y1 = key(m.y + q);
            for (long x = x0; x <= x1; ++x)
                for (long y = y0; y <= y1; ++y)
                    if (x < px0 || x > px1 || y < py0 || y > py1)
                        visit(Cell{x, y});
            px0 = x0, px1 = x1, py0 = y0, py1 = y1;
        }
    }
    void file(const Segment &segment, std::vector<std::pair<Cell, Segment>> &filed) const
    {
        const Pt a = segment.a, b = segment.b;
        if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
            return; // no point of it can be near a label
        const long x0 = key(std::min(a.x, b.x)), x1 = key(std::max(a.x, b.x));
        const long y0 = key(std::min(a.y, b.y)), y1 = key(std::max(a.y, b.y));
        if (static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1) <= 4) {
            // A short segment (most are): the few cells of its box.
            for (long x = x0; x <= x1; ++x)
                for (long y = y0; y <= y1; ++y)
                    filed.push_back({Cell{x, y}, segment});
            return;
        }
        // Along a straight segment the samples meet each cell in one run of samples, and only
        // the cells the sample before did not cover are visited: each cell once.
        alongSegment(a, b, [&](Cell cell) { filed.push_back({cell, segment}); });
    }
    double cell_;
    // The largest table: a plate of 100 m with the largest names holds about a million cells.
    static constexpr double kMostCells = 16e6;
    long x0_ = 0, y0_ = 0;       // the first cell of the table
    long columns_ = 0, rows_ = 0;
    bool oneCell_ = false;
    std::vector<std::uint32_t> start_; // cell k's segments: segments_[start_[k]] up to start_[k + 1]
    std::vector<Segment> segments_;
    mutable std::size_t work_ = 0;
};

// The work the names of one drawing may take, counted in segments looked at, a place tried
// counting as kPlaceWork of them: some two thousand million, about a second. A dial within the
// designer's limits stays far below it, but where lines crowd beyond reading (lines of azimuth
// and altitude every degree round a nodus small beside its plate) the search for free places
// grows without bound; past the limit every name left goes straight to its last resort, so that
// every drawing, and every file of it, is done within a couple of seconds. Counted, not timed:
// the same dial always gets the same names in the same places.
constexpr std::size_t kMostWork = 1'500'000'000;
constexpr std::size_t kPlaceWork = 400;

// How much farther than its own line the nearest other line of its family must be from a label.
constexpr double kClearlyNearer = 1.5;
// The eye carries a line on a little beyond its end: so much of every line's prolongation, in
// label heights, counts as that line when a label is weighed against its neighbours, so that a
// number set just past the end of one short line cannot stand over the end of the next.
constexpr double kCarriedOnHeights = 3.0;
// Where short lines crowd (near F, on a wall that declines far) a number too large to stand
// clearly by its own line is tried smaller, down to this height; a number traced at full scale
// still reads at 2 mm.
constexpr double kSmallestLabelMm = 2.0;
constexpr std::array<double, 4> kLabelScales{1.0, 0.7, 0.5, 0.35};

class LabelPlacer {
public:
    LabelPlacer(DialSketch &sketch, const Box &area, double labelMm)
        : sketch_(sketch), lines_(sketch.lines), area_(area), tips_(carriedOn(sketch.lines, labelMm * kCarriedOnHeights)),
          grid_(sketch.lines, cellFor(area, labelMm)), tipGrid_(tips_, cellFor(area, labelMm))
    {
        // Each line's ends and the way it runs there, asked for every place a label tries.
        ends_.resize(lines_.size());
        for (std::size_t k = 0; k < lines_.size(); ++k) {
            const auto &pts = lines_[k].points;
            if (pts.size() < 2)
                continue;
            ends_[k] = {endOf(pts.front(), comingFrom(pts, false)), endOf(pts.back(), comingFrom(pts, true))};
        }
        chunks_.resize(lines_.size());
        for (std::size_t k = 0; k < lines_.size(); ++k) {
            const auto &pts = lines_[k].points;
            for (std::size_t i = 0; i + 1 < pts.size(); i += kChunk) {
                Chunk chunk;
                chunk.box = {pts[i].x, pts[i].y, pts[i].x, pts[i].y};
                for (std::size_t j = i + 1; j <= std::min(i + kChunk, pts.size() - 1); ++j)
                    chunk.box.include(pts[j]);
                chunk.scale = std::max({std::abs(chunk.box.left), std::abs(chunk.box.right), std::abs(chunk.box.bottom),
                                        std::abs(chunk.box.top)});
                chunks_[k].push_back(chunk);
            }
        }
    }

    // A dot no label may cover; a leader may leave from under it, to a line that ends there.
    void reserve(const Box &box) { dots_.push_back(box); }

    // Every label of a line finds a place: next to its line at the drawing's size, or a size
    // smaller where short lines crowd; then farther out on its line's own prolongation with a
    // thin leader, or a little apart with a leader. A label that could be read as another
    // line's is the last resort, and then it is tied to its own by a leader.
    bool place(const PendingLabel &l, double heightMm)
    {
        if (l.ownLine < 0)
            return placeBeside(l, heightMm) || placeWithLeader(l, heightMm, 0.0, 12) || (spent() && placeAtAnchor(l, heightMm));
        std::vector<double> sizes;
        for (double scale : kLabelScales)
            if (scale == 1.0 || heightMm * scale >= kSmallestLabelMm)
                sizes.push_back(heightMm * scale);
        if (spent())
            return placeAtAnchor(l, sizes.back());
        // A piece shorter than the drawing's label (the hour lines crowding near F on a
        // sheet's drawing) takes the smallest number first: a large one finds room only far
        // off, at the end of a leader as long as an hour line, and its leader keeps the
        // numbers of the next lines away.
        if (pieceLength(l) < heightMm)
            std::reverse(sizes.begin(), sizes.end());
        if (std::any_of(sizes.begin(), sizes.end(), [&](double h) { return placeBeside(l, h); }) ||
            std::any_of(sizes.begin(), sizes.end(), [&](double h) { return placeOnProlongation(l, h); }))
            return true;
        // Set apart, the label keeps the drawing's size, or else takes the smallest (a short
        // piece the other way round).
        if (spent())
            return placeAtAnchor(l, *std::min_element(sizes.begin(), sizes.end()));
        const std::array<double, 2> apart{sizes.front(), sizes.back()};
        for (const auto &way : std::array<std::function<bool(double)>, 4>{
                 [&](double h) { return placeWithLeader(l, h, kClearlyNearer, 12); },
                 [&](double h) { return placeWithLeader(l, h, 1.0, 12); },
                 [&](double h) { return placeWithLeader(l, h, 0.0, 40); },
                 [&](double h) { return placeWithLeader(l, h, 0.0, 40, true); }})
            if (std::any_of(apart.begin(), apart.end(), way))
                return true;
        // The half of a narrow analemma may have no free place nearer it than the other half:
        // its leader alone then says which it names.
        PendingLabel alone = l;
        alone.namesakes.clear();
        if (placeWithLeader(alone, apart.back(), 0.0, 40, true))
            return true;
        if (spent())
            return placeAtAnchor(l, apart.back());
        // Where names crowd so that no place near the piece is left, the name still goes on
        // the drawing: anywhere on the plate free of other names, however far, and at worst
        // beside the plate, tied to its piece by its leader. A piece left bare would be worse.
        return placeFarOff(alone, apart.back());
    }

    // The length of the piece a label names (of its line's first piece when it names no
    // piece in particular).
    double pieceLength(const PendingLabel &l) const
    {
        const long k = l.piece >= 0 ? l.piece : l.ownLine;
        if (k < 0 || k >= static_cast<long>(lines_.size()))
            return 0.0;
        const auto &pts = lines_[static_cast<std::size_t>(k)].points;
        double length = 0.0;
        for (std::size_t i = 0; i + 1 < pts.size(); ++i)
            length += dist(pts[i], pts[i + 1]);
        return length;
    }

    // The thin lines that tie a label set apart to its own line; drawn once every label stands.
    std::vector<Polyline> leaders;

private:
    // About a hundred cells across the drawing, but no smaller than a label (a label's box then
    // looks at a few cells) and no larger than a few labels, so that where short lines crowd
    // near F, on a small drawing as on a plate of many metres, a label is not weighed against
    // every line of the dial.
    static double cellFor(const Box &area, double labelMm)
    {
        const double extent = std::max(area.right - area.left, area.top - area.bottom);
        return std::clamp(extent / 100.0, std::max(labelMm, 0.5), std::max(8.0 * labelMm, 0.5));
    }

    static bool isLineOfDial(Layer layer)
    {
        return layer == Layer::Hours || layer == Layer::ClockHours || layer == Layer::Italic ||
               layer == Layer::Babylonian || layer == Layer::Dates || layer == Layer::Temporary ||
               layer == Layer::Azimuth || layer == Layer::Altitude || layer == Layer::MeanHours ||
               layer == Layer::Meridian;
    }

    // For each end of every hour and date line, its prolongation over the given length, as a
    // two-point line of its layer; the first point of each is the end itself.
    std::vector<Polyline> carriedOn(const std::vector<Polyline> &lines, double lengthMm)
    {
        std::vector<Polyline> out;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const auto &pts = lines[k].points;
            if (!isLineOfDial(lines[k].layer) || lines[k].closed || pts.size() < 2)
                continue;
            for (const auto &[tip, before] : {std::pair{pts.back(), comingFrom(pts, true)}, std::pair{pts.front(), comingFrom(pts, false)}}) {
                const double dx = tip.x - before.x, dy = tip.y - before.y, len = std::hypot(dx, dy);
                if (!(len > 0))
                    continue;
                Polyline p;
                p.layer = lines[k].layer;
                p.points = {tip, {tip.x + dx / len * lengthMm, tip.y + dy / len * lengthMm}};
                out.push_back(std::move(p));
                tipOwner_.push_back(k);
            }
        }
        return out;
    }

    static Pt unit(const std::vector<Pt> &outward, std::size_t a)
    {
        const Pt o = a < outward.size() ? outward[a] : Pt{0, 1};
        const double n = std::hypot(o.x, o.y);
        return n > 0 ? Pt{o.x / n, o.y / n} : Pt{0, 1};
    }

    // The anchors worth trying for a label of that height: one of any that stand closer together
    // than a fraction of it (the eighths of a line a few millimetres long are one place).
    static std::vector<std::size_t> distinctAnchors(const PendingLabel &l, double apartMm)
    {
        std::vector<std::size_t> kept;
        for (std::size_t a = 0; a < l.anchors.size(); ++a)
            if (std::none_of(kept.begin(), kept.end(), [&](std::size_t k) { return dist(l.anchors[k], l.anchors[a]) < apartMm; }))
                kept.push_back(a);
        return kept;
    }

    bool isOwn(const PendingLabel &l, std::size_t k) const
    {
        return l.ownLine >= 0 && long(k) >= l.ownLine && long(k) < std::max(l.ownEnd, l.ownLine + 1);
    }
    bool isKin(const PendingLabel &l, std::size_t k) const { return !isOwn(l, k) && lines_[k].layer == l.layer; }

    // Whether a label centred at c reads as its own: its own piece, carried on beyond its ends,
    // `ratio` times nearer than any other line of its family, those carried on a little too.
    bool readsAsOwn(Pt c, const PendingLabel &l, double ratio) const
    {
        if (l.ownLine < 0)
            return true;
        // Of a line in pieces, the one it names is the nearest: the pieces of a straight line
        // lie on each other's prolongation, the halves of an analemma run side by side. This
        // holds for a label with a leader too, whose leader may leave from where two meet.
        if (l.piece >= 0 && !l.namesakes.empty()) {
            const double toPiece = distanceAlong(c, l.piece);
            for (long k : l.namesakes)
                if (distanceAlong(c, k) < toPiece)
                    return false;
        }
        if (!(ratio > 0))
            return true;
        const long first = l.piece >= 0 ? l.piece : l.ownLine;
        const long end = l.piece >= 0 ? l.piece + 1 : std::max(l.ownEnd, l.ownLine + 1);
        const double toOwn = distanceToOwn(c, first, end) * ratio;
        if (!std::isfinite(toOwn))
            return false;
        if (grid_.anyNearer(c, toOwn, [&](std::size_t k) { return isKin(l, k); }))
            return false;
        return !tipGrid_.anyNearer(c, toOwn, [&](std::size_t t) { return isKin(l, tipOwner_[t]); });
    }

    // Next to one of its anchors: beyond an end, beside the line, or across it.
    bool placeBeside(const PendingLabel &l, double heightMm)
    {
        const double w = TextWidthMm(l.text, heightMm);
        const double gap = heightMm * 0.4;
        const std::vector<std::size_t> anchors = distinctAnchors(l, heightMm * 0.25);
        for (int strict = 1; strict >= 0; --strict)
            for (std::size_t a : anchors) {
                const Pt p = l.anchors[a];
                const Pt o = unit(l.outward, a);
                // Box centres around the anchor, the outward side first.
                const std::array<Pt, 9> dirs{o, Pt{o.x * 0.7 - o.y * 0.7, o.y * 0.7 + o.x * 0.7},
                                             Pt{o.x * 0.7 + o.y * 0.7, o.y * 0.7 - o.x * 0.7}, Pt{-o.y, o.x},
                                             Pt{o.y, -o.x}, Pt{1, 0}, Pt{-1, 0}, Pt{0, 1}, Pt{0, -1}};
                const bool atEnd = a < l.atEnd.size() && l.atEnd[a];
                auto reachAlong = [&](Pt d) { return std::abs(d.x) * w / 2 + std::abs(d.y) * heightMm / 2 + gap; };
                for (std::size_t di = 0; di < dirs.size() + 2 + (atEnd ? 2 : 0); ++di) {
                    Pt c;
                    if (di < dirs.size() + 2) {
                        // Push the box out along d until its nearest side is `gap` from the anchor;
                        // straight outwards, also one and two label heights farther.
                        const Pt d = dirs[di < dirs.size() ? di : 0];
                        const double further = di < dirs.size() ? 0.0 : heightMm * static_cast<double>(di - dirs.size() + 1);
                        const double reach = reachAlong(d) + further;
                        c = {p.x + d.x * reach, p.y + d.y * reach};
                    } else {
                        // At an end on the plate's edge, where nothing fits beyond it: beside the
                        // line, running back from the end, as a curve is named at the margin.
                        const Pt n = di == dirs.size() + 2 ? Pt{-o.y, o.x} : Pt{o.y, -o.x};
                        const double back = reachAlong(o), aside = reachAlong(n);
                        c = {p.x - o.x * back + n.x * aside, p.y - o.y * back + n.y * aside};
                    }
                    const Box box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2};
                    if (!isFree(box, l, strict) || !readsAsOwn(c, l, kClearlyNearer))
                        continue;
                    // Set more than a label's height off its line, a name is tied to it.
                    const Pt q{std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.bottom, box.top)};
                    if (dist(p, q) > heightMm) {
                        if (addWithLeader(l, p, box, heightMm, strict))
                            return true;
                        continue;
                    }
                    add(l, box, heightMm);
                    return true;
                }
            }
        return false;
    }

    // Where the ends of short lines crowd, farther out on the line's own prolongation, where
    // lines that fan out have drawn apart, tied to the end by a thin leader along the line.
    bool placeOnProlongation(const PendingLabel &l, double heightMm)
    {
        const double w = TextWidthMm(l.text, heightMm);
        for (int halfHeights = 5; halfHeights <= 40; ++halfHeights)
            for (std::size_t a = 0; a < l.anchors.size(); ++a) {
                if (a >= l.atEnd.size() || !l.atEnd[a])
                    continue;
                const Pt p = l.anchors[a];
                const Pt o = unit(l.outward, a);
                const double reach = std::abs(o.x) * w / 2 + std::abs(o.y) * heightMm / 2 + heightMm * 0.5 * halfHeights;
                const Pt c{p.x + o.x * reach, p.y + o.y * reach};
                const Box box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2};
                for (int strict = 1; strict >= 0; --strict)
                    if (isFree(box, l, strict) && readsAsOwn(c, l, kClearlyNearer) && addWithLeader(l, p, box, heightMm, strict))
                        return true;
            }
        return false;
    }

    // Whether a label's box may stand: on the plate, clear of every label, off its own line,
    // and then off every line (strict) or, where lines crowd, off the lines of its own family.
    bool isFree(const Box &box, const PendingLabel &l, bool strict) const
    {
        ++tried_;
        if (spent())
            return false;
        if (box.left < area_.left || box.right > area_.right || box.bottom < area_.bottom || box.top > area_.top)
            return false;
        const Box padded{box.left - 0.3, box.bottom - 0.3, box.right + 0.3, box.top + 0.3};
        // The lines first: most places tried lie over one.
        const bool overLine = strict ? grid_.meets(padded, [](std::size_t) { return true; })
                                     : grid_.meets(padded, [&](std::size_t k) { return isOwn(l, k) || isKin(l, k); });
        if (overLine)
            return false;
        auto covers = [&](const Box &t) { return t.overlaps(padded); };
        return std::none_of(taken_.begin(), taken_.end(), [&](const Box &t) { return t.overlaps(spaced(box)); }) &&
               std::none_of(dots_.begin(), dots_.end(), covers) && !leaderMeets(padded);
    }

    // A name's box with a space's width on either side: two numbers side by side on one
    // baseline ("15" "16") must not read as one ("1516").
    static Box spaced(const Box &box)
    {
        const double space = std::max(0.3, 0.3 * (box.top - box.bottom));
        return {box.left - space, box.bottom - 0.3, box.right + space, box.top + 0.3};
    }

    void add(const PendingLabel &l, const Box &box, double heightMm)
    {
        Label label;
        label.at = {box.left, box.bottom + kLabelDescent * heightMm};
        label.text = l.text;
        label.heightMm = heightMm;
        label.layer = l.layer;
        sketch_.labels.push_back(label);
        taken_.push_back(box);
    }

    // The label in the box, with a thin line from p (a point of its own line) to the nearest
    // point of the box, when that line crosses no label, no other leader and no other line of
    // the family (no other line at all, when strict; when loose, only the labels and leaders
    // count, the last resort where a fan of short lines leaves no way out). Where lines meet (at F, at O) every leader passes close to the other lines
    // and leaders at first: its first millimetre is not held against them.
    bool addWithLeader(const PendingLabel &l, Pt p, const Box &box, double heightMm, bool strict, bool loose = false)
    {
        const Pt q{std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.bottom, box.top)};
        const double length = dist(p, q);
        const double skip = length > 0 ? std::min(1.0, 1.0 / length) : 1.0;
        const Pt s{p.x + skip * (q.x - p.x), p.y + skip * (q.y - p.y)};
        auto crossesBox = [&](const Box &t) { return segmentMeetsBox(p, q, t); };
        if (std::any_of(taken_.begin(), taken_.end(), crossesBox) ||
            std::any_of(leaders.begin(), leaders.end(), [&](const Polyline &o) {
                // Nor does it run close beside another: the far end of each stands the larger
                // label's height off the other, so that the eye follows each to its own label.
                const Pt a = o.points[0], b = o.points[1];
                const double clear = std::max(heightMm, leaderHeights_[static_cast<std::size_t>(&o - leaders.data())]);
                return segmentsMeet(s, q, a, b) ||
                       (!loose && (distanceToSegment(q, a, b) < clear || distanceToSegment(b, p, q) < clear));
            }) ||
            (!loose && grid_.crosses(s, q, [&](std::size_t k) { return strict ? !isOwn(l, k) : isKin(l, k); })))
            return false;
        add(l, box, heightMm);
        addLeader(p, box, heightMm);
        return true;
    }

    // The thin line from p to the nearest point of the box.
    void addLeader(Pt p, const Box &box, double heightMm)
    {
        Polyline leader;
        leader.points = {p, {std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.bottom, box.top)}};
        leader.layer = Layer::Texts;
        leaders.push_back(leader);
        leaderHeights_.push_back(heightMm);
    }

    // Where lines of one family crowd so closely (the curves of 1 June, 21 June and 1 July lie
    // a few millimetres apart) that no place is clearly nearer one of them, the label stands
    // a little apart, in a free place, with a thin line from it to a point of its own line: a
    // line left without its name would be worse. `ratio` is how much nearer its own line the
    // label must still stand than any other of its family (0: anywhere).
    bool placeWithLeader(const PendingLabel &l, double heightMm, double ratio, int farthestHeights, bool loose = false)
    {
        const double w = TextWidthMm(l.text, heightMm);
        // Label heights from the anchor: close steps first, then wider ones.
        constexpr std::array<int, 10> kSteps{2, 4, 6, 8, 10, 12, 16, 22, 30, 40};
        const std::vector<std::size_t> anchors = distinctAnchors(l, heightMm * 0.5);
        // Nearest first: at each distance a place clear of every line is tried before one over
        // a line of another family, so that a name is not sent far off only to stand clear.
        for (int step : kSteps) {
            if (step > farthestHeights)
                break;
            for (int strict = 1; strict >= 0; --strict)
                for (std::size_t a : anchors) {
                    const Pt p = l.anchors[a];
                    const Pt o = unit(l.outward, a);
                    // Outwards, back, across, then all round (every sixteenth of a turn from
                    // outwards), so that a leader can pass between labels already standing.
                    std::array<Pt, 16> dirs{o, Pt{-o.x, -o.y}, Pt{-o.y, o.x}, Pt{o.y, -o.x}};
                    for (int k = 1; k < 16; ++k) {
                        if (k % 4 == 0)
                            continue;
                        const double t = k * std::numbers::pi / 8;
                        dirs[static_cast<std::size_t>(4 + k - k / 4 - 1)] = {o.x * std::cos(t) - o.y * std::sin(t), o.x * std::sin(t) + o.y * std::cos(t)};
                    }
                    for (const Pt d : dirs) {
                        const double reach = std::abs(d.x) * w / 2 + std::abs(d.y) * heightMm / 2 + heightMm * step;
                        const Pt c{p.x + d.x * reach, p.y + d.y * reach};
                        const Box box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2};
                        if (isFree(box, l, strict) && readsAsOwn(c, l, ratio) && addWithLeader(l, p, box, heightMm, strict, loose))
                            return true;
                    }
                }
            }
        return false;
    }

    // Past the work a drawing may take: the name by its first anchor, outwards, kept on the
    // plate, over whatever stands there. Only where lines crowd beyond reading, and in no time.
    bool placeAtAnchor(const PendingLabel &l, double heightMm)
    {
        if (l.anchors.empty())
            return false;
        const double w = TextWidthMm(l.text, heightMm);
        const Pt p = l.anchors.front();
        const Pt o = unit(l.outward, 0);
        const double reach = std::abs(o.x) * w / 2 + std::abs(o.y) * heightMm / 2 + heightMm * 0.4;
        Pt c{p.x + o.x * reach, p.y + o.y * reach};
        if (area_.right - area_.left >= w && area_.top - area_.bottom >= heightMm) {
            c.x = std::clamp(c.x, area_.left + w / 2, area_.right - w / 2);
            c.y = std::clamp(c.y, area_.bottom + heightMm / 2, area_.top - heightMm / 2);
        }
        add(l, Box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2}, heightMm);
        return true;
    }

    // The last resort: the name at the given size, in the first place free of every other
    // name, dot and leader, on rings ever wider round the ends and the middle of its piece,
    // tied to it by a leader that crosses no name (nor, where it can, another leader); then
    // the same beside the plate's left edge (the title block's pieces that find no room go
    // to its right).
    bool placeFarOff(const PendingLabel &l, double heightMm)
    {
        const double w = TextWidthMm(l.text, heightMm);
        // Off every line of its family first, then over any line. Where names ring its piece
        // round, the leader may pass over other leaders, never over a name.
        if (!spent() && (placeOnRings(l, heightMm, true, false) || placeOnRings(l, heightMm, false, false) ||
                         placeOnRings(l, heightMm, false, true)))
            return true;
        // Beside the plate: a column left of it, from the height of the piece downwards.
        const Pt p = l.anchors.front();
        const double right = area_.left - 2 * heightMm;
        const double step = std::max(heightMm * 1.5, 0.1);
        double y = std::clamp(p.y, area_.bottom, area_.top);
        Box box{right - w, y - heightMm / 2, right, y + heightMm / 2};
        for (int row = 0; row < 10000; ++row, y -= step) {
            box = {right - w, y - heightMm / 2, right, y + heightMm / 2};
            const bool clear = isClearOfNames(box);
            if (clear && addWithLeader(l, p, box, heightMm, false, true))
                return true;
            if (clear && y < area_.bottom - (area_.top - area_.bottom))
                break;
        }
        // Well below the plate, where its leader cannot find a way past the others: the name
        // stands there all the same, its leader crossing what it must.
        add(l, box, heightMm);
        addLeader(p, box, heightMm);
        return true;
    }

    // On rings ever wider round the first anchors of the label, in the first place on the plate
    // free of every name (and, offFamily, of every line of its family) and far enough from its
    // piece that the leader shows; the leader crosses no name, nor another leader unless
    // overLeaders.
    bool placeOnRings(const PendingLabel &l, double heightMm, bool offFamily, bool overLeaders)
    {
        const double w = TextWidthMm(l.text, heightMm);
        const double reachMax = std::hypot(area_.right - area_.left, area_.top - area_.bottom) + w;
        const std::size_t tried = std::min<std::size_t>(l.anchors.size(), 3);
        double r = std::max(2 * heightMm, 0.1);
        for (int ring = 0; ring < 60 && r <= reachMax; ++ring, r *= 1.4)
            for (std::size_t a = 0; a < tried; ++a)
                for (int k = 0; k < 24; ++k) {
                    const double t = k * std::numbers::pi / 12;
                    const Pt p = l.anchors[a];
                    const Pt c{p.x + r * std::cos(t), p.y + r * std::sin(t)};
                    const Box box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2};
                    if (box.left < area_.left || box.right > area_.right || box.bottom < area_.bottom || box.top > area_.top)
                        continue;
                    const Pt q{std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.bottom, box.top)};
                    if (dist(p, q) < heightMm || !isClearOfNames(box) || (offFamily && !isFree(box, l, false)))
                        continue;
                    if (!overLeaders) {
                        if (addWithLeader(l, p, box, heightMm, false, true))
                            return true;
                    } else if (std::none_of(taken_.begin(), taken_.end(), [&](const Box &t) { return segmentMeetsBox(p, q, t); })) {
                        add(l, box, heightMm);
                        addLeader(p, box, heightMm);
                        return true;
                    }
                }
        return false;
    }

    bool isClearOfNames(const Box &box) const
    {
        ++tried_;
        const Box padded{box.left - 0.3, box.bottom - 0.3, box.right + 0.3, box.top + 0.3};
        auto covers = [&](const Box &t) { return t.overlaps(padded); };
        return std::none_of(taken_.begin(), taken_.end(), covers) && std::none_of(dots_.begin(), dots_.end(), covers) &&
               !leaderMeets(padded);
    }

    bool leaderMeets(const Box &box) const
    {
        const Box grown = withRoundingMargin(box);
        return std::any_of(leaders.begin(), leaders.end(), [&](const Polyline &o) {
            return !surelyApart(o.points[0], o.points[1], grown) && segmentMeetsBox(o.points[0], o.points[1], box);
        });
    }

    // The distance from c to the line sketch.lines[k] as drawn.
    double distanceAlong(Pt c, long k) const
    {
        return nearerAlong(c, static_cast<std::size_t>(k), std::numeric_limits<double>::infinity());
    }

    // The smaller of best and the distance from c to the line sketch.lines[k]. The segments of a
    // run whose box lies clearly farther than best (by far more than any rounding) are skipped:
    // none of them could change the answer.
    double nearerAlong(Pt c, std::size_t k, double best) const
    {
        const auto &pts = lines_[k].points;
        const std::vector<Chunk> &chunks = chunks_[k];
        for (std::size_t j = 0; j < chunks.size(); ++j) {
            const Box &b = chunks[j].box;
            const double dx = std::max({b.left - c.x, 0.0, c.x - b.right});
            const double dy = std::max({b.bottom - c.y, 0.0, c.y - b.top});
            const double margin = 1e-9 * (1.0 + chunks[j].scale + std::abs(c.x) + std::abs(c.y) + best);
            if (std::sqrt(dx * dx + dy * dy) - margin > best)
                continue;
            const std::size_t end = std::min(j * kChunk + kChunk, pts.size() - 1);
            for (std::size_t i = j * kChunk; i < end; ++i)
                best = std::min(best, distanceToSegment(c, pts[i], pts[i + 1]));
        }
        return best;
    }

    // The distance from c to its own line, the line taken on beyond its ends as the eye takes
    // it: a label set on the prolongation of its line reads as that line's.
    double distanceToOwn(Pt c, long first, long end) const
    {
        double best = std::numeric_limits<double>::infinity();
        auto beyond = [&](const LineEnd &e) {
            if (!(e.len > 0))
                return;
            const double along = ((c.x - e.tip.x) * e.dx + (c.y - e.tip.y) * e.dy) / e.len;
            if (along > 0)
                best = std::min(best, std::abs((c.x - e.tip.x) * e.dy - (c.y - e.tip.y) * e.dx) / e.len);
        };
        for (long k = first; k < end && k < static_cast<long>(lines_.size()); ++k) {
            const auto &pts = lines_[static_cast<std::size_t>(k)].points;
            best = nearerAlong(c, static_cast<std::size_t>(k), best);
            if (pts.size() >= 2) {
                beyond(ends_[static_cast<std::size_t>(k)][0]);
                beyond(ends_[static_cast<std::size_t>(k)][1]);
            }
        }
        return best;
    }

    // An end of a line and the direction it runs out in (not normalised, len its length; len 0
    // where the line has no direction there).
    struct LineEnd {
        Pt tip;
        double dx = 0, dy = 0, len = 0;
    };
    static LineEnd endOf(Pt tip, Pt before)
    {
        const double dx = tip.x - before.x, dy = tip.y - before.y;
        return {tip, dx, dy, std::hypot(dx, dy)};
    }

    // Whether the names have taken all the work a drawing may give them.
    bool spent() const { return grid_.work() + tipGrid_.work() + tried_ * kPlaceWork > kMostWork; }

    DialSketch &sketch_;
    const std::vector<Polyline> &lines_;
    Box area_;
    std::vector<std::size_t> tipOwner_; // the line each of tips_ carries on; filled with tips_
    std::vector<Polyline> tips_;
    SegmentGrid grid_;
    SegmentGrid tipGrid_;
    std::vector<Box> taken_;
    std::vector<Box> dots_;
    std::vector<double> leaderHeights_; // the height of the label each leader ties
    std::vector<std::array<LineEnd, 2>> ends_; // of each line: its first end, its last
    // Each line's segments in runs of kChunk, with the box of each run and the largest size of
    // its coordinates (for the margin of rounding).
    static constexpr std::size_t kChunk = 16;
    struct Chunk {
        Box box;
        double scale = 0;
    };
    std::vector<std::vector<Chunk>> chunks_;
    mutable std::size_t tried_ = 0; // the places tried
};

} // namespace

std::vector<Polyline> PlaceLabels(DialSketch &sketch, const std::vector<PendingLabel> &marks,
                                  const std::vector<PendingLabel> &lineNames, double labelMm)
{
    LabelPlacer placer(sketch, sketch.plate, labelMm);
    for (const Dot &d : sketch.dots)
        placer.reserve({d.at.x - d.radiusMm, d.at.y - d.radiusMm, d.at.x + d.radiusMm, d.at.y + d.radiusMm});
    for (const auto &m : marks)
        placer.place(m, labelMm);
    for (const auto &l : lineNames)
        placer.place(l, labelMm);
    return std::move(placer.leaders);
}

} // namespace drawing
