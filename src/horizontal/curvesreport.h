#pragma once

#include "sheet/report.h"

namespace horizontal {

// The one-page report of the horizontal solstice and equinox curves: the latitude in the
// title, one row per whole hour from 6.00 to 18.00 with the summer and winter distances (and
// the equinox one at noon), then the style's length, base and height. Every row prints its own
// fields, afternoon included, with the texts the sheet shows.
sheet::ReportPage BuildCurvesReport(const sheet::FieldText &field);

} // namespace horizontal
