#include "drawing/qt/drawingcanvas.h"

#include "drawing/geometry2d.h"
#include "drawing/qt/drawingrender.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

constexpr double kMmPerInch = 25.4;
// What a desktop screen reports when it knows nothing better.
constexpr double kFallbackDpi = 96.0;
// A screen claiming less or more than this has told the system a wrong physical size.
constexpr double kPlausibleDpiMin = 30.0;
constexpr double kPlausibleDpiMax = 1200.0;
// From the largest drawing (a style of 10 m reaches 120 m from O) reduced to a hand's width up
// to a few millimetres across the screen.
constexpr double kMinZoom = 0.0002;
constexpr double kMaxZoom = 40.0;
// One notch of the wheel.
constexpr double kWheelStep = 1.25;
constexpr double kFitBorderMm = 5.0;

const QColor kDeskColour(0x9a, 0x9a, 0x9a);
const QColor kPaperEdgeColour(0x60, 0x60, 0x60);
// Magenta: no layer of the drawing is drawn in it (dialsketch.cpp LayerColour), and a black
// rim keeps the point clear on white paper and on a black line alike.
const QColor kShadowColour(0xe6, 0x00, 0xe6);
const QColor kShadowRimColour(0x00, 0x00, 0x00);
constexpr double kShadowDotRadiusPx = 5.0;
constexpr double kShadowRimPx = 1.5;
constexpr double kStyleShadowPx = 3.0;

bool finiteSize(const Drawing &d)
{
    return std::isfinite(d.widthMm) && std::isfinite(d.heightMm) && d.widthMm > 0 && d.heightMm > 0;
}

} // namespace

DrawingCanvas::DrawingCanvas(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(false);
    setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::WheelFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingCanvas::setDrawing(const Drawing &drawing)
{
    drawing_ = drawing;
    pictureStale_ = true;
    fitToView();
}

void DrawingCanvas::setShadowMark(const std::optional<ShadowMark> &mark)
{
    shadow_ = mark;
    update();
}

QColor DrawingCanvas::shadowColour() { return kShadowColour; }

double DrawingCanvas::trueScaleDotsPerMm() const
{
    // Qt gives the physical resolution in device-independent pixels, the unit widgets paint
    // in, so a millimetre on the glass is this many of them.
    const QScreen *s = screen();
    double dpi = s ? s->physicalDotsPerInch() : 0.0;
    if (!(std::isfinite(dpi) && dpi >= kPlausibleDpiMin && dpi <= kPlausibleDpiMax))
        dpi = s ? s->logicalDotsPerInch() : kFallbackDpi;
    if (!(std::isfinite(dpi) && dpi >= kPlausibleDpiMin && dpi <= kPlausibleDpiMax))
        dpi = kFallbackDpi;
    return dpi / kMmPerInch;
}

QPointF DrawingCanvas::toWidget(DrawingPoint mm) const
{
    const double k = dotsPerMm();
    return QPointF(width() / 2.0 + (mm.xMm - centreMm_.xMm) * k, height() / 2.0 + (mm.yMm - centreMm_.yMm) * k);
}

DrawingPoint DrawingCanvas::toDrawing(QPointF widgetPos) const
{
    const double k = dotsPerMm();
    return {centreMm_.xMm + (widgetPos.x() - width() / 2.0) / k, centreMm_.yMm + (widgetPos.y() - height() / 2.0) / k};
}

void DrawingCanvas::setView(double zoom, DrawingPoint centreMm)
{
    if (!std::isfinite(zoom) || !std::isfinite(centreMm.xMm) || !std::isfinite(centreMm.yMm))
        return;
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    centreMm_ = centreMm;
    pictureStale_ = true;
    update();
    if (viewChanged_)
        viewChanged_();
}

void DrawingCanvas::zoomBy(double factor, QPointF widgetPos)
{
    if (!(std::isfinite(factor) && factor > 0))
        return;
    fitted_ = false;
    const DrawingPoint fixed = toDrawing(widgetPos);
    const double zoom = std::clamp(zoom_ * factor, kMinZoom, kMaxZoom);
    // Keep the point under the cursor in place: it moves from the centre by its offset in
    // pixels, which stays the same while the millimetres per pixel change.
    const double k = trueScaleDotsPerMm() * zoom;
    setView(zoom, {fixed.xMm - (widgetPos.x() - width() / 2.0) / k, fixed.yMm - (widgetPos.y() - height() / 2.0) / k});
}

void DrawingCanvas::zoomIn()
{
    zoomBy(kWheelStep, QPointF(width() / 2.0, height() / 2.0));
}

void DrawingCanvas::zoomOut()
{
    zoomBy(1.0 / kWheelStep, QPointF(width() / 2.0, height() / 2.0));
}

void DrawingCanvas::fitToView()
{
    fitted_ = true;
    const DrawingPoint middle{drawing_.widthMm / 2, drawing_.heightMm / 2};
    if (!finiteSize(drawing_) || width() <= 0 || height() <= 0) {
        setView(1.0, finiteSize(drawing_) ? middle : DrawingPoint{});
        return;
    }
    const double k = std::min(width() / (drawing_.widthMm + 2 * kFitBorderMm),
                              height() / (drawing_.heightMm + 2 * kFitBorderMm));
    setView(k / trueScaleDotsPerMm(), middle);
}

void DrawingCanvas::setTrueScale()
{
    fitted_ = false;
    setView(1.0, finiteSize(drawing_) ? DrawingPoint{drawing_.widthMm / 2, drawing_.heightMm / 2}
                                      : DrawingPoint{});
}

QSize DrawingCanvas::sizeHint() const
{
    QSize size(960, 680);
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size() * 0.8);
    return size;
}

