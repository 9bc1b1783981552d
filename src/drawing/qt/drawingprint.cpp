#include "drawing/qt/drawingprint.h"

#include "sheet/qt/uitext.h"

#include "drawing/qt/drawingrender.h"

#include "sheet/qt/printjob.h"

#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPointer>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace drawing {

namespace {

const sheet::UiText kTileLabel{QT_TRANSLATE_NOOP("horalo", "riga %1, colonna %2 (di %3 x %4)")};
const QString kTilePlace = QStringLiteral("%1,%2");
const sheet::UiText kAskPages{QT_TRANSLATE_NOOP("horalo", "Il disegno richiede %1 fogli A4. Stampare?")};
const sheet::UiText kTooLarge{QT_TRANSLATE_NOOP(
    "horalo", "Il disegno è troppo grande per la stampa 1:1 (%1 fogli, al massimo %2): esportalo in PDF o riduci lo stilo")};
const sheet::UiText kOverviewCount{QT_TRANSLATE_NOOP("horalo", "Stampa 1:1 su %1 fogli A4 oltre a questo (%2 x %3, %4)")};
const sheet::UiText kPortrait{QT_TRANSLATE_NOOP("horalo", "verticali")};
const sheet::UiText kLandscape{QT_TRANSLATE_NOOP("horalo", "orizzontali")};
const sheet::UiText kOverviewHint{QT_TRANSLATE_NOOP(
    "horalo", "Riga, colonna di ogni foglio; i riquadri vuoti non si stampano. Ritagliare ai segni d'angolo, "
              "sovrapporre le croci e incollare.")};
const QString kDialogTitle = QStringLiteral("Horalo 2002");

constexpr double kCropMarkMm = 6.0;       // arms of the corner marks along the paper's edges
constexpr double kOverlapTickMm = 6.0;    // ticks where a neighbour's overlap begins
constexpr double kCrossArmMm = 4.0;       // half the span of an alignment cross
constexpr double kCrossCircleMm = 2.5;    // radius of the ring round it
constexpr double kTileLabelMm = 3.0;      // capital height of a tile's label
constexpr double kBarTextMm = 2.2;
constexpr double kBarStartMm = 12.0;      // clear of the corner marks and crosses
constexpr double kHeadingMm = 5.0;        // capital height of the overview's title
constexpr double kHintMm = 2.6;
constexpr double kOverviewLabelMinMm = 2.0;
constexpr double kOverviewLabelMaxMm = 8.0;
// A grid with more tiles than this is not looked at tile by tile: it is far over the limit.
constexpr long long kMaxCellsLookedAt = 4'000'000;
// The usual printable area of an A4 sheet, for refusing a drawing far over the limit before
// the printer is asked.
const QSizeF kNominalPrintableMm(200.0, 287.0);
constexpr unsigned kMarkRgb = 0x000000;
constexpr unsigned kLabelRgb = 0x000080;
constexpr unsigned kGridRgb = 0x0050C8;
constexpr unsigned kBlankTileRgb = 0xB0B0B0;
constexpr unsigned kDrawingEdgeRgb = 0x808080;

class MessageBoxes final : public TilePrintDialogs {
public:
    bool confirm(QWidget *parent, const QString &question) override
    {
        return QMessageBox::question(parent, kDialogTitle, question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    }
    void refuse(QWidget *parent, const QString &message) override
    {
        QMessageBox::warning(parent, kDialogTitle, message);
    }
};

MessageBoxes messageBoxes;
TilePrintDialogs *currentDialogs = &messageBoxes;

bool finite(DrawingPoint p)
{
    return std::isfinite(p.xMm) && std::isfinite(p.yMm);
}

// Marks the tiles that something drawn touches. Each item marks the tiles it crosses: a
// segment walks the columns it spans and, in each, the rows its piece there spans; a text or a
// dot marks the tiles of a generous box round it. Tiles overlap, so a point may mark up to four.
class TileMarker {
public:
    explicit TileMarker(const TileGrid &grid)
        : grid_(grid), stepX_(grid.tileWidthMm - grid.overlapMm), stepY_(grid.tileHeightMm - grid.overlapMm),
          used_(static_cast<std::size_t>(grid.count()), false)
    {
    }

