#include "sheet/checks.h"

namespace sheet {

bool CheckPresent(std::initializer_list<double> values)
{
    for (double v : values)
        if (v == 0.0)
            return false;
    return true;
}

bool CheckPositive(std::initializer_list<double> values)
{
    for (double v : values)
        if (v < 0.0)
            return false;
    return true;
}

} // namespace sheet
