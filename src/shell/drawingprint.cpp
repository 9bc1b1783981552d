#include "shell/drawingprint.h"

#include "shell/drawingrender.h"

#include "sheet/qt/printjob.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace shell {

namespace {

const QString kTileLabel = QStringLiteral("riga %1, colonna %2 (di %3 x %4)");
const QString kTilePlace = QStringLiteral("riga %1, colonna %2");

constexpr double kCropMarkMm = 6.0;       // arms of the corner marks along the paper's edges
constexpr double kOverlapTickMm = 6.0;    // ticks where a neighbour's overlap begins
constexpr double kCrossArmMm = 4.0;       // half the span of an alignment cross
constexpr double kCrossCircleMm = 2.5;    // radius of the ring round it
constexpr double kTileLabelMm = 3.0;      // capital height of a tile's label
constexpr double kOverviewLabelMaxMm = 4.0;
// More pages than this is not a dial a maker traces from paper; the job is refused.
constexpr int kMaxTiles = 200;
constexpr unsigned kMarkRgb = 0x000000;
constexpr unsigned kLabelRgb = 0x000080;
constexpr unsigned kGridRgb = 0x0050C8;
constexpr unsigned kDrawingEdgeRgb = 0x808080;

sheet::DrawingPolyline markLine(sheet::DrawingPoint a, sheet::DrawingPoint b, unsigned rgb = kMarkRgb)
{
    return {{a, b}, sheet::DrawingPen::Frame, false, false, rgb};
}

void addCross(sheet::Drawing &marks, sheet::DrawingPoint at)
{
    marks.lines.push_back(markLine({at.xMm - kCrossArmMm, at.yMm}, {at.xMm + kCrossArmMm, at.yMm}));
    marks.lines.push_back(markLine({at.xMm, at.yMm - kCrossArmMm}, {at.xMm, at.yMm + kCrossArmMm}));
    sheet::DrawingPolyline ring{{}, sheet::DrawingPen::Frame, false, true, kMarkRgb};
    constexpr int kSides = 48;
    for (int i = 0; i < kSides; ++i) {
        const double a = 2 * std::numbers::pi * i / kSides;
        ring.points.push_back({at.xMm + kCrossCircleMm * std::cos(a), at.yMm + kCrossCircleMm * std::sin(a)});
    }
    marks.lines.push_back(std::move(ring));
}

// The marks of one tile, in millimetres from the top-left corner of its printable area.
sheet::Drawing tileMarks(const sheet::TileGrid &grid, int row, int column)
{
    const double w = grid.tileWidthMm;
    const double h = grid.tileHeightMm;
    const double ov = grid.overlapMm;
    const bool left = column > 0;
    const bool right = column + 1 < grid.columns;
    const bool top = row > 0;
    const bool bottom = row + 1 < grid.rows;
    sheet::Drawing marks;
    marks.widthMm = w;
    marks.heightMm = h;

    // Corner marks along the edges of the printed area: the maker trims the paper there, and
    // a trimmed edge laid on a neighbour's overlap ticks puts both halves of the dial in place.
    const double inset = DrawingRender::penWidthMm(sheet::DrawingPen::Frame) / 2;
    const double x0 = inset;
    const double y0 = inset;
    const double x1 = w - inset;
    const double y1 = h - inset;
    for (const auto &[cx, cy, dx, dy] : {std::array<double, 4>{x0, y0, 1, 1}, std::array<double, 4>{x1, y0, -1, 1},
                                         std::array<double, 4>{x0, y1, 1, -1}, std::array<double, 4>{x1, y1, -1, -1}}) {
        marks.lines.push_back({{{cx + dx * kCropMarkMm, cy}, {cx, cy}, {cx, cy + dy * kCropMarkMm}},
                               sheet::DrawingPen::Frame, false, false, kMarkRgb});
    }

    // Ticks at the inner edge of each overlap strip, on both edges the strip runs to.
    auto verticalTicks = [&](double x) {
        marks.lines.push_back(markLine({x, 0}, {x, kOverlapTickMm}));
        marks.lines.push_back(markLine({x, h - kOverlapTickMm}, {x, h}));
    };
    auto horizontalTicks = [&](double y) {
        marks.lines.push_back(markLine({0, y}, {kOverlapTickMm, y}));
        marks.lines.push_back(markLine({w - kOverlapTickMm, y}, {w, y}));
    };
    if (left)
        verticalTicks(ov);
    if (right)
        verticalTicks(w - ov);
    if (top)
        horizontalTicks(ov);
    if (bottom)
        horizontalTicks(h - ov);

    // A cross in the middle of each overlap corner: the neighbours print it on the same spot
    // of the dial, so laying the crosses over each other aligns the tiles.
    if (left || top)
        addCross(marks, {ov / 2, ov / 2});
    if (right || top)
        addCross(marks, {w - ov / 2, ov / 2});
    if (left || bottom)
        addCross(marks, {ov / 2, h - ov / 2});
    if (right || bottom)
        addCross(marks, {w - ov / 2, h - ov / 2});

    // The label sits in the bottom strip, which the tile below covers once glued.
    marks.texts.push_back({{w / 2, h - ov / 2}, tileLabel(grid, row, column).toStdString(), kTileLabelMm,
                           sheet::TextAnchor::Centre, kLabelRgb});
    return marks;
}

} // namespace

