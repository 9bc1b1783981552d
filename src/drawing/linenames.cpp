#include "drawing/linenames.h"

#include "drawing/textformat.h"
#include "sheet/markedtext.h"

#include <array>
#include <cmath>

namespace drawing {

using gnomonics::DialLine;
using gnomonics::LineFamily;

namespace {

// Month and sign names: the CSV keeps them in Italian (a file format), the drawing shows them in
// the program's language.
constexpr std::array<const char *, 12> kMonths{
    QT_TRANSLATE_NOOP("horalo", "gennaio"),   QT_TRANSLATE_NOOP("horalo", "febbraio"),
    QT_TRANSLATE_NOOP("horalo", "marzo"),     QT_TRANSLATE_NOOP("horalo", "aprile"),
    QT_TRANSLATE_NOOP("horalo", "maggio"),    QT_TRANSLATE_NOOP("horalo", "giugno"),
    QT_TRANSLATE_NOOP("horalo", "luglio"),    QT_TRANSLATE_NOOP("horalo", "agosto"),
    QT_TRANSLATE_NOOP("horalo", "settembre"), QT_TRANSLATE_NOOP("horalo", "ottobre"),
    QT_TRANSLATE_NOOP("horalo", "novembre"),  QT_TRANSLATE_NOOP("horalo", "dicembre")};
constexpr std::array<const char *, 12> kSigns{
    QT_TRANSLATE_NOOP("horalo", "Ariete"),     QT_TRANSLATE_NOOP("horalo", "Toro"),
    QT_TRANSLATE_NOOP("horalo", "Gemelli"),    QT_TRANSLATE_NOOP("horalo", "Cancro"),
    QT_TRANSLATE_NOOP("horalo", "Leone"),      QT_TRANSLATE_NOOP("horalo", "Vergine"),
    QT_TRANSLATE_NOOP("horalo", "Bilancia"),   QT_TRANSLATE_NOOP("horalo", "Scorpione"),
    QT_TRANSLATE_NOOP("horalo", "Sagittario"), QT_TRANSLATE_NOOP("horalo", "Capricorno"),
    QT_TRANSLATE_NOOP("horalo", "Acquario"),   QT_TRANSLATE_NOOP("horalo", "Pesci")};
const sheet::MarkedText kEquinoxes{QT_TRANSLATE_NOOP("horalo", "Equinozi")};
// How a day is written: "21 giugno" in Italian, "June 21" in English.
const sheet::MarkedText kDayPattern{QT_TRANSLATE_NOOP("horalo", "<giorno> <mese>")};
// Azimuths from South: "30° O" West of it, "15° E" East of it.
const sheet::MarkedText kMeanNoon{QT_TRANSLATE_NOOP("horalo", "<ora> tempo medio locale")};
const sheet::MarkedText kZoneNoon{QT_TRANSLATE_NOOP("horalo", "<ora> tempo civile")};
const sheet::MarkedText kWestAzimuth{QT_TRANSLATE_NOOP("horalo", "<gradi>° O")};
const sheet::MarkedText kEastAzimuth{QT_TRANSLATE_NOOP("horalo", "<gradi>° E")};

std::string word(const char *italian, bool shown) { return shown ? sheet::translated(italian) : italian; }

std::string replaced(std::string text, const std::string &what, const std::string &with)
{
    const auto at = text.find(what);
    if (at != std::string::npos)
        text.replace(at, what.size(), with);
    return text;
}

std::string dayName(const gnomonics::CivilDate &d, bool shown)
{
    if (d.month < 1 || d.month > 12)
        return {};
    const std::string month = word(kMonths[static_cast<std::size_t>(d.month - 1)], shown);
    if (!shown)
        return std::to_string(d.day) + " " + month;
    return replaced(replaced(kDayPattern, "<giorno>", std::to_string(d.day)), "<mese>", month);
}

std::string hourText(double hours)
{
    double h = std::fmod(hours, 24.0);
    if (h < 0)
        h += 24.0;
    const int whole = static_cast<int>(std::floor(h + 1e-9));
    const int minutes = static_cast<int>(std::lround((h - whole) * 60.0));
    if (minutes == 0)
        return std::to_string(whole);
    return std::to_string(whole) + ":" + (minutes < 10 ? "0" : "") + std::to_string(minutes);
}

// An angle of a sky line: whole degrees as such ("30"), a step of a fraction with its decimals.
std::string degreesOf(double value, bool shown)
{
    const double whole = std::round(value);
    if (std::abs(value - whole) < 1e-9)
        return std::to_string(std::lround(whole));
    // 7.5 is "7,5", 7.25 "7,25": no trailing zero on the plate.
    const bool tenths = std::abs(value * 10.0 - std::round(value * 10.0)) < 1e-9;
    const int decimals = tenths ? 1 : 2;
    return shown ? DecimalShown(value, decimals) : Decimal(value, decimals);
}

std::string skyLineLabel(const DialLine &line, bool shown)
{
    const double a = line.hour;
    if (line.family == LineFamily::Altitude || std::abs(a) < 1e-9 || std::abs(std::abs(a) - 180.0) < 1e-9)
        return degreesOf(std::abs(a), shown) + "°";
    const sheet::MarkedText &side = a > 0 ? kWestAzimuth : kEastAzimuth;
    return replaced(shown ? side.text() : side.italian(), "<gradi>", degreesOf(std::abs(a), shown));
}

std::string hourLineLabel(const DialLine &line, bool summerTime)
{
    switch (line.family) {
    case LineFamily::ApparentTime:
        return summerTime ? hourText(line.hour) + " (" + hourText(line.hour + 1) + ")" : hourText(line.hour);
    case LineFamily::ClockTime:
        // The analemma is traced for the summer clock; in winter the same curve is read an hour
        // earlier, so it carries both numbers as the apparent lines do, winter first.
        // Local mean time knows no summer time.
        return summerTime && line.clockKind == gnomonics::ClockKind::Zone
            ? hourText(line.hour - 1) + " (" + hourText(line.hour) + ")" : hourText(line.hour);
    case LineFamily::Italic:
    case LineFamily::Babylonian:
    case LineFamily::Temporary:
    case LineFamily::DateLine:
    case LineFamily::Azimuth:
    case LineFamily::Altitude:
        break;
    }
    // Whole hours as makers number them: Italic 1 to 24 (24 at sunset), Babylonian 0 (at
    // sunrise) to 23; not the clock's 0 for 24.
    return std::to_string(std::lround(line.hour));
}

std::string dateLineLabel(const gnomonics::DateLine &d, bool shown)
{
    switch (d.kind) {
    case gnomonics::DateLineKind::Equinoxes:
        return shown ? kEquinoxes.text() : kEquinoxes.italian();
    case gnomonics::DateLineKind::ZodiacEntry: {
        std::string s = d.index >= 0 && d.index < 12 ? word(kSigns[static_cast<std::size_t>(d.index)], shown) : "";
        if (d.partner >= 0 && d.partner < 12)
            s += " / " + word(kSigns[static_cast<std::size_t>(d.partner)], shown);
        return s;
    }
    case gnomonics::DateLineKind::Declination:
        return d.name;
    case gnomonics::DateLineKind::Solstice:
    case gnomonics::DateLineKind::MonthFirst:
    case gnomonics::DateLineKind::Date:
        break;
    }
    return dayName(d.date, shown);
}

std::string lineLabel(const DialLine &line, bool summerTime, bool shown)
{
    if (line.family == LineFamily::DateLine)
        return dateLineLabel(line.dateLine, shown);
    if (line.family == LineFamily::Azimuth || line.family == LineFamily::Altitude)
        return skyLineLabel(line, shown);
    return hourLineLabel(line, summerTime);
}

} // namespace

std::string LineLabel(const DialLine &line, bool summerTime) { return lineLabel(line, summerTime, false); }

std::string ShownLineLabel(const DialLine &line, bool summerTime) { return lineLabel(line, summerTime, true); }

namespace {

std::string labelOnDial(const DialLine &line, const gnomonics::DialSpec &design, bool shown)
{
    const std::string label = lineLabel(line, design.place.summerTime, shown);
    if (design.kind != gnomonics::DialKind::DarkRoom || line.family != LineFamily::ClockTime)
        return label;
    const sheet::MarkedText &clock = line.clockKind == gnomonics::ClockKind::LocalMean ? kMeanNoon : kZoneNoon;
    return replaced(shown ? clock.text() : clock.italian(), "<ora>", label);
}

} // namespace

std::string LineLabel(const DialLine &line, const gnomonics::DialSpec &design) { return labelOnDial(line, design, false); }

std::string ShownLineLabel(const DialLine &line, const gnomonics::DialSpec &design) { return labelOnDial(line, design, true); }

std::string ShownDayName(const gnomonics::CivilDate &day) { return dayName(day, true); }

std::string DayName(const gnomonics::CivilDate &day) { return dayName(day, false); }

std::string HourText(double hours) { return hourText(hours); }

} // namespace drawing