    void segment(DrawingPoint a, DrawingPoint b)
    {
        if (!finite(a) || !finite(b))
            return;
        if (a.xMm > b.xMm)
            std::swap(a, b);
        const int c0 = firstIndex(a.xMm, grid_.tileWidthMm, stepX_, grid_.columns);
        const int c1 = lastIndex(b.xMm, stepX_, grid_.columns);
        for (int c = c0; c <= c1; ++c) {
            double ya = a.yMm, yb = b.yMm;
            const double dx = b.xMm - a.xMm;
            if (dx > 0) {
                const double left = std::max(a.xMm, c * stepX_);
                const double right = std::min(b.xMm, c * stepX_ + grid_.tileWidthMm);
                if (left > right)
                    continue;
                ya = a.yMm + (b.yMm - a.yMm) * (left - a.xMm) / dx;
                yb = a.yMm + (b.yMm - a.yMm) * (right - a.xMm) / dx;
            }
            markRows(c, std::min(ya, yb), std::max(ya, yb));
        }
    }

    void box(double x0, double y0, double x1, double y1)
    {
        if (!(std::isfinite(x0) && std::isfinite(y0) && std::isfinite(x1) && std::isfinite(y1)))
            return;
        const int c0 = firstIndex(x0, grid_.tileWidthMm, stepX_, grid_.columns);
        const int c1 = lastIndex(x1, stepX_, grid_.columns);
        for (int c = c0; c <= c1; ++c)
            markRows(c, y0, y1);
    }

    std::vector<bool> take() { return std::move(used_); }

private:
    // The first tile whose span [i step, i step + size] reaches x, and the last that starts at
    // or before x; both held to the grid.
    static int firstIndex(double x, double size, double step, int count)
    {
        const double i = std::ceil((x - size) / step);
        return static_cast<int>(std::clamp(i, 0.0, static_cast<double>(count)));
    }
    static int lastIndex(double x, double step, int count)
    {
        const double i = std::floor(x / step);
        return static_cast<int>(std::clamp(i, -1.0, static_cast<double>(count - 1)));
    }
    void markRows(int column, double y0, double y1)
    {
        const int r0 = firstIndex(y0, grid_.tileHeightMm, stepY_, grid_.rows);
        const int r1 = lastIndex(y1, stepY_, grid_.rows);
        for (int r = r0; r <= r1; ++r)
            used_[static_cast<std::size_t>(r) * static_cast<std::size_t>(grid_.columns) + static_cast<std::size_t>(column)] = true;
    }