sheet::TileGrid planDrawingTiles(const sheet::Drawing &drawing, QSizeF printableMm)
{
    return sheet::PlanTiles(drawing.widthMm, drawing.heightMm, printableMm.width(), printableMm.height(),
                            kTileOverlapMm);
}

QString tileLabel(const sheet::TileGrid &grid, int row, int column)
{
    return kTileLabel.arg(row + 1).arg(column + 1).arg(grid.rows).arg(grid.columns);
}

void paintOverviewPage(QPainter &painter, const sheet::Drawing &drawing, const sheet::TileGrid &grid,
                       QSizeF printableMm, double dotsPerMm)
{
    // The grid may reach beyond the drawing: the last tiles stick out to the right and below.
    const sheet::DrawingPoint last = grid.offset(grid.rows - 1, grid.columns - 1);
    const double extentW = std::max(drawing.widthMm, last.xMm + grid.tileWidthMm);
    const double extentH = std::max(drawing.heightMm, last.yMm + grid.tileHeightMm);
    if (!(extentW > 0 && extentH > 0))
        return;
    const double scale = std::min({1.0, printableMm.width() / extentW, printableMm.height() / extentH});
    const double x0 = (printableMm.width() - extentW * scale) / 2;

    DrawingRender reduced(dotsPerMm * scale, QPointF(x0 * dotsPerMm, 0));
    // Reduced lines would thin to nothing; keep them visible as a hair line.
    reduced.setMinimumPenDots(0.1 * dotsPerMm);
    reduced.paint(painter, drawing);

    sheet::Drawing tiles;
    // The drawing's own edge, so the maker sees how much of the last tiles stays blank.
    tiles.lines.push_back({{{0, 0}, {drawing.widthMm, 0}, {drawing.widthMm, drawing.heightMm}, {0, drawing.heightMm}},
                           sheet::DrawingPen::Construction, false, true, kDrawingEdgeRgb});
    const double labelMm =
        std::min(kOverviewLabelMaxMm, grid.tileWidthMm * scale / (kTilePlace.size() * 0.75));
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const sheet::DrawingPoint o = grid.offset(r, c);
            const double w = grid.tileWidthMm;
            const double h = grid.tileHeightMm;
            tiles.lines.push_back({{{o.xMm, o.yMm}, {o.xMm + w, o.yMm}, {o.xMm + w, o.yMm + h}, {o.xMm, o.yMm + h}},
                                   sheet::DrawingPen::Frame, false, true, kGridRgb});
            tiles.texts.push_back({{o.xMm + w / 2, o.yMm + h / 2}, kTilePlace.arg(r + 1).arg(c + 1).toStdString(),
                                   labelMm / scale, sheet::TextAnchor::Centre, kGridRgb});
        }
    }
    DrawingRender grid1(dotsPerMm * scale, QPointF(x0 * dotsPerMm, 0));
    grid1.setMinimumPenDots(0.3 * dotsPerMm);
    grid1.paint(painter, tiles);
}

void paintTilePage(QPainter &painter, const sheet::Drawing &drawing, const sheet::TileGrid &grid, int row,
                   int column, double dotsPerMm)
{
    const sheet::DrawingPoint offset = grid.offset(row, column);
    painter.save();
    painter.setClipRect(QRectF(0, 0, grid.tileWidthMm * dotsPerMm, grid.tileHeightMm * dotsPerMm));
    DrawingRender(dotsPerMm, QPointF(-offset.xMm * dotsPerMm, -offset.yMm * dotsPerMm)).paint(painter, drawing);
    DrawingRender(dotsPerMm, QPointF(0, 0)).paint(painter, tileMarks(grid, row, column));
    painter.restore();
}

bool paintTiledPages(QPainter &painter, QPagedPaintDevice &device, const sheet::Drawing &drawing,
                     QSizeF printableMm, double dotsPerMm)
{
    const sheet::TileGrid grid = planDrawingTiles(drawing, printableMm);
    if (grid.count() <= 0 || grid.count() > kMaxTiles)
        return false;
    paintOverviewPage(painter, drawing, grid, printableMm, dotsPerMm);
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            if (!device.newPage())
                return false;
            paintTilePage(painter, drawing, grid, r, c, dotsPerMm);
        }
    }
    return true;
}

bool printDrawingTiles(const sheet::Drawing &drawing, QWidget *parent)
{
    const bool drawable = std::isfinite(drawing.widthMm) && std::isfinite(drawing.heightMm) &&
                          drawing.widthMm > 0 && drawing.heightMm > 0;
    return sheet::printPages(
        [&](QPainter &painter, QPrinter &printer) {
            if (!drawable)
                return false;
            const QSizeF printableMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
            if (!(printableMm.width() > 2 * kTileOverlapMm && printableMm.height() > 2 * kTileOverlapMm))
                return false;
            return paintTiledPages(painter, printer, drawing, printableMm, printer.resolution() / 25.4);
        },
        parent);
}

} // namespace shell
