#pragma once

// The points of a dial as a table a maker plots with a tape from the foot of the gnomon F:
// UTF-8, ';' separated, decimal comma, header tipo;etichetta;ora;data;declinazione;x_mm;y_mm,
// coordinates in mm from F (x right, y up), two decimals. Rows:
// - ora_vera: each apparent-time line where it meets each date line, and the ends of its pieces;
// - ora_civile: each day's point of an analemma (ora the clock reading, data yyyy-mm-dd), and
//   the ends of its pieces; an end between two days (on the plate's edge or the horizon) has no
//   data. The halves of a split analemma are named "12 dic-giu" and "12 giu-dic";
// - italica, babilonese: their lines at each date line, and the ends of their pieces (Italic
//   hours 1 to 24, 24 at sunset; Babylonian 0, at sunrise, to 23);
// - linea_data: the samples of each date line (every 5 minutes of apparent time and its ends);
// - crossings of two hour families inside the plate, each written as a row of the family
//   whose hour and declination describe the point exactly (never as an analemma row, whose
//   date would be a fraction of a day);
// - centro (O) and piede (F), when on the plate.
// Every piece of every line has its two ends among its own rows.
// Only points that exist (Sun up and in front of the plane) and lie on the plate appear.

#include "gnomonics/diallines.h"

#include <array>
#include <string>
#include <vector>

namespace drawing {

inline constexpr const char *kCsvHeader = "tipo;etichetta;ora;data;declinazione;x_mm;y_mm";

// One row's seven fields, in the header's order, as written (a label not yet quoted).
using CsvRow = std::array<std::string, 7>;

// The CSV text of a dial (empty when the dial was refused).
std::string DialCsv(const gnomonics::DialLines &dial);
// The same rows, without the header, with the labels in the program's language: the table the
// window shows (none when the dial was refused); with each row's distance from F, unrounded,
// when asked (a dark room's meridian is laid out with a tape from the foot).
std::vector<CsvRow> DialCsvRowsShown(const gnomonics::DialLines &dial, std::vector<double> *distanceFromFootMm = nullptr);

// Writes it atomically; false with the reason in Italian when it could not.
bool WriteDialCsv(const std::string &path, const gnomonics::DialLines &dial, std::string *error);

} // namespace drawing
