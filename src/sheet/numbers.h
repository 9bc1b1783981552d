#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sheet {

// Reads the text of a field as a number. Blanks around the number are ignored, and either a
// comma or a dot may stand as the decimal separator ("38,5" and "38.5" are both 38.5); a
// leading sign is allowed. Anything else gives no value: an empty text, letters, two
// separators ("38,5,1", "1.234,5"), exponents, "inf" and "nan".
std::optional<double> ReadNumber(std::string_view text);

// The character written between the units and the decimals: the comma of the program's own
// Italian (the default), or the point when the program speaks English. Anything but '.' sets
// the comma. Reading accepts either, whatever is set.
void setDecimalSeparator(char decimalSeparator);
char decimalSeparator();

// The three display masks of the sheets: at least one digit before the comma and exactly
// the given number of decimals after it.
enum class Mask { TwoDecimals, OneDecimal, ThreeDecimals }; // "#0.00", "#0.0", "#0.000"

int decimalsOf(Mask mask);

// Writes a value with the decimal separator (the comma unless set otherwise) and the mask's number of decimals, rounding half
// away from zero. The value is first taken to 15 significant digits, so a number that was
// typed as 2,675 rounds as a person expects (2,68) despite its binary neighbour 2.67499....
// A value that rounds to zero never carries a minus sign. A value that is not finite gives
// an empty text: callers show their dash text instead, never "nan" or "inf".
std::string FormatFixed(double value, Mask mask);

// The one rounding rule of every number the program writes, for any count of decimals (0 to
// 15) and the given separator: the same as FormatFixed, half away from zero after taking the
// value to 15 significant digits (142,25 gives 142,3; -0,004 gives 0,00). Not finite: empty.
std::string FormatDecimals(double value, int decimals, char separator);

// Writes a value in its shortest decimal form of at most 15 significant digits, with the
// decimal comma and no trailing zeros (99,4; 0; -20,16). Not finite: empty text.
std::string FormatGeneral(double value);

// The value that a shown text stands for, as later formulas must use it: the rounded
// number, not the unrounded one it came from.
double shownValue(double value, Mask mask);

} // namespace sheet
