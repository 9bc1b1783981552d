#pragma once

#include "vertical/verticalsheet.h"

namespace vertical {

// ZodiacoVrt: the date curves of the days the Sun enters the zodiac signs, and of one date
// of the maker's choice, on a vertical wall declining East or West, hour by hour from 5 to 19.
class ZodiacSheet final : public VerticalSheet {
public:
    explicit ZodiacSheet(QWidget *parent = nullptr);

    void onCompute();
    void onReset();
    void onEast();
    void onWest();
    void onAnniversaryFromDate();
    void onInfo();
    void onExample();
    void onPrintEast();
    void onPrintWest();
};

} // namespace vertical
