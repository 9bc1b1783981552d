#include "vertical/verticalwindows.h"

#include "shell/registry.h"
#include "vertical/curvessheet.h"
#include "vertical/zodiacsheet.h"

namespace vertical {

void registerVerticalWindows(shell::WindowRegistry &registry)
{
    registry.add(QStringLiteral("CurveVrt"), [] { return new CurvesSheet; });
    registry.add(QStringLiteral("ZodiacoVrt"), [] { return new ZodiacSheet; });
}

} // namespace vertical
