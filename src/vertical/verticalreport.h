#pragma once

#include "sheet/report.h"

#include <string>

namespace vertical {

// The lines both vertical curve reports start with: the latitude in the title, the wall
// declination after the given caption ("DCL EST =" and the like), and the line the maker fills
// in by hand. Font 9, so that five columns and fifteen hours fit with room to spare.
sheet::ReportPage StartVerticalReport(const sheet::FieldText &field, const std::string &declinationCaption);

// The line that tells what the table's numbers measure, and in which unit.
void AddVerticalLegend(sheet::ReportPage &page, double xMm, double yMm);

// The credit line at the foot of a vertical curve report.
void FinishVerticalReport(sheet::ReportPage &page);

// Where the line of a clock hour stands on a vertical curve report, in mm from the top.
double hourLineYMm(int clockHour);

} // namespace vertical