    TileGrid grid_;
    double stepX_;
    double stepY_;
    std::vector<bool> used_;
};

TilePlan planFor(const Drawing &drawing, QSizeF tileMm, bool landscape)
{
    TilePlan plan;
    plan.landscape = landscape;
    plan.grid = PlanTiles(drawing.widthMm, drawing.heightMm, tileMm.width(), tileMm.height(), kTileOverlapMm);
    if (static_cast<long long>(plan.grid.rows) * plan.grid.columns > kMaxCellsLookedAt) {
        plan.printed = plan.grid.count();
        return plan;
    }
    TileMarker marker(plan.grid);
    for (const DrawingPolyline &line : drawing.lines) {
        const auto &p = line.points;
        for (std::size_t i = 1; i < p.size(); ++i)
            marker.segment(p[i - 1], p[i]);
        if (line.closed && p.size() > 2)
            marker.segment(p.back(), p.front());
        if (p.size() == 1)
            marker.segment(p[0], p[0]);
    }
    for (const DrawingText &t : drawing.texts) {
        // Wider and taller than any anchor can put the text.
        const double w = t.heightMm * (1.0 + static_cast<double>(t.text.size()));
        const double h = 2.0 * t.heightMm;
        marker.box(t.at.xMm - w, t.at.yMm - h, t.at.xMm + w, t.at.yMm + h);
    }
    for (const DrawingDot &dot : drawing.dots)
        marker.box(dot.at.xMm - dot.radiusMm, dot.at.yMm - dot.radiusMm, dot.at.xMm + dot.radiusMm,
                   dot.at.yMm + dot.radiusMm);
    plan.used = marker.take();
    plan.printed = static_cast<int>(std::count(plan.used.begin(), plan.used.end(), true));
    return plan;
}

// Turns the painter so that a landscape page is painted upright in its own frame: the frame's
// x runs down the sheet, its y from the right edge of the printable area to the left.
void turnForLandscape(QPainter &painter, QSizeF printableMm, double dotsPerMm)
{
    painter.translate(printableMm.width() * dotsPerMm, 0);
    painter.rotate(90);
}

DrawingPolyline markLine(DrawingPoint a, DrawingPoint b, unsigned rgb = kMarkRgb)
{
    return {{a, b}, DrawingPen::Frame, false, false, rgb};
}

void addCross(Drawing &marks, DrawingPoint at)
{
    marks.lines.push_back(markLine({at.xMm - kCrossArmMm, at.yMm}, {at.xMm + kCrossArmMm, at.yMm}));
    marks.lines.push_back(markLine({at.xMm, at.yMm - kCrossArmMm}, {at.xMm, at.yMm + kCrossArmMm}));
    DrawingPolyline ring{{}, DrawingPen::Frame, false, true, kMarkRgb};
    constexpr int kSides = 48;
    for (int i = 0; i < kSides; ++i) {
        const double a = 2 * std::numbers::pi * i / kSides;
        ring.points.push_back({at.xMm + kCrossCircleMm * std::cos(a), at.yMm + kCrossCircleMm * std::sin(a)});
    }
    marks.lines.push_back(std::move(ring));
}

// The marks of one tile, in millimetres from the top-left corner of its printable area.
Drawing tileMarks(const TileGrid &grid, int row, int column)
{
    const double w = grid.tileWidthMm;
    const double h = grid.tileHeightMm;
    const double ov = grid.overlapMm;
    const bool left = column > 0;
    const bool right = column + 1 < grid.columns;
    const bool top = row > 0;
    const bool bottom = row + 1 < grid.rows;
    Drawing marks;
    marks.widthMm = w;
    marks.heightMm = h;

    // Corner marks along the edges of the printed area: the maker trims the paper there, and
    // a trimmed edge laid on a neighbour's overlap ticks puts both halves of the dial in place.
    const double inset = DrawingRender::penWidthMm(DrawingPen::Frame) / 2;
    const double x0 = inset;
    const double y0 = inset;
    const double x1 = w - inset;
    const double y1 = h - inset;
    for (const auto &[cx, cy, dx, dy] : {std::array<double, 4>{x0, y0, 1, 1}, std::array<double, 4>{x1, y0, -1, 1},
                                         std::array<double, 4>{x0, y1, 1, -1}, std::array<double, 4>{x1, y1, -1, -1}}) {
        marks.lines.push_back({{{cx + dx * kCropMarkMm, cy}, {cx, cy}, {cx, cy + dy * kCropMarkMm}},
                               DrawingPen::Frame, false, false, kMarkRgb});
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

    // The label and the check bar sit in the bottom strip, which the tile below covers once
    // glued: the bar from the left, the label to the right of it.
    const double barY = h - 2.5;
    // Ticks at its ends and its middle only, rising from it: the tile's edge is close below.
    const ScaleBar bar = HundredMillimetreBar(kCheckBarMm / 2, kCheckBarMm, 3.0, 1.5);
    for (const auto &[a, b] : ScaleBarStrokes(bar, {kBarStartMm, barY}, -1.0))
        marks.lines.push_back(markLine({a.x, a.y}, {b.x, b.y}));
    marks.texts.push_back({{kBarStartMm + kCheckBarMm / 4, barY - 0.8}, kScaleBarName, kBarTextMm,
                           TextAnchor::BottomCentre, kMarkRgb});
    const double labelLeft = kBarStartMm + kCheckBarMm + 6.0;
    const double labelMiddle = std::max((labelLeft + w - kBarStartMm) / 2, w / 2);
    marks.texts.push_back({{labelMiddle, h - ov / 2}, tileLabel(grid, row, column).toStdString(), kTileLabelMm,
                           TextAnchor::Centre, kLabelRgb});
    return marks;
}

} // namespace

bool TilePlan::isPrinted(int row, int column) const
{
    if (row < 0 || column < 0 || row >= grid.rows || column >= grid.columns)
        return false;
    if (used.empty())
        return true;
    return used[static_cast<std::size_t>(row) * static_cast<std::size_t>(grid.columns) + static_cast<std::size_t>(column)];
}

TileGrid planDrawingTiles(const Drawing &drawing, QSizeF printableMm)
{
    return PlanTiles(drawing.widthMm, drawing.heightMm, printableMm.width(), printableMm.height(),
                            kTileOverlapMm);
}

TilePlan planDrawingPrint(const Drawing &drawing, QSizeF printableMm)
{
    const TilePlan portrait = planFor(drawing, printableMm, false);
    const TilePlan landscape = planFor(drawing, printableMm.transposed(), true);
    return landscape.printed < portrait.printed ? landscape : portrait;
}

QString tileLabel(const TileGrid &grid, int row, int column)
{
    return kTileLabel.text().arg(row + 1).arg(column + 1).arg(grid.rows).arg(grid.columns);
}

QString tilePagesQuestion(int sheets)
{
    return kAskPages.text().arg(sheets);
}

QString tooLargeMessage(int tiles)
{
    return kTooLarge.text().arg(tiles).arg(kMaxTilePages);
}

TilePrintDialogs *setTilePrintDialogs(TilePrintDialogs *dialogs)
{
    TilePrintDialogs *previous = currentDialogs;
    currentDialogs = dialogs ? dialogs : &messageBoxes;
    return previous;
}

void paintOverviewPage(QPainter &painter, const Drawing &drawing, const TilePlan &plan, QSizeF printableMm,
                       double dotsPerMm)
{
    const TileGrid &grid = plan.grid;
    if (grid.count() <= 0)
        return;
    // The grid may reach beyond the drawing: the last tiles stick out to the right and below.
    const DrawingPoint last = grid.offset(grid.rows - 1, grid.columns - 1);
    const double extentW = std::max(drawing.widthMm, last.xMm + grid.tileWidthMm);
    const double extentH = std::max(drawing.heightMm, last.yMm + grid.tileHeightMm);
    if (!(extentW > 0 && extentH > 0 && std::isfinite(extentW) && std::isfinite(extentH)))
        return;

    // The heading takes the top of the sheet; the drawing fills the rest, turned when a wide
    // drawing comes out larger across the sheet's length.
    const double headingMm = 1.7 * kHeadingMm + 2 * 1.7 * kHintMm + 4.0;
    auto scaleIn = [&](QSizeF page) {
        return std::min(page.width() / extentW, (page.height() - headingMm) / extentH);
    };
    const bool turned = scaleIn(printableMm.transposed()) > scaleIn(printableMm) * 1.05;
    const QSizeF page = turned ? printableMm.transposed() : printableMm;
    const double scale = scaleIn(page);
    if (!(scale > 0))
        return;
    painter.save();
    if (turned)
        turnForLandscape(painter, printableMm, dotsPerMm);

    Drawing heading;
    heading.texts.push_back({{0, 0}, drawing.title, kHeadingMm, TextAnchor::TopLeft, kMarkRgb});
    const QString count = kOverviewCount.text().arg(plan.printed).arg(grid.rows).arg(grid.columns)
                              .arg(plan.landscape ? kLandscape.text() : kPortrait.text());
    heading.texts.push_back({{0, 1.7 * kHeadingMm}, count.toStdString(), kHintMm, TextAnchor::TopLeft, kMarkRgb});
    heading.texts.push_back({{0, 1.7 * kHeadingMm + 1.7 * kHintMm}, kOverviewHint.text().toStdString(), kHintMm,
                             TextAnchor::TopLeft, kMarkRgb});
    DrawingRender(dotsPerMm, QPointF(0, 0)).paint(painter, heading);

    const double x0 = (page.width() - extentW * scale) / 2;
    const double y0 = headingMm;
    DrawingRender reduced(dotsPerMm * scale, QPointF(x0 * dotsPerMm, y0 * dotsPerMm));
    // Reduced lines would thin to nothing; keep them visible as a hair line.
    reduced.setMinimumPenDots(0.1 * dotsPerMm);
    reduced.paint(painter, drawing);

    Drawing tiles;
    // The drawing's own edge, so the maker sees how much of the last tiles stays blank.
    tiles.lines.push_back({{{0, 0}, {drawing.widthMm, 0}, {drawing.widthMm, drawing.heightMm}, {0, drawing.heightMm}},
                           DrawingPen::Construction, false, true, kDrawingEdgeRgb});
    // Labels as large as a tile's place allows, never smaller than a readable 2 mm on paper.
    const QString widest = kTilePlace.arg(grid.rows).arg(grid.columns);
    const double labelMm = std::clamp(std::min(grid.tileWidthMm * scale * 0.8 / (widest.size() * 0.75),
                                               grid.tileHeightMm * scale * 0.35),
                                      kOverviewLabelMinMm, kOverviewLabelMaxMm);
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const DrawingPoint o = grid.offset(r, c);
            const double w = grid.tileWidthMm;
            const double h = grid.tileHeightMm;
            const bool printed = plan.isPrinted(r, c);
            tiles.lines.push_back({{{o.xMm, o.yMm}, {o.xMm + w, o.yMm}, {o.xMm + w, o.yMm + h}, {o.xMm, o.yMm + h}},
                                   DrawingPen::Frame, !printed, true, printed ? kGridRgb : kBlankTileRgb});
            if (printed)
                tiles.texts.push_back({{o.xMm + w / 2, o.yMm + h / 2}, kTilePlace.arg(r + 1).arg(c + 1).toStdString(),
                                       labelMm / scale, TextAnchor::Centre, kGridRgb});
        }
    }
    DrawingRender grid1(dotsPerMm * scale, QPointF(x0 * dotsPerMm, y0 * dotsPerMm));
    grid1.setMinimumPenDots(0.3 * dotsPerMm);
    grid1.paint(painter, tiles);
    painter.restore();
}

