#include "drawing/kindsketch.h"

#include "drawing/textformat.h"
#include "gnomonics/sun.h"
#include "sheet/markedtext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace drawing {

namespace {

using gnomonics::DialKind;
using gnomonics::MarkKind;

std::string say(const char *italian) { return sheet::translated(italian); }

std::string sayWith(const char *italian, const std::string &arg) { return sheet::translatedWith(italian, {arg}); }

// A line from a to b kept to the plate (both ends on it, or nothing).
void addSegment(DialSketch &sketch, Pt a, Pt b, Layer layer)
{
    const auto inside = clipToBox(a, b, sketch.plate);
    if (!inside)
        return;
    const auto [t0, t1] = *inside;
    const Pt p{a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0};
    const Pt q{a.x + (b.x - a.x) * t1, a.y + (b.y - a.y) * t1};
    sketch.lines.push_back(SegmentLine(p, q, layer));
}

// A closed or open run of points cut where it leaves the plate.
void addCurve(DialSketch &sketch, const std::vector<Pt> &points, Layer layer, bool closed)
{
    Polyline run;
    run.layer = layer;
    auto flush = [&] {
        if (run.points.size() >= 2)
            sketch.lines.push_back(run);
        run.points.clear();
    };
    const bool whole = std::all_of(points.begin(), points.end(), [&](Pt p) { return sketch.plate.contains(p); });
    if (whole && closed) {
        run.points = points;
        run.closed = true;
        sketch.lines.push_back(run);
        return;
    }
    for (const Pt p : points) {
        if (sketch.plate.contains(p))
            run.points.push_back(p);
        else
            flush();
    }
    flush();
}

void addName(DialSketch &sketch, Pt at, const std::string &text, double heightMm, Layer layer)
{
    Label l;
    l.at = at;
    l.text = text;
    l.heightMm = heightMm;
    l.layer = layer;
    sketch.labels.push_back(l);
}

// The wires in plan: the East-West one over the line through F (y = 0), the North-South one
// over x = 0, each named with its height.
void addWires(DialSketch &sketch, const gnomonics::DialLines &dial, double labelMm)
{
    const Box &p = sketch.plate;
    const auto &w = dial.design.bifilar;
    addSegment(sketch, {p.left, 0}, {p.right, 0}, Layer::Wires);
    addSegment(sketch, {0, p.bottom}, {0, p.top}, Layer::Wires);
    if (p.contains({0, 0})) {
        addName(sketch, {p.left + labelMm, labelMm * 0.4},
                sayWith(QT_TRANSLATE_NOOP("horalo", "filo Est-Ovest a %1 mm"), DecimalShown(w.eastWestMm, 1)), labelMm, Layer::Wires);
        addName(sketch, {labelMm * 0.4, p.top - 1.5 * labelMm},
                sayWith(QT_TRANSLATE_NOOP("horalo", "filo Nord-Sud a %1 mm"), DecimalShown(w.northSouthMm, 1)), labelMm, Layer::Wires);
    }
}

// The ellipse, its hour marks (a small cross and the hour, outside the ellipse), the date scale
// along the North-South axis with a tick and a name for each day, and the footprint where the
// person stands.
void addAnalemmatic(DialSketch &sketch, const gnomonics::DialLines &dial, double labelMm)
{
    const double m = dial.design.analemmatic.semiAxisMm;
    const double sinPhi = std::sin(dial.design.place.latitudeDeg * std::numbers::pi / 180.0);
    std::vector<Pt> ellipse;
    for (int k = 0; k < 360; ++k) {
        const double h = k * std::numbers::pi / 180.0;
        ellipse.push_back({m * std::sin(h), m * sinPhi * std::cos(h)});
    }
    addCurve(sketch, ellipse, Layer::Analemmatic, true);
    const double tick = std::max(labelMm * 0.6, m / 100.0);
    double lowest = 0, highest = 0;
    for (const gnomonics::DialMark &mark : dial.marks) {
        const Pt at{mark.at.xMm, mark.at.yMm};
        if (mark.kind == MarkKind::AnalemmaticHour) {
            addSegment(sketch, {at.x - tick, at.y}, {at.x + tick, at.y}, Layer::Analemmatic);
            addSegment(sketch, {at.x, at.y - tick}, {at.x, at.y + tick}, Layer::Analemmatic);
            // The number outside the ellipse, along the line from its centre.
            const double r = std::hypot(at.x, at.y);
            const Pt out = r > 0 ? Pt{at.x / r, at.y / r} : Pt{0, 1};
            const std::string text = HourText(mark.hour);
            const double w = TextWidthMm(text, labelMm);
            addName(sketch, {at.x + out.x * 2.5 * tick - w / 2 + out.x * w / 2, at.y + out.y * 2.5 * tick - labelMm / 3},
                    text, labelMm, Layer::Analemmatic);
        } else if (mark.kind == MarkKind::DateScale) {
            lowest = std::min(lowest, at.y);
            highest = std::max(highest, at.y);
            addSegment(sketch, {-tick, at.y}, {tick, at.y}, Layer::DateScale);
        }
    }
    if (highest > lowest)
        addSegment(sketch, {0, lowest}, {0, highest}, Layer::DateScale);
    // Names of the days alternately left and right of the scale, so that days close together
    // (the equinoxes, the firsts of March and October) do not overlap.
    bool right = true;
    std::vector<const gnomonics::DialMark *> days;
    for (const auto &mark : dial.marks)
        if (mark.kind == MarkKind::DateScale)
            days.push_back(&mark);
    std::sort(days.begin(), days.end(), [](auto *a, auto *b) { return a->at.yMm < b->at.yMm; });
    for (const auto *mark : days) {
        const std::string text = ShownDayName(mark->dateLine.date);
        const double w = TextWidthMm(text, labelMm * 0.8);
        addName(sketch, {right ? 1.5 * tick : -1.5 * tick - w, mark->at.yMm - labelMm * 0.25}, text, labelMm * 0.8, Layer::DateScale);
        right = !right;
    }
    // The footprint: two soles side by side across the scale, where the person stands on the
    // day's mark.
    const double foot = std::clamp(m / 8.0, 40.0, 260.0);
    for (const double side : {-1.0, 1.0}) {
        std::vector<Pt> sole;
        for (int k = 0; k < 48; ++k) {
            const double t = 2 * std::numbers::pi * k / 48;
            sole.push_back({side * foot * 0.3 + foot * 0.18 * std::cos(t), (lowest + highest) / 2 + foot * 0.5 * std::sin(t)});
        }
        addCurve(sketch, sole, Layer::DateScale, true);
    }
}

// The day marks across the meridian line, the spots' edges and their names.
void addDarkRoom(DialSketch &sketch, const gnomonics::DialLines &dial, double labelMm)
{
    const auto &plane = dial.plane;
    // Across the line: the direction of the noon line turned a right angle.
    Pt along{0, 1};
    for (const auto &line : dial.lines)
        if (line.family == gnomonics::LineFamily::ApparentTime && !line.pieces.empty() && line.pieces.front().size() >= 2) {
            const auto &p = line.pieces.front();
            const double dx = p.back().xMm - p.front().xMm, dy = p.back().yMm - p.front().yMm;
            const double len = std::hypot(dx, dy);
            if (len > 0)
                along = {dx / len, dy / len};
        }
    const Pt across{-along.y, along.x};
    const double tick = std::max(labelMm, plane.nodusHeightMm / 100.0);
    for (const gnomonics::DialMark &mark : dial.marks) {
        if (mark.kind != MarkKind::NoonSpot)
            continue;
        const Pt at{mark.at.xMm, mark.at.yMm};
        addSegment(sketch, {at.x - across.x * tick, at.y - across.y * tick}, {at.x + across.x * tick, at.y + across.y * tick},
                   Layer::Meridian);
        addName(sketch, {at.x + across.x * 1.6 * tick, at.y + across.y * 1.6 * tick - labelMm * 0.3},
                ShownDayName(mark.dateLine.date), labelMm * 0.8, Layer::Meridian);
        std::vector<Pt> edge;
        for (const auto &q : mark.outline)
            edge.push_back({q.xMm, q.yMm});
        if (edge.size() >= 3)
            addCurve(sketch, edge, Layer::Spots, true);
    }
}

} // namespace

