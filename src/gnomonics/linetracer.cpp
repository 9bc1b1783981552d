#include "gnomonics/linetracer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gnomonics {

EngineStatus CheckClip(const ClipRect &clip)
{
    for (double v : {clip.leftMm, clip.rightMm, clip.bottomMm, clip.topMm, clip.reachMm, clip.reachCentre.xMm,
                     clip.reachCentre.yMm})
        if (!std::isfinite(v))
            return Refuse(InputField::Plate, RefusalReason::NotFinite);
    if (!(clip.rightMm - clip.leftMm >= kMinPlateMm) || !(clip.topMm - clip.bottomMm >= kMinPlateMm) ||
        clip.reachMm < 0)
        return Refuse(InputField::Plate, RefusalReason::OutOfRange);
    return {};
}

void tracing::tidyPieces(std::vector<std::vector<DialPoint>> &pieces)
{
    // Bisection may land on a sample itself: drop repeated points.
    for (auto &piece : pieces)
        piece.erase(std::unique(piece.begin(), piece.end(),
                                [](const DialPoint &a, const DialPoint &b) { return a.parameter == b.parameter; }),
                    piece.end());
    std::erase_if(pieces, [](const auto &piece) { return piece.size() < 2; });
}

std::optional<Segment> ClipStraightLine(const FrameLine &line, const ClipRect &clip)
{
    // Liang and Barsky: the parameter interval of the line inside each pair of edges.
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    const double p0[2] = {line.point.xMm, line.point.yMm};
    const double d[2] = {line.direction.xMm, line.direction.yMm};
    const double mins[2] = {clip.leftMm, clip.bottomMm};
    const double maxs[2] = {clip.rightMm, clip.topMm};
    for (int k = 0; k < 2; ++k) {
        if (std::abs(d[k]) < 1e-15) {
            if (p0[k] < mins[k] || p0[k] > maxs[k])
                return std::nullopt;
            continue;
        }
        double a = (mins[k] - p0[k]) / d[k];
        double b = (maxs[k] - p0[k]) / d[k];
        if (a > b)
            std::swap(a, b);
        lo = std::max(lo, a);
        hi = std::min(hi, b);
    }
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi))
        return std::nullopt;
    auto at = [&](double s) {
        Point2 q{p0[0] + s * d[0], p0[1] + s * d[1]};
        q.xMm = std::min(std::max(q.xMm, clip.leftMm), clip.rightMm);
        q.yMm = std::min(std::max(q.yMm, clip.bottomMm), clip.topMm);
        return q;
    };
    return Segment{at(lo), at(hi)};
}

} // namespace gnomonics
