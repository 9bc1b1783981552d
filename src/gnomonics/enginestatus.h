#pragma once

// Why the dial engine refused its inputs, as two small enums a window turns into its own words
// next to the field concerned. A refused computation returns no numbers at all, so nothing that
// is not finite can ever reach a table, a drawing or a file.

namespace gnomonics {

enum class InputField {
    None,
    Latitude,
    Longitude,
    TimeZone,
    Declination, // the plane's gnomonic declination
    Inclination,
    NodusHeight,
    StyleLength,
    Date,
    Year,
    ClockTime,
    Plate,
    Step,
    AzimuthStep,  // the step of the lines of equal azimuth
    AltitudeStep, // the step of the lines of equal altitude
    KindSize,     // a kind's own size: the wires, the ellipse, the hole
};

enum class RefusalReason {
    None,
    NotFinite,   // NaN or infinity was given
    OutOfRange,  // outside the field's limits (latitude +-90, a plane facing the ground, ...)
    NotPositive, // a length of zero or less
    NoCentre,    // a style length was given for a polar dial, whose style never meets the plane
    NoSuchDate,  // a day that does not exist in the Gregorian calendar (31 February)
};

struct EngineStatus {
    RefusalReason reason = RefusalReason::None;
    InputField field = InputField::None;
    bool ok() const { return reason == RefusalReason::None; }
};

inline EngineStatus Refuse(InputField field, RefusalReason reason) { return {reason, field}; }

} // namespace gnomonics
