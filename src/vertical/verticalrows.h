#pragma once

#include "sheet/declining.h"
#include "sheet/verticalcurves.h"

#include <string>

namespace vertical {

// The curve sheets always hold the numbers of a wall declining East; a West wall is its
// mirror image, so choosing a side only changes which clock hour each row stands for.
using Side = sheet::WallSide;

// Rows are counted from 0 (clock hour 5 on an East wall) to kVerticalRows - 1 (hour 19).
inline constexpr int kRows = sheet::kVerticalRows;

// The name of a table cell: the Italian word of the row's East hour and the column digit
// (1-based), with the two names the design spells its own way ("nove111", "Dieci3").
std::string cellName(int row, int column);

// The name of the label that shows the row's hour.
std::string rowLabelName(int row);

// The clock hour the row stands for on a wall of the given side: t on the East, 24 - t on
// the West.
int clockHourOfRow(int row, Side side);

// The row the maker reads for a clock hour on a wall of the given side (the inverse of
// clockHourOfRow): the reports list the hours 5 to 19 top to bottom on both sides, so the
// West page reads the rows from the bottom up.
int rowOfClockHour(int clockHour, Side side);

// An hour as the sheets and reports write it, with a full stop: "5.00", "19.00".
std::string hourText(int clockHour);

} // namespace vertical
