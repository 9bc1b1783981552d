#include "vertical/verticalsheet.h"

#include "sheet/qt/uitext.h"

#include <cmath>

namespace vertical {

namespace {

const sheet::UiText kLatitudeCaption{QT_TRANSLATE_NOOP("horalo", "Latitudine")};
const QString kLatitudeSymbol = QStringLiteral("φ°");
const sheet::UiText kDeclinationCaption{QT_TRANSLATE_NOOP("horalo", "Declin.       d°")};
const sheet::UiText kStyleCaption{QT_TRANSLATE_NOOP("horalo", "Stilo")};
const sheet::UiText kInclinationCaption{QT_TRANSLATE_NOOP("horalo", "Inclinazione")};
const sheet::UiText kEast{QT_TRANSLATE_NOOP("horalo", "EST")};
const sheet::UiText kWest{QT_TRANSLATE_NOOP("horalo", "OVEST")};
const QString kDefaultDeclination = QStringLiteral("38");
const QString kDefaultStyle = QStringLiteral("40,32");
const QString kDefaultInclination = QStringLiteral("0");

constexpr int kInputWidth = 80;

} // namespace

VerticalSheet::VerticalSheet(const QString &title, QWidget *parent) : SheetWindow(title, parent) {}

QFont VerticalSheet::captionFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

QFont VerticalSheet::symbolFont()
{
    // The letters themselves are Greek, so any face with Greek glyphs shows them; a bold
    // face a little larger than the captions keeps phi and sigma apart at a glance.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QLabel *VerticalSheet::addCaption(const QString &text, const QString &name)
{
    QLabel *label = addLabel(text, name);
    label->setFont(captionFont());
    return label;
}

QLabel *VerticalSheet::addSymbol(const QString &text, const QString &name)
{
    QLabel *label = addLabel(text, name);
    label->setFont(symbolFont());
    return label;
}

QLineEdit *VerticalSheet::addInput(const QString &name, const QString &defaultText)
{
    QLineEdit *edit = addField(name, defaultText, Kind::Input);
    edit->setFont(captionFont());
    edit->setFixedWidth(kInputWidth);
    return edit;
}

QLineEdit *VerticalSheet::addCell(const QString &name)
{
    QLineEdit *edit = addField(name, QStringLiteral("0"), Kind::Output);
    edit->setFont(captionFont());
    edit->setFixedWidth(kCellWidth);
    return edit;
}

QGridLayout *VerticalSheet::addWallInputs(const QString &defaultLatitude)
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    grid->addWidget(addCaption(kLatitudeCaption, QStringLiteral("captionLatx")), 0, 0);
    grid->addWidget(addSymbol(kLatitudeSymbol, QStringLiteral("symbolLatx")), 0, 1);
    grid->addWidget(addInput(QStringLiteral("Latx"), defaultLatitude), 0, 2);

    grid->addWidget(addCaption(kDeclinationCaption, QStringLiteral("captionDCL1")), 1, 0, 1, 2);
    grid->addWidget(addInput(QStringLiteral("DCL1"), kDefaultDeclination), 1, 2);
    direction_ = addLabel(QString(), QStringLiteral("Label13"));
    QFont directionFont(QStringLiteral("Arial"));
    directionFont.setPointSizeF(9.75);
    directionFont.setBold(true);
    direction_->setFont(directionFont);
    // Wide enough for "OVEST" from the start, so the inputs do not move when a side is chosen.
    direction_->setMinimumWidth(std::max(QFontMetrics(directionFont).horizontalAdvance(kEast.text()), QFontMetrics(directionFont).horizontalAdvance(kWest.text())) + 4);
    grid->addWidget(direction_, 1, 3);

    grid->addWidget(addCaption(kStyleCaption, QStringLiteral("captionS")), 2, 0, 1, 2);
    grid->addWidget(addInput(QStringLiteral("s"), kDefaultStyle), 2, 2);

    // The dials are traced on upright walls: the inclination stays at 0 out of sight.
    QLabel *inclinationCaption = addCaption(kInclinationCaption, QStringLiteral("captionI"));
    QLineEdit *inclination = addInput(QStringLiteral("i"), kDefaultInclination);
    inclinationCaption->hide();
    inclination->hide();
    grid->addWidget(inclinationCaption, 3, 0, 1, 2);
    grid->addWidget(inclination, 3, 2);
    return grid;
}

QLabel *VerticalSheet::addRowLabel(int row, const QString &text)
{
    QLabel *label = addCaption(text, QString::fromStdString(rowLabelName(row)));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(QFontMetrics(captionFont()).horizontalAdvance(QStringLiteral("19.00")) + 4);
    rowLabels_.at(static_cast<std::size_t>(row)) = label;
    return label;
}

void VerticalSheet::relabel(Side side)
{
    direction_->setText(side == Side::East ? kEast : kWest);
    for (int row = 0; row < kRows; ++row)
        rowLabels_.at(static_cast<std::size_t>(row))->setText(QString::fromStdString(hourText(clockHourOfRow(row, side))));
}

std::optional<VerticalSheet::Wall> VerticalSheet::readWall() const
{
    const auto latitude = number(QStringLiteral("Latx"));
    const auto declination = number(QStringLiteral("DCL1"));
    const auto style = number(QStringLiteral("s"));
    const auto inclination = number(QStringLiteral("i"));
    if (!latitude || !declination || !style || !inclination)
        return std::nullopt;
    return Wall{*latitude, *declination, *style, *inclination};
}

shell::SheetDialInputs VerticalSheet::designerInputs(const Wall &wall, Side side, bool zodiac)
{
    const double declination = std::abs(wall.declinationDeg);
    return {wall.latitudeDeg, side == Side::East ? -declination : declination, 0.0, wall.styleMm, zodiac, {}};
}

} // namespace vertical
