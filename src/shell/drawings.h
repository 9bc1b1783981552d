#pragma once

#include <QWidget>

namespace shell {

// The example figures that show a beginner what the numbers of a sheet mean.
QWidget *makeProtractorDrawing();      // DisGonOrz: hour angles of a horizontal dial
QWidget *makeDecliningDrawing();       // DisGonVrt: hour-line directions on a wall declining East
QWidget *makeWestDecliningDrawing();   // DisGonVrtOvest: the same on a wall declining West
QWidget *makeHorizontalCurvesDrawing(); // DisCurveO: curve distances on a horizontal dial
QWidget *makeVerticalCurvesDrawing();  // DisCurveV: curve distances on a vertical dial
QWidget *makeZodiacCurvesDrawing();    // DisCurveZ: the zodiac and anniversary curves on a wall

// The small sundial of the notes window.
QWidget *makeSundialPicture(QWidget *parent);

} // namespace shell
