#include "vertical/decliningsheet.h"

#include "sheet/qt/uitext.h"

#include "vertical/decliningreport.h"
#include "shell/registry.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace vertical {

namespace {

using sheet::WallSide;

const sheet::UiText kTitleEast{QT_TRANSLATE_NOOP("horalo", "Angoli orari su parete declinante ad Est")};
const sheet::UiText kTitleWest{QT_TRANSLATE_NOOP("horalo", "Angoli orari su parete declinante ad Ovest")};
const sheet::UiText kLatCaption{QT_TRANSLATE_NOOP("horalo", "Latitudine")};
const QString kLatSymbol = QStringLiteral("φ°");
const sheet::UiText kDclCaption{QT_TRANSLATE_NOOP("horalo", "Declinazione  d°")};
const sheet::UiText kHint{QT_TRANSLATE_NOOP("horalo", "-Per i decimali,usare la virgola")};
const QString kColumnSymbol = QStringLiteral("φ");
const QString kDefaultLatitude = QStringLiteral("38,1375");
const QString kDefaultDeclination = QStringLiteral("38");
const QString kDefaultHour = QStringLiteral("0");
const QString kDefaultNoon = QStringLiteral("-90");
const QString kReset = QStringLiteral("0");
const sheet::UiText kCompute{QT_TRANSLATE_NOOP("horalo", "Calcola")};
const sheet::UiText kResetButton{QT_TRANSLATE_NOOP("horalo", "Azzera")};
const sheet::UiText kExample{QT_TRANSLATE_NOOP("horalo", "Esempio")};
const sheet::UiText kPrintEast{QT_TRANSLATE_NOOP("horalo", "Stampa Est")};
const sheet::UiText kPrintWest{QT_TRANSLATE_NOOP("horalo", "Stampa Ovest")};

// The hour labels, the same on both sheets, position by position.
constexpr std::array<const char *, sheet::kDecliningPositions> kHourLabels{
    "4.30",  "5",  "5.30",  "6",  "6.30",  "7",  "7.30",  "8",  "8.30",  "9",  "9.30",
    "10",    "10.30", "11", "11.30", "12", "12.30", "13", "13.30", "14", "14.30", "15",
    "15.30", "16", "16.30", "17", "17.30", "18", "18.30", "19", "19.30", "20"};

constexpr int kRowsPerColumn = 8;
constexpr int kFieldWidth = 80;

QString fieldName(std::size_t fieldIndex) { return QString::fromLatin1(kDecliningFieldNames[fieldIndex]); }

bool isWholeHour(std::size_t position) { return position % 2 == 1; }

// Fields that a reset leaves as they are: noon and, by name, the 19.30 and 20 fields.
bool keptByReset(const QString &name)
{
    return name == QLatin1String("DODICI") || name == QLatin1String("diciannove5") || name == QLatin1String("venti");
}

QFont wholeHourFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    return font;
}

