#include "gnomonics/diallines.h"

#include "gnomonics/angles.h"
#include "gnomonics/jobs.h"
#include "gnomonics/sun.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <tuple>

namespace gnomonics {

namespace {

// Hour lines are sampled every half degree of the Sun's declination: without refraction they
// are straight (apparent time) or nearly so, and the chords lie on them. Refraction bends them
// near the horizon, where a finer step keeps the chords within a few thousandths of a mm.
constexpr double kDeclinationStepDeg = 0.5;
constexpr double kRefractedDeclinationStepDeg = 0.125;

// Everything a line's point function needs, alive as long as the DialLines it came from.
struct Context {
    const DialSpec *design = nullptr;
    const DialPlane *plane = nullptr;
    const SolarTable *solar = nullptr;
    double lowestDeclinationDeg = 0;  // the solstices: where azimuth and altitude lines end
    double highestDeclinationDeg = 0;
};

// The Sun that casts the shadow: as it is seen, raised by refraction, when the design asks.
Vec3 castingSun(const AngleTrig &latitude, bool refraction, const AngleTrig &hourAngle, const AngleTrig &declination)
{
    const Vec3 sun = SunDirection(latitude, hourAngle, declination);
    return refraction ? RefractedDirection(sun) : sun;
}

Vec3 castingSun(const DialPlane &plane, bool refraction, double hourAngleDeg, double declinationDeg)
{
    return castingSun(AngleTrig(plane.input.latitudeDeg), refraction, AngleTrig(hourAngleDeg), AngleTrig(declinationDeg));
}

// How far below the horizon or behind the plane a crossing found on the edge of existence may
// fall by rounding (the Sun's direction cosines).
constexpr double kEdgeTolerance = 1e-12;

// Where the shadow of the nodus falls for a Sun seen in that direction, as a point of a line of
// that parameter standing for the Sun at that hour angle and declination; with `anywhere` the
// projection also where no shadow exists, for following a line's geometry across the edge of
// existence.
std::optional<DialPoint> castPoint(const DialPlane &plane, Vec3 seen, double hourAngleDeg, double declinationDeg,
                                   double parameter, bool anywhere)
{
    const auto at = anywhere ? NodusProjection(plane, seen) : NodusShadow(plane, seen);
    if (!at)
        return std::nullopt;
    DialPoint p;
    p.xMm = at->xMm;
    p.yMm = at->yMm;
    p.hourAngleDeg = hourAngleDeg;
    p.declinationDeg = declinationDeg;
    p.apparentHours = ApparentHoursOf(hourAngleDeg);
    p.parameter = parameter;
    return p;
}

// The point of a line for a Sun of that hour angle and declination, at the dial's latitude.
std::optional<DialPoint> shadowPoint(const DialPlane &plane, const AngleTrig &latitude, bool refraction,
                                     const AngleTrig &hourAngle, const AngleTrig &declination, double parameter,
                                     bool anywhere)
{
    return castPoint(plane, castingSun(latitude, refraction, hourAngle, declination), hourAngle.deg, declination.deg,
                     parameter, anywhere);
}

// The Italic line of sunset (24) and the Babylonian line of sunrise (0) stand for the Sun on
// the horizon itself: their points are the horizon line's, kept wherever the Sun is in front of
// the plane. Asking whether such a Sun is above the horizon would answer by the rounding of its
// height (a few 1e-17 either way) and break the line into dashes. With refraction these Suns
// stand 34' below the horizon and are seen just above it: ordinary points.
bool liesOnHorizon(const DialLine &line, bool refraction)
{
    if (refraction)
        return false;
    const bool italicSunset = line.family == LineFamily::Italic && std::remainder(line.hour, 24.0) == 0.0;
    const bool babylonianSunrise = line.family == LineFamily::Babylonian && std::remainder(line.hour, 24.0) == 0.0;
    return italicSunset || babylonianSunrise;
}

std::optional<DialPoint> horizonPoint(const DialPlane &plane, const AngleTrig &latitude, double hourAngleDeg,
                                      double declinationDeg, bool anywhere)
{
    const AngleTrig hourAngle(hourAngleDeg), declination(declinationDeg);
    const Vec3 sun = SunDirection(latitude, hourAngle, declination);
    if (!anywhere && !(dot(sun, plane.normal) > 0.0))
        return std::nullopt;
    return castPoint(plane, sun, hourAngleDeg, declinationDeg, declinationDeg, true);
}

// Where the shadow falls for a Sun seen at that azimuth (degrees from South, West positive) and
// altitude: a point of the lines of equal azimuth and equal altitude, kept only on days
// between the solstices.
std::optional<DialPoint> skyPoint(const Context &c, double azimuthDeg, double seenAltitudeDeg, double parameter,
                                  bool anywhere)
{
    const DialPlane &plane = *c.plane;
    const bool refraction = c.design->refraction;
    const double trueAltitudeDeg = refraction ? seenAltitudeDeg - BennettRefractionDeg(seenAltitudeDeg) : seenAltitudeDeg;
    auto towards = [azimuthDeg](double altitudeDeg) {
        const double a = azimuthDeg * angles::kRad, h = altitudeDeg * angles::kRad;
        return Vec3{-std::sin(a) * std::cos(h), -std::cos(a) * std::cos(h), std::sin(h)};
    };
    const Vec3 sun = towards(trueAltitudeDeg);
    const double phi = plane.input.latitudeDeg * angles::kRad;
    const Vec3 pole{0.0, std::cos(phi), std::sin(phi)};
    const Vec3 equatorOnMeridian{0.0, -std::sin(phi), std::cos(phi)};
    const Vec3 west{-1.0, 0.0, 0.0};
    const double declinationDeg = std::asin(std::clamp(dot(sun, pole), -1.0, 1.0)) * angles::kDeg;
    if (!anywhere && (declinationDeg < c.lowestDeclinationDeg || declinationDeg > c.highestDeclinationDeg))
        return std::nullopt;
    const Vec3 seen = refraction ? towards(seenAltitudeDeg) : sun;
    const double hourAngleDeg = std::atan2(dot(sun, west), dot(sun, equatorOnMeridian)) * angles::kDeg;
    return castPoint(plane, seen, hourAngleDeg, declinationDeg, parameter, anywhere);
}

// A clock-time line: straight when the equation of time is left out, else the analemma, traced
// day by day at the clock reading of the line. Hands the line's point function to `use`.
template <typename Use>
auto withClockLineFunction(const Context &c, const DialLine &line, bool anywhere, Use &&use)
{
    const DialPlane &plane = *c.plane;
    const AngleTrig lat(plane.input.latitudeDeg);
    const double hour = line.hour;
    const bool refr = c.design->refraction;
    const Place place = c.design->place;
    const ClockKind kind = line.clockKind;
    if (line.analemma == AnalemmaHalf::None) {
        const AngleTrig h(ClockHourAngleDeg(place, kind, hour, 0.0));
        return use([&plane, lat, refr, h, hour, anywhere](double d) {
            auto p = shadowPoint(plane, lat, refr, h, AngleTrig(d), d, anywhere);
            if (p) {
                p->hasClock = true;
                p->clockHours = hour;
            }
            return p;
        });
    }
    const double jd0 = JulianDay(line.analemmaFirstDay, ClockToUtHours(place, kind, hour));
    const double firstNoon = JulianDay(line.analemmaFirstDay, 12.0);
    const SolarTable *solar = c.solar;
    return use([&plane, lat, refr, solar, place, kind, hour, jd0, firstNoon, anywhere](double t) {
        double d = 0;
        double eot = 0;
        solar->at(jd0 + t, &d, &eot);
        auto p = shadowPoint(plane, lat, refr, AngleTrig(ClockHourAngleDeg(place, kind, hour, eot)), AngleTrig(d), t,
                             anywhere);
        if (p) {
            p->hasClock = true;
            p->clockHours = hour;
            const double day = std::round(t);
            if (std::abs(t - day) < 1e-9) {
                p->hasDate = true;
                p->date = CalendarDate(firstNoon + day);
            }
        }
        return p;
    });
}

// The point function of a line (its point at a parameter value), handed to `use` as the lambda
// it is, so that tracing calls it directly; use's result is returned.
template <typename Use>
auto withLineFunction(const Context &c, const DialLine &line, bool anywhere, Use &&use)
{
    const DialPlane &plane = *c.plane;
    const AngleTrig lat(plane.input.latitudeDeg);
    const double hour = line.hour;
    const bool refr = c.design->refraction;
    const double rise = SunriseAltitudeDeg(refr);
    switch (line.family) {
    case LineFamily::ApparentTime: {
        const AngleTrig h(ApparentTimeHourAngleDeg(hour));
        return use([&plane, lat, refr, h, anywhere](double d) {
            return shadowPoint(plane, lat, refr, h, AngleTrig(d), d, anywhere);
        });
    }
    case LineFamily::ClockTime:
        return withClockLineFunction(c, line, anywhere, use);
    case LineFamily::Italic:
    case LineFamily::Babylonian: {
        // Hours counted from sunset or from sunrise: the same line but for its hour angle.
        const auto hourAngleOf = line.family == LineFamily::Italic ? &ItalicHourAngleDeg : &BabylonianHourAngleDeg;
        if (liesOnHorizon(line, refr))
            return use([&plane, lat, hour, anywhere, hourAngleOf](double d) -> std::optional<DialPoint> {
                const auto h = hourAngleOf(lat.deg, d, hour, 0.0);
                return h ? horizonPoint(plane, lat, *h, d, anywhere) : std::nullopt;
            });
        return use([&plane, refr, rise, lat, hour, anywhere, hourAngleOf](double d) -> std::optional<DialPoint> {
            const auto h = hourAngleOf(lat.deg, d, hour, rise);
            return h ? shadowPoint(plane, lat, refr, AngleTrig(*h), AngleTrig(d), d, anywhere) : std::nullopt;
        });
    }
    case LineFamily::Temporary:
        return use([&plane, refr, rise, lat, hour, anywhere](double d) -> std::optional<DialPoint> {
            const auto h = TemporaryHourAngleDeg(lat.deg, d, hour, rise);
            return h ? shadowPoint(plane, lat, refr, AngleTrig(*h), AngleTrig(d), d, anywhere) : std::nullopt;
        });
    case LineFamily::Azimuth:
        return use([c, hour, anywhere](double altitude) { return skyPoint(c, hour, altitude, altitude, anywhere); });
    case LineFamily::Altitude:
        return use([c, hour, anywhere](double azimuth) { return skyPoint(c, azimuth, hour, azimuth, anywhere); });
    case LineFamily::DateLine: {
        const AngleTrig d(line.dateLine.declinationDeg);
        return use([&plane, lat, refr, d, anywhere](double h) {
            return shadowPoint(plane, lat, refr, AngleTrig(h), d, h, anywhere);
        });
    }
    }
    return use([](double) { return std::optional<DialPoint>{}; });
}

// The point function of a line as a function object, for the search of crossings.
LinePointFunction lineFunction(const Context &c, const DialLine &line, bool anywhere = false)
{
    return withLineFunction(c, line, anywhere, [](const auto &pointAt) { return LinePointFunction(pointAt); });
}

EngineStatus checkSpec(const DialSpec &design)
{
    if (EngineStatus s = CheckPlace(design.place); !s.ok())
        return s;
    if (design.year < kFirstYear || design.year > kLastYear)
        return Refuse(InputField::Year, RefusalReason::OutOfRange);
    if (!std::isfinite(design.dateLineStepMinutes))
        return Refuse(InputField::Step, RefusalReason::NotFinite);
    if (design.dateLineStepMinutes < 0.5 || design.dateLineStepMinutes > 60)
        return Refuse(InputField::Step, RefusalReason::OutOfRange);
    for (const double size : {design.bifilar.eastWestMm, design.bifilar.northSouthMm, design.analemmatic.semiAxisMm,
                              design.darkRoom.holeMm}) {
        if (!std::isfinite(size))
            return Refuse(InputField::KindSize, RefusalReason::NotFinite);
        if (!(size > 0.0) || size > kMaxKindSizeMm)
            return Refuse(InputField::KindSize, RefusalReason::OutOfRange);
    }
    if (!std::isfinite(design.analemmatic.gnomonMm) || design.analemmatic.gnomonMm < 0 ||
        design.analemmatic.gnomonMm > kMaxKindSizeMm)
        return Refuse(InputField::KindSize, RefusalReason::OutOfRange);
    for (const auto &[step, field] : {std::pair{design.sky.azimuthStepDeg, InputField::AzimuthStep},
                                      std::pair{design.sky.altitudeStepDeg, InputField::AltitudeStep}}) {
        if (!std::isfinite(step))
            return Refuse(field, RefusalReason::NotFinite);
        if (step != 0.0 && (step < kMinSkyStepDeg || step > 90.0))
            return Refuse(field, RefusalReason::OutOfRange);
    }
    return CheckClip(design.plate);
}

std::vector<double> declinationSamples(double lo, double hi, const std::vector<DateLine> &dates, double step)
{
    std::vector<double> s;
    for (double d = lo; d < hi; d += step)
        s.push_back(d);
    s.push_back(hi);
    for (const DateLine &line : dates)
        if (line.declinationDeg > lo && line.declinationDeg < hi)
            s.push_back(line.declinationDeg);
    std::sort(s.begin(), s.end());
    s.erase(std::unique(s.begin(), s.end()), s.end());
    return s;
}

gnomonics::CivilDate solsticeDay(int year, double longitudeDeg, double zoneHours)
{
    return CalendarDate(InstantOfSolarLongitude(year, longitudeDeg) + zoneHours / 24.0);
}

int daysBetween(const gnomonics::CivilDate &a, const gnomonics::CivilDate &b)
{
    return static_cast<int>(std::lround(JulianDay(b, 12) - JulianDay(a, 12)));
}

std::vector<double> hourLabels(const HourChoice &choice, double first, double last)
{
    std::vector<double> hours;
    const double step = choice.quarterHours ? 0.25 : choice.halfHours ? 0.5 : 1.0;
    for (double t = first; t <= last + 1e-9; t += step)
        hours.push_back(t);
    return hours;
}

// The Sun's declination at a solstice of the year: its range over the year runs between them.
double solsticeDeclination(int year, double longitudeDeg)
{
    const SunPosition s = SunAt(InstantOfSolarLongitude(year, longitudeDeg));
    return ZodiacEntryDeclinationDeg(longitudeDeg, s.trueObliquityDeg);
}

// Hour lines run between the solstices, or on to a date line drawn beyond them (a sheet's
// curve at a declination of its own), so that every date line meets them.
std::vector<double> hourLineDeclinations(double lowestDeg, double highestDeg, const std::vector<DateLine> &dates,
                                         bool refraction)
{
    double lowest = lowestDeg, highest = highestDeg;
    for (const DateLine &d : dates) {
        lowest = std::min(lowest, d.declinationDeg);
        highest = std::max(highest, d.declinationDeg);
    }
    return declinationSamples(lowest, highest, dates, refraction ? kRefractedDeclinationStepDeg : kDeclinationStepDeg);
}

// The Sun's declination and equation of time, tabulated over the year and a little beyond for
// the analemmas. The table depends on the year alone and costs some four hundred evaluations of
// the solar theory, while the designer redraws the same year at every keystroke: the last table
// made is kept and handed out again (it is never changed, so dials may share it).
std::shared_ptr<const SolarTable> analemmaTable(int year)
{
    static std::mutex guard;
    static int keptYear = 0;
    static std::shared_ptr<const SolarTable> kept;
    const std::lock_guard<std::mutex> lock(guard);
    if (!kept || keptYear != year) {
        const double first = JulianDay({year - 1, 12, 1}, 0.0) - 2.0;
        const double last = JulianDay({year + 1, 1, 1}, 0.0) + 3.0;
        kept = std::make_shared<const SolarTable>(first, static_cast<int>(last - first));
        keptYear = year;
    }
    return kept;
}

// The parameters a line is traced at; many lines share one set.
using Samples = std::shared_ptr<const std::vector<double>>;

Samples makeSamples(std::vector<double> values)
{
    return std::make_shared<const std::vector<double>>(std::move(values));
}

// The dial's lines in their order, each with its parameters, still to be traced.
struct LinePlan {
    std::vector<DialLine> lines;
    std::vector<Samples> samples;
    void add(DialLine line, Samples at)
    {
        lines.push_back(std::move(line));
        samples.push_back(std::move(at));
    }
};

// Below about this many points in all, the lines are traced on one thread: a thread costs more
// to start than a small dial takes to trace.
constexpr std::size_t kPointsWorthSplitting = 4000;

// Traces every planned line onto the plate and appends them to the dial in the plan's order.
// Each line is traced on its own from what the dial holds and nothing is written but its
// pieces, so the lines may be traced side by side on several cores: the drawing is the same.
void traceLines(DialLines &out, const Context &context, LinePlan plan)
{
    std::size_t points = 0;
    for (const Samples &at : plan.samples)
        points += at->size();
    RunJobs(plan.lines.size(), points >= kPointsWorthSplitting, [&](std::size_t i) {
        const LineFamily family = plan.lines[i].family;
        // The hour lines counted from sunrise or sunset bend sharply where the day shrinks to
        // nothing: their chords are halved there until they lie on the curve.
        const bool bends = family == LineFamily::Italic || family == LineFamily::Babylonian ||
                           family == LineFamily::Temporary;
        plan.lines[i].pieces = withLineFunction(context, plan.lines[i], false, [&](const auto &pointAt) {
            auto pieces = TraceLine(pointAt, *plan.samples[i], out.design.plate);
            if (bends)
                RefineChords(pointAt, pieces, out.design.plate);
            return pieces;
        });
    });
    for (DialLine &line : plan.lines)
        out.lines.push_back(std::move(line));
}

// One line of the family for each hour, traced along the Sun's declination.
void addHourLines(LinePlan &plan, const Context &context, LineFamily family, const std::vector<double> &hours,
                  const Samples &byDeclination)
{
    for (double t : hours) {
        DialLine line;
        line.family = family;
        line.hour = t;
        line.clockKind = context.design->hours.clockKind;
        plan.add(line, byDeclination);
    }
}

// The hours first, first + 1, ... up to last, counted as whole hours.
std::vector<double> wholeHours(double first, double last)
{
    std::vector<double> hours;
    for (double t = first; t <= last; ++t)
        hours.push_back(t);
    return hours;
}

// The days an analemma spans: the whole year, or its two halves between the solstices.
struct AnalemmaSpan {
    AnalemmaHalf half;
    gnomonics::CivilDate first;
    int days;
};

std::vector<AnalemmaSpan> analemmaSpans(const DialSpec &design)
{
    std::vector<AnalemmaSpan> spans;
    const double zone = design.place.zoneHours;
    if (design.hours.analemma == AnalemmaMode::Halves) {
        const auto decBefore = solsticeDay(design.year - 1, 270.0, zone);
        const auto june = solsticeDay(design.year, 90.0, zone);
        const auto dec = solsticeDay(design.year, 270.0, zone);
        spans.push_back({AnalemmaHalf::DecemberToJune, decBefore, daysBetween(decBefore, june)});
        spans.push_back({AnalemmaHalf::JuneToDecember, june, daysBetween(june, dec)});
    } else {
        const gnomonics::CivilDate jan1{design.year, 1, 1};
        spans.push_back({AnalemmaHalf::Whole, jan1, daysBetween(jan1, {design.year + 1, 1, 1})});
    }
    return spans;
}

// Each clock hour's analemma, one line per span, traced day by day.
void addAnalemmas(LinePlan &plan, const std::vector<double> &hours, const std::vector<AnalemmaSpan> &spans,
                  ClockKind kind)
{
    std::vector<Samples> daysOfSpan;
    for (const AnalemmaSpan &span : spans) {
        std::vector<double> days;
        for (int d = 0; d <= span.days; ++d)
            days.push_back(d);
        daysOfSpan.push_back(makeSamples(std::move(days)));
    }
    for (double t : hours)
        for (std::size_t k = 0; k < spans.size(); ++k) {
            DialLine line;
            line.family = LineFamily::ClockTime;
            line.clockKind = kind;
            line.hour = t;
            line.analemma = spans[k].half;
            line.analemmaFirstDay = spans[k].first;
            line.analemmaDays = spans[k].days;
            plan.add(line, daysOfSpan[k]);
        }
}

void addClockLines(LinePlan &plan, const Context &context, const DialSpec &design, bool analemmas,
                   const Samples &byDeclination)
{
    const HourChoice &hours = design.hours;
    const double noon = 12.0 + (hours.clockKind == ClockKind::Zone && design.place.summerTime ? 1.0 : 0.0);
    std::vector<double> labels = hours.analemma == AnalemmaMode::NoonOnly && analemmas
        ? std::vector<double>{noon} : hourLabels(hours, 0.0, 23.75);
    if (!analemmas)
        addHourLines(plan, context, LineFamily::ClockTime, labels, byDeclination);
    else
        addAnalemmas(plan, labels, analemmaSpans(design), hours.clockKind);
}

// The angles a family of sky lines stands at: every step from `first` while within `last`.
std::vector<double> stepsFrom(double first, double last, double step)
{
    std::vector<double> at;
    for (int k = 0; first + k * step <= last + 1e-9; ++k)
        at.push_back(first + k * step);
    return at;
}

// Lines of equal azimuth (from South, both ways round to North) traced up the Sun's seen
// altitude, and of equal altitude traced round the azimuth: from North to North through South,
// or in the southern hemisphere through North, so that the noon part of a line is never cut.
void addSkyLines(LinePlan &plan, const DialSpec &design)
{
    const SkyLineChoice &sky = design.sky;
    if (sky.azimuthStepDeg > 0) {
        const Samples byAltitude = makeSamples(stepsFrom(0.0, 90.0, 0.5));
        std::vector<double> azimuths;
        for (double a : stepsFrom(-180.0 + std::fmod(180.0, sky.azimuthStepDeg), 180.0, sky.azimuthStepDeg))
            if (a > -180.0 + 1e-9) // -180 and 180 are one line
                azimuths.push_back(std::abs(a) < 1e-9 ? 0.0 : a);
        for (double a : azimuths) {
            DialLine line;
            line.family = LineFamily::Azimuth;
            line.hour = a;
            plan.add(line, byAltitude);
        }
    }
    if (sky.altitudeStepDeg > 0) {
        const double from = design.place.latitudeDeg >= 0 ? -180.0 : 0.0;
        const Samples byAzimuth = makeSamples(stepsFrom(from, from + 360.0, 0.25));
        for (double h : stepsFrom(sky.altitudeStepDeg, 90.0 - 1e-6, sky.altitudeStepDeg)) {
            DialLine line;
            line.family = LineFamily::Altitude;
            line.hour = h;
            plan.add(line, byAzimuth);
        }
    }
}

// Date lines are traced along the hour angle, from midnight to midnight in the design's step.
std::vector<double> hourAngleSamples(double stepMinutes)
{
    std::vector<double> byHourAngle;
    const double stepDeg = stepMinutes / 4.0;
    for (double h = -180.0; h < 180.0; h += stepDeg)
        byHourAngle.push_back(h);
    byHourAngle.push_back(180.0);
    return byHourAngle;
}

std::optional<Segment> clippedGreatCircle(const DialPlane &plane, const ClipRect &plate, Vec3 circleNormal)
{
    if (!(length(circleNormal) > 1e-12))
        return std::nullopt;
    const auto l = GreatCircleLine(plane, circleNormal);
    return l ? ClipStraightLine(*l, plate) : std::nullopt;
}

ConstructionLines constructionLines(const DialPlane &plane, const ClipRect &plate)
{
    const Vec3 zenith{0, 0, 1};
    const Vec3 east{1, 0, 0};
    ConstructionLines c;
    c.substyle = clippedGreatCircle(plane, plate, cross(plane.pole, plane.normal));
    c.noon = clippedGreatCircle(plane, plate, east);
    c.equinoctial = clippedGreatCircle(plane, plate, plane.pole);
    c.horizon = clippedGreatCircle(plane, plate, zenith);
    return c;
}

// The days a date scale or a meridian line marks: each date line's day, and both equinoxes.
std::vector<DateLine> markedDays(const std::vector<DateLine> &dates, const DialSpec &design)
{
    std::vector<DateLine> days;
    for (const DateLine &d : dates) {
        if (d.kind == DateLineKind::Declination)
            continue;
        days.push_back(d);
        if (d.kind == DateLineKind::Equinoxes) {
            DateLine autumn = d;
            autumn.index = 6;
            autumn.partner = -1;
            autumn.date = CalendarDate(InstantOfSolarLongitude(design.year, 180.0) + design.place.zoneHours / 24.0);
            days.back().partner = -1;
            days.push_back(autumn);
        }
    }
    return days;
}

// The analemmatic dial: the hour marks on the ellipse x = M sin H, y = M sin(latitude) cos H
// (from its centre, x East, y North), for the hours the Sun can be up on the longest day, and
// the date scale y = M tan(d) cos(latitude) with d the Sun's declination at apparent noon.
void addAnalemmaticMarks(DialLines &out, const std::vector<DateLine> &dates)
{
    const DialSpec &design = out.design;
    const double lat = design.place.latitudeDeg * angles::kRad;
    const double m = design.analemmatic.semiAxisMm;
    const double longest = design.place.latitudeDeg >= 0 ? out.highestDeclinationDeg : out.lowestDeclinationDeg;
    const auto sunset = SunsetHourAngleDeg(design.place.latitudeDeg, longest);
    const double widest = sunset ? *sunset : 180.0;
    const bool clock = design.hours.clock;
    for (double t : hourLabels(design.hours, 0.0, 23.75)) {
        if (!clock && !design.hours.apparent)
            break;
        const double h = angles::wrap180(clock ? ClockHourAngleDeg(design.place, ClockKind::Zone, t, 0.0)
                                               : ApparentTimeHourAngleDeg(t));
        if (std::abs(h) > widest)
            continue;
        DialMark mark;
        mark.kind = MarkKind::AnalemmaticHour;
        mark.hour = t;
        mark.hourAngleDeg = h;
        mark.at = {m * std::sin(h * angles::kRad), m * std::sin(lat) * std::cos(h * angles::kRad)};
        if (design.plate.contains(mark.at))
            out.marks.push_back(mark);
    }
    for (const DateLine &d : markedDays(dates, design)) {
        DialMark mark;
        mark.kind = MarkKind::DateScale;
        mark.dateLine = d;
        mark.declinationDeg = NoonDeclinationDeg(d.date, design.place.longitudeDeg);
        mark.at = {0.0, m * std::tan(mark.declinationDeg * angles::kRad) * std::cos(lat)};
        if (design.plate.contains(mark.at))
            out.marks.push_back(mark);
    }
}

// The edge of the spot of light a hole of diameter d throws for a Sun of that apparent
// semidiameter: the cone of the Sun's disc through the hole's centre, cut by the plane, widened
// all round by d / 2 (a hole parallel to the plane: every point of it throws the same image,
// moved by as much).
std::vector<Point2> spotOutline(const DialPlane &plane, bool refraction, Vec3 sun, double semidiameterDeg, double holeMm)
{
    const Vec3 u = (1.0 / length(sun)) * sun;
    const Vec3 e1 = std::abs(u.z) < 0.9 ? cross(u, Vec3{0, 0, 1}) : cross(u, Vec3{1, 0, 0});
    const Vec3 a = (1.0 / length(e1)) * e1;
    const Vec3 b = cross(u, a);
    const double s = semidiameterDeg * angles::kRad;
    std::vector<Point2> ring;
    constexpr int kSteps = 72;
    for (int k = 0; k < kSteps; ++k) {
        const double th = 2.0 * std::numbers::pi * k / kSteps;
        Vec3 v = std::cos(s) * u + std::sin(s) * (std::cos(th) * a + std::sin(th) * b);
        if (refraction)
            v = RefractedDirection(v);
        const auto at = NodusProjection(plane, v);
        if (!at)
            return {};
        ring.push_back(*at);
    }
    Point2 c;
    for (const Point2 &p : ring)
        c = {c.xMm + p.xMm / kSteps, c.yMm + p.yMm / kSteps};
    std::vector<Point2> out;
    for (int k = 0; k < kSteps; ++k) {
        const Point2 prev = ring[(k + kSteps - 1) % kSteps], next = ring[(k + 1) % kSteps];
        double nx = next.yMm - prev.yMm, ny = -(next.xMm - prev.xMm);
        const double len = std::hypot(nx, ny);
        if (!(len > 0))
            continue;
        nx /= len;
        ny /= len;
        if (nx * (ring[k].xMm - c.xMm) + ny * (ring[k].yMm - c.yMm) < 0) {
            nx = -nx;
            ny = -ny;
        }
        out.push_back({ring[k].xMm + nx * holeMm / 2, ring[k].yMm + ny * holeMm / 2});
    }
    return out;
}

// The meridian line of a dark room: the apparent noon line, the figure eight of local mean
// noon (and of the zone's noon when clock time is chosen), each chosen day's spot at apparent
// noon, and the spots' edges at the solstices and equinoxes.
void addDarkRoom(DialLines &out, LinePlan &plan, const std::vector<DateLine> &dates, const Samples &byDeclination)
{
    const DialSpec &design = out.design;
    DialLine noon;
    noon.family = LineFamily::ApparentTime;
    noon.hour = 12;
    plan.add(noon, byDeclination);
    const std::vector<AnalemmaSpan> year{{AnalemmaHalf::Whole, {design.year, 1, 1},
                                          daysBetween({design.year, 1, 1}, {design.year + 1, 1, 1})}};
    addAnalemmas(plan, {12.0}, year, ClockKind::LocalMean);
    if (design.hours.clock)
        addAnalemmas(plan, {12.0 + (design.place.summerTime ? 1.0 : 0.0)}, year, ClockKind::Zone);
    for (const DateLine &d : markedDays(dates, design)) {
        DialMark mark;
        mark.kind = MarkKind::NoonSpot;
        mark.dateLine = d;
        // The Sun at the place's apparent noon of that day.
        const double noonUt = 12.0 - design.place.longitudeDeg / 15.0;
        const SunPosition sun = SunAt(JulianDay(d.date, noonUt - SunAt(JulianDay(d.date, noonUt)).equationOfTimeMinutes / 60.0));
        mark.declinationDeg = sun.declinationDeg;
        const Vec3 direction = castingSun(out.plane, design.refraction, 0.0, mark.declinationDeg);
        const auto at = NodusShadow(out.plane, direction);
        if (!at || !design.plate.contains(*at))
            continue;
        mark.at = *at;
        if (d.kind == DateLineKind::Solstice || d.kind == DateLineKind::Equinoxes) {
            const double semidiameterDeg = 959.63 / 3600.0 / sun.distanceAu;
            mark.outline = spotOutline(out.plane, design.refraction, SunDirection(out.plane.input.latitudeDeg, 0.0, mark.declinationDeg),
                                       semidiameterDeg, design.darkRoom.holeMm);
        }
        out.marks.push_back(std::move(mark));
    }
}

} // namespace

PlaneInput KindPlane(const DialSpec &design)
{
    switch (design.kind) {
    case DialKind::Bifilar:
        return {design.place.latitudeDeg, 0.0, 90.0, GnomonSize::NodusHeight, design.bifilar.eastWestMm};
    case DialKind::Analemmatic:
        return {design.place.latitudeDeg, 0.0, 90.0, GnomonSize::NodusHeight,
                design.analemmatic.gnomonMm > 0 ? design.analemmatic.gnomonMm : 1.0};
    case DialKind::Plane:
    case DialKind::DarkRoom:
        break;
    }
    return {design.place.latitudeDeg, design.declinationDeg, design.inclinationDeg, design.gnomon, design.gnomonMm};
}

DialSpec KindDesign(DialSpec design)
{
    if (design.kind != DialKind::Analemmatic && design.kind != DialKind::DarkRoom)
        return design;
    HourChoice &hours = design.hours;
    hours.italic = hours.babylonian = hours.temporary = false;
    design.sky = {};
    hours.clockKind = ClockKind::Zone;
    if (design.kind == DialKind::Analemmatic) {
        hours.apparent = hours.apparent && !hours.clock;
    } else {
        hours.apparent = true;
        hours.halfHours = hours.quarterHours = false;
        hours.equationOfTime = true;
        hours.analemma = AnalemmaMode::Whole;
    }
    return design;
}

PlaneOrientation EquatorialPlane(double latitudeDeg)
{
    // The upper face looks at the celestial pole above the horizon: North and up by the
    // latitude in the northern hemisphere, South and up in the southern.
    return latitudeDeg >= 0 ? PlaneOrientation{180.0, latitudeDeg} : PlaneOrientation{0.0, -latitudeDeg};
}

PlaneOrientation PolarPlane(double latitudeDeg, PolarFacing facing)
{
    switch (facing) {
    case PolarFacing::East: return {-90.0, 0.0};
    case PolarFacing::West: return {90.0, 0.0};
    case PolarFacing::Equator: break;
    }
    // Facing the equator's point on the meridian: up by 90 - |latitude|, towards the South in
    // the northern hemisphere.
    return latitudeDeg >= 0 ? PlaneOrientation{0.0, 90.0 - latitudeDeg} : PlaneOrientation{180.0, 90.0 + latitudeDeg};
}

DialLines BuildDialLines(const DialSpec &design)
{
    DialLines out;
    out.status = checkSpec(design);
    if (!out.status.ok())
        return out;
    const DialPlaneResult made = MakeDialPlane(KindPlane(design));
    if (!made.status.ok()) {
        out.status = made.status;
        return out;
    }
    const DateLinesResult dates = ChooseDateLines(design.dates, design.place, design.year);
    if (!dates.status.ok()) {
        out.status = dates.status;
        return out;
    }
    out.design = KindDesign(design);
    out.plane = made.plane;
    if (design.kind == DialKind::Bifilar)
        out.plane.right = (design.bifilar.northSouthMm / design.bifilar.eastWestMm) * out.plane.right;
    const HourChoice &hours = design.hours;

    out.lowestDeclinationDeg = solsticeDeclination(design.year, 270.0);
    out.highestDeclinationDeg = solsticeDeclination(design.year, 90.0);
    const Samples byDeclination = makeSamples(
        hourLineDeclinations(out.lowestDeclinationDeg, out.highestDeclinationDeg, dates.lines, design.refraction));

    const bool analemmas = (hours.clock && hours.equationOfTime) || design.kind == DialKind::DarkRoom;
    if (analemmas)
        out.solar = analemmaTable(design.year);
    const Context context{&out.design, &out.plane, out.solar.get(), out.lowestDeclinationDeg,
                          out.highestDeclinationDeg};
    LinePlan plan;
    if (design.kind == DialKind::Analemmatic || design.kind == DialKind::DarkRoom) {
        if (design.kind == DialKind::Analemmatic)
            addAnalemmaticMarks(out, dates.lines);
        else
            addDarkRoom(out, plan, dates.lines, byDeclination);
        traceLines(out, context, std::move(plan));
        out.construction = constructionLines(out.plane, design.plate);
        out.centreOnPlate = design.kind == DialKind::DarkRoom && out.plane.hasCentre && design.plate.contains(out.plane.centre);
        out.footOnPlate = design.plate.contains({0, 0});
        return out;
    }

    if (hours.apparent)
        addHourLines(plan, context, LineFamily::ApparentTime, hourLabels(hours, 0.0, 23.75), byDeclination);
    if (hours.clock)
        addClockLines(plan, context, design, analemmas, byDeclination);
    if (hours.italic)
        addHourLines(plan, context, LineFamily::Italic, wholeHours(1, 24), byDeclination);
    if (hours.babylonian)
        addHourLines(plan, context, LineFamily::Babylonian, wholeHours(0, 23), byDeclination);
    // Sunrise (0) and sunset (12) are the horizon line itself.
    if (hours.temporary)
        addHourLines(plan, context, LineFamily::Temporary, wholeHours(1, 11), byDeclination);
    addSkyLines(plan, design);

    const Samples byHourAngle = makeSamples(hourAngleSamples(design.dateLineStepMinutes));
    for (const DateLine &d : dates.lines) {
        DialLine line;
        line.family = LineFamily::DateLine;
        line.dateLine = d;
        plan.add(line, byHourAngle);
    }
    traceLines(out, context, std::move(plan));

    out.construction = constructionLines(out.plane, design.plate);
    out.centreOnPlate = out.plane.hasCentre && design.plate.contains(out.plane.centre);
    out.footOnPlate = design.plate.contains({0, 0});
    return out;
}

namespace {

struct SegmentRef {
    std::size_t line;
    std::size_t piece;
    std::size_t index; // the segment from point index to index + 1
    std::size_t serial; // the segment's number among family b's, to list it once per test
};

const DialPoint &pointOf(const DialLines &dial, const SegmentRef &s, std::size_t k)
{
    return dial.lines[s.line].pieces[s.piece][s.index + k];
}

// Where segments p0-p1 and q0-q1 cross: their parameters s, u in 0..1.
bool segmentsCross(const DialPoint &p0, const DialPoint &p1, const DialPoint &q0,
                   const DialPoint &q1, double *s, double *u)
{
    const double rx = p1.xMm - p0.xMm, ry = p1.yMm - p0.yMm;
    const double qx = q1.xMm - q0.xMm, qy = q1.yMm - q0.yMm;
    const double den = rx * qy - ry * qx;
    if (den == 0.0)
        return false;
    const double wx = q0.xMm - p0.xMm, wy = q0.yMm - p0.yMm;
    *s = (wx * qy - wy * qx) / den;
    *u = (wx * ry - wy * rx) / den;
    return *s >= 0.0 && *s <= 1.0 && *u >= 0.0 && *u <= 1.0;
}

// Newton's method on both lines' parameters so that their points coincide.
bool refine(const DialPlane &plane, bool refraction, const LinePointFunction &fa, const LinePointFunction &fb,
            const ClipRect &clip, double ta, double tb, double scaleA, double scaleB, Crossing *out)
{
    for (int iteration = 0; iteration < 12; ++iteration) {
        const auto a = fa(ta);
        const auto b = fb(tb);
        if (!a || !b)
            return false;
        const double fx = a->xMm - b->xMm, fy = a->yMm - b->yMm;
        if (std::hypot(fx, fy) < 1e-7) {
            // A crossing on the horizon line (sunset with sunrise hours, say) may land a
            // rounding below it; beyond that it does not exist.
            const Vec3 sun = castingSun(plane, refraction, a->hourAngleDeg, a->declinationDeg);
            if (!clip.contains({a->xMm, a->yMm}) || sun.z < -kEdgeTolerance
                || dot(sun, plane.normal) <= 0.0)
                return false;
            out->onA = *a;
            out->onB = *b;
            return true;
        }
        const double ha = 1e-6 * scaleA, hb = 1e-6 * scaleB;
        const auto a1 = fa(ta + ha), a0 = fa(ta - ha);
        const auto b1 = fb(tb + hb), b0 = fb(tb - hb);
        if (!a1 || !a0 || !b1 || !b0)
            return false;
        const double jax = (a1->xMm - a0->xMm) / (2 * ha), jay = (a1->yMm - a0->yMm) / (2 * ha);
        const double jbx = -(b1->xMm - b0->xMm) / (2 * hb), jby = -(b1->yMm - b0->yMm) / (2 * hb);
        const double det = jax * jby - jbx * jay;
        if (!(std::abs(det) > 0))
            return false;
        const double dta = (fx * jby - fy * jbx) / det;
        const double dtb = (jax * fy - jay * fx) / det;
        ta -= dta;
        tb -= dtb;
        if (!std::isfinite(ta) || !std::isfinite(tb))
            return false;
    }
    return false;
}

// Segments of one family, bucketed in a grid over the plate.
struct SegmentGrid {
    double leftMm = 0;
    double bottomMm = 0;
    int cells = 0; // along each side
    double cellW = 0;
    double cellH = 0;
    std::vector<std::vector<SegmentRef>> buckets;
    std::size_t segments = 0; // how many were filed, each under its serial number
};

std::size_t segmentCount(const DialLines &dial, LineFamily family)
{
    std::size_t n = 0;
    for (const DialLine &line : dial.lines)
        if (line.family == family)
            for (const auto &piece : line.pieces)
                n += piece.empty() ? 0 : piece.size() - 1;
    return n;
}

int cellOf(double v, double originMm, double cellMm, int cells)
{
    return std::clamp(static_cast<int>(std::floor((v - originMm) / cellMm)), 0, cells - 1);
}

// The cells a segment passes through: it is walked in steps of half a cell, each step's box
// covering at most four cells, so that a long slanting segment is not filed under every cell
// of its whole box.
template <typename Visit>
void forEachCell(const SegmentGrid &grid, const DialPoint &p, const DialPoint &q, Visit &&visit)
{
    if (!std::isfinite(p.xMm) || !std::isfinite(p.yMm) || !std::isfinite(q.xMm) || !std::isfinite(q.yMm))
        return;
    const double dx = q.xMm - p.xMm, dy = q.yMm - p.yMm;
    const double cells = std::max(std::abs(dx) / grid.cellW, std::abs(dy) / grid.cellH);
    const int steps = static_cast<int>(std::clamp(std::ceil(2.0 * cells), 1.0, 4.0 * grid.cells));
    for (int k = 0; k < steps; ++k) {
        const double sx0 = p.xMm + dx * k / steps;
        const double sy0 = p.yMm + dy * k / steps;
        const double sx1 = p.xMm + dx * (k + 1) / steps;
        const double sy1 = p.yMm + dy * (k + 1) / steps;
        const int x0 = cellOf(std::min(sx0, sx1), grid.leftMm, grid.cellW, grid.cells);
        const int x1 = cellOf(std::max(sx0, sx1), grid.leftMm, grid.cellW, grid.cells);
        const int y0 = cellOf(std::min(sy0, sy1), grid.bottomMm, grid.cellH, grid.cells);
        const int y1 = cellOf(std::max(sy0, sy1), grid.bottomMm, grid.cellH, grid.cells);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                visit(static_cast<std::size_t>(y * grid.cells + x));
    }
}

// On a plate large beside its nodus the lines crowd into a few cells of a coarse grid and every
// segment met thousands of others there: the grid is finer the more segments there are, four
// times the square root of their number a side (at most 1600, some 60 MB of empty cells), since
// the lines crowd round the foot and leave most of a large plate bare. The crossings found are
// the same at any fineness; only the time to find them changes (a 20 m plate with a 100 mm nodus
// and lines of azimuth and altitude every degree: 2,3 s for its CSV, now 0,8).
SegmentGrid fileSegments(const DialLines &dial, LineFamily family)
{
    const ClipRect &clip = dial.design.plate;
    SegmentGrid grid;
    grid.leftMm = clip.leftMm;
    grid.bottomMm = clip.bottomMm;
    grid.cells = std::clamp(static_cast<int>(4.0 * std::sqrt(static_cast<double>(segmentCount(dial, family)))), 48, 1600);
    grid.cellW = (clip.rightMm - clip.leftMm) / grid.cells;
    grid.cellH = (clip.topMm - clip.bottomMm) / grid.cells;
    grid.buckets.resize(static_cast<std::size_t>(grid.cells * grid.cells));
    std::size_t serial = 0;
    for (std::size_t l = 0; l < dial.lines.size(); ++l) {
        if (dial.lines[l].family != family)
            continue;
        for (std::size_t p = 0; p < dial.lines[l].pieces.size(); ++p)
            for (std::size_t i = 0; i + 1 < dial.lines[l].pieces[p].size(); ++i) {
                const SegmentRef ref{l, p, i, serial++};
                forEachCell(grid, pointOf(dial, ref, 0), pointOf(dial, ref, 1), [&](std::size_t cell) {
                    std::vector<SegmentRef> &bucket = grid.buckets[cell];
                    if (bucket.empty() || bucket.back().serial != ref.serial)
                        bucket.push_back(ref);
                });
            }
    }
    grid.segments = serial;
    return grid;
}

struct Hit {
    SegmentRef rb;
    double s;
    double u;
};

// What the search keeps from one segment to the next, so as not to allocate it again.
struct Scratch {
    std::vector<std::size_t> seen; // the test that last met each filed segment
    std::size_t test = 0;
    std::vector<SegmentRef> candidates;
    std::vector<Hit> hits;
};

// The filed segments that segment ra crosses, into scratch.hits. A segment spread over several
// cells is tested once, in the order of the lines, so that the crossings come out in the same
// order whatever the grid.
void findHits(const DialLines &dial, const SegmentGrid &grid, const SegmentRef &ra, bool sameFamily,
              Scratch &scratch)
{
    const DialPoint &p0 = pointOf(dial, ra, 0);
    const DialPoint &p1 = pointOf(dial, ra, 1);
    ++scratch.test;
    scratch.candidates.clear();
    forEachCell(grid, p0, p1, [&](std::size_t cell) {
        for (const SegmentRef &rb : grid.buckets[cell])
            if (rb.line != ra.line && (!sameFamily || rb.line > ra.line) && scratch.seen[rb.serial] != scratch.test) {
                scratch.seen[rb.serial] = scratch.test;
                scratch.candidates.push_back(rb);
            }
    });
    scratch.hits.clear();
    for (const SegmentRef &rb : scratch.candidates) {
        Hit h{rb, 0, 0};
        if (segmentsCross(p0, p1, pointOf(dial, rb, 0), pointOf(dial, rb, 1), &h.s, &h.u))
            scratch.hits.push_back(h);
    }
    std::sort(scratch.hits.begin(), scratch.hits.end(),
              [](const Hit &x, const Hit &y) { return x.rb.serial < y.rb.serial; });
}

// The crossing of the two lines near where their segments cross, refined on the lines
// themselves; nothing where it falls off the plate or where no shadow falls.
std::optional<Crossing> crossingAt(const DialLines &dial, const Context &context, const SegmentRef &ra,
                                   const LinePointFunction &fa, const LinePointFunction &faAnywhere,
                                   const Hit &hit)
{
    const ClipRect &clip = dial.design.plate;
    const DialPoint &p0 = pointOf(dial, ra, 0);
    const DialPoint &p1 = pointOf(dial, ra, 1);
    const SegmentRef &rb = hit.rb;
    const DialPoint &q0 = pointOf(dial, rb, 0);
    const DialPoint &q1 = pointOf(dial, rb, 1);
    const double s = hit.s, u = hit.u;
    const double ta = p0.parameter + s * (p1.parameter - p0.parameter);
    const double tb = q0.parameter + u * (q1.parameter - q0.parameter);
    Crossing c;
    c.lineA = ra.line;
    c.lineB = rb.line;
    const LinePointFunction fb = lineFunction(context, dial.lines[rb.line]);
    const LinePointFunction fbAnywhere = lineFunction(context, dial.lines[rb.line], true);
    if (!refine(dial.plane, dial.design.refraction, faAnywhere, fbAnywhere, clip, ta, tb, std::abs(p1.parameter - p0.parameter) + 1e-9,
                std::abs(q1.parameter - q0.parameter) + 1e-9, &c)) {
        // Keep the polyline crossing, each point still a true shadow of its line.
        auto oa = fa(ta);
        auto ob = fb(tb);
        if (!oa || !ob || !clip.contains({oa->xMm, oa->yMm}))
            return std::nullopt;
        c.onA = *oa;
        c.onB = *ob;
    }
    return c;
}

// A crossing on a shared vertex is met from two segments: keep it once. Only this line's
// crossings, the last ones found, can repeat it.
bool alreadyFound(const std::vector<Crossing> &found, const Crossing &c)
{
    bool repeated = false;
    for (auto o = found.rbegin(); o != found.rend() && o->lineA == c.lineA && !repeated; ++o)
        repeated = o->lineB == c.lineB && std::hypot(o->onA.xMm - c.onA.xMm, o->onA.yMm - c.onA.yMm) < 1e-3;
    return repeated;
}

} // namespace

std::vector<Crossing> FindCrossings(const DialLines &dial, LineFamily a, LineFamily b)
{
    std::vector<Crossing> found;
    if (!dial.status.ok())
        return found;
    const Context context{&dial.design, &dial.plane, dial.solar.get(), dial.lowestDeclinationDeg,
                          dial.highestDeclinationDeg};
    const SegmentGrid grid = fileSegments(dial, b);
    Scratch scratch;
    scratch.seen.assign(grid.segments, 0);
    for (std::size_t l = 0; l < dial.lines.size(); ++l) {
        if (dial.lines[l].family != a)
            continue;
        const LinePointFunction fa = lineFunction(context, dial.lines[l]);
        const LinePointFunction faAnywhere = lineFunction(context, dial.lines[l], true);
        for (std::size_t p = 0; p < dial.lines[l].pieces.size(); ++p)
            for (std::size_t i = 0; i + 1 < dial.lines[l].pieces[p].size(); ++i) {
                const SegmentRef ra{l, p, i, 0};
                findHits(dial, grid, ra, a == b, scratch);
                for (const Hit &hit : scratch.hits) {
                    const std::optional<Crossing> c = crossingAt(dial, context, ra, fa, faAnywhere, hit);
                    if (c && !alreadyFound(found, *c))
                        found.push_back(*c);
                }
            }
    }
    return found;
}

} // namespace gnomonics
