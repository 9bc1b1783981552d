#pragma once

// Where the shadow of the nodus falls at one instant on a designed dial, and the time each of
// the dial's hour systems reads then: what a maker sees on the finished dial at that moment.

#include "gnomonics/diallines.h"
#include "gnomonics/enginestatus.h"
#include "gnomonics/plane.h"
#include "gnomonics/sun.h"

#include <optional>

namespace gnomonics {

enum class ShadowSight {
    OnPlane,     // the Sun is seen above the horizon and lights the face: the point exists
    SunDown,     // the Sun is seen below the horizon
    BehindPlane, // the Sun is up but behind the plane (or grazes it)
};

struct ShadowAtInstant {
    EngineStatus status;         // a refused date or clock: nothing below is filled
    ShadowSight sight = ShadowSight::SunDown;
    Point2 point;                // the nodus's shadow, mm from F, x right, y up (OnPlane)
    // The style's shadow (OnPlane): from O to the point on a dial with a centre; on a polar
    // dial, whose style never meets the plane, a piece of the line through the point parallel
    // to the substyle, one nodus height to either side.
    Point2 styleFrom;
    Point2 styleTo;
    double hourAngleDeg = 0;     // the Sun's true hour angle, -180..180, West positive
    double declinationDeg = 0;   // the Sun's
    double altitudeDeg = 0;      // as seen: apparent with refraction, geometric without
    double apparentHours = 0;    // local apparent time, 0..24
    // The clock the dial's clock lines stand for: the zone's clock as typed (summer time
    // included), or the place's mean time when those lines are of local mean time; 0..24.
    double clockHours = 0;
    // Italic (since the last sunset, 0..24), Babylonian (since sunrise, 0..24) and temporary
    // hours (0..12, by day only); sunrise and sunset with the Sun's centre at
    // SunriseAltitudeDeg(refraction). Nothing where the hour does not exist that day.
    std::optional<double> italicHours;
    std::optional<double> babylonianHours;
    std::optional<double> temporaryHours;
};

// The shadow and the readings at a civil date and a reading of the zone's clock, zone and
// summer time those of the design's place. The Sun is that of SunAtClock (refused: a date that
// does not exist or outside 1600-2400, a clock outside 0..24, anything not finite). With the
// design's refraction the shadow is cast by the Sun as it is seen (RefractedDirection), and
// the Sun is down when its apparent altitude is below 0; without, its geometric altitude.
// The point is NodusShadow of that Sun on the plane, so it lies exactly on the lines
// BuildDialLines traces for the same Sun.
ShadowAtInstant ShadowAt(const DialSpec &design, const DialPlane &plane, const CivilDate &date,
                         double clockHours);

} // namespace gnomonics
