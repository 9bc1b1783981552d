#include "gnomonics/hoursystems.h"

#include "gnomonics/angles.h"
#include "gnomonics/plane.h"

#include <cmath>
#include <numbers>

namespace gnomonics {

namespace {

using angles::kDeg;
using angles::kRad;
using angles::wrap180;
using angles::wrap24;

} // namespace

EngineStatus CheckPlace(const Place &place)
{
    if (!std::isfinite(place.latitudeDeg))
        return Refuse(InputField::Latitude, RefusalReason::NotFinite);
    if (std::abs(place.latitudeDeg) > kMaxLatitudeDeg)
        return Refuse(InputField::Latitude, RefusalReason::OutOfRange);
    if (!std::isfinite(place.longitudeDeg))
        return Refuse(InputField::Longitude, RefusalReason::NotFinite);
    if (std::abs(place.longitudeDeg) > 180.0)
        return Refuse(InputField::Longitude, RefusalReason::OutOfRange);
    if (!std::isfinite(place.zoneHours))
        return Refuse(InputField::TimeZone, RefusalReason::NotFinite);
    if (place.zoneHours < kFirstZoneHours || place.zoneHours > kLastZoneHours)
        return Refuse(InputField::TimeZone, RefusalReason::OutOfRange);
    return {};
}

double ApparentTimeHourAngleDeg(double apparentHours) { return 15.0 * (apparentHours - 12.0); }

double ApparentHoursOf(double hourAngleDeg) { return wrap24(12.0 + hourAngleDeg / 15.0); }

double ClockHourAngleDeg(const Place &place, ClockKind kind, double clockHours, double eotMinutes)
{
    if (kind == ClockKind::LocalMean)
        return 15.0 * (clockHours - 12.0) + eotMinutes / 4.0;
    const double summer = place.summerTime ? 1.0 : 0.0;
    return 15.0 * (clockHours - summer - 12.0) + (place.longitudeDeg - 15.0 * place.zoneHours)
        + eotMinutes / 4.0;
}

double ClockToUtHours(const Place &place, ClockKind kind, double clockHours)
{
    if (kind == ClockKind::LocalMean)
        return clockHours - place.longitudeDeg / 15.0;
    return clockHours - place.zoneHours - (place.summerTime ? 1.0 : 0.0);
}

double SunriseAltitudeDeg(bool refraction) { return refraction ? kRefractedSunriseAltitudeDeg : 0.0; }

std::optional<double> SunsetHourAngleDeg(double latitudeDeg, double declinationDeg, double horizonAltitudeDeg)
{
    const double phi = latitudeDeg * kRad, delta = declinationDeg * kRad;
    // On the geometric horizon the tangent form keeps the polar circle's edge exact.
    const double c = horizonAltitudeDeg == 0.0
        ? -std::tan(phi) * std::tan(delta)
        : (std::sin(horizonAltitudeDeg * kRad) - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta));
    if (!(std::abs(c) <= 1.0))
        return std::nullopt;
    return std::acos(c) * kDeg;
}

std::optional<double> ItalicHourAngleDeg(double latitudeDeg, double declinationDeg, double italicHour,
                                         double horizonAltitudeDeg)
{
    const auto h0 = SunsetHourAngleDeg(latitudeDeg, declinationDeg, horizonAltitudeDeg);
    if (!h0)
        return std::nullopt;
    return wrap180(*h0 + 15.0 * italicHour - 360.0);
}

std::optional<double> BabylonianHourAngleDeg(double latitudeDeg, double declinationDeg, double babylonianHour,
                                             double horizonAltitudeDeg)
{
    const auto h0 = SunsetHourAngleDeg(latitudeDeg, declinationDeg, horizonAltitudeDeg);
    if (!h0)
        return std::nullopt;
    return wrap180(15.0 * babylonianHour - *h0);
}

std::optional<double> TemporaryHourAngleDeg(double latitudeDeg, double declinationDeg, double temporaryHour,
                                            double horizonAltitudeDeg)
{
    const auto h0 = SunsetHourAngleDeg(latitudeDeg, declinationDeg, horizonAltitudeDeg);
    if (!h0)
        return std::nullopt;
    return *h0 * (temporaryHour / 6.0 - 1.0);
}

std::optional<double> ItalicHourAt(double latitudeDeg, double declinationDeg, double hourAngleDeg,
                                   double horizonAltitudeDeg)
{
    const auto h0 = SunsetHourAngleDeg(latitudeDeg, declinationDeg, horizonAltitudeDeg);
    if (!h0)
        return std::nullopt;
    return wrap24((hourAngleDeg - *h0 + 360.0) / 15.0);
}

std::optional<double> BabylonianHourAt(double latitudeDeg, double declinationDeg, double hourAngleDeg,
                                       double horizonAltitudeDeg)
{
    const auto h0 = SunsetHourAngleDeg(latitudeDeg, declinationDeg, horizonAltitudeDeg);
    if (!h0)
        return std::nullopt;
    return wrap24((hourAngleDeg + *h0) / 15.0);
}

std::optional<double> TemporaryHourAt(double latitudeDeg, double declinationDeg, double hourAngleDeg,
                                      double horizonAltitudeDeg)
{
    const auto h0 = SunsetHourAngleDeg(latitudeDeg, declinationDeg, horizonAltitudeDeg);
    const double h = wrap180(hourAngleDeg);
    if (!h0 || !(*h0 > 0.0) || std::abs(h) > *h0)
        return std::nullopt;
    return 6.0 * (h / *h0 + 1.0);
}

} // namespace gnomonics