// The Greek letters of the design were drawn in a symbol typeface; a serif face with Greek
// glyphs gives the same look on any system.
QFont symbolFont(double pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Symbol"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

DecliningSheet::DecliningSheet(WallSide side, QWidget *parent)
    : SheetWindow(side == WallSide::East ? kTitleEast : kTitleWest, parent), side_(side)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    auto *inputs = new QGridLayout;
    inputs->setHorizontalSpacing(6);
    auto *latCaption = new QHBoxLayout;
    latCaption->setSpacing(2);
    latCaption->addWidget(addLabel(kLatCaption, QStringLiteral("Label1")));
    QLabel *latSymbol = addLabel(kLatSymbol, QStringLiteral("Label2"));
    latSymbol->setFont(symbolFont(11));
    latCaption->addWidget(latSymbol);
    latCaption->addStretch();
    inputs->addLayout(latCaption, 0, 0);
    QLineEdit *lat = addField(QStringLiteral("LATX"), kDefaultLatitude, Kind::Input);
    lat->setFixedWidth(100);
    inputs->addWidget(lat, 0, 1);
    inputs->addWidget(addLabel(kDclCaption, QStringLiteral("Label3")), 1, 0);
    QLineEdit *dcl = addField(QStringLiteral("DCL1"), kDefaultDeclination, Kind::Input);
    dcl->setFixedWidth(100);
    inputs->addWidget(dcl, 1, 1);
    inputs->addWidget(addLabel(kHint, QStringLiteral("Label4")), 1, 2);
    inputs->setColumnStretch(3, 1);
    grid->addLayout(inputs, 0, 0, 1, 4 * 3);
    grid->setRowMinimumHeight(1, 10);

    // Four columns of eight: an hour label, its field, and a gap before the next column.
    for (int column = 0; column < 4; ++column) {
        QLabel *phi = addLabel(kColumnSymbol, QStringLiteral("Phi%1").arg(column + 1));
        phi->setFont(symbolFont(12));
        phi->setAlignment(Qt::AlignCenter);
        grid->addWidget(phi, 2, 3 * column + 1);
        if (column > 0)
            grid->setColumnMinimumWidth(3 * column - 1, 14);
    }
    for (std::size_t position = 0; position < sheet::kDecliningPositions; ++position) {
        const QString name = fieldName(DecliningPositionOfField(side_, position));
        const QString defaultText = name == QLatin1String("DODICI") ? kDefaultNoon : kDefaultHour;
        QLineEdit *field = addField(name, defaultText, Kind::Output);
        field->setFixedWidth(kFieldWidth);
        QLabel *label = addLabel(QString::fromLatin1(kHourLabels[position]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(field);
        if (isWholeHour(position)) {
            label->setFont(wholeHourFont());
            field->setFont(wholeHourFont());
        }
        const int column = static_cast<int>(position) / kRowsPerColumn;
        const int row = 3 + static_cast<int>(position) % kRowsPerColumn;
        grid->addWidget(label, row, 3 * column);
        grid->addWidget(field, row, 3 * column + 1);
    }

    auto *buttons = new QHBoxLayout;
    QPushButton *compute = addButton(QStringLiteral("Command1"), kCompute, [this] { onCompute(); });
    setComputeButton(compute);
    buttons->addWidget(compute);
    buttons->addWidget(addButton(QStringLiteral("Command2"), kResetButton, [this] { onReset(); }));
    buttons->addWidget(addButton(QStringLiteral("Command3"), kExample, [this] { onExample(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("Command4"), side_ == WallSide::East ? kPrintEast : kPrintWest,
                                 [this] { onPrint(); }));
    grid->setRowMinimumHeight(3 + kRowsPerColumn, 10);
    grid->addLayout(buttons, 4 + kRowsPerColumn, 0, 1, 4 * 3);
}

bool DecliningSheet::onCompute()
{
    // A text that is no number is treated as a value never entered.
    const auto latitude = number(QStringLiteral("LATX"));
    const auto declination = number(QStringLiteral("DCL1"));
    if (!latitude || !declination) {
        refuse(sheet::Refusal::Missing);
        return false;
    }
    const sheet::DecliningSheetResult result = sheet::ComputeDecliningSheet(*latitude, *declination, side_);
    if (result.refusal != sheet::Refusal::None) {
        refuse(result.refusal);
        return false;
    }
    // In the order of the field names, quattro5 to venti, whichever hour each stands at.
    for (std::size_t f = 0; f < kDecliningFieldNames.size(); ++f) {
        if (f == sheet::kDecliningNoonIndex)
            continue;
        setText(fieldName(f), result.texts[DecliningPositionOfField(side_, f)]);
    }
    return true;
}

void DecliningSheet::onReset()
{
    setText(QStringLiteral("LATX"), kReset);
    setText(QStringLiteral("DCL1"), kReset);
    for (std::size_t f = 0; f < kDecliningFieldNames.size(); ++f) {
        const QString name = fieldName(f);
        if (!keptByReset(name))
            setText(name, kReset);
    }
}

void DecliningSheet::onExample()
{
    // Each side's example is the mirror of the other's.
    shell::showWindow(side_ == sheet::WallSide::East ? shell::kEastDecliningExample : shell::kWestDecliningExample);
}

void DecliningSheet::onPrint()
{
    if (onCompute())
        print(BuildDecliningReport(side_, fieldTexts()));
}

} // namespace vertical
