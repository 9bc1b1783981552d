#pragma once

// The full-scale drawings of the curve sheets (CurveOrizz, CurveVrt, ZodiacoVrt): the same
// drawing the designer makes, built by the same engine, for a dial of apparent time with the
// sheet's own curves and no plate. Each builder runs the sheet's own checks first.

#include "drawing/dialsketch.h"
#include "sheet/declining.h"
#include "gnomonics/diallines.h"
#include "sheet/checks.h"

#include <string>

namespace drawing {

// How far from the dial centre O a sheet's drawing follows the shadow, in style lengths. Near
// the horizon, or when the Sun grazes the plane, the shadow runs off without bound (the tables
// show distances of metres there); twelve style lengths keep every point whose shadow is at
// least about 5 degrees above the plane, and keep the default vertical dial within about a
// metre. A line that runs farther ends exactly on that circle.
inline constexpr double kSheetReachStyles = 12.0;

// The longest style a sheet's drawing is made for, in millimetres. Ten metres is already a dial
// on the face of a tower; beyond it the drawing would be kilometres of paper, so the drawing
// buttons refuse it (Refusal::StyleTooLong) rather than lay out something no one can build.
inline constexpr double kMaxSheetStyleMm = 10000.0;

// The lowest nodus a sheet's drawing is made for, in millimetres: a style lying nearer the plane
// than this (a horizontal dial within a few thousandths of a degree of the equator) casts every
// shadow within the files' rounding of F, and the drawing is refused (OutOfRange) as at 0.
inline constexpr double kSmallestNodusMm = 0.01;

struct SheetSketch {
    // None when the drawing was made; otherwise the sketch is empty and dial has no lines.
    sheet::Refusal refusal = sheet::Refusal::None;
    // The engine's lines as drawn: the table's whole hours of apparent time (a line that no
    // curve's day lights is not there), and the curves over the table's hours, within the reach.
    gnomonics::DialLines dial;
    DialSketch sketch;
};

// Horizontal dial (CurveOrizz): hours 6 to 18, the curves of +23.45 ("21 giugno"), 0
// ("Equinozi") and -23.45 ("21 dicembre"), named by their day whichever the hemisphere. Refused
// for a latitude or style of exactly 0 (Missing), a negative style (Negative), a latitude of 90
// or more in magnitude, a nodus below kSmallestNodusMm or an input that is not finite
// (OutOfRange), and a style longer than kMaxSheetStyleMm (StyleTooLong).
SheetSketch BuildHorizontalSheetSketch(double latitudeDeg, double styleMm);

// Vertical wall declining declinationDeg (0..90) to the given side (CurveVrt): hours 5 to 19,
// the same three curves. Refused as CheckVerticalWallInputs refuses, as OutOfRange for an input
// that is not finite, and as StyleTooLong.
SheetSketch BuildVerticalSheetSketch(double latitudeDeg, double declinationDeg, double styleMm,
                                     sheet::WallSide side);

// The same wall with the zodiac sheet's five curves (ZodiacDeclinationsDeg: two signs, their
// southern mirrors and the anniversary, labelled anniversaryLabel). Refused as the vertical
// drawing, and as OutOfRange when a sign or the anniversary is not finite or 90 or more.
SheetSketch BuildZodiacSheetSketch(double latitudeDeg, double declinationDeg, double styleMm,
                                   sheet::WallSide side, double sign1Deg, double sign2Deg,
                                   double anniversaryDeg, const std::string &anniversaryLabel);

} // namespace drawing
