#pragma once

#include "vertical/verticalsheet.h"

namespace vertical {

// CurveVrt: the style's construction values and the summer solstice, winter solstice and
// equinox curves of a vertical wall declining East or West, hour by hour from 5 to 19.
class CurvesSheet final : public VerticalSheet {
public:
    explicit CurvesSheet(QWidget *parent = nullptr);

    // Computes the sheet from its fields as they stand; false when an input was refused (its
    // warning is shown and nothing changes). Every print button runs it first, so a page
    // never carries a heading over a table of other inputs.
    bool onCompute();
    void onReset();
    void onEast();
    void onWest();
    void onInfo();
    void onExample();
    void onPrintEast();
    void onPrintWest();
    void onDrawingEast();
    void onDrawingWest();

private:
    QGridLayout * buildDerived();
    QGridLayout * buildButtons();
    QGridLayout * buildTable();
    void showSide(Side side);
    void drawSide(Side side);

    QLabel *sign_ = nullptr;
};

} // namespace vertical
