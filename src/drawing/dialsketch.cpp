#include "drawing/dialsketch.h"

#include "drawing/furniture.h"
#include "drawing/kindsketch.h"
#include "drawing/labelplacer.h"
#include "drawing/titleblock.h"
#include "sheet/markedtext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <future>
#include <iterator>
#include <utility>

namespace drawing {

using gnomonics::DialLine;
using gnomonics::LineFamily;

namespace {

std::string say(const char *italian) { return sheet::translated(italian); }

// Below about this many points of lines, the plate's free space is mapped on the caller's
// thread: a thread costs more to start than a small dial takes to map.
constexpr std::size_t kPointsWorthSplitting = 4000;

// The largest radius of the dots that mark O and F, mm.
constexpr double kLargestMarkRadiusMm = 1.5;

void addPlateOutline(DialSketch &sketch, const gnomonics::ClipRect &clip)
{
    Polyline outline;
    outline.points = {{clip.leftMm, clip.bottomMm}, {clip.rightMm, clip.bottomMm},
                      {clip.rightMm, clip.topMm}, {clip.leftMm, clip.topMm}};
    outline.closed = true;
    outline.layer = Layer::Plate;
    sketch.lines.push_back(outline);
}

// The substyle, noon, equinoctial and horizon lines, thin and grey.
void addConstructionLines(DialSketch &sketch, const gnomonics::DialLines &dial)
{
    const auto &c = dial.construction;
    auto addSegment = [&](const std::optional<gnomonics::Segment> &s, bool dashed) {
        if (s)
            sketch.lines.push_back(SegmentLine({s->a.xMm, s->a.yMm}, {s->b.xMm, s->b.yMm}, Layer::Construction, dashed));
    };
    // On a wall that does not decline the substyle is the noon line: drawn once, so that a
    // cutter does not go over it twice.
    const auto &plane = dial.plane;
    const bool substyleIsNoon = plane.hasCentre && std::abs(std::remainder(plane.substyleAngleDeg, 180.0)) < 1e-9;
    if (!substyleIsNoon)
        addSegment(c.substyle, true);
    addSegment(c.noon, false);
    addSegment(c.equinoctial, false);
    addSegment(c.horizon, true);
}

void addAnchor(PendingLabel &named, Pt at, Pt outward, bool atEnd)
{
    named.anchors.push_back(at);
    named.outward.push_back(outward);
    named.atEnd.push_back(atEnd);
}

// Where the name of one piece may stand: the piece's ends, the end away from O first for lines
// through O, then its middle; where lines crowd, places along the way too, every eighth of the
// piece.
void addPieceAnchors(PendingLabel &named, const std::vector<Pt> &pts, const gnomonics::DialPlane &plane)
{
    const Pt centre{plane.centre.xMm, plane.centre.yMm};
    const Pt a = pts.front(), b = pts.back();
    const Pt ai = comingFrom(pts, false), bi = comingFrom(pts, true);
    std::array<std::pair<Pt, Pt>, 2> ends{std::pair{b, Pt{b.x - bi.x, b.y - bi.y}},
                                          std::pair{a, Pt{a.x - ai.x, a.y - ai.y}}};
    if (plane.hasCentre && dist(a, centre) > dist(b, centre))
        std::swap(ends[0], ends[1]);
    for (const auto &[p, o] : ends)
        addAnchor(named, p, o, true);
    const std::size_t m = pts.size() / 2;
    if (pts.size() > 2)
        addAnchor(named, pts[m], {-(pts[m + 1].y - pts[m - 1].y), pts[m + 1].x - pts[m - 1].x}, false);
    for (int eighth = 1; eighth < 8 && pts.size() >= 2; ++eighth) {
        if (eighth == 4)
            continue; // the middle, above
        const double t = (pts.size() - 1) * eighth / 8.0;
        const std::size_t i = std::min(static_cast<std::size_t>(t), pts.size() - 2);
        const double f = t - static_cast<double>(i);
        const Pt u = pts[i], v = pts[i + 1];
        addAnchor(named, {u.x + f * (v.x - u.x), u.y + f * (v.y - u.y)}, {-(v.y - u.y), v.x - u.x}, false);
    }
}

// Every hour and date line, piece by piece, in its family's layer; and for every piece the name
// it is to carry, so that a line the plate or the horizon cuts in two reads the same on both
// sides.
std::vector<PendingLabel> addHourAndDateLines(DialSketch &sketch, const gnomonics::DialLines &dial)
{
    std::vector<PendingLabel> pending;
    for (const DialLine &line : dial.lines) {
        const std::string text = ShownLineLabel(line, dial.design);
        const Layer layer = LayerOfLine(line, dial.design);
        const bool quarter = IsQuarterHourLine(line);
        PendingLabel label{text, layer, -1, {}, {}, -1, {}, -1, {}};
        for (const auto &piece : line.pieces) {
            Polyline p;
            p.layer = layer;
            p.fine = quarter;
            p.half = line.analemma;
            p.dashed = line.analemma == gnomonics::AnalemmaHalf::JuneToDecember;
            for (const auto &q : piece)
                p.points.push_back({q.xMm, q.yMm});
            if (label.ownLine < 0)
                label.ownLine = static_cast<long>(sketch.lines.size());
            sketch.lines.push_back(std::move(p));
        }
        if (label.ownLine < 0 || quarter)
            continue;
        label.ownEnd = static_cast<long>(sketch.lines.size());
        for (long k = label.ownLine; k < label.ownEnd; ++k) {
            PendingLabel named = label;
            named.piece = k;
            addPieceAnchors(named, sketch.lines[static_cast<std::size_t>(k)].points, dial.plane);
            pending.push_back(std::move(named));
        }
    }
    // Every other piece that bears the same name (of its own line, or of the other half of a
    // split analemma).
    for (PendingLabel &l : pending)
        for (const PendingLabel &other : pending)
            if (other.piece != l.piece && other.layer == l.layer && other.text == l.text)
                l.namesakes.push_back(other.piece);
    return pending;
}

// The dots of O and F where they stand on the plate, and their names to place.
std::vector<PendingLabel> addCentreAndFoot(DialSketch &sketch, const gnomonics::DialLines &dial, double labelMm)
{
    std::vector<PendingLabel> marks;
    const Pt centre{dial.plane.centre.xMm, dial.plane.centre.yMm};
    // A point to drill or to set the style in, no wider than 3 mm across: on a large sheet a
    // dot the size of the names would hide the short hour lines that crowd near F.
    const double radius = std::min(labelMm * 0.25, kLargestMarkRadiusMm);
    if (dial.centreOnPlate) {
        sketch.dots.push_back({centre, radius, Layer::Construction});
        marks.push_back({"O", Layer::Texts, -1, {centre}, {{1, 1}}, -1, {}, -1, {}});
    }
    if (dial.footOnPlate) {
        sketch.dots.push_back({{0, 0}, radius, Layer::Style});
        marks.push_back({"F", Layer::Texts, -1, {{0, 0}}, {{1, -1}}, -1, {}, -1, {}});
    }
    return marks;
}

// The box of everything drawn, the plate included, and of what stands beside the plate.
void measureExtent(DialSketch &sketch)
{
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
}

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
    case Layer::Temporary: return "TEMPORARIE";
    case Layer::Azimuth: return "AZIMUT";
    case Layer::Altitude: return "ALTEZZE";
    case Layer::MeanHours: return "ORE_MEDIE";
    case Layer::Grid: return "GRIGLIA";
    case Layer::Analemmatic: return "ANALEMMATICO";
    case Layer::DateScale: return "SCALA_DATE";
    case Layer::Wires: return "FILI";
    case Layer::Meridian: return "MERIDIANA";
    case Layer::Spots: return "MACCHIE";
    }
    return "0";
}

