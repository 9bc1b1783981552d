#include "vertical/zodiacsheet.h"

#include "sheet/qt/colours.h"

#include "sheet/qt/uitext.h"

#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "gnomonics/datelines.h"
#include "sheet/zodiac.h"
#include "gnomonics/calendar.h"
#include "sheet/numbers.h"
#include "shell/drawingwindow.h"
#include "shell/registry.h"
#include "shell/textwindows.h"
#include "vertical/zodiacreport.h"

#include <QDate>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <array>

namespace vertical {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali verticale.")};
const sheet::UiText kHint{QT_TRANSLATE_NOOP("horalo", "Per i decimali usare la virgola")};
const QString kDefaultLatitude = QStringLiteral("38,1167");
const QString kDeclinationSymbol = QStringLiteral("δ°");
const sheet::UiText kAnniversaryHeading{QT_TRANSLATE_NOOP("horalo", "Anniversario")};
const sheet::UiText kCompute{QT_TRANSLATE_NOOP("horalo", "Calcola")};
const sheet::UiText kReset{QT_TRANSLATE_NOOP("horalo", "Azzera")};
const sheet::UiText kEast{QT_TRANSLATE_NOOP("horalo", " Est")};
const sheet::UiText kWest{QT_TRANSLATE_NOOP("horalo", "Ovest")};
const sheet::UiText kPrintEast{QT_TRANSLATE_NOOP("horalo", "Stampa Est")};
const sheet::UiText kPrintWest{QT_TRANSLATE_NOOP("horalo", "Stampa Ovst")};
const sheet::UiText kDrawingEast{QT_TRANSLATE_NOOP("horalo", "Disegno Est")};
const sheet::UiText kDrawingWest{QT_TRANSLATE_NOOP("horalo", "Disegno Ovest")};
const sheet::UiText kInfo{QT_TRANSLATE_NOOP("horalo", "Info")};
const sheet::UiText kExample{QT_TRANSLATE_NOOP("horalo", "Esempio")};
const QString kZero = QStringLiteral("0");
const sheet::UiText kDateCaption{QT_TRANSLATE_NOOP("horalo", "Data (gg/mm/aaaa)")};
const sheet::UiText kDateButton{QT_TRANSLATE_NOOP("horalo", "Declinazione")};
const sheet::UiText kDatePlaceholder{QT_TRANSLATE_NOOP("horalo", "gg/mm/aaaa")};
const QString kDate = QStringLiteral("dataan");

struct SignColumn {
    const char *field;
    const char *firstHeading;
    const char *secondHeading;
    const char *defaultText;
};

// The Sun stands at the same declination when it enters the two signs of a pair, so one curve
// serves both; the southern pairs mirror the northern ones.
constexpr std::array<SignColumn, 4> kSignColumns{{
    {"dlc1", QT_TRANSLATE_NOOP("horalo", "Gemelli"), QT_TRANSLATE_NOOP("horalo", "Leone"), "20,16"},
    {"dlc2", QT_TRANSLATE_NOOP("horalo", "Toro"), QT_TRANSLATE_NOOP("horalo", "Vergine"), "11,48"},
    {"dlc3", QT_TRANSLATE_NOOP("horalo", "Scorpio."), QT_TRANSLATE_NOOP("horalo", "Pesci"), "0"},
    {"dlc4", QT_TRANSLATE_NOOP("horalo", "Acqu."), QT_TRANSLATE_NOOP("horalo", "Sagittario"), "0"},
}};
const QString kAnniversary = QStringLiteral("an");

// Red for what the maker enters, blue for the sign declinations he may adjust.
const QColor kEntryColour = Qt::red;
const QColor kSignColour = Qt::blue;

void colourText(QLineEdit *edit, const QColor &colour)
{
    // The shade that reads on the desktop's own field colour, light or dark.
    sheet::SetReadableTextColour(edit, colour);
}

} // namespace

