#pragma once

#include "drawing/page.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <optional>

namespace drawing {

// The shadow laid over the drawing at one instant, in the drawing's millimetres: the style's
// shadow from styleFrom to styleTo and the nodus's shadow point.
struct ShadowMark {
    DrawingPoint styleFrom;
    DrawingPoint styleTo;
    DrawingPoint point;
};

// The sheet of paper on screen: a drawing shown whole (fitted to the view), at its true size
// (the screen's physical resolution) or zoomed with the wheel, moved by dragging it with the
// mouse.
class DrawingCanvas final : public QWidget {
public:
    explicit DrawingCanvas(QWidget *parent = nullptr);

    // Shows a new drawing whole, fitted to the view; it stays fitted as the view is resized
    // until the user zooms or moves it.
    void setDrawing(const Drawing &drawing);
    const Drawing &drawing() const { return drawing_; }

    // Screen pixels to the millimetre at 1:1, and as shown now.
    double trueScaleDotsPerMm() const;
    double dotsPerMm() const { return trueScaleDotsPerMm() * zoom_; }
    // The shown size over the true size: 1 is 1:1.
    double zoom() const { return zoom_; }

    // Where a point of the drawing stands in the widget, and the inverse.
    QPointF toWidget(DrawingPoint mm) const;
    DrawingPoint toDrawing(QPointF widgetPos) const;

    // Zooms by a factor keeping the drawing's point under widgetPos where it is.
    void zoomBy(double factor, QPointF widgetPos);
    // One step in or out about the middle of the view, as a notch of the wheel does.
    void zoomIn();
    void zoomOut();
    // The whole drawing, with a little border, as large as the view allows.
    void fitToView();
    void setTrueScale();
    bool fitted() const { return fitted_; }

    // The shadow shown over the drawing, or none. The drawing itself is kept as a picture made
    // again only when the drawing, the view or the widget's size change, so that moving the
    // shadow costs only the shadow.
    void setShadowMark(const std::optional<ShadowMark> &mark);
    const std::optional<ShadowMark> &shadowMark() const { return shadow_; }
    // The colour of the shadow point: one no layer of the drawing uses.
    static QColor shadowColour();

    // Called whenever the scale or the place of the drawing changes.
    void setViewChanged(std::function<void()> callback) { viewChanged_ = std::move(callback); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setView(double zoom, DrawingPoint centreMm);
    void paintDrawing(QPainter &painter) const;
    void paintShadow(QPainter &painter) const;

    Drawing drawing_;
    double zoom_ = 1.0;
    bool fitted_ = false;
    // The drawing's point shown in the middle of the widget; resizing keeps it there.
    DrawingPoint centreMm_;
    bool dragging_ = false;
    QPointF dragStart_;
    DrawingPoint dragCentre_;
    std::function<void()> viewChanged_;
    QPixmap picture_;
    bool pictureStale_ = true;
    std::optional<ShadowMark> shadow_;
};

} // namespace drawing
