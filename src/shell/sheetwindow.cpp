#include "shell/sheetwindow.h"

#include "shell/registry.h"
#include "shell/textwindows.h"

#include "sheet/numbers.h"
#include "sheet/qt/printjob.h"


namespace shell {


SheetWindow::SheetWindow(const QString &title, QWidget *parent) : QWidget(parent)
{
    setWindowTitle(title);
    // Results are disabled so nobody types into them, but a maker copies them onto stone:
    // they must read as clearly as the inputs, not in the toolkit's faint grey.
    setStyleSheet(QStringLiteral("QLineEdit:disabled { color: black; background-color: #ececec; }"));
}

QLineEdit *SheetWindow::addField(const QString &name, const QString &defaultText, Kind kind)
{
    // The defaults are written in Italian ("38,1217"); a number is shown with the separator of
    // the program's language, as every computed field is.
    QString shown = defaultText;
    if (sheet::ReadNumber(defaultText.toStdString()))
        shown.replace(QLatin1Char(','), QLatin1Char(sheet::decimalSeparator()));
    auto *edit = new QLineEdit(shown, this);
    edit->setObjectName(name);
    if (kind == Kind::Output) {
        edit->setEnabled(false);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            if (computeButton_)
                computeButton_->click();
        });
    }
    fields_.insert(name, edit);
    return edit;
}

QLabel *SheetWindow::addLabel(const QString &text, const QString &name)
{
    auto *label = new QLabel(text, this);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QPushButton *SheetWindow::addButton(const QString &name, const QString &text, std::function<void()> action)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    return button;
}

QPushButton *SheetWindow::addPrintButton(const QString &name, const QString &text, std::function<void()> action)
{
    QPushButton *button = addButton(name, text, action);
    sheet::offerPreview(button, [this, action] {
        previewNext_ = true;
        action();
        previewNext_ = false;
    });
    return button;
}

void SheetWindow::setComputeButton(QPushButton *button)
{
    computeButton_ = button;
    button->setDefault(true);
}

QLineEdit *SheetWindow::field(const QString &name) const
{
    return fields_.value(name, nullptr);
}

QString SheetWindow::text(const QString &name) const
{
    const QLineEdit *edit = field(name);
    return edit ? edit->text() : QString();
}

void SheetWindow::setText(const QString &name, const QString &text)
{
    if (QLineEdit *edit = field(name)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

void SheetWindow::setText(const QString &name, const std::string &text)
{
    setText(name, QString::fromStdString(text));
}

std::optional<double> SheetWindow::number(const QString &name) const
{
    return sheet::ReadNumber(text(name).toStdString());
}

void SheetWindow::refuse(sheet::Refusal refusal)
{
    switch (refusal) {
    case sheet::Refusal::None:
        return;
    case sheet::Refusal::Missing:
        showWindow(kWarningMissing);
        return;
    case sheet::Refusal::Negative:
        showWindow(kWarningNegative);
        return;
    case sheet::Refusal::OutOfRange:
        showWindow(kWarningRange);
        return;
    case sheet::Refusal::LatitudeRange:
        showWindow(kWarningLatitude);
        return;
    case sheet::Refusal::SunDeclinationRange:
        showWindow(kWarningSunDeclination);
        return;
    case sheet::Refusal::StyleTooLong:
        showWindow(kWarningStyle);
        return;
    }
}

sheet::FieldText SheetWindow::fieldTexts() const
{
    return [this](const std::string &name) { return text(QString::fromStdString(name)).toStdString(); };
}

void SheetWindow::print(const sheet::ReportPage &page)
{
    if (previewNext_)
        sheet::previewReport(page, this);
    else
        sheet::printReport(page, this);
}

void SheetWindow::printPages(const sheet::PagePainter &paintPages)
{
    if (previewNext_)
        sheet::previewAndPrint(paintPages, this);
    else
        sheet::printPages(paintPages, this);
}

} // namespace shell
