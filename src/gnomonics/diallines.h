#pragma once

// Every line a maker traces on one dial, built from one description of the dial: the place,
// the plane and its gnomon, the hour systems, the date lines and the plate. Each point is the
// shadow of the nodus for the Sun it stands for (plane.h), so a table, a drawing and a file
// made from these lines can never disagree.

#include "gnomonics/datelines.h"
#include "gnomonics/hoursystems.h"
#include "gnomonics/linetracer.h"
#include "gnomonics/plane.h"
#include "gnomonics/sun.h"

#include <memory>
#include <optional>
#include <vector>

namespace gnomonics {

enum class AnalemmaMode {
    Whole,    // the figure eight over the year
    Halves,   // December solstice to June solstice, and June to December, as two lines
    NoonOnly, // only the clock's noon (13 in summer time)
};

struct HourChoice {
    bool apparent = true;       // local apparent time, straight through O
    bool halfHours = false;     // half hours too, for apparent and clock time
    bool quarterHours = false;  // quarter hours too (with the half hours), for both
    bool clock = false;         // mean or zone time
    ClockKind clockKind = ClockKind::Zone;
    bool equationOfTime = true; // false: straight mean-time lines, the equation of time left out
    AnalemmaMode analemma = AnalemmaMode::Whole;
    bool italic = false;
    bool babylonian = false;
    bool temporary = false;     // the twelve unequal hours of daylight, 1 to 11
};

// Lines of the Sun's place in the sky, each where the Sun can stand between the solstices.
struct SkyLineChoice {
    double azimuthStepDeg = 0;  // lines of equal azimuth every so many degrees; 0 none
    double altitudeStepDeg = 0; // lines of equal altitude every so many degrees; 0 none
};

// What kind of dial: a plane with a nodus and its style (walls, horizontal, polar, equatorial),
// an analemmatic dial (a person is the gnomon, standing on a date scale), a bifilar dial (the
// crossing of two wires' shadows) or the meridian line of a dark room (a hole's spot of light at
// noon).
enum class DialKind { Plane, Analemmatic, Bifilar, DarkRoom };

// The bifilar dial's two wires over a horizontal plate: one East-West at height a above the line
// through F, one North-South at height b above the line through F.
struct BifilarWires {
    double eastWestMm = 100;  // a
    double northSouthMm = 150; // b
};

struct AnalemmaticChoice {
    double semiAxisMm = 2000; // M, the ellipse's half width East-West
    double gnomonMm = 0;      // the vertical gnomon's height, 0 a person (it moves no mark)
};

struct DarkRoomChoice {
    double holeMm = 20; // the hole's diameter; its centre is the nodus
};

struct DialSpec {
    DialKind kind = DialKind::Plane;
    BifilarWires bifilar;       // Bifilar: the wires; the plate is horizontal
    AnalemmaticChoice analemmatic; // Analemmatic: horizontal, the origin at the ellipse's centre
    DarkRoomChoice darkRoom;    // DarkRoom: the plane is the floor, the nodus the hole
    Place place;
    double declinationDeg = 0;  // the plane's, from South, West positive, -180..180
    double inclinationDeg = 0;  // 0 vertical, 90 horizontal, down to -80
    GnomonSize gnomon = GnomonSize::NodusHeight;
    double gnomonMm = 100;      // nodus height or style length
    int year = 2026;            // of the analemmas, the solstices and the sign entries
    HourChoice hours;
    SkyLineChoice sky;
    DateLineChoice dates;
    // The shadow is cast by the Sun as it is seen, raised by the air's refraction
    // (ApparentAltitudeDeg); sunrise and sunset are then 34' below the horizon.
    bool refraction = false;
    ClipRect plate;             // in the dial's frame, mm from F
    double dateLineStepMinutes = 5; // samples of a date line, minutes of apparent time (0.5..60)
};

enum class LineFamily { ApparentTime, ClockTime, Italic, Babylonian, DateLine, Temporary, Azimuth, Altitude };

enum class AnalemmaHalf { None, Whole, DecemberToJune, JuneToDecember };

struct DialLine {
    LineFamily family = LineFamily::ApparentTime;
    ClockKind clockKind = ClockKind::Zone; // clock-time lines: the clock they stand for
    // The label: apparent hour, clock reading (summer time included), Italic, Babylonian or
    // temporary hour; for azimuth lines the azimuth (degrees from South, West positive), for
    // altitude lines the altitude (degrees; the apparent one with refraction). Date lines carry
    // their day in dateLine.
    double hour = 0;
    AnalemmaHalf analemma = AnalemmaHalf::None; // None for a straight clock-time line
    DateLine dateLine;
    // An analemma is traced over the days analemmaFirstDay .. + analemmaDays; its parameter is
    // the day count from the first (the clock reading stays fixed, the day runs on).
    gnomonics::CivilDate analemmaFirstDay;
    int analemmaDays = 0;
    std::vector<std::vector<DialPoint>> pieces; // each a polyline on the plate, in order
};

// The construction lines of the dial, clipped to the plate (nothing where a line misses it or
// does not exist): the substyle (through F and O), the noon line, the equinoctial line (the
// shadow of the nodus on the equinox) and the horizon line (its shadow with the Sun on the
// horizon).
struct ConstructionLines {
    std::optional<Segment> substyle;
    std::optional<Segment> noon;
    std::optional<Segment> equinoctial;
    std::optional<Segment> horizon;
};

// A marked point rather than a line: an analemmatic dial's hour mark or date on its scale, a
// dark room's noon spot of a day.
enum class MarkKind {
    AnalemmaticHour, // hour: the hour (apparent, or the zone's clock corrected for longitude)
    DateScale,       // dateLine: the day; the mark on the North-South axis
    NoonSpot,        // dateLine: the day; the spot's centre at apparent noon, outline its edge
};

struct DialMark {
    MarkKind kind = MarkKind::AnalemmaticHour;
    double hour = 0;
    DateLine dateLine;         // DateScale and NoonSpot: the day (and its name)
    double hourAngleDeg = 0;   // the Sun's at the mark
    double declinationDeg = 0; // DateScale and NoonSpot: the Sun's at the place's apparent noon
    Point2 at;                 // mm in the dial's frame
    std::vector<Point2> outline; // NoonSpot: the edge of the spot of light, closed
};

struct DialLines {
    EngineStatus status;
    DialSpec design;
    DialPlane plane;
    std::vector<DialLine> lines; // apparent, clock, Italic, Babylonian, temporary, azimuth,
                                 // altitude, then date lines
    std::vector<DialMark> marks; // analemmatic hours and date scale; a dark room's spots
    ConstructionLines construction;
    bool centreOnPlate = false;  // O (plane.centre) lies on the plate
    bool footOnPlate = false;    // F (0, 0) lies on the plate
    double lowestDeclinationDeg = 0;  // the Sun's range over the year (December solstice)
    double highestDeclinationDeg = 0; // (June solstice)
    // The Sun over the analemmas' days, kept so that crossings can follow those lines exactly.
    std::shared_ptr<const SolarTable> solar;
};

// The limits of the kinds' own sizes, mm.
inline constexpr double kMaxKindSizeMm = 100000.0;

// The plane of a kind: a bifilar or analemmatic dial lies on a horizontal plate (its x East,
// y North); the bifilar's nodus is the East-West wire (height a), and its frame is stretched
// East-West by b / a (DialPlane::right), so that every nodus shadow of the engine is the point
// where the two wires' shadows cross: x = -b Sx / Sz, y = -a Sy / Sz.
PlaneInput KindPlane(const DialSpec &design);

// The design as a kind can carry it: an analemmatic dial marks only its hours (apparent, or the
// zone's when clock time is chosen, with their halves and quarters) and its dates; a dark room
// draws only its noon line, the figure eights of mean noon (and of the zone's noon) for the
// year, and its days. The systems a kind cannot carry come back off, so that nothing it writes
// (title block, legend, files, the shadow's readings) names a line that is not there.
DialSpec KindDesign(DialSpec design);

// Plane presets (degrees, the engine's convention). Equatorial: the plane perpendicular to the
// Earth's axis, its upper face (towards the celestial pole above the horizon). Polar: parallel
// to the axis, facing the equator (tilted up by 90 - |latitude|), or vertical facing East or
// West.
enum class PolarFacing { Equator, East, West };
struct PlaneOrientation {
    double declinationDeg = 0;
    double inclinationDeg = 0;
};
PlaneOrientation EquatorialPlane(double latitudeDeg);
PlaneOrientation PolarPlane(double latitudeDeg, PolarFacing facing);

// Steps of the azimuth and altitude lines: none (0), or from kMinSkyStepDeg to 90 degrees.
inline constexpr double kMinSkyStepDeg = 1.0;

// Builds every chosen line. Refuses (status, no lines) any input a part refuses: the place
// (CheckPlace), the plane (MakeDialPlane), the plate (CheckClip), the year (1600-2400), a date
// that does not exist, a date-line step outside 0.5..60 minutes, an azimuth or altitude step
// that is neither 0 nor within kMinSkyStepDeg..90.
DialLines BuildDialLines(const DialSpec &design);

// A point where a line of one family crosses a line of another on the plate.
struct Crossing {
    std::size_t lineA = 0; // index into DialLines::lines
    std::size_t lineB = 0;
    DialPoint onA;         // the point as a point of line A (same x, y as onB within 1e-6 mm)
    DialPoint onB;
};

// Every crossing of a line of family a with a line of family b (a may equal b: then lines of
// the same family that cross, such as two analemmas). Found between the polylines, then put
// exactly on both curves by Newton's method on their two parameters.
std::vector<Crossing> FindCrossings(const DialLines &dial, LineFamily a, LineFamily b);

} // namespace gnomonics
