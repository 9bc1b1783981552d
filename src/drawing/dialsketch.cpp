#include "drawing/dialsketch.h"

#include "drawing/textformat.h"
#include "sheet/markedtext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

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

std::string dayName(const sheet::CivilDate &d, bool shown = true)
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

double dist(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Does the segment ab meet the box? Liang-Barsky clipping of the segment by the box.
bool segmentMeetsBox(Pt a, Pt b, const Box &box)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.bottom, box.top - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

// The segments of every line, bucketed in square cells, so that a label's box is tested only
// against the segments near it.
class SegmentGrid {
public:
    explicit SegmentGrid(const std::vector<Polyline> &lines, double cellMm) : lines_(lines), cell_(cellMm)
    {
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const auto &pts = lines[l].points;
            const std::size_t n = pts.size();
            const std::size_t segments = lines[l].closed ? n : (n > 0 ? n - 1 : 0);
            for (std::size_t i = 0; i < segments; ++i) {
                const Pt a = pts[i], b = pts[(i + 1) % n];
                const long x0 = key(std::min(a.x, b.x)), x1 = key(std::max(a.x, b.x));
                const long y0 = key(std::min(a.y, b.y)), y1 = key(std::max(a.y, b.y));
                if ((x1 - x0 + 1) * (y1 - y0 + 1) > 4096)
                    continue; // a plate outline edge: the plate check covers it
                for (long x = x0; x <= x1; ++x)
                    for (long y = y0; y <= y1; ++y)
                        cells_[{x, y}].push_back({l, i});
            }
        }
    }
    // Does any segment of a line meet the box? Only of line `only` when only >= 0.
    bool meets(const Box &box, long only) const
    {
        for (long x = key(box.left); x <= key(box.right); ++x)
            for (long y = key(box.bottom); y <= key(box.top); ++y) {
                const auto it = cells_.find({x, y});
                if (it == cells_.end())
                    continue;
                for (const auto &[l, i] : it->second) {
                    if (only >= 0 && static_cast<long>(l) != only)
                        continue;
                    const auto &pts = lines_[l].points;
                    if (segmentMeetsBox(pts[i], pts[(i + 1) % pts.size()], box))
                        return true;
                }
            }
        return false;
    }

private:
    long key(double v) const { return static_cast<long>(std::floor(v / cell_)); }
    const std::vector<Polyline> &lines_;
    double cell_;
    std::map<std::pair<long, long>, std::vector<std::pair<std::size_t, std::size_t>>> cells_;
};

struct PendingLabel {
    std::string text;
    Layer layer;
    long ownLine;            // index in sketch.lines of its own mark, -1 for none
    std::vector<Pt> anchors; // where it may stand, best first
    std::vector<Pt> outward; // for each anchor, the direction away from the mark
};

class LabelPlacer {
public:
    LabelPlacer(DialSketch &sketch, const Box &area) : sketch_(sketch), area_(area), grid_(sketch.lines, 20.0) {}

    void reserve(const Box &box) { taken_.push_back(box); }

