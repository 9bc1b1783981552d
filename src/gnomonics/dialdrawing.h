#pragma once

#include "gnomonics/declining.h"
#include "sheet/checks.h"
#include "sheet/drawing.h"

#include <string>

namespace gnomonics {

// A dial as the maker traces it, at full scale, built from the same functions as the tables.
// Each builder runs the sheet's own checks first: on a refusal the drawing is empty.
struct DialDrawing {
    sheet::Refusal refusal = sheet::Refusal::None;
    sheet::Drawing drawing;
    // Where the dial centre O (the style root) stands in the drawing, for tests and for
    // anyone who adds to the drawing.
    sheet::DrawingPoint centre;
};

// Horizontal dial: East-West line, noon line, the hour lines 6 to 18, the summer and winter
// solstice curves and the equinox line, the style template and a 100 mm scale bar.
DialDrawing BuildHorizontalDialDrawing(double latitudeDeg, double styleMm);

// Vertical declining wall (East frame mirrored for a West wall): the horizontal through O, the
// noon line, the substyle and the foot of the style, the hour lines 5 to 19 labelled with the
// clock hour of the chosen side, the solstice curves and the equinox line.
DialDrawing BuildVerticalDialDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                     WallSide side);

// The same wall with the five curves of the zodiac sheet: the two northern sign declinations,
// their southern mirrors and the anniversary, the fifth curve labelled anniversaryLabel
// ("Anniversario", or the date it was taken from).
DialDrawing BuildZodiacDialDrawing(double latitudeDeg, double declinationDeg, double styleMm,
                                   WallSide side, double sign1Deg, double sign2Deg,
                                   double anniversaryDeg, const std::string &anniversaryLabel);

} // namespace gnomonics
