#pragma once

#include "shell/sheetwindow.h"

namespace horizontal {

// GonOrz: the angle of every half-hour line of a horizontal dial from its noon line.
class HourSheet final : public shell::SheetWindow {
public:
    explicit HourSheet(QWidget *parent = nullptr);

    void onCompute();
    void onReset();
    void onExample();
    void onPrint();
};

} // namespace horizontal
