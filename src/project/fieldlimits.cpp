#include "project/fieldlimits.h"

#include "project/projectfile.h"

#include "gnomonics/hoursystems.h"
#include "gnomonics/linetracer.h"
#include "gnomonics/plane.h"
#include "sheet/translation.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace project {

namespace {

using gnomonics::InputField;

// The designer's form keys are the file's keys, but for the plate's height: "altezza_mm" is the
// nodus height's field in the form.
constexpr FieldLimit kNumbers[] = {
    {"luogo", "latitudine", -gnomonics::kMaxLatitudeDeg, gnomonics::kMaxLatitudeDeg, false,
     QT_TRANSLATE_NOOP("horalo", "La latitudine deve essere compresa tra -89,99 e 89,99 gradi."), Limited::Latitude,
     "latitudine", QT_TRANSLATE_NOOP("horalo", "Latitudine (°, Nord positiva)"), "°", InputField::Latitude,
     &Project::latitudeDeg},
    {"luogo", "longitudine", -180, 180, false,
     QT_TRANSLATE_NOOP("horalo", "La longitudine deve essere compresa tra -180 e 180 gradi."), Limited::Longitude,
     "longitudine", QT_TRANSLATE_NOOP("horalo", "Longitudine (°, Est positiva)"), "°", InputField::Longitude,
     &Project::longitudeDeg},
    {"luogo", "fuso", gnomonics::kFirstZoneHours, gnomonics::kLastZoneHours, false,
     QT_TRANSLATE_NOOP("horalo", "Il fuso deve essere compreso tra -12 e 14 ore."), Limited::Zone, "fuso",
     QT_TRANSLATE_NOOP("horalo", "Fuso orario (ore da UT)"), "ore", InputField::TimeZone, &Project::zoneHours},
    // The file keeps the engine's -180..180 (West positive); the form a side and 0..180.
    {"piano", "declinazione", -180, 180, false,
     QT_TRANSLATE_NOOP("horalo", "La declinazione deve essere compresa tra 0 e 180 gradi."), Limited::Declination,
     "declinazione", QT_TRANSLATE_NOOP("horalo", "Declinazione (°, da 0 a 180)"), "°", InputField::Declination,
     &Project::declinationDeg},
    {"piano", "inclinazione", gnomonics::kMinInclinationDeg, gnomonics::kMaxInclinationDeg, false,
     QT_TRANSLATE_NOOP("horalo", "L'inclinazione va da -80 (piano rivolto verso terra) a 90 (orizzontale)."),
     Limited::Inclination, "inclinazione", QT_TRANSLATE_NOOP("horalo", "Inclinazione (°, 0 verticale, 90 orizzontale)"),
     "°", InputField::Inclination, &Project::inclinationDeg},
    {"gnomone", "altezza_mm", 0, kMaxGnomonMm, true,
     QT_TRANSLATE_NOOP("horalo", "L'altezza del nodo deve essere maggiore di 0 e al massimo 20000 mm."),
     Limited::NodusHeight, "altezza_mm", QT_TRANSLATE_NOOP("horalo", "Altezza del nodo (mm)"), "mm",
     InputField::NodusHeight, &Project::gnomonMm},
    {"gnomone", "stilo_mm", 0, kMaxGnomonMm, true,
     QT_TRANSLATE_NOOP("horalo", "La lunghezza dello stilo deve essere maggiore di 0 e al massimo 20000 mm."),
     Limited::StyleLength, "stilo_mm", QT_TRANSLATE_NOOP("horalo", "Lunghezza dello stilo (mm)"), "mm",
     InputField::StyleLength, &Project::gnomonMm},
    {"lastra", "larghezza_mm", gnomonics::kMinPlateMm, kMaxPlateMm, false,
     QT_TRANSLATE_NOOP("horalo", "La lastra deve misurare da 10 a 20000 mm per lato."), Limited::PlateWidth,
     "larghezza_mm", QT_TRANSLATE_NOOP("horalo", "Larghezza (mm)"), "mm", InputField::Plate, &Project::plateWidthMm},
    {"lastra", "altezza_mm", gnomonics::kMinPlateMm, kMaxPlateMm, false,
     QT_TRANSLATE_NOOP("horalo", "La lastra deve misurare da 10 a 20000 mm per lato."), Limited::PlateHeight,
     "altezza_lastra_mm", QT_TRANSLATE_NOOP("horalo", "Altezza (mm)"), "mm", InputField::None, &Project::plateHeightMm},
    {"lastra", "piede_da_sinistra_mm", -kMaxPlateMm, kMaxPlateMm, false,
     QT_TRANSLATE_NOOP("horalo", "Il piede dello gnomone deve stare tra -20000 e 20000 mm dal bordo."),
     Limited::FootFromLeft, "piede_da_sinistra_mm",
     QT_TRANSLATE_NOOP("horalo", "Piede dello gnomone F dal bordo sinistro (mm)"), "mm", InputField::None,
     &Project::footFromLeftMm},
    {"lastra", "piede_da_alto_mm", -kMaxPlateMm, kMaxPlateMm, false,
     QT_TRANSLATE_NOOP("horalo", "Il piede dello gnomone deve stare tra -20000 e 20000 mm dal bordo."),
     Limited::FootFromTop, "piede_da_alto_mm", QT_TRANSLATE_NOOP("horalo", "Piede dello gnomone F dal bordo alto (mm)"),
     "mm", InputField::None, &Project::footFromTopMm},
    {"linee", "azimut_passo", gnomonics::kMinSkyStepDeg, 90, false,
     QT_TRANSLATE_NOOP("horalo", "Il passo delle linee di azimut va da 1 a 90 gradi (0: nessuna linea)."), Limited::AzimuthStep,
     "azimut_passo", QT_TRANSLATE_NOOP("horalo", "Linee di azimut ogni (°, 0 nessuna)"), "°", InputField::AzimuthStep,
     &Project::azimuthStepDeg, true},
    {"linee", "altezza_passo", gnomonics::kMinSkyStepDeg, 90, false,
     QT_TRANSLATE_NOOP("horalo", "Il passo delle linee di altezza va da 1 a 90 gradi (0: nessuna linea)."), Limited::AltitudeStep,
     "altezza_passo", QT_TRANSLATE_NOOP("horalo", "Linee di altezza ogni (°, 0 nessuna)"), "°", InputField::AltitudeStep,
     &Project::altitudeStepDeg, true},
    {"opzioni", "griglia_mm", kMinGridMm, kMaxGridMm, false,
     QT_TRANSLATE_NOOP("horalo", "Il lato dei quadretti della griglia va da 5 a 1000 mm (0: nessuna griglia)."), Limited::GridSize,
     "griglia_mm", QT_TRANSLATE_NOOP("horalo", "Griglia a quadretti di lato (mm, 0 nessuna)"), "mm", InputField::None,
     &Project::gridMm, true},
    {"analemmatico", "semiasse_mm", 0, gnomonics::kMaxKindSizeMm, true,
     QT_TRANSLATE_NOOP("horalo", "Il semiasse dell'ellisse deve essere maggiore di 0 e al massimo 100000 mm."), Limited::SemiAxis,
     "semiasse_mm", QT_TRANSLATE_NOOP("horalo", "Semiasse maggiore M dell'ellisse (mm)"), "mm", InputField::KindSize,
     &Project::semiAxisMm, false, true},
    {"analemmatico", "gnomone_mm", 0, gnomonics::kMaxKindSizeMm, false,
     QT_TRANSLATE_NOOP("horalo", "L'altezza dello gnomone verticale va da 0 (una persona) a 100000 mm."), Limited::AnalemmaticGnomon,
     "gnomone_mm", QT_TRANSLATE_NOOP("horalo", "Gnomone verticale (mm, 0 una persona)"), "mm", InputField::KindSize,
     &Project::analemmaticGnomonMm, true, true},
    {"bifilare", "filo_est_ovest_mm", 0, gnomonics::kMaxKindSizeMm, true,
     QT_TRANSLATE_NOOP("horalo", "L'altezza del filo Est-Ovest deve essere maggiore di 0 e al massimo 100000 mm."), Limited::WireEastWest,
     "filo_est_ovest_mm", QT_TRANSLATE_NOOP("horalo", "Filo Est-Ovest: altezza a (mm)"), "mm", InputField::KindSize,
     &Project::wireEastWestMm, false, true},
    {"bifilare", "filo_nord_sud_mm", 0, gnomonics::kMaxKindSizeMm, true,
     QT_TRANSLATE_NOOP("horalo", "L'altezza del filo Nord-Sud deve essere maggiore di 0 e al massimo 100000 mm."), Limited::WireNorthSouth,
     "filo_nord_sud_mm", QT_TRANSLATE_NOOP("horalo", "Filo Nord-Sud: altezza b (mm)"), "mm", InputField::KindSize,
     &Project::wireNorthSouthMm, false, true},
    {"camera_oscura", "diametro_foro_mm", 0, gnomonics::kMaxKindSizeMm, true,
     QT_TRANSLATE_NOOP("horalo", "Il diametro del foro deve essere maggiore di 0 e al massimo 100000 mm."), Limited::Hole,
     "diametro_foro_mm", QT_TRANSLATE_NOOP("horalo", "Diametro del foro (mm)"), "mm", InputField::KindSize,
     &Project::holeMm, false, true},
};

constexpr SwitchField kSwitches[] = {
    {"luogo", "ora_legale", true, "ora_legale", QT_TRANSLATE_NOOP("horalo", "Ora legale"), &Project::summerTime},
    {"ore", "vere", false, "vere", QT_TRANSLATE_NOOP("horalo", "Ore vere (tempo vero locale)"), &Project::apparent},
    {"ore", "mezze", false, "mezze", QT_TRANSLATE_NOOP("horalo", "Mezze ore"), &Project::halfHours},
    {"ore", "civili", false, "civili", QT_TRANSLATE_NOOP("horalo", "Ore civili (analemmi)"), &Project::clock},
    {"ore", "italiche", false, "italiche", QT_TRANSLATE_NOOP("horalo", "Ore italiche"), &Project::italic},
    {"ore", "babiloniche", false, "babiloniche", QT_TRANSLATE_NOOP("horalo", "Ore babiloniche"), &Project::babylonian},
    {"ore", "temporarie", false, "temporarie", QT_TRANSLATE_NOOP("horalo", "Ore temporarie"), &Project::temporary},
    {"ore", "quarti", false, "quarti", QT_TRANSLATE_NOOP("horalo", "Quarti d'ora"), &Project::quarterHours},
    {"ore", "medie_locali", false, "medie_locali", QT_TRANSLATE_NOOP("horalo", "Tempo medio locale invece del fuso"),
     &Project::localMean},
    {"opzioni", "rifrazione", false, "rifrazione", QT_TRANSLATE_NOOP("horalo", "Rifrazione"), &Project::refraction},
    {"date", "solstizi_equinozi", false, "solstizi_equinozi", QT_TRANSLATE_NOOP("horalo", "Solstizi ed equinozi"),
     &Project::solsticesEquinoxes},
    {"date", "zodiaco", false, "zodiaco", QT_TRANSLATE_NOOP("horalo", "Ingresso nei segni zodiacali"), &Project::zodiac},
    {"date", "mesi", false, "mesi", QT_TRANSLATE_NOOP("horalo", "Primo di ogni mese"), &Project::monthFirsts},
};

// LimitOf finds a number by its place in the table.
static_assert([] {
    for (std::size_t i = 0; i < std::size(kNumbers); ++i)
        if (static_cast<std::size_t>(kNumbers[i].id) != i)
            return false;
    return true;
}());

// The next code point of UTF-8 text from i, or nothing when the bytes there are not UTF-8
// (overlong forms and surrogates included).
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        c = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

// Characters that XML 1.0, a DXF group value or a CSV line cannot carry as they are.
bool unwritable(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF;
}

} // namespace

