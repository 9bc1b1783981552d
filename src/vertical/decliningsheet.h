#pragma once

#include "sheet/declining.h"
#include "shell/sheetwindow.h"

#include <array>
#include <cstddef>

namespace vertical {

// The 32 hour fields of the declining-wall sheets in the order the sheets write them: the
// East sheet's positions 4.30 to 20, each field named after its own clock hour.
inline constexpr std::array<const char *, sheet::kDecliningPositions> kDecliningFieldNames{
    "quattro5", "cinque",   "cinque5",   "SEI",        "SEI5",        "SETTE",    "SETTE5",
    "OTTO",     "OTTO5",    "NOVE",      "NOVE5",      "DIECI",       "DIECI5",   "UNDICI",
    "UNDICI5",  "DODICI",   "dodici5",   "tredici",    "tredici5",    "QUATT",    "QUATT5",
    "QUINDICI", "QUINDICI5", "SEDICI",   "SEDICI5",    "DICIASETTE",  "DICIASETTE5",
    "diciotto", "diciotto5", "diciannove", "diciannove5", "venti"};

// Where a field stands on a sheet: the index of its position (0 is 4.30 ... 31 is 20) for the
// field kDecliningFieldNames[fieldIndex]. On the West sheet every field but the noon one and
// venti stands at the hour mirrored about noon; the mirror is its own inverse, so the same
// function also gives the field index that stands at a position.
constexpr std::size_t DecliningPositionOfField(sheet::WallSide side, std::size_t fieldIndex)
{
    constexpr std::size_t venti = sheet::kDecliningPositions - 1;
    if (side == sheet::WallSide::East || fieldIndex == venti)
        return fieldIndex;
    return venti - 1 - fieldIndex;
}

// GonvrtEst and GonvrtOvest: the direction at the dial centre of every half-hour line of a
// vertical dial on a wall declining East or West, from a latitude and a declination.
class DecliningSheet final : public shell::SheetWindow {
public:
    explicit DecliningSheet(sheet::WallSide side, QWidget *parent = nullptr);

    sheet::WallSide side() const { return side_; }

    // Computes the sheet from its fields as they stand; false when an input was refused (its
    // warning is shown and nothing changes). Every print button runs it first, so a page
    // never carries a heading over a table of other inputs.
    bool onCompute();
    void onReset();
    void onExample();
    void onPrint();

private:
    sheet::WallSide side_;
};

} // namespace vertical
