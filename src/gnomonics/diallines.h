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

struct DialSpec {
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

struct DialLines {
    EngineStatus status;
    DialSpec design;
    DialPlane plane;
    std::vector<DialLine> lines; // apparent, clock, Italic, Babylonian, temporary, azimuth,
                                 // altitude, then date lines
    ConstructionLines construction;
    bool centreOnPlate = false;  // O (plane.centre) lies on the plate
    bool footOnPlate = false;    // F (0, 0) lies on the plate
    double lowestDeclinationDeg = 0;  // the Sun's range over the year (December solstice)
    double highestDeclinationDeg = 0; // (June solstice)
    // The Sun over the analemmas' days, kept so that crossings can follow those lines exactly.
    std::shared_ptr<const SolarTable> solar;
};

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