std::span<const FieldLimit> NumberFields() { return kNumbers; }
std::span<const SwitchField> SwitchFields() { return kSwitches; }

const FieldLimit &LimitOf(Limited field) { return kNumbers[static_cast<int>(field)]; }

Limited GnomonField(const Project &project) { return project.styleLengthGiven ? Limited::StyleLength : Limited::NodusHeight; }

std::string FieldAtFault(gnomonics::InputField field, const Project &project)
{
    switch (field) {
    case InputField::NodusHeight:
        // The engine names the nodus for either measure of the gnomon.
        return LimitOf(GnomonField(project)).formKey;
    case InputField::Date:
        return kDaysKey;
    case InputField::Year:
        return kYearKey;
    default:
        break;
    }
    for (const FieldLimit &number : kNumbers)
        if (number.engine == field && field != InputField::None)
            return number.formKey;
    return LimitOf(Limited::Latitude).formKey;
}

namespace {

bool onThePlate(Limited field)
{
    return field == Limited::PlateWidth || field == Limited::PlateHeight || field == Limited::FootFromLeft ||
           field == Limited::FootFromTop;
}

} // namespace

double HighestValue(const FieldLimit &limit, gnomonics::DialKind kind)
{
    return kind == gnomonics::DialKind::DarkRoom && onThePlate(limit.id) ? kMaxDarkRoomPlateMm : limit.hi;
}