std::string PolylineLayerName(const Polyline &line)
{
    switch (line.half) {
    case gnomonics::AnalemmaHalf::DecemberToJune: return std::string(LayerName(line.layer)) + "_DIC_GIU";
    case gnomonics::AnalemmaHalf::JuneToDecember: return std::string(LayerName(line.layer)) + "_GIU_DIC";
    case gnomonics::AnalemmaHalf::None:
    case gnomonics::AnalemmaHalf::Whole: break;
    }
    return LayerName(line.layer);
}

Layer LayerOfLine(const DialLine &line, const gnomonics::DialSpec &design)
{
    switch (line.family) {
    case LineFamily::ApparentTime: return design.kind == gnomonics::DialKind::DarkRoom ? Layer::Meridian : Layer::Hours;
    case LineFamily::ClockTime:
        return line.clockKind == gnomonics::ClockKind::LocalMean ? Layer::MeanHours : Layer::ClockHours;
    case LineFamily::Italic: return Layer::Italic;
    case LineFamily::Babylonian: return Layer::Babylonian;
    case LineFamily::DateLine: return Layer::Dates;
    case LineFamily::Temporary: return Layer::Temporary;
    case LineFamily::Azimuth: return Layer::Azimuth;
    case LineFamily::Altitude: return Layer::Altitude;
    }
    return Layer::Hours;
}

