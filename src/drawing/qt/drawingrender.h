#pragma once

#include "drawing/page.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace drawing {

// Paints a full-scale drawing on any device a QPainter opens: the screen, a printer page, a
// PDF or an SVG file. The drawing's millimetres become device units through one scale and
// one offset, so the same item lands in the same place on every device.
class DrawingRender {
public:
    // dotsPerMm: device units per millimetre of the drawing. originDots: where, in device
    // units, the drawing's top-left corner (0, 0) stands.
    DrawingRender(double dotsPerMm, QPointF originDots);

    // Lines never get thinner than this many device units: a hair line that vanishes between
    // the pixels of a screen is no use to the eye (paper and files keep their true widths).
    void setMinimumPenDots(double dots) { minimumPenDots_ = dots; }

    // Paints only what falls on the part of the device the painter can reach (its clip, or the
    // whole device): a line is cut to that part before it is handed to Qt, and its dashes are
    // counted only there, so the time it takes depends on the paper, not on how large the
    // drawing is, and no coordinate far beyond the device ever reaches the paint engine.
    void paint(QPainter &painter, const Drawing &drawing) const;

    QPointF toDevice(DrawingPoint point) const;
    QPointF toDevice(double xMm, double yMm) const;
    QRectF toDevice(const QRectF &mm) const;

    // Width of the line a pen draws, in millimetres of the drawing.
    static double penWidthMm(DrawingPen pen);

private:
    struct TextFace; // the one font every text is set in, and its measures
    struct Pieces; // a line as drawn: its points in device units and where each piece starts
    Pieces piecesInView(const DrawingPolyline &line, const QRectF &visible) const;
    void paintLine(QPainter &painter, const DrawingPolyline &line, const QRectF &visible) const;
    void paintText(QPainter &painter, const DrawingText &text, const QRectF &visible, const TextFace &face) const;

    double dotsPerMm_;
    QPointF origin_;
    double minimumPenDots_ = 0;
};

} // namespace drawing
