#pragma once

// The survey window's texts in and out, without any widget: the typed texts become the inputs
// of the wall survey, and its result becomes the texts the window shows, the notes beside the
// fields and the page that is printed.

#include "sheet/report.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace survey {

inline constexpr int kRows = 12;

// Everything the user typed, as typed.
struct SurveyForm {
    std::string latitude = "45,4642";
    std::string longitude = "9,19";
    std::string zone = "1";
    bool summerTime = false;
    // Each reading's own summer time (readings on both sides of the change); the window's
    // summerTime for a row left unset.
    std::array<std::optional<bool>, kRows> rowSummerTime;
    std::array<std::string, kRows> date;  // gg/mm/aaaa
    std::array<std::string, kRows> clock; // hh:mm:ss
    std::array<std::string, kRows> alpha; // degrees
    std::string plumbLength; // L, mm
    std::string plumbTop;    // a, mm
    std::string plumbBottom; // b, mm
};

// What the window shows after "Calcola".
struct SurveyOutcome {
    // True when some input was refused: only the notes are meant to be shown, every result
    // stays as it was.
    bool refused = false;
    // Words beside the place fields and the plumb line (empty when all is well).
    std::string latitudeNote, longitudeNote, zoneNote, plumbNote;
    // Per row: the results and a note (a refusal, "ignorata", "scartata", "impossibile", an
    // hour off the others).
    std::array<std::string, kRows> azimuth, altitude, declination, rowNote;
    std::string mean, spread, accuracy, outliers, inclination, inclinationSense;
    // The numbers behind the texts, for the designer.
    std::optional<double> meanDeg;        // West positive, -180..180
    std::optional<double> inclinationDeg; // positive leaning back
};

SurveyOutcome ComputeSurvey(const SurveyForm &form);

// The summer time a row's clock was read in.
bool RowSummerTime(const SurveyForm &form, int row);

// Reads "hh:mm:ss" (or "hh:mm"): hours 0..23, minutes and seconds 0..59. Nothing for any
// other text.
std::optional<double> ReadClock(std::string_view text);

// A declination as the user reads it: "23,15 Ovest", "110,00 Est", "0,00", "180,00".
std::string FormatDeclination(double declinationDeg);

// The one-page report of the observations and the results.
sheet::ReportPage BuildSurveyReport(const SurveyForm &form, const SurveyOutcome &outcome);

} // namespace survey
