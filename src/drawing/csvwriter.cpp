#include "drawing/csvwriter.h"

#include "sheet/translation.h"

#include "drawing/dialsketch.h"
#include "drawing/textformat.h"
#include "files/atomicfile.h"

#include <cmath>
#include <functional>
#include <cstdio>

namespace drawing {

using gnomonics::DialLine;
using gnomonics::DialPoint;
using gnomonics::LineFamily;

namespace {

// A marked text in the program's language.
std::string say(const char *italian) { return sheet::translated(italian); }

// After the hour of each half of a split analemma: "12 dic-giu", "12 giu-dic".
const char *const kDecemberToJune = QT_TRANSLATE_NOOP("horalo", " dic-giu");
const char *const kJuneToDecember = QT_TRANSLATE_NOOP("horalo", " giu-dic");

const char *typeOf(const DialLine &line, const gnomonics::DialSpec &design)
{
    switch (line.family) {
    case LineFamily::ApparentTime: return "ora_vera";
    case LineFamily::ClockTime:
        // A dark room's figure eights are listed in the zone's civil time, mean noon too.
        return line.clockKind == gnomonics::ClockKind::LocalMean && design.kind != gnomonics::DialKind::DarkRoom
            ? "ora_media" : "ora_civile";
    case LineFamily::Italic: return "italica";
    case LineFamily::Babylonian: return "babilonese";
    case LineFamily::DateLine: return "linea_data";
    case LineFamily::Temporary: return "temporaria";
    case LineFamily::Azimuth: return "azimut";
    case LineFamily::Altitude: return "altezza";
    }
    return "";
}

// Lines whose rows give the apparent time of the instant rather than the line's own number:
// date lines and the lines of the Sun's azimuth and altitude cross the hours.
bool rowsGiveApparentTime(LineFamily f)
{
    return f == LineFamily::DateLine || f == LineFamily::ApparentTime || f == LineFamily::Azimuth ||
           f == LineFamily::Altitude;
}

std::string isoDate(const gnomonics::CivilDate &d)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

// A field as a CSV reader takes it back: quoted when it holds the separator, a quote or a line
// break, its quotes doubled.
std::string csvField(const std::string &text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

bool finitePoint(const DialPoint &p) { return std::isfinite(p.xMm) && std::isfinite(p.yMm); }

class Rows {
public:
    explicit Rows(const gnomonics::DialLines &dial) : dial_(dial) {}

    void add(const char *type, const std::string &label, const std::string &hour, const std::string &date,
             const std::string &declination, double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y) || !dial_.design.plate.contains({x, y}))
            return;
        rows_.push_back({type, label, hour, date, declination, Decimal(x, 2), Decimal(y, 2)});
        fromFoot_.push_back(std::hypot(x, y));
    }
    // A point of a line described by its hour (or apparent time for a date line) and the Sun's
    // declination.
    void addPoint(const DialLine &line, const std::string &label, const DialPoint &p)
    {
        if (!finitePoint(p))
            return;
        const double hour = rowsGiveApparentTime(line.family) ? p.apparentHours : line.hour;
        add(typeOf(line, dial_.design), label, Decimal(hour, 6), "", Decimal(p.declinationDeg, 4), p.xMm, p.yMm);
    }
    std::vector<CsvRow> rows_;
    std::vector<double> fromFoot_; // each row's distance from F, unrounded

private:
    const gnomonics::DialLines &dial_;
};

using LineName = std::function<std::string(const DialLine &)>;

// The clock reading a row gives: the line's own, but a dark room's mean-noon figure eight in the
// zone's time (mean noon at Milano is 12:23 on the zone's clock).
double civilReading(const gnomonics::DialSpec &design, const DialLine &line, double hours)
{
    if (design.kind != gnomonics::DialKind::DarkRoom || line.clockKind != gnomonics::ClockKind::LocalMean)
        return hours;
    // The same instant in UT, then read on the zone's clock.
    const double ut = gnomonics::ClockToUtHours(design.place, gnomonics::ClockKind::LocalMean, hours);
    return ut - gnomonics::ClockToUtHours(design.place, gnomonics::ClockKind::Zone, 0.0);
}

// The marks of an analemmatic dial (its hours, its date scale) and a dark room's noon spots:
// each day's spot is a point of its date at apparent noon, and at the solstices and equinoxes
// the centre of the spot drawn around it.
void addMarkRows(Rows &rows, const gnomonics::DialLines &dial, bool shown)
{
    for (const gnomonics::DialMark &m : dial.marks) {
        const std::string day = shown ? drawing::ShownDayName(m.dateLine.date) : drawing::DayName(m.dateLine.date);
        const std::string iso = isoDate(m.dateLine.date);
        const std::string decl = Decimal(m.declinationDeg, 4);
        switch (m.kind) {
        case gnomonics::MarkKind::AnalemmaticHour:
            rows.add("ora_analemmatica", drawing::HourText(m.hour), Decimal(m.hour, 6), "", "", m.at.xMm, m.at.yMm);
            break;
        case gnomonics::MarkKind::DateScale:
            rows.add("scala_date", day, "", iso, decl, m.at.xMm, m.at.yMm);
            break;
        case gnomonics::MarkKind::NoonSpot:
            rows.add("linea_data", day, Decimal(12.0, 6), iso, decl, m.at.xMm, m.at.yMm);
            if (!m.outline.empty())
                rows.add("macchia", day, Decimal(12.0, 6), iso, decl, m.at.xMm, m.at.yMm);
            break;
        }
    }
}

// Analemmas: one point a day, and the ends of each piece. An end on the plate's edge or on the
// horizon falls between two days: it has no date, only the Sun's declination there.
void addAnalemmaRows(Rows &rows, const gnomonics::DialLines &dial, const LineName &name)
{
    for (const DialLine &line : dial.lines) {
        if (line.family != LineFamily::ClockTime)
            continue;
        const std::string label = name(line);
        for (const auto &piece : line.pieces)
            for (std::size_t k = 0; k < piece.size(); ++k) {
                const DialPoint &p = piece[k];
                const bool end = k == 0 || k + 1 == piece.size();
                if (!finitePoint(p) || !(p.hasDate || end))
                    continue;
                rows.add(typeOf(line, dial.design), label, Decimal(civilReading(dial.design, line, p.hasClock ? p.clockHours : line.hour), 6),
                         p.hasDate ? isoDate(p.date) : "", Decimal(p.declinationDeg, 4), p.xMm, p.yMm);
            }
    }
}

// Date lines every 5 minutes of apparent time (the line may be traced more finely), and where
// each piece ends.
void addDateLineRows(Rows &rows, const gnomonics::DialLines &dial, const LineName &name)
{
    const double perFive = 5.0 / dial.design.dateLineStepMinutes;
    const bool finer = perFive > 1.5 && std::abs(perFive - std::round(perFive)) < 1e-9;
    auto fiveMinutes = [finer](const DialPoint &p) {
        if (!finer)
            return true; // traced every 5 minutes or more coarsely: every sample is a row
        const double steps = p.parameter / 1.25; // 5 minutes are 1.25 degrees of hour angle
        return std::abs(steps - std::round(steps)) < 1e-9;
    };
    for (const DialLine &line : dial.lines) {
        if (line.family != LineFamily::DateLine)
            continue;
        const std::string label = name(line);
        for (const auto &piece : line.pieces)
            for (std::size_t k = 0; k < piece.size(); ++k)
                if (k == 0 || k + 1 == piece.size() || fiveMinutes(piece[k]))
                    rows.addPoint(line, label, piece[k]);
    }
}

// Lines of equal altitude one point every degree of azimuth, and where each piece ends.
void addAltitudeRows(Rows &rows, const gnomonics::DialLines &dial, const LineName &name)
{
    for (const DialLine &line : dial.lines) {
        if (line.family != LineFamily::Altitude)
            continue;
        const std::string label = name(line);
        for (const auto &piece : line.pieces)
            for (std::size_t k = 0; k < piece.size(); ++k)
                if (k == 0 || k + 1 == piece.size() || std::abs(piece[k].parameter - std::round(piece[k].parameter)) < 1e-9)
                    rows.addPoint(line, label, piece[k]);
    }
}

// Crossings between hour families, and of the analemmas with the date lines (the straight
// hour lines at the date lines come first, on their own).
void addCrossingRows(Rows &rows, const gnomonics::DialLines &dial, const LineName &name)
{
    const LineFamily order[] = {LineFamily::ApparentTime, LineFamily::Italic, LineFamily::Babylonian,
                                LineFamily::Temporary, LineFamily::DateLine, LineFamily::ClockTime};
    const auto &h = dial.design.hours;
    auto chosen = [&](LineFamily f) {
        switch (f) {
        case LineFamily::ApparentTime: return h.apparent;
        case LineFamily::ClockTime: return h.clock;
        case LineFamily::Italic: return h.italic;
        case LineFamily::Babylonian: return h.babylonian;
        case LineFamily::Temporary: return h.temporary;
        case LineFamily::DateLine: return true;
        case LineFamily::Azimuth:
        case LineFamily::Altitude: break;
        }
        return false;
    };
    for (std::size_t a = 0; a < std::size(order); ++a)
        for (std::size_t b = a + 1; b < std::size(order); ++b) {
            const LineFamily fa = order[a], fb = order[b];
            if (!chosen(fa) || !chosen(fb) || fb == LineFamily::DateLine ||
                (fa == LineFamily::DateLine && fb != LineFamily::ClockTime))
                continue;
            for (const auto &c : gnomonics::FindCrossings(dial, fa, fb))
                rows.addPoint(dial.lines[c.lineA], name(dial.lines[c.lineA]) + " - " + name(dial.lines[c.lineB]), c.onA);
        }
}

// The ends of the straight hour lines' pieces (on the plate's edge, the horizon, a solstice
// line, or where the Sun leaves the face) under the line's own name, even where the same point
// is listed as a crossing: whoever reads the rows of "12" finds where 12 starts and stops
// without knowing what it meets there.
void addHourLineEnds(Rows &rows, const std::vector<DialLine> &lines, const LineName &name)
{
    for (const DialLine &line : lines) {
        if (line.family == LineFamily::ClockTime || line.family == LineFamily::DateLine)
            continue;
        for (const auto &piece : line.pieces) {
            if (piece.empty())
                continue;
            rows.addPoint(line, name(line), piece.front());
            if (piece.size() > 1)
                rows.addPoint(line, name(line), piece.back());
        }
    }
}

std::vector<CsvRow> csvRows(const gnomonics::DialLines &dial, bool shown, std::vector<double> *fromFoot = nullptr)
{
    if (fromFoot)
        fromFoot->clear();
    if (!dial.status.ok())
        return {};
    Rows rows(dial);
    const gnomonics::DialSpec &design = dial.design;
    // The file names its lines in Italian whatever the program's language; the screen, in it.
    // The two halves of a split analemma carry the same hour: the name says which half it is.
    const LineName name = [shown, &design](const DialLine &line) {
        std::string label = shown ? ShownLineLabel(line, design) : LineLabel(line, design);
        const char *half = line.analemma == gnomonics::AnalemmaHalf::DecemberToJune ? kDecemberToJune
            : line.analemma == gnomonics::AnalemmaHalf::JuneToDecember             ? kJuneToDecember
                                                                                    : nullptr;
        if (half)
            label += shown ? say(half) : std::string(half);
        return label;
    };
    const auto &lines = dial.lines;

    // Straight hour lines where they meet each date line.
    for (LineFamily family : {LineFamily::ApparentTime, LineFamily::Italic, LineFamily::Babylonian,
                              LineFamily::Temporary, LineFamily::Azimuth, LineFamily::Altitude}) {
        const auto crossings = gnomonics::FindCrossings(dial, family, LineFamily::DateLine);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const DialLine &line = lines[i];
            if (line.family != family)
                continue;
            const std::string label = name(line);
            for (const auto &c : crossings)
                if (c.lineA == i)
                    rows.addPoint(line, label + " - " + name(lines[c.lineB]), c.onA);
        }
    }
    addMarkRows(rows, dial, shown);
    addAnalemmaRows(rows, dial, name);
    addDateLineRows(rows, dial, name);
    addAltitudeRows(rows, dial, name);
    addCrossingRows(rows, dial, name);
    addHourLineEnds(rows, lines, name);
    if (dial.centreOnPlate)
        rows.add("centro", "O", "", "", "", dial.plane.centre.xMm, dial.plane.centre.yMm);
    if (dial.footOnPlate)
        rows.add("piede", "F", "", "", "", 0, 0);
    if (fromFoot)
        *fromFoot = std::move(rows.fromFoot_);
    return std::move(rows.rows_);
}

} // namespace

std::string DialCsv(const gnomonics::DialLines &dial)
{
    if (!dial.status.ok())
        return {};
    std::string text = std::string(kCsvHeader) + "\n";
    for (const CsvRow &row : csvRows(dial, false)) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += ';';
            text += c == 1 ? csvField(row[c]) : row[c];
        }
        text += '\n';
    }
    return text;
}

std::vector<CsvRow> DialCsvRowsShown(const gnomonics::DialLines &dial, std::vector<double> *distanceFromFootMm)
{
    return csvRows(dial, true, distanceFromFootMm);
}

bool WriteDialCsv(const std::string &path, const gnomonics::DialLines &dial, std::string *error)
{
    if (!dial.status.ok()) {
        if (error)
            *error = say(QT_TRANSLATE_NOOP("horalo", "Il quadrante non può essere calcolato."));
        return false;
    }
    return files::WriteFileAtomically(path, DialCsv(dial), error);
}

} // namespace drawing
