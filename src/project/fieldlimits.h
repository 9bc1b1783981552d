#pragma once

// The fields of a dial's project, in one table read by the designer's form, the project file
// and the command line alike: where each is kept in the file, what the form calls it, its unit
// and limits, the words of its refusal and which field an engine's refusal points at. A value
// the window accepts is then one the file opens again, and a file the reader accepts draws and
// exports in a couple of seconds.

#include "gnomonics/diallines.h"
#include "gnomonics/enginestatus.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace project {

// The largest plate side and the largest nodus height or style length, mm. Lines are traced
// across the whole plate, so the plate's size sets the work an export does; at 20 m, far
// beyond any wall a maker paints, every export stays within two seconds.
inline constexpr double kMaxPlateMm = 20000.0;
inline constexpr double kMaxGnomonMm = 20000.0;
// The plate's longer side at most this many times the gnomon: the lines of a nodus tiny beside
// its plate crowd around O and the crossings the files list multiply; a 100 mm nodus still
// takes a 20 m plate.
inline constexpr double kMaxPlateToGnomon = 200.0;
// The "Altre date" a dial may carry besides the solstices, the zodiac and the months' firsts
// (repeated dates count once): each is a line across the plate and a label.
inline constexpr int kMaxDays = 30;
// The place's name is a title on the plate, not a text.
inline constexpr std::size_t kMaxNameCharacters = 200;

enum class Limited {
    Latitude,
    Longitude,
    Zone,
    Declination,
    Inclination,
    NodusHeight,
    StyleLength,
    PlateWidth,
    PlateHeight,
    FootFromLeft,
    FootFromTop,
    AzimuthStep,
    AltitudeStep,
    GridSize,
    SemiAxis,
    AnalemmaticGnomon,
    WireEastWest,
    WireNorthSouth,
    Hole,
};

// A dark-room meridian runs along a church's floor: its plate may be this long (mm), every other
// kind's kMaxPlateMm.
inline constexpr double kMaxDarkRoomPlateMm = 100000.0;

// The side of a grid square, mm: at least 5 (a finer grid hides the dial), at most 1000.
inline constexpr double kMinGridMm = 5.0;
inline constexpr double kMaxGridMm = 1000.0;
// The motto is one line on the plate.
inline constexpr std::size_t kMaxMottoCharacters = 200;

struct Project;

// A number of the project.
struct FieldLimit {
    const char *section; // the project file's section ("luogo")
    const char *key;     // the key inside it ("latitudine")
    double lo;
    double hi;
    bool openLow;         // lo itself is refused (a length must be more than zero)
    const char *sentence; // what the window says under a field beyond the limits, in Italian
    Limited id;
    const char *formKey;  // the designer's field and the line of its refusal ("altezza_lastra_mm")
    const char *label;    // the designer's label, in Italian, its unit in it
    const char *unit;     // "°", "ore" or "mm", as the label writes it
    gnomonics::InputField engine; // what the engine calls it when it refuses it
    double Project::*value;
    // 0 stands for "none" besides lo..hi, and a file may leave the key out (read as 0): the
    // choices a file written before them did not have.
    bool zeroMeansNone = false;
    // A file may leave the key out: the default stands (a kind's own sizes, asked only of it).
    bool optionalKey = false;
};

// An on/off choice of the project: an hour system, a family of date lines, summer time.
struct SwitchField {
    const char *section;
    const char *key;
    bool required; // a file without it is refused; an optional one left out is off
    const char *formKey;
    const char *label;
    bool Project::*value;
};

// Every number and every switch, in the order the form shows them and the file reader reads
// them (the first value at fault in a file is the one it names).
std::span<const FieldLimit> NumberFields();
std::span<const SwitchField> SwitchFields();

// The form keys of the fields that are neither numbers nor switches.
inline constexpr const char *kNameKey = "nome";
inline constexpr const char *kYearKey = "anno";
inline constexpr const char *kDaysKey = "giorni";

const FieldLimit &LimitOf(Limited field);
// The gnomon's number the project gives: the nodus height or the style length.
Limited GnomonField(const Project &project);
// The designer's field an engine's refusal of that input points at: the gnomon the project
// gives, the plate's first side for the plate as a whole, the place's latitude for what
// belongs to no field.
std::string FieldAtFault(gnomonics::InputField field, const Project &project);
// The largest value of a field for a kind of dial: the plate and the foot of a dark-room
// meridian go to kMaxDarkRoomPlateMm.
double HighestValue(const FieldLimit &limit, gnomonics::DialKind kind);
double LowestValue(const FieldLimit &limit, gnomonics::DialKind kind);
// True when value is finite and within the limits (or 0 where 0 means none).
bool IsWithin(const FieldLimit &limit, double value, gnomonics::DialKind kind = gnomonics::DialKind::Plane);
// The limit's sentence in the program's language.
std::string LimitSentence(Limited field, gnomonics::DialKind kind = gnomonics::DialKind::Plane);

// The project file's names of the kinds ("piano", "analemmatico", "bifilare", "camera_oscura").
const char *KindName(gnomonics::DialKind kind);

// Why a place name cannot be taken (a character no drawing file can hold: control characters
// such as a newline or a tab, U+FFFE, U+FFFF, "]]>", or text that is not UTF-8; or a name over
// kMaxNameCharacters), in the program's language; empty when it can.
std::string NameProblem(std::string_view utf8);

// Why a motto cannot be taken, as NameProblem for the motto (kMaxMottoCharacters); empty when it
// can.
std::string MottoProblem(std::string_view utf8);

// The "Altre date" beyond kMaxDays, in the program's language.
std::string TooManyDaysSentence();

} // namespace project
