#include "sheet/qt/printjob.h"

#include "sheet/qt/messagebox.h"
#include "sheet/qt/printersink.h"

#include <QMessageBox>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace sheet {

namespace {

class MessageBoxNotifier final : public PrintNotifier {
public:
    void printSent(QWidget *parent) override
    {
        showMessage(parent, QMessageBox::Information, kPrintTitle, kPrintSent);
    }
    void printFailed(QWidget *parent) override
    {
        showMessage(parent, QMessageBox::Critical, kPrintTitle, kPrintFailed);
    }
};

MessageBoxNotifier messageBoxes;
PrintNotifier *current = &messageBoxes;

bool runPages(const PagePainter &paintPages)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
    printer.setFullPage(false);
    printer.setDocName(QStringLiteral("Horalo 2002"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    if (!paintPages(painter, printer)) {
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

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

bool printPages(const PagePainter &paintPages, QWidget *parent)
{
    const bool sent = paintPages && runPages(paintPages);
    if (sent)
        current->printSent(parent);
    else
        current->printFailed(parent);
    return sent;
}

} // namespace sheet