double LowestValue(const FieldLimit &limit, gnomonics::DialKind kind)
{
    // The foot may lie as far beyond either edge.
    return kind == gnomonics::DialKind::DarkRoom && onThePlate(limit.id) && limit.lo < 0 ? -kMaxDarkRoomPlateMm : limit.lo;
}

bool IsWithin(const FieldLimit &limit, double value, gnomonics::DialKind kind)
{
    if (limit.zeroMeansNone && value == 0.0)
        return true;
    const double hi = HighestValue(limit, kind);
    const double lo = LowestValue(limit, kind);
    return std::isfinite(value) && value <= hi && (limit.openLow ? value > lo : value >= lo);
}

std::string LimitSentence(Limited field, gnomonics::DialKind kind)
{
    if (kind == gnomonics::DialKind::DarkRoom && onThePlate(field))
        return sheet::translated(field == Limited::FootFromLeft || field == Limited::FootFromTop
            ? QT_TRANSLATE_NOOP("horalo", "Il piede dello gnomone deve stare tra -100000 e 100000 mm dal bordo.")
            : QT_TRANSLATE_NOOP("horalo", "La lastra di una meridiana a camera oscura deve misurare da 10 a 100000 mm per lato."));
    return sheet::translated(LimitOf(field).sentence);
}

