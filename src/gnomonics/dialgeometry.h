#pragma once

#include "gnomonics/declining.h"
#include "sheet/drawing.h"

#include <functional>
#include <optional>

namespace gnomonics {

// One dial's plane as the full-scale drawing needs it: for any clock time, the half-line from
// the dial centre O on which the tip's shadow falls, and how far along it the shadow lies on a
// day of given solar declination, when the Sun lights the plane. Both come from the functions
// the sheets use (horizontalcurves.h, horizontalhours.h, verticalstyle.h); the drawing's points
// are O + distance x direction.
//
// Frame of the drawing, as the maker looks at the dial: millimetres from O, x to the right,
// y downwards. A vertical dial is seen from in front of the wall (up is up); a horizontal dial
// from above, with the noon line running up from O towards the pole the style points to (North
// for a northern dial, South for a southern one), so that on a northern dial the morning lines
// lie to the left (West) and the afternoon lines to the right (East).
struct DialPlane {
    // Unit vector of the shadow's half-line at the clock time (decimal hours, 13.5 is half past
    // one; any value).
    std::function<sheet::DrawingPoint(double clockHour)> hourDirection;
    // Distance in mm from O of the tip's shadow at that time on a day of that solar declination
    // (degrees), when the Sun stands in front of the plane and above the horizon and the distance
    // is finite; no value otherwise.
    std::function<std::optional<double>(double clockHour, double sunDeclinationDeg)> shadowDistanceMm;
};

// Horizontal dial. The hour angle of clock time t is 15 (t - 12) degrees; the direction is
// HorizontalHourLineDirectionDeg turned into the frame above, and the distance is
// HorizontalCurveDistanceMm, which is positive exactly when the Sun is above the horizon (the
// horizontal plane's lit side). Meant for latitudes in (-90, 90) other than 0 and styles above 0.
DialPlane HorizontalDialPlane(double latitudeDeg, double styleMm);

// Vertical wall of the sheets CurveVrt and ZodiacoVrt (inclination 0). The wall is computed as
// declining East (MakeVerticalStyle): the hour angle of clock time t is HourAngleRad, the same
// as the tables' rows (counted from the rounded substyle time angle); the direction is
// HourLineDirectionDeg, turned so that the meridian (the true noon line) points straight down;
// the distance is ShadowDistanceMm, kept while SunAboveHorizon. A West wall is the mirror image
// about the noon line and its clock time t is the East wall's 24 - t, as the sheets relabel their
// rows. Meant for inputs that pass CheckVerticalWallInputs.
DialPlane VerticalDialPlane(double latitudeDeg, double declinationDeg, double styleMm,
                            WallSide side);

// Where the foot of the tip's perpendicular lies in the frame above, in mm from O: on a
// vertical wall at the style base b from O along the substyle, which makes the substyle angle f
// with the noon line (on the West side of the noon line for a wall declining East, mirrored
// for West); on a horizontal dial at b along the noon line.
sheet::DrawingPoint VerticalStyleFoot(double latitudeDeg, double declinationDeg, double styleMm,
                                      WallSide side);
sheet::DrawingPoint HorizontalStyleFoot(double latitudeDeg, double styleMm);

} // namespace gnomonics
