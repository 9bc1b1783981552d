#include "vertical/verticalwindows.h"

#include "shell/registry.h"
#include "vertical/curvessheet.h"
#include "vertical/decliningsheet.h"
#include "vertical/zodiacsheet.h"

namespace vertical {

void registerVerticalWindows(shell::WindowRegistry &registry)
{
    registry.add(shell::kVerticalCurvesSheet, [] { return new CurvesSheet; });
    registry.add(shell::kZodiacSheet, [] { return new ZodiacSheet; });
    registry.add(shell::kEastDecliningSheet, [] { return new DecliningSheet(sheet::WallSide::East); });
    registry.add(shell::kWestDecliningSheet, [] { return new DecliningSheet(sheet::WallSide::West); });
}

} // namespace vertical
