#pragma once

// Tracing one line of a dial: a curve given point by point as a function of one parameter (a
// declination, an hour angle, a day), kept only where its points exist and lie on the plate.
// Where the line leaves or enters, the end is found by bisection on the parameter, so every
// piece ends on the plate's edge, on the horizon or where the Sun leaves the face, to a
// millionth of a millimetre and never beyond.

#include "gnomonics/plane.h"
#include "gnomonics/calendar.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace gnomonics {

// The smallest plate side the engine draws on, mm.
inline constexpr double kMinPlateMm = 10.0;

// A rectangle in the dial's frame (mm from the foot F, x right, y up): the dial plate.
struct ClipRect {
    double leftMm = -500;
    double rightMm = 500;
    double bottomMm = -600;
    double topMm = 200;
    // A drawing with no plate (a sheet's) keeps its lines within reachMm of reachCentre as well:
    // near the horizon the shadow runs off without bound. 0: no such limit.
    double reachMm = 0;
    Point2 reachCentre;
    bool contains(Point2 p) const
    {
        return p.xMm >= leftMm && p.xMm <= rightMm && p.yMm >= bottomMm && p.yMm <= topMm &&
               (reachMm <= 0 || std::hypot(p.xMm - reachCentre.xMm, p.yMm - reachCentre.yMm) <= reachMm);
    }
};

// Refuses a plate whose edges or reach are not finite, whose sides are shorter than kMinPlateMm,
// or whose reach is negative.
EngineStatus CheckClip(const ClipRect &clip);

// One traced point: where the shadow of the nodus falls and what it means.
struct DialPoint {
    double xMm = 0;
    double yMm = 0;
    double hourAngleDeg = 0;   // the Sun's, from the local meridian, West positive
    double declinationDeg = 0; // the Sun's
    double apparentHours = 12; // local apparent time of the instant, 0..24
    bool hasClock = false;     // clock-time lines: clockHours is the clock reading
    double clockHours = 0;
    bool hasDate = false;      // analemma points on a whole day: date is that day
    gnomonics::CivilDate date;
    double parameter = 0;      // where on its line (the tracing parameter)
};

// The point of a line at a parameter value, or nothing where it does not exist. It must give
// only finite coordinates.
using LinePointFunction = std::function<std::optional<DialPoint>(double parameter)>;

namespace tracing {

// The point at t when it exists and lies on the plate.
template <typename PointAt>
std::optional<DialPoint> onPlate(const PointAt &pointAt, double t, const ClipRect &clip)
{
    std::optional<DialPoint> p = pointAt(t);
    if (p && !(std::isfinite(p->xMm) && std::isfinite(p->yMm) && clip.contains({p->xMm, p->yMm})))
        p.reset();
    return p;
}

// The last point on the plate between a parameter whose point is on it and one whose is not.
template <typename PointAt>
DialPoint boundary(const PointAt &pointAt, double inside, DialPoint insidePoint, double outside, const ClipRect &clip)
{
    for (int i = 0; i < 80; ++i) {
        const double mid = 0.5 * (inside + outside);
        if (mid == inside || mid == outside)
            break;
        if (auto p = onPlate(pointAt, mid, clip)) {
            inside = mid;
            insidePoint = *p;
        } else {
            outside = mid;
        }
    }
    return insidePoint;
}

// Drops the points bisection put on a sample itself, then the pieces left with one point.
void tidyPieces(std::vector<std::vector<DialPoint>> &pieces);

} // namespace tracing

// Pieces of a line: the function (a LinePointFunction or any callable of the same form; a
// lambda is called directly, point by point, with no function object between) is sampled at
// the given parameters (increasing); each run of samples that exist and lie on the plate
// becomes one piece, extended at each end to the boundary found by bisection between the last
// sample in and the first out. Pieces of fewer than two points are dropped.
template <typename PointAt>
std::vector<std::vector<DialPoint>> TraceLine(const PointAt &pointAt, const std::vector<double> &samples,
                                              const ClipRect &clip)
{
    std::vector<std::vector<DialPoint>> pieces;
    std::vector<DialPoint> current; // while the samples are on the plate, its last is the sample before
    current.reserve(samples.size() + 2);
    bool previousIn = false;
    double previousT = 0;
    auto close = [&] {
        if (current.size() >= 2)
            pieces.emplace_back(current.begin(), current.end()); // no more room than its points
        current.clear();
    };
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = samples[i];
        if (i > 0 && !(t > previousT))
            continue; // a repeated parameter adds nothing
        const auto p = tracing::onPlate(pointAt, t, clip);
        if (p) {
            if (i > 0 && !previousIn)
                current.push_back(tracing::boundary(pointAt, t, *p, previousT, clip));
            current.push_back(*p);
        } else if (previousIn) {
            current.push_back(tracing::boundary(pointAt, previousT, current.back(), t, clip));
            close();
        }
        previousIn = p.has_value();
        previousT = t;
    }
    close();
    tracing::tidyPieces(pieces);
    return pieces;
}

// How far a chord of a traced line may stray from the curve it stands for, mm, after
// RefineChords; and how many times a chord is halved at most.
inline constexpr double kChordToleranceMm = 0.002;
inline constexpr int kMostChordHalvings = 14;

namespace tracing {

// The distance from p to the chord ab.
inline double offChord(const DialPoint &p, const DialPoint &a, const DialPoint &b)
{
    const double dx = b.xMm - a.xMm, dy = b.yMm - a.yMm, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.xMm - a.xMm) * dx + (p.yMm - a.yMm) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.xMm - a.xMm - t * dx, p.yMm - a.yMm - t * dy);
}

// The points between a and b (not a, not b) that keep every chord within kChordToleranceMm of
// the curve, appended to out in order.
template <typename PointAt>
void refineChord(const PointAt &pointAt, const DialPoint &a, const DialPoint &b, const ClipRect &clip, int depth,
                 std::vector<DialPoint> &out)
{
    if (depth >= kMostChordHalvings)
        return;
    const double mid = 0.5 * (a.parameter + b.parameter);
    if (!(mid > a.parameter && mid < b.parameter))
        return;
    const std::optional<DialPoint> m = onPlate(pointAt, mid, clip);
    if (!m || offChord(*m, a, b) <= kChordToleranceMm)
        return;
    refineChord(pointAt, a, *m, clip, depth + 1, out);
    out.push_back(*m);
    refineChord(pointAt, *m, b, clip, depth + 1, out);
}

} // namespace tracing

// Adds points to the pieces wherever a chord between two traced points strays more than
// kChordToleranceMm from the curve: the middle of each chord's parameters is tried, and the
// chord halved again where it bends. A line whose point moves ever faster near an end (an
// Italic, Babylonian or temporary hour line where the day shrinks to nothing at the polar
// circle) is followed there to a few thousandths of a millimetre, like the rest of the line.
template <typename PointAt>
void RefineChords(const PointAt &pointAt, std::vector<std::vector<DialPoint>> &pieces, const ClipRect &clip)
{
    for (auto &piece : pieces) {
        std::vector<DialPoint> refined;
        refined.reserve(piece.size());
        for (std::size_t i = 0; i < piece.size(); ++i) {
            if (i > 0)
                tracing::refineChord(pointAt, piece[i - 1], piece[i], clip, 0, refined);
            refined.push_back(piece[i]);
        }
        piece = std::move(refined);
    }
}

// The part of a straight line inside the rectangle (the reach left aside), or nothing when it
// misses it.
struct Segment {
    Point2 a;
    Point2 b;
};
std::optional<Segment> ClipStraightLine(const FrameLine &line, const ClipRect &clip);

} // namespace gnomonics
