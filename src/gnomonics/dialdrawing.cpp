#include "gnomonics/dialdrawing.h"

#include "gnomonics/dialgeometry.h"
#include "gnomonics/horizontalcurves.h"
#include "gnomonics/verticalcurves.h"
#include "gnomonics/verticalstyle.h"
#include "gnomonics/zodiac.h"
#include "sheet/markedtext.h"
#include "sheet/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace gnomonics {

namespace {

using sheet::Drawing;
using sheet::DrawingDot;
using sheet::DrawingPen;
using sheet::DrawingPoint;
using sheet::DrawingPolyline;
using sheet::DrawingText;
using sheet::Mask;
using sheet::TextAnchor;

// What the maker reads on the drawing.
constexpr const char *kCentreText = "O";
const sheet::MarkedText kFootText{QT_TRANSLATE_NOOP("horalo", "Piede dello stilo")};
const sheet::MarkedText kSubstyleText{QT_TRANSLATE_NOOP("horalo", "Sustilare")};
const sheet::MarkedText kSummerText{QT_TRANSLATE_NOOP("horalo", "Solstizio estivo")};
const sheet::MarkedText kEquinoxText{QT_TRANSLATE_NOOP("horalo", "Equinozi")};
const sheet::MarkedText kWinterText{QT_TRANSLATE_NOOP("horalo", "Solstizio invernale")};
const std::array<sheet::MarkedText, 4> kSignTexts{
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Gemelli e Leone")}, sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Toro e Vergine")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Scorpione e Pesci")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Sagittario e Acquario")}};
const sheet::MarkedText kEastText{QT_TRANSLATE_NOOP("horalo", "Est")};
const sheet::MarkedText kWestText{QT_TRANSLATE_NOOP("horalo", "Ovest")};
const sheet::MarkedText kHorizontalSheetText{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali orizzontale")};
const sheet::MarkedText kVerticalSheetText{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali verticale")};
const sheet::MarkedText kZodiacSheetText{QT_TRANSLATE_NOOP("horalo", "Curve zodiacali e anniversario")};
const sheet::MarkedText kLatitudeCaption{QT_TRANSLATE_NOOP("horalo", "Latitudine ")};
const sheet::MarkedText kDeclinationCaption{QT_TRANSLATE_NOOP("horalo", "Declinazione ")};
const sheet::MarkedText kStyleCaption{QT_TRANSLATE_NOOP("horalo", "Stilo ")};
const sheet::MarkedText kScaleText{QT_TRANSLATE_NOOP("horalo", "Scala 1:1")};
constexpr const char *kBarText = "100 mm";
const sheet::MarkedText kTemplateText{QT_TRANSLATE_NOOP("horalo", "Sagoma dello stilo")};
constexpr const char *kDegreeText = "°";
constexpr const char *kMmText = " mm";
const sheet::MarkedText kHorizontalTitle{QT_TRANSLATE_NOOP("horalo", "Disegno curve orizzontali")};
const sheet::MarkedText kVerticalTitle{QT_TRANSLATE_NOOP("horalo", "Disegno curve verticali")};
const sheet::MarkedText kZodiacTitle{QT_TRANSLATE_NOOP("horalo", "Disegno curve zodiacali")};

// Sizes on paper, millimetres.
constexpr double kMarginMm = 10.0;
constexpr double kHourLineOvershootMm = 5.0;
constexpr double kBarLengthMm = 100.0;
constexpr double kHourTextMm = 3.5;
constexpr double kCurveTextMm = 3.0;
constexpr double kSmallTextMm = 2.5;
constexpr double kTitleTextMm = 4.5;
constexpr double kBlockGapMm = 8.0;
constexpr double kClearanceMm = 0.6;
// Width of a character of a text, as a multiple of its capital height (generous for the sans
// fonts a renderer uses), and the depth below the baseline.
constexpr double kAdvancePerHeight = 0.8;
constexpr double kDescentPerHeight = 0.3;

// Curves are sampled every 5 minutes of clock time; the days that decide whether an hour is lit
// and how far its line runs are taken every 0.05 degree of the Sun's declination.
constexpr int kSampleMinutes = 5;
constexpr double kYearStepDeg = 0.05;
constexpr double kEndMergeMm = 0.01;
// Points of a curve tried as places for its label.
constexpr std::size_t kMaxCurveLabelPoints = 48;

constexpr unsigned kInk = 0x000000;
constexpr unsigned kConstructionInk = 0x505050;
constexpr unsigned kSummerInk = 0xc00000;
constexpr unsigned kEquinoxInk = 0x007000;
constexpr unsigned kWinterInk = 0x0000c0;
constexpr std::array<unsigned, 5> kZodiacInks{0xc00000, 0xc06000, 0x008080, 0x0000c0, 0x800080};

struct Box {
    double x0 = std::numeric_limits<double>::infinity();
    double y0 = std::numeric_limits<double>::infinity();
    double x1 = -std::numeric_limits<double>::infinity();
    double y1 = -std::numeric_limits<double>::infinity();

    bool empty() const { return !(x0 <= x1 && y0 <= y1); }
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
    void add(DrawingPoint p)
    {
        x0 = std::min(x0, p.xMm);
        y0 = std::min(y0, p.yMm);
        x1 = std::max(x1, p.xMm);
        y1 = std::max(y1, p.yMm);
    }
    void unite(const Box &b)
    {
        if (b.empty())
            return;
        add(DrawingPoint{b.x0, b.y0});
        add(DrawingPoint{b.x1, b.y1});
    }
    Box inflated(double d) const { return {x0 - d, y0 - d, x1 + d, y1 + d}; }
    bool overlaps(const Box &b) const { return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1; }
    bool contains(DrawingPoint p) const
    {
        return p.xMm >= x0 && p.xMm <= x1 && p.yMm >= y0 && p.yMm <= y1;
    }
};

std::size_t characters(const std::string &text)
{
    // UTF-8: count every byte that does not continue a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

double textWidthMm(const std::string &text, double heightMm)
{
    return kAdvancePerHeight * heightMm * static_cast<double>(characters(text));
}

// Where a text will stand: its anchor is the top-left corner of the capitals (TopLeft), the
// left end of the baseline (BottomLeft), the middle of the baseline (BottomCentre), the middle
// of the capitals' top (TopCentre) or the centre of the capitals (Centre).
Box textBox(const DrawingText &t)
{
    const double w = textWidthMm(t.text, t.heightMm);
    const double h = t.heightMm;
    const double d = kDescentPerHeight * h;
    const double x = t.at.xMm, y = t.at.yMm;
    switch (t.anchor) {
    case TextAnchor::TopLeft:
        return {x, y, x + w, y + h + d};
    case TextAnchor::BottomLeft:
        return {x, y - h, x + w, y + d};
    case TextAnchor::BottomCentre:
        return {x - w / 2, y - h, x + w / 2, y + d};
    case TextAnchor::TopCentre:
        return {x - w / 2, y, x + w / 2, y + h + d};
    case TextAnchor::Centre:
        break;
    }
    return {x - w / 2, y - h / 2 - d / 2, x + w / 2, y + h / 2 + d / 2};
}

Box extentOf(const Drawing &d)
{
    Box box;
    for (const auto &line : d.lines)
        for (const auto &p : line.points)
            box.add(p);
    for (const auto &t : d.texts)
        box.unite(textBox(t));
    for (const auto &dot : d.dots)
        box.unite(Box{dot.at.xMm, dot.at.yMm, dot.at.xMm, dot.at.yMm}.inflated(dot.radiusMm));
    return box;
}

void translate(Drawing &d, double dx, double dy)
{
    for (auto &line : d.lines)
        for (auto &p : line.points)
            p = {p.xMm + dx, p.yMm + dy};
    for (auto &t : d.texts)
        t.at = {t.at.xMm + dx, t.at.yMm + dy};
    for (auto &dot : d.dots)
        dot.at = {dot.at.xMm + dx, dot.at.yMm + dy};
}

// Appends the items of one drawing after those of another.
void append(Drawing &to, const Drawing &from)
{
    to.lines.insert(to.lines.end(), from.lines.begin(), from.lines.end());
    to.texts.insert(to.texts.end(), from.texts.begin(), from.texts.end());
    to.dots.insert(to.dots.end(), from.dots.begin(), from.dots.end());
}

bool segmentMeetsBox(DrawingPoint a, DrawingPoint b, const Box &box)
{
    // Liang-Barsky clipping of the segment against the box.
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.xMm - a.xMm, dy = b.yMm - a.yMm;
    const std::array<std::pair<double, double>, 4> sides{{{-dx, a.xMm - box.x0},
                                                          {dx, box.x1 - a.xMm},
                                                          {-dy, a.yMm - box.y0},
                                                          {dy, box.y1 - a.yMm}}};
    for (const auto &[p, q] : sides) {
        if (p == 0.0) {
            if (q < 0.0)
                return false;
            continue;
        }
        const double r = q / p;
        if (p < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    return true;
}

// What is already drawn, so that a label or the template can be put where nothing is.
class Occupancy {
public:
    void addLine(const DrawingPolyline &line)
    {
        const auto &p = line.points;
        for (std::size_t i = 1; i < p.size(); ++i)
            segments_.push_back({p[i - 1], p[i]});
        if (line.closed && p.size() > 2)
            segments_.push_back({p.back(), p.front()});
    }
    void addBox(const Box &box) { boxes_.push_back(box); }
    void addDrawing(const Drawing &d)
    {
        for (const auto &line : d.lines)
            addLine(line);
        for (const auto &t : d.texts)
            addBox(textBox(t));
    }
    // How many drawn items the box touches, counted up to `enough` (a count that high already
    // rules the place out).
    int hits(const Box &box, int enough = std::numeric_limits<int>::max()) const
    {
        int n = 0;
        for (const auto &b : boxes_)
            if (b.overlaps(box) && ++n >= enough)
                return n;
        for (const auto &[a, b] : segments_) {
            // Most segments lie wholly to one side of the box: no clipping needed for those.
            if (std::max(a.xMm, b.xMm) < box.x0 || std::min(a.xMm, b.xMm) > box.x1 ||
                std::max(a.yMm, b.yMm) < box.y0 || std::min(a.yMm, b.yMm) > box.y1)
                continue;
            if (segmentMeetsBox(a, b, box) && ++n >= enough)
                return n;
        }
        return n;
    }

private:
    std::vector<std::pair<DrawingPoint, DrawingPoint>> segments_;
    std::vector<Box> boxes_;
};

// Of the candidate placements of one text, in order of preference, the first that touches
// nothing drawn, else the one that touches least; it is added to the drawing and the occupancy.
std::size_t placeText(Drawing &d, Occupancy &occupied, const std::vector<DrawingText> &candidates)
{
    std::size_t best = 0;
    int fewest = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < candidates.size() && fewest > 0; ++i) {
        const int n = occupied.hits(textBox(candidates[i]).inflated(kClearanceMm), fewest);
        if (n < fewest) {
            fewest = n;
            best = i;
        }
    }
    d.texts.push_back(candidates[best]);
    occupied.addBox(textBox(candidates[best]));
    return d.texts.size() - 1;
}

DrawingPoint along(DrawingPoint direction, double lengthMm)
{
    return {direction.xMm * lengthMm, direction.yMm * lengthMm};
}

DrawingPoint plus(DrawingPoint a, DrawingPoint b) { return {a.xMm + b.xMm, a.yMm + b.yMm}; }

double lengthOf(DrawingPoint p) { return std::hypot(p.xMm, p.yMm); }

std::string number(double value) { return sheet::FormatGeneral(value); }

struct CurveSpec {
    double sunDeclinationDeg = 0;
    std::string name;
    unsigned rgb = kInk;
};

struct TemplateSpec {
    double baseMm = 0;   // b
    double heightMm = 0; // h
    double styleMm = 0;  // s
    std::string base, height, style, angle; // the texts written beside it
    double angleDeg = 0; // at O, between s and b
};

// Everything a builder hands to the common layout.
struct DialPlan {
    DialPlane plane;
    bool horizontal = false;
    int firstHour = 0;
    int lastHour = 0;
    double styleMm = 0;
    DrawingPoint foot;
    std::vector<CurveSpec> curves;
    // The ends of the line through O across the dial (horizontal dial: West and East).
    std::string leftEnd, rightEnd;
    std::vector<std::string> titleLines;
    TemplateSpec styleTemplate;
    std::string title;
};

// One curve's pieces in the dial's frame (O at the origin), points every kSampleMinutes from
// the first to the last hour, each piece closed by the exact point where the shadow stops.
std::vector<std::vector<DrawingPoint>> traceCurve(const DialPlan &plan, double sunDeclinationDeg,
                                                  double reachMm)
{
    auto pointAt = [&](double clockHour) -> std::optional<DrawingPoint> {
        const auto d = plan.plane.shadowDistanceMm(clockHour, sunDeclinationDeg);
        if (!d || !(*d <= reachMm))
            return std::nullopt;
        const DrawingPoint p = along(plan.plane.hourDirection(clockHour), *d);
        if (!std::isfinite(p.xMm) || !std::isfinite(p.yMm))
            return std::nullopt;
        return p;
    };
    // The last point that exists between a time where it does and one where it does not.
    auto boundary = [&](double inside, double outside) {
        for (int i = 0; i < 60; ++i) {
            const double mid = 0.5 * (inside + outside);
            if (mid == inside || mid == outside)
                break;
            (pointAt(mid) ? inside : outside) = mid;
        }
        return *pointAt(inside);
    };
    // An end closer than this to its neighbouring sample adds nothing a maker could see.
    auto distinct = [](DrawingPoint a, DrawingPoint b) {
        return std::hypot(a.xMm - b.xMm, a.yMm - b.yMm) > kEndMergeMm;
    };

    std::vector<std::vector<DrawingPoint>> pieces;
    std::vector<DrawingPoint> piece;
    double previous = 0;
    for (int minute = plan.firstHour * 60; minute <= plan.lastHour * 60; minute += kSampleMinutes) {
        const double clockHour = minute / 60.0;
        const auto p = pointAt(clockHour);
        if (p) {
            if (piece.empty() && minute > plan.firstHour * 60) {
                const DrawingPoint edge = boundary(clockHour, previous);
                if (distinct(edge, *p))
                    piece.push_back(edge);
            }
            piece.push_back(*p);
        } else if (!piece.empty()) {
            const DrawingPoint edge = boundary(previous, clockHour);
            if (distinct(edge, piece.back()))
                piece.push_back(edge);
            pieces.push_back(std::move(piece));
            piece.clear();
        }
        previous = clockHour;
    }
    if (!piece.empty())
        pieces.push_back(std::move(piece));
    std::erase_if(pieces, [](const auto &q) { return q.size() < 2; });
    return pieces;
}

// How far along its line the shadow reaches at a whole hour on the days the drawing covers
// (the year's declinations and its curves'), within the reach; no value when no such Sun
// lights the plane at that hour.
std::optional<double> hourLineReach(const DialPlan &plan, int clockHour, double reachMm)
{
    std::vector<double> days;
    const int steps = static_cast<int>(std::lround(2.0 * kSummerSolsticeDeclinationDeg / kYearStepDeg));
    for (int i = 0; i <= steps; ++i)
        days.push_back(kWinterSolsticeDeclinationDeg + i * kYearStepDeg);
    days.push_back(kSummerSolsticeDeclinationDeg);
    for (const auto &c : plan.curves)
        days.push_back(c.sunDeclinationDeg);
    std::optional<double> farthest;
    for (double day : days) {
        const auto d = plan.plane.shadowDistanceMm(clockHour, day);
        if (d)
            farthest = std::max(farthest.value_or(0.0), std::min(*d, reachMm));
    }
    return farthest;
}

// Candidate places of an hour's label: on the line's continuation beyond its end, farther and
// farther, and beside it.
std::vector<DrawingText> hourLabelCandidates(DrawingPoint direction, double endMm,
                                             const std::string &text)
{
    std::vector<DrawingText> out;
    const DrawingPoint across{-direction.yMm, direction.xMm};
    for (double beyond : {4.0, 8.0, 12.0, 16.0, 20.0, 26.0, 32.0}) {
        for (double side : {0.0, 3.5, -3.5}) {
            const DrawingPoint at = plus(along(direction, endMm + beyond), along(across, side));
            out.push_back({at, text, kHourTextMm, TextAnchor::Centre, kInk});
        }
    }
    return out;
}

// Candidate places of a curve's label: above or below one of its points, the points nearest the
// middle of its longest piece first.
std::vector<DrawingText> curveLabelCandidates(const std::vector<std::vector<DrawingPoint>> &pieces,
                                              const CurveSpec &curve)
{
    std::vector<DrawingText> out;
    const auto longest = std::max_element(pieces.begin(), pieces.end(), [](const auto &a, const auto &b) {
        return a.size() < b.size();
    });
    std::vector<std::pair<double, DrawingPoint>> points;
    for (const auto &piece : pieces) {
        const double mid = 0.5 * static_cast<double>(piece.size() - 1);
        for (std::size_t i = 0; i < piece.size(); ++i) {
            // Any point of the longest piece comes before those of the others.
            const double rank = std::abs(static_cast<double>(i) - mid) + (&piece == &*longest ? 0.0 : 1e6);
            points.push_back({rank, piece[i]});
        }
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    // A crowded dial (a style of a fraction of a millimetre) has no free place anywhere; the
    // points nearest the middle are enough to look at, and keep the search short.
    if (points.size() > kMaxCurveLabelPoints)
        points.resize(kMaxCurveLabelPoints);
    for (const auto &[rank, p] : points) {
        out.push_back({{p.xMm, p.yMm - 1.2}, curve.name, kCurveTextMm, TextAnchor::BottomCentre, curve.rgb});
        out.push_back({{p.xMm, p.yMm + 1.2}, curve.name, kCurveTextMm, TextAnchor::TopCentre, curve.rgb});
    }
    return out;
}

// Candidate places of a short label beside a point, nearest first.
std::vector<DrawingText> pointLabelCandidates(DrawingPoint p, const std::string &text, double heightMm)
{
    std::vector<DrawingText> out;
    const double w = textWidthMm(text, heightMm);
    for (double gap : {1.5, 3.0, 5.0, 8.0, 12.0}) {
        out.push_back({{p.xMm + gap, p.yMm - gap}, text, heightMm, TextAnchor::BottomLeft, kInk});
        out.push_back({{p.xMm - gap - w, p.yMm - gap}, text, heightMm, TextAnchor::BottomLeft, kInk});
        out.push_back({{p.xMm + gap, p.yMm + gap}, text, heightMm, TextAnchor::TopLeft, kInk});
        out.push_back({{p.xMm - gap - w, p.yMm + gap}, text, heightMm, TextAnchor::TopLeft, kInk});
    }
    return out;
}

DrawingPolyline polyline(std::vector<DrawingPoint> points, DrawingPen pen, unsigned rgb,
                         bool dashed = false, bool closed = false)
{
    return {std::move(points), pen, dashed, closed, rgb};
}

// The title block, the style template and the scale bar, stacked, with the top-left corner of
// their extent at the origin.
Drawing extrasBlock(const DialPlan &plan)
{
    Drawing block;

    // Title block: the lines in a frame.
    const double pad = 3.0;
    double y = pad;
    double widest = 0;
    for (std::size_t i = 0; i < plan.titleLines.size(); ++i) {
        const double h = i == 0 ? kTitleTextMm : kHourTextMm;
        block.texts.push_back({{pad, y}, plan.titleLines[i], h, TextAnchor::TopLeft, kInk});
        widest = std::max(widest, textWidthMm(plan.titleLines[i], h));
        y += h * 1.7;
    }
    const double frameW = widest + 2 * pad;
    const double frameH = y + pad - 0.7 * kHourTextMm;
    block.lines.push_back(polyline({{0, 0}, {frameW, 0}, {frameW, frameH}, {0, frameH}},
                                   DrawingPen::Frame, kInk, false, true));
    y = frameH + kBlockGapMm;

    // The style template: O at the left, the base b along the bottom, the height h up at the
    // foot, the style s from O to the tip. The angle at O is written to the left of O.
    const TemplateSpec &t = plan.styleTemplate;
    const double angleW = textWidthMm(t.angle, kSmallTextMm);
    const double ox = angleW + 4.0;
    const double oy = y + t.heightMm + 1.0;
    const DrawingPoint o{ox, oy}, foot{ox + t.baseMm, oy}, tip{ox + t.baseMm, oy - t.heightMm};
    block.lines.push_back(polyline({o, foot, tip}, DrawingPen::Construction, kInk, false, true));
    const double arcR = std::min(8.0, 0.5 * t.baseMm);
    std::vector<DrawingPoint> arc;
    for (int i = 0; i <= 16; ++i) {
        const double a = t.angleDeg * sheet::angles().rad * i / 16.0;
        arc.push_back({ox + arcR * std::cos(a), oy - arcR * std::sin(a)});
    }
    block.lines.push_back(polyline(std::move(arc), DrawingPen::Construction, kInk));
    block.texts.push_back({{ox - 2.0 - angleW, oy + 0.5 * kSmallTextMm}, t.angle, kSmallTextMm,
                           TextAnchor::BottomLeft, kInk});
    block.texts.push_back({{ox, oy + 1.5}, kCentreText, kSmallTextMm, TextAnchor::TopCentre, kInk});
    block.texts.push_back({{ox + 0.5 * t.baseMm, oy + 1.5}, "b", kSmallTextMm, TextAnchor::TopCentre, kInk});
    block.texts.push_back({{foot.xMm + 2.5, oy - 0.5 * t.heightMm}, "h", kSmallTextMm, TextAnchor::Centre, kInk});
    const double e = t.angleDeg * sheet::angles().rad;
    block.texts.push_back({{ox + 0.5 * t.baseMm - 3.0 * std::sin(e), oy - 0.5 * t.heightMm - 3.0 * std::cos(e)},
                           "s", kSmallTextMm, TextAnchor::Centre, kInk});
    y = oy + 1.5 + 1.5 * kSmallTextMm + 2.0;
    block.texts.push_back({{0, y}, kTemplateText, kSmallTextMm, TextAnchor::TopLeft, kInk});
    y += 1.7 * kSmallTextMm;
    block.texts.push_back({{0, y},
                           "s = " + t.style + kMmText + ", h = " + t.height + kMmText + ", b = " + t.base + kMmText,
                           kSmallTextMm, TextAnchor::TopLeft, kInk});
    y += 1.7 * kSmallTextMm + kBlockGapMm + 6.0;

    // The scale bar, with a tick every centimetre.
    block.lines.push_back(polyline({{0, y}, {kBarLengthMm, y}}, DrawingPen::Frame, kInk));
    for (int cm = 0; cm <= 10; ++cm) {
        const double tick = cm % 5 == 0 ? 3.5 : 2.0;
        block.lines.push_back(polyline({{cm * 10.0, y}, {cm * 10.0, y - tick}}, DrawingPen::Frame, kInk));
    }
    block.texts.push_back({{kBarLengthMm / 2, y - 4.5}, kBarText, kHourTextMm, TextAnchor::BottomCentre, kInk});

    const Box box = extentOf(block);
    translate(block, -box.x0, -box.y0);
    return block;
}

// The dial in its own frame, then the extras in a free corner, then everything moved into the
// drawing's frame with its margin.
DialDrawing layOut(const DialPlan &plan)
{
    DialDrawing out;
    const double reach = kDrawingReachStyles * plan.styleMm;
    out.reachMm = reach;
    Drawing dial;
    Occupancy occupied;

    // Hour lines.
    struct PendingHour {
        int clockHour;
        DrawingPoint direction;
        double endMm;
    };
    std::vector<PendingHour> hours;
    Box dialBox;
    dialBox.add(DrawingPoint{0, 0});
    for (int t = plan.firstHour; t <= plan.lastHour; ++t) {
        const auto farthest = hourLineReach(plan, t, reach);
        if (!farthest)
            continue;
        const DrawingPoint u = plan.plane.hourDirection(t);
        const double length = *farthest + kHourLineOvershootMm;
        dial.lines.push_back(polyline({{0, 0}, along(u, length)}, DrawingPen::HourLine, kInk));
        out.hourLines.push_back({t, dial.lines.size() - 1, 0, length});
        hours.push_back({t, u, length});
    }

    // Curves.
    std::vector<std::vector<std::vector<DrawingPoint>>> traced;
    for (const auto &c : plan.curves) {
        DialCurve curve;
        curve.sunDeclinationDeg = c.sunDeclinationDeg;
        curve.name = c.name;
        traced.push_back(traceCurve(plan, c.sunDeclinationDeg, reach));
        for (const auto &piece : traced.back()) {
            dial.lines.push_back(polyline(piece, DrawingPen::Curve, c.rgb));
            curve.lines.push_back(dial.lines.size() - 1);
        }
        out.curves.push_back(std::move(curve));
    }
    for (const auto &line : dial.lines)
        for (const auto &p : line.points)
            dialBox.add(p);

    // Construction: the line across through O, the noon line, the substyle and the foot.
    const double across0 = dialBox.x0 - 3.0, across1 = dialBox.x1 + 3.0;
    dial.lines.push_back(polyline({{across0, 0}, {across1, 0}}, DrawingPen::Construction, kConstructionInk));
    const DrawingPoint noonFar = plan.horizontal ? DrawingPoint{0, dialBox.y0} : DrawingPoint{0, dialBox.y1};
    const DrawingPoint noonNear = plan.horizontal ? DrawingPoint{0, 8.0} : DrawingPoint{0, -8.0};
    dial.lines.push_back(polyline({noonNear, noonFar}, DrawingPen::Construction, kConstructionInk));
    std::optional<std::size_t> substyleLine;
    if (!plan.horizontal) {
        // As long as the hour lines on either side of it, and past the foot.
        const double b = lengthOf(plan.foot);
        const DrawingPoint u = b > 0 ? DrawingPoint{plan.foot.xMm / b, plan.foot.yMm / b} : DrawingPoint{0, 1};
        double nearestLeft = 4.0, nearestRight = 4.0; // beyond any turn, in radians
        double leftMm = 0, rightMm = 0;
        for (const auto &h : hours) {
            const double turn = std::atan2(u.xMm * h.direction.yMm - u.yMm * h.direction.xMm,
                                           u.xMm * h.direction.xMm + u.yMm * h.direction.yMm);
            if (turn >= 0 && turn < nearestLeft) {
                nearestLeft = turn;
                leftMm = h.endMm;
            } else if (turn < 0 && -turn < nearestRight) {
                nearestRight = -turn;
                rightMm = h.endMm;
            }
        }
        const double length = std::max({b + 10.0, leftMm, rightMm});
        dial.lines.push_back(polyline({{0, 0}, along(u, length)}, DrawingPen::Construction,
                                      kConstructionInk, true));
        substyleLine = dial.lines.size() - 1;
    }
    dial.dots.push_back({{0, 0}, 0.8});
    dial.dots.push_back({plan.foot, 0.8});
    for (const auto &line : dial.lines)
        occupied.addLine(line);

    // Labels: hours first (they belong at their lines' ends), then the curves, O, the foot, the
    // substyle and the ends of the line across.
    for (std::size_t i = 0; i < hours.size(); ++i) {
        out.hourLines[i].label = placeText(
            dial, occupied, hourLabelCandidates(hours[i].direction, hours[i].endMm, std::to_string(hours[i].clockHour)));
    }
    for (std::size_t i = 0; i < plan.curves.size(); ++i) {
        if (traced[i].empty())
            continue;
        out.curves[i].label = placeText(dial, occupied, curveLabelCandidates(traced[i], plan.curves[i]));
    }
    placeText(dial, occupied, pointLabelCandidates({0, 0}, kCentreText, kHourTextMm));
    placeText(dial, occupied, pointLabelCandidates(plan.foot, kFootText, kSmallTextMm));
    if (substyleLine) {
        const auto &p = dial.lines[*substyleLine].points;
        std::vector<DrawingText> candidates;
        for (double f : {0.85, 0.7, 0.55, 0.95, 0.4}) {
            const DrawingPoint at{p[0].xMm + f * (p[1].xMm - p[0].xMm), p[0].yMm + f * (p[1].yMm - p[0].yMm)};
            for (auto c : pointLabelCandidates(at, kSubstyleText, kSmallTextMm))
                candidates.push_back(c);
        }
        placeText(dial, occupied, candidates);
    }
    if (!plan.leftEnd.empty()) {
        auto endCandidates = [](double x, double towards, const std::string &text) {
            const double w = textWidthMm(text, kSmallTextMm);
            std::vector<DrawingText> c;
            for (double shift : {5.0, 10.0, 16.0, 24.0}) {
                const double left = towards > 0 ? x + shift : x - shift - w;
                c.push_back({{left, 1.5}, text, kSmallTextMm, TextAnchor::TopLeft, kInk});
                c.push_back({{left, -1.5}, text, kSmallTextMm, TextAnchor::BottomLeft, kInk});
            }
            return c;
        };
        placeText(dial, occupied, endCandidates(across0, 1.0, plan.leftEnd));
        placeText(dial, occupied, endCandidates(across1, -1.0, plan.rightEnd));
    }

    // The extras: in a corner of the dial where nothing is drawn, else beside the dial where the
    // sheet stays smallest.
    const Box dialExtent = extentOf(dial);
    Drawing block = extrasBlock(plan);
    const Box blockBox = extentOf(block);
    const double bw = blockBox.width(), bh = blockBox.height();
    std::optional<DrawingPoint> corner;
    if (dialExtent.width() >= bw && dialExtent.height() >= bh) {
        const std::array<DrawingPoint, 4> corners{{{dialExtent.x1 - bw, dialExtent.y1 - bh},
                                                   {dialExtent.x0, dialExtent.y1 - bh},
                                                   {dialExtent.x1 - bw, dialExtent.y0},
                                                   {dialExtent.x0, dialExtent.y0}}};
        for (const auto &c : corners) {
            const Box place{c.xMm, c.yMm, c.xMm + bw, c.yMm + bh};
            if (occupied.hits(place.inflated(4.0)) == 0) {
                corner = c;
                break;
            }
        }
    }
    if (!corner) {
        // Fewest A4 portrait tiles first (a printable area of about 190 x 277 mm), then the
        // smallest sheet.
        auto cost = [&](DrawingPoint c) {
            Box b = dialExtent;
            b.unite(Box{c.xMm, c.yMm, c.xMm + bw, c.yMm + bh});
            const auto grid = sheet::PlanTiles(b.width() + 2 * kMarginMm, b.height() + 2 * kMarginMm,
                                               190.0, 277.0, 10.0);
            return std::make_pair(grid.count(), b.width() * b.height());
        };
        const std::array<DrawingPoint, 4> outside{{{dialExtent.x0, dialExtent.y1 + kBlockGapMm},
                                                   {dialExtent.x1 - bw, dialExtent.y1 + kBlockGapMm},
                                                   {dialExtent.x1 + kBlockGapMm, dialExtent.y0},
                                                   {dialExtent.x1 + kBlockGapMm, dialExtent.y1 - bh}}};
        corner = *std::min_element(outside.begin(), outside.end(),
                                   [&](DrawingPoint a, DrawingPoint b) { return cost(a) < cost(b); });
    }
    translate(block, corner->xMm, corner->yMm);

    Drawing &d = out.drawing;
    d = std::move(dial);
    append(d, block);
    const Box all = extentOf(d);
    const double dx = kMarginMm - all.x0, dy = kMarginMm - all.y0;
    translate(d, dx, dy);
    d.widthMm = all.width() + 2 * kMarginMm;
    d.heightMm = all.height() + 2 * kMarginMm;
    d.title = plan.title;
    out.centre = {dx, dy};
    return out;
}

DialDrawing refused(sheet::Refusal r)
{
    DialDrawing out;
    out.refusal = r;
    return out;
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

std::string sideText(WallSide side) { return side == WallSide::East ? kEastText : kWestText; }

// What the vertical and the zodiac drawings share: the wall, its style template, its title.
DialPlan verticalSpec(double latitudeDeg, double declinationDeg, double styleMm, WallSide side,
                      const sheet::MarkedText &sheetText, const sheet::MarkedText &title)
{
    DialPlan plan;
    plan.plane = VerticalDialPlane(latitudeDeg, declinationDeg, styleMm, side);
    plan.firstHour = kVerticalFirstHour;
    plan.lastHour = kVerticalLastHour;
    plan.styleMm = styleMm;
    plan.foot = VerticalStyleFoot(latitudeDeg, declinationDeg, styleMm, side);
    const VerticalStyle style = MakeVerticalStyle(latitudeDeg, declinationDeg, styleMm, 0.0);
    plan.styleTemplate = {StyleBaseMm(style),
                          StyleHeightMm(style),
                          styleMm,
                          FiniteOrDash(StyleBaseMm(style), Mask::TwoDecimals),
                          FiniteOrDash(StyleHeightMm(style), Mask::TwoDecimals),
                          number(styleMm),
                          FiniteOrDash(StyleElevationDeg(style), Mask::TwoDecimals) + kDegreeText,
                          StyleElevationDeg(style)};
    plan.titleLines = {sheetText,
                       kLatitudeCaption + number(latitudeDeg) + kDegreeText,
                       // A wall that does not decline turns to neither side.
                       kDeclinationCaption + number(declinationDeg) + kDegreeText
                           + (declinationDeg == 0.0 ? std::string() : std::string(" ") + sideText(side)),
                       kStyleCaption + number(styleMm) + kMmText,
                       kScaleText};
    plan.title = std::string(title) + " " + sideText(side);
    return plan;
}

} // namespace

DialDrawing BuildHorizontalDialDrawing(double latitudeDeg, double styleMm)
{
    if (!sheet::CheckPresent({latitudeDeg, styleMm}))
        return refused(sheet::Refusal::Missing);
    if (!sheet::CheckPositive({styleMm}))
        return refused(sheet::Refusal::Negative);
    if (!allFinite({latitudeDeg, styleMm}) || !(std::abs(latitudeDeg) < 90.0))
        return refused(sheet::Refusal::OutOfRange);
    if (styleMm > kMaxDrawingStyleMm)
        return refused(sheet::Refusal::StyleTooLong);

    DialPlan plan;
    plan.horizontal = true;
    plan.plane = HorizontalDialPlane(latitudeDeg, styleMm);
    plan.firstHour = HorizontalCurveHour(0);
    plan.lastHour = HorizontalCurveHour(kHorizontalCurveRows - 1);
    plan.styleMm = styleMm;
    plan.foot = HorizontalStyleFoot(latitudeDeg, styleMm);
    const bool north = latitudeDeg > 0;
    // The summer of the dial's own hemisphere; seen from above with the noon line towards the
    // pole, West lies to the left of a northern dial and to the right of a southern one.
    plan.curves = {{north ? kSummerSolsticeDeclinationDeg : kWinterSolsticeDeclinationDeg, kSummerText, kSummerInk},
                   {0.0, kEquinoxText, kEquinoxInk},
                   {north ? kWinterSolsticeDeclinationDeg : kSummerSolsticeDeclinationDeg, kWinterText, kWinterInk}};
    plan.leftEnd = north ? kWestText : kEastText;
    plan.rightEnd = north ? kEastText : kWestText;
    const double h = std::abs(HorizontalStyleHeightMm(latitudeDeg, styleMm));
    const double b = HorizontalStyleBaseMm(latitudeDeg, styleMm);
    plan.styleTemplate = {b,
                          h,
                          styleMm,
                          sheet::FormatFixed(b, Mask::OneDecimal),
                          sheet::FormatFixed(h, Mask::OneDecimal),
                          number(styleMm),
                          number(std::abs(latitudeDeg)) + kDegreeText,
                          std::abs(latitudeDeg)};
    plan.titleLines = {kHorizontalSheetText, kLatitudeCaption + number(latitudeDeg) + kDegreeText,
                       kStyleCaption + number(styleMm) + kMmText, kScaleText};
    plan.title = kHorizontalTitle;
    return layOut(plan);
}

DialDrawing BuildVerticalDialDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                     WallSide side)
{
    const sheet::Refusal r = CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
    if (r != sheet::Refusal::None)
        return refused(r);
    if (!allFinite({latitudeDeg, declinationDeg, styleMm}))
        return refused(sheet::Refusal::OutOfRange);
    if (styleMm > kMaxDrawingStyleMm)
        return refused(sheet::Refusal::StyleTooLong);

    DialPlan plan = verticalSpec(latitudeDeg, declinationDeg, styleMm, side, kVerticalSheetText,
                                 kVerticalTitle);
    plan.curves = {{kSolsticeDeclinationsDeg[0], kSummerText, kSummerInk},
                   {kSolsticeDeclinationsDeg[2], kEquinoxText, kEquinoxInk},
                   {kSolsticeDeclinationsDeg[1], kWinterText, kWinterInk}};
    return layOut(plan);
}

DialDrawing BuildZodiacDialDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                   WallSide side, double sign1Deg, double sign2Deg,
                                   double anniversaryDeg, const std::string &anniversaryLabel)
{
    const sheet::Refusal r = CheckVerticalWallInputs(latitudeDeg, declinationDeg, styleMm);
    if (r != sheet::Refusal::None)
        return refused(r);
    if (!allFinite({latitudeDeg, declinationDeg, styleMm, sign1Deg, sign2Deg, anniversaryDeg}))
        return refused(sheet::Refusal::OutOfRange);
    const auto declinations = ZodiacDeclinationsDeg(sign1Deg, sign2Deg, anniversaryDeg);
    for (double d : declinations)
        if (!(std::abs(d) < 90.0))
            return refused(sheet::Refusal::OutOfRange);
    if (styleMm > kMaxDrawingStyleMm)
        return refused(sheet::Refusal::StyleTooLong);

    DialPlan plan = verticalSpec(latitudeDeg, declinationDeg, styleMm, side, kZodiacSheetText,
                                 kZodiacTitle);
    for (std::size_t i = 0; i < declinations.size(); ++i) {
        const std::string name = i < kSignTexts.size() ? kSignTexts[i] : anniversaryLabel;
        plan.curves.push_back({declinations[i], name, kZodiacInks[i]});
    }
    return layOut(plan);
}

} // namespace gnomonics
