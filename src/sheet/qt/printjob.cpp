#include "sheet/qt/printjob.h"

#include "sheet/qt/messagebox.h"
#include "sheet/qt/printersink.h"
#include "sheet/qt/printqueue.h"
#include "sheet/qt/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPrintPreviewDialog>
#include <QAction>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <atomic>
#include <optional>
#include <thread>

namespace sheet {

namespace {

const QString kDocumentName = QStringLiteral("Horalo 2002");
const QString kChosenPrinterKey = QStringLiteral("stampa/stampante");
const QString kFileTemplate = QStringLiteral("horalo-stampa-XXXXXX.pdf");

// How often the waiting window looks whether the server has answered.
constexpr int kPollMs = 20;
// Beyond the server's own timeouts (which end every wait of libcups), a last limit on the
// whole exchange, should a wait in the library not end.
constexpr int kHardLimitMs = 3 * kPrintServerTimeoutMs;

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
    void printHeld(QWidget *parent) override
    {
        showMessage(parent, QMessageBox::Information, kPrintTitle, kPrintHeld);
    }
};

MessageBoxNotifier messageBoxes;
PrintNotifier *current = &messageBoxes;

// Only one job talks to the server at a time: a button pressed again while the windows are
// served during a wait must not start a second exchange inside the first.
bool jobInProgress = false;

// Runs a talk with the print server on a thread of its own and serves the program's events
// until it ends, so the windows stay alive while a slow server is waited for. Nothing when the
// talk outlived kHardLimitMs (it is left to end on its own).
template <typename Result, typename Work>
std::optional<Result> awaitServer(Work work)
{
    if (!QCoreApplication::instance())
        return work();
    struct Shared {
        std::atomic<bool> done{false};
        Result result{};
    };
    auto shared = std::make_shared<Shared>();
    std::thread worker([shared, work] {
        shared->result = work();
        shared->done = true;
    });
    QEventLoop loop;
    QTimer poll;
    int waitedMs = 0;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        waitedMs += kPollMs;
        if (shared->done || waitedMs >= kHardLimitMs)
            loop.quit();
    });
    poll.start(kPollMs);
    if (!shared->done)
        loop.exec();
    poll.stop();
    if (!shared->done) {
        worker.detach();
        return std::nullopt;
    }
    worker.join();
    return shared->result;
}

} // namespace

PrintNotifier *setPrintNotifier(PrintNotifier *notifier)
{
    PrintNotifier *previous = current;
    current = notifier ? notifier : &messageBoxes;
    return previous;
}

PrintNotifier &printNotifier()
{
    return *current;
}

void notifyPrint(PrintOutcome outcome, QWidget *parent)
{
    switch (outcome) {
    case PrintOutcome::Sent:
        current->printSent(parent);
        return;
    case PrintOutcome::Held:
        current->printHeld(parent);
        return;
    case PrintOutcome::Failed:
        current->printFailed(parent);
        return;
    }
}

PrintJob::PrintJob() : file_(QDir(QDir::tempPath()).filePath(kFileTemplate)) {}

PrintJob::~PrintJob()
{
    cancel();
}

bool PrintJob::begin()
{
    if (jobInProgress)
        return false;
    jobInProgress = true;
    holdsTurn_ = true;

    // The printer the user chose last, as long as the server still knows it; the system's
    // default otherwise.
    const std::string chosen = chosenPrinter().toStdString();
    std::optional<QueueProbe> probe =
        awaitServer<QueueProbe>([chosen] { return ProbeQueue(chosen, kPrintServerTimeoutMs); });
    if (!chosen.empty() && probe && probe->state == QueueState::NoPrinter)
        probe = awaitServer<QueueProbe>([] { return ProbeDefaultQueue(kPrintServerTimeoutMs); });
    if (!probe || (probe->state != QueueState::Ready && probe->state != QueueState::Paused))
        return false;
    destination_ = probe->destination;
    paused_ = probe->state == QueueState::Paused;

    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(destination_));
    if (info.isNull() || !file_.open())
        return false;
    file_.close();
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer_->isValid())
        return false;
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
    printer_->setCopyCount(1);
    printer_->setFullPage(false);
    printer_->setDocName(kDocumentName);
    // The queue's own page layout (its printable area) stays; only the output becomes a file.
    const QPageLayout layout = printer_->pageLayout();
    printer_->setOutputFileName(file_.fileName());
    printer_->setPageLayout(layout);
    painter_ = std::make_unique<QPainter>();
    return painter_->begin(printer_.get());
}

QPainter &PrintJob::painter()
{
    return *painter_;
}

QPrinter &PrintJob::printer()
{
    return *printer_;
}

