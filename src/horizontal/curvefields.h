#pragma once

#include "sheet/horizontalcurves.h"

#include <array>

namespace horizontal {

// One hour of the horizontal curves table: the label the maker reads and the names of the
// summer and winter solstice fields, shared by the sheet and its report so that both always
// speak of the same fields.
struct CurveRow {
    const char *label;
    const char *summer;
    const char *winter;
};

// The whole hours 6 to 18, in the order of the computation's rows.
inline constexpr std::array<CurveRow, sheet::kHorizontalCurveRows> kCurveRows{{
    {"6.00", "sei1", "sei2"},
    {"7.00", "sette1", "sette2"},
    {"8.00", "otto1", "otto2"},
    {"9.00", "nove111", "nove2"},
    {"10.00", "dieci1", "dieci2"},
    {"11.00", "undici1", "undici2"},
    {"12.00", "dodici1", "dodici2"},
    {"13.00", "tredici1", "tredici2"},
    {"14.00", "quattordici1", "quattordici2"},
    {"15.00", "quindici1", "quindici2"},
    {"16.00", "sedici1", "sedici2"},
    {"17.00", "diciasette1", "diciasette2"},
    {"18.00", "diciotto1", "diciotto2"},
}};

// The equinox distance exists on the noon row only.
inline constexpr const char *kEquinoxNoonField = "dodici3";

} // namespace horizontal
