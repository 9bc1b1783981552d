#pragma once

// What a maker asks of the names on a drawing, measured on the drawing itself: every piece of
// every hour and date line carries its name; a name stands clearly nearer its own line than any
// other line of its family, or is tied to its own line by a leader that ends on it; no two names
// cover each other.

#include "drawing/dialsketch.h"
#include "gnomonics/diallines.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace labelcheck {

using drawing::Pt;

// How much nearer its own line than any other line of its family a name without a leader stands.
inline constexpr double kClearlyNearer = 1.5;
// How close to its line a leader's end must be, mm.
inline constexpr double kOnLineMm = 0.01;

inline drawing::Layer layerOfFamily(gnomonics::LineFamily family)
{
    switch (family) {
    case gnomonics::LineFamily::ApparentTime: return drawing::Layer::Hours;
    case gnomonics::LineFamily::ClockTime: return drawing::Layer::ClockHours;
    case gnomonics::LineFamily::Italic: return drawing::Layer::Italic;
    case gnomonics::LineFamily::Babylonian: return drawing::Layer::Babylonian;
    case gnomonics::LineFamily::DateLine: return drawing::Layer::Dates;
    case gnomonics::LineFamily::Temporary: return drawing::Layer::Temporary;
    case gnomonics::LineFamily::Azimuth: return drawing::Layer::Azimuth;
    case gnomonics::LineFamily::Altitude: return drawing::Layer::Altitude;
    }
    return drawing::Layer::Hours;
}

inline double toSegment(drawing::Pt c, drawing::Pt a, drawing::Pt b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(c.x - a.x - t * dx, c.y - a.y - t * dy);
}

// Distance from c to a piece; when prolonged, the piece taken on beyond both ends as the eye
// takes it: straight on from the last millimetre or more of the line.
inline double toPiece(drawing::Pt c, const std::vector<gnomonics::DialPoint> &piece, bool prolonged)
{
    double best = std::numeric_limits<double>::infinity();
    std::vector<Pt> pts;
    for (const auto &p : piece)
        pts.push_back({p.xMm, p.yMm});
    for (std::size_t i = 0; i + 1 < pts.size(); ++i)
        best = std::min(best, toSegment(c, pts[i], pts[i + 1]));
    if (!prolonged || pts.size() < 2)
        return best;
    auto carryOn = [&](Pt tip, auto from) {
        Pt back = tip;
        for (std::size_t k = 1; k < pts.size() && std::hypot(back.x - tip.x, back.y - tip.y) < 1.0; ++k)
            back = from(k);
        const double len = std::hypot(tip.x - back.x, tip.y - back.y);
        if (!(len > 0))
            return;
        const Pt far{tip.x + 1e6 * (tip.x - back.x) / len, tip.y + 1e6 * (tip.y - back.y) / len};
        best = std::min(best, toSegment(c, tip, far));
    };
    carryOn(pts.front(), [&](std::size_t k) { return pts[k]; });
    carryOn(pts.back(), [&](std::size_t k) { return pts[pts.size() - 1 - k]; });
    return best;
}

inline double toLine(drawing::Pt c, const gnomonics::DialLine &line)
{
    double best = std::numeric_limits<double>::infinity();
    for (const auto &piece : line.pieces)
        best = std::min(best, toPiece(c, piece, false));
    return best;
}

