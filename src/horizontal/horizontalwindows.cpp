#include "horizontal/horizontalwindows.h"

#include "horizontal/curvessheet.h"
#include "horizontal/hoursheet.h"
#include "shell/registry.h"

namespace horizontal {

void registerHorizontalWindows(shell::WindowRegistry &registry)
{
    registry.add(shell::kHorizontalHoursSheet, [] { return new HourSheet; });
    registry.add(shell::kHorizontalCurvesSheet, [] { return new CurvesSheet; });
}

} // namespace horizontal
