#include "survey/surveyform.h"

#include "gnomonics/wallsurvey.h"
#include "sheet/markedtext.h"
#include "sheet/numbers.h"
#include "sheet/refusaltext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace survey {

namespace {

// The words the window shows beside fields and in its results.
const sheet::MarkedText kEast{QT_TRANSLATE_NOOP("horalo", " Est")};
const sheet::MarkedText kWest{QT_TRANSLATE_NOOP("horalo", " Ovest")};
const sheet::MarkedText kImpossible{QT_TRANSLATE_NOOP("horalo", "impossibile")};
const sheet::MarkedText kIgnored{QT_TRANSLATE_NOOP("horalo", "ignorata")};
const sheet::MarkedText kMissing{QT_TRANSLATE_NOOP("horalo", "manca il valore")};
const sheet::MarkedText kNotANumber{QT_TRANSLATE_NOOP("horalo", "non è un numero")};
const sheet::MarkedText kDateLabel{QT_TRANSLATE_NOOP("horalo", "data: ")};
const sheet::MarkedText kClockLabel{QT_TRANSLATE_NOOP("horalo", "ora: ")};
const sheet::MarkedText kAlphaLabel{QT_TRANSLATE_NOOP("horalo", "α: ")};
const sheet::MarkedText kDateForm{QT_TRANSLATE_NOOP("horalo", "scrivere gg/mm/aaaa")};
const sheet::MarkedText kClockForm{QT_TRANSLATE_NOOP("horalo", "scrivere hh:mm:ss")};
const sheet::MarkedText kRowIgnored{QT_TRANSLATE_NOOP("horalo", "riga ignorata: manca ")};
const sheet::MarkedText kMissingDate{QT_TRANSLATE_NOOP("horalo", "la data")};
const sheet::MarkedText kMissingClock{QT_TRANSLATE_NOOP("horalo", "l'ora")};
const sheet::MarkedText kMissingAlpha{QT_TRANSLATE_NOOP("horalo", "l'angolo α")};
const sheet::MarkedText kBelowHorizon{QT_TRANSLATE_NOOP("horalo", "impossibile: Sole sotto l'orizzonte (ora o data sbagliata?)")};
const sheet::MarkedText kBehindWall{QT_TRANSLATE_NOOP("horalo", "impossibile: Sole dietro la parete (ora sbagliata?)")};
const sheet::MarkedText kOutlierNote{QT_TRANSLATE_NOOP("horalo", "scartata: dista %1° dalla mediana")};
const sheet::MarkedText kOutlierRow{
    QT_TRANSLATE_NOOP("horalo", "Riga %1 scartata: dista %2° dalla mediana, oltre il limite di %3° (3 volte la deviazione mediana, almeno 0,1°)")};
const sheet::MarkedText kHourOff{QT_TRANSLATE_NOOP("horalo", "probabilmente un'ora di differenza (ora legale?)")};
const sheet::MarkedText kNoGoodRows{QT_TRANSLATE_NOOP("horalo", "nessuna osservazione valida")};
const sheet::MarkedText kOneRow{QT_TRANSLATE_NOOP("horalo", "una sola osservazione: nessuno scarto")};
const char *const kPlusMinus = "± ";
const sheet::MarkedText kPlumbIncomplete{QT_TRANSLATE_NOOP("horalo", "per l'inclinazione servono L, a e b")};
const sheet::MarkedText kLeansBack{QT_TRANSLATE_NOOP("horalo", "la parete pende all'indietro (verso il cielo)")};
const sheet::MarkedText kLeansForward{QT_TRANSLATE_NOOP("horalo", "la parete pende in avanti (strapiomba)")};
const sheet::MarkedText kPlumb{QT_TRANSLATE_NOOP("horalo", "la parete è a piombo")};

// Report lines. The printer's font has no Greek letters on every system: the page writes "alfa".
const sheet::MarkedText kReportTitle{QT_TRANSLATE_NOOP("horalo", "RILIEVO DELLA PARETE")};
const sheet::MarkedText kReportSummer{QT_TRANSLATE_NOOP("horalo", "Latitudine %1°   Longitudine %2°   Fuso %3 h   ora legale")};
const sheet::MarkedText kReportNoSummer{QT_TRANSLATE_NOOP("horalo", "Latitudine %1°   Longitudine %2°   Fuso %3 h   ora solare")};
const sheet::MarkedText kReportRowSummer{QT_TRANSLATE_NOOP("horalo", "letta in ora legale")};
const sheet::MarkedText kReportRowNoSummer{QT_TRANSLATE_NOOP("horalo", "letta in ora solare")};
const std::array<sheet::MarkedText, 7> kReportHeader{
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "N.")},         sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Data")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Ora")},        sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "alfa (°)")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Azimut (°)")}, sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Altezza (°)")},
    sheet::MarkedText{QT_TRANSLATE_NOOP("horalo", "Declinazione (°)")}};
