#pragma once

// Why the dial engine or the wall survey refused its inputs: which input, why, and for a
// survey's reading which row. The engine has no words; the program turns a status into its
// sentence in one table (sheet/refusaltext.h). A refused computation returns no numbers at all,
// so nothing that is not finite can ever reach a table, a drawing or a file.

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
    Alpha,       // a survey's reading: the shadow's angle on the board
    PlumbLength, // a survey's plumb line: its length
    PlumbOffset, // a survey's plumb line: its distances from the wall
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
    int row = -1; // a survey's reading concerned, counted from 0; -1 for anything else
    bool ok() const { return reason == RefusalReason::None; }
};

inline EngineStatus Refuse(InputField field, RefusalReason reason, int row = -1) { return {reason, field, row}; }

} // namespace gnomonics
