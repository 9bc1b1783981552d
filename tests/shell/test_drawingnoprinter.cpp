// With no printer reachable, "Stampa 1:1" of the drawing window ends with the failure
// message and leaves the drawing as it was.

#include "testsupport.h"

#include "sheet/qt/printjob.h"
#include "shell/drawingwindow.h"
#include "shell/registry.h"

#include <QApplication>
#include <QPushButton>

namespace {

class PrintRecorder final : public sheet::PrintNotifier {
public:
    QStringList messages;
    PrintRecorder() { previous_ = sheet::setPrintNotifier(this); }
    ~PrintRecorder() override { sheet::setPrintNotifier(previous_); }
    void printSent(QWidget *) override { messages << sheet::kPrintSent; }
    void printFailed(QWidget *) override { messages << sheet::kPrintFailed; }

private:
    sheet::PrintNotifier *previous_ = nullptr;
};

} // namespace

class TestDrawingNoPrinter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
    }

    void failureIsReportedAndTheDrawingStays()
    {
        PrintRecorder recorder;
        drawing::Drawing d;
        d.title = "Senza stampante";
        d.widthMm = 500;
        d.heightMm = 400;
        d.lines.push_back({{{10, 10}, {490, 390}}, drawing::DrawingPen::HourLine, false, false, 0});
        shell::DrawingWindow *window = shell::showDrawing(d);
        QVERIFY(window);
        auto *print = window->findChild<QPushButton *>(QStringLiteral("Stampa"));
        QVERIFY(print);
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintFailed});
        QVERIFY(window->isVisible());
        QCOMPARE(window->drawing().widthMm, 500.0);
        QCOMPARE(window->drawing().lines.size(), std::size_t{1});
    }
};

int main(int argc, char *argv[])
{
    // Point the printing system at a port where no print server listens, before anything
    // asks it for printers.
    qputenv("CUPS_SERVER", "127.0.0.1:9");
    QApplication app(argc, argv);
    TestDrawingNoPrinter test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_drawingnoprinter.moc"
