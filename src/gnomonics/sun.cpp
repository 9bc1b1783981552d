#include "gnomonics/sun.h"

#include "gnomonics/angles.h"

#include <array>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace gnomonics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kJ2000 = 2451545.0;

using angles::kDeg;
using angles::kRad;
using angles::wrap180;
using angles::wrap360;

// One term A cos(B + C tau) of the VSOP87 Earth series, A in 1e-8 rad (or AU), tau in
// Julian millennia from J2000.0 (TT).
struct Term {
    double a, b, c;
};

// Meeus, Astronomical Algorithms, appendix III (the terms he keeps for the Earth).
constexpr Term kL0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
};
constexpr Term kL1[] = {
    {628331966747, 0, 0},
    {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517},
    {425, 1.590, 3.523},
    {119, 5.796, 26.298},
    {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},
    {72, 1.14, 529.69},
    {68, 1.87, 398.15},
    {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},
    {56, 2.17, 155.42},
    {45, 0.40, 796.30},
    {36, 0.47, 775.52},
    {29, 2.65, 7.11},
    {21, 5.34, 0.98},
    {19, 1.85, 5486.78},
    {19, 4.97, 213.30},
    {17, 2.99, 6275.96},
    {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},
    {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},
    {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},
    {12, 2.08, 4694.00},
    {11, 0.77, 553.57},
    {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},
    {9, 2.70, 242.73},
    {9, 5.64, 951.72},
    {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},
    {6, 4.67, 4690.48},
};
constexpr Term kL2[] = {
    {52919, 0, 0},
    {8720, 1.0721, 6283.0758},
    {309, 0.867, 12566.152},
    {27, 0.05, 3.52},
    {16, 5.19, 26.30},
    {16, 3.68, 155.42},
    {10, 0.76, 18849.23},
    {9, 2.06, 77713.77},
    {7, 0.83, 775.52},
    {5, 4.66, 1577.34},
    {4, 1.03, 7.11},
    {4, 3.44, 5573.14},
    {3, 5.14, 796.30},
    {3, 6.05, 5507.55},
    {3, 1.19, 242.73},
    {3, 6.12, 529.69},
    {3, 0.31, 398.15},
    {3, 2.28, 553.57},
    {2, 4.38, 5223.69},
    {2, 3.75, 0.98},
};
constexpr Term kL3[] = {
    {289, 5.844, 6283.076},
    {35, 0, 0},
    {17, 5.49, 12566.15},
    {3, 5.20, 155.42},
    {1, 4.72, 3.52},
    {1, 5.30, 18849.23},
    {1, 5.97, 242.73},
};
constexpr Term kL4[] = {
    {114, 3.142, 0},
    {8, 4.13, 6283.08},
    {1, 3.84, 12566.15},
};
constexpr Term kL5[] = {
    {1, 3.14, 0},
};
constexpr Term kB0[] = {
    {280, 3.199, 84334.662},
    {102, 5.422, 5507.553},
    {80, 3.88, 5223.69},
    {44, 3.70, 2352.87},
    {32, 4.00, 1577.34},
};
constexpr Term kB1[] = {
    {9, 3.90, 5507.55},
    {6, 1.73, 5223.69},
};
constexpr Term kR0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.0758500},
    {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.770},
    {542, 4.564, 3930.210},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.900, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.70},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694.00},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.90, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.90},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.60},
    {28, 1.90, 6279.55},
    {26, 4.59, 10447.39},
};
constexpr Term kR1[] = {
    {103019, 1.107490, 6283.075850},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
};
constexpr Term kR2[] = {
    {4359, 5.7846, 6283.0758},
    {124, 5.579, 12566.152},
    {12, 3.14, 0},
    {9, 3.63, 77713.77},
    {6, 1.87, 5573.14},
    {3, 5.47, 18849.23},
};
constexpr Term kR3[] = {
    {145, 4.273, 6283.076},
    {7, 3.92, 12566.15},
};
constexpr Term kR4[] = {
    {4, 2.56, 6283.08},
};