void paintTilePage(QPainter &painter, const Drawing &drawing, const TilePlan &plan, int row, int column,
                   QSizeF printableMm, double dotsPerMm)
{
    const TileGrid &grid = plan.grid;
    const DrawingPoint offset = grid.offset(row, column);
    painter.save();
    if (plan.landscape)
        turnForLandscape(painter, printableMm, dotsPerMm);
    painter.setClipRect(QRectF(0, 0, grid.tileWidthMm * dotsPerMm, grid.tileHeightMm * dotsPerMm));
    DrawingRender(dotsPerMm, QPointF(-offset.xMm * dotsPerMm, -offset.yMm * dotsPerMm)).paint(painter, drawing);
    DrawingRender(dotsPerMm, QPointF(0, 0)).paint(painter, tileMarks(grid, row, column));
    painter.restore();
}

bool paintTiledPages(QPainter &painter, QPagedPaintDevice &device, const Drawing &drawing,
                     const TilePlan &plan, QSizeF printableMm, double dotsPerMm)
{
    if (plan.grid.count() <= 0 || plan.printed > kMaxTilePages)
        return false;
    paintOverviewPage(painter, drawing, plan, printableMm, dotsPerMm);
    for (int r = 0; r < plan.grid.rows; ++r) {
        for (int c = 0; c < plan.grid.columns; ++c) {
            if (!plan.isPrinted(r, c))
                continue;
            if (!device.newPage())
                return false;
            paintTilePage(painter, drawing, plan, r, c, printableMm, dotsPerMm);
        }
    }
    return true;
}

