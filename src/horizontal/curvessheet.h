#pragma once

#include "shell/sheetwindow.h"

#include <optional>

class QGridLayout;
class QHBoxLayout;

namespace horizontal {

// CurveOrizz: the nodus height and style base of a horizontal dial and, hour by hour, how far
// from the dial centre the shadow of the style's tip falls on the solstice and equinox days.
class CurvesSheet final : public shell::SheetWindow {
public:
    explicit CurvesSheet(QWidget *parent = nullptr);

    // Computes the sheet from its fields as they stand; false when an input was refused (its
    // warning is shown and nothing changes). Every print button runs it first, so a page
    // never carries a heading over a table of other inputs.
    bool onCompute();
    void onReset();
    void onExample();
    void onPrint();
    void onDrawing();

private:
    QGridLayout * buildTable();
    QHBoxLayout * buildButtons();
    struct Inputs {
        double latitudeDeg = 0;
        double styleMm = 0;
    };
    // The latitude and the style as numbers; warns and gives nothing when one is missing.
    std::optional<Inputs> readInputs() const;
};

} // namespace horizontal
