#pragma once

// The limits of every value of a dial's project, in one table read by the designer's fields,
// the project file and the command line alike: a value the window accepts is one the file
// opens again, and a file the reader accepts draws and exports in a couple of seconds.

#include <cstddef>
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
};

struct FieldLimit {
    const char *section; // the project file's section ("luogo")
    const char *key;     // the key inside it ("latitudine")
    double lo;
    double hi;
    bool openLow;         // lo itself is refused (a length must be more than zero)
    const char *sentence; // what the window says under a field beyond the limits, in Italian
};

const FieldLimit &LimitOf(Limited field);
// True when value is finite and within the limits.
bool IsWithin(const FieldLimit &limit, double value);
// The limit's sentence in the program's language.
std::string LimitSentence(Limited field);

// Why a place name cannot be taken (a character no drawing file can hold: control characters
// such as a newline or a tab, U+FFFE, U+FFFF, "]]>", or text that is not UTF-8; or a name over
// kMaxNameCharacters), in the program's language; empty when it can.
std::string NameProblem(std::string_view utf8);

// The "Altre date" beyond kMaxDays, in the program's language.
std::string TooManyDaysSentence();

} // namespace project
