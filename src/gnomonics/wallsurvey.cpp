#include "gnomonics/wallsurvey.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gnomonics {

namespace {

constexpr double kRad = std::numbers::pi / 180.0;
constexpr double kDeg = 180.0 / std::numbers::pi;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

double circularMean(const std::vector<double> &anglesDeg)
{
    double s = 0, c = 0;
    for (double a : anglesDeg) {
        s += std::sin(a * kRad);
        c += std::cos(a * kRad);
    }
    return NormaliseDeg(std::atan2(s, c) * kDeg);
}

// The middle of a set of wall declinations and how far they stray from it: the values are
// unwrapped about their circular mean, so that they are ordinary numbers near each other even
// for a wall facing North, and then their median and median absolute deviation are taken.
struct Spread {
    double centreDeg = 0;           // the circular mean the values were unwrapped about
    std::vector<double> offsetsDeg; // each value minus centreDeg, in -180..180
    double medianOffsetDeg = 0;
    double medianDeviationDeg = 0;
    double middleDeg() const { return NormaliseDeg(centreDeg + medianOffsetDeg); }
};

Spread spreadOf(const std::vector<double> &declinationsDeg)
{
    Spread s;
    s.centreDeg = circularMean(declinationsDeg);
    for (double d : declinationsDeg)
        s.offsetsDeg.push_back(NormaliseDeg(d - s.centreDeg));
    s.medianOffsetDeg = median(s.offsetsDeg);
    std::vector<double> deviations;
    for (double o : s.offsetsDeg)
        deviations.push_back(std::abs(o - s.medianOffsetDeg));
    s.medianDeviationDeg = median(deviations);
    return s;
}

bool impossible(SurveyRowState state)
{
    return state == SurveyRowState::BelowHorizon || state == SurveyRowState::BehindWall;
}

// -1 or +1 when the reading k, far from the median of the other possible readings, comes
// close to it with its clock an hour earlier or later; 0 otherwise. "Close" is within a few
// degrees, or within three median deviations of the others when they disagree more (most of
// them read an hour off, each by its own amount as the Sun's pace changes through the day).
int hourOffFromOthers(const Place &place, const std::vector<SurveyObservation> &observations,
                      const std::vector<SurveyRow> &rows, std::size_t k)
{
    std::vector<double> others;
    for (std::size_t j = 0; j < rows.size(); ++j)
        if (j != k && !impossible(rows[j].state))
            others.push_back(rows[j].declinationDeg);
    if (others.empty())
        return 0;
    // Taken as the survey's own median is.
    const Spread spread = spreadOf(others);
    const double middleDeg = spread.middleDeg();
    const double toleranceDeg = std::max(kHourOffToleranceDeg, 3.0 * spread.medianDeviationDeg);

    if (std::abs(NormaliseDeg(rows[k].declinationDeg - middleDeg)) <= toleranceDeg)
        return 0;
    int best = 0;
    double bestDeg = toleranceDeg;
    for (int shift : {-1, 1}) {
        SurveyObservation moved = observations[k];
        moved.clockHours += shift;
        const SunForObservation sun = SunForSurvey(place, moved);
        if (sun.altitudeDeg < 0)
            continue;
        const double movedDeg = std::abs(NormaliseDeg(DeclinationFromReading(sun.azimuthDeg, moved.alphaDeg) - middleDeg));
        if (movedDeg <= bestDeg) {
            best = shift;
            bestDeg = movedDeg;
        }
    }
    return best;
}

} // namespace

double NormaliseDeg(double angleDeg)
{
    double a = std::fmod(angleDeg, 360.0);
    if (a <= -180.0)
        a += 360.0;
    else if (a > 180.0)
        a -= 360.0;
    return a;
}

