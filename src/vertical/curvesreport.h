#pragma once

#include "sheet/report.h"
#include "vertical/verticalrows.h"

namespace vertical {

// The report of the vertical solstice and equinox curves sheet: one line per clock hour 5 to
// 19 with the summer solstice, equinox and winter solstice distances, in that order across the
// page. The West page reads the sheet's rows mirrored, so both pages list the hours top to
// bottom with the numbers the screen shows beside each hour after " Est" or "Ovest".
sheet::ReportPage BuildCurvesReport(const sheet::FieldText &field, Side side);

} // namespace vertical
