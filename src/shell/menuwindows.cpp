#include "shell/registry.h"

#include "shell/help.h"
#include "shell/menus.h"

namespace shell {

// Apart from the other windows of the shell: the program's start links only this, and so none of
// what the drawings and the sheets' printing need.
void registerMenuWindows(WindowRegistry &registry)
{
    registry.add(kMainMenu, makeMainMenu);
    registry.add(kHorizontalMenu, makeHorizontalMenu);
    registry.add(kVerticalMenu, makeVerticalMenu);
    registry.add(kManual, [] { return new ManualWindow; });
    registry.add(kAbout, makeAboutBox);
}

} // namespace shell
