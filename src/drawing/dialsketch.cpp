#include "drawing/dialsketch.h"

#include "drawing/textformat.h"
#include "sheet/markedtext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <functional>
#include <map>
#include <numbers>
#include <optional>
#include <utility>

namespace drawing {

using gnomonics::DialLine;
using gnomonics::LineFamily;

namespace {

// Month and sign names: the CSV keeps them in Italian (a file format), the drawing shows them in
// the program's language.
constexpr std::array<const char *, 12> kMonths{
    QT_TRANSLATE_NOOP("horalo", "gennaio"),   QT_TRANSLATE_NOOP("horalo", "febbraio"),
    QT_TRANSLATE_NOOP("horalo", "marzo"),     QT_TRANSLATE_NOOP("horalo", "aprile"),
    QT_TRANSLATE_NOOP("horalo", "maggio"),    QT_TRANSLATE_NOOP("horalo", "giugno"),
    QT_TRANSLATE_NOOP("horalo", "luglio"),    QT_TRANSLATE_NOOP("horalo", "agosto"),
    QT_TRANSLATE_NOOP("horalo", "settembre"), QT_TRANSLATE_NOOP("horalo", "ottobre"),
    QT_TRANSLATE_NOOP("horalo", "novembre"),  QT_TRANSLATE_NOOP("horalo", "dicembre")};
constexpr std::array<const char *, 12> kSigns{
    QT_TRANSLATE_NOOP("horalo", "Ariete"),     QT_TRANSLATE_NOOP("horalo", "Toro"),
    QT_TRANSLATE_NOOP("horalo", "Gemelli"),    QT_TRANSLATE_NOOP("horalo", "Cancro"),
    QT_TRANSLATE_NOOP("horalo", "Leone"),      QT_TRANSLATE_NOOP("horalo", "Vergine"),
    QT_TRANSLATE_NOOP("horalo", "Bilancia"),   QT_TRANSLATE_NOOP("horalo", "Scorpione"),
    QT_TRANSLATE_NOOP("horalo", "Sagittario"), QT_TRANSLATE_NOOP("horalo", "Capricorno"),
    QT_TRANSLATE_NOOP("horalo", "Acquario"),   QT_TRANSLATE_NOOP("horalo", "Pesci")};
const sheet::MarkedText kEquinoxes{QT_TRANSLATE_NOOP("horalo", "Equinozi")};
// How a day is written: "21 giugno" in Italian, "June 21" in English.
const sheet::MarkedText kDayPattern{QT_TRANSLATE_NOOP("horalo", "<giorno> <mese>")};

std::string word(const char *italian, bool shown) { return shown ? sheet::translated(italian) : italian; }

std::string replaced(std::string text, const std::string &what, const std::string &with)
{
    const auto at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

std::string dayName(const gnomonics::CivilDate &d, bool shown = true)
{
    if (d.month < 1 || d.month > 12)
        return {};
    const std::string month = word(kMonths[static_cast<std::size_t>(d.month - 1)], shown);
    if (!shown)
        return std::to_string(d.day) + " " + month;
    return replaced(replaced(kDayPattern, "<giorno>", std::to_string(d.day)), "<mese>", month);
}

std::string hourText(double hours)
{
    double h = std::fmod(hours, 24.0);
    if (h < 0)
        h += 24.0;
    const int whole = static_cast<int>(std::floor(h + 1e-9));
    const int minutes = static_cast<int>(std::lround((h - whole) * 60.0));
    if (minutes == 0)
        return std::to_string(whole);
    return std::to_string(whole) + ":" + (minutes < 10 ? "0" : "") + std::to_string(minutes);
}

Layer layerOf(LineFamily family)
{
    switch (family) {
    case LineFamily::ApparentTime: return Layer::Hours;
    case LineFamily::ClockTime: return Layer::ClockHours;
    case LineFamily::Italic: return Layer::Italic;
    case LineFamily::Babylonian: return Layer::Babylonian;
    case LineFamily::DateLine: return Layer::Dates;
    }
    return Layer::Hours;
}

// (std::sqrt rather than std::hypot: the label layout asks for distances by the million, and
// the lengths on a dial are far from where the plain formula would overflow.)
double dist(Pt a, Pt b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

// The point a line's end is seen to come from: the first point back from that end at least a
// millimetre away, so that a last chord shortened to nothing where the line was cut (at the
// horizon, at the plate's edge) does not turn the line's direction at its end.
Pt comingFrom(const std::vector<Pt> &pts, bool atBack)
{
    const std::size_t n = pts.size();
    const Pt tip = atBack ? pts[n - 1] : pts[0];
    for (std::size_t k = 1; k < n; ++k) {
        const Pt q = atBack ? pts[n - 1 - k] : pts[k];
        if (dist(q, tip) >= 1.0)
            return q;
    }
    return atBack ? pts[0] : pts[n - 1];
}

// The part of the segment ab inside the box, as the parameters [t0, t1] of a + t (b - a)
// (Liang-Barsky clipping); nothing when the segment misses the box.
std::optional<std::pair<double, double>> clipToBox(Pt a, Pt b, const Box &box)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.bottom, box.top - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return std::pair{t0, t1};
}

bool segmentMeetsBox(Pt a, Pt b, const Box &box) { return clipToBox(a, b, box).has_value(); }

// Whether the segments ab and cd have a point in common (touching counts).
bool segmentsMeet(Pt a, Pt b, Pt c, Pt d)
{
    auto side = [](Pt o, Pt u, Pt v) {
        const double cross = (u.x - o.x) * (v.y - o.y) - (u.y - o.y) * (v.x - o.x);
        return (cross > 0) - (cross < 0);
    };
    auto within = [](Pt o, Pt u, Pt v) { // v on the line ou: is it between them?
        return std::min(o.x, u.x) <= v.x && v.x <= std::max(o.x, u.x) && std::min(o.y, u.y) <= v.y && v.y <= std::max(o.y, u.y);
    };
    const int s1 = side(a, b, c), s2 = side(a, b, d), s3 = side(c, d, a), s4 = side(c, d, b);
    if (s1 != s2 && s3 != s4)
        return true;
    return (s1 == 0 && within(a, b, c)) || (s2 == 0 && within(a, b, d)) || (s3 == 0 && within(c, d, a)) ||
           (s4 == 0 && within(c, d, b));
}

// The segments of every line, bucketed in square cells, so that a label's box is tested only
// against the segments near it.
class SegmentGrid {
public:
    explicit SegmentGrid(const std::vector<Polyline> &lines, double cellMm) : lines_(lines), cell_(cellMm)
    {
        for (std::size_t l = 0; l < lines.size(); ++l) {
            if (lines[l].layer == Layer::Plate)
                continue; // the plate check covers the outline
            const auto &pts = lines[l].points;
            const std::size_t n = pts.size();
            const std::size_t segments = lines[l].closed ? n : (n > 0 ? n - 1 : 0);
            for (std::size_t i = 0; i < segments; ++i)
                file(pts[i], pts[(i + 1) % n], {l, i});
        }
    }
    // Does any segment of a line that `wanted(line index)` accepts meet the box?
    template <typename Wanted>
    bool meets(const Box &box, Wanted wanted) const
    {
        bool found = false;
        forEachNear(box, wanted, [&](Pt a, Pt b) { found = found || segmentMeetsBox(a, b, box); });
        return found;
    }
    // Does any segment of a line that `wanted` accepts meet the segment ab?
    template <typename Wanted>
    bool crosses(Pt a, Pt b, Wanted wanted) const
    {
        bool found = false;
        alongSegment(a, b, [&](std::pair<long, long> cell) {
            const auto it = cells_.find(cell);
            if (found || it == cells_.end())
                return;
            for (const auto &[l, i] : it->second) {
                const auto &pts = lines_[l].points;
                if (wanted(l) && segmentsMeet(a, b, pts[i], pts[(i + 1) % pts.size()])) {
                    found = true;
                    return;
                }
            }
        });
        return found;
    }
    // The distance from c to the nearest segment that `wanted` accepts, when one is nearer than
    // radius; radius otherwise.
    template <typename Wanted>
    double nearest(Pt c, double radius, Wanted wanted) const
    {
        double best = radius;
        forEachNear(Box{c.x - radius, c.y - radius, c.x + radius, c.y + radius}, wanted,
                    [&](Pt a, Pt b) { best = std::min(best, distanceToSegment(c, a, b)); });
        return best;
    }

    static double distanceToSegment(Pt c, Pt a, Pt b)
    {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
        return dist(c, {a.x + t * dx, a.y + t * dy});
    }

private:
    template <typename Wanted, typename Visit>
    void forEachNear(const Box &box, Wanted wanted, Visit visit) const
    {
        auto visitCell = [&](const std::vector<std::pair<std::size_t, std::size_t>> &bucket) {
            for (const auto &[l, i] : bucket) {
                if (!wanted(l))
                    continue;
                const auto &pts = lines_[l].points;
                visit(pts[i], pts[(i + 1) % pts.size()]);
            }
        };
        const long x0 = key(box.left), x1 = key(box.right), y0 = key(box.bottom), y1 = key(box.top);
        // A box over more cells than the grid holds (a label far from its line asks how near
        // the others are): go through the cells that hold something instead.
        if (static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1) > static_cast<double>(cells_.size())) {
            for (const auto &[cell, bucket] : cells_)
                if (cell.first >= x0 && cell.first <= x1 && cell.second >= y0 && cell.second <= y1)
                    visitCell(bucket);
            return;
        }
        for (long x = x0; x <= x1; ++x)
            for (long y = y0; y <= y1; ++y) {
                const auto it = cells_.find({x, y});
                if (it != cells_.end())
                    visitCell(it->second);
            }
    }
    long key(double v) const { return static_cast<long>(std::floor(v / cell_)); }
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
                        visit(std::pair{x, y});
            px0 = x0, px1 = x1, py0 = y0, py1 = y1;
        }
    }
    void file(Pt a, Pt b, std::pair<std::size_t, std::size_t> segment)
    {
        const long x0 = key(std::min(a.x, b.x)), x1 = key(std::max(a.x, b.x));
        const long y0 = key(std::min(a.y, b.y)), y1 = key(std::max(a.y, b.y));
        if (static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1) <= 4) {
            // A short segment (most are): the few cells of its box.
            for (long x = x0; x <= x1; ++x)
                for (long y = y0; y <= y1; ++y)
                    cells_[{x, y}].push_back(segment);
            return;
        }
        alongSegment(a, b, [&](std::pair<long, long> cell) {
            auto &bucket = cells_[cell];
            if (bucket.empty() || bucket.back() != segment)
                bucket.push_back(segment);
        });
    }
    const std::vector<Polyline> &lines_;
    double cell_;
    std::map<std::pair<long, long>, std::vector<std::pair<std::size_t, std::size_t>>> cells_;
};

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

