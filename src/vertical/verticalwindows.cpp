#include "vertical/verticalwindows.h"

#include "shell/registry.h"
#include "vertical/curvessheet.h"
#include "vertical/decliningsheet.h"
#include "vertical/zodiacsheet.h"

namespace vertical {

void registerVerticalWindows(shell::WindowRegistry &registry)
{
    registry.add(QStringLiteral("CurveVrt"), [] { return new CurvesSheet; });
    registry.add(QStringLiteral("ZodiacoVrt"), [] { return new ZodiacSheet; });
    registry.add(QStringLiteral("GonvrtEst"), [] { return new DecliningSheet(sheet::WallSide::East); });
    registry.add(QStringLiteral("GonvrtOvest"), [] { return new DecliningSheet(sheet::WallSide::West); });
}

} // namespace vertical
