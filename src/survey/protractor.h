#pragma once

// The protractor a maker glues on the survey board, painted at true scale on a printer: the
// half circle with 0 on the perpendicular to the wall and +-90 along it, a tick every half
// degree, and a 100 mm bar to check that the printer kept the scale.

class QPainter;
class QPrinter;

namespace survey {

// Where things stand, in millimetres from the top-left corner of the printable area; the
// protractor and the bar are centred across the printable width.
inline constexpr double kProtractorRadiusMm = 85;
inline constexpr double kWallEdgeMm = 20;      // the dashed line to lay against the wall
inline constexpr double kProtractorCentreMm = kWallEdgeMm + 8 + kProtractorRadiusMm;
inline constexpr double kCheckBarTopMm = kProtractorCentreMm + 45;
inline constexpr double kCheckBarHeightMm = 2;
inline constexpr double kCheckBarLengthMm = 100;

// Paints the one page on a printer that is open; never scales to fit, so a millimetre on the
// page is a millimetre on the board. Returns false when the page does not fit the paper.
bool paintProtractor(QPainter &painter, QPrinter &printer);

} // namespace survey
