#include "gnomonics/shadow.h"

#include "gnomonics/angles.h"
#include "gnomonics/hoursystems.h"

#include <cmath>

namespace gnomonics {

namespace {

using angles::wrap24;

// The substyle's direction on the plane (frame, unit): the Earth's axis seen from in front.
Point2 substyleDirection(const DialPlane &plane)
{
    const Point2 d = ToFrame(plane, plane.pole);
    const double len = std::hypot(d.xMm, d.yMm);
    if (!(len > 0.0))
        return {0.0, 1.0};
    return {d.xMm / len, d.yMm / len};
}

} // namespace

ShadowAtInstant ShadowAt(const DialSpec &design, const DialPlane &plane, const CivilDate &date,
                         double clockHours)
{
    ShadowAtInstant out;
    const Place &place = design.place;
    const SunAtClockResult sun = SunAtClock({date, clockHours, place.zoneHours, place.summerTime});
    if (!sun.status.ok()) {
        out.status = sun.status;
        return out;
    }
    const bool refraction = design.refraction;
    const SunInSky sky = SunInSkyAt(sun.sun, place.latitudeDeg, place.longitudeDeg, refraction);
    out.hourAngleDeg = sky.hourAngleDeg;
    out.declinationDeg = sun.sun.declinationDeg;
    out.altitudeDeg = sky.altitudeDeg;
    out.apparentHours = ApparentHoursOf(sky.hourAngleDeg);
    out.clockHours = design.hours.clockKind == ClockKind::Zone
        ? clockHours
        : wrap24(ClockToUtHours(place, ClockKind::Zone, clockHours) + place.longitudeDeg / 15.0);

    const double horizon = SunriseAltitudeDeg(refraction);
    const double lat = place.latitudeDeg;
    out.italicHours = ItalicHourAt(lat, out.declinationDeg, out.hourAngleDeg, horizon);
    out.babylonianHours = BabylonianHourAt(lat, out.declinationDeg, out.hourAngleDeg, horizon);
    out.temporaryHours = TemporaryHourAt(lat, out.declinationDeg, out.hourAngleDeg, horizon);

    // The casting Sun decides both questions, as it decides every point of the lines.
    const Vec3 casting = refraction ? RefractedDirection(sky.direction) : sky.direction;
    const auto point = NodusShadow(plane, casting);
    if (!(casting.z >= 0.0)) {
        out.sight = ShadowSight::SunDown;
        return out;
    }
    if (!point) {
        out.sight = ShadowSight::BehindPlane;
        return out;
    }
    out.sight = ShadowSight::OnPlane;
    out.point = *point;
    if (plane.hasCentre) {
        out.styleFrom = plane.centre;
        out.styleTo = *point;
    } else {
        const Point2 d = substyleDirection(plane);
        const double h = plane.nodusHeightMm;
        out.styleFrom = {point->xMm - h * d.xMm, point->yMm - h * d.yMm};
        out.styleTo = {point->xMm + h * d.xMm, point->yMm + h * d.yMm};
    }
    return out;
}

} // namespace gnomonics
