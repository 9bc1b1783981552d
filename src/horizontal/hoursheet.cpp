#include "horizontal/hoursheet.h"

#include "sheet/qt/uitext.h"

#include "horizontal/hourreport.h"
#include "sheet/horizontalhours.h"
#include "shell/registry.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include <array>

namespace horizontal {

namespace {

const sheet::UiText kTitle{QT_TRANSLATE_NOOP("horalo", "Orizzontali")};
const sheet::UiText kLatCaption{QT_TRANSLATE_NOOP("horalo", "Latitudine φ°")};
const sheet::UiText kHint{QT_TRANSLATE_NOOP("horalo", "(per i decimali usare la virgola)")};
const sheet::UiText kCompute{QT_TRANSLATE_NOOP("horalo", "Calcola")};
const sheet::UiText kReset{QT_TRANSLATE_NOOP("horalo", "Azzera")};
const sheet::UiText kExample{QT_TRANSLATE_NOOP("horalo", "Esempio")};
const sheet::UiText kPrint{QT_TRANSLATE_NOOP("horalo", "Stampa")};
const QString kDefaultLatitude = QStringLiteral("38");

struct Row {
    const char *morning;
    const char *morningLabel;
    const char *afternoon;
    const char *afternoonLabel;
};

// Each row pairs a morning line with its mirror image about noon.
constexpr std::array<Row, 14> kRows{{
    {"V", "5", "XIX", "19"},           {"V5", "5.30", "XVIII5", "18.30"},
    {"VI", "6", "XVIII", "18"},        {"VI5", "6.30", "XVII5", "17.30"},
    {"VII", "7", "XVII", "17"},        {"VII5", "7.30", "XVI5", "16.30"},
    {"VIII", "8", "XVI", "16"},        {"VIII5", "8.30", "XV5", "15.30"},
    {"IX", "9", "XV", "15"},           {"IX5", "9.30", "XIV5", "14.30"},
    {"X", "10", "XIV", "14"},          {"X5", "10.30", "XIII5", "13.30"},
    {"XI", "11", "XIII", "13"},        {"XI5", "11.30", "XII5", "12.30"},
}};

} // namespace

HourSheet::HourSheet(QWidget *parent) : SheetWindow(kTitle, parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    auto *top = new QHBoxLayout;
    top->addWidget(addLabel(kLatCaption, QStringLiteral("Label1")));
    auto *lat = addField(QStringLiteral("LAT"), kDefaultLatitude, Kind::Input);
    lat->setFixedWidth(90);
    top->addWidget(lat);
    top->addWidget(addLabel(kHint, QStringLiteral("Label2")));
    top->addStretch();
    grid->addLayout(top, 0, 0, 1, 5);

    QFont greek(QStringLiteral("Arial"));
    greek.setBold(true);
    greek.setPointSizeF(11);
    auto header = [&](const QString &text, int column) {
        QLabel *label = addLabel(text);
        label->setFont(greek);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 1, column);
    };
    header(QStringLiteral("h"), 0);
    header(QStringLiteral("−ω"), 1);
    header(QStringLiteral("h"), 3);
    header(QStringLiteral("+ω"), 4);
    grid->setColumnMinimumWidth(2, 24);

    for (std::size_t r = 0; r < kRows.size(); ++r) {
        const int row = static_cast<int>(r) + 2;
        QLabel *ml = addLabel(QString::fromLatin1(kRows[r].morningLabel));
        ml->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(ml, row, 0);
        QLineEdit *m = addField(QString::fromLatin1(kRows[r].morning), QStringLiteral("0"), Kind::Output);
        m->setFixedWidth(90);
        grid->addWidget(m, row, 1);
        QLabel *al = addLabel(QString::fromLatin1(kRows[r].afternoonLabel));
        al->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(al, row, 3);
        QLineEdit *a = addField(QString::fromLatin1(kRows[r].afternoon), QStringLiteral("0"), Kind::Output);
        a->setFixedWidth(90);
        grid->addWidget(a, row, 4);
    }

    auto *noon = new QHBoxLayout;
    noon->addStretch();
    noon->addWidget(addLabel(QStringLiteral("12")));
    QLineEdit *xii = addField(QStringLiteral("xii"), QStringLiteral("0"), Kind::Output);
    xii->setFixedWidth(90);
    noon->addWidget(xii);
    noon->addStretch();
    grid->addLayout(noon, 16, 0, 1, 5);

    auto *buttons = new QHBoxLayout;
    QPushButton *compute = addButton(QStringLiteral("Calcola"), kCompute, [this] { onCompute(); });
    setComputeButton(compute);
    buttons->addWidget(compute);
    buttons->addWidget(addButton(QStringLiteral("Azzera"), kReset, [this] { onReset(); }));
    buttons->addWidget(addButton(QStringLiteral("Esempio"), kExample, [this] { onExample(); }));
    buttons->addWidget(addPrintButton(QStringLiteral("Stampa"), kPrint, [this] { onPrint(); }));
    grid->setRowMinimumHeight(17, 8);
    grid->addLayout(buttons, 18, 0, 1, 5);
}

bool HourSheet::onCompute()
{
    // This sheet checks neither presence nor sign: any latitude is a dial, zero included.
    // Only a text that is not a number at all, or a latitude beyond the poles, is refused.
    const auto latitude = number(QStringLiteral("LAT"));
    if (!latitude) {
        refuse(sheet::Refusal::Missing);
        return false;
    }
    if (const sheet::Refusal refusal = sheet::CheckHorizontalLatitude(*latitude);
        refusal != sheet::Refusal::None) {
        refuse(refusal);
        return false;
    }
    const sheet::HorizontalHourTexts result = sheet::ComputeHorizontalHourAngles(*latitude);
    for (std::size_t r = 0; r < kRows.size(); ++r)
        setText(QString::fromLatin1(kRows[r].morning), result.morning[r]);
    // The afternoon lines copy the shown morning texts, nearest noon first.
    for (std::size_t r = kRows.size(); r-- > 0;)
        setText(QString::fromLatin1(kRows[r].afternoon), text(QString::fromLatin1(kRows[r].morning)));
    setText(QStringLiteral("xii"), QStringLiteral("0"));
    return true;
}

void HourSheet::onReset()
{
    setText(QStringLiteral("LAT"), QStringLiteral("0"));
    for (const Row &row : kRows)
        setText(QString::fromLatin1(row.morning), QStringLiteral("0"));
    for (std::size_t r = kRows.size(); r-- > 0;)
        setText(QString::fromLatin1(kRows[r].afternoon), QStringLiteral("0"));
}

void HourSheet::onExample()
{
    shell::showWindow(shell::kHorizontalHoursExample);
}

void HourSheet::onPrint()
{
    if (onCompute())
        print(BuildHourReport(fieldTexts()));
}

} // namespace horizontal
