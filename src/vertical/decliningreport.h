#pragma once

#include "sheet/declining.h"
#include "sheet/report.h"

namespace vertical {

// The one-page report of a declining-wall hour sheet: the latitude and the declination in the
// title, then one line per half hour with the text of the field that stands beside that hour
// on the sheet (East: 5.00 to 20.00; West: 19.00 down to 5.00), and the credit line. Nothing is
// recomputed: the page holds the sheet's texts as they are.
sheet::ReportPage BuildDecliningReport(sheet::WallSide side, const sheet::FieldText &field);

} // namespace vertical
