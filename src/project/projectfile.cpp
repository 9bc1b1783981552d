#include "project/projectfile.h"

#include "sheet/numbers.h"
#include "sheet/refusaltext.h"
#include "sheet/translation.h"

#include "files/atomicfile.h"
#include "project/fieldlimits.h"
#include "gnomonics/calendar.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <set>
#include <tuple>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace project {

using nlohmann::json;

namespace {

// A marked text in the program's language.
std::string say(const char *italian) { return sheet::translated(italian); }

// Thrown inside the reader with the sentence the user reads; caught in ReadProject.
struct Refusal {
    std::string message;
};

// A value from the file as a refusal names it: every digit it has (up to fifteen), so that a
// value just past a limit never reads as the limit itself (89,9900001, not 89,99). One far out
// of every range, or so small that its digits would trail a row of zeros, says its power of ten.
std::string shownNumber(double v)
{
    const double size = std::abs(v);
    if (v == 0.0 || (size >= 1e-6 && size < 1e15))
        return sheet::FormatGeneral(v);
    // The decimal digits and their power of ten, split exactly (and whatever the C locale).
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string text(buf, written.ptr);
    const std::size_t e = text.find('e');
    double mantissa = 0;
    std::from_chars(text.data(), text.data() + e, mantissa);
    return sheet::FormatGeneral(mantissa) + " × 10^" + std::to_string(std::stoi(text.substr(e + 1)));
}

// A key or a value named in a sentence, between the quotation marks of the program's language
// (the same marks as every other sentence of the file reader's).
std::string quoted(const std::string &path)
{
    return say(QT_TRANSLATE_NOOP("horalo", "«")) + path + say(QT_TRANSLATE_NOOP("horalo", "»"));
}

// A marked sentence in the program's language with its %1 replaced by a quoted key and its
// %2, %3 ... by the other values, as they are.
std::string sayAbout(const char *italian, const std::string &key, std::initializer_list<std::string> values = {})
{
    std::vector<std::string> args{quoted(key)};
    args.insert(args.end(), values.begin(), values.end());
    return sheet::filled(say(italian), args);
}

// Whether a key may be left out of its section. The place, the plane, the gnomon and the plate
// must each be given in full: a misspelt "latitudne" would otherwise draw the dial of the
// default place. A choice of hours or of date lines left out is off, so that a file written
// before the choice existed opens as it was drawn.
enum class Presence { Required, Optional };

const json *member(const json &object, const std::string &section, const char *key, Presence presence)
{
    const auto it = object.find(key);
    if (it == object.end() && presence == Presence::Required)
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Manca il valore di %1."), section + "." + key)};
    return it == object.end() ? nullptr : &*it;
}

const json &section(const json &doc, const char *name, Presence presence)
{
    static const json empty = json::object();
    const auto it = doc.find(name);
    if (it == doc.end()) {
        if (presence == Presence::Required)
            throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Manca la sezione %1."), name)};
        return empty;
    }
    if (!it->is_object())
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "La sezione %1 deve essere un oggetto JSON."), name)};
    return *it;
}

void readNumber(const json &sec, Limited field, Project &p)
{
    const FieldLimit &limit = LimitOf(field);
    double &out = p.*limit.value;
    const std::string secName = limit.section;
    const char *key = limit.key;
    const double hi = HighestValue(limit, p.kind), lo = LowestValue(limit, p.kind);
    const bool openLow = limit.openLow;
    const json *v = member(sec, secName, key, limit.zeroMeansNone || limit.optionalKey ? Presence::Optional : Presence::Required);
    if (!v)
        return;
    const std::string path = secName + "." + key;
    if (!v->is_number())
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 deve essere un numero."), path)};
    const double x = v->get<double>();
    if (!IsWithin(limit, x, p.kind)) {
        if (openLow)
            throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 (%2) deve essere maggiore di %3 e al massimo %4."), path,
                                   {shownNumber(x), shownNumber(lo), shownNumber(hi)})};
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 (%2) è fuori dall'intervallo da %3 a %4."), path,
                               {shownNumber(x), shownNumber(lo), shownNumber(hi)})};
    }
    out = x;
}

void readBool(const json &sec, const std::string &secName, const char *key, bool &out, Presence presence)
{
    const json *v = member(sec, secName, key, presence);
    if (!v && presence == Presence::Optional)
        out = false;
    if (!v)
        return;
    if (!v->is_boolean())
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 deve essere true o false."), secName + "." + key)};
    out = v->get<bool>();
}

