#include "drawing/sheetdrawing.h"

namespace drawing {

namespace {

enum class Items { All, OnPlate, Aside };

drawing::DrawingPoint onPage(const Box &frame, Pt p) { return {p.x - frame.left, frame.top - p.y}; }

// The items chosen, with the box's top-left corner moved to the page's origin.
drawing::Drawing toPage(const DialSketch &sketch, const Box &frame, Items items)
{
    drawing::Drawing out;
    out.title = sketch.title;
    out.widthMm = frame.right - frame.left;
    out.heightMm = frame.top - frame.bottom;
    auto page = [&](Pt p) { return onPage(frame, p); };
    auto wanted = [items](bool aside) {
        return items == Items::All || (items == Items::Aside) == aside;
    };
    for (const Polyline &l : sketch.lines) {
        if (!wanted(l.aside))
            continue;
        drawing::DrawingPolyline p;
        for (const Pt q : l.points)
            p.points.push_back(page(q));
        switch (l.layer) {
        case Layer::Plate:
        case Layer::Style:
            p.pen = drawing::DrawingPen::Frame;
            break;
        case Layer::Construction:
        case Layer::Texts:
            p.pen = drawing::DrawingPen::Construction;
            break;
        case Layer::Dates:
            p.pen = drawing::DrawingPen::Curve;
            break;
        default:
            p.pen = drawing::DrawingPen::HourLine;
        }
        if (l.fine)
            p.pen = drawing::DrawingPen::Construction;
        p.dashed = l.dashed;
        p.closed = l.closed;
        p.rgb = LayerColour(l.layer);
        out.lines.push_back(std::move(p));
    }
    for (const Label &l : sketch.labels) {
        if (!wanted(l.aside))
            continue;
        drawing::DrawingText t;
        t.at = page(l.at);
        t.text = l.text;
        t.heightMm = l.heightMm * 0.72; // the renderer's height is the capitals', the layout's the line's
        t.anchor = drawing::TextAnchor::BottomLeft;
        t.rgb = LayerColour(l.layer);
        out.texts.push_back(std::move(t));
    }
    if (items != Items::Aside)
        for (const Dot &d : sketch.dots)
            out.dots.push_back({page(d.at), d.radiusMm});
    return out;
}

} // namespace

drawing::Drawing ToSheetDrawing(const DialSketch &sketch)
{
    return toPage(sketch, sketch.extent, Items::All);
}

drawing::DrawingPoint ToSheetPoint(const Box &extent, Pt dialPoint)
{
    return onPage(extent, dialPoint);
}

drawing::Drawing ToPlatePage(const DialSketch &sketch)
{
    return toPage(sketch, sketch.plate, Items::OnPlate);
}

drawing::Drawing ToAsidePage(const DialSketch &sketch)
{
    if (!sketch.hasAside)
        return {};
    // A small border, so that the outermost strokes and letters are not cut by the page's edge.
    constexpr double kBorderMm = 5.0;
    const Box &a = sketch.aside;
    const Box frame{a.left - kBorderMm, a.bottom - kBorderMm, a.right + kBorderMm, a.top + kBorderMm};
    return toPage(sketch, frame, Items::Aside);
}

} // namespace drawing
