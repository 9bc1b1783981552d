#include "horizontal/curvessheet.h"

#include "sheet/qt/uitext.h"

#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "sheet/horizontalcurves.h"
#include "horizontal/curvefields.h"
#include "horizontal/curvesreport.h"
#include "shell/drawingwindow.h"
#include "shell/registry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace horizontal {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Curve solstiziali ed equinoziali orizzontale.")};
const sheet::UiText kHint{QT_TRANSLATE_NOOP("horalo", "Per i decimali usare la virgola")};
const sheet::UiText kLatCaption{QT_TRANSLATE_NOOP("horalo", "Latitudine")};
const QString kPhiCaption = QStringLiteral("φ°");
const sheet::UiText kStyleCaption{QT_TRANSLATE_NOOP("horalo", "Stilo")};
const sheet::UiText kHeightCaption{QT_TRANSLATE_NOOP("horalo", "Altezza Stilo")};
const sheet::UiText kBaseCaption{QT_TRANSLATE_NOOP("horalo", "Base stilo")};
const QString kHourHeading = QStringLiteral("h");
const sheet::UiText kSummerHeading{QT_TRANSLATE_NOOP("horalo", "Estate")};
const sheet::UiText kWinterHeading{QT_TRANSLATE_NOOP("horalo", "Inverno")};
const sheet::UiText kEquinoxHeading{QT_TRANSLATE_NOOP("horalo", "Equinozi")};
const sheet::UiText kCompute{QT_TRANSLATE_NOOP("horalo", "Calcola")};
const sheet::UiText kReset{QT_TRANSLATE_NOOP("horalo", "Azzera")};
const sheet::UiText kPrint{QT_TRANSLATE_NOOP("horalo", "Stampa")};
const sheet::UiText kExample{QT_TRANSLATE_NOOP("horalo", "Esempio")};
const sheet::UiText kDrawing{QT_TRANSLATE_NOOP("horalo", "Disegno")};

const QString kDefaultLatitude = QStringLiteral("38");
const QString kDefaultStyle = QStringLiteral("10");
const QString kZero = QStringLiteral("0");

const QString kLatitude = QStringLiteral("Latx");
const QString kStyle = QStringLiteral("s");
const QString kHeight = QStringLiteral("h");
const QString kBase = QStringLiteral("b");

constexpr int kFieldWidth = 80;

QString name(const char *fieldName) { return QString::fromLatin1(fieldName); }

} // namespace

CurvesSheet::CurvesSheet(QWidget *parent) : SheetWindow(kTitle, parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(12);
    auto *body = new QHBoxLayout;
    body->setSpacing(28);
    outer->addLayout(body);

    // Left: what the maker gives and the two style measures he needs to plant it.
    auto *left = new QVBoxLayout;
    left->setSpacing(10);
    QLabel *hint = addLabel(kHint, QStringLiteral("Label1"));
    hint->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    left->addWidget(hint);
    auto *inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    inputs->setVerticalSpacing(6);
    auto *latCaption = new QHBoxLayout;
    latCaption->setSpacing(4);
    latCaption->addWidget(addLabel(kLatCaption, QStringLiteral("Label2")));
    QLabel *phi = addLabel(kPhiCaption, QStringLiteral("Label3"));
    QFont greek(QStringLiteral("Arial"));
    greek.setBold(true);
    greek.setPointSizeF(11);
    phi->setFont(greek);
    latCaption->addWidget(phi);
    latCaption->addStretch();
    inputs->addLayout(latCaption, 0, 0);
    const struct {
        const QString &caption;
        const QString &field;
        const QString &defaultText;
        Kind kind;
    } measures[] = {
        {kStyleCaption, kStyle, kDefaultStyle, Kind::Input},
        {kHeightCaption, kHeight, kZero, Kind::Output},
        {kBaseCaption, kBase, kZero, Kind::Output},
    };
    QLineEdit *lat = addField(kLatitude, kDefaultLatitude, Kind::Input);
    lat->setFixedWidth(kFieldWidth);
    inputs->addWidget(lat, 0, 1);
    int row = 1;
    for (const auto &m : measures) {
        inputs->addWidget(addLabel(m.caption), row, 0);
        // The nodus height and the style base are results: a number typed there would be taken to the
        // dial as if the sheet had computed it.
        QLineEdit *edit = addField(m.field, m.defaultText, m.kind);
        edit->setFixedWidth(kFieldWidth);
        inputs->addWidget(edit, row, 1);
        ++row;
    }
    left->addLayout(inputs);
    left->addStretch();
    body->addLayout(left);

    // Right: the distances from the dial centre along each hour line.
    QGridLayout *table = buildTable();
    body->addLayout(table);

    QHBoxLayout *buttons = buildButtons();
    outer->addLayout(buttons);
}