void AddKindItems(DialSketch &sketch, const gnomonics::DialLines &dial, double labelMm)
{
    switch (dial.design.kind) {
    case DialKind::Bifilar: addWires(sketch, dial, labelMm); break;
    case DialKind::Analemmatic: addAnalemmatic(sketch, dial, labelMm); break;
    case DialKind::DarkRoom: addDarkRoom(sketch, dial, labelMm); break;
    case DialKind::Plane: break;
    }
}

Piece EquationOfTimePiece(const gnomonics::DialLines &dial, double th)
{
    Piece piece;
    const auto &design = dial.design;
    if (design.kind != DialKind::Analemmatic || !design.hours.clock)
        return piece;
    double y = 0, widest = 0;
    auto line = [&](const std::string &text, double scale) {
        y -= th * scale * 1.5;
        piece.labels.push_back({{0, y}, text, th * scale, Layer::Analemmatic});
        widest = std::max(widest, TextWidthMm(text, th * scale));
    };
    line(say(QT_TRANSLATE_NOOP("horalo", "Equazione del tempo: minuti da togliere all'ora letta")), 1.0);
    // One value a week from the first of January, four to a row, at the place's apparent noon.
    std::string row;
    int inRow = 0;
    const double first = gnomonics::JulianDay({design.year, 1, 1}, 12.0 - design.place.longitudeDeg / 15.0);
    for (int week = 0; week < 53; ++week) {
        const double jd = first + 7.0 * week;
        const gnomonics::CivilDate day = gnomonics::CalendarDate(jd);
        if (day.year != design.year)
            break;
        const double eot = gnomonics::SunAt(jd).equationOfTimeMinutes;
        row += (inRow ? "   " : "") + std::to_string(day.day) + "/" + std::to_string(day.month) + " " +
               (eot >= 0.05 ? "+" : "") + DecimalShown(eot, 1);
        if (++inRow == 4) {
            line(row, 0.8);
            row.clear();
            inRow = 0;
        }
    }
    if (!row.empty())
        line(row, 0.8);
    piece.box = {0, y - th * 0.5, widest, 0};
    return piece;
}

} // namespace drawing