double sumSeries(std::span<const Term> terms, double tau)
{
    double s = 0;
    for (const Term &t : terms)
        s += t.a * std::cos(t.b + t.c * tau);
    return s;
}

// Sum of the series S0 + S1 tau + S2 tau^2 + ..., scaled from 1e-8.
double evaluate(std::initializer_list<std::span<const Term>> powers, double tau)
{
    double total = 0;
    double factor = 1;
    for (const auto &series : powers) {
        total += sumSeries(series, tau) * factor;
        factor *= tau;
    }
    return total * 1e-8;
}

struct Nutation {
    double longitudeArcsec;
    double obliquityArcsec;
};

// The four largest terms of the IAU 1980 nutation (Meeus ch. 22): the Moon's node, twice the
// Sun's and the Moon's mean longitudes.
Nutation nutationAt(double t)
{
    const double omega = (125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0) * kRad;
    const double sunL = (280.4665 + 36000.7698 * t) * kRad;
    const double moonL = (218.3165 + 481267.8813 * t) * kRad;
    return {-17.20 * std::sin(omega) - 1.32 * std::sin(2 * sunL) - 0.23 * std::sin(2 * moonL)
                + 0.21 * std::sin(2 * omega),
            9.20 * std::cos(omega) + 0.57 * std::cos(2 * sunL) + 0.10 * std::cos(2 * moonL)
                - 0.09 * std::cos(2 * omega)};
}

double meanObliquityArcsec(double t)
{
    return 84381.448 + t * (-46.8150 + t * (-0.00059 + t * 0.001813));
}

// Greenwich mean sidereal time in degrees from UT (IAU 1982, Meeus 12.4).
double meanSiderealDeg(double julianDayUt)
{
    const double d = julianDayUt - kJ2000;
    const double t = d / 36525.0;
    return wrap360(280.46061837 + 360.98564736629 * d + t * t * (0.000387933 - t / 38710000.0));
}


} // namespace

double UtHoursFromClock(double clockHours, double zoneHours, bool summerTime)
{
    return clockHours - zoneHours - (summerTime ? 1.0 : 0.0);
}

double DeltaTSeconds(double y)
{
    if (y < 1700) {
        const double t = y - 1600;
        return 120 + t * (-0.9808 + t * (-0.01532 + t / 7129.0));
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000.0)));
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436
                   + t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624
                   + t / 233174.0))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814
                   + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820) / 100.0;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

SunPosition SunAt(double julianDayUt)
{
    const double decimalYear = 2000.0 + (julianDayUt - kJ2000) / 365.25;
    return SunAtTimes(julianDayUt, julianDayUt + DeltaTSeconds(decimalYear) / 86400.0);
}

