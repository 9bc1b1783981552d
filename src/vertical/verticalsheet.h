#pragma once

#include "shell/drawingwindow.h"
#include "shell/sheetwindow.h"
#include "vertical/verticalrows.h"

#include <QFont>
#include <QGridLayout>

#include <array>
#include <optional>

namespace vertical {

// What the vertical solstice sheet and the zodiac sheet share: the wall's inputs with their
// captions (the inclination hidden at "0"), the direction label, the hour labels of the
// fifteen rows and their East/West relabelling, and the reading of the wall's numbers.
class VerticalSheet : public shell::SheetWindow {
public:
    // The numbers of the wall as the fields give them.
    struct Wall {
        double latitudeDeg = 0;
        double declinationDeg = 0;
        double styleMm = 0;
        double inclinationDeg = 0;
    };

protected:
    static constexpr int kCellWidth = 62;

    explicit VerticalSheet(const QString &title, QWidget *parent = nullptr);

    static QFont captionFont(); // Arial 8.25 pt bold: captions, inputs and cells
    static QFont symbolFont();  // the Greek letters of the captions

    QLabel *addCaption(const QString &text, const QString &name = {});
    QLabel *addSymbol(const QString &text, const QString &name = {});
    QLineEdit *addInput(const QString &name, const QString &defaultText);
    QLineEdit *addCell(const QString &name);
    QLineEdit *addCell(const std::string &name) { return addCell(QString::fromStdString(name)); }

    // Latitude, declination (with the direction label to its right), style and the hidden
    // inclination, one per line of the returned grid, captions in its first columns.
    QGridLayout *addWallInputs(const QString &defaultLatitude);

    // The label that shows the hour of a row; it starts with the given text.
    QLabel *addRowLabel(int row, const QString &text);

    // Writes the side into the direction label and labels every row with its clock hour.
    void relabel(Side side);

    // Every wall field that reads as a number, or nothing when one of them does not.
    std::optional<Wall> readWall() const;

    // The wall as the designer takes it: the declination signed by the side (East negative,
    // West positive), a vertical wall, the style's length.
    static shell::SheetDialInputs designerInputs(const Wall &wall, Side side, bool zodiac);

private:
    std::array<QLabel *, kRows> rowLabels_{};
    QLabel *direction_ = nullptr;
};

} // namespace vertical
