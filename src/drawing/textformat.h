#pragma once

#include <string>

namespace drawing {

// A number with a fixed count of decimals and the decimal comma, as every text of the designer
// writes it ("45,46", "-0,50"); a value that rounds to zero loses its minus sign.
std::string Decimal(double value, int decimals);

} // namespace drawing