const char *KindName(gnomonics::DialKind kind)
{
    switch (kind) {
    case gnomonics::DialKind::Analemmatic: return "analemmatico";
    case gnomonics::DialKind::Bifilar: return "bifilare";
    case gnomonics::DialKind::DarkRoom: return "camera_oscura";
    case gnomonics::DialKind::Plane: break;
    }
    return "piano";
}

namespace {

// What a text written on the plate and into every file may not hold, and the words for it.
struct TextRule {
    std::size_t maxCharacters;
    const char *badCharacter;
    const char *cdataEnd;
    const char *tooLong;
};

std::string textProblem(std::string_view utf8, const TextRule &rule)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = nextCodePoint(utf8, i);
        if (!c || unwritable(*c))
            return sheet::translated(rule.badCharacter);
        ++characters;
    }
    if (utf8.find("]]>") != std::string_view::npos)
        return sheet::translated(rule.cdataEnd);
    if (characters > rule.maxCharacters)
        return sheet::translated(rule.tooLong);
    return {};
}

} // namespace

std::string NameProblem(std::string_view utf8)
{
    return textProblem(utf8, {kMaxNameCharacters,
                              QT_TRANSLATE_NOOP("horalo", "Il nome contiene un carattere che i file di disegno non possono contenere (a capo, tabulazione o altro carattere di controllo, U+FFFE o U+FFFF)."),
                              QT_TRANSLATE_NOOP("horalo", "Il nome non può contenere «]]>»."),
                              QT_TRANSLATE_NOOP("horalo", "Il nome è troppo lungo: al massimo 200 caratteri.")});
}

std::string MottoProblem(std::string_view utf8)
{
    return textProblem(utf8, {kMaxMottoCharacters,
                              QT_TRANSLATE_NOOP("horalo", "Il motto contiene un carattere che i file di disegno non possono contenere (a capo, tabulazione o altro carattere di controllo, U+FFFE o U+FFFF)."),
                              QT_TRANSLATE_NOOP("horalo", "Il motto non può contenere «]]>»."),
                              QT_TRANSLATE_NOOP("horalo", "Il motto è troppo lungo: al massimo 200 caratteri.")});
}

std::string TooManyDaysSentence()
{
    return sheet::translated(QT_TRANSLATE_NOOP("horalo", "Al massimo 30 date oltre a solstizi, equinozi, segni e mesi (le date ripetute contano una volta)."));
}

} // namespace project
