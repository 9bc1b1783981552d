#pragma once

#include "shell/sheetwindow.h"

#include <optional>

namespace horizontal {

// CurveOrizz: the style's height and base of a horizontal dial and, hour by hour, how far
// from the dial centre the shadow of the style's tip falls on the solstice and equinox days.
class CurvesSheet final : public shell::SheetWindow {
public:
    explicit CurvesSheet(QWidget *parent = nullptr);

    void onCompute();
    void onReset();
    void onExample();
    void onPrint();
    void onDrawing();

private:
    struct Inputs {
        double latitudeDeg = 0;
        double styleMm = 0;
    };
    // The latitude and the style as numbers; warns and gives nothing when one is missing.
    std::optional<Inputs> readInputs() const;
};

} // namespace horizontal