const sheet::MarkedText kReportAzimuthNote{QT_TRANSLATE_NOOP("horalo", "Azimut del Sole da Sud, positivo verso Ovest; declinazione D = azimut - alfa.")};
const sheet::MarkedText kReportMean{QT_TRANSLATE_NOOP("horalo", "Declinazione media: ")};
const sheet::MarkedText kReportSpread{QT_TRANSLATE_NOOP("horalo", "Scarto (deviazione standard): ")};
const sheet::MarkedText kReportAccuracy{QT_TRANSLATE_NOOP("horalo", "Precisione attesa della media: ")};
const sheet::MarkedText kReportPlumb{QT_TRANSLATE_NOOP("horalo", "Filo a piombo: L = %1 mm, a = %2 mm, b = %3 mm")};
const sheet::MarkedText kReportInclination{QT_TRANSLATE_NOOP("horalo", "Inclinazione: ")};
const char *const kDegree = "°";

std::string trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return std::string(text);
}

std::optional<int> digits(std::string_view part, std::size_t minDigits, std::size_t maxDigits)
{
    if (part.size() < minDigits || part.size() > maxDigits)
        return std::nullopt;
    for (char c : part)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    int value = 0;
    std::from_chars(part.data(), part.data() + part.size(), value);
    return value;
}

std::vector<std::string_view> split(std::string_view text, char sep)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == sep) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

// The fields of a time written hh:mm[:ss], whether or not they are in range.
std::optional<std::array<int, 3>> readClockForm(const std::string &text)
{
    const auto parts = split(text, ':');
    if (parts.size() != 2 && parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> hms{0, 0, 0};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto v = digits(parts[i], 1, 2);
        if (!v)
            return std::nullopt;
        hms[i] = *v;
    }
    return hms;
}

// The screen's α as the printed page writes it.
std::string printable(std::string text)
{
    const std::string alpha = "α";
    for (std::size_t at = text.find(alpha); at != std::string::npos; at = text.find(alpha, at))
        text.replace(at, alpha.size(), "alfa");
    return text;
}

// The note beside a field the survey refuses, from the program's one table of refusals.
std::string refusalNote(gnomonics::InputField field, gnomonics::RefusalReason reason)
{
    return sheet::RefusalText(gnomonics::Refuse(field, reason), sheet::RefusalWording::Note);
}

std::string fixed2(double value) { return sheet::FormatFixed(value, sheet::Mask::TwoDecimals); }
// Readings typed to the hundredth agree to a few thousandths: the spread needs the third decimal.
std::string fixed3(double value) { return sheet::FormatFixed(value, sheet::Mask::ThreeDecimals); }

// A place field: its number, or the note that refuses it.
std::optional<double> placeNumber(const std::string &text, std::string &note)
{
    if (trimmed(text).empty()) {
        note = kMissing;
        return std::nullopt;
    }
    const auto v = sheet::ReadNumber(text);
    if (!v)
        note = kNotANumber;
    return v;
}

void addNote(std::string &note, const std::string &part)
{
    if (!note.empty())
        note += "; ";
    note += part;
}

} // namespace

bool RowSummerTime(const SurveyForm &form, int row)
{
    return form.rowSummerTime[static_cast<std::size_t>(row)].value_or(form.summerTime);
}

std::optional<double> ReadClock(std::string_view text)
{
    const auto hms = readClockForm(trimmed(text));
    if (!hms || (*hms)[0] > 23 || (*hms)[1] > 59 || (*hms)[2] > 59)
        return std::nullopt;
    return (*hms)[0] + (*hms)[1] / 60.0 + (*hms)[2] / 3600.0;
}

