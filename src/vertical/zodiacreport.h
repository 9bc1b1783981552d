#pragma once

#include "sheet/report.h"
#include "vertical/verticalrows.h"

namespace vertical {

// The report of the zodiac and anniversary sheet: one line per clock hour 5 to 19 with the
// five date curves in the sheet's order, under two heading lines that name the signs. The
// West page reads the sheet's rows mirrored, as the "Ovest" labels show them.
sheet::ReportPage BuildZodiacReport(const sheet::FieldText &field, Side side);

} // namespace vertical
