#include "vertical/curvessheet.h"

#include "sheet/qt/uitext.h"

#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "sheet/verticalcurves.h"
#include "shell/drawingwindow.h"
#include "shell/registry.h"
#include "vertical/curvesreport.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vertical {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali verticale.")};
const sheet::UiText kHint{QT_TRANSLATE_NOOP("horalo", "Per i decimali usare la virgola")};
const QString kDefaultLatitude = QStringLiteral("38,1217");
const sheet::UiText kHeightCaption{QT_TRANSLATE_NOOP("horalo", "Altezza Stilo                 ")};
const sheet::UiText kBaseCaption{QT_TRANSLATE_NOOP("horalo", "Base stilo   ")};
const sheet::UiText kSubstyleCaption{QT_TRANSLATE_NOOP("horalo", "Ang. substilo")};
const QString kSubstyleSymbol = QStringLiteral("σ°");
const sheet::UiText kElevationCaption{QT_TRANSLATE_NOOP("horalo", "Ang. El.zione")};
const QString kElevationSymbol = QStringLiteral("ε°");
const sheet::UiText kSubstyleHourCaption{QT_TRANSLATE_NOOP("horalo", "Ora sustilare       t")};
const QString kSubstyleHourSymbol = QStringLiteral("σ°");
const QString kHourHeading = QStringLiteral("h");
const sheet::UiText kSummerHeading{QT_TRANSLATE_NOOP("horalo", "Estate")};
const sheet::UiText kWinterHeading{QT_TRANSLATE_NOOP("horalo", "Inverno")};
const sheet::UiText kEquinoxHeadingLeft{QT_TRANSLATE_NOOP("horalo", "Eq")};
const sheet::UiText kEquinoxHeadingRight{QT_TRANSLATE_NOOP("horalo", "Eq.")};
const QString kEastSign = QStringLiteral("-");
const QString kWestSign = QStringLiteral("+");
const sheet::UiText kCompute{QT_TRANSLATE_NOOP("horalo", "Calcola")};
const sheet::UiText kReset{QT_TRANSLATE_NOOP("horalo", "Azzera")};
const sheet::UiText kEast{QT_TRANSLATE_NOOP("horalo", " Est")};
const sheet::UiText kWest{QT_TRANSLATE_NOOP("horalo", "Ovest")};
const sheet::UiText kPrintEast{QT_TRANSLATE_NOOP("horalo", "Stampa Est")};
const sheet::UiText kPrintWest{QT_TRANSLATE_NOOP("horalo", "Stampa Ovest")};
const sheet::UiText kDrawingEast{QT_TRANSLATE_NOOP("horalo", "Disegno Est")};
const sheet::UiText kDrawingWest{QT_TRANSLATE_NOOP("horalo", "Disegno Ovest")};
const sheet::UiText kInfo{QT_TRANSLATE_NOOP("horalo", "Info")};
const sheet::UiText kExample{QT_TRANSLATE_NOOP("horalo", "Esempio")};
const QString kZero = QStringLiteral("0");

constexpr int kColumns = 3;
// Morning rows 5 to 12 stand in the left block, the afternoon 13 to 19 in the right one.
constexpr int kLeftBlockRows = 12 - sheet::kVerticalFirstHour + 1;

// The fields "Azzera" clears after the table, in the order the sheet has always cleared them.
const QStringList kResetAfterTable{QStringLiteral("Latx"), QStringLiteral("DCL1"), QStringLiteral("b"),
                                   QStringLiteral("s"),    QStringLiteral("h"),    QStringLiteral("f"),
                                   QStringLiteral("i"),    QStringLiteral("ts5"),  QStringLiteral("e3")};

} // namespace

CurvesSheet::CurvesSheet(QWidget *parent) : VerticalSheet(kTitle, parent)
{
    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(14, 12, 14, 12);
    page->setSpacing(16);

    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(addCaption(kHint, QStringLiteral("LabelHint")));

    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::Box);
    QGridLayout *inputs = addWallInputs(kDefaultLatitude);
    inputs->setContentsMargins(10, 8, 10, 8);
    box->setLayout(inputs);
    auto *boxRow = new QHBoxLayout;
    boxRow->addWidget(box);
    boxRow->addStretch();
    left->addLayout(boxRow);

    QGridLayout *derived = buildDerived();
    left->addLayout(derived);

    QGridLayout *buttons = buildButtons();
    left->addLayout(buttons);
    left->addStretch();
    page->addLayout(left);

    QGridLayout *table = buildTable();
    page->addLayout(table);
    // Open labelled as for an East wall, so the hour column is never empty.
    showSide(Side::East);
}