EngineStatus CheckSurveyPlace(const Place &place)
{
    if (!std::isfinite(place.latitudeDeg))
        return Refuse(InputField::Latitude, RefusalReason::NotFinite);
    if (std::abs(place.latitudeDeg) > 89.99)
        return Refuse(InputField::Latitude, RefusalReason::OutOfRange);
    if (!std::isfinite(place.longitudeDeg))
        return Refuse(InputField::Longitude, RefusalReason::NotFinite);
    if (std::abs(place.longitudeDeg) > 180)
        return Refuse(InputField::Longitude, RefusalReason::OutOfRange);
    if (!std::isfinite(place.zoneHours))
        return Refuse(InputField::TimeZone, RefusalReason::NotFinite);
    if (place.zoneHours < kSurveyFirstZone || place.zoneHours > kSurveyLastZone)
        return Refuse(InputField::TimeZone, RefusalReason::OutOfRange);
    return {};
}

EngineStatus CheckObservation(const SurveyObservation &observation, int row)
{
    if (!DateExists(observation.date))
        return Refuse(InputField::Date, RefusalReason::NoSuchDate, row);
    if (!IsValidDate(observation.date))
        return Refuse(InputField::Year, RefusalReason::OutOfRange, row);
    if (!std::isfinite(observation.clockHours))
        return Refuse(InputField::ClockTime, RefusalReason::NotFinite, row);
    if (observation.clockHours < 0 || observation.clockHours >= 24)
        return Refuse(InputField::ClockTime, RefusalReason::OutOfRange, row);
    if (!std::isfinite(observation.alphaDeg))
        return Refuse(InputField::Alpha, RefusalReason::NotFinite, row);
    // At +-90 the shadow runs along the wall: the Sun grazes it and the board shows nothing
    // a declination can be read from.
    if (std::abs(observation.alphaDeg) >= 90)
        return Refuse(InputField::Alpha, RefusalReason::OutOfRange, row);
    return {};
}

SunForObservation SunForSurvey(const Place &place, const SurveyObservation &observation)
{
    const double ut = UtHoursFromClock(observation.clockHours, place.zoneHours,
                                       observation.summerTime.value_or(place.summerTime));
    const SunPosition sun = SunAt(JulianDay(observation.date, ut));
    const SunInSky sky = SunInSkyAt(sun, place.latitudeDeg, place.longitudeDeg);
    // The engine counts azimuth from North through East; a wall's declination is counted from
    // South towards West, so the Sun due West (270 from North) is +90 here.
    return {NormaliseDeg(sky.azimuthDeg - 180.0), sky.altitudeDeg};
}

double DeclinationFromReading(double sunAzimuthDeg, double alphaDeg)
{
    return NormaliseDeg(sunAzimuthDeg - alphaDeg);
}

namespace {

// Each reading's Sun and the declination it gives; a Sun below the horizon marks its row.
std::vector<SurveyRow> sunRows(const Place &place, const std::vector<SurveyObservation> &observations)
{
    std::vector<SurveyRow> rows;
    for (const SurveyObservation &o : observations) {
        const SunForObservation sun = SunForSurvey(place, o);
        SurveyRow row;
        row.sunAzimuthDeg = sun.azimuthDeg;
        row.sunAltitudeDeg = sun.altitudeDeg;
        row.declinationDeg = DeclinationFromReading(sun.azimuthDeg, o.alphaDeg);
        row.state = sun.altitudeDeg < 0 ? SurveyRowState::BelowHorizon : SurveyRowState::Good;
        rows.push_back(row);
    }
    return rows;
}

// One pass over the rows still possible: their median, the outliers, the mean of the rest, and
// the rows whose Sun stands behind the wall that mean gives. True when a row left the set.
bool centrePass(SurveyResult &result)
{
    std::vector<SurveyRow> &rows = result.rows;
    std::vector<std::size_t> candidates;
    std::vector<double> declinations;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (impossible(rows[k].state))
            continue;
        rows[k].state = SurveyRowState::Good;
        candidates.push_back(k);
        declinations.push_back(rows[k].declinationDeg);
    }
    result.goodRows = 0;
    if (candidates.empty())
        return false;

