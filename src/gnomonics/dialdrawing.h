#pragma once

#include "gnomonics/declining.h"
#include "sheet/checks.h"
#include "sheet/drawing.h"

#include <cstddef>
#include <string>
#include <vector>

namespace gnomonics {

// How far from the dial centre O the drawing follows the shadow, in style lengths. Near the
// horizon, or when the Sun grazes the plane, the tip's shadow runs off without bound (the
// tables show distances of metres there); the drawing keeps the points of each curve within
// kDrawingReachStyles x the style length of O and ends the curve where it crosses that circle,
// and an hour line that the shadow follows farther stops there too. Twelve style lengths keep
// every point whose shadow is at least about 5 degrees above the plane, and keep the default
// vertical dial within about a metre.
inline constexpr double kDrawingReachStyles = 12.0;

// The longest style a drawing is made for, in millimetres. Ten metres is already a dial on the
// face of a tower; beyond it the drawing would be kilometres of paper, so the drawing buttons
// refuse it (Refusal::StyleTooLong) rather than lay out something no one can build.
inline constexpr double kMaxDrawingStyleMm = 10000.0;

// One hour line of the drawing.
struct DialHourLine {
    int clockHour = 0;        // the clock hour it is labelled with (West walls: 24 - the East row)
    std::size_t line = 0;     // index into drawing.lines: the segment from O
    std::size_t label = 0;    // index into drawing.texts
    double lengthMm = 0;      // from O to the line's end
};

// One date curve: the pieces of its polyline (split where the shadow leaves the plane, sets or
// runs beyond the reach) and its label.
struct DialCurve {
    double sunDeclinationDeg = 0;
    std::string name;
    std::vector<std::size_t> lines; // indices into drawing.lines, in the order of the day
    std::size_t label = 0;          // index into drawing.texts; meaningful when lines is not empty
};

// A dial as the maker traces it, at full scale, built from the same functions as the tables.
// Each builder runs the sheet's own checks first: on a refusal the drawing is empty (no items,
// size 0) and hourLines and curves are empty.
struct DialDrawing {
    sheet::Refusal refusal = sheet::Refusal::None;
    sheet::Drawing drawing;
    // Where the dial centre O (the style root) stands in the drawing, for tests and for
    // anyone who adds to the drawing.
    sheet::DrawingPoint centre;
    double reachMm = 0; // kDrawingReachStyles x the style length
    std::vector<DialHourLine> hourLines;
    std::vector<DialCurve> curves;
};

// What every drawing holds, in millimetres in the frame of sheet::Drawing (the dial seen from
// in front of the wall, or from above with the noon line running up from O towards the pole):
// - O marked and labelled "O"; the East-West line (horizontal dial) or the horizontal through O
//   (vertical dials); the noon line through O; on a vertical dial the substyle (dashed) with
//   the foot of the style at the style base b from O; on a horizontal dial the foot at b along
//   the noon line, which is the substyle there;
// - every whole-hour line of the sheet's table that the Sun lights on some day of the year
//   (some declination within the solstices', or one of the drawing's curves): from O to 5 mm
//   beyond the farthest point the tip's shadow reaches on it on those days (within the reach),
//   labelled with its clock hour;
// - the date curves, each through the shadow of the tip every 5 minutes of clock time between
//   the first and the last hour of the table, with the tables' distance formula, where the Sun
//   is in front of the plane, above the horizon and the point within the reach; a piece that
//   stops there ends on the exact boundary (found by bisection), and each whole hour's point is
//   the table row's point, on its hour line;
// - the style template at 1:1 (the right triangle with hypotenuse s, legs b and h, the angle at
//   O written in degrees), a 100 mm scale bar labelled "100 mm" and a title block (sheet,
//   latitude, declination and side, style length, "Scala 1:1"), in a corner of the dial free of
//   its lines, or beside the dial when no corner is free;
// - a margin of 10 mm around everything. Texts are UTF-8; their extents are estimated at
//   0.8 x their height per character.

// Horizontal dial (sheet CurveOrizz): hour lines 6 to 18, the summer and winter solstice curves
// and the equinox line (the summer one is the solstice of the dial's own hemisphere, so a
// southern dial's "Solstizio estivo" is the curve of -23.45). Refused like the sheet for a
// latitude of exactly 0 (Missing), and, since a drawing needs a style and a hemisphere: a style
// of 0 (Missing), a negative style (Negative), a latitude of 90 or more in magnitude or an input
// that is not finite (OutOfRange), and a style longer than kMaxDrawingStyleMm (StyleTooLong).
DialDrawing BuildHorizontalDialDrawing(double latitudeDeg, double styleMm);

// Vertical declining wall (sheet CurveVrt; East frame mirrored for a West wall): hour lines 5 to
// 19 labelled with the clock hour of the chosen side, the solstice curves and the equinox line.
// Refused as CheckVerticalWallInputs refuses, as OutOfRange for an input that is not finite, and
// as StyleTooLong for a style longer than kMaxDrawingStyleMm.
DialDrawing BuildVerticalDialDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                     WallSide side);

// The same wall with the five curves of the zodiac sheet (ZodiacDeclinationsDeg): the two
// northern sign declinations, their southern mirrors and the anniversary, the fifth curve
// labelled anniversaryLabel ("Anniversario", or the date it was taken from). Refused as the
// vertical drawing, and as OutOfRange when a sign or the anniversary declination is not finite
// or is 90 or more in magnitude (no Sun stands there).
DialDrawing BuildZodiacDialDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                   WallSide side, double sign1Deg, double sign2Deg,
                                   double anniversaryDeg, const std::string &anniversaryLabel);

} // namespace gnomonics