std::string FormatDeclination(double declinationDeg)
{
    const double d = gnomonics::NormaliseDeg(declinationDeg);
    const double shown = sheet::shownValue(std::abs(d), sheet::Mask::TwoDecimals);
    std::string text = fixed2(std::abs(d));
    // Due South and due North need no side; "-0,00" or "180,00 Est" would only puzzle.
    if (shown == 0 || shown == 180)
        return text;
    return text + (d < 0 ? kEast : kWest);
}

namespace {

// The place's three fields into place; true when any is refused, each refusal noted by its field.
bool readPlace(const SurveyForm &form, SurveyOutcome &out, gnomonics::Place &place)
{
    place.summerTime = form.summerTime;
    const auto lat = placeNumber(form.latitude, out.latitudeNote);
    const auto lon = placeNumber(form.longitude, out.longitudeNote);
    const auto zone = placeNumber(form.zone, out.zoneNote);
    if (lat && std::abs(*lat) > 89.99)
        out.latitudeNote = refusalNote(gnomonics::InputField::Latitude, gnomonics::RefusalReason::OutOfRange);
    if (lon && std::abs(*lon) > 180)
        out.longitudeNote = refusalNote(gnomonics::InputField::Longitude, gnomonics::RefusalReason::OutOfRange);
    if (zone && (*zone < gnomonics::kSurveyFirstZone || *zone > gnomonics::kSurveyLastZone))
        out.zoneNote = refusalNote(gnomonics::InputField::TimeZone, gnomonics::RefusalReason::OutOfRange);
    const bool refused = !out.latitudeNote.empty() || !out.longitudeNote.empty() || !out.zoneNote.empty();
    if (!refused) {
        place.latitudeDeg = *lat;
        place.longitudeDeg = *lon;
        place.zoneHours = *zone;
    }
    return refused;
}

// The note for a row with some of its cells empty.
std::string missingCells(const std::string &date, const std::string &clock, const std::string &alpha)
{
    std::string missing;
    if (date.empty())
        addNote(missing, kMissingDate);
    if (clock.empty())
        addNote(missing, kMissingClock);
    if (alpha.empty())
        addNote(missing, kMissingAlpha);
    return kRowIgnored + missing;
}

// A filled row's cells into the observation; what is wrong with them, or nothing.
std::string readObservation(const std::string &date, const std::string &clock, const std::string &alpha,
                            gnomonics::SurveyObservation &o)
{
    std::string note;
    if (const auto d = gnomonics::ReadDateForm(date)) {
        o.date = *d;
        if (!gnomonics::DateExists(o.date))
            addNote(note, kDateLabel + refusalNote(gnomonics::InputField::Date, gnomonics::RefusalReason::NoSuchDate));
        else if (!gnomonics::IsValidDate(o.date))
            addNote(note, kDateLabel + refusalNote(gnomonics::InputField::Year, gnomonics::RefusalReason::OutOfRange));
    } else {
        addNote(note, std::string(kDateLabel) + kDateForm);
    }
    if (readClockForm(clock)) {
        if (const auto hours = ReadClock(clock))
            o.clockHours = *hours;
        else
            addNote(note, kClockLabel + refusalNote(gnomonics::InputField::ClockTime, gnomonics::RefusalReason::OutOfRange));
    } else {
        addNote(note, std::string(kClockLabel) + kClockForm);
    }
    if (const auto a = sheet::ReadNumber(alpha)) {
        o.alphaDeg = *a;
        if (std::abs(*a) >= 90)
            addNote(note, kAlphaLabel + refusalNote(gnomonics::InputField::Alpha, gnomonics::RefusalReason::OutOfRange));
    } else {
        addNote(note, std::string(kAlphaLabel) + kNotANumber);
    }
    return note;
}

// Rows with every cell filled and readable go to the survey; a row with some cells empty is
// set aside with a note, a row left wholly empty is simply not used. True when a filled row is
// refused.
bool readRows(const SurveyForm &form, SurveyOutcome &out, std::vector<gnomonics::SurveyObservation> &observations,
              std::vector<int> &rowOf)
{
    bool refused = false;
    for (int k = 0; k < kRows; ++k) {
        const std::string date = trimmed(form.date[k]);
        const std::string clock = trimmed(form.clock[k]);
        const std::string alpha = trimmed(form.alpha[k]);
        if (date.empty() && clock.empty() && alpha.empty())
            continue;
        if (date.empty() || clock.empty() || alpha.empty()) {
            out.rowNote[k] = missingCells(date, clock, alpha);
            out.declination[k] = kIgnored;
            continue;
        }
        gnomonics::SurveyObservation o;
        o.summerTime = RowSummerTime(form, k);
        const std::string note = readObservation(date, clock, alpha, o);
        if (!note.empty()) {
            out.rowNote[k] = note;
            refused = true;
            continue;
        }
        observations.push_back(o);
        rowOf.push_back(k);
    }
    return refused;
}

// The plumb line: all three or none. True when it is refused; the wall's inclination when it
// is measured.
bool readPlumb(const SurveyForm &form, SurveyOutcome &out, std::optional<double> &inclination)
{
    const std::string length = trimmed(form.plumbLength), top = trimmed(form.plumbTop),
                      bottom = trimmed(form.plumbBottom);
    if (length.empty() && top.empty() && bottom.empty())
        return false;
    const auto l = sheet::ReadNumber(length), a = sheet::ReadNumber(top), b = sheet::ReadNumber(bottom);
    if (length.empty() || top.empty() || bottom.empty()) {
        out.plumbNote = kPlumbIncomplete;
        return false;
    }
    if (!l || !a || !b) {
        out.plumbNote = kNotANumber;
        return true;
    }
    const auto r = gnomonics::InclinationFromPlumbLine(*l, *a, *b);
    if (r.status.ok()) {
        inclination = r.inclinationDeg;
        return false;
    }
    out.plumbNote = sheet::RefusalText(r.status, sheet::RefusalWording::Note);
    return true;
}

// Each surveyed row's Sun and declination, or why it has none, in the form's row.
void showRows(const gnomonics::SurveyResult &r, const std::vector<int> &rowOf, SurveyOutcome &out)
{
    std::string outliers;
    for (std::size_t j = 0; j < r.rows.size(); ++j) {
        const int k = rowOf[j];
        const gnomonics::SurveyRow &row = r.rows[j];
        out.azimuth[k] = fixed2(row.sunAzimuthDeg);
        out.altitude[k] = fixed2(row.sunAltitudeDeg);
        switch (row.state) {
        case gnomonics::SurveyRowState::Good:
            out.declination[k] = FormatDeclination(row.declinationDeg);
            break;
        case gnomonics::SurveyRowState::Outlier:
            out.declination[k] = FormatDeclination(row.declinationDeg);
            out.rowNote[k] = sheet::filled(kOutlierNote, {fixed2(std::abs(row.deviationDeg))});
            addNote(outliers, sheet::filled(kOutlierRow, {std::to_string(k + 1), fixed2(std::abs(row.deviationDeg)),
                                                          fixed2(r.outlierLimitDeg)}));
            break;
        case gnomonics::SurveyRowState::BelowHorizon:
            out.declination[k] = kImpossible;
            out.rowNote[k] = kBelowHorizon;
            break;
        case gnomonics::SurveyRowState::BehindWall:
            out.declination[k] = kImpossible;
            out.rowNote[k] = kBehindWall;
            break;
        }
        if (row.hourOff != 0)
            addNote(out.rowNote[k], kHourOff);
    }
    out.outliers = outliers;
}

// The mean declination and how far it can be trusted.
void showMean(const gnomonics::SurveyResult &r, SurveyOutcome &out)
{
    if (r.goodRows > 0) {
        out.meanDeg = r.meanDeg;
        out.mean = FormatDeclination(r.meanDeg);
        if (r.spreadDeg && r.accuracyDeg) {
            out.spread = fixed3(*r.spreadDeg);
            out.accuracy = kPlusMinus + fixed3(*r.accuracyDeg);
        } else {
            out.accuracy = kOneRow;
        }
    } else {
        out.accuracy = kNoGoodRows;
    }
}

void showInclination(double inclination, SurveyOutcome &out)
{
    out.inclinationDeg = inclination;
    out.inclination = fixed2(inclination);
    const double shown = sheet::shownValue(inclination, sheet::Mask::TwoDecimals);
    out.inclinationSense = shown > 0 ? kLeansBack : shown < 0 ? kLeansForward : kPlumb;
}

} // namespace

