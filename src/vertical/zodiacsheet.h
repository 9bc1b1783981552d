#pragma once

#include "vertical/verticalsheet.h"

namespace vertical {

// ZodiacoVrt: the date curves of the days the Sun enters the zodiac signs, and of one date
// of the maker's choice, on a vertical wall declining East or West, hour by hour from 5 to 19.
class ZodiacSheet final : public VerticalSheet {
public:
    explicit ZodiacSheet(QWidget *parent = nullptr);

    // Computes the sheet from its fields as they stand; false when an input was refused (its
    // warning is shown and nothing changes). Every print button runs it first, so a page
    // never carries a heading over a table of other inputs.
    bool onCompute();
    void onReset();
    void onEast();
    void onWest();
    void onAnniversaryFromDate();
    void onInfo();
    void onExample();
    void onPrintEast();
    void onPrintWest();
    void onDrawingEast();
    void onDrawingWest();

    // The name the drawing gives the fifth curve: the date the anniversary box was filled
    // from, while the box and the date still hold what "Declinazione" worked with, and
    // "Anniversario" otherwise.
    QString anniversaryLabel() const;

private:
    QHBoxLayout * buildAnniversaryRow();
    QGridLayout * buildTable();
    struct Inputs {
        Wall wall;
        double sign1Deg = 0;
        double sign2Deg = 0;
        double anniversaryDeg = 0;
    };
    // Every number the curves need; warns and gives nothing when one is missing.
    std::optional<Inputs> readInputs() const;
    void drawSide(Side side);

    // What "Declinazione" last read and wrote.
    QString anniversaryDate_;
    QString anniversaryWritten_;
};

} // namespace vertical