// A switch of the table, by its section and key.
void readSwitch(const json &sec, const char *secName, const char *key, Project &p)
{
    for (const SwitchField &f : SwitchFields())
        if (std::string_view(f.section) == secName && std::string_view(f.key) == key)
            return readBool(sec, secName, key, p.*f.value, f.required ? Presence::Required : Presence::Optional);
}

void readString(const json &sec, const std::string &secName, const char *key, std::string &out, Presence presence)
{
    const json *v = member(sec, secName, key, presence);
    if (!v)
        return;
    if (!v->is_string())
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 deve essere un testo."), secName + "." + key)};
    out = v->get<std::string>();
}

const char *analemmaName(gnomonics::AnalemmaMode m)
{
    switch (m) {
    case gnomonics::AnalemmaMode::Halves:
        return "meta";
    case gnomonics::AnalemmaMode::NoonOnly:
        return "mezzogiorno";
    case gnomonics::AnalemmaMode::Whole:
        break;
    }
    return "intero";
}

// The file must say it is a Horalo project, in a version this program can read.
void checkFormat(const json &doc)
{
    if (!doc.is_object())
        throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il file non è un progetto di Horalo: manca l'oggetto JSON principale."))};
    const auto format = doc.find("formato");
    if (format == doc.end() || !format->is_string() || format->get<std::string>() != kFormatName)
        throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il file non è un progetto di Horalo: «formato» deve essere \"horalo-quadrante\"."))};
    const auto version = doc.find("versione");
    if (version == doc.end() || !version->is_number_integer())
        throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il valore di «versione» deve essere un numero intero."))};
    // A number beyond the signed range (up to 18446744073709551615) is read as it is written,
    // never wrapped round into a negative one.
    const bool huge = version->is_number_unsigned() && version->get<unsigned long long>() > static_cast<unsigned long long>(kFormatVersion);
    const auto v = huge ? 0LL : version->get<long long>();
    if (huge || v > kFormatVersion)
        throw Refusal{sheet::translatedWith(
            QT_TRANSLATE_NOOP("horalo", "Il progetto è stato scritto da una versione più recente di Horalo (versione %1); questa versione legge fino alla versione %2."),
            {huge ? std::to_string(version->get<unsigned long long>()) : std::to_string(v), std::to_string(kFormatVersion)})};
    if (v < 1)
        throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 (%2) non è valido."), "versione", {std::to_string(v)})};
}

void readPlace(const json &doc, Project &p)
{
    const json &luogo = section(doc, "luogo", Presence::Required);
    readString(luogo, "luogo", "nome", p.placeName, Presence::Required);
    if (const std::string problem = NameProblem(p.placeName); !problem.empty())
        throw Refusal{quoted("luogo.nome") + ": " + problem};
    readNumber(luogo, Limited::Latitude, p);
    readNumber(luogo, Limited::Longitude, p);
    readNumber(luogo, Limited::Zone, p);
    readSwitch(luogo, "luogo", "ora_legale", p);
}

void readWall(const json &doc, Project &p)
{
    const json &piano = section(doc, "piano", Presence::Required);
    readNumber(piano, Limited::Declination, p);
    readNumber(piano, Limited::Inclination, p);
}

// The gnomon is given by its height or by the length of its style, never both.
void readGnomon(const json &doc, Project &p)
{
    const json &gnomone = section(doc, "gnomone", Presence::Required);
    const bool hasHeight = gnomone.contains("altezza_mm");
    const bool hasStyle = gnomone.contains("stilo_mm");
    if (hasHeight && hasStyle)
        throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "La sezione «gnomone» deve dare «altezza_mm» oppure «stilo_mm», non entrambi."))};
    if (!hasHeight && !hasStyle)
        throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Manca il valore di «gnomone.altezza_mm» (o di «gnomone.stilo_mm»)."))};
    p.styleLengthGiven = hasStyle;
    readNumber(gnomone, GnomonField(p), p);
}

void readAnalemma(const json &ore, Project &p)
{
    std::string mode = analemmaName(p.analemma);
    readString(ore, "ore", "analemma", mode, Presence::Optional);
    if (mode == "intero")
        p.analemma = gnomonics::AnalemmaMode::Whole;
    else if (mode == "meta")
        p.analemma = gnomonics::AnalemmaMode::Halves;
    else if (mode == "mezzogiorno")
        p.analemma = gnomonics::AnalemmaMode::NoonOnly;
    else
        throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il valore di «ore.analemma» deve essere \"intero\", \"meta\" o \"mezzogiorno\"."))};
}