    bool place(const PendingLabel &l, double heightMm)
    {
        const double w = TextWidthMm(l.text, heightMm);
        const double gap = heightMm * 0.4;
        for (int strict = 1; strict >= 0; --strict)
            for (std::size_t a = 0; a < l.anchors.size(); ++a) {
                const Pt p = l.anchors[a];
                Pt o = a < l.outward.size() ? l.outward[a] : Pt{0, 1};
                const double n = std::hypot(o.x, o.y);
                o = n > 0 ? Pt{o.x / n, o.y / n} : Pt{0, 1};
                // Box centres around the anchor, the outward side first.
                const std::array<Pt, 9> dirs{o, Pt{o.x * 0.7 - o.y * 0.7, o.y * 0.7 + o.x * 0.7},
                                             Pt{o.x * 0.7 + o.y * 0.7, o.y * 0.7 - o.x * 0.7}, Pt{-o.y, o.x},
                                             Pt{o.y, -o.x}, Pt{1, 0}, Pt{-1, 0}, Pt{0, 1}, Pt{0, -1}};
                for (const Pt d : dirs) {
                    // Push the box out along d until its nearest side is `gap` from the anchor.
                    const double reach = std::abs(d.x) * w / 2 + std::abs(d.y) * heightMm / 2 + gap;
                    const Pt c{p.x + d.x * reach, p.y + d.y * reach};
                    Box box{c.x - w / 2, c.y - heightMm / 2, c.x + w / 2, c.y + heightMm / 2};
                    if (box.left < area_.left || box.right > area_.right || box.bottom < area_.bottom ||
                        box.top > area_.top)
                        continue;
                    Box padded{box.left - 0.3, box.bottom - 0.3, box.right + 0.3, box.top + 0.3};
                    if (std::any_of(taken_.begin(), taken_.end(), [&](const Box &t) { return t.overlaps(padded); }))
                        continue;
                    if (l.ownLine >= 0 && grid_.meets(padded, l.ownLine))
                        continue;
                    if (strict && grid_.meets(padded, -1))
                        continue;
                    Label label;
                    label.at = {box.left, box.bottom};
                    label.text = l.text;
                    label.heightMm = heightMm;
                    label.layer = l.layer;
                    sketch_.labels.push_back(label);
                    taken_.push_back(box);
                    return true;
                }
            }
        return false;
    }

private:
    DialSketch &sketch_;
    Box area_;
    SegmentGrid grid_;
    std::vector<Box> taken_;
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

Box Label::box() const { return {at.x, at.y, at.x + TextWidthMm(text, heightMm), at.y + heightMm}; }

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
    case LineFamily::Italic:
    case LineFamily::Babylonian:
        return hourText(line.hour);
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

DialSketch BuildDialSketch(const gnomonics::DialLines &dial, const SketchTitle &title)
{
    DialSketch sketch;
    if (!dial.status.ok())
        return sketch;
    const auto &spec = dial.spec;
    const auto &plane = dial.plane;
    const auto &clip = spec.plate;
    sketch.title = say(QT_TRANSLATE_NOOP("horalo", "Quadrante ")) + title.placeName;
    sketch.plate = {clip.leftMm, clip.bottomMm, clip.rightMm, clip.topMm};
    const double plateSide = std::min(clip.rightMm - clip.leftMm, clip.topMm - clip.bottomMm);
    const double labelMm = std::clamp(plateSide / 130.0, 2.5, 12.0);

    Polyline outline;
    outline.points = {{clip.leftMm, clip.bottomMm}, {clip.rightMm, clip.bottomMm},
                      {clip.rightMm, clip.topMm}, {clip.leftMm, clip.topMm}};
    outline.closed = true;
    outline.layer = Layer::Plate;
    outline.widthMm = 0.5;
    sketch.lines.push_back(outline);

    const auto &c = dial.construction;
    auto addSegment = [&](const std::optional<gnomonics::Segment> &s, bool dashed) {
        if (s)
            sketch.lines.push_back(segmentLine({s->a.xMm, s->a.yMm}, {s->b.xMm, s->b.yMm}, Layer::Construction,
                                               0.18, dashed));
    };
    addSegment(c.substyle, true);
    addSegment(c.noon, false);
    addSegment(c.equinoctial, false);
    addSegment(c.horizon, true);

    std::vector<PendingLabel> pending;
    const Pt centre{plane.centre.xMm, plane.centre.yMm};
    for (const DialLine &line : dial.lines) {
        const std::string text = ShownLineLabel(line, spec.place.summerTime);
        PendingLabel label{text, layerOf(line.family), -1, {}, {}};
        for (const auto &piece : line.pieces) {
            Polyline p;
            p.layer = layerOf(line.family);
            p.widthMm = line.family == LineFamily::DateLine ? 0.3 : 0.4;
            for (const auto &q : piece)
                p.points.push_back({q.xMm, q.yMm});
            if (label.ownLine < 0)
                label.ownLine = static_cast<long>(sketch.lines.size());
            sketch.lines.push_back(std::move(p));
        }
        if (label.ownLine < 0)
            continue;
        // Anchors: the ends of the line's pieces, the end away from O first for lines through
        // O; for date lines and analemmas their ends and then their middle.
        for (std::size_t k = static_cast<std::size_t>(label.ownLine); k < sketch.lines.size(); ++k) {
            const auto &pts = sketch.lines[k].points;
            const Pt a = pts.front(), b = pts.back();
            const Pt ai = pts[std::min<std::size_t>(1, pts.size() - 1)], bi = pts[pts.size() >= 2 ? pts.size() - 2 : 0];
            std::array<std::pair<Pt, Pt>, 2> ends{std::pair{b, Pt{b.x - bi.x, b.y - bi.y}},
                                                  std::pair{a, Pt{a.x - ai.x, a.y - ai.y}}};
            if (plane.hasCentre && dist(a, centre) > dist(b, centre))
                std::swap(ends[0], ends[1]);
            for (const auto &[p, o] : ends) {
                label.anchors.push_back(p);
                label.outward.push_back(o);
            }
            const std::size_t m = pts.size() / 2;
            if (pts.size() > 2) {
                label.anchors.push_back(pts[m]);
                label.outward.push_back({-(pts[m + 1].y - pts[m - 1].y), pts[m + 1].x - pts[m - 1].x});
            }
        }
        pending.push_back(std::move(label));
    }

    // O and F.
    LabelPlacer placer(sketch, sketch.plate);
    std::vector<PendingLabel> marks;
    if (dial.centreOnPlate) {
        sketch.dots.push_back({centre, labelMm * 0.25, Layer::Construction});
        marks.push_back({"O", Layer::Texts, -1, {centre}, {{1, 1}}});
    }
    if (dial.footOnPlate) {
        sketch.dots.push_back({{0, 0}, labelMm * 0.25, Layer::Style});
        marks.push_back({"F", Layer::Texts, -1, {{0, 0}}, {{1, -1}}});
    }
    for (const Dot &d : sketch.dots)
        placer.reserve({d.at.x - d.radiusMm, d.at.y - d.radiusMm, d.at.x + d.radiusMm, d.at.y + d.radiusMm});
    for (const auto &m : marks)
        placer.place(m, labelMm);
    for (const auto &l : pending)
        placer.place(l, labelMm);

    // Beside the plate: the title block, the style template, the 100 mm bar and the arrows.
    const double th = std::clamp(labelMm, 4.0, 8.0);
    const double x0 = clip.rightMm + 4 * th;
    double y = clip.topMm;
    auto line = [&](const std::string &text, Layer layer = Layer::Texts, double scale = 1.0) {
        y -= th * scale * 1.6;
        Label l;
        l.at = {x0, y};
        l.text = text;
        l.heightMm = th * scale;
        l.layer = layer;
        sketch.labels.push_back(l);
    };
    const auto &place = spec.place;
    const double d = spec.declinationDeg;
    std::string side = std::abs(d) < 1e-9 ? say(QT_TRANSLATE_NOOP("horalo", " (Sud)")) : std::abs(std::abs(d) - 180) < 1e-9 ? say(QT_TRANSLATE_NOOP("horalo", " (Nord)"))
                                                      : (d < 0 ? say(QT_TRANSLATE_NOOP("horalo", " Est")) : say(QT_TRANSLATE_NOOP("horalo", " Ovest")));
    line(sketch.title, Layer::Texts, 1.4);
    line(say(QT_TRANSLATE_NOOP("horalo", "Latitudine ")) + degreesText(place.latitudeDeg, 4) + say(QT_TRANSLATE_NOOP("horalo", "  longitudine ")) + degreesText(place.longitudeDeg, 4) +
         say(QT_TRANSLATE_NOOP("horalo", " (Est positiva)")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Fuso ")) + DecimalShown(place.zoneHours, 2) + " h" + (place.summerTime ? say(QT_TRANSLATE_NOOP("horalo", ", ora legale")) : say(QT_TRANSLATE_NOOP("horalo", ", senza ora legale"))));
    line(say(QT_TRANSLATE_NOOP("horalo", "Declinazione del piano ")) + degreesText(std::abs(d), 2) + side + say(QT_TRANSLATE_NOOP("horalo", "  inclinazione ")) +
         degreesText(spec.inclinationDeg, 2));
    line(std::string(spec.gnomon == gnomonics::GnomonSize::StyleLength ? say(QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo ")) : say(QT_TRANSLATE_NOOP("horalo", "Altezza del nodo "))) +
         DecimalShown(spec.gnomonMm, 1) + " mm");
    std::string hours;
    auto add = [](std::string &s, const std::string &t) { s += (s.empty() ? "" : ", ") + t; };
    if (spec.hours.apparent)
        add(hours, spec.hours.halfHours ? say(QT_TRANSLATE_NOOP("horalo", "vere e mezze ore")) : say(QT_TRANSLATE_NOOP("horalo", "vere")));
    if (spec.hours.clock)
        add(hours, (say(QT_TRANSLATE_NOOP("horalo", "civili (analemma "))) +
                       (spec.hours.analemma == gnomonics::AnalemmaMode::Whole ? say(QT_TRANSLATE_NOOP("horalo", "intero"))
                        : spec.hours.analemma == gnomonics::AnalemmaMode::Halves ? say(QT_TRANSLATE_NOOP("horalo", "a metà")) : say(QT_TRANSLATE_NOOP("horalo", "del mezzogiorno"))) +
                       say(QT_TRANSLATE_NOOP("horalo", ", anno ")) + std::to_string(spec.year) + ")");
    if (spec.hours.italic)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "italiche")));
    if (spec.hours.babylonian)
        add(hours, say(QT_TRANSLATE_NOOP("horalo", "babiloniche")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Ore: ")) + (hours.empty() ? (say(QT_TRANSLATE_NOOP("horalo", "nessuna"))) : hours));
    std::string dates;
    if (spec.dates.solsticesEquinoxes)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "solstizi ed equinozi")));
    if (spec.dates.zodiac)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "segni zodiacali")));
    if (spec.dates.monthFirsts)
        add(dates, say(QT_TRANSLATE_NOOP("horalo", "primo del mese")));
    for (const auto &day : spec.dates.dates)
        add(dates, dayName(day) + " " + std::to_string(day.year));
    line(say(QT_TRANSLATE_NOOP("horalo", "Linee diurne: ")) + (dates.empty() ? (say(QT_TRANSLATE_NOOP("horalo", "nessuna"))) : dates));
    line(say(QT_TRANSLATE_NOOP("horalo", "Lastra ")) + DecimalShown(clip.rightMm - clip.leftMm, 0) + " × " + DecimalShown(clip.topMm - clip.bottomMm, 0) +
         say(QT_TRANSLATE_NOOP("horalo", " mm, piede a ")) + DecimalShown(-clip.leftMm, 0) + say(QT_TRANSLATE_NOOP("horalo", " mm dal bordo sinistro e ")) + DecimalShown(clip.topMm, 0) +
         say(QT_TRANSLATE_NOOP("horalo", " mm dal bordo alto")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Altezza dello stilo ")) + degreesText(plane.styleHeightDeg, 2) + say(QT_TRANSLATE_NOOP("horalo", "  angolo della sustilare ")) +
         degreesText(plane.substyleAngleDeg, 2));
    line(say(QT_TRANSLATE_NOOP("horalo", "Differenza di longitudine ")) + degreesText(plane.longitudeDifferenceDeg, 2) + say(QT_TRANSLATE_NOOP("horalo", "  altezza del nodo ")) +
         DecimalShown(plane.nodusHeightMm, 1) + " mm");
    if (plane.hasCentre)
        line(say(QT_TRANSLATE_NOOP("horalo", "Centro O a x ")) + DecimalShown(plane.centre.xMm, 1) + say(QT_TRANSLATE_NOOP("horalo", " mm, y ")) + DecimalShown(plane.centre.yMm, 1) +
             say(QT_TRANSLATE_NOOP("horalo", " mm dal piede; stilo O-nodo ")) + DecimalShown(plane.styleLengthMm, 1) + " mm");
    else
        line(say(QT_TRANSLATE_NOOP("horalo", "Quadrante polare: lo stilo è parallelo al piano, senza centro")));
    line(say(QT_TRANSLATE_NOOP("horalo", "Scala 1:1, misure in mm dal piede F (x a destra, y in alto)")));
    if (spec.hours.apparent)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore vere")), Layer::Hours);
    if (spec.hours.clock)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore civili (tempo del fuso)")), Layer::ClockHours);
    if (spec.hours.italic)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore italiche")), Layer::Italic);
    if (spec.hours.babylonian)
        line(say(QT_TRANSLATE_NOOP("horalo", "Ore babiloniche")), Layer::Babylonian);
    if (!dates.empty())
        line(say(QT_TRANSLATE_NOOP("horalo", "Linee diurne")), Layer::Dates);

    // The style template at 1:1: the triangle F, nodus, O that the style and its support form,
    // to cut out and hold against the wall; its angle at O is the style height.
    y -= 3 * th;
    const double h = plane.nodusHeightMm;
    const double base = plane.hasCentre ? std::hypot(plane.centre.xMm, plane.centre.yMm) : 0.0;
    const Pt f{x0, y - h};
    Polyline tri;
    tri.layer = Layer::Style;
    tri.widthMm = 0.35;
    if (plane.hasCentre && base > 1e-6) {
        tri.points = {f, {f.x, f.y + h}, {f.x + base, f.y}};
        tri.closed = true;
    } else {
        tri.points = {f, {f.x, f.y + h}};
    }
    sketch.lines.push_back(tri);
    sketch.labels.push_back({{f.x + th * 0.5, f.y + h * 0.5}, "h " + DecimalShown(h, 1) + " mm", th, Layer::Style});
    sketch.labels.push_back({{f.x - th * 0.3, f.y - th * 1.4}, "F", th, Layer::Style});
    if (plane.hasCentre && base > 1e-6) {
        sketch.labels.push_back({{f.x + base - th, f.y - th * 1.4}, "O", th, Layer::Style});
        sketch.labels.push_back(
            {{f.x + base * 0.45, f.y + h * 0.55 + th * 0.4}, say(QT_TRANSLATE_NOOP("horalo", "stilo ")) + DecimalShown(plane.styleLengthMm, 1) + " mm",
             th, Layer::Style});
        sketch.labels.push_back({{f.x + base * 0.6, f.y + th * 0.4}, degreesText(plane.styleHeightDeg, 2), th,
                                 Layer::Style});
    }
    y = f.y - 4 * th;

    // 100 mm bar.
    Polyline bar;
    bar.layer = Layer::Construction;
    bar.widthMm = 0.35;
    bar.points = {{x0, y}, {x0 + 100, y}};
    sketch.lines.push_back(bar);
    for (int k = 0; k <= 10; ++k)
        sketch.lines.push_back(segmentLine({x0 + 10.0 * k, y}, {x0 + 10.0 * k, y + (k % 5 == 0 ? 4.0 : 2.0)},
                                           Layer::Construction, 0.25));
    sketch.labels.push_back({{x0 + 100 + th, y}, "100 mm", th, Layer::Texts});
    y -= 4 * th;

    // Arrows: up on the plane, and North on a horizontal dial.
    auto arrow = [&](Pt from, Pt dir, const std::string &text) {
        const double len = 60;
        const Pt tip{from.x + dir.x * len, from.y + dir.y * len};
        Polyline a;
        a.layer = Layer::Construction;
        a.widthMm = 0.35;
        const Pt side{-dir.y, dir.x};
        a.points = {from, tip, {tip.x - dir.x * 8 + side.x * 4, tip.y - dir.y * 8 + side.y * 4}, tip,
                    {tip.x - dir.x * 8 - side.x * 4, tip.y - dir.y * 8 - side.y * 4}};
        sketch.lines.push_back(a);
        sketch.labels.push_back({{tip.x + dir.x * th + (dir.x < 0 ? -TextWidthMm(text, th) : 0),
                                  tip.y + dir.y * th - (dir.y < 0 ? th : 0)},
                                 text, th, Layer::Texts});
    };
    const Pt upFrom{x0 + 10, y - 130};
    arrow(upFrom, {0, 1}, say(QT_TRANSLATE_NOOP("horalo", "Alto")));
    if (std::abs(spec.inclinationDeg - 90.0) < 1e-9) {
        const gnomonics::Vec3 north{0, 1, 0};
        Pt n{gnomonics::dot(north, plane.right), gnomonics::dot(north, plane.up)};
        const double len = std::hypot(n.x, n.y);
        if (len > 1e-9)
            arrow({x0 + 150, y - 65}, {n.x / len, n.y / len}, "N");
    }

    sketch.extent = sketch.plate;
    for (const auto &l : sketch.lines)
        for (const Pt p : l.points)
            sketch.extent.include(p);
    for (const auto &l : sketch.labels)
        sketch.extent.include(l.box());
    for (const auto &dt : sketch.dots)
        sketch.extent.include(Box{dt.at.x - dt.radiusMm, dt.at.y - dt.radiusMm, dt.at.x + dt.radiusMm,
                                  dt.at.y + dt.radiusMm});
    return sketch;
}

} // namespace drawing
