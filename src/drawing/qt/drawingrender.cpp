#include "drawing/qt/drawingrender.h"

#include "drawing/geometry2d.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace drawing {

namespace {

const QString kTypeface = QStringLiteral("Arial");

// Texts are laid out at this pixel size and then scaled to their height in millimetres, so
// that a letter keeps its size on a 96 dpi screen, a 1200 dpi printer and in a file alike.
constexpr int kReferencePixels = 100;

// Dashes of the construction lines, in millimetres on the paper.
constexpr double kDashMm = 3.0;
constexpr double kDashGapMm = 1.5;

bool finite(DrawingPoint p)
{
    return std::isfinite(p.xMm) && std::isfinite(p.yMm);
}

QColor colourOf(unsigned rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu));
}

// The part of the device, in the painter's logical coordinates, that can receive paint, with a
// border so that the ends and joins of wide pens just outside it still show.
QRectF visibleRect(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    QRectF visible = device ? QRectF(0, 0, device->width(), device->height()) : QRectF();
    bool invertible = false;
    const QTransform toLogical = painter.combinedTransform().inverted(&invertible);
    if (!invertible)
        return {};
    visible = toLogical.mapRect(visible);
    if (painter.hasClipping())
        visible = visible.intersected(painter.clipBoundingRect());
    const double border = 0.02 * std::max(visible.width(), visible.height()) + 4.0;
    return visible.adjusted(-border, -border, border, border);
}

// The part [t0, t1] of the segment a + t (b - a), 0 <= t <= 1, inside the box; false when
// none of it is. The sketch's own clipper, the page's y running downwards: the rectangle's top
// edge is the box's lower side.
bool clipSegment(QPointF a, QPointF b, const QRectF &box, double &t0, double &t1)
{
    const auto inside = clipToBox({a.x(), a.y()}, {b.x(), b.y()}, Box{box.left(), box.top(), box.right(), box.bottom()});
    if (!inside)
        return false;
    std::tie(t0, t1) = *inside;
    return true;
}

QFont referenceFont()
{
    QFont font(kTypeface);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kReferencePixels);
    // Unhinted outlines scale evenly; hinting would snap them to the reference size's pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace

// Made once for a whole paint: measuring the font for every text costs more than drawing it.
struct DrawingRender::TextFace {
    QFont font = referenceFont();
    QFontMetricsF metrics{font};
    double capRef = metrics.capHeight() > 0 ? metrics.capHeight() : 0.716 * kReferencePixels;
    double pitch = metrics.lineSpacing();
};

DrawingRender::DrawingRender(double dotsPerMm, QPointF originDots) : dotsPerMm_(dotsPerMm), origin_(originDots) {}

QPointF DrawingRender::toDevice(double xMm, double yMm) const
{
    return origin_ + QPointF(xMm * dotsPerMm_, yMm * dotsPerMm_);
}

QPointF DrawingRender::toDevice(DrawingPoint point) const
{
    return toDevice(point.xMm, point.yMm);
}

QRectF DrawingRender::toDevice(const QRectF &mm) const
{
    return QRectF(toDevice(mm.left(), mm.top()), toDevice(mm.right(), mm.bottom()));
}

double DrawingRender::penWidthMm(DrawingPen pen)
{
    // The widths of a technical pen set: fine for what only guides the construction, bold
    // for the date curves the maker paints over.
    switch (pen) {
    case DrawingPen::Construction:
        return 0.18;
    case DrawingPen::HourLine:
        return 0.35;
    case DrawingPen::Curve:
        return 0.5;
    case DrawingPen::Frame:
        return 0.25;
    }
    return 0.35;
}

