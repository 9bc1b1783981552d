#pragma once

#include <string>

namespace drawing {

// A number with a fixed count of decimals and the decimal comma, as every text of the designer
// writes it ("45,46", "-0,50"), rounded half away from zero like every number the program
// writes (sheet::FormatDecimals); a value that rounds to zero loses its minus sign.
std::string Decimal(double value, int decimals);

// The same number as the drawings and windows show it: with the program's decimal separator
// (the comma in Italian, the point in English). Files keep Decimal().
std::string DecimalShown(double value, int decimals);

// An angle as the drawings show it: DecimalShown and the degree sign ("45,00°").
std::string DegreesText(double value, int decimals);

} // namespace drawing