SurveyOutcome ComputeSurvey(const SurveyForm &form)
{
    SurveyOutcome out;
    gnomonics::Place place;
    bool refused = readPlace(form, out, place);
    std::vector<gnomonics::SurveyObservation> observations;
    std::vector<int> rowOf;
    if (readRows(form, out, observations, rowOf))
        refused = true;
    std::optional<double> inclination;
    if (readPlumb(form, out, inclination))
        refused = true;
    if (refused) {
        out.refused = true;
        return out;
    }

    const gnomonics::SurveyResult r = gnomonics::ReduceSurvey(place, observations);
    if (!r.status.ok()) { // every input was checked above; kept so no refusal is ever shown as a result
        out.refused = true;
        return out;
    }
    showRows(r, rowOf, out);
    showMean(r, out);
    if (inclination)
        showInclination(*inclination, out);
    return out;
}

sheet::ReportPage BuildSurveyReport(const SurveyForm &form, const SurveyOutcome &outcome)
{
    sheet::ReportPage page;
    page.fontPt = 10;
    constexpr double kLeft = 12, kStep = 6;
    double y = 10;
    page.add(70, y, kReportTitle);
    y += 2 * kStep;
    page.add(kLeft, y,
             sheet::filled(form.summerTime ? kReportSummer : kReportNoSummer, {form.latitude, form.longitude, form.zone}));
    y += 2 * kStep;
    // Columns at fixed places, so the table reads straight in a proportional font.
    constexpr std::array<double, 7> kColumn{kLeft, kLeft + 8, kLeft + 30, kLeft + 50, kLeft + 68, kLeft + 90, kLeft + 113};
    for (std::size_t c = 0; c < kColumn.size(); ++c)
        page.add(kColumn[c], y, kReportHeader[c]);
    y += kStep;
    for (int k = 0; k < kRows; ++k) {
        if (trimmed(form.date[k]).empty() && trimmed(form.clock[k]).empty() && trimmed(form.alpha[k]).empty())
            continue;
        const std::array<std::string, 7> cells{std::to_string(k + 1), trimmed(form.date[k]), trimmed(form.clock[k]),
                                               trimmed(form.alpha[k]), outcome.azimuth[k], outcome.altitude[k],
                                               outcome.declination[k]};
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (!cells[c].empty())
                page.add(kColumn[c], y, cells[c]);
        y += kStep;
        // A reading taken on the other side of the summer-time change says so under it.
        if (RowSummerTime(form, k) != form.summerTime) {
            page.add(kColumn[1], y, RowSummerTime(form, k) ? kReportRowSummer : kReportRowNoSummer);
            y += kStep;
        }
        if (!outcome.rowNote[k].empty()) {
            page.add(kColumn[1], y, printable(outcome.rowNote[k]));
            y += kStep;
        }
    }
    y += kStep;
    page.add(kLeft, y, kReportAzimuthNote);
    y += 2 * kStep;
    page.add(kLeft, y, kReportMean + (outcome.mean.empty() ? outcome.accuracy : outcome.mean));
    y += kStep;
    if (!outcome.spread.empty()) {
        page.add(kLeft, y, kReportSpread + outcome.spread + kDegree);
        y += kStep;
        page.add(kLeft, y, kReportAccuracy + outcome.accuracy + kDegree);
        y += kStep;
    } else if (!outcome.mean.empty()) {
        page.add(kLeft, y, outcome.accuracy);
        y += kStep;
    }
    for (const auto part : outcome.outliers.empty() ? std::vector<std::string_view>{} : split(outcome.outliers, ';')) {
        page.add(kLeft, y, trimmed(part));
        y += kStep;
    }
    if (!outcome.inclination.empty()) {
        y += kStep;
        page.add(kLeft, y,
                 sheet::filled(kReportPlumb, {trimmed(form.plumbLength), trimmed(form.plumbTop), trimmed(form.plumbBottom)}));
        y += kStep;
        page.add(kLeft, y, kReportInclination + outcome.inclination + kDegree + ", " + outcome.inclinationSense);
    }
    page.add(40, 280, sheet::translated(sheet::kCreditLine));
    return page;
}

} // namespace survey
