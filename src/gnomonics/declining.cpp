#include "gnomonics/declining.h"

#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace gnomonics {

namespace {

constexpr double kUnitLength = 10.0; // L of the construction

// The construction subtracts long lines from one another, and two kinds of wall make those
// lines run off the page so that the subtraction eats the digits of the result:
// - a wall that barely declines: x = cos(declination) cos(theta) comes so close to 1 that
//   1 - x^2 keeps few correct digits (at a declination of a millionth of a degree the lines
//   come out degrees wrong, even at latitudes where x does not round to exactly 1);
// - a place near the equator or near the pole, where one of the legs c and e (in the ratio
//   tan^2 of the latitude) outgrows the other.
// Inside these limits the construction keeps better than 1e-8 degree; beyond them the closed
// form, which draws the same dial, is used instead.
constexpr double kLeastOneMinusXX = 1e-6; // psi of about 0.06 degree
constexpr double kLeastLegRatio = 1e-6;   // within about 0.06 degree of the equator or pole

bool allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

double hourAngleDeg(double positionHours) { return 15.0 * (positionHours - 12.0); }

// A morning line with A below 90, or an afternoon line with A above 90, would run above the
// horizontal through the centre, where no shadow of the style falls.
bool pointsUpwards(double positionHours, double angleDeg)
{
    return (positionHours < 12.0 && angleDeg < 90.0) || (positionHours > 12.0 && angleDeg > 90.0);
}

DecliningHourLine lineFromAngle(double positionHours, double angleDeg)
{
    if (!std::isfinite(angleDeg) || pointsUpwards(positionHours, angleDeg))
        return {std::nullopt, kDecliningDash};
    // The shown number is the rounded A read back and negated, so 124,0 becomes "-124"; adding
    // zero turns a negated 0,0 into plain zero, which is never shown as "-0".
    const double shown = *sheet::ReadNumber(sheet::FormatFixed(angleDeg, sheet::Mask::OneDecimal));
    return {angleDeg, sheet::FormatGeneral(-shown + 0.0)};
}

// a sin(d) + b cos(d) for the declination d in radians.
struct Wave {
    double a = 0;
    double b = 0;
    double at(double d) const { return a * std::sin(d) + b * std::cos(d); }
};

// The declinations of [lo, hi] where the wave is not below zero: one interval, since the range
// is far shorter than the half period that separates two roots. Empty when lo > hi.
std::pair<double, double> notBelowZero(const Wave &w, double lo, double hi)
{
    const double fLo = w.at(lo);
    const double fHi = w.at(hi);
    if (fLo >= 0.0 && fHi >= 0.0)
        return {lo, hi};
    if (!(fLo >= 0.0) && !(fHi >= 0.0))
        return {1.0, -1.0};
    double below = fLo >= 0.0 ? hi : lo;
    double above = fLo >= 0.0 ? lo : hi;
    for (int i = 0; i < 80; ++i) {
        const double mid = 0.5 * (below + above);
        (w.at(mid) >= 0.0 ? above : below) = mid;
    }
    return fLo >= 0.0 ? std::pair{lo, above} : std::pair{above, hi};
}

// The largest value of the wave over [lo, hi]: at an end, or at its crest when that lies inside.
double largest(const Wave &w, double lo, double hi)
{
    double best = std::max(w.at(lo), w.at(hi));
    const double crest = std::atan2(w.a, w.b);
    const double turn = 2.0 * sheet::angles().pi;
    for (double d : {crest, crest - turn, crest + turn})
        if (d > lo && d < hi)
            best = std::max(best, w.at(d));
    return best;
}

} // namespace

bool DecliningHourLineLit(double latitudeDeg, double declinationDeg, WallSide side,
                          double positionHours)
{
    const auto &k = sheet::angles();
    const double phi = latitudeDeg * k.rad;
    const double wall = declinationDeg * k.rad;
    const double hour = hourAngleDeg(positionHours) * k.rad;
    // The Sun in East-North-Up axes: (-cos d sin H, sin d cos phi - cos d cos H sin phi,
    // sin d sin phi + cos d cos H cos phi). The wall faces (sin D, -cos D, 0) when it turns
    // East, (-sin D, -cos D, 0) when it turns West.
    const Wave up{std::sin(phi), std::cos(phi) * std::cos(hour)};
    const double eastward = side == WallSide::East ? std::sin(wall) : -std::sin(wall);
    const Wave front{-std::cos(wall) * std::cos(phi),
                     -eastward * std::sin(hour) + std::cos(wall) * std::cos(hour) * std::sin(phi)};
    const double solstice = 23.45 * k.rad;
    const auto [lo, hi] = notBelowZero(up, -solstice, solstice);
    return lo <= hi && largest(front, lo, hi) > 0.0;
}

