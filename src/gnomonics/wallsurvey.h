#pragma once

// Surveying a wall with the Sun: the wall's declination from the shadow of a plumb line on a
// horizontal board held against the wall, read at known clock times, and the wall's
// inclination from the plumb line's distances from the wall at its top and bottom.
//
// Angles in degrees. Azimuths and declinations here are measured from South, West positive,
// -180..180, as the dial engine's plane declination is (a wall facing East-North-East is -110).

#include "gnomonics/enginestatus.h"
#include "gnomonics/hoursystems.h"
#include "gnomonics/sun.h"

#include <optional>
#include <vector>

namespace gnomonics {

// The zones a survey accepts, in hours East of Greenwich: every civil zone in use.
inline constexpr double kSurveyFirstZone = kFirstZoneHours;
inline constexpr double kSurveyLastZone = kLastZoneHours;

// A reading of 0.1 degree is the best a protractor with half-degree ticks on a board allows;
// a row is only ever called an outlier when it stands further than this from the median, so
// that rows which agree to a reading are never thrown out because they agree too well.
inline constexpr double kSurveyReadingDeg = 0.1;

// A reading whose declination stands further than this from the median of the others (or
// three median deviations of theirs, when more), and which comes within it when its clock is
// taken one hour earlier or later, was most likely read on a watch an hour off (summer time
// forgotten or counted twice). In an hour the Sun's azimuth moves 10 to 40 degrees and more,
// far beyond the few degrees careful readings disagree by.
inline constexpr double kHourOffToleranceDeg = 3.0;

struct SurveyObservation {
    gnomonics::CivilDate date;
    double clockHours = 12; // as read on a watch, summer time included: 0 <= clock < 24
    // The shadow's angle on the board from the perpendicular to the wall, positive when the
    // shadow points to the right as seen by a person facing the wall; -90 < alpha < 90.
    double alphaDeg = 0;
    // The watch's summer time for this reading when it differs from reading to reading
    // (readings on both sides of the change); the place's when not set.
    std::optional<bool> summerTime;
};

// A survey's refusal is the engine's status: the place's fields, a reading's date, year, clock
// time and Alpha with its row (counted from 0), the plumb line's PlumbLength and PlumbOffset.
// Refuses a latitude beyond +-89.99, a longitude beyond +-180, a zone outside -12..14 and
// anything not finite.
EngineStatus CheckSurveyPlace(const Place &place);

// Refuses a date that does not exist, a year outside 1600..2400 (the solar theory's span), a
// clock outside 0 <= clock < 24, an angle alpha outside -90 < alpha < 90 and anything not
// finite. The row number is put into the status.
EngineStatus CheckObservation(const SurveyObservation &observation, int row);

// Where the Sun stood for one observation, and the declination it gives.
struct SunForObservation {
    double azimuthDeg = 0;  // from South, West positive, -180..180
    double altitudeDeg = 0; // geometric, of the Sun's centre
};

// The Sun's azimuth (from South, West positive) and altitude at the observation's instant.
// Only for an observation and a place that passed their checks.
SunForObservation SunForSurvey(const Place &place, const SurveyObservation &observation);

// The declination of the wall that one reading gives: D = A - alpha, in -180..180.
//
// Why: on the board the Sun's horizontal direction is s = (-sin A, -cos A) (East, North),
// which is South for A = 0 and West for A = 90; the wall's outward normal is n = (-sin D,
// -cos D) by the same rule. The shadow of the plumb line points away from the Sun, along -s.
// A person facing the wall looks along -n, and their right hand points along
// r = (-n) x up = (cos D, -sin D). The shadow's angle from the perpendicular (towards the
// wall, -n), positive towards r, is alpha = atan2(-s.r, -s.(-n)) = atan2(sin(A - D),
// cos(A - D)) = A - D. So D = A - alpha. Check: a wall facing South (D = 0) in the afternoon
// (Sun in the West, A > 0) throws the shadow East, to the right of a person facing North.
double DeclinationFromReading(double sunAzimuthDeg, double alphaDeg);

// Takes an angle into -180..180 (180 stays 180, -180 becomes 180).
double NormaliseDeg(double angleDeg);

enum class SurveyRowState {
    Good,         // in the mean
    Outlier,      // more than three median deviations from the median: left out
    BelowHorizon, // the Sun was below the horizon at that time: impossible
    BehindWall,   // the Sun was behind the wall the other rows find: impossible
};

struct SurveyRow {
    double sunAzimuthDeg = 0;  // from South, West positive
    double sunAltitudeDeg = 0;
    double declinationDeg = 0; // A - alpha, -180..180 (not meaningful below the horizon)
    double deviationDeg = 0;   // from the median of the rows above the horizon (signed)
    SurveyRowState state = SurveyRowState::Good;
    // The reading agrees with the others (see kHourOffToleranceDeg) only with its clock moved
    // by one hour: -1 an hour earlier, +1 an hour later, 0 otherwise.
    int hourOff = 0;
};

struct SurveyResult {
    EngineStatus status;
    std::vector<SurveyRow> rows; // one per observation, in their order; empty when refused
    int goodRows = 0;
    // The rest is set only when goodRows > 0.
    double meanDeg = 0;       // circular mean of the good rows, -180..180
    double medianDeg = 0;     // median of the rows above the horizon and in front of the wall
    double medianDeviationDeg = 0; // median absolute deviation from that median
    double outlierLimitDeg = 0;    // 3 x median deviation, at least kSurveyReadingDeg
    // Set only when goodRows > 1: the sample standard deviation of the good rows about their
    // mean and the accuracy of the mean, spread / sqrt(goodRows).
    std::optional<double> spreadDeg;
    std::optional<double> accuracyDeg;
};

// The wall's declination from a set of readings at one place.
//
// Each row gives the Sun's azimuth and altitude (the engine's solar theory: 0.01 degree) and
// D = A - alpha. A row with the Sun below the horizon is impossible. The others are centred
// on their median (taken on the circle: the angles are unwrapped about their circular mean,
// so a wall facing North, where the values straddle +-180, has a median near 180); a row
// further than three times the median absolute deviation from the median (and further than
// kSurveyReadingDeg) is an outlier. Every row, on its own, has the Sun in front of the wall it
// gives (|alpha| < 90); but a time mistyped by hours can put the Sun behind the wall the other
// rows agree on (|A - mean| >= 90), which no real shadow on that wall can show: such a row is
// impossible too, and the mean is taken again without it. The mean is circular:
// atan2(sum sin D, sum cos D). A row above the horizon that the others' median finds an hour
// off is marked (hourOff) but otherwise counted as any other row.
//
// Refuses (with the first bad input, nothing else filled) a bad place or observation.
SurveyResult ReduceSurvey(const Place &place, const std::vector<SurveyObservation> &observations);

// The inclination of a wall from a plumb line: over a length L (mm, vertical) the line stands
// a mm from the wall at the top and b mm at the bottom. Positive when the wall leans back
// (its face turned towards the sky, as the dial engine counts it).
//
// Why: a wall leaning back by i sets its top back by L tan i over the length L, so a vertical
// line is further from it at the top than at the bottom: a - b = L tan i, i = atan((a - b)/L).
// Refuses L <= 0, a or b below 0 and anything not finite.
struct InclinationResult {
    EngineStatus status;
    double inclinationDeg = 0; // -90..90, only when status is ok
};
InclinationResult InclinationFromPlumbLine(double lengthMm, double topMm, double bottomMm);

} // namespace gnomonics
