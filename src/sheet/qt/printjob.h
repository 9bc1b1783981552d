#pragma once

#include "sheet/report.h"

#include <QString>
#include <memory>

class QWidget;

namespace sheet {

// The two messages that end a print job. The program shows them as modal message boxes;
// tests put a recorder in their place.
class PrintNotifier {
public:
    virtual ~PrintNotifier() = default;
    virtual void printSent(QWidget *parent) = 0;
    virtual void printFailed(QWidget *parent) = 0;
};

inline const QString kPrintTitle = QStringLiteral("Horalo 2002");
inline const QString kPrintSent = QStringLiteral("Stampa inviata");
inline const QString kPrintFailed = QStringLiteral("Errore nella procedura di stampa");

// Replaces the notifier (nullptr restores the message boxes). Returns the previous one.
PrintNotifier *setPrintNotifier(PrintNotifier *notifier);

// Prints the page on the default printer and tells the user how it went. Returns true when
// the job was handed to the printer.
bool printReport(const ReportPage &page, QWidget *parent);

} // namespace sheet
