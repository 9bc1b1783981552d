#include "sheet/qt/printjob.h"

#include "sheet/qt/printersink.h"

#include <QMessageBox>

namespace sheet {

namespace {

class MessageBoxNotifier final : public PrintNotifier {
public:
    void printSent(QWidget *parent) override
    {
        QMessageBox::information(parent, kPrintTitle, kPrintSent);
    }
    void printFailed(QWidget *parent) override
    {
        QMessageBox::critical(parent, kPrintTitle, kPrintFailed);
    }
};

MessageBoxNotifier messageBoxes;
PrintNotifier *current = &messageBoxes;

} // namespace

PrintNotifier *setPrintNotifier(PrintNotifier *notifier)
{
    PrintNotifier *previous = current;
    current = notifier ? notifier : &messageBoxes;
    return previous;
}

bool printReport(const ReportPage &page, QWidget *parent)
{
    PrinterSink printer;
    const bool sent = PrintPage(page, printer);
    if (sent)
        current->printSent(parent);
    else
        current->printFailed(parent);
    return sent;
}

} // namespace sheet