SunPosition SunAtTimes(double julianDayUt, double julianDayTt)
{
    const double tau = (julianDayTt - kJ2000) / 365250.0;
    const double t = tau * 10.0;
    const double earthL = evaluate({kL0, kL1, kL2, kL3, kL4, kL5}, tau);
    const double earthB = evaluate({kB0, kB1}, tau);
    const double r = evaluate({kR0, kR1, kR2, kR3, kR4}, tau);

    // Geocentric: the Sun is seen opposite the Earth's heliocentric direction.
    double lambdaDeg = wrap360(earthL * kDeg + 180.0);
    double betaArcsec = -earthB * kDeg * 3600.0;
    // From the dynamical ecliptic of VSOP87 to the FK5 frame (Meeus 32.3).
    const double lambdaPrime = (lambdaDeg - 1.397 * t - 0.00031 * t * t) * kRad;
    lambdaDeg -= 0.09033 / 3600.0;
    betaArcsec += 0.03916 * (std::cos(lambdaPrime) - std::sin(lambdaPrime));

    const Nutation nut = nutationAt(t);
    const double aberrationArcsec = -20.4898 / r;
    lambdaDeg = wrap360(lambdaDeg + (nut.longitudeArcsec + aberrationArcsec) / 3600.0);
    const double epsDeg = (meanObliquityArcsec(t) + nut.obliquityArcsec) / 3600.0;

    const double lam = lambdaDeg * kRad;
    const double beta = betaArcsec / 3600.0 * kRad;
    const double eps = epsDeg * kRad;
    const double ra = std::atan2(std::sin(lam) * std::cos(eps) - std::tan(beta) * std::sin(eps),
                                 std::cos(lam));
    const double sinDecl = std::sin(beta) * std::cos(eps)
        + std::cos(beta) * std::sin(eps) * std::sin(lam);

    SunPosition out;
    out.julianDayUt = julianDayUt;
    out.julianDayTt = julianDayTt;
    out.apparentLongitudeDeg = lambdaDeg;
    out.latitudeArcsec = betaArcsec;
    out.distanceAu = r;
    out.trueObliquityDeg = epsDeg;
    out.rightAscensionDeg = wrap360(ra * kDeg);
    out.declinationDeg = std::asin(sinDecl) * kDeg;
    const double equationOfEquinoxesDeg = nut.longitudeArcsec * std::cos(eps) / 3600.0;
    out.apparentSiderealDeg = wrap360(meanSiderealDeg(julianDayUt) + equationOfEquinoxesDeg);
    // UT hours of the day; the Julian Day starts at noon.
    const double utHours = (julianDayUt + 0.5 - std::floor(julianDayUt + 0.5)) * 24.0;
    const double greenwichHourAngle = out.apparentSiderealDeg - out.rightAscensionDeg;
    out.equationOfTimeMinutes = wrap180(greenwichHourAngle + 180.0 - 15.0 * utHours) * 4.0;
    return out;
}

SunInSky SunInSkyAt(const SunPosition &sun, double latitudeDeg, double longitudeDeg,
                    bool refraction)
{
    SunInSky out;
    out.hourAngleDeg = wrap180(sun.apparentSiderealDeg + longitudeDeg - sun.rightAscensionDeg);
    out.direction = SunDirection(latitudeDeg, out.hourAngleDeg, sun.declinationDeg);
    const Vec3 s = out.direction;
    const double altitude = std::atan2(s.z, std::hypot(s.x, s.y)) * kDeg;
    out.azimuthDeg = wrap360(std::atan2(s.x, s.y) * kDeg);
    out.altitudeDeg = refraction ? ApparentAltitudeDeg(altitude) : altitude;
    return out;
}

double BennettRefractionDeg(double apparentAltitudeDeg)
{
    const double a = std::clamp(apparentAltitudeDeg, 0.0, 90.0);
    // Overhead the formula dips a thousandth of an arc minute below zero: no refraction there.
    return std::max(0.0, 1.0 / std::tan((a + 7.31 / (a + 4.4)) * kRad) / 60.0);
}

double ApparentAltitudeDeg(double trueAltitudeDeg)
{
    const double horizon = BennettRefractionDeg(0.0);
    if (!(trueAltitudeDeg > -horizon))
        return trueAltitudeDeg + horizon;
    // a = h + R(a): R changes by at most a fifth of a degree per degree of a, so each step
    // shrinks the error five times; twenty steps leave nothing a double can hold.
    double a = trueAltitudeDeg + horizon;
    for (int i = 0; i < 20; ++i) {
        const double next = trueAltitudeDeg + BennettRefractionDeg(a);
        if (next == a)
            break;
        a = next;
    }
    return std::min(a, 90.0);
}

Vec3 RefractedDirection(Vec3 geometric)
{
    const double across = std::hypot(geometric.x, geometric.y);
    if (!(across > 0.0))
        return geometric; // the Sun overhead (or underfoot): nothing to raise
    const double h = std::atan2(geometric.z, across) * kDeg;
    const double a = ApparentAltitudeDeg(h) * kRad;
    const double k = std::cos(a) / across;
    return {geometric.x * k, geometric.y * k, std::sin(a)};
}

