#include "horizontal/horizontalwindows.h"

#include "horizontal/hoursheet.h"
#include "shell/registry.h"

namespace horizontal {

void registerHorizontalWindows(shell::WindowRegistry &registry)
{
    registry.add(QStringLiteral("GonOrz"), [] { return new HourSheet; });
}

} // namespace horizontal
