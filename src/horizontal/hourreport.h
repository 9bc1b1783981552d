#pragma once

#include "sheet/report.h"

namespace horizontal {

// The one-page report of the horizontal hour angles: the latitude in the title and one line
// per half hour from 5.00 to 19.00. The afternoon lines print the morning field of the same
// row, so the page always shows the dial's symmetry about noon.
sheet::ReportPage BuildHourReport(const sheet::FieldText &field);

} // namespace horizontal