    const Spread spread = spreadOf(declinations);
    const std::vector<double> &offsets = spread.offsetsDeg;
    const double med = spread.medianOffsetDeg;
    result.medianDeg = spread.middleDeg();
    result.medianDeviationDeg = spread.medianDeviationDeg;
    result.outlierLimitDeg = std::max(3.0 * spread.medianDeviationDeg, kSurveyReadingDeg);

    std::vector<double> good;
    for (std::size_t j = 0; j < candidates.size(); ++j) {
        SurveyRow &row = rows[candidates[j]];
        row.deviationDeg = offsets[j] - med;
        if (std::abs(row.deviationDeg) > result.outlierLimitDeg) {
            row.state = SurveyRowState::Outlier;
        } else {
            good.push_back(row.declinationDeg);
        }
    }
    result.goodRows = static_cast<int>(good.size());
    result.meanDeg = circularMean(good);

    bool removed = false;
    for (std::size_t k : candidates) {
        if (std::cos((rows[k].sunAzimuthDeg - result.meanDeg) * kRad) <= 0) {
            rows[k].state = SurveyRowState::BehindWall;
            removed = true;
        }
    }
    return removed;
}

// The standard deviation of the good rows about their mean, and the accuracy of that mean.
void goodRowsSpread(SurveyResult &result)
{
    double sum2 = 0;
    for (const SurveyRow &row : result.rows)
        if (row.state == SurveyRowState::Good) {
            const double d = NormaliseDeg(row.declinationDeg - result.meanDeg);
            sum2 += d * d;
        }
    const double n = result.goodRows;
    result.spreadDeg = std::sqrt(sum2 / (n - 1.0));
    result.accuracyDeg = *result.spreadDeg / std::sqrt(n);
}

} // namespace

SurveyResult ReduceSurvey(const Place &place, const std::vector<SurveyObservation> &observations)
{
    SurveyResult result;
    result.status = CheckSurveyPlace(place);
    for (std::size_t k = 0; result.status.ok() && k < observations.size(); ++k)
        result.status = CheckObservation(observations[k], static_cast<int>(k));
    if (!result.status.ok())
        return result;

    result.rows = sunRows(place, observations);
    std::vector<SurveyRow> &rows = result.rows;

    // Each pass may find rows whose Sun stands behind the wall the others agree on; they leave
    // the set and the centre is found again. Every pass removes a row or ends the loop.
    for (std::size_t pass = 0; pass <= rows.size(); ++pass)
        if (!centrePass(result))
            break;

    for (std::size_t k = 0; k < rows.size(); ++k)
        if (rows[k].state != SurveyRowState::BelowHorizon)
            rows[k].hourOff = hourOffFromOthers(place, observations, rows, k);

    if (result.goodRows > 1)
        goodRowsSpread(result);
    if (result.goodRows == 0) {
        result.meanDeg = 0;
        result.medianDeg = 0;
        result.medianDeviationDeg = 0;
        result.outlierLimitDeg = 0;
    }
    return result;
}

InclinationResult InclinationFromPlumbLine(double lengthMm, double topMm, double bottomMm)
{
    InclinationResult out;
    if (!std::isfinite(lengthMm))
        out.status = Refuse(InputField::PlumbLength, RefusalReason::NotFinite);
    else if (lengthMm <= 0)
        out.status = Refuse(InputField::PlumbLength, RefusalReason::NotPositive);
    else if (!std::isfinite(topMm) || !std::isfinite(bottomMm))
        out.status = Refuse(InputField::PlumbOffset, RefusalReason::NotFinite);
    else if (topMm < 0 || bottomMm < 0)
        out.status = Refuse(InputField::PlumbOffset, RefusalReason::OutOfRange);
    if (!out.status.ok())
        return out;
    out.inclinationDeg = std::atan((topMm - bottomMm) / lengthMm) * kDeg;
    return out;
}

} // namespace gnomonics
