#include "drawing/qt/scalebarpaint.h"

#include <QPainter>

namespace drawing {

void PaintScaleBar(QPainter &painter, const ScaleBar &bar, double leftMm, double topMm, double bandMm, double penMm,
                   double dotsPerMm)
{
    auto at = [dotsPerMm](Pt p) { return QPointF(p.x * dotsPerMm, p.y * dotsPerMm); };
    painter.fillRect(QRectF(at({leftMm, topMm}), QSizeF(bar.lengthMm * dotsPerMm, bandMm * dotsPerMm)), Qt::black);
    painter.setPen(QPen(Qt::black, penMm * dotsPerMm, Qt::SolidLine, Qt::FlatCap));
    const auto strokes = ScaleBarStrokes(bar, {leftMm, topMm + bandMm}, 1.0);
    // The band stands for the bar's own stroke; the ticks follow it.
    for (std::size_t i = 1; i < strokes.size(); ++i)
        painter.drawLine(at(strokes[i][0]), at(strokes[i][1]));
}

} // namespace drawing
