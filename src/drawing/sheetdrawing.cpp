#include "drawing/sheetdrawing.h"

namespace drawing {

sheet::Drawing ToSheetDrawing(const DialSketch &sketch)
{
    sheet::Drawing out;
    out.title = sketch.title;
    const Box &e = sketch.extent;
    out.widthMm = e.right - e.left;
    out.heightMm = e.top - e.bottom;
    auto page = [&](Pt p) { return sheet::DrawingPoint{p.x - e.left, e.top - p.y}; };
    for (const Polyline &l : sketch.lines) {
        sheet::DrawingPolyline p;
        for (const Pt q : l.points)
            p.points.push_back(page(q));
        switch (l.layer) {
        case Layer::Plate:
        case Layer::Style:
            p.pen = sheet::DrawingPen::Frame;
            break;
        case Layer::Construction:
        case Layer::Texts:
            p.pen = sheet::DrawingPen::Construction;
            break;
        case Layer::Dates:
            p.pen = sheet::DrawingPen::Curve;
            break;
        default:
            p.pen = sheet::DrawingPen::HourLine;
        }
        p.dashed = l.dashed;
        p.closed = l.closed;
        p.rgb = LayerColour(l.layer);
        out.lines.push_back(std::move(p));
    }
    for (const Label &l : sketch.labels) {
        sheet::DrawingText t;
        t.at = page(l.at);
        t.text = l.text;
        t.heightMm = l.heightMm * 0.72; // the renderer's height is the capitals', the layout's the line's
        t.anchor = sheet::TextAnchor::BottomLeft;
        t.rgb = LayerColour(l.layer);
        out.texts.push_back(std::move(t));
    }
    for (const Dot &d : sketch.dots)
        out.dots.push_back({page(d.at), d.radiusMm});
    return out;
}

} // namespace drawing
