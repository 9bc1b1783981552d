#include "vertical/verticalwindows.h"

#include "shell/registry.h"

namespace vertical {

void registerVerticalWindows(shell::WindowRegistry &registry)
{
    (void)registry;
}

} // namespace vertical