void readYear(const json &ore, Project &p)
{
    if (const json *anno = member(ore, "ore", "anno", Presence::Optional)) {
        if (!anno->is_number_integer())
            throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il valore di «ore.anno» deve essere un numero intero."))};
        const auto y = anno->get<long long>();
        if (y < gnomonics::kFirstYear || y > gnomonics::kLastYear)
            throw Refusal{sayAbout(QT_TRANSLATE_NOOP("horalo", "Il valore di %1 (%2) è fuori dall'intervallo da %3 a %4."), "ore.anno",
                                   {std::to_string(y), std::to_string(gnomonics::kFirstYear), std::to_string(gnomonics::kLastYear)})};
        p.year = static_cast<int>(y);
    }
}

void readHours(const json &doc, Project &p)
{
    const json &ore = section(doc, "ore", Presence::Optional);
    readSwitch(ore, "ore", "vere", p);
    readSwitch(ore, "ore", "mezze", p);
    readSwitch(ore, "ore", "civili", p);
    readAnalemma(ore, p);
    readYear(ore, p);
    readSwitch(ore, "ore", "italiche", p);
    readSwitch(ore, "ore", "babiloniche", p);
    readSwitch(ore, "ore", "temporarie", p);
    readSwitch(ore, "ore", "quarti", p);
    readSwitch(ore, "ore", "medie_locali", p);
}

// The kind of dial, "piano" when the file does not say (every file before the kinds).
void readKind(const json &doc, Project &p)
{
    const auto it = doc.find("tipo");
    if (it == doc.end())
        return;
    const std::string name = it->is_string() ? it->get<std::string>() : std::string();
    for (const auto kind : {gnomonics::DialKind::Plane, gnomonics::DialKind::Analemmatic, gnomonics::DialKind::Bifilar,
                            gnomonics::DialKind::DarkRoom})
        if (name == KindName(kind)) {
            p.kind = kind;
            return;
        }
    throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il valore di «tipo» deve essere \"piano\", \"analemmatico\", \"bifilare\" o \"camera_oscura\"."))};
}

// Each kind's own sizes; a key left out keeps its default.
void readKindSizes(const json &doc, Project &p)
{
    const json &analemmatico = section(doc, "analemmatico", Presence::Optional);
    readNumber(analemmatico, Limited::SemiAxis, p);
    readNumber(analemmatico, Limited::AnalemmaticGnomon, p);
    const json &bifilare = section(doc, "bifilare", Presence::Optional);
    readNumber(bifilare, Limited::WireEastWest, p);
    readNumber(bifilare, Limited::WireNorthSouth, p);
    readNumber(section(doc, "camera_oscura", Presence::Optional), Limited::Hole, p);
}

// Lines of equal azimuth and altitude; a file without them has none.
void readSkyLines(const json &doc, Project &p)
{
    const json &linee = section(doc, "linee", Presence::Optional);
    readNumber(linee, Limited::AzimuthStep, p);
    readNumber(linee, Limited::AltitudeStep, p);
}

// Refraction, the grid and the motto; a file without them has none.
void readOptions(const json &doc, Project &p)
{
    const json &opzioni = section(doc, "opzioni", Presence::Optional);
    readSwitch(opzioni, "opzioni", "rifrazione", p);
    readNumber(opzioni, Limited::GridSize, p);
    readString(opzioni, "opzioni", "motto", p.motto, Presence::Optional);
    if (const std::string problem = MottoProblem(p.motto); !problem.empty())
        throw Refusal{quoted("opzioni.motto") + ": " + problem};
}