void DrawingRender::paint(QPainter &painter, const Drawing &drawing) const
{
    if (!(std::isfinite(dotsPerMm_) && dotsPerMm_ > 0))
        return;
    const QRectF visible = visibleRect(painter);
    if (!visible.isValid())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const DrawingPolyline &line : drawing.lines)
        paintLine(painter, line, visible);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const DrawingDot &dot : drawing.dots) {
        if (!finite(dot.at) || !(std::isfinite(dot.radiusMm) && dot.radiusMm > 0))
            continue;
        const double r = dot.radiusMm * dotsPerMm_;
        const QPointF at = toDevice(dot.at);
        if (visible.adjusted(-r, -r, r, r).contains(at))
            painter.drawEllipse(at, r, r);
    }
    const TextFace face;
    for (const DrawingText &text : drawing.texts)
        paintText(painter, text, visible, face);
    painter.restore();
}

struct DrawingRender::Pieces {
    std::vector<QPointF> drawn;
    std::vector<std::size_t> starts; // each piece starts at an index of drawn; the last is drawn's size

    void moveTo(QPointF p)
    {
        starts.push_back(drawn.size());
        drawn.push_back(p);
    }
    void lineTo(QPointF p) { drawn.push_back(p); }
    // The dashes of the segment from a along d (its length given) between t0 and t1 of it, the
    // pattern's phase running on from `along`, the distance from the line's start. The dashes
    // are cut here, in millimetres, rather than left to each device's dash pattern: an SVG
    // reader and a printer driver do not agree on what a dash unit is.
    void addDashes(QPointF a, QPointF d, double length, double t0, double t1, double along, double dash, double period)
    {
        double t = t0 * length;
        const double end = t1 * length;
        while (t < end) {
            const double phase = std::fmod(along + t, period);
            const double step = phase < dash ? std::min(dash - phase, end - t) : std::min(period - phase, end - t);
            if (phase < dash) {
                moveTo(a + d * (t / length));
                lineTo(a + d * ((t + step) / length));
            }
            t += std::max(step, 1e-9 * length);
        }
    }
};

// The line's finite runs in device units, clipped to the view and, when dashed, cut into its
// dashes.
DrawingRender::Pieces DrawingRender::piecesInView(const DrawingPolyline &line, const QRectF &visible) const
{
    // Dashes finer than a couple of device units cannot be told from a thin solid line.
    const double dash = kDashMm * dotsPerMm_;
    const double period = (kDashMm + kDashGapMm) * dotsPerMm_;
    const bool dashed = line.dashed && period >= 2.0;

    // The visible rectangle as the sketch's box, the page's y running downwards.
    const Box view{visible.left(), visible.top(), visible.right(), visible.bottom()};
    Pieces pieces;
    pieces.drawn.reserve(line.points.size() + 1);
    // One run of finite points, in device units, cut into the pieces drawn.
    auto addRun = [&](const std::vector<QPointF> &run) {
        double along = 0; // distance from the start of the run, in device units
        QPointF pen;       // where the path stands now
        bool penDown = false;
        for (std::size_t i = 1; i < run.size(); ++i) {
            const QPointF a = run[i - 1];
            const QPointF d = run[i] - a;
            const double length = std::hypot(d.x(), d.y());
            if (!(length > 0) || !std::isfinite(length))
                continue;
            // A segment with both ends in view is kept whole (the clipping would say 0 and 1).
            double t0 = 0, t1 = 1;
            const bool inView = view.contains({a.x(), a.y()}) && view.contains({run[i].x(), run[i].y()});
            if (!inView && !clipSegment(a, run[i], visible, t0, t1)) {
                along += length;
                penDown = false;
                continue;
            }
            const QPointF from = a + d * t0;
            const QPointF to = a + d * t1;
            if (!dashed) {
                // Keep a line joined where it stays in view, so its corners are drawn as joins.
                if (!penDown || from != pen)
                    pieces.moveTo(from);
                pieces.lineTo(to);
                pen = to;
                penDown = t1 >= 1.0;
            } else {
                // Only the part in view is cut; the phase runs on from the line's start.
                pieces.addDashes(a, d, length, t0, t1, along, dash, period);
            }
            along += length;
        }
    };
    // A point that is not a number breaks the line rather than sending it to infinity.
    std::vector<QPointF> run;
    run.reserve(line.points.size() + 1);
    bool broken = false;
    for (const DrawingPoint &p : line.points) {
        if (finite(p)) {
            run.push_back(toDevice(p));
        } else {
            broken = true;
            addRun(run);
            run.clear();
        }
    }
    if (line.closed && !broken && run.size() > 2)
        run.push_back(run.front());
    addRun(run);
    if (!pieces.starts.empty())
        pieces.starts.push_back(pieces.drawn.size());
    return pieces;
}

