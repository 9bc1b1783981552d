#pragma once

#include <QWidget>

namespace shell {

// The three menus. A button whose window the program does not have yet stands disabled.
QWidget *makeMainMenu();        // Meridiane
QWidget *makeHorizontalMenu();  // MenuOrz
QWidget *makeVerticalMenu();    // MenuVert

} // namespace shell