struct PendingLabel {
    std::string text;
    Layer layer;
    long ownLine;            // index in sketch.lines of its own line's first piece, -1 for none
    std::vector<Pt> anchors; // where it may stand, best first
    std::vector<Pt> outward; // for each anchor, the direction away from the mark
    long ownEnd = -1;        // one past its own line's last piece
    std::vector<bool> atEnd; // for each anchor, whether it is an end of a piece
    long piece = -1;         // the piece of its line it names, when the line has several
    // Every other piece that bears the same name (of its own line, or of the other half of a
    // split analemma); the label must stand nearer its own piece than any of them.
    std::vector<long> namesakes;
};

class LabelPlacer {
public:
    LabelPlacer(DialSketch &sketch, const Box &area, double labelMm)
        : sketch_(sketch), lines_(sketch.lines), area_(area), tips_(carriedOn(sketch.lines, labelMm * kCarriedOnHeights)),
          grid_(sketch.lines, cellFor(area, labelMm)), tipGrid_(tips_, cellFor(area, labelMm))
    {
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
            return placeBeside(l, heightMm) || placeWithLeader(l, heightMm, 0.0, 12);
        std::vector<double> sizes;
        for (double scale : kLabelScales)
            if (scale == 1.0 || heightMm * scale >= kSmallestLabelMm)
                sizes.push_back(heightMm * scale);
        if (std::any_of(sizes.begin(), sizes.end(), [&](double h) { return placeBeside(l, h); }) ||
            std::any_of(sizes.begin(), sizes.end(), [&](double h) { return placeOnProlongation(l, h); }))
            return true;
        // Set apart, the label keeps the drawing's size, or else takes the smallest.
        const std::array<double, 2> apart{sizes.front(), sizes.back()};
        for (const auto &way : std::array<std::function<bool(double)>, 4>{
                 [&](double h) { return placeWithLeader(l, h, kClearlyNearer, 12); },
                 [&](double h) { return placeWithLeader(l, h, 1.0, 40); },
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
        // Where names crowd so that no place near the piece is left, the name still goes on
        // the drawing: anywhere on the plate free of other names, however far, and at worst
        // beside the plate, tied to its piece by its leader. A piece left bare would be worse.
        return placeFarOff(alone, apart.back());
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
               layer == Layer::Babylonian || layer == Layer::Dates;
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
        if (grid_.nearest(c, toOwn, [&](std::size_t k) { return isKin(l, k); }) < toOwn)
            return false;
        return !(tipGrid_.nearest(c, toOwn, [&](std::size_t t) { return isKin(l, tipOwner_[t]); }) < toOwn);
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
        if (box.left < area_.left || box.right > area_.right || box.bottom < area_.bottom || box.top > area_.top)
            return false;
        const Box padded{box.left - 0.3, box.bottom - 0.3, box.right + 0.3, box.top + 0.3};
        auto covers = [&](const Box &t) { return t.overlaps(padded); };
        if (std::any_of(taken_.begin(), taken_.end(), covers) || std::any_of(dots_.begin(), dots_.end(), covers) ||
            std::any_of(leaders.begin(), leaders.end(), [&](const Polyline &o) { return segmentMeetsBox(o.points[0], o.points[1], padded); }))
            return false;
        if (strict)
            return !grid_.meets(padded, [](std::size_t) { return true; });
        return !grid_.meets(padded, [&](std::size_t k) { return isOwn(l, k) || isKin(l, k); });
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
                       (!loose && (SegmentGrid::distanceToSegment(q, a, b) < clear || SegmentGrid::distanceToSegment(b, p, q) < clear));
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
        leader.widthMm = 0.13;
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
        for (int strict = 1; strict >= 0; --strict)
            for (int step : kSteps) {
                if (step > farthestHeights)
                    break;
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

    // The last resort: the name at the given size, in the first place free of every other
    // name, dot and leader, on rings ever wider round the ends and the middle of its piece,
    // tied to it by a leader that crosses no name (nor, where it can, another leader); then
    // the same beside the plate's left edge (the title block's pieces that find no room go
    // to its right).
    bool placeFarOff(const PendingLabel &l, double heightMm)
    {
        const double w = TextWidthMm(l.text, heightMm);
        const double reachMax = std::hypot(area_.right - area_.left, area_.top - area_.bottom) + w;
        const std::size_t tried = std::min<std::size_t>(l.anchors.size(), 3);
        // Off every line of its family first, then over any line; never over a name, and far
        // enough from its piece that the leader shows.
        auto tryIn = [&](const Box &within, bool offFamily, bool overLeaders) {
            double r = std::max(2 * heightMm, 0.1);
            for (int ring = 0; ring < 60 && r <= reachMax; ++ring, r *= 1.4)
                for (std::size_t a = 0; a < tried; ++a)
                    for (int k = 0; k < 24; ++k) {
                        const double t = k * std::numbers::pi / 12;
                        const Pt p = l.anchors[a];
                        const Pt c{p.x + r * std::cos(t), p.y + r * std::sin(t)};
                        const Box box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2};
                        if (box.left < within.left || box.right > within.right || box.bottom < within.bottom || box.top > within.top)
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
        };
        // Where names ring its piece round, the leader may pass over other leaders, never over
        // a name.
        if (tryIn(area_, true, false) || tryIn(area_, false, false) || tryIn(area_, false, true))
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

    bool isClearOfNames(const Box &box) const
    {
        const Box padded{box.left - 0.3, box.bottom - 0.3, box.right + 0.3, box.top + 0.3};
        auto covers = [&](const Box &t) { return t.overlaps(padded); };
        return std::none_of(taken_.begin(), taken_.end(), covers) && std::none_of(dots_.begin(), dots_.end(), covers) &&
               std::none_of(leaders.begin(), leaders.end(), [&](const Polyline &o) { return segmentMeetsBox(o.points[0], o.points[1], padded); });
    }

    // The distance from c to the line sketch.lines[k] as drawn.
    double distanceAlong(Pt c, long k) const
    {
        double best = std::numeric_limits<double>::infinity();
        const auto &pts = lines_[static_cast<std::size_t>(k)].points;
        for (std::size_t i = 0; i + 1 < pts.size(); ++i)
            best = std::min(best, SegmentGrid::distanceToSegment(c, pts[i], pts[i + 1]));
        return best;
    }

    // The distance from c to its own line, the line taken on beyond its ends as the eye takes
    // it: a label set on the prolongation of its line reads as that line's.
    double distanceToOwn(Pt c, long first, long end) const
    {
        double best = std::numeric_limits<double>::infinity();
        auto beyond = [&](Pt tip, Pt before) {
            const double dx = tip.x - before.x, dy = tip.y - before.y, len = std::hypot(dx, dy);
            if (!(len > 0))
                return;
            const double along = ((c.x - tip.x) * dx + (c.y - tip.y) * dy) / len;
            if (along > 0)
                best = std::min(best, std::abs((c.x - tip.x) * dy - (c.y - tip.y) * dx) / len);
        };
        for (long k = first; k < end && k < static_cast<long>(lines_.size()); ++k) {
            const auto &pts = lines_[static_cast<std::size_t>(k)].points;
            for (std::size_t i = 0; i + 1 < pts.size(); ++i)
                best = std::min(best, SegmentGrid::distanceToSegment(c, pts[i], pts[i + 1]));
            if (pts.size() >= 2) {
                beyond(pts.front(), comingFrom(pts, false));
                beyond(pts.back(), comingFrom(pts, true));
            }
        }
        return best;
    }

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
};

// A group of lines and texts that travels as one: the title block, the style template, the
// bar, the arrows. Built with its box's top edge at y = 0, then moved to where it goes.
struct Piece {
    std::vector<Polyline> lines;
    std::vector<Label> labels;
    Box box;
    bool aside = false;
};

// Where on the plate a rectangle covers nothing already drawn: the plate cut into square cells,
// a cell taken when a line, a label or a dot touches it, and a table of running sums, so that
// asking whether a rectangle is free costs four look-ups.
class FreeSpace {
public:
    FreeSpace(const DialSketch &sketch, double insetMm)
    {
        const Box &p = sketch.plate;
        area_ = {p.left + insetMm, p.bottom + insetMm, p.right - insetMm, p.top - insetMm};
        const double w = area_.right - area_.left, h = area_.top - area_.bottom;
        if (!(w > 0 && h > 0))
            return;
        // Near 100 000 cells whatever the plate's size, never finer than 2 mm.
        cell_ = std::max(2.0, std::sqrt(w * h / 100000.0));
        cols_ = static_cast<long>(std::ceil(w / cell_));
        rows_ = static_cast<long>(std::ceil(h / cell_));
        taken_.assign(static_cast<std::size_t>(cols_ * rows_), 0);
        for (const Polyline &l : sketch.lines) {
            if (l.layer == Layer::Plate || l.points.empty())
                continue;
            const std::size_t n = l.points.size();
            const std::size_t segments = l.closed ? n : n - 1;
            for (std::size_t i = 0; i < segments || n == 1; ++i) {
                markSegment(l.points[i], l.points[(i + 1) % n]);
                if (n == 1)
                    break;
            }
        }
        for (const Label &l : sketch.labels)
            markBox(l.box());
        for (const Dot &d : sketch.dots)
            markBox({d.at.x - d.radiusMm, d.at.y - d.radiusMm, d.at.x + d.radiusMm, d.at.y + d.radiusMm});
    }

    void occupy(const Box &box) { markBox(box); }

    // The lower-left corner of a free w x h rectangle inside the plate's inset, the one nearest
    // to a corner of the plate; nothing when there is none.
    std::optional<Pt> find(double w, double h) const
    {
        if (taken_.empty())
            return std::nullopt;
        const long cw = static_cast<long>(std::ceil(w / cell_)), ch = static_cast<long>(std::ceil(h / cell_));
        if (cw > cols_ || ch > rows_)
            return std::nullopt;
        std::vector<long> sum(static_cast<std::size_t>((cols_ + 1) * (rows_ + 1)), 0);
        auto at = [&](long c, long r) -> long & { return sum[static_cast<std::size_t>(r * (cols_ + 1) + c)]; };
        for (long r = 0; r < rows_; ++r)
            for (long c = 0; c < cols_; ++c)
                at(c + 1, r + 1) = taken_[static_cast<std::size_t>(r * cols_ + c)] + at(c, r + 1) + at(c + 1, r) - at(c, r);
        std::optional<Pt> best;
        long bestScore = 0;
        for (long r = 0; r + ch <= rows_; ++r)
            for (long c = 0; c + cw <= cols_; ++c) {
                if (at(c + cw, r + ch) - at(c, r + ch) - at(c + cw, r) + at(c, r) != 0)
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
        return best;
    }

private:
    void mark(double x, double y)
    {
        const long c = static_cast<long>(std::floor((x - area_.left) / cell_));
        const long r = static_cast<long>(std::floor((y - area_.bottom) / cell_));
        if (c >= 0 && c < cols_ && r >= 0 && r < rows_)
            taken_[static_cast<std::size_t>(r * cols_ + c)] = 1;
    }
    void markBox(const Box &b)
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
    // Samples the part of the segment over the plate every half cell.
    void markSegment(Pt a, Pt b)
    {
        if (taken_.empty() || !std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
            return;
        const auto inside = clipToBox(a, b, area_);
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

    Box area_;
    double cell_ = 1;
    long cols_ = 0, rows_ = 0;
    std::vector<unsigned char> taken_;
};

Polyline segmentLine(Pt a, Pt b, Layer layer, double width, bool dashed = false)
{
    Polyline l;
    l.points = {a, b};
    l.layer = layer;
    l.widthMm = width;
    l.dashed = dashed;
    return l;
}

std::string degreesText(double v, int decimals) { return DecimalShown(v, decimals) + "°"; }

std::string say(const char *italian) { return sheet::translated(italian); }

} // namespace

const char *LayerName(Layer layer)
{
    switch (layer) {
    case Layer::Hours: return "ORE";
    case Layer::ClockHours: return "ORE_CIVILI";
    case Layer::Italic: return "ITALICHE";
    case Layer::Babylonian: return "BABILONESI";
    case Layer::Dates: return "DATE";
    case Layer::Style: return "STILO";
    case Layer::Plate: return "LASTRA";
    case Layer::Texts: return "TESTI";
    case Layer::Construction: return "COSTRUZIONE";
    }
    return "0";
}

const char *PolylineLayerName(const Polyline &line)
{
    switch (line.half) {
    case gnomonics::AnalemmaHalf::DecemberToJune: return "ORE_CIVILI_DIC_GIU";
    case gnomonics::AnalemmaHalf::JuneToDecember: return "ORE_CIVILI_GIU_DIC";
    case gnomonics::AnalemmaHalf::None:
    case gnomonics::AnalemmaHalf::Whole: break;
    }
    return LayerName(line.layer);
}

unsigned LayerColour(Layer layer)
{
    switch (layer) {
    case Layer::Hours: return 0x000000;
    case Layer::ClockHours: return 0x1a7f37;
    case Layer::Italic: return 0xc0392b;
    case Layer::Babylonian: return 0x1f5fbf;
    case Layer::Dates: return 0x8e44ad;
    case Layer::Style: return 0x7a4a00;
    case Layer::Plate: return 0x000000;
    case Layer::Texts: return 0x000000;
    case Layer::Construction: return 0x808080;
    }
    return 0;
}

void Box::include(const Box &o)
{
    left = std::min(left, o.left);
    bottom = std::min(bottom, o.bottom);
    right = std::max(right, o.right);
    top = std::max(top, o.top);
}

void Box::include(Pt p) { include(Box{p.x, p.y, p.x, p.y}); }

Box Label::box() const
{
    return {at.x, at.y - kLabelDescent * heightMm, at.x + TextWidthMm(text, heightMm), at.y + (1 - kLabelDescent) * heightMm};
}

double TextWidthMm(const std::string &utf8, double heightMm)
{
    std::size_t chars = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++chars;
    return 0.62 * heightMm * static_cast<double>(chars);
}

namespace {

std::string lineLabel(const DialLine &line, bool summerTime, bool shown)
{
    switch (line.family) {
    case LineFamily::ApparentTime:
        return summerTime ? hourText(line.hour) + " (" + hourText(line.hour + 1) + ")" : hourText(line.hour);
    case LineFamily::ClockTime:
        // The analemma is traced for the summer clock; in winter the same curve is read an hour
        // earlier, so it carries both numbers as the apparent lines do, winter first.
        return summerTime ? hourText(line.hour - 1) + " (" + hourText(line.hour) + ")" : hourText(line.hour);
    case LineFamily::Italic:
    case LineFamily::Babylonian:
        // Whole hours as makers number them: Italic 1 to 24 (24 at sunset), Babylonian 0 (at
        // sunrise) to 23; not the clock's 0 for 24.
        return std::to_string(std::lround(line.hour));
    case LineFamily::DateLine:
        break;
    }
    const auto &d = line.dateLine;
    switch (d.kind) {
    case gnomonics::DateLineKind::Equinoxes:
        return shown ? kEquinoxes.text() : kEquinoxes.italian();
    case gnomonics::DateLineKind::ZodiacEntry: {
        std::string s = d.index >= 0 && d.index < 12 ? word(kSigns[static_cast<std::size_t>(d.index)], shown) : "";
        if (d.partner >= 0 && d.partner < 12)
            s += " / " + word(kSigns[static_cast<std::size_t>(d.partner)], shown);
        return s;
    }
    case gnomonics::DateLineKind::Declination:
        return d.name;
    case gnomonics::DateLineKind::Solstice:
    case gnomonics::DateLineKind::MonthFirst:
    case gnomonics::DateLineKind::Date:
        break;
    }
    return dayName(d.date, shown);
}

} // namespace

std::string LineLabel(const DialLine &line, bool summerTime) { return lineLabel(line, summerTime, false); }

std::string ShownLineLabel(const DialLine &line, bool summerTime) { return lineLabel(line, summerTime, true); }

std::string ShownDayName(const gnomonics::CivilDate &day) { return dayName(day, true); }

DialSketch BuildDialSketch(const gnomonics::DialLines &dial, const SketchTitle &title)
{
    DialSketch sketch;
    if (!dial.status.ok())
        return sketch;
    const auto &design = dial.design;
    const auto &plane = dial.plane;
    const auto &clip = design.plate;
    sketch.title = title.title.empty() ? say(QT_TRANSLATE_NOOP("horalo", "Quadrante ")) + title.placeName : title.title;
    sketch.plate = {clip.leftMm, clip.bottomMm, clip.rightMm, clip.topMm};
    const double plateSide = std::min(clip.rightMm - clip.leftMm, clip.topMm - clip.bottomMm);
    const double labelMm = std::clamp(plateSide / 130.0, 2.5, 12.0);

    Polyline outline;
    outline.points = {{clip.leftMm, clip.bottomMm}, {clip.rightMm, clip.bottomMm},
                      {clip.rightMm, clip.topMm}, {clip.leftMm, clip.topMm}};
    outline.closed = true;
    outline.layer = Layer::Plate;
    outline.widthMm = 0.5;
    if (!title.noPlate)
        sketch.lines.push_back(outline);

    const auto &c = dial.construction;
    auto addSegment = [&](const std::optional<gnomonics::Segment> &s, bool dashed) {
        if (s)
            sketch.lines.push_back(segmentLine({s->a.xMm, s->a.yMm}, {s->b.xMm, s->b.yMm}, Layer::Construction,
                                               0.18, dashed));
    };
    // On a wall that does not decline the substyle is the noon line: drawn once, so that a
    // cutter does not go over it twice.
    const bool substyleIsNoon = plane.hasCentre && std::abs(std::remainder(plane.substyleAngleDeg, 180.0)) < 1e-9;
    if (!substyleIsNoon)
        addSegment(c.substyle, true);
    addSegment(c.noon, false);
    addSegment(c.equinoctial, false);
    addSegment(c.horizon, true);

    std::vector<PendingLabel> pending;
    const Pt centre{plane.centre.xMm, plane.centre.yMm};
    for (const DialLine &line : dial.lines) {
        const std::string text = ShownLineLabel(line, design.place.summerTime);
        PendingLabel label{text, layerOf(line.family), -1, {}, {}, -1, {}, -1, {}};
        for (const auto &piece : line.pieces) {
            Polyline p;
            p.layer = layerOf(line.family);
            p.widthMm = line.family == LineFamily::DateLine ? 0.3 : 0.4;
            p.half = line.analemma;
            p.dashed = line.analemma == gnomonics::AnalemmaHalf::JuneToDecember;
            for (const auto &q : piece)
                p.points.push_back({q.xMm, q.yMm});
            if (label.ownLine < 0)
                label.ownLine = static_cast<long>(sketch.lines.size());
            sketch.lines.push_back(std::move(p));
        }
        if (label.ownLine < 0)
            continue;
        label.ownEnd = static_cast<long>(sketch.lines.size());
        // Every piece is named, so that a line the plate or the horizon cuts in two reads the
        // same on both sides. Anchors: the piece's ends, the end away from O first for lines
        // through O, then its middle; where lines crowd, places along the way too, every eighth
        // of the piece.
        for (long k = label.ownLine; k < label.ownEnd; ++k) {
            PendingLabel named = label;
            named.piece = k;
            const auto &pts = sketch.lines[static_cast<std::size_t>(k)].points;
            const Pt a = pts.front(), b = pts.back();
            const Pt ai = comingFrom(pts, false), bi = comingFrom(pts, true);
            std::array<std::pair<Pt, Pt>, 2> ends{std::pair{b, Pt{b.x - bi.x, b.y - bi.y}},
                                                  std::pair{a, Pt{a.x - ai.x, a.y - ai.y}}};
            if (plane.hasCentre && dist(a, centre) > dist(b, centre))
                std::swap(ends[0], ends[1]);
            for (const auto &[p, o] : ends) {
                named.anchors.push_back(p);
                named.outward.push_back(o);
                named.atEnd.push_back(true);
            }
            const std::size_t m = pts.size() / 2;
            if (pts.size() > 2) {
                named.anchors.push_back(pts[m]);
                named.outward.push_back({-(pts[m + 1].y - pts[m - 1].y), pts[m + 1].x - pts[m - 1].x});
                named.atEnd.push_back(false);
            }
            for (int eighth = 1; eighth < 8 && pts.size() >= 2; ++eighth) {
                if (eighth == 4)
                    continue; // the middle, above
                const double t = (pts.size() - 1) * eighth / 8.0;
                const std::size_t i = std::min(static_cast<std::size_t>(t), pts.size() - 2);
                const double f = t - static_cast<double>(i);
                const Pt u = pts[i], v = pts[i + 1];
                named.anchors.push_back({u.x + f * (v.x - u.x), u.y + f * (v.y - u.y)});
                named.outward.push_back({-(v.y - u.y), v.x - u.x});
                named.atEnd.push_back(false);
            }
            pending.push_back(std::move(named));
        }
    }

    for (PendingLabel &l : pending)
        for (const PendingLabel &other : pending)
            if (other.piece != l.piece && other.layer == l.layer && other.text == l.text)
                l.namesakes.push_back(other.piece);

    // O and F.
    LabelPlacer placer(sketch, sketch.plate, labelMm);
    std::vector<PendingLabel> marks;
    if (dial.centreOnPlate) {
        sketch.dots.push_back({centre, labelMm * 0.25, Layer::Construction});
        marks.push_back({"O", Layer::Texts, -1, {centre}, {{1, 1}}, -1, {}, -1, {}});
    }
    if (dial.footOnPlate) {
        sketch.dots.push_back({{0, 0}, labelMm * 0.25, Layer::Style});
        marks.push_back({"F", Layer::Texts, -1, {{0, 0}}, {{1, -1}}, -1, {}, -1, {}});
    }
    for (const Dot &d : sketch.dots)
        placer.reserve({d.at.x - d.radiusMm, d.at.y - d.radiusMm, d.at.x + d.radiusMm, d.at.y + d.radiusMm});
    for (const auto &m : marks)
        placer.place(m, labelMm);
    for (const auto &l : pending)
        placer.place(l, labelMm);
    sketch.lines.insert(sketch.lines.end(), placer.leaders.begin(), placer.leaders.end());

    // The title block, the style template, the 100 mm bar and the arrows: each a piece built
    // in its own frame (top-left corner at the origin), then set on the plate where it covers
    // nothing, or beside the plate when no such place is left.
    const double th = std::clamp(labelMm, 4.0, 8.0);
    std::vector<Piece> pieces;

    Piece titleBlock;
    double y = 0;
    double widest = 0;
    bool muted = false;
    auto line = [&](const std::string &text, Layer layer = Layer::Texts, double scale = 1.0) {
        if (muted)
            return;
        y -= th * scale * 1.6;
        Label l;
        l.at = {0, y};
        l.text = text;
        l.heightMm = th * scale;
        l.layer = layer;
        widest = std::max(widest, TextWidthMm(text, th * scale));
        titleBlock.labels.push_back(l);
    };
    const auto &place = design.place;
    const double d = design.declinationDeg;
    std::string side = std::abs(d) < 1e-9 ? say(QT_TRANSLATE_NOOP("horalo", " (Sud)")) : std::abs(std::abs(d) - 180) < 1e-9 ? say(QT_TRANSLATE_NOOP("horalo", " (Nord)"))
                                                      : (d < 0 ? say(QT_TRANSLATE_NOOP("horalo", " Est")) : say(QT_TRANSLATE_NOOP("horalo", " Ovest")));
    line(sketch.title, Layer::Texts, 1.4);
    for (const std::string &text : title.blockLines)
        line(text);
    // The designer's own account of its inputs; a sheet's drawing gave its lines above.
    muted = !title.blockLines.empty();
    line(say(QT_TRANSLATE_NOOP("horalo", "Latitudine ")) + degreesText(place.latitudeDeg, 4) + say(QT_TRANSLATE_NOOP("horalo", "  longitudine ")) + degreesText(place.longitudeDeg, 4) +
         say(QT_TRANSLATE_NOOP("horalo", " (Est positiva)")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Fuso ")) + DecimalShown(place.zoneHours, 2) + " h" + (place.summerTime ? say(QT_TRANSLATE_NOOP("horalo", ", ora legale")) : say(QT_TRANSLATE_NOOP("horalo", ", senza ora legale"))));
    line(say(QT_TRANSLATE_NOOP("horalo", "Declinazione del piano ")) + degreesText(std::abs(d), 2) + side + say(QT_TRANSLATE_NOOP("horalo", "  inclinazione ")) +
         degreesText(design.inclinationDeg, 2));
    line(std::string(design.gnomon == gnomonics::GnomonSize::StyleLength ? say(QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo ")) : say(QT_TRANSLATE_NOOP("horalo", "Altezza del nodo "))) +
         DecimalShown(design.gnomonMm, 1) + " mm");
    std::string hours;
    auto add = [](std::string &s, const std::string &t) { s += (s.empty() ? "" : ", ") + t; };
    if (design.hours.apparent)
        add(hours, design.hours.halfHours ? say(QT_TRANSLATE_NOOP("horalo", "vere e mezze ore")) : say(QT_TRANSLATE_NOOP("horalo", "vere")));
    if (design.hours.clock)
        add(hours, (say(QT_TRANSLATE_NOOP("horalo", "civili (analemma "))) +
                       (design.hours.analemma == gnomonics::AnalemmaMode::Whole ? say(QT_TRANSLATE_NOOP("horalo", "intero"))
                        : design.hours.analemma == gnomonics::AnalemmaMode::Halves ? say(QT_TRANSLATE_NOOP("horalo", "a metà")) : say(QT_TRANSLATE_NOOP("horalo", "del mezzogiorno"))) +
                       say(QT_TRANSLATE_NOOP("horalo", ", anno ")) + std::to_string(design.year) + ")");
    if (design.hours.italic)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "italiche")));
    if (design.hours.babylonian)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "babiloniche")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Ore: ")) + (hours.empty() ? (say(QT_TRANSLATE_NOOP("horalo", "nessuna"))) : hours));
    std::string dates;
    if (design.dates.solsticesEquinoxes)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "solstizi ed equinozi")));
    if (design.dates.zodiac)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "segni zodiacali")));
    if (design.dates.monthFirsts)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "primo del mese")));
    for (const auto &day : design.dates.dates)
        add(dates, dayName(day) + " " + std::to_string(day.year));
    line(say(QT_TRANSLATE_NOOP("horalo", "Linee diurne: ")) + (dates.empty() ? (say(QT_TRANSLATE_NOOP("horalo", "nessuna"))) : dates));
    line(say(QT_TRANSLATE_NOOP("horalo", "Lastra ")) + DecimalShown(clip.rightMm - clip.leftMm, 0) + " × " + DecimalShown(clip.topMm - clip.bottomMm, 0) +
         say(QT_TRANSLATE_NOOP("horalo", " mm, piede dello gnomone F a ")) + DecimalShown(-clip.leftMm, 0) + say(QT_TRANSLATE_NOOP("horalo", " mm da sinistra e ")) + DecimalShown(clip.topMm, 0) +
         say(QT_TRANSLATE_NOOP("horalo", " mm dall'alto")) + (dial.footOnPlate ? "" : say(QT_TRANSLATE_NOOP("horalo", " (fuori dalla lastra)"))));
    muted = false;
    // The signs of the two angles are this program's conventions; the block says them.
    line(say(QT_TRANSLATE_NOOP("horalo", "Elevazione dello stilo ")) + degreesText(plane.styleHeightDeg, 2) + say(QT_TRANSLATE_NOOP("horalo", "  altezza del nodo ")) +
         DecimalShown(plane.nodusHeightMm, 1) + " mm" +
         (plane.hasCentre ? say(QT_TRANSLATE_NOOP("horalo", "  stilo O-nodo ")) + DecimalShown(plane.styleLengthMm, 1) + " mm" : ""));
    line(say(QT_TRANSLATE_NOOP("horalo", "Angolo della sustilare ")) + degreesText(plane.substyleAngleDeg, 2) +
         (plane.substyleFromVertical ? say(QT_TRANSLATE_NOOP("horalo", " dalla verticale (+ verso il pomeriggio)"))
                                     : say(QT_TRANSLATE_NOOP("horalo", " dalla meridiana (+ verso il pomeriggio)"))));
    line(say(QT_TRANSLATE_NOOP("horalo", "Differenza di longitudine ")) + degreesText(plane.longitudeDifferenceDeg, 2) +
         say(QT_TRANSLATE_NOOP("horalo", " (+ a Ovest)")));
    if (plane.hasCentre)
        line(say(QT_TRANSLATE_NOOP("horalo", "Centro del quadrante O (radice dello stilo) a x ")) + DecimalShown(plane.centre.xMm, 1) + say(QT_TRANSLATE_NOOP("horalo", ", y ")) + DecimalShown(plane.centre.yMm, 1) +
             say(QT_TRANSLATE_NOOP("horalo", " mm da F")));
    else
        line(say(QT_TRANSLATE_NOOP("horalo", "Quadrante polare: lo stilo è parallelo al piano, senza centro")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Scala 1:1, misure in mm dal piede dello gnomone F (x a destra, y in alto)")));
    if (design.hours.apparent)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore vere")), Layer::Hours);
    if (design.hours.clock)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore civili (tempo del fuso)")), Layer::ClockHours);
    if (design.hours.clock && design.hours.equationOfTime && design.hours.analemma == gnomonics::AnalemmaMode::Halves) {
        line(say(QT_TRANSLATE_NOOP("horalo", "Da dicembre a giugno: linea continua")), Layer::ClockHours);
        line(say(QT_TRANSLATE_NOOP("horalo", "Da giugno a dicembre: linea tratteggiata")), Layer::ClockHours);
    }
    if (design.hours.italic)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore italiche")), Layer::Italic);
    if (design.hours.babylonian)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore babiloniche")), Layer::Babylonian);
    if (!dates.empty() || !design.dates.declinations.empty())
        line(say(QT_TRANSLATE_NOOP("horalo", "Linee diurne")), Layer::Dates);
    titleBlock.box = {0, y - th * 0.5, widest, 0};
    pieces.push_back(std::move(titleBlock));

    // The style template at 1:1: the triangle F, nodus, O that the style and its support form,
    // to cut out and hold against the wall; its angle at O is the style height.
    {
        Piece templ;
        const double h = plane.nodusHeightMm;
        const double base = plane.hasCentre ? std::hypot(plane.centre.xMm, plane.centre.yMm) : 0.0;
        const Pt f{th, -th - h};
        Polyline tri;
        tri.layer = Layer::Style;
        tri.widthMm = 0.35;
        const bool triangle = plane.hasCentre && base > 1e-6;
        if (triangle) {
            tri.points = {f, {f.x, f.y + h}, {f.x + base, f.y}};
            tri.closed = true;
        } else {
            tri.points = {f, {f.x, f.y + h}};
        }
        templ.lines.push_back(tri);
        const std::string heightText = "h " + DecimalShown(h, 1) + " mm";
        // Every text outside the triangle, so none crosses the edge it names: the height to the
        // left of its leg, the style above the hypotenuse, the angle beyond the tip at O.
        templ.labels.push_back({{f.x - th * 0.6 - TextWidthMm(heightText, th), f.y + h * 0.5 - th * 0.5}, heightText,
                                th, Layer::Style});
        templ.labels.push_back({{f.x - th * 0.3, f.y - th * 1.4}, "F", th, Layer::Style});
        double right = f.x + th * 0.5;
        if (triangle) {
            const std::string styleText = say(QT_TRANSLATE_NOOP("horalo", "stilo ")) + DecimalShown(plane.styleLengthMm, 1) + " mm";
            // O after F even when the base is shorter than a letter; the style's text above the
            // angle's even when the triangle is flat.
            templ.labels.push_back({{std::max(f.x + base - th * 0.3, f.x + th * 0.7), f.y - th * 1.4}, "O", th, Layer::Style});
            templ.labels.push_back({{f.x + base * 0.5 + th * 0.4, f.y + std::max(h * 0.5 + th * 0.7, th * 1.6)}, styleText, th,
                                    Layer::Style});
            templ.labels.push_back({{f.x + base + th * 0.8, f.y + th * 0.2}, degreesText(plane.styleHeightDeg, 2), th,
                                    Layer::Style});
            right = std::max({right, f.x + base + th, f.x + base * 0.45 + TextWidthMm(styleText, th)});
        }
        templ.box = {0, f.y - th * 1.6, right, 0};
        for (const Label &l : templ.labels)
            templ.box.include(l.box());
        pieces.push_back(std::move(templ));
    }

    // The 100 mm bar.
    {
        Piece bar;
        const double by = -5.0;
        bar.lines.push_back(segmentLine({0, by}, {100, by}, Layer::Construction, 0.35));
        for (int k = 0; k <= 10; ++k)
            bar.lines.push_back(segmentLine({10.0 * k, by}, {10.0 * k, by + (k % 5 == 0 ? 4.0 : 2.0)},
                                            Layer::Construction, 0.25));
        bar.labels.push_back({{100 + th, by}, "100 mm", th, Layer::Texts});
        bar.box = {0, by - 1, 100 + th + TextWidthMm("100 mm", th), 0};
        bar.box.include(bar.labels.back().box());
        pieces.push_back(std::move(bar));
    }

    // Arrows: up on the plane, and North on a horizontal dial.
    {
        Piece arrows;
        // 60 mm on a plate of half a metre and more, shorter on a small plate so that it finds
        // room on it.
        const double len = std::clamp(plateSide / 8.0, 20.0, 60.0);
        auto arrow = [&](Pt from, Pt dir, const std::string &text) {
            const Pt tip{from.x + dir.x * len, from.y + dir.y * len};
            Polyline a;
            a.layer = Layer::Construction;
            a.widthMm = 0.35;
            const Pt across{-dir.y, dir.x};
            const double head = len * 8 / 60, half = len * 4 / 60;
            a.points = {from, tip, {tip.x - dir.x * head + across.x * half, tip.y - dir.y * head + across.y * half}, tip,
                        {tip.x - dir.x * head - across.x * half, tip.y - dir.y * head - across.y * half}};
            arrows.lines.push_back(a);
            arrows.labels.push_back({{tip.x + dir.x * th + (dir.x < 0 ? -TextWidthMm(text, th) : 0),
                                      tip.y + dir.y * th - (dir.y < 0 ? th : 0)},
                                     text, th, Layer::Texts});
        };
        arrow({0, -len - 3 * th}, {0, 1}, say(QT_TRANSLATE_NOOP("horalo", "Alto")));
        if (std::abs(design.inclinationDeg - 90.0) < 1e-9) {
            const gnomonics::Vec3 north{0, 1, 0};
            Pt n{gnomonics::dot(north, plane.right), gnomonics::dot(north, plane.up)};
            const double norm = std::hypot(n.x, n.y);
            if (norm > 1e-9)
                arrow({len + 4 * th, -len / 2 - 3 * th}, {n.x / norm, n.y / norm}, "N");
        }
        bool first = true;
        for (const Polyline &a : arrows.lines)
            for (const Pt p : a.points) {
                if (first)
                    arrows.box = {p.x, p.y, p.x, p.y};
                first = false;
                arrows.box.include(p);
            }
        for (const Label &l : arrows.labels)
            arrows.box.include(l.box());
        pieces.push_back(std::move(arrows));
    }

    const double gap = th;
    // The pieces take the free corners in turn, the arrows last. Should that leave the arrows
    // with no room, the arrows go first instead: an arrow beside the plate (or on the PDF's
    // second page) no longer says which way is up; the other pieces read as well anywhere.
    auto arrange = [&](const std::vector<std::size_t> &order) {
        FreeSpace free(sketch, th * 1.5);
        std::vector<std::optional<Pt>> spots(pieces.size());
        for (std::size_t i : order) {
            const Piece &piece = pieces[i];
            const double w = piece.box.right - piece.box.left, hgt = piece.box.top - piece.box.bottom;
            spots[i] = free.find(w + 2 * gap, hgt + 2 * gap);
            if (spots[i])
                free.occupy({spots[i]->x, spots[i]->y, spots[i]->x + w + 2 * gap, spots[i]->y + hgt + 2 * gap});
        }
        return spots;
    };
    std::vector<std::size_t> order(pieces.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::vector<std::optional<Pt>> spots = arrange(order);
    if (!spots.empty() && !spots.back()) {
        std::rotate(order.rbegin(), order.rbegin() + 1, order.rend());
        auto arrowsFirst = arrange(order);
        if (arrowsFirst.back())
            spots = std::move(arrowsFirst);
    }
    double asideTop = clip.topMm;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece &piece = pieces[i];
        const double hgt = piece.box.top - piece.box.bottom;
        Pt shift;
        const std::optional<Pt> &spot = spots[i];
        piece.aside = !spot;
        if (spot) {
            shift = {spot->x + gap - piece.box.left, spot->y + gap - piece.box.bottom};
        } else {
            // Beside the plate, to its right, one piece under the other.
            shift = {clip.rightMm + 4 * th - piece.box.left, asideTop - piece.box.top};
            asideTop -= hgt + 3 * th;
        }
        for (Polyline &l : piece.lines) {
            for (Pt &p : l.points)
                p = {p.x + shift.x, p.y + shift.y};
            l.aside = piece.aside;
            sketch.lines.push_back(std::move(l));
        }
        for (Label &l : piece.labels) {
            l.at = {l.at.x + shift.x, l.at.y + shift.y};
            l.aside = piece.aside;
            sketch.labels.push_back(std::move(l));
        }
    }

    sketch.extent = sketch.plate;
    bool anyAside = false;
    for (const auto &l : sketch.lines)
        for (const Pt p : l.points) {
            sketch.extent.include(p);
            if (l.aside) {
                sketch.aside = anyAside ? sketch.aside : Box{p.x, p.y, p.x, p.y};
                sketch.aside.include(p);
                anyAside = true;
            }
        }
    for (const auto &l : sketch.labels) {
        sketch.extent.include(l.box());
        if (l.aside) {
            sketch.aside = anyAside ? sketch.aside : l.box();
            sketch.aside.include(l.box());
            anyAside = true;
        }
    }
    for (const auto &dt : sketch.dots)
        sketch.extent.include(Box{dt.at.x - dt.radiusMm, dt.at.y - dt.radiusMm, dt.at.x + dt.radiusMm,
                                  dt.at.y + dt.radiusMm});
    sketch.hasAside = anyAside;
    return sketch;
}

} // namespace drawing