bool IsQuarterHourLine(const DialLine &line)
{
    if (line.family != LineFamily::ApparentTime && line.family != LineFamily::ClockTime)
        return false;
    const double quarters = line.hour * 4.0;
    return std::abs(quarters - std::round(quarters)) < 1e-9 && std::lround(quarters) % 2 != 0;
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
    case Layer::Temporary: return 0xa66f00;
    case Layer::Azimuth: return 0x117864;
    case Layer::Altitude: return 0xc0450b;
    case Layer::MeanHours: return 0x1a7f37;
    case Layer::Grid: return 0xa0a0a0;
    case Layer::Analemmatic: return 0x000000;
    case Layer::DateScale: return 0x8e44ad;
    case Layer::Wires: return 0x7a4a00;
    case Layer::Meridian: return 0x000000;
    case Layer::Spots: return 0xc0450b;
    }
    return 0;
}

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

DialSketch BuildDialSketch(const gnomonics::DialLines &dial, const SketchTitle &title)
{
    DialSketch sketch;
    if (!dial.status.ok())
        return sketch;
    const auto &clip = dial.design.plate;
    sketch.title = title.title.empty() ? say(QT_TRANSLATE_NOOP("horalo", "Quadrante ")) + title.placeName : title.title;
    sketch.plate = {clip.leftMm, clip.bottomMm, clip.rightMm, clip.topMm};
    const double plateSide = std::min(clip.rightMm - clip.leftMm, clip.topMm - clip.bottomMm);
    const double labelMm = std::clamp(plateSide / 130.0, 2.5, 12.0);

    if (!title.noPlate)
        addPlateOutline(sketch, clip);
    for (Polyline &l : GridLines(sketch.plate, title.gridMm))
        sketch.lines.push_back(std::move(l));
    const auto kind = dial.design.kind;
    if (kind != gnomonics::DialKind::Analemmatic)
        addConstructionLines(sketch, dial);
    AddKindItems(sketch, dial, labelMm);
    const std::vector<PendingLabel> lineNames = addHourAndDateLines(sketch, dial);
    const std::vector<PendingLabel> marks = kind == gnomonics::DialKind::Analemmatic
        ? std::vector<PendingLabel>{} : addCentreAndFoot(sketch, dial, labelMm);
    // The title block, the style template, the 100 mm bar and the arrows: each a piece built
    // in its own frame (top-left corner at the origin), then set on the plate where it covers
    // nothing, or beside the plate when no such place is left. The map of the plate's free
    // space begins with the lines drawn so far; on a dial with many lines it is made on a
    // second core while the names are placed (the placing only reads the lines, and hands
    // back the leaders to be added once the map is made).
    const double th = std::clamp(labelMm, 4.0, 8.0);
    const std::size_t drawn = sketch.lines.size();
    std::size_t points = 0;
    for (const Polyline &l : sketch.lines)
        points += l.points.size();
    std::future<FreeSpace> mapped = std::async(
        points >= kPointsWorthSplitting ? std::launch::async | std::launch::deferred : std::launch::deferred,
        [&sketch, drawn, th] { return PiecesFreeSpace(sketch.plate, sketch.lines, drawn, th); });
    std::vector<Polyline> leaders = PlaceLabels(sketch, marks, lineNames, labelMm);
    FreeSpace space = mapped.get();
    sketch.lines.insert(sketch.lines.end(), std::make_move_iterator(leaders.begin()),
                        std::make_move_iterator(leaders.end()));
    std::vector<Piece> pieces;
    if (!title.motto.empty())
        pieces.push_back(MottoPiece(title.motto, sketch.plate, th));
    pieces.push_back(TitleBlockPiece(dial, sketch.title, title, th));
    // The style template is for a style: the bifilar and analemmatic dials have none.
    if (kind == gnomonics::DialKind::Plane || kind == gnomonics::DialKind::DarkRoom)
        pieces.push_back(StyleTemplatePiece(dial.plane, th));
    if (Piece table = EquationOfTimePiece(dial, th); !table.labels.empty())
        pieces.push_back(std::move(table));
    pieces.push_back(ScaleBarPiece(th));
    pieces.push_back(ArrowsPiece(dial.design, dial.plane, plateSide, th));
    space.complete(sketch, drawn);
    SetPiecesOnPlate(sketch, std::move(pieces), clip, th, space);

    measureExtent(sketch);
    return sketch;
}

} // namespace drawing