void readDays(const json &date, Project &p)
{
    if (const json *giorni = member(date, "date", "giorni", Presence::Optional)) {
        if (!giorni->is_array())
            throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Il valore di «date.giorni» deve essere un elenco di date \"gg/mm/aaaa\"."))};
        // A date given twice is one line: it is kept once, as first written.
        std::set<std::tuple<int, int, int>> seen;
        for (const json &g : *giorni) {
            if (!g.is_string())
                throw Refusal{say(QT_TRANSLATE_NOOP("horalo", "Ogni elemento di «date.giorni» deve essere una data \"gg/mm/aaaa\"."))};
            const std::string text = g.get<std::string>();
            const auto d = gnomonics::ReadDate(text, p.year);
            if (!d || d->year < gnomonics::kFirstYear || d->year > gnomonics::kLastYear)
                throw Refusal{sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "La data «%1» in «date.giorni» non esiste o è fuori dagli anni %2-%3."),
                                                    {text, std::to_string(gnomonics::kFirstYear), std::to_string(gnomonics::kLastYear)})};
            if (!seen.insert({d->year, d->month, d->day}).second)
                continue;
            if (static_cast<int>(seen.size()) > kMaxDays)
                throw Refusal{quoted("date.giorni") + ": " + TooManyDaysSentence()};
            p.days.push_back(text);
        }
    }
}

void readDates(const json &doc, Project &p)
{
    const json &date = section(doc, "date", Presence::Optional);
    readSwitch(date, "date", "solstizi_equinozi", p);
    readSwitch(date, "date", "zodiaco", p);
    readSwitch(date, "date", "mesi", p);
    readDays(date, p);
}

void readPlate(const json &doc, Project &p)
{
    const json &lastra = section(doc, "lastra", Presence::Required);
    readNumber(lastra, Limited::PlateWidth, p);
    readNumber(lastra, Limited::PlateHeight, p);
    readNumber(lastra, Limited::FootFromLeft, p);
    readNumber(lastra, Limited::FootFromTop, p);
}

Project readDocument(const json &doc)
{
    checkFormat(doc);

    Project p;
    readKind(doc, p);
    readPlace(doc, p);
    readWall(doc, p);
    readGnomon(doc, p);
    readHours(doc, p);
    readDates(doc, p);
    readPlate(doc, p);
    readSkyLines(doc, p);
    readOptions(doc, p);
    readKindSizes(doc, p);
    // The plate against the gnomon, the wires and the grid, all read by now.
    if (const std::string problem = PlateProblem(p); !problem.empty())
        throw Refusal{quoted("lastra") + ": " + problem};

    p.keptJson = doc.dump();
    return p;
}

json keptDocument(const Project &p)
{
    if (p.keptJson.empty())
        return json::object();
    json doc = json::parse(p.keptJson, nullptr, false);
    return doc.is_object() ? doc : json::object();
}

// Merges our keys into a kept section, leaving the keys we do not know in place.
json &sectionOf(json &doc, const char *name)
{
    json &s = doc[name];
    if (!s.is_object())
        s = json::object();
    return s;
}

// The deepest nesting of arrays and objects in a JSON text, counted on the bytes without
// parsing, brackets inside strings left out. It stops counting past limit.
int nestingDepth(std::string_view text, int limit)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit)
                return deepest;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

ProjectRead ReadProject(std::string_view text)
{
    ProjectRead out;
    // The JSON library reads, copies and writes nested values by recursion: a file nested some
    // ten thousand levels deep would exhaust the stack and take every open window with it. A
    // project is four levels deep; anything past kMaxNesting is refused before it is parsed.
    if (nestingDepth(text, kMaxNesting) > kMaxNesting) {
        out.message = say(QT_TRANSLATE_NOOP("horalo", "Il file ha elenchi o sezioni annidati più di 64 livelli: non è un progetto di Horalo."));
        return out;
    }
    json doc;
    try {
        doc = json::parse(text.begin(), text.end());
    } catch (const json::parse_error &e) {
        out.message = text.empty() ? say(QT_TRANSLATE_NOOP("horalo", "Il file è vuoto."))
                                   : sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "Il file è troncato o non è JSON valido (al carattere %1)."),
                                                           {std::to_string(e.byte)});
        return out;
    } catch (const json::exception &) {
        // A number beyond what a double holds (1e400) stops the reader with an error of its own.
        out.message = say(QT_TRANSLATE_NOOP("horalo", "Il file contiene un numero troppo grande per essere letto."));
        return out;
    }
    try {
        out.project = readDocument(doc);
        out.ok = true;
    } catch (const Refusal &r) {
        out.message = r.message;
    } catch (const json::exception &) {
        out.message = say(QT_TRANSLATE_NOOP("horalo", "Il file contiene valori di tipo inatteso."));
    }
    return out;
}