DecliningConstruction BuildDecliningConstruction(double latitudeDeg, double declinationDeg,
                                                 WallSide side)
{
    const auto &k = sheet::angles();
    DecliningConstruction c;
    c.side = side;
    c.latitudeDeg = latitudeDeg;
    c.declinationDeg = declinationDeg;

    const double L = kUnitLength;
    const double phi = latitudeDeg * k.rad;
    const double chi = (90.0 - latitudeDeg) * k.rad; // colatitude
    const double delta = declinationDeg * k.rad;

    // The wall's plan drawn at the scale L: right triangles on L with the declination (legs a
    // and g, hypotenuses b and h) and, on b, with the latitude and the colatitude (c and e).
    const double t = std::tan(delta);
    const double a = L * t;
    const double b = std::sqrt(L * L + a * a);
    const double cLen = b * std::tan(phi);
    const double e = b * std::tan(chi);
    const double g = L / t;
    const double h = std::sqrt(L * L + g * g);
    const double s = a + g;

    // The substyle angle: tan theta = sin(declination) / tan(latitude).
    const double theta = std::atan(e / s);
    const double m = std::sqrt(s * s + e * e);
    const double n = cLen + e;
    const double p = g * std::cos(theta);
    const double q = m - p;
    const double x = p / h; // cos(declination) cos(theta)

    // psi is the arc cosine of x, formed with arc tangents; should x round to 1 the equatorial
    // circle would have no radius and nothing below could be laid out. The tests are written
    // so that a value that is not a number fails them too.
    const double oneMinusXX = 1.0 - x * x;
    const double shortLeg = std::fmin(std::fabs(cLen), std::fabs(e));
    const double longLeg = std::fmax(std::fabs(cLen), std::fabs(e));
    if (!allFinite({t, a, b, cLen, e, g, h, s, theta, m, n, p, q, x}) ||
        !(oneMinusXX >= kLeastOneMinusXX) || !(shortLeg >= kLeastLegRatio * longLeg)) {
        c.usesClosedForm = true;
        return c;
    }
    const double psi = std::atan(-x / std::sqrt(oneMinusXX)) + 2.0 * std::atan(1.0);
    const double r = h * std::sin(psi);
    const double sigma = std::atan(q / r);
    if (!allFinite({psi, r, sigma}) || r == 0.0) {
        c.usesClosedForm = true;
        return c;
    }

    c.substyleRad = theta;
    c.substyleHourRad = sigma;
    c.radius = r;
    c.offset = q;
    c.span = n;
    return c;
}

DecliningHourLine DecliningHourAngle(const DecliningConstruction &c, double positionHours)
{
    if (positionHours == 12.0)
        return {90.0, "-90"};

    const auto &k = sheet::angles();
    const bool east = c.side == WallSide::East;
    const double hourRad = hourAngleDeg(positionHours) * k.rad;

    if (!c.usesClosedForm) {
        // The hour's ray leaves the centre of the equatorial circle at the substyle's hour
        // angle shifted by the hour angle and marks u on the line the rays are drawn to; that
        // point, taken back to the noon line's frame (w across, y along), fixes the slope z of
        // the hour line from the noon line.
        const double alpha = east ? c.substyleHourRad + hourRad : c.substyleHourRad - hourRad;
        const double u = c.radius * std::tan(alpha);
        const double v = c.offset - u;
        const double w = v * std::cos(c.substyleRad);
        const double y = c.span - v * std::sin(c.substyleRad);
        const double z = w / y;
        // A zero y is a line exactly horizontal, where the sign of z is an accident of rounding;
        // the closed form settles it.
        if (y != 0.0 && std::isfinite(z)) {
            const double turn = std::atan(z) * k.deg;
            return lineFromAngle(positionHours, east ? 90.0 + turn : 90.0 - turn);
        }
    }
    return lineFromAngle(positionHours, DecliningHourAngleClosedForm(c.latitudeDeg,
                                                                     c.declinationDeg, c.side,
                                                                     positionHours));
}

DecliningHourLine DecliningHourAngle(double latitudeDeg, double declinationDeg, WallSide side,
                                     double positionHours)
{
    return DecliningHourAngle(BuildDecliningConstruction(latitudeDeg, declinationDeg, side),
                              positionHours);
}

double DecliningHourAngleClosedForm(double latitudeDeg, double declinationDeg, WallSide side,
                                    double positionHours)
{
    const auto &k = sheet::angles();
    const double phi = latitudeDeg * k.rad;
    const double d = declinationDeg * k.rad;
    const double hr = hourAngleDeg(positionHours) * k.rad;
    const double turn = std::sin(d) * std::sin(phi) * std::sin(hr);
    const double across = std::cos(phi) * std::sin(hr);
    const double down = std::cos(d) * std::cos(hr) + (side == WallSide::East ? -turn : turn);
    double angle = 90.0 - std::atan2(across, down) * k.deg;
    // The line is the same whichever of its two half-lines the angle names: take it into 0..180.
    if (angle < 0.0)
        angle += 180.0;
    else if (angle > 180.0)
        angle -= 180.0;
    return angle;
}

DecliningSheetResult ComputeDecliningSheet(double latitudeDeg, double declinationDeg,
                                           WallSide side)
{
    DecliningSheetResult out;
    // A declination of 0 is the wall facing due South; only the latitude is missing at zero.
    if (!sheet::CheckPresent({latitudeDeg})) {
        out.refusal = sheet::Refusal::Missing;
        return out;
    }
    if (!sheet::CheckPositive({latitudeDeg, declinationDeg})) {
        out.refusal = sheet::Refusal::Negative;
        return out;
    }
    // Written so that a value that is not a number is refused as well.
    if (!(latitudeDeg < 90.0) || !(declinationDeg < 90.0)) {
        out.refusal = sheet::Refusal::OutOfRange;
        return out;
    }

    const DecliningConstruction construction =
        BuildDecliningConstruction(latitudeDeg, declinationDeg, side);
    for (std::size_t i = 0; i < kDecliningPositions; ++i) {
        const double position = DecliningPositionHours(i);
        if (i == kDecliningNoonIndex)
            out.texts[i] = "-90";
        else if (!DecliningHourLineLit(latitudeDeg, declinationDeg, side, position))
            out.texts[i] = kDecliningDash;
        else
            out.texts[i] = DecliningHourAngle(construction, position).text;
    }
    return out;
}

} // namespace gnomonics
