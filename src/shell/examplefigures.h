#pragma once

// The geometry of the example pictures, computed by the dial engine rather than drawn by hand,
// so that a beginner who looks at one sees a true dial: on a horizontal dial the equinoctial
// line square to the noon line, a West wall the mirror of an East one, the zodiac curves where
// the Sun puts them. Everything is in the picture's pixels, y downwards.

#include "sheet/declining.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

namespace shell {

struct ExampleLine {
    QString label;              // the hour of an hour line; empty for a date line
    QPolygonF points;           // from the dial centre outwards for an hour line
    double declinationDeg = 0;  // the Sun's declination of a date line
};

struct ExamplePoint {
    QString label;
    QPointF at;
    double declinationDeg = 0; // the Sun's declination of the date line it lies on
};

struct ExampleFigure {
    QRectF plot;                      // the part of the picture the lines are drawn in
    QPointF centre;                   // the dial centre O (the "Centro Orario")
    std::vector<ExampleLine> hours;   // hour lines, each a straight segment from O
    std::vector<ExampleLine> dates;   // date lines: shadows of the nodus through one day, in pieces
    std::vector<ExamplePoint> points; // where the sample hour line meets the date lines
};

// Declinations of the Sun drawn on the examples: the solstices, the equinoxes, and the entries
// into the signs of the zodiac sheet's defaults (Gemini and Leo, Taurus and Virgo, their
// southern mirrors); the zodiac example's anniversary curve is drawn for kExampleAnniversaryDeg.
inline constexpr double kExampleSolsticeDeg = sheet::kSolsticeDeclinationDeg;
inline constexpr double kExampleSign1Deg = 20.16;
inline constexpr double kExampleSign2Deg = 11.48;
inline constexpr double kExampleAnniversaryDeg = 8.0;
inline constexpr double kExampleLatitudeDeg = 38.0;
inline constexpr double kExampleWallDeclinationDeg = 38.0;

// Horizontal dial at latitude 38: O at the top, the noon line "12" downwards, "18" to the left
// and "6" to the right; the sample hour line "13" with A, B, C on the summer solstice curve,
// the equinoctial line and the winter solstice curve.
ExampleFigure HorizontalCurvesExample();

// Vertical wall facing due South at latitude 38: "6" to the left, "18" to the right, the
// sample hour line "11" with A (summer), B (equinoxes), C (winter).
ExampleFigure VerticalCurvesExample();

// The same wall with the zodiac sheet's curves: solstices, sign entries, equinoxes and one
// anniversary; the points of the sample hour line "11" on each of them, labelled by nothing.
ExampleFigure ZodiacCurvesExample();

// A wall declining 38 degrees East or West at latitude 38: the whole-hour lines the sheet
// computes, from the "Centro Orario" downwards, each as long as the others; the horizontal
// through the centre and the noon line are among them ("6"/"18" are not drawn when the wall
// does not carry them).
ExampleFigure DecliningExample(sheet::WallSide side);

} // namespace shell