void DrawingRender::paintLine(QPainter &painter, const DrawingPolyline &line, const QRectF &visible) const
{
    const Pieces pieces = piecesInView(line, visible);
    if (pieces.starts.empty())
        return;
    const std::vector<QPointF> &drawn = pieces.drawn;
    const std::vector<std::size_t> &starts = pieces.starts;
    const double widthDots = std::max(penWidthMm(line.pen) * dotsPerMm_, minimumPenDots_);
    painter.setPen(QPen(colourOf(line.rgb), widthDots, Qt::SolidLine, line.dashed ? Qt::FlatCap : Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    // On the screen an open solid line in one piece goes to the rasteriser as it is, without a
    // path to hold it: the same pixels, sooner. The rasteriser does not draw the rest the same
    // way without the path (pieces that touch are filled as one, a dash may take its way for
    // straight strokes, an outline its corner where it closes), so those keep the path.
    const QPaintEngine *engine = painter.paintEngine();
    const bool open = !line.closed && drawn.front() != drawn.back();
    if (!line.dashed && open && starts.size() == 2 && engine && engine->type() == QPaintEngine::Raster) {
        painter.drawPolyline(drawn.data(), static_cast<int>(drawn.size()));
        return;
    }
    QPainterPath path;
    path.reserve(static_cast<int>(drawn.size()));
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        path.moveTo(drawn[starts[k]]);
        for (std::size_t i = starts[k] + 1; i < starts[k + 1]; ++i)
            path.lineTo(drawn[i]);
    }
    painter.drawPath(path);
}

void DrawingRender::paintText(QPainter &painter, const DrawingText &text, const QRectF &visible, const TextFace &face) const
{
    if (!finite(text.at) || !(std::isfinite(text.heightMm) && text.heightMm > 0) || text.text.empty())
        return;
    // A text reaches at most its length in generous letter widths from its anchor.
    const double reach = text.heightMm * dotsPerMm_ * (2.0 + static_cast<double>(text.text.size()));
    if (!visible.adjusted(-reach, -reach, reach, reach).contains(toDevice(text.at)))
        return;
    const QFont &font = face.font;
    const QFontMetricsF &metrics = face.metrics;
    const double capRef = face.capRef;
    const double scale = text.heightMm * dotsPerMm_ / capRef;
    const QStringList lines = QString::fromStdString(text.text).split(QLatin1Char('\n'));
    const double pitch = face.pitch;
    const double blockHeight = capRef + (lines.size() - 1) * pitch;

    // The anchor names a corner or the middle of the box from the top of the capitals of the
    // first line to the baseline of the last.
    double firstBaseline = 0;
    bool centred = false;
    switch (text.anchor) {
    case TextAnchor::TopLeft:
        firstBaseline = capRef;
        break;
    case TextAnchor::Centre:
        firstBaseline = capRef - blockHeight / 2;
        centred = true;
        break;
    case TextAnchor::BottomLeft:
        firstBaseline = capRef - blockHeight;
        break;
    case TextAnchor::BottomCentre:
        firstBaseline = capRef - blockHeight;
        centred = true;
        break;
    case TextAnchor::TopCentre:
        firstBaseline = capRef;
        centred = true;
        break;
    }

    painter.save();
    painter.translate(toDevice(text.at));
    painter.scale(scale, scale);
    painter.setFont(font);
    painter.setPen(colourOf(text.rgb));
    for (int i = 0; i < lines.size(); ++i) {
        const double x = centred ? -metrics.horizontalAdvance(lines[i]) / 2 : 0.0;
        painter.drawText(QPointF(x, firstBaseline + i * pitch), lines[i]);
    }
    painter.restore();
}

} // namespace drawing
