#pragma once

#include <QWidget>

namespace shell {

// The four example figures that show a beginner what the numbers of a sheet mean.
QWidget *makeProtractorDrawing();      // DisGonOrz: hour angles of a horizontal dial
QWidget *makeDecliningDrawing();       // DisGonVrt: hour-line directions on a declining wall
QWidget *makeHorizontalCurvesDrawing(); // DisCurveO: curve distances on a horizontal dial
QWidget *makeVerticalCurvesDrawing();  // DisCurveV: curve distances on a vertical dial

// The small sundial of the notes window.
QWidget *makeSundialPicture(QWidget *parent);

} // namespace shell
