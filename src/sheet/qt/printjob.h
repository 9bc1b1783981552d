#pragma once

#include "sheet/report.h"

#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
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

// Paints the pages of a job on a printer that is open and set up; it starts each page after
// the first with printer.newPage() and returns false to abandon the job.
using PagePainter = std::function<bool(QPainter &painter, QPrinter &printer)>;

// Prints a job of one or more pages on the default printer, set up as for the reports (A4,
// portrait, one copy, origin at the top-left corner of the printable area), and tells the
// user how it went with the same two messages. Returns true when the job was handed to the
// printer.
bool printPages(const PagePainter &paintPages, QWidget *parent);

} // namespace sheet