// The style's values worked out from the wall: heights, substyle, elevation.
QGridLayout * CurvesSheet::buildDerived()
{
    auto *derived = new QGridLayout;
    derived->setHorizontalSpacing(6);
    derived->setVerticalSpacing(4);
    derived->addWidget(addCaption(kHeightCaption, QStringLiteral("captionH")), 0, 0, 1, 2);
    derived->addWidget(addCell(QStringLiteral("h")), 0, 3);
    derived->addWidget(addCaption(kBaseCaption, QStringLiteral("captionB")), 1, 0, 1, 2);
    derived->addWidget(addCell(QStringLiteral("b")), 1, 3);
    derived->addWidget(addCaption(kSubstyleCaption, QStringLiteral("captionF")), 2, 0);
    derived->addWidget(addSymbol(kSubstyleSymbol, QStringLiteral("symbolF")), 2, 1);
    sign_ = addLabel(QString(), QStringLiteral("Label15"));
    QFont signFont(QStringLiteral("Arial"));
    signFont.setPointSizeF(13.5);
    signFont.setBold(true);
    sign_->setFont(signFont);
    sign_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sign_->setMinimumWidth(QFontMetrics(signFont).horizontalAdvance(kWestSign) + 4);
    derived->addWidget(sign_, 2, 2);
    derived->addWidget(addCell(QStringLiteral("f")), 2, 3);
    derived->addWidget(addCaption(kElevationCaption, QStringLiteral("captionE3")), 3, 0);
    derived->addWidget(addSymbol(kElevationSymbol, QStringLiteral("symbolE3")), 3, 1);
    derived->addWidget(addCell(QStringLiteral("e3")), 3, 3);
    // The substyle hour is worked out and kept with the sheet, but a maker traces the dial
    // without it, so it stays out of sight.
    QLabel *hourCaption = addCaption(kSubstyleHourCaption, QStringLiteral("captionTs5"));
    QLabel *hourSymbol = addSymbol(kSubstyleHourSymbol, QStringLiteral("symbolTs5"));
    QLineEdit *hour = addCell(QStringLiteral("ts5"));
    hourCaption->hide();
    hourSymbol->hide();
    hour->hide();
    derived->addWidget(hourCaption, 4, 0);
    derived->addWidget(hourSymbol, 4, 1);
    derived->addWidget(hour, 4, 3);
    derived->setColumnStretch(4, 1);
    return derived;
}

// The sheet's buttons, two by two.
QGridLayout * CurvesSheet::buildButtons()
{
    auto *buttons = new QGridLayout;
    buttons->setSpacing(6);
    QPushButton *compute = addButton(QStringLiteral("calcola"), kCompute, [this] { onCompute(); });
    setComputeButton(compute);
    buttons->addWidget(addButton(QStringLiteral("Est"), kEast, [this] { onEast(); }), 0, 0);
    buttons->addWidget(addButton(QStringLiteral("Ovest"), kWest, [this] { onWest(); }), 0, 1);
    buttons->addWidget(compute, 1, 0);
    buttons->addWidget(addButton(QStringLiteral("azzera"), kReset, [this] { onReset(); }), 1, 1);
    buttons->addWidget(addPrintButton(QStringLiteral("StampaEst"), kPrintEast, [this] { onPrintEast(); }), 2, 0);
    buttons->addWidget(addPrintButton(QStringLiteral("Stampaovest"), kPrintWest, [this] { onPrintWest(); }), 2, 1);
    buttons->addWidget(addButton(QStringLiteral("DisegnoEst"), kDrawingEast, [this] { onDrawingEast(); }), 3, 0);
    buttons->addWidget(addButton(QStringLiteral("DisegnoOvest"), kDrawingWest, [this] { onDrawingWest(); }), 3, 1);
    buttons->addWidget(addButton(QStringLiteral("Command1"), kInfo, [this] { onInfo(); }), 4, 0);
    buttons->addWidget(addButton(QStringLiteral("Esempio"), kExample, [this] { onExample(); }), 4, 1);
    return buttons;
}

