#pragma once

#include "sheet/report.h"

#include "sheet/qt/uitext.h"

#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QPushButton;
class QWidget;

namespace sheet {

// The messages that end a print job. The program shows them as modal message boxes; tests put
// a recorder in their place.
class PrintNotifier {
public:
    virtual ~PrintNotifier() = default;
    virtual void printSent(QWidget *parent) = 0;
    virtual void printFailed(QWidget *parent) = 0;
    // The job was handed over to a queue that is paused. It is a job sent, so a notifier that
    // does not tell the two apart says so.
    virtual void printHeld(QWidget *parent) { printSent(parent); }
};

inline const QString kPrintTitle = QStringLiteral("Horalo 2002");
inline const sheet::UiText kPrintSent{QT_TRANSLATE_NOOP("horalo", "Stampa inviata")};
inline const sheet::UiText kPrintFailed{QT_TRANSLATE_NOOP("horalo", "Errore nella procedura di stampa")};
inline const sheet::UiText kPrintHeld{QT_TRANSLATE_NOOP("horalo", "Stampa inviata: la stampante è in pausa, il lavoro attende")};

// Replaces the notifier (nullptr restores the message boxes). Returns the previous one.
PrintNotifier *setPrintNotifier(PrintNotifier *notifier);
PrintNotifier &printNotifier();

enum class PrintOutcome { Sent, Held, Failed };

// Tells the user how a job ended, through the current notifier.
void notifyPrint(PrintOutcome outcome, QWidget *parent);

// One job on the printer chosen last (the system's default before any choice, or when the
// chosen one is gone), from asking the server to handing the pages over:
// - begin() asks the print server whether its default queue takes jobs (a server that does not
//   answer within kPrintServerTimeoutMs, no default queue or one that rejects jobs all fail
//   here, before anything is painted) and opens an A4 portrait page, one copy, its origin at
//   the top-left corner of the queue's printable area;
// - the caller paints on painter(), starting each further page with printer().newPage();
// - finish() closes the document and hands it to the queue, and says whether the server took
//   it (Sent), took it into a paused queue (Held) or did not (Failed).
// The pages are painted into a temporary PDF file first, so the job that reaches the server
// is complete or is not sent at all. While the server is being asked, the program's windows
// keep being served; a second job started meanwhile fails at once.
class PrintJob {
public:
    PrintJob();
    ~PrintJob();
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    bool begin();
    QPainter &painter();
    QPrinter &printer();
    PrintOutcome finish();
    // Abandons the job: nothing is sent.
    void cancel();

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QTemporaryFile file_;
    std::string destination_;
    bool paused_ = false;
    bool holdsTurn_ = false;
};

// Prints the page on the default printer and tells the user how it went. Returns true when
// the job was handed to the printer.
bool printReport(const ReportPage &page, QWidget *parent);

// Paints the pages of a job on a printer that is open and set up; it starts each page after
// the first with printer.newPage() and returns false to abandon the job.
using PagePainter = std::function<bool(QPainter &painter, QPrinter &printer)>;

// Prints a job of one or more pages as PrintJob does and tells the user how it went with the
// same messages. Returns true when the job was handed to the printer.
bool printPages(const PagePainter &paintPages, QWidget *parent);

// The queue the user last printed to through a print dialog, kept between runs; empty before
// any choice. One-click prints go there.
QString chosenPrinter();
void rememberPrinter(const QString &name);

// "Stampa…": the pages in a print preview (objectName kPreviewName), from which the user may
// choose a printer and print; that printer becomes the chosen one and the user is told how the
// print went. Returns true when the pages were printed; false when the user closed the preview.
inline const QString kPreviewName = QStringLiteral("Anteprima di stampa");
inline const sheet::UiText kPreviewTitle{QT_TRANSLATE_NOOP("horalo", "Anteprima di stampa")};
bool previewAndPrint(const PagePainter &paintPages, QWidget *parent);
bool previewReport(const ReportPage &page, QWidget *parent);

// Gives a print button its "Stampa…": a click with Shift held, the button's context menu
// "Anteprima e stampa…" and Ctrl+P in its window (for the window's first such button) run
// the preview instead of the one-click print.
void offerPreview(QPushButton *button, std::function<void()> preview);

} // namespace sheet
