#include "drawing/scalebar.h"

#include <algorithm>
#include <cmath>

namespace drawing {

ScaleBar HundredMillimetreBar(double spacingMm, double majorEveryMm, double majorMm, double minorMm)
{
    ScaleBar bar;
    if (!(spacingMm > 0) || !(majorEveryMm > 0))
        return bar;
    const long count = std::lround(bar.lengthMm / spacingMm);
    const long perMajor = std::max(1L, std::lround(majorEveryMm / spacingMm));
    for (long k = 0; k <= count; ++k)
        bar.ticks.push_back({spacingMm * static_cast<double>(k), k % perMajor == 0 ? majorMm : minorMm});
    return bar;
}

ScaleBar CentimetreBar() { return HundredMillimetreBar(10.0, 50.0, 4.0, 2.0); }

std::vector<std::array<Pt, 2>> ScaleBarStrokes(const ScaleBar &bar, Pt left, double tickSide)
{
    std::vector<std::array<Pt, 2>> strokes;
    strokes.push_back({left, Pt{left.x + bar.lengthMm, left.y}});
    for (const ScaleBarTick &t : bar.ticks)
        strokes.push_back({Pt{left.x + t.atMm, left.y}, Pt{left.x + t.atMm, left.y + tickSide * t.lengthMm}});
    return strokes;
}

} // namespace drawing