// The two blocks of the table: an hour, its distances at the solstices and the equinox.
QGridLayout * CurvesSheet::buildTable()
{
    auto *table = new QGridLayout;
    table->setHorizontalSpacing(4);
    table->setVerticalSpacing(3);
    const int rightBlock = 1 + kColumns + 1; // the left block, then a gap column
    table->setColumnMinimumWidth(kColumns + 1, 14);
    for (int block = 0; block < 2; ++block) {
        const int x = block == 0 ? 0 : rightBlock;
        auto heading = [&](const QString &text, int column) {
            QLabel *label = addCaption(text);
            label->setAlignment(Qt::AlignCenter);
            table->addWidget(label, 0, x + column);
        };
        heading(kHourHeading, 0);
        heading(kSummerHeading, 1);
        heading(kWinterHeading, 2);
        heading(block == 0 ? kEquinoxHeadingLeft : kEquinoxHeadingRight, 3);
    }
    for (int row = 0; row < kRows; ++row) {
        const bool leftBlock = row < kLeftBlockRows;
        const int x = leftBlock ? 0 : rightBlock;
        const int y = 1 + (leftBlock ? row : row - kLeftBlockRows);
        table->addWidget(addRowLabel(row, QString()), y, x);
        for (int column = 1; column <= kColumns; ++column)
            table->addWidget(addCell(cellName(row, column)), y, x + column);
    }
    table->setRowStretch(kLeftBlockRows + 1, 1);
    return table;
}

bool CurvesSheet::onCompute()
{
    const std::optional<Wall> wall = readWall();
    if (!wall) {
        refuse(sheet::Refusal::Missing);
        return false;
    }
    const sheet::VerticalCurvesResult result =
        sheet::ComputeVerticalCurves(wall->latitudeDeg, wall->declinationDeg, wall->styleMm, wall->inclinationDeg);
    if (result.refusal != sheet::Refusal::None) {
        refuse(result.refusal);
        return false;
    }
    setText(QStringLiteral("e3"), result.e3);
    setText(QStringLiteral("b"), result.b);
    setText(QStringLiteral("h"), result.h);
    setText(QStringLiteral("f"), result.f);
    setText(QStringLiteral("ts5"), result.ts5);
    for (int row = 0; row < kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            setText(QString::fromStdString(cellName(row, column)),
                    result.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)]);
    return true;
}

void CurvesSheet::onReset()
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            setText(QString::fromStdString(cellName(row, column)), kZero);
    for (const QString &name : kResetAfterTable)
        setText(name, kZero);
}

void CurvesSheet::showSide(Side side)
{
    relabel(side);
    // The substyle turns from the vertical to one side on a wall declining East and to the
    // other on its West mirror image; the sign before its angle tells the maker which.
    sign_->setText(side == Side::East ? kEastSign : kWestSign);
}

void CurvesSheet::onEast()
{
    showSide(Side::East);
}

void CurvesSheet::onWest()
{
    showSide(Side::West);
}

void CurvesSheet::onInfo()
{
    shell::showWindow(shell::kNonDecliningNote);
}

void CurvesSheet::onExample()
{
    shell::showWindow(shell::kVerticalCurvesExample);
}

void CurvesSheet::onPrintEast()
{
    if (onCompute())
        print(BuildCurvesReport(fieldTexts(), Side::East));
}

void CurvesSheet::onPrintWest()
{
    if (onCompute())
        print(BuildCurvesReport(fieldTexts(), Side::West));
}

void CurvesSheet::drawSide(Side side)
{
    const std::optional<Wall> wall = readWall();
    if (!wall) {
        refuse(sheet::Refusal::Missing);
        return;
    }
    // The builder runs the sheet's own checks on the wall, with the same warnings.
    const drawing::SheetSketch dial = drawing::BuildVerticalSheetSketch(
        wall->latitudeDeg, wall->declinationDeg, wall->styleMm,
        side);
    if (dial.refusal != sheet::Refusal::None) {
        refuse(dial.refusal);
        return;
    }
    shell::showDrawing(drawing::ToSheetDrawing(dial.sketch), designerInputs(*wall, side, false));
}

void CurvesSheet::onDrawingEast()
{
    drawSide(Side::East);
}

void CurvesSheet::onDrawingWest()
{
    drawSide(Side::West);
}

} // namespace vertical