// The distances from the dial centre along each hour line, at the solstices and the equinox.
QGridLayout * CurvesSheet::buildTable()
{
    auto *table = new QGridLayout;
    table->setHorizontalSpacing(10);
    table->setVerticalSpacing(3);
    QFont bold = font();
    bold.setBold(true);
    const QString headings[] = {kHourHeading, kSummerHeading, kWinterHeading, kEquinoxHeading};
    for (int column = 0; column < 4; ++column) {
        QLabel *heading = addLabel(headings[column]);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignCenter);
        table->addWidget(heading, 0, column);
    }
    for (std::size_t r = 0; r < kCurveRows.size(); ++r) {
        const int gridRow = static_cast<int>(r) + 1;
        QLabel *label = addLabel(name(kCurveRows[r].label));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->addWidget(label, gridRow, 0);
        QLineEdit *summer = addField(name(kCurveRows[r].summer), kZero, Kind::Output);
        summer->setFixedWidth(kFieldWidth);
        table->addWidget(summer, gridRow, 1);
        QLineEdit *winter = addField(name(kCurveRows[r].winter), kZero, Kind::Output);
        winter->setFixedWidth(kFieldWidth);
        table->addWidget(winter, gridRow, 2);
        if (r == sheet::kHorizontalCurveNoonRow) {
            QLineEdit *equinox = addField(name(kEquinoxNoonField), kZero, Kind::Output);
            equinox->setFixedWidth(kFieldWidth);
            table->addWidget(equinox, gridRow, 3);
        }
    }
    return table;
}

// The sheet's buttons, named in Italian whatever language they speak.
QHBoxLayout * CurvesSheet::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    // The buttons are named in Italian whatever language they speak.
    QPushButton *compute = addButton(QStringLiteral("Calcola"), kCompute, [this] { onCompute(); });
    setComputeButton(compute);
    buttons->addWidget(compute);
    buttons->addWidget(addButton(QStringLiteral("Azzera"), kReset, [this] { onReset(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("Stampa"), kPrint, [this] { onPrint(); }));
    buttons->addWidget(addButton(QStringLiteral("Disegno"), kDrawing, [this] { onDrawing(); }));
    buttons->addWidget(addButton(QStringLiteral("Esempio"), kExample, [this] { onExample(); }));
    return buttons;
}

std::optional<CurvesSheet::Inputs> CurvesSheet::readInputs() const
{
    // A text that is not a number is as good as a value never entered.
    const auto latitude = number(kLatitude);
    const auto style = number(kStyle);
    if (!latitude || !style) {
        refuse(sheet::Refusal::Missing);
        return std::nullopt;
    }
    return Inputs{*latitude, *style};
}

bool CurvesSheet::onCompute()
{
    const std::optional<Inputs> inputs = readInputs();
    if (!inputs)
        return false;
    const sheet::HorizontalCurvesResult result =
        sheet::ComputeHorizontalCurves(inputs->latitudeDeg, inputs->styleMm);
    if (result.refusal != sheet::Refusal::None) {
        refuse(result.refusal);
        return false;
    }
    setText(kHeight, result.styleHeight);
    setText(kBase, result.styleBase);
    for (std::size_t r = 0; r < kCurveRows.size(); ++r) {
        setText(name(kCurveRows[r].summer), result.summer[r]);
        setText(name(kCurveRows[r].winter), result.winter[r]);
        if (r == sheet::kHorizontalCurveNoonRow) // the equinox distance belongs to noon
            setText(name(kEquinoxNoonField), result.equinoxNoon);
    }
    return true;
}

void CurvesSheet::onReset()
{
    for (const QString &field : {kLatitude, kHeight, kBase, kStyle})
        setText(field, kZero);
    for (const CurveRow &row : kCurveRows) {
        setText(name(row.summer), kZero);
        setText(name(row.winter), kZero);
    }
    setText(name(kEquinoxNoonField), kZero);
}

void CurvesSheet::onExample()
{
    shell::showWindow(shell::kHorizontalCurvesExample);
}

void CurvesSheet::onPrint()
{
    if (onCompute())
        print(BuildCurvesReport(fieldTexts()));
}

void CurvesSheet::onDrawing()
{
    const std::optional<Inputs> inputs = readInputs();
    if (!inputs)
        return;
    // The builder runs the sheet's own checks (and refuses a style of no length too).
    const drawing::SheetSketch dial = drawing::BuildHorizontalSheetSketch(inputs->latitudeDeg, inputs->styleMm);
    if (dial.refusal != sheet::Refusal::None) {
        refuse(dial.refusal);
        return;
    }
    // A horizontal dial in the engine's terms: inclination 90, no declination.
    shell::showDrawing(drawing::ToSheetDrawing(dial.sketch), shell::SheetDialInputs{inputs->latitudeDeg, 0.0, 90.0, inputs->styleMm, false, {}});
}

} // namespace horizontal