void DrawingCanvas::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (pictureStale_ || picture_.size() != pixels || picture_.devicePixelRatio() != ratio) {
        picture_ = QPixmap(pixels);
        picture_.setDevicePixelRatio(ratio);
        QPainter onPicture(&picture_);
        paintDrawing(onPicture);
        pictureStale_ = false;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    paintShadow(painter);
}

void DrawingCanvas::paintDrawing(QPainter &painter) const
{
    painter.fillRect(rect(), kDeskColour);
    if (!finiteSize(drawing_))
        return;
    const QPointF topLeft = toWidget({0, 0});
    const QPointF bottomRight = toWidget({drawing_.widthMm, drawing_.heightMm});
    const QRectF paper(topLeft, bottomRight);
    painter.fillRect(paper, Qt::white);
    painter.setPen(QPen(kPaperEdgeColour, 1));
    painter.drawRect(paper);
    DrawingRender render(dotsPerMm(), topLeft);
    render.setMinimumPenDots(1.0);
    render.paint(painter, drawing_);
}

void DrawingCanvas::paintShadow(QPainter &painter) const
{
    if (!shadow_ || !finiteSize(drawing_))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    // The style's shadow may reach far beyond the view (O of a style almost parallel to the
    // plane): only the part in view, a little beyond its edges, is handed to the painter.
    const DrawingPoint low = toDrawing(QPointF(-10, -10));
    const DrawingPoint high = toDrawing(QPointF(width() + 10, height() + 10));
    const Box view{low.xMm, low.yMm, high.xMm, high.yMm};
    const Pt a{shadow_->styleFrom.xMm, shadow_->styleFrom.yMm};
    const Pt b{shadow_->styleTo.xMm, shadow_->styleTo.yMm};
    if (const auto part = clipToBox(a, b, view)) {
        auto at = [&](double t) { return toWidget({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}); };
        QColor style = kShadowColour;
        style.setAlpha(170);
        painter.setPen(QPen(style, kStyleShadowPx, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at(part->first), at(part->second));
    }
    const QPointF p = toWidget(shadow_->point);
    if (!QRectF(rect()).adjusted(-10, -10, 10, 10).contains(p))
        return;
    painter.setPen(QPen(kShadowRimColour, kShadowRimPx));
    painter.setBrush(kShadowColour);
    painter.drawEllipse(p, kShadowDotRadiusPx, kShadowDotRadiusPx);
}

void DrawingCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    pictureStale_ = true;
    // A fitted drawing is fitted to the view it is in now: the first layout of the window, or
    // the user making the window larger, shows it whole again.
    if (fitted_)
        fitToView();
}

void DrawingCanvas::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        zoomBy(std::pow(kWheelStep, notches), event->position());
    event->accept();
}

void DrawingCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    fitted_ = false;
    dragStart_ = event->position();
    dragCentre_ = centreMm_;
    setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // The paper follows the hand: moving right brings the drawing's left part into view.
    const QPointF moved = event->position() - dragStart_;
    const double k = dotsPerMm();
    setView(zoom_, {dragCentre_.xMm - moved.x() / k, dragCentre_.yMm - moved.y() / k});
    event->accept();
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !dragging_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
    event->accept();
}

} // namespace drawing