bool printDrawingTiles(const Drawing &drawing, QWidget *parent)
{
    const bool drawable = std::isfinite(drawing.widthMm) && std::isfinite(drawing.heightMm) &&
                          drawing.widthMm > 0 && drawing.heightMm > 0;
    const QPointer<QWidget> window(parent);
    // A drawing far over the limit is refused before the printer is even asked.
    if (drawable) {
        const TilePlan nominal = planDrawingPrint(drawing, kNominalPrintableMm);
        if (nominal.printed > kMaxTilePages) {
            currentDialogs->refuse(window.data(), tooLargeMessage(nominal.printed));
            return false;
        }
    }
    sheet::PrintJob job;
    if (!drawable || !job.begin()) {
        job.cancel();
        sheet::notifyPrint(sheet::PrintOutcome::Failed, window.data());
        return false;
    }
    const QSizeF printableMm = job.printer().pageLayout().paintRect(QPageLayout::Millimeter).size();
    if (!(printableMm.width() > 2 * kTileOverlapMm + kBarStartMm && printableMm.height() > 2 * kTileOverlapMm)) {
        job.cancel();
        sheet::notifyPrint(sheet::PrintOutcome::Failed, window.data());
        return false;
    }
    const TilePlan plan = planDrawingPrint(drawing, printableMm);
    if (plan.printed > kMaxTilePages) {
        job.cancel();
        currentDialogs->refuse(window.data(), tooLargeMessage(plan.printed));
        return false;
    }
    // The overview is a sheet of paper too.
    if (!currentDialogs->confirm(window.data(), tilePagesQuestion(plan.printed + 1))) {
        job.cancel();
        return false;
    }
    QPrinter &printer = job.printer();
    if (!paintTiledPages(job.painter(), printer, drawing, plan, printableMm, printer.resolution() / 25.4)) {
        job.cancel();
        sheet::notifyPrint(sheet::PrintOutcome::Failed, window.data());
        return false;
    }
    const sheet::PrintOutcome outcome = job.finish();
    sheet::notifyPrint(outcome, window.data());
    return outcome != sheet::PrintOutcome::Failed;
}