double InstantOfSolarLongitude(int year, double longitudeDeg)
{
    // Start from the mean motion since the March equinox and correct by the longitude still
    // missing, about 58 days per radian (Meeus ch. 27).
    const double target = wrap360(longitudeDeg);
    double jd = JulianDay({year, 3, 20}, 12.0) + target / 360.0 * 365.2422;
    for (int i = 0; i < 20; ++i) {
        const double missing = wrap180(target - SunAt(jd).apparentLongitudeDeg);
        const double step = 58.13 * std::sin(missing * kRad);
        jd += step;
        if (std::abs(step) < 1e-7)
            break;
    }
    return jd;
}

SunAtClockResult SunAtClock(const ClockInstant &instant)
{
    SunAtClockResult out;
    if (!std::isfinite(instant.clockHours))
        out.status = Refuse(InputField::ClockTime, RefusalReason::NotFinite);
    else if (instant.clockHours < 0 || instant.clockHours > 24)
        out.status = Refuse(InputField::ClockTime, RefusalReason::OutOfRange);
    else if (!std::isfinite(instant.zoneHours))
        out.status = Refuse(InputField::TimeZone, RefusalReason::NotFinite);
    else if (instant.zoneHours < kFirstZoneHours || instant.zoneHours > kLastZoneHours)
        out.status = Refuse(InputField::TimeZone, RefusalReason::OutOfRange);
    else if (!DateExists(instant.date))
        out.status = Refuse(InputField::Date, RefusalReason::NoSuchDate);
    else if (!IsValidDate(instant.date))
        out.status = Refuse(InputField::Year, RefusalReason::OutOfRange);
    if (!out.status.ok())
        return out;
    const double ut = UtHoursFromClock(instant.clockHours, instant.zoneHours, instant.summerTime);
    out.sun = SunAt(JulianDay(instant.date, ut));
    return out;
}

SolarTable::SolarTable(double firstJulianDay0h, int days)
{
    // One node before the span and two after it, so that every instant inside has its four.
    first_ = firstJulianDay0h;
    const int nodes = (days < 1 ? 1 : days) + 3;
    decl_.reserve(static_cast<std::size_t>(nodes));
    eot_.reserve(static_cast<std::size_t>(nodes));
    for (int i = -1; i < nodes - 1; ++i) {
        const SunPosition s = SunAt(first_ + i);
        decl_.push_back(s.declinationDeg);
        eot_.push_back(s.equationOfTimeMinutes);
    }
}

void SolarTable::at(double julianDayUt, double *declinationDeg, double *equationOfTimeMinutes) const
{
    const double x = julianDayUt - first_;
    const double maxBase = static_cast<double>(decl_.size()) - 4.0;
    double base = std::floor(x);
    if (!(base >= 0))
        base = 0;
    if (base > maxBase)
        base = maxBase;
    const double u = x - base; // 0..1 between nodes base and base+1
    const auto i = static_cast<std::size_t>(base); // node base sits at index i + 1
    // Lagrange weights for nodes at -1, 0, 1, 2.
    const double w0 = -u * (u - 1) * (u - 2) / 6.0;
    const double w1 = (u + 1) * (u - 1) * (u - 2) / 2.0;
    const double w2 = -(u + 1) * u * (u - 2) / 2.0;
    const double w3 = (u + 1) * u * (u - 1) / 6.0;
    *declinationDeg = w0 * decl_[i] + w1 * decl_[i + 1] + w2 * decl_[i + 2] + w3 * decl_[i + 3];
    *equationOfTimeMinutes = w0 * eot_[i] + w1 * eot_[i + 1] + w2 * eot_[i + 2] + w3 * eot_[i + 3];
}

} // namespace gnomonics
