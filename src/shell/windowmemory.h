#pragma once

class QWidget;

namespace shell {

// A window the user may resize (the designer, the survey, the drawings, the manual) opens where
// and as large as it was last closed; the 2002 sheets, whose size is fixed, stay centred as
// they always were. Either way the window is kept on its screen: never larger than the room
// the screen has, never with its title bar or buttons off the edge. Call once, right after the
// window is made; it saves its place when it closes or the program quits.
void rememberWindow(QWidget *window);

} // namespace shell
