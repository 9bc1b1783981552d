// With no printer reachable the user sees only the failure message, and the sheet keeps
// every text it had.

#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"

class TestHourNoPrinter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
    }

    void failureIsReportedAndNothingChanges()
    {
        PrintRecorder recorder;
        QWidget *window = shell::showWindow(QStringLiteral("GonOrz"));
        press(window, "Calcola");
        const QMap<QString, QString> before = allTexts(window);
        press(window, "Stampa");
        QCOMPARE(recorder.messages, QStringList{sheet::kPrintFailed});
        QCOMPARE(allTexts(window), before);
    }
};

int main(int argc, char *argv[])
{
    // Point the printing system at a port where no print server listens, before anything
    // asks it for printers.
    qputenv("CUPS_SERVER", "127.0.0.1:9");
    QApplication app(argc, argv);
    TestHourNoPrinter test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hournoprinter.moc"