ProjectRead LoadProject(const std::string &path)
{
    ProjectRead out;
    // Opened without waiting (a FIFO would block until someone writes to it) and looked at
    // before it is read: only a regular file of project size, never a folder or a device
    // such as /dev/zero that never ends.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.message = sayAbout(QT_TRANSLATE_NOOP("horalo", "Impossibile aprire il file %1."), path);
        return out;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        out.message = S_ISDIR(info.st_mode) ? sayAbout(QT_TRANSLATE_NOOP("horalo", "%1 è una cartella, non un progetto."), path)
                                            : sayAbout(QT_TRANSLATE_NOOP("horalo", "%1 non è un file ordinario (è un dispositivo, una coda o un socket)."), path);
        return out;
    }
    if (info.st_size > kMaxProjectBytes) {
        ::close(fd);
        out.message = sayAbout(QT_TRANSLATE_NOOP("horalo", "Il file %1 è troppo grande per un progetto (più di 1 MB)."), path);
        return out;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            out.message = sayAbout(QT_TRANSLATE_NOOP("horalo", "Impossibile aprire il file %1."), path);
            return out;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > static_cast<std::size_t>(kMaxProjectBytes)) {
            ::close(fd);
            out.message = sayAbout(QT_TRANSLATE_NOOP("horalo", "Il file %1 è troppo grande per un progetto (più di 1 MB)."), path);
            return out;
        }
    }
    ::close(fd);
    return ReadProject(bytes);
}

std::string WriteProject(const Project &p)
{
    json doc = keptDocument(p);
    doc["formato"] = kFormatName;
    doc["versione"] = kFormatVersion;
    doc["tipo"] = KindName(p.kind);
    for (const FieldLimit &number : NumberFields())
        if (std::string_view(number.section) != "gnomone")
            sectionOf(doc, number.section)[number.key] = p.*number.value;
    for (const SwitchField &on : SwitchFields())
        sectionOf(doc, on.section)[on.key] = p.*on.value;
    sectionOf(doc, "luogo")["nome"] = p.placeName;
    // One measure of the gnomon, the one the project gives.
    json &gnomone = sectionOf(doc, "gnomone");
    gnomone.erase(LimitOf(Limited::NodusHeight).key);
    gnomone.erase(LimitOf(Limited::StyleLength).key);
    const FieldLimit &gnomon = LimitOf(GnomonField(p));
    gnomone[gnomon.key] = p.*gnomon.value;
    json &ore = sectionOf(doc, "ore");
    ore["analemma"] = analemmaName(p.analemma);
    ore["anno"] = p.year;
    sectionOf(doc, "date")["giorni"] = p.days;
    sectionOf(doc, "opzioni")["motto"] = p.motto;
    return doc.dump(2) + "\n";
}

bool SaveProject(const std::string &path, const Project &project, std::string *error)
{
    return files::WriteFileAtomically(path, WriteProject(project), error);
}

bool SetExtraObject(Project &project, const std::string &key, std::string_view objectJson)
{
    if (nestingDepth(objectJson, kMaxNesting - 1) > kMaxNesting - 1)
        return false;
    json value = json::parse(objectJson.begin(), objectJson.end(), nullptr, false);
    if (!value.is_object())
        return false;
    json doc = keptDocument(project);
    doc[key] = std::move(value);
    project.keptJson = doc.dump();
    return true;
}

std::string ExtraObject(const Project &project, const std::string &key)
{
    const json doc = keptDocument(project);
    const auto it = doc.find(key);
    return it == doc.end() ? std::string() : it->dump();
}

std::string PlateProblem(const Project &p)
{
    const double longer = std::max(p.plateWidthMm, p.plateHeightMm);
    if (p.gridMm > 0 && longer / p.gridMm > 1000)
        return say(QT_TRANSLATE_NOOP("horalo", "La griglia avrebbe più di 1000 linee per lato: scegliere quadretti più grandi."));
    // The lines of a gnomon tiny beside its plate crowd and multiply; an analemmatic dial has
    // marks only, and a bifilar dial's lines scale with its lower wire.
    const double gnomon = p.kind == gnomonics::DialKind::Bifilar ? std::min(p.wireEastWestMm, p.wireNorthSouthMm) : p.gnomonMm;
    if (p.kind == gnomonics::DialKind::Analemmatic || longer <= kMaxPlateToGnomon * gnomon)
        return {};
    return say(QT_TRANSLATE_NOOP("horalo", "Il lato più lungo della lastra può misurare al massimo 200 volte lo gnomone (altezza del nodo o lunghezza dello stilo)."));
}

