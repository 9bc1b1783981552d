#pragma once

#include "sheet/checks.h"
#include "sheet/report.h"
#include "sheet/qt/printjob.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace shell {

// What every calculation sheet has in common: named text fields (the sheet's whole state),
// warnings on refusal, and printing of its report. A sheet builds its fields with the names
// of the design, reads them, hands numbers to its computation and writes the texts back.
class SheetWindow : public QWidget {
public:
    explicit SheetWindow(const QString &title, QWidget *parent = nullptr);

    enum class Kind { Input, Output };

    // A single-line field. Outputs are disabled (no typing, no focus) but stay readable.
    QLineEdit *addField(const QString &name, const QString &defaultText, Kind kind);
    QLabel *addLabel(const QString &text, const QString &name = {});
    QPushButton *addButton(const QString &name, const QString &text, std::function<void()> action);
    // A print button: a click prints the report at once on the printer chosen last; a click
    // with Shift held, its context menu "Anteprima e stampa…" and Ctrl+P (for the window's
    // first print button) show the print preview with the choice of printer.
    QPushButton *addPrintButton(const QString &name, const QString &text, std::function<void()> action);

    // Enter in any input field runs this button, which also gets the default-button look.
    void setComputeButton(QPushButton *button);

    QLineEdit *field(const QString &name) const;
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &text);
    void setText(const QString &name, const std::string &text);

    // The number a field's text stands for, or nothing for an empty or non-numeric text.
    std::optional<double> number(const QString &name) const;

    // Shows the warning that goes with the refusal; the sheet itself is left unchanged.
    static void refuse(sheet::Refusal refusal);

    // The report's view of the fields: the current text of a named field.
    sheet::FieldText fieldTexts() const;

    // Prints at once, or shows the print preview when the print button asked for it.
    void print(const sheet::ReportPage &page);
    void printPages(const sheet::PagePainter &paintPages);

private:
    QHash<QString, QLineEdit *> fields_;
    QPushButton *computeButton_ = nullptr;
    bool previewNext_ = false;
};

} // namespace shell
