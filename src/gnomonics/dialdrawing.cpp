#include "gnomonics/dialdrawing.h"

namespace gnomonics {

// First cut: only the frame of the drawing, so the windows can be built against it.
namespace {
DialDrawing emptyDial(const char *title)
{
    DialDrawing dial;
    dial.drawing.title = title;
    dial.drawing.widthMm = 200;
    dial.drawing.heightMm = 150;
    dial.centre = {100, 20};
    dial.drawing.lines.push_back({{{10, 20}, {190, 20}}, sheet::DrawingPen::Construction, false, false, 0});
    dial.drawing.lines.push_back({{{100, 20}, {100, 140}}, sheet::DrawingPen::HourLine, false, false, 0});
    dial.drawing.texts.push_back({{102, 18}, "O", 3.5, sheet::TextAnchor::BottomLeft, 0});
    return dial;
}
} // namespace

DialDrawing BuildHorizontalDialDrawing(double, double) { return emptyDial("Disegno"); }

DialDrawing BuildVerticalDialDrawing(double, double, double, WallSide) { return emptyDial("Disegno"); }

DialDrawing BuildZodiacDialDrawing(double, double, double, WallSide, double, double, double, const std::string &)
{
    return emptyDial("Disegno");
}

} // namespace gnomonics