// The faults of the names of a drawing built from `dial` (empty when there is none).
inline QStringList labelFaults(const gnomonics::DialLines &dial, const drawing::DialSketch &sketch, bool summerTime)
{
    using drawing::Pt;
    QStringList faults;
    const auto &labels = sketch.labels;
    for (std::size_t i = 0; i < labels.size(); ++i)
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            if (labels[i].box().overlaps(labels[j].box()))
                faults << QStringLiteral("'%1' covers '%2'").arg(QString::fromStdString(labels[i].text),
                                                                 QString::fromStdString(labels[j].text));
    // Leaders: the two-point lines on the texts' layer (no other line is drawn there), one end
    // on a name's box.
    std::vector<std::pair<Pt, Pt>> leaders; // (the end away from the box, the end on it)
    for (const auto &l : sketch.lines)
        if (l.layer == drawing::Layer::Texts && l.points.size() == 2)
            leaders.push_back({l.points[0], l.points[1]});
    auto onBox = [](Pt p, const drawing::Box &b) {
        const double e = 1e-6;
        const bool inside = p.x >= b.left - e && p.x <= b.right + e && p.y >= b.bottom - e && p.y <= b.top + e;
        return inside && (std::abs(p.x - b.left) < e || std::abs(p.x - b.right) < e || std::abs(p.y - b.bottom) < e ||
                          std::abs(p.y - b.top) < e);
    };

    std::vector<std::vector<bool>> named(dial.lines.size());
    for (std::size_t k = 0; k < dial.lines.size(); ++k)
        named[k].assign(dial.lines[k].pieces.size(), false);
    for (const auto &label : labels) {
        const QString text = QString::fromStdString(label.text);
        // Its lines: those of its family that bear its name (the two halves of a split
        // analemma bear one name).
        std::vector<std::size_t> mine;
        for (std::size_t k = 0; k < dial.lines.size(); ++k)
            if (layerOfFamily(dial.lines[k].family) == label.layer && !dial.lines[k].pieces.empty() &&
                drawing::ShownLineLabel(dial.lines[k], summerTime) == label.text)
                mine.push_back(k);
        if (mine.empty())
            continue; // O, F, the title block, the template
        const drawing::Box b = label.box();
        const Pt c{(b.left + b.right) / 2, (b.bottom + b.top) / 2};
        std::optional<Pt> tied;
        for (const auto &[from, to] : leaders)
            if (onBox(to, b) && !(from.x >= b.left && from.x <= b.right && from.y >= b.bottom && from.y <= b.top))
                tied = from;
        // The piece it names: the one its leader ends on, or else the nearest (two pieces of
        // one straight line lie on each other's prolongation: the eye goes to the nearer).
        // Where the leader leaves from a point two pieces share (the ends of an analemma's
        // halves), the one nearer the label.
        std::size_t own = mine.front(), piece = 0;
        double nearest = std::numeric_limits<double>::infinity(), byLabel = nearest;
        for (std::size_t k : mine)
            for (std::size_t p = 0; p < dial.lines[k].pieces.size(); ++p) {
                const double d = toPiece(tied ? *tied : c, dial.lines[k].pieces[p], false);
                const double toLabel = toPiece(c, dial.lines[k].pieces[p], false);
                const bool shared = tied && d <= kOnLineMm && nearest <= kOnLineMm;
                if (shared ? toLabel < byLabel : d < nearest)
                    nearest = d, byLabel = toLabel, own = k, piece = p;
            }
        const gnomonics::DialLine &line = dial.lines[own];
        const double best = tied ? nearest : toPiece(c, line.pieces[piece], true);
        if (tied) {
            if (!(best <= kOnLineMm))
                faults << QStringLiteral("the leader of '%1' ends %2 mm from its line").arg(text).arg(best);
        } else {
            for (std::size_t k = 0; k < dial.lines.size(); ++k)
                if (std::find(mine.begin(), mine.end(), k) == mine.end() && dial.lines[k].family == line.family &&
                    !dial.lines[k].pieces.empty() && !(toLine(c, dial.lines[k]) > kClearlyNearer * best))
                    faults << QStringLiteral("'%1' stands %2 mm from its line, %3 mm from '%4'")
                                  .arg(text)
                                  .arg(best, 0, 'f', 2)
                                  .arg(toLine(c, dial.lines[k]), 0, 'f', 2)
                                  .arg(QString::fromStdString(drawing::ShownLineLabel(dial.lines[k], summerTime)));
        }
        named[own][piece] = true;
        // A leader that ends where pieces of its name meet names each of them.
        if (tied)
            for (std::size_t k : mine)
                for (std::size_t p = 0; p < dial.lines[k].pieces.size(); ++p)
                    if (toPiece(*tied, dial.lines[k].pieces[p], false) <= kOnLineMm)
                        named[k][p] = true;
    }
    for (std::size_t k = 0; k < dial.lines.size(); ++k)
        for (std::size_t p = 0; p < named[k].size(); ++p)
            if (!named[k][p])
                faults << QStringLiteral("piece %1 of '%2' has no name")
                              .arg(p)
                              .arg(QString::fromStdString(drawing::ShownLineLabel(dial.lines[k], summerTime)));
    return faults;
}

} // namespace labelcheck
