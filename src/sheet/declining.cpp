#include "sheet/declining.h"

#include "gnomonics/angles.h"
#include "gnomonics/plane.h"
#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace sheet {

using gnomonics::BuildDialPlane;
using gnomonics::DialPlane;
using gnomonics::HourLineDirectionDeg;
using gnomonics::PlaneInput;

namespace {

double hourAngleDeg(double positionHours) { return 15.0 * (positionHours - 12.0); }

DecliningHourLine lineFromAngle(double angleDeg)
{
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
    const double turn = 2.0 * std::numbers::pi;
    for (double d : {crest, crest - turn, crest + turn})
        if (d > lo && d < hi)
            best = std::max(best, w.at(d));
    return best;
}

} // namespace

bool DecliningHourLineLit(double latitudeDeg, double declinationDeg, WallSide side,
                          double positionHours)
{
    using gnomonics::angles::kRad;
    const double phi = latitudeDeg * kRad;
    const double wall = declinationDeg * kRad;
    const double hour = hourAngleDeg(positionHours) * kRad;
    // The Sun in East-North-Up axes: (-cos d sin H, sin d cos phi - cos d cos H sin phi,
    // sin d sin phi + cos d cos H cos phi). The wall faces (sin D, -cos D, 0) when it turns
    // East, (-sin D, -cos D, 0) when it turns West.
    const Wave up{std::sin(phi), std::cos(phi) * std::cos(hour)};
    const double eastward = side == WallSide::East ? std::sin(wall) : -std::sin(wall);
    const Wave front{-std::cos(wall) * std::cos(phi),
                     -eastward * std::sin(hour) + std::cos(wall) * std::cos(hour) * std::sin(phi)};
    const double solstice = kSolsticeDeclinationDeg * kRad;
    const auto [lo, hi] = notBelowZero(up, -solstice, solstice);
    return lo <= hi && largest(front, lo, hi) > 0.0;
}

namespace {

// The wall as a plane of the engine: a vertical plane whose declination is West positive. The
// nodus height only scales the dial, so any size gives the same angles.
DialPlane wallPlane(double latitudeDeg, double declinationDeg, WallSide side)
{
    PlaneInput in;
    in.latitudeDeg = latitudeDeg;
    in.declinationDeg = side == WallSide::East ? -declinationDeg : declinationDeg;
    in.inclinationDeg = 0.0;
    in.sizeMm = 100.0;
    return BuildDialPlane(in);
}

DecliningHourLine hourLineOn(const DialPlane &wall, double positionHours)
{
    if (positionHours == 12.0)
        return {90.0, "-90"};
    // X, the shadow half-line's angle from the noon line, positive on the afternoon side; the
    // sheet's A counts from the afternoon half of the horizontal, turning downwards.
    const double fromNoonDeg = HourLineDirectionDeg(wall, hourAngleDeg(positionHours));
    // Beyond a right angle from the noon line the shadow runs above the horizontal through the
    // centre, where the style casts none.
    if (!std::isfinite(fromNoonDeg) || !(std::abs(fromNoonDeg) <= 90.0))
        return {std::nullopt, kDecliningDash};
    return lineFromAngle(90.0 - fromNoonDeg);
}

} // namespace

DecliningHourLine DecliningHourAngle(double latitudeDeg, double declinationDeg, WallSide side,
                                     double positionHours)
{
    if (!std::isfinite(latitudeDeg) || !std::isfinite(declinationDeg) || !std::isfinite(positionHours))
        return {std::nullopt, kDecliningDash};
    return hourLineOn(wallPlane(latitudeDeg, declinationDeg, side), positionHours);
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

    const DialPlane wall = wallPlane(latitudeDeg, declinationDeg, side);
    for (std::size_t i = 0; i < kDecliningPositions; ++i) {
        const double position = DecliningPositionHours(i);
        if (i == kDecliningNoonIndex)
            out.texts[i] = "-90";
        else if (!DecliningHourLineLit(latitudeDeg, declinationDeg, side, position))
            out.texts[i] = kDecliningDash;
        else
            out.texts[i] = hourLineOn(wall, position).text;
    }
    return out;
}

} // namespace sheet
