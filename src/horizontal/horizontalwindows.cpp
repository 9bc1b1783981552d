#include "horizontal/horizontalwindows.h"

#include "horizontal/curvessheet.h"
#include "horizontal/hoursheet.h"
#include "shell/registry.h"

namespace horizontal {

void registerHorizontalWindows(shell::WindowRegistry &registry)
{
    registry.add(QStringLiteral("GonOrz"), [] { return new HourSheet; });
    registry.add(QStringLiteral("CurveOrizz"), [] { return new CurvesSheet; });
}

} // namespace horizontal