PrintOutcome PrintJob::finish()
{
    if (!painter_ || !painter_->isActive()) {
        cancel();
        return PrintOutcome::Failed;
    }
    const bool written = painter_->end() && printer_->printerState() != QPrinter::Error && file_.size() > 0;
    if (!written) {
        cancel();
        return PrintOutcome::Failed;
    }
    const std::string path = QDir::toNativeSeparators(file_.fileName()).toStdString();
    const std::string destination = destination_;
    const std::optional<int> job = awaitServer<int>([destination, path] {
        return SubmitPdf(destination, path, kDocumentName.toStdString(), kPrintServerTimeoutMs);
    });
    // The file may only go once the server has read it (or given up on it).
    if (job)
        file_.remove();
    else
        file_.setAutoRemove(false);
    cancel();
    if (!job || *job <= 0)
        return PrintOutcome::Failed;
    return paused_ ? PrintOutcome::Held : PrintOutcome::Sent;
}

void PrintJob::cancel()
{
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
    painter_.reset();
    printer_.reset();
    if (holdsTurn_) {
        holdsTurn_ = false;
        jobInProgress = false;
    }
}

QString chosenPrinter()
{
    return programSettings().value(kChosenPrinterKey).toString();
}

void rememberPrinter(const QString &name)
{
    if (!name.isEmpty())
        programSettings().setValue(kChosenPrinterKey, name);
}

bool previewAndPrint(const PagePainter &paintPages, QWidget *parent)
{
    const QPointer<QWidget> window(parent);
    const QString chosen = chosenPrinter();
    const QPrinterInfo info = chosen.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(chosen);
    QPrinter printer(info.isNull() ? QPrinterInfo::defaultPrinter() : info, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(kDocumentName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(kPreviewName);
    dialog.setWindowTitle(kPreviewTitle);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        QPainter painter(target);
        painted = painter.isActive() && paintPages && paintPages(painter, *target);
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Printed from the preview through the printer dialog: that printer is the one chosen.
    rememberPrinter(printer.printerName());
    const bool sent = painted && printer.printerState() != QPrinter::Error;
    notifyPrint(sent ? PrintOutcome::Sent : PrintOutcome::Failed, window.data());
    return sent;
}

bool previewReport(const ReportPage &page, QWidget *parent)
{
    return previewAndPrint([&page](QPainter &painter, QPrinter &printer) { return PaintReportPage(page, painter, printer); },
                           parent);
}

namespace {

const sheet::UiText kPreviewAndPrint{QT_TRANSLATE_NOOP("horalo", "Anteprima e stampa…")};
const sheet::UiText kPrintButtonTip{QT_TRANSLATE_NOOP(
    "horalo", "Stampa sulla stampante scelta l'ultima volta. Maiusc+clic o Ctrl+P: anteprima e scelta della stampante.")};
const QString kPreviewShortcutName = QStringLiteral("anteprima");

// Shift+click on a print button: the preview instead of the click.
class ShiftClick final : public QObject {
public:
    ShiftClick(QPushButton *button, std::function<void()> preview) : QObject(button), preview_(std::move(preview)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const bool release = event->type() == QEvent::MouseButtonRelease;
        const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        if (!release && !press)
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !mouse->modifiers().testFlag(Qt::ShiftModifier))
            return false;
        if (release)
            preview_();
        return true;
    }

private:
    std::function<void()> preview_;
};

} // namespace

void offerPreview(QPushButton *button, std::function<void()> preview)
{
    button->setToolTip(kPrintButtonTip);
    button->installEventFilter(new ShiftClick(button, preview));
    button->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *action = new QAction(kPreviewAndPrint, button);
    QObject::connect(action, &QAction::triggered, button, preview);
    button->addAction(action);
    QWidget *window = button->window();
    if (!window->findChild<QShortcut *>(kPreviewShortcutName)) {
        auto *shortcut = new QShortcut(QKeySequence::Print, window);
        shortcut->setObjectName(kPreviewShortcutName);
        QObject::connect(shortcut, &QShortcut::activated, button, preview);
    }
}

bool printReport(const ReportPage &page, QWidget *parent)
{
    const QPointer<QWidget> window(parent);
    PrinterSink printer;
    const bool painted = PrintPage(page, printer);
    const PrintOutcome outcome = painted ? printer.outcome() : PrintOutcome::Failed;
    notifyPrint(outcome, window.data());
    return outcome != PrintOutcome::Failed;
}

bool printPages(const PagePainter &paintPages, QWidget *parent)
{
    const QPointer<QWidget> window(parent);
    PrintOutcome outcome = PrintOutcome::Failed;
    if (paintPages) {
        PrintJob job;
        if (job.begin()) {
            if (paintPages(job.painter(), job.printer()))
                outcome = job.finish();
            else
                job.cancel();
        }
    }
    notifyPrint(outcome, window.data());
    return outcome != PrintOutcome::Failed;
}

} // namespace sheet
