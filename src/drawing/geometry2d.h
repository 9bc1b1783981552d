#pragma once

// Points, boxes and segments in the plane of a dial's drawing: millimetres from the foot F of
// the style, x to the right and y upwards. The sketch, its label layout and the free-space
// search all measure with these. The small ones are inline: the label layout asks for distances
// by the million.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace drawing {

struct Pt {
    double x = 0;
    double y = 0;
};

struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    bool overlaps(const Box &o) const
    {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
    void include(const Box &o);
    void include(Pt p);
    bool contains(Pt p) const { return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top; }
};

// The whole number at or below v, as std::floor gives it, for a finite v within the range of a
// long (the index of a cell): inline, where std::floor is a call into the library unless the
// processor has an instruction of its own for it.
inline long floorToLong(double v)
{
    const long truncated = static_cast<long>(v);
    return v < static_cast<double>(truncated) ? truncated - 1 : truncated;
}

// (std::sqrt rather than std::hypot: the lengths on a dial are far from where the plain formula
// would overflow.)
inline double dist(Pt a, Pt b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

// The part of the segment ab inside the box, as the parameters [t0, t1] of a + t (b - a)
// (Liang-Barsky clipping); nothing when the segment misses the box.
inline std::optional<std::pair<double, double>> clipToBox(Pt a, Pt b, const Box &box)
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

inline bool segmentMeetsBox(Pt a, Pt b, const Box &box) { return clipToBox(a, b, box).has_value(); }

// The box grown by a margin far wider than the rounding of the clipping above, for
// surelyApart: a segment wholly beyond one side of the grown box surely misses the box.
inline Box withRoundingMargin(const Box &box)
{
    const double m = 1e-7 * (1.0 + std::max({std::abs(box.left), std::abs(box.right), std::abs(box.bottom), std::abs(box.top)}));
    return {box.left - m, box.bottom - m, box.right + m, box.top + m};
}

// Whether the segment ab lies wholly beyond one side of the (grown) box: a few comparisons
// that spare the clipping of most segments tested against a label's box. False for a point
// that is not a number, which is then left to the clipping.
inline bool surelyApart(Pt a, Pt b, const Box &grown)
{
    return (a.x < grown.left && b.x < grown.left) || (a.x > grown.right && b.x > grown.right) ||
           (a.y < grown.bottom && b.y < grown.bottom) || (a.y > grown.top && b.y > grown.top);
}

// Whether the segments ab and cd have a point in common (touching counts).
bool segmentsMeet(Pt a, Pt b, Pt c, Pt d);

// The distance from c to the nearest point of the segment ab.
inline double distanceToSegment(Pt c, Pt a, Pt b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return dist(c, {a.x + t * dx, a.y + t * dy});
}

// The point a line's end is seen to come from: the first point back from that end at least a
// millimetre away, so that a last chord shortened to nothing where the line was cut (at the
// horizon, at the plate's edge) does not turn the line's direction at its end. The line has at
// least one point.
Pt comingFrom(const std::vector<Pt> &pts, bool atBack);

} // namespace drawing
