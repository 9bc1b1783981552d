#include "drawing/textformat.h"

#include "sheet/numbers.h"

#include <cmath>

namespace drawing {

std::string Decimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return "-";
    return sheet::FormatDecimals(value, decimals, ',');
}

std::string DecimalShown(double value, int decimals)
{
    if (!std::isfinite(value))
        return "-";
    return sheet::FormatDecimals(value, decimals, sheet::decimalSeparator());
}

std::string DegreesText(double value, int decimals) { return DecimalShown(value, decimals) + "°"; }

} // namespace drawing
