#pragma once

// The names of the lines: the number of an hour line, the date or sign of a date line, a day as
// the drawing writes it. The CSV keeps them in Italian (a file format); the drawing shows them
// in the program's language.

#include "gnomonics/diallines.h"

#include <string>

namespace drawing {

// The label of an hour line or a date line as the CSV writes it (in Italian, whatever the
// program's language).
std::string LineLabel(const gnomonics::DialLine &line, bool summerTime);
// The same label as the drawing shows it, in the program's language ("June 21" in English).
std::string ShownLineLabel(const gnomonics::DialLine &line, bool summerTime);
// The label of a line of this dial, in the file's Italian or as the drawing shows it: as above,
// with summer time as the dial has it, and a dark room's two noon figure eights saying which
// clock each stands for ("12 tempo medio locale", "12 tempo civile").
std::string LineLabel(const gnomonics::DialLine &line, const gnomonics::DialSpec &design);
std::string ShownLineLabel(const gnomonics::DialLine &line, const gnomonics::DialSpec &design);
// A day as the drawing names it: "21 giugno", or "June 21" in English.
std::string ShownDayName(const gnomonics::CivilDate &day);
// The same as the CSV writes it, in Italian.
std::string DayName(const gnomonics::CivilDate &day);
// An hour as the lines are numbered: "10", "10:30".
std::string HourText(double hours);

} // namespace drawing
