#pragma once

// The designer's project file (*.horalo): every input of one dial as JSON, UTF-8, with its
// format name and version. Reading checks every value and refuses the whole file with one
// sentence in Italian that names the key at fault, so that a bad file never changes what the
// designer shows. Keys this version does not know are kept and written back on save.

#include "gnomonics/diallines.h"

#include <string>
#include <string_view>
#include <vector>

namespace project {

inline constexpr const char *kFormatName = "horalo-quadrante";
inline constexpr int kFormatVersion = 1;

// Deepest nesting of lists and sections a project file may have (a project itself is four
// levels deep; kept unknown keys may add some).
inline constexpr int kMaxNesting = 64;
// A project is a few kilobytes; a file beyond this is not one.
inline constexpr long long kMaxProjectBytes = 1024 * 1024;

struct Project {
    // tipo: "piano", "analemmatico", "bifilare", "camera_oscura"
    gnomonics::DialKind kind = gnomonics::DialKind::Plane;
    // analemmatico, bifilare, camera_oscura: each kind's own sizes
    double semiAxisMm = 2000;
    double analemmaticGnomonMm = 0;
    double wireEastWestMm = 100;
    double wireNorthSouthMm = 150;
    double holeMm = 20;
    // luogo
    std::string placeName = "Milano";
    double latitudeDeg = 45.4642;
    double longitudeDeg = 9.19;   // East positive
    double zoneHours = 1;
    bool summerTime = false;
    // piano: the engine's convention, from South, West positive, -180..180
    double declinationDeg = 0;
    double inclinationDeg = 0;
    // gnomone
    bool styleLengthGiven = false; // "stilo_mm" instead of "altezza_mm"
    double gnomonMm = 100;
    // ore
    bool apparent = true;
    bool halfHours = false;
    bool clock = false;
    gnomonics::AnalemmaMode analemma = gnomonics::AnalemmaMode::Whole;
    int year = 2026;
    bool italic = false;
    bool babylonian = false;
    bool temporary = false;    // "temporarie"
    bool quarterHours = false; // "quarti"
    bool localMean = false;    // "medie_locali": the clock lines in the place's own mean time
    // linee: lines of equal azimuth and altitude every so many degrees, 0 none
    double azimuthStepDeg = 0;
    double altitudeStepDeg = 0;
    // date
    bool solsticesEquinoxes = true;
    bool zodiac = false;
    bool monthFirsts = false;
    std::vector<std::string> days; // "gg/mm/aaaa"
    // lastra
    double plateWidthMm = 1000;
    double plateHeightMm = 800;
    double footFromLeftMm = 500;
    double footFromTopMm = 200;
    // opzioni
    bool refraction = false;
    double gridMm = 0;   // a grid of squares of this side over the plate, 0 none
    std::string motto;   // a line of text on the plate, empty none
    // The document as last read or set (JSON text of an object), so that keys this version
    // does not know ("rilievo" among them) survive a save. Empty for a new project.
    std::string keptJson;

    bool operator==(const Project &) const = default;
};

struct ProjectRead {
    bool ok = false;
    std::string message; // why the file was refused, in Italian; empty when ok
    Project project;
};

// Reads a project from its JSON text.
ProjectRead ReadProject(std::string_view text);
// Reads a project file; a file that cannot be read is refused like a bad one.
ProjectRead LoadProject(const std::string &path);

// The JSON text of a project (two-space indented, UTF-8, ending in a newline).
std::string WriteProject(const Project &project);
// Writes the project atomically. False with the reason in *error when it could not.
bool SaveProject(const std::string &path, const Project &project, std::string *error);

// Stores a JSON object under a top-level key of the project (the wall survey's "rilievo").
// False (project unchanged) when the text is not a JSON object.
bool SetExtraObject(Project &project, const std::string &key, std::string_view objectJson);
// The JSON text of a top-level key kept in the project, or empty.
std::string ExtraObject(const Project &project, const std::string &key);

// The engine's description of the dial for a project, or the reason it cannot be drawn.
struct SpecResult {
    bool ok = false;
    gnomonics::EngineStatus status;
    std::string key;     // the designer's field at fault ("latitudine", "giorni", ...): see FieldAtFault
    std::string message; // in the program's language (sheet::RefusalText for an engine's refusal)
    gnomonics::DialSpec design;
};
SpecResult ToDialSpec(const Project &project);

// Why the plate cannot be drawn for its gnomon (its longer side beyond kMaxPlateToGnomon
// times the nodus height or style length), in the program's language; empty when it can.
std::string PlateProblem(const Project &project);

} // namespace project
