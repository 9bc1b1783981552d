#pragma once

#include "shell/sheetwindow.h"

namespace horizontal {

// GonOrz: the angle of every half-hour line of a horizontal dial from its noon line.
class HourSheet final : public shell::SheetWindow {
public:
    explicit HourSheet(QWidget *parent = nullptr);

    // Computes the sheet from its fields as they stand; false when an input was refused (its
    // warning is shown and nothing changes). Every print button runs it first, so a page
    // never carries a heading over a table of other inputs.
    bool onCompute();
    void onReset();
    void onExample();
    void onPrint();
};

} // namespace horizontal
