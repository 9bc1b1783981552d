#include "drawing/furniture.h"

#include "drawing/freespace.h"
#include "drawing/scalebar.h"
#include "drawing/textformat.h"
#include "sheet/markedtext.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace drawing {

namespace {

std::string say(const char *italian) { return sheet::translated(italian); }

// An arrow len long from `from` along the unit direction dir, named by text beyond its tip.
void addArrow(Piece &arrows, Pt from, Pt dir, double len, const std::string &text, double th)
{
    const Pt tip{from.x + dir.x * len, from.y + dir.y * len};
    Polyline a;
    a.layer = Layer::Construction;
    const Pt across{-dir.y, dir.x};
    const double head = len * 8 / 60, half = len * 4 / 60;
    a.points = {from, tip, {tip.x - dir.x * head + across.x * half, tip.y - dir.y * head + across.y * half}, tip,
                {tip.x - dir.x * head - across.x * half, tip.y - dir.y * head - across.y * half}};
    arrows.lines.push_back(a);
    arrows.labels.push_back({{tip.x + dir.x * th + (dir.x < 0 ? -TextWidthMm(text, th) : 0),
                              tip.y + dir.y * th - (dir.y < 0 ? th : 0)},
                             text, th, Layer::Texts});
}

// Where each piece, taken in the given order, finds a free place on the plate: the lower-left
// corner of its box grown by gap all round, or nothing.
std::vector<std::optional<Pt>> arrange(const FreeSpace &space, const std::vector<Piece> &pieces,
                                       const std::vector<std::size_t> &order, double th)
{
    const double gap = th;
    FreeSpace free = space;
    std::vector<std::optional<Pt>> spots(pieces.size());
    for (std::size_t i : order) {
        const Piece &piece = pieces[i];
        const double w = piece.box.right - piece.box.left, hgt = piece.box.top - piece.box.bottom;
        spots[i] = free.find(w + 2 * gap, hgt + 2 * gap, piece.nearTop);
        if (spots[i])
            free.occupy({spots[i]->x, spots[i]->y, spots[i]->x + w + 2 * gap, spots[i]->y + hgt + 2 * gap});
    }
    return spots;
}

} // namespace

Polyline SegmentLine(Pt a, Pt b, Layer layer, bool dashed)
{
    Polyline l;
    l.points = {a, b};
    l.layer = layer;
    l.dashed = dashed;
    return l;
}

Piece StyleTemplatePiece(const gnomonics::DialPlane &plane, double th)
{
    Piece templ;
    const double h = plane.nodusHeightMm;
    const double base = plane.hasCentre ? std::hypot(plane.centre.xMm, plane.centre.yMm) : 0.0;
    const Pt f{th, -th - h};
    Polyline tri;
    tri.layer = Layer::Style;
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
        templ.labels.push_back({{f.x + base + th * 0.8, f.y + th * 0.2}, DegreesText(plane.styleElevationDeg, 2), th,
                                Layer::Style});
        right = std::max({right, f.x + base + th, f.x + base * 0.45 + TextWidthMm(styleText, th)});
    }
    templ.box = {0, f.y - th * 1.6, right, 0};
    for (const Label &l : templ.labels)
        templ.box.include(l.box());
    return templ;
}

Piece ScaleBarPiece(double th)
{
    Piece bar;
    const double by = -5.0;
    const ScaleBar model = CentimetreBar();
    for (const auto &[a, b] : ScaleBarStrokes(model, {0, by}, 1.0))
        bar.lines.push_back(SegmentLine(a, b, Layer::Construction));
    bar.labels.push_back({{model.lengthMm + th, by}, kScaleBarName, th, Layer::Texts});
    bar.box = {0, by - 1, model.lengthMm + th + TextWidthMm(kScaleBarName, th), 0};
    bar.box.include(bar.labels.back().box());
    return bar;
}

Piece ArrowsPiece(const gnomonics::DialSpec &design, const gnomonics::DialPlane &plane, double plateSide, double th)
{
    Piece arrows;
    // 60 mm on a plate of half a metre and more, shorter on a small plate so that it finds
    // room on it.
    const double len = std::clamp(plateSide / 8.0, 20.0, 60.0);
    addArrow(arrows, {0, -len - 3 * th}, {0, 1}, len, say(QT_TRANSLATE_NOOP("horalo", "Alto")), th);
    if (std::abs(design.inclinationDeg - 90.0) < 1e-9) {
        const gnomonics::Vec3 north{0, 1, 0};
        Pt n{gnomonics::dot(north, plane.right), gnomonics::dot(north, plane.up)};
        const double norm = std::hypot(n.x, n.y);
        if (norm > 1e-9)
            addArrow(arrows, {len + 4 * th, -len / 2 - 3 * th}, {n.x / norm, n.y / norm}, len, "N", th);
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
    return arrows;
}

Piece MottoPiece(const std::string &motto, const Box &plate, double th)
{
    Piece piece;
    piece.nearTop = true;
    const double side = std::min(plate.right - plate.left, plate.top - plate.bottom);
    const double widthPerMm = TextWidthMm(motto, 1.0);
    double height = side / 25.0;
    if (widthPerMm > 0)
        height = std::min(height, 0.8 * (plate.right - plate.left) / widthPerMm);
    height = std::max(height, th);
    Label text{{0, -(1 - kLabelDescent) * height}, motto, height, Layer::Texts};
    piece.box = text.box();
    piece.labels.push_back(std::move(text));
    return piece;
}

std::vector<Polyline> GridLines(const Box &plate, double sideMm)
{
    std::vector<Polyline> grid;
    if (!(sideMm > 0))
        return grid;
    auto add = [&](Pt a, Pt b) {
        Polyline l = SegmentLine(a, b, Layer::Grid);
        l.fine = true;
        grid.push_back(std::move(l));
    };
    for (double k = std::ceil(plate.left / sideMm); k * sideMm <= plate.right; ++k)
        add({k * sideMm, plate.bottom}, {k * sideMm, plate.top});
    for (double k = std::ceil(plate.bottom / sideMm); k * sideMm <= plate.top; ++k)
        add({plate.left, k * sideMm}, {plate.right, k * sideMm});
    return grid;
}

FreeSpace PiecesFreeSpace(const Box &plate, const std::vector<Polyline> &lines, std::size_t count, double th)
{
    return FreeSpace(plate, lines, count, th * 1.5);
}

void SetPiecesOnPlate(DialSketch &sketch, std::vector<Piece> pieces, const gnomonics::ClipRect &clip, double th,
                      const FreeSpace &space)
{
    const double gap = th;
    // The pieces take the free corners in turn, the arrows last. Should that leave the arrows
    // with no room, the arrows go first instead: an arrow beside the plate (or on the PDF's
    // second page) no longer says which way is up; the other pieces read as well anywhere.
    std::vector<std::size_t> order(pieces.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::vector<std::optional<Pt>> spots = arrange(space, pieces, order, th);
    if (!spots.empty() && !spots.back()) {
        std::rotate(order.rbegin(), order.rbegin() + 1, order.rend());
        auto arrowsFirst = arrange(space, pieces, order, th);
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
}

} // namespace drawing