bool previewDrawingTiles(const Drawing &drawing, QWidget *parent)
{
    const bool drawable = std::isfinite(drawing.widthMm) && std::isfinite(drawing.heightMm) &&
                          drawing.widthMm > 0 && drawing.heightMm > 0;
    const QPointer<QWidget> window(parent);
    if (!drawable) {
        sheet::notifyPrint(sheet::PrintOutcome::Failed, window.data());
        return false;
    }
    const TilePlan nominal = planDrawingPrint(drawing, kNominalPrintableMm);
    if (nominal.printed > kMaxTilePages) {
        currentDialogs->refuse(window.data(), tooLargeMessage(nominal.printed));
        return false;
    }
    // The preview lays the tiles out on the paper of the printer it shows, and again on the
    // printer the user then chooses.
    return sheet::previewAndPrint(
        [&drawing](QPainter &painter, QPrinter &printer) {
            const QSizeF printableMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
            if (!(printableMm.width() > 2 * kTileOverlapMm + kBarStartMm && printableMm.height() > 2 * kTileOverlapMm))
                return false;
            const TilePlan plan = planDrawingPrint(drawing, printableMm);
            return paintTiledPages(painter, printer, drawing, plan, printableMm, printer.resolution() / 25.4);
        },
        window.data());
}

} // namespace drawing