ZodiacSheet::ZodiacSheet(QWidget *parent) : VerticalSheet(kTitle, parent)
{
    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(14, 12, 14, 12);
    page->setSpacing(18);

    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(addCaption(kHint, QStringLiteral("LabelHint")));
    left->addLayout(addWallInputs(kDefaultLatitude));
    for (const char *name : {"Latx", "DCL1", "s", "i"})
        colourText(field(QString::fromLatin1(name)), kEntryColour);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    QPushButton *compute = addButton(QStringLiteral("calcola"), kCompute, [this] { onCompute(); });
    setComputeButton(compute);
    buttons->addWidget(addButton(QStringLiteral("Est"), kEast, [this] { onEast(); }));
    buttons->addWidget(addButton(QStringLiteral("Ovest"), kWest, [this] { onWest(); }));
    buttons->addWidget(compute);
    buttons->addWidget(addButton(QStringLiteral("azzera"), kReset, [this] { onReset(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("StampaEst"), kPrintEast, [this] { onPrintEast(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("Stampaovest"), kPrintWest, [this] { onPrintWest(); }));
    buttons->addWidget(addButton(QStringLiteral("DisegnoEst"), kDrawingEast, [this] { onDrawingEast(); }));
    buttons->addWidget(addButton(QStringLiteral("DisegnoOvest"), kDrawingWest, [this] { onDrawingWest(); }));
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addLayout(buttons);
    buttonRow->addStretch();
    left->addSpacing(10);
    left->addLayout(buttonRow);
    left->addStretch();
    page->addLayout(left);

    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    QHBoxLayout *top = buildAnniversaryRow();
    right->addLayout(top);

    QGridLayout *table = buildTable();
    right->addLayout(table);
    right->addStretch();
    page->addLayout(right);
}

// The anniversary's date, its button, the example and the notes.
QHBoxLayout * ZodiacSheet::buildAnniversaryRow()
{
    auto *top = new QHBoxLayout;
    top->addStretch();
    // A helper for the anniversary: the Sun's declination of a chosen day, so the maker need
    // not look it up elsewhere. Typing a declination into the box by hand still works.
    top->addWidget(addCaption(kDateCaption, QStringLiteral("LabelData")));
    QLineEdit *date = addInput(kDate, QString());
    date->setFixedWidth(95);
    date->setPlaceholderText(kDatePlaceholder);
    // Enter in the date asks for its declination, not for the table.
    disconnect(date, &QLineEdit::returnPressed, this, nullptr);
    connect(date, &QLineEdit::returnPressed, this, [this] { onAnniversaryFromDate(); });
    top->addWidget(date);
    top->addWidget(addButton(QStringLiteral("Declinazione"), kDateButton, [this] { onAnniversaryFromDate(); }));
    top->addSpacing(16);
    top->addWidget(addButton(QStringLiteral("Esempio"), kExample, [this] { onExample(); }));
    top->addWidget(addButton(QStringLiteral("Command1"), kInfo, [this] { onInfo(); }));
    return top;
}

// The signs' declinations over the table of distances, hour by hour.
QGridLayout * ZodiacSheet::buildTable()
{
    auto *table = new QGridLayout;
    table->setHorizontalSpacing(4);
    table->setVerticalSpacing(3);
    for (std::size_t c = 0; c < kSignColumns.size(); ++c) {
        const int column = static_cast<int>(c) + 1;
        for (int line = 0; line < 2; ++line) {
            QLabel *heading =
                addCaption(QCoreApplication::translate(
                    "horalo", line == 0 ? kSignColumns[c].firstHeading : kSignColumns[c].secondHeading));
            heading->setAlignment(Qt::AlignCenter);
            table->addWidget(heading, line, column);
        }
    }
    QLabel *anniversary = addCaption(kAnniversaryHeading);
    anniversary->setAlignment(Qt::AlignCenter);
    table->addWidget(anniversary, 0, 5, 2, 1);

    table->addWidget(addSymbol(kDeclinationSymbol, QStringLiteral("symbolDlc")), 2, 0, Qt::AlignRight);
    for (std::size_t c = 0; c < kSignColumns.size(); ++c) {
        const QString name = QString::fromLatin1(kSignColumns[c].field);
        const bool shown = c >= 2; // the southern signs follow from the northern ones
        QLineEdit *edit = shown ? addCell(name) : addInput(name, QString::fromLatin1(kSignColumns[c].defaultText));
        edit->setFixedWidth(kCellWidth);
        if (!shown)
            colourText(edit, kSignColour);
        table->addWidget(edit, 2, static_cast<int>(c) + 1);
    }
    QLineEdit *an = addInput(kAnniversary, kZero);
    an->setFixedWidth(kCellWidth);
    colourText(an, kEntryColour);
    table->addWidget(an, 2, 5);
    table->setRowMinimumHeight(3, 6);

    for (int row = 0; row < kRows; ++row) {
        table->addWidget(addRowLabel(row, QString::fromStdString(hourText(clockHourOfRow(row, Side::East)))), 4 + row, 0);
        for (int column = 1; column <= sheet::kZodiacColumns; ++column)
            table->addWidget(addCell(cellName(row, column)), 4 + row, column);
    }
    return table;
}

std::optional<ZodiacSheet::Inputs> ZodiacSheet::readInputs() const
{
    const std::optional<Wall> wall = readWall();
    const auto sign1 = number(QStringLiteral("dlc1"));
    const auto sign2 = number(QStringLiteral("dlc2"));
    // An empty anniversary box means no date was chosen: its column then shows the equinox.
    const auto anniversary = text(kAnniversary).trimmed().isEmpty() ? std::optional<double>(0.0) : number(kAnniversary);
    if (!wall || !sign1 || !sign2 || !anniversary) {
        refuse(sheet::Refusal::Missing);
        return std::nullopt;
    }
    return Inputs{*wall, *sign1, *sign2, *anniversary};
}

bool ZodiacSheet::onCompute()
{
    const std::optional<Inputs> in = readInputs();
    if (!in)
        return false;
    const Wall &wall = in->wall;
    const sheet::ZodiacSheetResult result =
        sheet::ComputeZodiacSheet(wall.latitudeDeg, wall.declinationDeg, wall.styleMm, wall.inclinationDeg,
                                      in->sign1Deg, in->sign2Deg, in->anniversaryDeg);
    if (result.refusal != sheet::Refusal::None) {
        refuse(result.refusal);
        return false;
    }
    setText(QStringLiteral("dlc4"), result.dlc4);
    setText(QStringLiteral("dlc3"), result.dlc3);
    for (int row = 0; row < kRows; ++row)
        for (int column = 1; column <= sheet::kZodiacColumns; ++column)
            setText(QString::fromStdString(cellName(row, column)),
                    result.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)]);
    return true;
}

void ZodiacSheet::onReset()
{
    // The sign declinations and the anniversary are kept: they rarely change between walls.
    for (int row = 0; row < kRows; ++row)
        for (int column = 1; column <= sheet::kZodiacColumns; ++column)
            setText(QString::fromStdString(cellName(row, column)), kZero);
    for (const char *name : {"Latx", "DCL1", "s", "i"})
        setText(QString::fromLatin1(name), kZero);
}

void ZodiacSheet::onEast()
{
    relabel(Side::East);
}

void ZodiacSheet::onWest()
{
    relabel(Side::West);
}

void ZodiacSheet::onAnniversaryFromDate()
{
    const auto date = gnomonics::ReadDate(text(kDate).toStdString(), QDate::currentDate().year());
    if (!date || !gnomonics::InYearRange(date->year)) {
        shell::showWindow(shell::kWarningDate);
        return;
    }
    // The sheet knows no longitude: the day's declination is the Sun's at apparent noon on the
    // meridian of Greenwich, within 0,01° of any European place's own noon.
    const double declination = gnomonics::NoonDeclinationDeg(*date, 0.0);
    setText(kAnniversary, sheet::FormatFixed(declination, sheet::Mask::TwoDecimals));
    anniversaryDate_ = text(kDate);
    anniversaryWritten_ = text(kAnniversary);
}

QString ZodiacSheet::anniversaryLabel() const
{
    const bool fromDate = !anniversaryWritten_.isEmpty() && text(kAnniversary) == anniversaryWritten_ &&
                          text(kDate) == anniversaryDate_ && !anniversaryDate_.trimmed().isEmpty();
    return fromDate ? anniversaryDate_.trimmed() : kAnniversaryHeading;
}

void ZodiacSheet::onInfo()
{
    shell::showWindow(shell::kSunDeclinationNote);
}

void ZodiacSheet::onExample()
{
    shell::showWindow(shell::kZodiacCurvesExample);
}

void ZodiacSheet::onPrintEast()
{
    if (onCompute())
        print(BuildZodiacReport(fieldTexts(), Side::East));
}

void ZodiacSheet::onPrintWest()
{
    if (onCompute())
        print(BuildZodiacReport(fieldTexts(), Side::West));
}

void ZodiacSheet::drawSide(Side side)
{
    const std::optional<Inputs> in = readInputs();
    if (!in)
        return;
    const Wall &wall = in->wall;
    // The same checks as "Calcola", with the same warnings, before anything is drawn.
    if (const sheet::Refusal refusal =
            sheet::CheckZodiacInputs(wall.latitudeDeg, wall.declinationDeg, wall.styleMm, in->sign1Deg,
                                         in->sign2Deg, in->anniversaryDeg);
        refusal != sheet::Refusal::None) {
        refuse(refusal);
        return;
    }
    const drawing::SheetSketch dial = drawing::BuildZodiacSheetSketch(
        wall.latitudeDeg, wall.declinationDeg, wall.styleMm,
        side, in->sign1Deg, in->sign2Deg,
        in->anniversaryDeg, anniversaryLabel().toStdString());
    if (dial.refusal != sheet::Refusal::None) {
        refuse(dial.refusal);
        return;
    }
    shell::SheetDialInputs toDesigner = designerInputs(wall, side, true);
    // An anniversary taken from a day goes to the designer as that day's date line; one typed
    // as a declination has no day to give.
    // The year the sheet took for a date written without one goes with it.
    if (const QString label = anniversaryLabel(); label != kAnniversaryHeading.text())
        if (const auto day = gnomonics::ReadDate(label.toStdString(), QDate::currentDate().year()))
            toDesigner.anniversaryDate = QDate(day->year, day->month, day->day).toString(QStringLiteral("dd/MM/yyyy"));
    shell::showDrawing(drawing::ToSheetDrawing(dial.sketch), toDesigner);
}

void ZodiacSheet::onDrawingEast()
{
    drawSide(Side::East);
}

void ZodiacSheet::onDrawingWest()
{
    drawSide(Side::West);
}

} // namespace vertical