SpecResult ToDialSpec(const Project &p)
{
    SpecResult out;
    gnomonics::DialSpec &s = out.design;
    s.place = {p.latitudeDeg, p.longitudeDeg, p.zoneHours, p.summerTime};
    s.declinationDeg = p.declinationDeg;
    s.inclinationDeg = p.inclinationDeg;
    s.gnomon = p.styleLengthGiven ? gnomonics::GnomonSize::StyleLength : gnomonics::GnomonSize::NodusHeight;
    s.gnomonMm = p.gnomonMm;
    s.year = p.year;
    s.hours.apparent = p.apparent;
    s.hours.halfHours = p.halfHours;
    s.hours.clock = p.clock;
    s.hours.clockKind = p.localMean ? gnomonics::ClockKind::LocalMean : gnomonics::ClockKind::Zone;
    s.hours.quarterHours = p.quarterHours;
    s.hours.temporary = p.temporary;
    s.sky.azimuthStepDeg = p.azimuthStepDeg;
    s.sky.altitudeStepDeg = p.altitudeStepDeg;
    s.refraction = p.refraction;
    s.kind = p.kind;
    s.analemmatic = {p.semiAxisMm, p.analemmaticGnomonMm};
    s.bifilar = {p.wireEastWestMm, p.wireNorthSouthMm};
    s.darkRoom = {p.holeMm};
    if (p.kind == gnomonics::DialKind::Bifilar || p.kind == gnomonics::DialKind::Analemmatic) {
        // Both lie on a horizontal plate, whatever the plane fields still hold.
        const gnomonics::PlaneInput flat = gnomonics::KindPlane(s);
        s.declinationDeg = flat.declinationDeg;
        s.inclinationDeg = flat.inclinationDeg;
        s.gnomon = flat.gnomon;
        s.gnomonMm = flat.sizeMm;
    }
    // A date line traced every minute: its chords then stay within a few thousandths of a
    // millimetre of the curve even a metre and more from the foot (every 5 minutes they were
    // 0.03 mm off there), so every point of the CSV lies on the drawn line. The CSV keeps one
    // sample every 5 minutes.
    s.dateLineStepMinutes = 1;
    s.hours.equationOfTime = true;
    s.hours.analemma = p.analemma;
    s.hours.italic = p.italic;
    s.hours.babylonian = p.babylonian;
    s.dates.solsticesEquinoxes = p.solsticesEquinoxes;
    s.dates.zodiac = p.zodiac;
    s.dates.monthFirsts = p.monthFirsts;
    for (const std::string &text : p.days) {
        const auto d = gnomonics::ReadDate(text, p.year);
        if (!d || !gnomonics::IsValidDate(*d)) {
            out.status = gnomonics::Refuse(gnomonics::InputField::Date, gnomonics::RefusalReason::NoSuchDate);
            out.key = FieldAtFault(gnomonics::InputField::Date, p);
            out.message = sheet::translatedWith(QT_TRANSLATE_NOOP("horalo", "La data «%1» non esiste o è fuori dagli anni 1600-2400."), {text});
            return out;
        }
        s.dates.dates.push_back(*d);
    }
    if (!(p.plateWidthMm >= gnomonics::kMinPlateMm) || !(p.plateHeightMm >= gnomonics::kMinPlateMm) ||
        !std::isfinite(p.plateWidthMm) || !std::isfinite(p.plateHeightMm) || !std::isfinite(p.footFromLeftMm) ||
        !std::isfinite(p.footFromTopMm)) {
        out.status = gnomonics::Refuse(gnomonics::InputField::Plate, gnomonics::RefusalReason::OutOfRange);
        out.key = LimitOf(p.plateWidthMm >= gnomonics::kMinPlateMm ? Limited::PlateHeight : Limited::PlateWidth).formKey;
        out.message = sheet::RefusalText(out.status);
        return out;
    }
    if (const std::string problem = PlateProblem(p); !problem.empty()) {
        out.status = gnomonics::Refuse(gnomonics::InputField::Plate, gnomonics::RefusalReason::OutOfRange);
        out.key = FieldAtFault(gnomonics::InputField::Plate, p);
        out.message = problem;
        return out;
    }
    s.plate.leftMm = -p.footFromLeftMm;
    s.plate.rightMm = p.plateWidthMm - p.footFromLeftMm;
    s.plate.topMm = p.footFromTopMm;
    s.plate.bottomMm = p.footFromTopMm - p.plateHeightMm;
    out.ok = true;
    return out;
}

} // namespace project
