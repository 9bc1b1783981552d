#include "drawing/textformat.h"

#include "sheet/numbers.h"

#include <cmath>
#include <cstdio>

namespace drawing {

std::string Decimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return "-";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s(buf);
    bool zero = true;
    for (char c : s)
        if (c >= '1' && c <= '9')
            zero = false;
    if (zero && !s.empty() && s[0] == '-')
        s.erase(0, 1);
    for (char &c : s)
        if (c == '.')
            c = ',';
    return s;
}

std::string DecimalShown(double value, int decimals)
{
    std::string s = Decimal(value, decimals);
    for (char &c : s)
        if (c == ',')
            c = sheet::decimalSeparator();
    return s;
}

} // namespace drawing
